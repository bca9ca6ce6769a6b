#include "rfcform.h"
#include "ui_rfcform.h"

#include "device.h"
#include "keptvalues.h"
#include "rfcformat.h"
#include "textfunctions.h"
#include "trafficformat.h"
#include "widgethelpers.h"

#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QSignalBlocker>

#include <climits>
#include <memory>
#include <vector>

static_assert(sizeof(rfc_settings_t) == testSettingsSize(TestRfc2544), "RFC 2544 settings size");
static_assert(sizeof(rfc_results_t) == testResultsSize(TestRfc2544), "RFC 2544 results size");

namespace {

constexpr int ThroughputColumnWidth = 140;
constexpr int TableRowHeight = 17;
constexpr int ChartTextPixels = 11;

// The plain settings in the order of compareSetting's lists.
enum Setting {
    SetThrMin, SetThrMax, SetFrlMin, SetFrlMax, SetFrlStep, SetLatCount,
    SetStudy, SetInterval, SetBtbCount, SetBtbMin, SetBtbMax, Settings
};

int storedSetting(const rfc_settings_t &r, int index)
{
    switch (index) {
    case SetThrMin: return r.throughputMin;
    case SetThrMax: return r.throughputMax;
    case SetFrlMin: return r.frameLossMin;
    case SetFrlMax: return r.frameLossMax;
    case SetFrlStep: return r.frameLossStep;
    case SetLatCount: return spinBoxValue(r.latencyCount);
    case SetStudy: return r.study;
    case SetInterval: return r.interval;
    case SetBtbCount: return r.backToBackCount;
    case SetBtbMin: return r.backToBackMin;
    case SetBtbMax: return r.backToBackMax;
    default: return 0;
    }
}

// r holds the stored record; a value the box had to clamp stays while the
// box shows it as filled. The box's range fits the field.
void writeSetting(rfc_settings_t &r, int index, const QSpinBox *box)
{
    switch (index) {
    case SetThrMin: r.throughputMin = keptInt(r.throughputMin, box); break;
    case SetThrMax: r.throughputMax = keptInt(r.throughputMax, box); break;
    case SetFrlMin: r.frameLossMin = keptInt(r.frameLossMin, box); break;
    case SetFrlMax: r.frameLossMax = keptInt(r.frameLossMax, box); break;
    case SetFrlStep: r.frameLossStep = keptInt(r.frameLossStep, box); break;
    case SetLatCount: r.latencyCount = keptInt(r.latencyCount, box); break;
    case SetStudy: r.study = keptInt(r.study, box); break;
    case SetInterval: r.interval = keptInt(r.interval, box); break;
    case SetBtbCount: r.backToBackCount = keptInt(r.backToBackCount, box); break;
    case SetBtbMin: r.backToBackMin = keptInt(r.backToBackMin, box); break;
    case SetBtbMax: r.backToBackMax = keptInt(r.backToBackMax, box); break;
    default: break;
    }
}

} // namespace

