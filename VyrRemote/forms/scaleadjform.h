#pragma once

#include "testform.h"

#include <QTime>

#include <cstdint>
#include <functional>

namespace Ui {
class ScaleAdjForm;
}

class QComboBox;
struct gps_info_t;
struct sync_settings_t;

// Form of the synchronisation test (test id 17): edits the sync_settings_t
// of the port it is shown for (the main window makes that Port A): the pair
// of time sources, which follows the sources the tester reports in its
// status record, the duration, the PTP client and the two NTP servers; shows
// the tester's PTP server list and GPS receiver from the same record, and the
// sync_results_t on the "PTP information", "NTP information" and "Results"
// pages. The apply, start, stop and report sequences are TestForm's.
//
// While shown and the test is idle, the settings are read again at every
// status poll: only the tester-filled parts (source lists, server list, GPS
// pages) are redrawn, what the operator typed stays in the widgets, and Apply
// writes the widgets into the copy just read.
class ScaleAdjForm : public TestForm
{
    Q_OBJECT
public:
    explicit ScaleAdjForm(Device *device, QWidget *parent = nullptr);
    ~ScaleAdjForm() override;

    void retranslate() override;

public slots:
    void baseFreqActivated();
    void measFreqActivated();
    void changeUnicast(bool unicast);
    void changeAutoDomain(bool on);
    void changeUnicastNeg(bool on);
    void changecbRTI(bool on);
    void gotApplied() override;
    void tDurChanged(const QTime &time);
    void sDomainChanged(int value);
    void sSyncIntChanged(int value);
    void sAnnIntChanged(int value);
    void lIPMasterChanged(const QString &s);
    void NTP1IPaddrChanged(const QString &s);
    void NTP2IPaddrChanged(const QString &s);
    void sNTP1intervalChanged(int value);
    void sNTP2intervalChanged(int value);
    void sNTP1portChanged(int value);
    void sNTP2portChanged(int value);
    void runNTP_NTP();
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
    uint32_t sourceMask() const;
    bool isSourceAvailable(uint8_t source) const;
    bool areSourcesAvailable(uint8_t a, uint8_t b) const;
    bool selectAvailableSources(uint8_t &reference, uint8_t &measured) const;
    void fillBaseSources();
    void fillMeasSources();
    // A source list: "No source" alone (disabled) for source 0, else the
    // usable sources without leaveOut, with `source` current.
    void fillSourceBox(QComboBox *box, uint8_t source, uint8_t leaveOut);
    void fillServerTable(const uint32_t *servers);
    void fillServerTableEmpty();
    void fillGpsInfo(const gps_info_t &gps);
    // The widgets of every value the record holds, from the record (the
    // full refill of an activation or a reset).
    void refillFields(const sync_settings_t &r);
    // Marks the fields whose widget cannot show the stored value (a duration
    // of a day or more, a value a spin box clamped), so that Apply, which
    // writes what is shown, is no silent change.
    void markUnshownValues(const sync_settings_t &r);
    // A field differs from the held record: Apply is enabled (not while a
    // refill is still setting the widgets one after another).
    void markField(bool differs);
    // Runs a change marker against the held record; nothing without one.
    void markAgainstRecord(const std::function<bool(const sync_settings_t &)> &differs);
    // Room for the longest texts of the results and GPS pages in the
    // language in force.
    void fitPages();

    Ui::ScaleAdjForm *ui;
    // The pair as chosen in the form; written to the record, not the combo
    // boxes' texts.
    uint8_t baseSource = 0;
    uint8_t measSource = 0;
    bool refillAll = true;
    uint32_t lastSourceMask = 0;
    bool unicastNegFirstCall = true;
    // Set while a refill sets the widgets: a compare of a half-filled form
    // marks colours but does not set edited.
    bool filling = false;
};
