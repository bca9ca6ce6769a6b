#pragma once

#include "keptvalues.h"
#include "testform.h"

#include <QTime>

namespace Ui {
class JitterForm;
}
struct jitter_settings_t;

// Form of the jitter test (test id 6): edits the jitter_settings_t of the
// current port (header through the embedded HeaderWidget) and shows its
// jitter_results_t on the "Measuring" page: frame counts and the jitter
// distribution over nine bins that the threshold defines. The apply,
// start, stop and report sequences are TestForm's.
//
// Unlike the traffic form, Start on the same port follows the auto-IP byte
// of the record (not the header editor's announcement): each fill and each
// write of the settings disables it while that byte is set, and
// canStartXX() refuses the looped start.
//
// A stored unit code beyond the list (with its rate) or a duration of a day
// or more is shown marked and written back as stored until the operator
// edits that field.
class JitterForm : public TestForm
{
    Q_OBJECT
public:
    explicit JitterForm(Device *device, QWidget *parent = nullptr);
    ~JitterForm() override;

    void retranslate() override;

public slots:
    bool canStartXX() override;
    void fillFormFromSettings() override;
    void fillFormFromResults() override;
    void fillSettingsFromForm() override;
    void cUnitsCurrentIndexChanged(int index);
    void sThreValueChanged(int value);
    void gotApplied() override;
    void sRateChanged(int value);
    void sLenChanged(int value);
    void tDurChanged(const QTime &time);

private:
    // Each colours its field against the record and tells whether it
    // differs.
    bool markUnit(const jitter_settings_t &r);
    bool markRate(const jitter_settings_t &r);
    bool markDuration(const jitter_settings_t &r);
    void markThreshold(const jitter_settings_t &r);
    // Runs every compare once more after a fill, so that a field whose
    // shown value could not follow the record (a duration of a day or more,
    // a rate above the unit's maximum, a unit the list does not have, a
    // threshold out of range) stays marked.
    void markAllFields(const jitter_settings_t &r);
    void setRateMaximum(int unitIndex);
    void relabelBins(int threshold);
    void followAutoIp(const jitter_settings_t &r);
    // Columns wide enough for long counts and range labels.
    void fitTables();

    Ui::JitterForm *ui;
    KeptRate keptRate;
    KeptDuration keptDuration;
};