RfcForm::RfcForm(Device *device, QWidget *parent)
    : TestForm(device, device->getRfcInfo(), parent)
    , ui(new Ui::RfcForm)
{
    static_assert(Settings == SettingCount, "one spin box per plain setting");
    ui->setupUi(this);

    QCheckBox *const checks[RfcFrameRows] = {ui->cf1, ui->cf2, ui->cf3, ui->cf4,
                                             ui->cf5, ui->cf6, ui->cf7, ui->cf8};
    QSpinBox *const sizes[RfcFrameRows] = {ui->sf1, ui->sf2, ui->sf3, ui->sf4,
                                           ui->sf5, ui->sf6, ui->sf7, ui->sf8};
    QLabel *const labels[RfcFrameRows] = {ui->label_20, ui->label_21, ui->label_22, ui->label_23,
                                          ui->label_24, ui->label_25, ui->label_26, ui->label_27};
    QSpinBox *const loads[RfcFrameRows] = {ui->spinBox, ui->spinBox_2, ui->spinBox_3, ui->spinBox_4,
                                           ui->spinBox_5, ui->spinBox_6, ui->spinBox_7, ui->spinBox_8};
    QRadioButton *const radios[RfcFrameRows] = {ui->fr0, ui->fr1, ui->fr2, ui->fr3,
                                                ui->fr4, ui->fr5, ui->fr6, ui->fr7};
    QSpinBox *const settings[SettingCount] = {ui->sThrMinrate, ui->sThrMaxrate, ui->sFrlMinrate,
                                              ui->sFrlMaxrate, ui->sFrlStep,    ui->sLatCount,
                                              ui->sStudy,      ui->sInterval,   ui->sBtbCount,
                                              ui->sBtbMin,     ui->sBtbMax};
    std::copy(std::begin(checks), std::end(checks), frameChecks);
    std::copy(std::begin(sizes), std::end(sizes), frameSizes);
    std::copy(std::begin(labels), std::end(labels), userLabels);
    std::copy(std::begin(loads), std::end(loads), userLoads);
    std::copy(std::begin(radios), std::end(radios), lossButtons);
    std::copy(std::begin(settings), std::end(settings), settingBoxes);

    ui->tThrRes->setColumnWidth(ThrL1, ThroughputColumnWidth);
    ui->tThrRes->setColumnWidth(ThrL2, ThroughputColumnWidth);
    for (QTableWidget *table : resultTables()) {
        // Status texts and numbers on one line, each column as wide as its
        // longest text; the two throughput columns keep their width.
        table->setWordWrap(false);
        for (int column = 0; column < table->columnCount(); ++column) {
            if (table != ui->tThrRes || (column != ThrL1 && column != ThrL2))
                table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
        }
    }
    fitTableRows();

    initGui(ui->bStartXX, ui->bStartXY, ui->bStop, ui->bApply, ui->bReset, ui->gRFC, ui->bDefault,
            ui->saveReportButton);

    connect(ui->cbFrlRate, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &RfcForm::cbFrlRateCurrentIndexChanged);
    // Queued: the click has been fully processed (the button is ticked)
    // before the graph is redrawn.
    void (RfcForm::*const lossSlots[RfcFrameRows])() = {
        &RfcForm::lossFrame0, &RfcForm::lossFrame1, &RfcForm::lossFrame2, &RfcForm::lossFrame3,
        &RfcForm::lossFrame4, &RfcForm::lossFrame5, &RfcForm::lossFrame6, &RfcForm::lossFrame7};
    void (RfcForm::*const sizeSlots[RfcFrameRows])(int) = {
        &RfcForm::sf1Func, &RfcForm::sf2Func, &RfcForm::sf3Func, &RfcForm::sf4Func,
        &RfcForm::sf5Func, &RfcForm::sf6Func, &RfcForm::sf7Func, &RfcForm::sf8Func};
    void (RfcForm::*const loadSlots[RfcFrameRows])(int) = {
        &RfcForm::spinBox,   &RfcForm::spinBox_2, &RfcForm::spinBox_3, &RfcForm::spinBox_4,
        &RfcForm::spinBox_5, &RfcForm::spinBox_6, &RfcForm::spinBox_7, &RfcForm::spinBox_8};
    void (RfcForm::*const checkSlots[RfcFrameRows])(bool) = {
        &RfcForm::cf1Func, &RfcForm::cf2Func, &RfcForm::cf3Func, &RfcForm::cf4Func,
        &RfcForm::cf5Func, &RfcForm::cf6Func, &RfcForm::cf7Func, &RfcForm::cf8Func};
    void (RfcForm::*const toggleSlots[RfcFrameRows])(bool) = {
        &RfcForm::cf1Toggled, &RfcForm::cf2Toggled, &RfcForm::cf3Toggled, &RfcForm::cf4Toggled,
        &RfcForm::cf5Toggled, &RfcForm::cf6Toggled, &RfcForm::cf7Toggled, &RfcForm::cf8Toggled};
    void (RfcForm::*const settingSlots[SettingCount])(int) = {
        &RfcForm::sThrMinRate, &RfcForm::sThrMaxRate, &RfcForm::sFrlMinRate, &RfcForm::sFrlMaxRate,
        &RfcForm::sFrlStep,    &RfcForm::sLatCount,   &RfcForm::sStudy,      &RfcForm::sInterval,
        &RfcForm::sBtbCount,   &RfcForm::sBtbMin,     &RfcForm::sBtbMax};

    for (int i = 0; i < RfcFrameRows; ++i)
        connect(lossButtons[i], &QRadioButton::clicked, this, lossSlots[i], Qt::QueuedConnection);
    for (int i = 0; i < RfcFrameRows; ++i)
        connect(frameSizes[i], qOverload<int>(&QSpinBox::valueChanged), this, sizeSlots[i]);
    for (int k = 0; k < SettingCount; ++k)
        connect(settingBoxes[k], qOverload<int>(&QSpinBox::valueChanged), this, settingSlots[k]);
    for (int k = 0; k < RfcFrameRows; ++k)
        connect(userLoads[k], qOverload<int>(&QSpinBox::valueChanged), this, loadSlots[k]);
    connect(ui->cThr, &QCheckBox::toggled, this, &RfcForm::cThr);
    connect(ui->cLat, &QCheckBox::toggled, this, &RfcForm::cLat);
    connect(ui->cFrl, &QCheckBox::toggled, this, &RfcForm::cFrl);
    connect(ui->cBtb, &QCheckBox::toggled, this, &RfcForm::cBtb);
    connect(ui->cLatRateman, &QCheckBox::toggled, this, &RfcForm::cLatRateman);
    connect(ui->tThrDur, &QTimeEdit::timeChanged, this, &RfcForm::tThrDur);
    connect(ui->tLatDur, &QTimeEdit::timeChanged, this, &RfcForm::tLatDur);
    connect(ui->tFrlDur, &QTimeEdit::timeChanged, this, &RfcForm::tFrlDur);
    for (int i = 0; i < RfcFrameRows; ++i)
        connect(frameChecks[i], &QCheckBox::toggled, this, checkSlots[i]);

    connectHeader(ui->headerWidget);

    // After the marking connections: a toggle is marked before the
    // at-least-one rule may tick the box again.
    for (int i = 0; i < RfcFrameRows; ++i)
        connect(frameChecks[i], &QCheckBox::toggled, this, toggleSlots[i]);

    thrScene = new QGraphicsScene;
    latScene = new QGraphicsScene;
    frlScene = new QGraphicsScene;
    btbScene = new QGraphicsScene;
    ui->grapThr->setScene(thrScene);
    ui->grapLat->setScene(latScene);
    ui->grapFrl->setScene(frlScene);
    ui->graphBtb->setScene(btbScene);
}

