#pragma once

#include "keptvalues.h"
#include "testform.h"

#include <QTime>

namespace Ui {
class MdiForm;
}

// Form of the MDI (media delivery index) test, test id 15: edits the
// mdi_settings_t of the current port (header through the embedded
// HeaderWidget) and shows its mdi_results_t on the "Measuring" page. The
// apply, start, stop and report sequences are TestForm's.
class MdiForm : public TestForm
{
    Q_OBJECT
public:
    explicit MdiForm(Device *device, QWidget *parent = nullptr);
    ~MdiForm() override;

    void retranslate() override;

public slots:
    void fillFormFromSettings() override;
    void fillFormFromResults() override;
    void fillSettingsFromForm() override;
    // Refused while "Auto IP destination" is set in the applied header.
    bool canStartXX() override;
    void on_cUnits_currentIndexChanged(int index);
    void gotApplied() override;
    void sRateChanged(int value);
    void sLenChanged(int value);
    void tDurChanged(const QTime &time);
    void dsMLRChanged(double value);
    void sLearnIntChanged(int value);

protected:
    // Without a record the start towards the other port runs with the
    // tester's own settings; the start on the same port needs the record
    // for its "Auto IP destination" check and is refused.
    bool startsWithTesterSettings(uchar topology) const override;

private:
    // Runs every compare once more after a fill, so that a field whose
    // shown value could not follow the record stays marked.
    void markAllFields();
    // Minimum widths of the unit list and the result fields for their
    // longest texts in the language in force.
    void fitResultFields();

    Ui::MdiForm *ui;
    // The record's threshold is no number (NaN or infinite): the field
    // cannot show it, and Apply keeps it until the operator edits the field.
    bool mlrKept = false;
    // A stored duration of a day or more (no time of day) is written back
    // as stored until the operator edits the time.
    KeptDuration keptDuration;
};
