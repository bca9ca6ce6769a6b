#pragma once

#include <QDialog>
#include <QString>

class MainMenu;

namespace Ui {
class logonDialog;
}

// Asks for a new logon id and password for the connected tester. Built on
// the stack each time it opens; OK hands both texts, as they stand, to the
// menu (which forwards them to the window), Cancel hands nothing.
class logonDialog : public QDialog
{
    Q_OBJECT
public:
    explicit logonDialog(MainMenu *menu);
    ~logonDialog() override;

    void setValues(const QString &logon, const QString &passw);

private slots:
    void bOKpushed();

private:
    Ui::logonDialog *ui;
    MainMenu *m_menu;
};