RfcForm::~RfcForm()
{
    for (QGraphicsView *view : {ui->grapThr, ui->grapLat, ui->grapFrl, ui->graphBtb}) {
        QGraphicsScene *scene = view->scene();
        view->setScene(nullptr);
        delete scene;
    }
    delete ui;
}

QList<QTableWidget *> RfcForm::resultTables() const
{
    return {ui->tThrRes, ui->tLatRes, ui->tFrlRes, ui->tBtbRes};
}

void RfcForm::fitTableRows()
{
    // Rows of the designer's height, or as high as a line of the font needs.
    for (QTableWidget *table : resultTables())
        fitRowsTo(table, TableRowHeight);
}

void RfcForm::refitToFont()
{
    fitTableRows();
}

void RfcForm::retranslate()
{
    ui->retranslateUi(this);
    setTitles();
    ui->headerWidget->retranslate();
    // The re-texting empties the user-load labels; they show the frame
    // sizes of the held record again.
    if (const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>())
        setUserLoadLabels(*r);
    fillFormFromResults();
}

bool RfcForm::canStartXX()
{
    const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>();
    return r && r->header.autoIpDest == 0;
}

// ---- settings ---------------------------------------------------------------

void RfcForm::fillFormFromSettings()
{
    const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>();
    if (!r)
        return;

    ui->headerWidget->loadFrom(r->header, device);

    {
        // Filling runs no change slot: every field is compared once below.
        std::vector<std::unique_ptr<QSignalBlocker>> blockers;
        const auto block = [&blockers](QObject *o) { blockers.emplace_back(new QSignalBlocker(o)); };
        for (int i = 0; i < RfcFrameRows; ++i) {
            block(frameChecks[i]);
            block(frameSizes[i]);
        }
        for (QSpinBox *box : settingBoxes)
            block(box);
        for (QObject *o : {static_cast<QObject *>(ui->cThr), static_cast<QObject *>(ui->cLat),
                           static_cast<QObject *>(ui->cFrl), static_cast<QObject *>(ui->cBtb),
                           static_cast<QObject *>(ui->cLatRateman), static_cast<QObject *>(ui->tThrDur),
                           static_cast<QObject *>(ui->tLatDur), static_cast<QObject *>(ui->tFrlDur)})
            block(o);

        for (int i = 0; i < RfcFrameRows; ++i) {
            frameChecks[i]->setChecked(r->frame[i].enabled != 0);
            frameSizes[i]->setValue(r->frame[i].size);
        }
        ui->cThr->setChecked(r->throughputOn != 0);
        thrTimeAtFill = showDuration(ui->tThrDur, r->throughputTime);
        ui->cLat->setChecked(r->latencyOn != 0);
        latTimeAtFill = showDuration(ui->tLatDur, r->latencyTime);
        ui->cLatRateman->setChecked(r->userLoading != 0);
        ui->cFrl->setChecked(r->frameLossOn != 0);
        frlTimeAtFill = showDuration(ui->tFrlDur, r->frameLossTime);
        ui->cBtb->setChecked(r->backToBackOn != 0);
        for (int k = 0; k < SettingCount; ++k)
            settingBoxes[k]->setValue(storedSetting(*r, k));
    }

    fillUserLoading(*r);
    markAllFields();
    const bool stepMoved = fillRateList();
    if (fillLossFrameButtons(*r) || stepMoved)
        fillFormFromResults();
}

