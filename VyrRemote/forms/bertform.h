#pragma once

#include "keptvalues.h"
#include "testform.h"

#include <QTime>

class QRegExpValidator;
struct bert_settings_t;

namespace Ui {
class BertForm;
}

// Form of the bit error rate test (test id 19): edits the bert_settings_t of
// the current port and shows its bert_results_t while the test runs. The
// apply, start, stop, reset and report sequences are TestForm's.
//
// Values the fields cannot show are kept, not rewritten: a pattern or unit
// code the lists do not have leaves its list empty and is written back as
// stored unless the operator picks an entry; a duration of a day or more
// (no time of day) leaves the time edit as it was, marked, and is written
// back as stored unless the operator edits the time.
class BertForm : public TestForm
{
    Q_OBJECT
public:
    explicit BertForm(Device *device, QWidget *parent = nullptr);
    ~BertForm() override;

    void retranslate() override;

public slots:
    void cPatternCurrentIndexChanged(int index);
    void cUnitsCurrentIndexChanged(int index);
    void sSizeValChanged(int size);
    void lUserPatChanged(const QString &s);
    void sRateChanged(int v);
    void sSyncroWaitChanged(int v);
    void sPatoffChanged(int v);
    void tDurChanged(const QTime &time);
    void gotApplied() override;
    void fillFormFromSettings() override;
    void fillFormFromResults() override;
    void fillSettingsFromForm() override;

protected:
    // A new font: the fields and tables take the room its texts need.
    void refitToFont() override;
    // Without a record both starts run with the tester's own settings.
    bool startsWithTesterSettings(uchar topology) const override;

private:
    // A difference from the held record sets the edited flag and enables Apply.
    void markAllFields();
    // lUserPattern is in use (enabled, black or marked) only for "User".
    void showUserPatternInUse(int patternIndex, const bert_settings_t &stored);
    void setRateMaximum(int unitIndex);
    // The offset range follows the frame size; a larger offset is lowered.
    void limitOffset(int frameSize);
    // Widths that the longest entries and results need in the current font.
    void fitFields();

    Ui::BertForm *ui;
    QRegExpValidator *userPatternValidator;
    KeptDuration keptDuration;
};
