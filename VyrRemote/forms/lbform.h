#pragma once

#include "testform.h"

class QComboBox;
class QPushButton;

namespace Ui {
class LbForm;
}

// Window of the loopback function (test id 21). Two independent actions:
// the level buttons switch the loopback of the current port off or to a
// level at once (a topology request, nothing applied), and Apply writes the
// form into the port's lb_settings_t (which header fields of the looped
// frames the tester replaces) and sends it. The function has no results.
class LbForm : public TestForm
{
    Q_OBJECT
public:
    explicit LbForm(Device *device, QWidget *parent = nullptr);
    ~LbForm() override;

    void retranslate() override;

signals:
    // Topology code for the current port: 2 off, 3 to 6 levels 1 to 4.
    void setTopology(uchar topology);

public slots:
    void blvl0Clicked();
    void blvl1Clicked();
    void blvl2Clicked();
    void blvl3Clicked();
    void blvl4Clicked();
    void gotApplied();
    void cMACsrcToggled(bool checked);
    void cMACdstToggled(bool checked);
    void cIPsrcToggled(bool checked);
    void cIPdstToggled(bool checked);
    void cVLANToggled(bool checked);
    void cPrioToggled(bool checked);
    void lMACsrcChanged(const QString &s);
    void lMACdstChanged(const QString &s);
    void lIPsrcChanged(const QString &s);
    void lIPdstChanged(const QString &s);
    void sVLANChanged(int v);
    void sPrioChanged(int v);
    void cbToSChanged(int index);
    void cbPrecChanged(int index);
    void cbDSCPChanged(int index);
    void gTosToggled(bool checked);
    void gDSCPToggled(bool checked);
    // Level buttons: usable while the port runs nothing or is in loopback.
    void setButtonsEnabled() override;
    void fillFormFromSettings() override;
    void fillSettingsFromForm() override;
    void disableApply();

    // Re-colours the four address edits against the record.
    void checkAddressFields();

private:
    void markEdited(bool differs);
    // A QoS box: black (grey while its group is off) at the stored index,
    // else blue and edited.
    void markCombo(QComboBox *combo, int index, int stored, bool groupOn);
    void recolourCombo(QComboBox *combo, int stored, bool groupOn);
    QList<QPushButton *> levelButtons() const;

    Ui::LbForm *ui;
};
