#include "logondialog.h"
#include "ui_logondialog.h"

#include "mainmenu.h"

logonDialog::logonDialog(MainMenu *menu)
    : QDialog(menu)
    , ui(new Ui::logonDialog)
    , m_menu(menu)
{
    ui->setupUi(this);
    connect(ui->bOk, &QPushButton::clicked, this, &logonDialog::bOKpushed);
    connect(ui->bCancel, &QPushButton::clicked, this, &QDialog::reject);
}

logonDialog::~logonDialog()
{
    delete ui;
}

void logonDialog::setValues(const QString &logon, const QString &passw)
{
    ui->lLogon->setText(logon);
    ui->lPsw->setText(passw);
}

void logonDialog::bOKpushed()
{
    m_menu->setLogon(ui->lLogon->text(), ui->lPsw->text());
    accept();
}
