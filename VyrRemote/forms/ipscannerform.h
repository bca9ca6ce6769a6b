#pragma once

#include "testform.h"

namespace Ui {
class IpScannerForm;
}
struct ipscan_settings_t;

// Form of the IP scanner test (test id 11), a page of the TCP/IP tools
// window: edits the range, wait time and iteration count of the current
// port's ipscan_settings_t and shows the scan's run time and the addresses
// that answered (ipscan_results_t) in a list of 256 rows. The test runs
// looped on the current port; apply, start, stop, reset and report are
// TestForm's.
class IpScannerForm : public TestForm
{
    Q_OBJECT
public:
    explicit IpScannerForm(Device *device, QWidget *parent = nullptr);
    ~IpScannerForm() override;

    void retranslate() override;

public slots:
    void fillFormFromSettings() override;
    void fillFormFromResults() override;
    void fillSettingsFromForm() override;
    void leFirstAddressChanged(const QString &text);
    void leLastAddressChanged(const QString &text);
    void sbWaitTimeChanged(int value);
    void sbIterationChanged(int value);
    void gotApplied() override;

private:
    void markAllFields(const ipscan_settings_t &record);
    // Room for the longest addresses, times and list entries in the language
    // in force.
    void fitTexts();

    Ui::IpScannerForm *ui;
};