void RfcForm::fillSettingsFromForm()
{
    std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>();
    if (!r)
        return;

    ui->headerWidget->saveInto(r->header);

    // A value no widget can show (a size or count beyond the box's range, a
    // duration of a day or more) goes back as stored until its field is edited.
    for (int i = 0; i < RfcFrameRows; ++i) {
        r->frame[i].enabled = frameChecks[i]->isChecked() ? 1 : 0;
        r->frame[i].size = keptInt(r->frame[i].size, frameSizes[i]);
    }
    r->throughputOn = ui->cThr->isChecked() ? 1 : 0;
    r->throughputTime = keptDuration(r->throughputTime, ui->tThrDur, thrTimeAtFill);
    r->latencyOn = ui->cLat->isChecked() ? 1 : 0;
    r->latencyTime = keptDuration(r->latencyTime, ui->tLatDur, latTimeAtFill);
    r->userLoading = ui->cLatRateman->isChecked() ? 1 : 0;
    for (int k = 0; k < RfcFrameRows; ++k)
        r->userLoad[k] = keptInt(r->userLoad[k], userLoads[k]);
    r->frameLossOn = ui->cFrl->isChecked() ? 1 : 0;
    r->frameLossTime = keptDuration(r->frameLossTime, ui->tFrlDur, frlTimeAtFill);
    r->backToBackOn = ui->cBtb->isChecked() ? 1 : 0;
    for (int k = 0; k < SettingCount; ++k)
        writeSetting(*r, k, settingBoxes[k]);
    storeSettings(*r);
    // The edits now show the applied record.
    thrTimeAtFill = ui->tThrDur->time();
    latTimeAtFill = ui->tLatDur->time();
    frlTimeAtFill = ui->tFrlDur->time();

    const bool stepMoved = fillRateList();
    fillUserLoading(*r);
    if (fillLossFrameButtons(*r) || stepMoved)
        fillFormFromResults();
}

