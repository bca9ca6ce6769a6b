#include "authenticationdialog.h"
#include "ui_authenticationdialog.h"

AuthenticationDialog::AuthenticationDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::AuthenticationDialog)
{
    ui->setupUi(this);
}

AuthenticationDialog::~AuthenticationDialog()
{
    delete ui;
}

QString AuthenticationDialog::login() const
{
    return ui->editLogin->text();
}

QString AuthenticationDialog::password() const
{
    return ui->editPassword->text();
}
