#pragma once

#include "rfcrecords.h"
#include "testform.h"

#include <QTime>

class QCheckBox;
class QGraphicsScene;
class QGraphicsView;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTableWidget;
struct RfcChart;

namespace Ui {
class RfcForm;
}

// Form of the RFC 2544 test (test id 3): edits the rfc_settings_t of the
// current port (frame sizes, frame header through the embedded
// HeaderWidget, the four sub-tests) and shows its rfc_results_t as four
// tables and four graphs on the "Measuring" page. The apply, start, stop,
// reset, default and report sequences are TestForm's.
//
// GUI thread only. The form edits TestForm's copy of the settings record
// and reads the results as a copy each time it draws them.
class RfcForm : public TestForm
{
    Q_OBJECT
public:
    explicit RfcForm(Device *device, QWidget *parent = nullptr);
    ~RfcForm() override;

    void retranslate() override;

    // The load step the frame-loss table shows and the frame-size row the
    // frame-loss graph draws.
    int selectedLossStep() const { return frlRateIndex; }
    int selectedLossFrame() const { return lossFrameIndex; }

public slots:
    void cbFrlRateCurrentIndexChanged(int index);
    void gotApplied() override;
    void lossFrame0();
    void lossFrame1();
    void lossFrame2();
    void lossFrame3();
    void lossFrame4();
    void lossFrame5();
    void lossFrame6();
    void lossFrame7();
    void cf1Toggled(bool on);
    void cf2Toggled(bool on);
    void cf3Toggled(bool on);
    void cf4Toggled(bool on);
    void cf5Toggled(bool on);
    void cf6Toggled(bool on);
    void cf7Toggled(bool on);
    void cf8Toggled(bool on);
    void sf1Func(int value);
    void sf2Func(int value);
    void sf3Func(int value);
    void sf4Func(int value);
    void sf5Func(int value);
    void sf6Func(int value);
    void sf7Func(int value);
    void sf8Func(int value);
    void sFuncChange(QSpinBox *a, int ind, int i);
    void sThrMinRate(int value);
    void sThrMaxRate(int value);
    void sFrlMinRate(int value);
    void sFrlMaxRate(int value);
    void sFrlStep(int value);
    void sBtbCount(int value);
    void sBtbMax(int value);
    void sBtbMin(int value);
    void sStudy(int value);
    void sInterval(int value);
    void sLatCount(int value);
    void spinBox(int value);
    void spinBox_2(int value);
    void spinBox_3(int value);
    void spinBox_4(int value);
    void spinBox_5(int value);
    void spinBox_6(int value);
    void spinBox_7(int value);
    void spinBox_8(int value);
    void cf1Func(bool on);
    void cf2Func(bool on);
    void cf3Func(bool on);
    void cf4Func(bool on);
    void cf5Func(bool on);
    void cf6Func(bool on);
    void cf7Func(bool on);
    void cf8Func(bool on);
    void cLatRateman(bool on);
    void cFrl(bool on);
    void cLat(bool on);
    void cThr(bool on);
    void cBtb(bool on);
    void tFrlDur(const QTime &time);
    void tLatDur(const QTime &time);
    void tThrDur(const QTime &time);
    bool canStartXX() override;
    void fillFormFromSettings() override;
    void fillFormFromResults() override;
    void fillSettingsFromForm() override;

protected:
    // A new font: the fields and tables take the room its texts need.
    void refitToFont() override;

private:
    // The eleven plain settings compared by compareSetting (throughput,
    // frame-loss and latency loads and counts, study, interval, back-to-back).
    static constexpr int SettingCount = 11;

    void compareSetting(int index, int value);
    void compareRowValue(QSpinBox *box, int row, int value);
    void compareFrameRow(int row, bool on);
    void frameRowToggled(int row, bool on);
    void selectLossFrame(int row);
    bool noFrameSizeChecked() const;
    // Compares every field with the held record once more, so that a field
    // whose shown value could not follow the record (a value beyond the
    // widget's range, a time of a day or more) stays marked.
    void markAllFields();

    // Refills the frame-loss load list and selects its first step; true
    // when that moved the selection.
    bool fillRateList();
    void fillUserLoading(const rfc_settings_t &r);
    void setUserLoadLabels(const rfc_settings_t &r);
    // True when the selected loss frame moved to another row.
    bool fillLossFrameButtons(const rfc_settings_t &r);

    void fillThroughputResults(const rfc_results_t &r, const rfc_settings_t &s);
    void fillLatencyResults(const rfc_results_t &r, const rfc_settings_t &s);
    void fillFrameLossResults(const rfc_results_t &r, const rfc_settings_t &s);
    void fillBackToBackResults(const rfc_results_t &r, const rfc_settings_t &s);
    static void drawChart(QGraphicsView *view, const RfcChart &chart);
    QList<QTableWidget *> resultTables() const;
    void fitTableRows();

    Ui::RfcForm *ui;
    int frlRateIndex = 0;
    int lossFrameIndex = 0;
    // Owned; set into the four graph views.
    QGraphicsScene *thrScene = nullptr;
    QGraphicsScene *latScene = nullptr;
    QGraphicsScene *frlScene = nullptr;
    QGraphicsScene *btbScene = nullptr;

    // Row i of the frame-size group, of the user loads and of the loss
    // frame buttons; row order of the designer form.
    QCheckBox *frameChecks[RfcFrameRows] = {};
    QSpinBox *frameSizes[RfcFrameRows] = {};
    QLabel *userLabels[RfcFrameRows] = {};
    QSpinBox *userLoads[RfcFrameRows] = {};
    QRadioButton *lossButtons[RfcFrameRows] = {};
    QSpinBox *settingBoxes[SettingCount] = {};
    // What the last fill or apply left in the three duration edits (an edit
    // keeps its previous time for a duration of a day or more).
    QTime thrTimeAtFill;
    QTime latTimeAtFill;
    QTime frlTimeAtFill;
};
