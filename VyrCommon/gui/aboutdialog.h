#pragma once

#include <QDialog>

namespace Ui {
class AboutDialog;
}

// The about box of the three programs. Each program gets its own description
// and version, chosen by the application name its main() sets, so every
// caller just builds the dialog on the stack and runs exec().
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

private:
    Ui::AboutDialog *ui;
};
