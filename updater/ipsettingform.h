#pragma once

#include <QDialog>
#include <QString>

class MainMenu;

namespace Ui {
class IPsettingForm;
}

// Edits the tester's DHCP flag, IP address, subnet mask and gateway. Built
// on the stack each time it opens; Apply hands the values, as they stand,
// to the menu, Cancel hands nothing. No validation: the texts go out as typed.
class IPsettingForm : public QDialog
{
    Q_OBJECT
public:
    explicit IPsettingForm(MainMenu *menu);
    ~IPsettingForm() override;

    // dhcp is the stored text: anything but exactly "false" checks the box.
    void setValues(const QString &dhcp, const QString &ip, const QString &mask, const QString &gateway);

private slots:
    void bOKpushed();

private:
    Ui::IPsettingForm *ui;
    MainMenu *m_menu;
};
