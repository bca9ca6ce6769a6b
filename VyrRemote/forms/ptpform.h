#pragma once

#include "testform.h"

#include <QTime>

namespace Ui {
class PTPForm;
}
struct ptp_settings_t;

// Form of the PTP test (test id 7), which the tester runs on Port A only:
// the main window shows it with Port A current and its Port B selector
// disabled. Edits the PTP client block and the duration of the held
// ptp_settings_t, shows the tester's server list and lets the operator pick
// a row of it, and shows ptp_results_t on the pages "Information",
// "Statistics" and "Measuring". Apply, Start, Stop and Save Report are
// TestForm's.
//
// While the form is on show and the test is not running, the settings are
// read again at every status update (once a second) so that the server list
// follows the tester. Such a re-read replaces the record the edits are
// compared with but redraws only the server list: the fields are refilled
// only on activation, on Reset and when the current port changes (the
// other port's record), so an edit in progress stays as typed, and
// Apply hands the tester a copy of the form's record taken at that moment.
class PTPForm : public TestForm
{
    Q_OBJECT
public:
    explicit PTPForm(Device *device, QWidget *parent = nullptr);
    ~PTPForm() override;

    void retranslate() override;

public slots:
    void changeUnicast(bool unicast);
    void changeAutoDomain(bool on);
    void changeUnicastNeg(bool on);
    void gotApplied() override;
    void sDomainChanged(int value);
    void sSyncIntChanged(int value);
    void sAnnIntChanged(int value);
    void lIPMasterChanged(const QString &text);
    void tDurChanged(const QTime &time);
    void activate() override;
    void currentProcessChanged(port_t port) override;
    void fillFormFromSettings() override;
    void fillFormFromResults() override;
    void fillSettingsFromForm() override;
    void deviceStatusUpdated() override;
    void bResetClicked() override;

protected:
    // A new font: the fields and tables take the room its texts need.
    void refitToFont() override;

private:
    // Every field from the record, without running the change slots while
    // the values go in; then the states and marks those values give.
    void fillAllFields(const ptp_settings_t &r);
    void fillServerTable(const ptp_settings_t &r);
    // The server list from the held record, or as it reads before any
    // record arrived.
    void showServerTable();
    void selectServerRow(uint8_t serverIndex);
    // Colours of the two interval boxes while they are in use: the marks
    // against the held record (black without one).
    void markIntervals();
    // Room for the longest texts each field and table can show in the
    // language in force.
    void fitPages();

    Ui::PTPForm *ui;
    // The next settings that arrive refill every field (activation, Reset,
    // another port); otherwise they redraw only the server list.
    bool refillAll = true;
};
