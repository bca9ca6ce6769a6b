#pragma once

#include "keptvalues.h"
#include "testform.h"

#include <QTime>

namespace Ui {
class AsymTrafficForm;
}

// Form of the asymmetric traffic test (test id 16): two flows, "Output"
// (flow 1) and "Input" (flow 2), each with its own settings widget and its
// own statistics widget, and a direction, duration and two intervals shared
// by both. Edits the asym_settings_t of the current port and shows its
// asym_results_t on the "Measuring" page. Its single start button starts
// the test on the current port ("Start A->R", "Start B->R"). The apply,
// start, stop and report sequences are TestForm's.
//
// A stored direction or duration the fields cannot show (a direction code
// beyond the list, a duration of a day or more) is shown marked and written
// back as stored until the operator edits that field.
class AsymTrafficForm : public TestForm
{
    Q_OBJECT
public:
    explicit AsymTrafficForm(Device *device, QWidget *parent = nullptr);
    ~AsymTrafficForm() override;

    void retranslate() override;

public slots:
    void fillFormFromSettings() override;
    void fillFormFromResults() override;
    void fillSettingsFromForm() override;
    void gotApplied() override;
    void dirComboBoxIndexChanged(int index);
    void tBeforeChanged(int value);
    void tAfterChanged(int value);
    void tDurChanged(const QTime &time);
    void setTitles() override;
    void bApplyClicked() override;

private:
    // Each colours its field against the held record and tells whether it
    // differs; false without a record.
    bool markDirection();
    bool markBefore();
    bool markAfter();
    bool markDuration();

    Ui::AsymTrafficForm *ui;
    // The stored value could not be shown and the operator has not edited
    // the field since the fill: it is written back as stored.
    bool m_keepDirection = false;
    KeptDuration m_keptDuration;
};
