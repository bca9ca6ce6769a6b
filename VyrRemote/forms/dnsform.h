#pragma once

#include "testform.h"

namespace Ui {
class DnsForm;
}
struct dns_settings_t;

// Form of the DNS test (test id 10), a page of the TCP/IP tools window:
// edits the host name of the current port's dns_settings_t and shows what
// the tester resolved (dns_results_t). The test runs looped on the current
// port; apply, start, stop, reset and report are TestForm's, which refuses
// to start with an empty host name.
//
// The host name is written and read as UTF-8, so a name comes back as it
// was entered. A name whose bytes do not fit the record's 31 text bytes is
// refused with a message (nothing is sent), never cut. A stored name that
// the edit shows unchanged (one the edit cannot hold whole, or bytes that
// are no UTF-8) is written back byte for byte.
class DnsForm : public TestForm
{
    Q_OBJECT
public:
    explicit DnsForm(Device *device, QWidget *parent = nullptr);
    ~DnsForm() override;

    void retranslate() override;

public slots:
    bool canStartXX() override;
    void fillFormFromSettings() override;
    void fillFormFromResults() override;
    void fillSettingsFromForm() override;
    void lHostChanged(const QString &text);
    void gotApplied() override;

protected:
    bool canWriteSettings() override;

private:
    // The stored host name as the edit shows it.
    QString shownName(const dns_settings_t &record) const;
    // Room for the longest texts of the fields and results in the language
    // in force.
    void fitTexts();

    Ui::DnsForm *ui;
};
