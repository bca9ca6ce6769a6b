#pragma once

#include "keptvalues.h"
#include "testform.h"

#include <QTime>

namespace Ui {
class TrafficForm;
}
struct traffic_settings_t;

// Form of the traffic test (test id 2): edits the traffic_settings_t of the
// current port (header through the embedded HeaderWidget) and shows its
// traffic_results_t on the "Measuring" page. The apply, start, stop and
// report sequences are TestForm's.
//
// A stored unit code beyond the list (with its rate) or a duration of a day
// or more is shown marked and written back as stored until the operator
// edits that field.
class TrafficForm : public TestForm
{
    Q_OBJECT
public:
    explicit TrafficForm(Device *device, QWidget *parent = nullptr);
    ~TrafficForm() override;

    void retranslate() override;

public slots:
    void cUnitsCurrentIndexChanged(int index);
    void toggledAutoIP(bool on);
    void gotApplied() override;
    void cUnitsChanged(int index);
    void sRateChanged(int value);
    void dsFLRChanged(double value);
    void sLenChanged(int value);
    void tDurChanged(const QTime &time);
    void sStudyChanged(int value);
    void sIntervalChanged(int value);
    bool canStartXX() override;
    void fillFormFromSettings() override;
    void fillFormFromResults() override;
    void fillSettingsFromForm() override;

protected:
    // A new font: the fields and tables take the room its texts need.
    void refitToFont() override;

private:
    // Each colours its field against the record and tells whether it
    // differs.
    bool markUnit(const traffic_settings_t &r);
    bool markRate(const traffic_settings_t &r);
    bool markDuration(const traffic_settings_t &r);
    // Runs every compare once more, so that a field whose shown value could
    // not follow the record (a duration of a day or more, a rate above the
    // unit's maximum, a unit the list does not have) stays marked.
    void markAllFields(const traffic_settings_t &r);
    // Gives the results page room for the longest texts it can show in the
    // language in force: no count elided, no status scrolled, no scroll bars.
    void fitResultsPage();

    Ui::TrafficForm *ui;
    bool autoIP = false;
    KeptRate keptRate;
    KeptDuration keptDuration;
};
