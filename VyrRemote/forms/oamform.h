#pragma once

#include "testform.h"

namespace Ui {
class OamForm;
}

// Form of the link OAM test (test id 14): sets the OAM mode of the current
// port (oam_settings_t), starts and stops the test and shows what the link
// partner reports (oam_results_t). Start, Stop and Reset stay usable
// whatever the polled status says.
class OamForm : public TestForm
{
    Q_OBJECT
public:
    explicit OamForm(Device *device, QWidget *parent = nullptr);
    ~OamForm() override;

    void retranslate() override;

public slots:
    void cbModeIndexChanged(int index);
    void gotApplied() override;
    void fillFormFromSettings() override;
    void fillFormFromResults() override;
    void fillSettingsFromForm() override;
    void setButtonsEnabled() override;

protected:
    // A new font: the fields and tables take the room its texts need.
    void refitToFont() override;
    // Without a record Start Loopback runs with the mode the tester holds.
    bool startsWithTesterSettings(uchar topology) const override;

private:
    // Minimum widths of the mode list and the result fields for their
    // longest texts in the language in force.
    void fitResultFields();

    Ui::OamForm *ui;
};
