#pragma once

#include <QDialog>

namespace Ui {
class AuthenticationDialog;
}

// The operator's login form: a login and a password, OK and Cancel.
// The caller checks the two texts against the user database.
class AuthenticationDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AuthenticationDialog(QWidget *parent = nullptr);
    ~AuthenticationDialog() override;

    // The texts as typed (not trimmed).
    QString login() const;
    QString password() const;

private:
    Ui::AuthenticationDialog *ui;
};