bool RfcForm::fillRateList()
{
    const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>();
    if (!r)
        return false;
    const QSignalBlocker blocker(ui->cbFrlRate);
    ui->cbFrlRate->clear();
    ui->cbFrlRate->addItems(rfcLoadListTexts(*r));
    ui->cbFrlRate->setCurrentIndex(0);
    // The refilled list starts at its first step.
    const bool moved = frlRateIndex != 0;
    frlRateIndex = 0;
    return moved;
}

void RfcForm::setUserLoadLabels(const rfc_settings_t &r)
{
    for (int k = 0; k < RfcFrameRows; ++k)
        userLabels[k]->setText(QString::number(r.frame[k].size));
}

void RfcForm::fillUserLoading(const rfc_settings_t &r)
{
    const bool user = ui->cLatRateman->isChecked();
    setUserLoadLabels(r);
    for (int k = 0; k < RfcFrameRows; ++k) {
        const bool on = user && r.frame[k].enabled != 0;
        userLabels[k]->setEnabled(on);
        const QSignalBlocker blocker(userLoads[k]);
        userLoads[k]->setValue(r.userLoad[k]);
        userLoads[k]->setEnabled(on);
    }
}

bool RfcForm::fillLossFrameButtons(const rfc_settings_t &r)
{
    int first = -1;
    for (int i = 0; i < RfcFrameRows; ++i) {
        const bool on = r.frame[i].enabled != 0;
        lossButtons[i]->setEnabled(on);
        lossButtons[i]->setText(QString::number(r.frame[i].size));
        if (on && first < 0)
            first = i;
    }
    if (first < 0)
        return false;
    lossButtons[first]->setChecked(true);
    if (first == lossFrameIndex)
        return false;
    lossFrameIndex = first;
    return true;
}

// ---- edited fields ----------------------------------------------------------

void RfcForm::compareSetting(int index, int value)
{
    const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>();
    if (r && index >= 0 && index < SettingCount)
        markField(markChangedInt(settingBoxes[index], value, storedSetting(*r, index)));
}

void RfcForm::compareRowValue(QSpinBox *box, int row, int value)
{
    const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>();
    if (r && row >= 0 && row < RfcFrameRows)
        markField(markChangedInt(box, value, r->userLoad[row]));
}

void RfcForm::sFuncChange(QSpinBox *a, int ind, int i)
{
    const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>();
    if (r && ind >= 0 && ind < RfcFrameRows)
        markField(markChangedInt(a, i, r->frame[ind].size));
}

void RfcForm::compareFrameRow(int row, bool on)
{
    const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>();
    if (r)
        markField(markChangedBool(frameChecks[row], on, r->frame[row].enabled != 0));
}

bool RfcForm::noFrameSizeChecked() const
{
    for (const QCheckBox *box : frameChecks) {
        if (box->isChecked())
            return false;
    }
    return true;
}

void RfcForm::frameRowToggled(int row, bool on)
{
    // At least one frame size stays on.
    if (!on && noFrameSizeChecked())
        frameChecks[row]->setChecked(true);
}

