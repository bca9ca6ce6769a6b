#pragma once

#include "keptvalues.h"
#include "testform.h"

#include <QTime>

namespace Ui {
class MultiForm;
}
struct multi_settings_t;
struct stream_result_t;
struct stream_settings_t;

// Form of the multistream test (test id 5): ten streams, each with its own
// on/off flag, rate and unit, packet length and frame header, sharing one
// duration, learning time and wait interval. One set of stream widgets
// (and the embedded HeaderWidget) shows the stream chosen with the stream
// selectors; the two selectors, on the "Settings" and "Measuring" pages,
// always name the same stream.
//
// Choosing another stream refills the widgets from the held record, so
// edits of the stream left that were not applied leave the screen. Apply
// writes the stream on show and the common fields; the other nine streams
// keep their values.
//
// A stored unit code beyond the list (with its rate) or a duration of a day
// or more is shown marked and written back as stored until the operator
// edits that field; what is kept is worked out again for the stream on show
// at each fill, so every stream's stored values survive switching streams.
class MultiForm : public TestForm
{
    Q_OBJECT
public:
    explicit MultiForm(Device *device, QWidget *parent = nullptr);
    ~MultiForm() override;

    void retranslate() override;

public slots:
    void gotApplied() override;
    void cUnitsChanged();
    void cActiveToggled(bool on);
    void sRateChanged(int value);
    void sLenChanged(int value);
    void sStudyChanged(int value);
    void sIntervalChanged(int value);
    void tDurChanged(const QTime &time);
    bool canStartXX() override;
    void fillFormFromSettings() override;
    void fillFormFromResults() override;
    void fillSettingsFromForm() override;
    // Either pointer may be null (no results, no settings): dashes.
    void fillStreamResults(const stream_result_t *results, const stream_settings_t *settings);
    void cUnitsCurrentIndexChanged(int index);
    void sStreamSettingsChanged(int value);
    void sStreamResultsChanged(int value);

private:
    void markActive(const stream_settings_t &s);
    // Each colours its field against the record and tells whether it
    // differs.
    bool markUnit(const multi_settings_t &r);
    bool markRate(const multi_settings_t &r);
    bool markDuration(const multi_settings_t &r);
    // Runs every compare once more after a fill, so that a field whose
    // shown value could not follow the record (a duration of a day or more,
    // a unit the list does not have) stays marked.
    void markAllFields(const multi_settings_t &r);
    void setRateMaximum(int unitIndex);

    Ui::MultiForm *ui;
    int settingsPage = 0;   // stream on the "Settings" page, 0-9
    int resultsPage = 0;    // stream on the "Measuring" page, 0-9
    // Armed at construction: the first toggle of "Active" that finds a
    // settings record is not marked (the tester's own form behaves so).
    bool swallowActiveToggle = false;
    // Of the stream on show and the common duration.
    KeptRate keptRate;
    KeptDuration keptDuration;
};
