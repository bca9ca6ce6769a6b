#include "ipsettingform.h"
#include "ui_ipsettingform.h"

#include "mainmenu.h"

IPsettingForm::IPsettingForm(MainMenu *menu)
    : QDialog(menu)
    , ui(new Ui::IPsettingForm)
    , m_menu(menu)
{
    ui->setupUi(this);
    connect(ui->bOK, &QPushButton::clicked, this, &IPsettingForm::bOKpushed);
    connect(ui->bCancel, &QPushButton::clicked, this, &QDialog::reject);
}

IPsettingForm::~IPsettingForm()
{
    delete ui;
}

void IPsettingForm::setValues(const QString &dhcp, const QString &ip, const QString &mask, const QString &gateway)
{
    ui->cDHCP->setChecked(dhcp != QLatin1String("false"));
    ui->lIP->setText(ip);
    ui->lSubnet->setText(mask);
    ui->lGateway->setText(gateway);
}

void IPsettingForm::bOKpushed()
{
    m_menu->setIpSettings(ui->cDHCP->isChecked(), ui->lIP->text(), ui->lSubnet->text(), ui->lGateway->text());
    accept();
}