void RfcForm::sThrMinRate(int value) { compareSetting(SetThrMin, value); }
void RfcForm::sThrMaxRate(int value) { compareSetting(SetThrMax, value); }
void RfcForm::sFrlMinRate(int value) { compareSetting(SetFrlMin, value); }
void RfcForm::sFrlMaxRate(int value) { compareSetting(SetFrlMax, value); }
void RfcForm::sFrlStep(int value) { compareSetting(SetFrlStep, value); }
void RfcForm::sLatCount(int value) { compareSetting(SetLatCount, value); }
void RfcForm::sStudy(int value) { compareSetting(SetStudy, value); }
void RfcForm::sInterval(int value) { compareSetting(SetInterval, value); }
void RfcForm::sBtbCount(int value) { compareSetting(SetBtbCount, value); }
void RfcForm::sBtbMin(int value) { compareSetting(SetBtbMin, value); }
void RfcForm::sBtbMax(int value) { compareSetting(SetBtbMax, value); }

void RfcForm::sf1Func(int value) { sFuncChange(ui->sf1, 0, value); }
void RfcForm::sf2Func(int value) { sFuncChange(ui->sf2, 1, value); }
void RfcForm::sf3Func(int value) { sFuncChange(ui->sf3, 2, value); }
void RfcForm::sf4Func(int value) { sFuncChange(ui->sf4, 3, value); }
void RfcForm::sf5Func(int value) { sFuncChange(ui->sf5, 4, value); }
void RfcForm::sf6Func(int value) { sFuncChange(ui->sf6, 5, value); }
void RfcForm::sf7Func(int value) { sFuncChange(ui->sf7, 6, value); }
void RfcForm::sf8Func(int value) { sFuncChange(ui->sf8, 7, value); }

void RfcForm::spinBox(int value) { compareRowValue(ui->spinBox, 0, value); }
void RfcForm::spinBox_2(int value) { compareRowValue(ui->spinBox_2, 1, value); }
void RfcForm::spinBox_3(int value) { compareRowValue(ui->spinBox_3, 2, value); }
void RfcForm::spinBox_4(int value) { compareRowValue(ui->spinBox_4, 3, value); }
void RfcForm::spinBox_5(int value) { compareRowValue(ui->spinBox_5, 4, value); }
void RfcForm::spinBox_6(int value) { compareRowValue(ui->spinBox_6, 5, value); }
void RfcForm::spinBox_7(int value) { compareRowValue(ui->spinBox_7, 6, value); }
void RfcForm::spinBox_8(int value) { compareRowValue(ui->spinBox_8, 7, value); }

void RfcForm::cf1Func(bool on) { compareFrameRow(0, on); }
void RfcForm::cf2Func(bool on) { compareFrameRow(1, on); }
void RfcForm::cf3Func(bool on) { compareFrameRow(2, on); }
void RfcForm::cf4Func(bool on) { compareFrameRow(3, on); }
void RfcForm::cf5Func(bool on) { compareFrameRow(4, on); }
void RfcForm::cf6Func(bool on) { compareFrameRow(5, on); }
void RfcForm::cf7Func(bool on) { compareFrameRow(6, on); }
void RfcForm::cf8Func(bool on) { compareFrameRow(7, on); }

void RfcForm::cf1Toggled(bool on) { frameRowToggled(0, on); }
void RfcForm::cf2Toggled(bool on) { frameRowToggled(1, on); }
void RfcForm::cf3Toggled(bool on) { frameRowToggled(2, on); }
void RfcForm::cf4Toggled(bool on) { frameRowToggled(3, on); }
void RfcForm::cf5Toggled(bool on) { frameRowToggled(4, on); }
void RfcForm::cf6Toggled(bool on) { frameRowToggled(5, on); }
void RfcForm::cf7Toggled(bool on) { frameRowToggled(6, on); }
void RfcForm::cf8Toggled(bool on) { frameRowToggled(7, on); }

void RfcForm::cThr(bool on)
{
    if (const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>())
        markField(markChangedBool(ui->cThr, on, r->throughputOn != 0));
}

void RfcForm::cLat(bool on)
{
    if (const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>())
        markField(markChangedBool(ui->cLat, on, r->latencyOn != 0));
}

void RfcForm::cFrl(bool on)
{
    if (const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>())
        markField(markChangedBool(ui->cFrl, on, r->frameLossOn != 0));
}

void RfcForm::cBtb(bool on)
{
    if (const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>())
        markField(markChangedBool(ui->cBtb, on, r->backToBackOn != 0));
}

void RfcForm::cLatRateman(bool on)
{
    const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>();
    if (!r)
        return;
    // User loads of the frame sizes ticked now; the others keep their state.
    for (int k = 0; k < RfcFrameRows; ++k) {
        if (!on)
            userLoads[k]->setEnabled(false);
        else if (frameChecks[k]->isChecked())
            userLoads[k]->setEnabled(true);
    }
    markField(markChangedBool(ui->cLatRateman, on, r->userLoading != 0));
}

void RfcForm::tThrDur(const QTime &time)
{
    if (const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>())
        markField(markChangedDuration(ui->tThrDur, time, r->throughputTime));
}

void RfcForm::tLatDur(const QTime &time)
{
    if (const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>())
        markField(markChangedDuration(ui->tLatDur, time, r->latencyTime));
}

void RfcForm::tFrlDur(const QTime &time)
{
    if (const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>())
        markField(markChangedDuration(ui->tFrlDur, time, r->frameLossTime));
}

void RfcForm::markAllFields()
{
    const std::optional<rfc_settings_t> r = settingsAs<rfc_settings_t>();
    if (!r)
        return;
    for (int i = 0; i < RfcFrameRows; ++i) {
        compareFrameRow(i, frameChecks[i]->isChecked());
        sFuncChange(frameSizes[i], i, frameSizes[i]->value());
        compareRowValue(userLoads[i], i, userLoads[i]->value());
    }
    for (int k = 0; k < SettingCount; ++k)
        compareSetting(k, settingBoxes[k]->value());
    cThr(ui->cThr->isChecked());
    cLat(ui->cLat->isChecked());
    cFrl(ui->cFrl->isChecked());
    cBtb(ui->cBtb->isChecked());
    markField(markChangedBool(ui->cLatRateman, ui->cLatRateman->isChecked(), r->userLoading != 0));
    tThrDur(ui->tThrDur->time());
    tLatDur(ui->tLatDur->time());
    tFrlDur(ui->tFrlDur->time());
}

void RfcForm::gotApplied()
{
    TestForm::gotApplied();
    for (QWidget *group : {static_cast<QWidget *>(ui->gFrame), static_cast<QWidget *>(ui->groupBox_4),
                           static_cast<QWidget *>(ui->groupBox_5), static_cast<QWidget *>(ui->groupBox_6),
                           static_cast<QWidget *>(ui->groupBox_7), static_cast<QWidget *>(ui->groupBox_8)}) {
        for (QObject *child : group->children()) {
            if (qobject_cast<QAbstractSpinBox *>(child) || qobject_cast<QCheckBox *>(child))
                setFieldColour(static_cast<QWidget *>(child), fieldColourEqual());
        }
    }
    const QColor userColour = ui->cLatRateman->isChecked() ? fieldColourEqual() : fieldColourUnused();
    for (QSpinBox *box : userLoads)
        setFieldColour(box, userColour);
}

// ---- results ----------------------------------------------------------------

void RfcForm::cbFrlRateCurrentIndexChanged(int index)
{
    const int v = index < 0 ? 0 : index;
    if (v == frlRateIndex)
        return;
    frlRateIndex = v;
    fillFormFromResults();
}

void RfcForm::selectLossFrame(int row)
{
    lossFrameIndex = row;
    fillFormFromResults();
}

void RfcForm::lossFrame0() { selectLossFrame(0); }
void RfcForm::lossFrame1() { selectLossFrame(1); }
void RfcForm::lossFrame2() { selectLossFrame(2); }
void RfcForm::lossFrame3() { selectLossFrame(3); }
void RfcForm::lossFrame4() { selectLossFrame(4); }
void RfcForm::lossFrame5() { selectLossFrame(5); }
void RfcForm::lossFrame6() { selectLossFrame(6); }
void RfcForm::lossFrame7() { selectLossFrame(7); }

void RfcForm::fillFormFromResults()
{
    const std::optional<rfc_settings_t> s = settingsAs<rfc_settings_t>();
    const std::optional<rfc_results_t> r = testInfo->getResultsAs<rfc_results_t>(currentPort());
    const RfcResultsView v = rfcResultsView(s ? &*s : nullptr, r ? &*r : nullptr, frlRateIndex);

    const auto fill = [](QTableWidget *table, int row, const QString *cells, int columns) {
        for (int column = 0; column < columns; ++column) {
            if (QTableWidgetItem *item = tableItem(table, row, column))
                item->setText(cells[column]);
        }
    };
    for (int i = 0; i < RfcFrameRows; ++i) {
        fill(ui->tThrRes, i, v.throughput[i], RfcThroughputColumns);
        fill(ui->tLatRes, i, v.latency[i], RfcLatencyColumns);
        fill(ui->tFrlRes, i, v.frameLoss[i], RfcFrameLossColumns);
        fill(ui->tBtbRes, i, v.backToBack[i], RfcBackToBackColumns);
    }

    if (!s || !r) {
        for (QGraphicsScene *scene : {thrScene, latScene, frlScene, btbScene})
            scene->clear();
        return;
    }
    fillThroughputResults(*r, *s);
    fillLatencyResults(*r, *s);
    fillFrameLossResults(*r, *s);
    fillBackToBackResults(*r, *s);
}

void RfcForm::drawChart(QGraphicsView *view, const RfcChart &chart)
{
    QGraphicsScene *scene = view->scene();
    scene->clear();
    // The graph geometry (ticks 22 pixels apart, bars 28) is laid out for
    // texts of an 8-point screen font; a larger default font keeps its
    // family but not its size here.
    QFont font = view->font();
    if (QFontInfo(font).pixelSize() > ChartTextPixels)
        font.setPixelSize(ChartTextPixels);
    const QPen barPen{QColor(QRgb(RfcBarPenColour))};
    const QBrush barBrush{QColor(QRgb(RfcBarBrushColour)), Qt::SolidPattern};
    for (const RfcChartItem &item : chart.items) {
        switch (item.kind) {
        case RfcChartItem::Line:
            scene->addLine(item.line, QPen(QColor(QRgb(item.colour))));
            break;
        case RfcChartItem::Bar:
            scene->addRect(item.rect, barPen, barBrush);
            break;
        case RfcChartItem::Text:
            scene->addText(item.text, font)->setPos(item.pos);
            break;
        }
    }
    scene->update();
}

void RfcForm::fillThroughputResults(const rfc_results_t &r, const rfc_settings_t &s)
{
    drawChart(ui->grapThr, rfcThroughputChart(s, r, ui->grapThr->width(), ui->grapThr->height()));
}

void RfcForm::fillLatencyResults(const rfc_results_t &r, const rfc_settings_t &s)
{
    drawChart(ui->grapLat, rfcLatencyChart(s, r, ui->grapLat->width(), ui->grapLat->height()));
}

void RfcForm::fillFrameLossResults(const rfc_results_t &r, const rfc_settings_t &s)
{
    drawChart(ui->grapFrl,
              rfcFrameLossChart(s, r, ui->grapFrl->width(), ui->grapFrl->height(), lossFrameIndex));
}

void RfcForm::fillBackToBackResults(const rfc_results_t &r, const rfc_settings_t &s)
{
    drawChart(ui->graphBtb, rfcBackToBackChart(s, r, ui->graphBtb->width(), ui->graphBtb->height()));
}
