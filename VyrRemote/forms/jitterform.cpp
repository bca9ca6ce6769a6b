#include "jitterform.h"
#include "ui_jitterform.h"

#include "device.h"
#include "jitterformat.h"
#include "rateunits.h"
#include "textfunctions.h"
#include "trafficformat.h"
#include "widgethelpers.h"

#include <QSignalBlocker>

#include <limits>

static_assert(sizeof(jitter_settings_t) == testSettingsSize(TestJitter), "jitter settings size");
static_assert(sizeof(jitter_results_t) == testResultsSize(TestJitter), "jitter results size");

namespace {
constexpr int CountColumn = 1;
constexpr int PercentColumn = 2;
constexpr int BinLabelColumn = 0;
constexpr int BinPercentColumn = 1;
// The designer's column widths and sizes, the least each table keeps.
const QVector<int> ResultColumnWidths = {100, 100, 100};
const QSize ResultTableMinimum(250, 100);
const QVector<int> BinColumnWidths = {120, 120};
const QSize BinTableMinimum(230, 220);

} // namespace

JitterForm::JitterForm(Device *device, QWidget *parent)
    : TestForm(device, device->getJitterInfo(), parent)
    , ui(new Ui::JitterForm)
{
    ui->setupUi(this);

    connect(ui->cUnits, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &JitterForm::cUnitsCurrentIndexChanged);
    connect(ui->sThre, qOverload<int>(&QSpinBox::valueChanged), this, &JitterForm::sThreValueChanged);

    initGui(ui->bStartXX, ui->bStartXY, ui->bStop, ui->bApply, ui->bReset, ui->gJitter, nullptr,
            ui->saveReportButton);

    connectHeader(ui->headerWidget);

    connect(ui->sRate, qOverload<int>(&QSpinBox::valueChanged), this, &JitterForm::sRateChanged);
    connect(ui->sLen, qOverload<int>(&QSpinBox::valueChanged), this, &JitterForm::sLenChanged);
    connect(ui->tDur, &QTimeEdit::timeChanged, this, &JitterForm::tDurChanged);

    fitTables();
}

JitterForm::~JitterForm()
{
    delete ui;
}

void JitterForm::retranslate()
{
    ui->retranslateUi(this);
    setTitles();
    ui->headerWidget->retranslate();
    // The bin labels are numbers and keep their texts; the results on show
    // are drawn again in the new language.
    if (!isHidden())
        fillFormFromResults();
    fitTables();
}

void JitterForm::fitTables()
{
    fitColumnsToContents(ui->tRes, ResultColumnWidths, ResultTableMinimum);
    fitColumnsToContents(ui->tDist, BinColumnWidths, BinTableMinimum);
}

// ---- settings ---------------------------------------------------------------

void JitterForm::setRateMaximum(int unitIndex)
{
    const int maximum = rateMaximumForIndex(unitIndex);
    if (maximum > 0)
        ui->sRate->setMaximum(maximum);
}

void JitterForm::followAutoIp(const jitter_settings_t &r)
{
    ui->bStartXX->setEnabled(r.header.autoIpDest == 0);
}

bool JitterForm::canStartXX()
{
    const std::optional<jitter_settings_t> r = settingsAs<jitter_settings_t>();
    return r && r->header.autoIpDest == 0;
}

void JitterForm::fillFormFromSettings()
{
    const std::optional<jitter_settings_t> r = settingsAs<jitter_settings_t>();
    if (!r)
        return;

    ui->headerWidget->loadFrom(r->header, device);

    const int shownThreshold = ui->sThre->value();
    {
        // Filling is no edit: the compares run once, below, on the result.
        const QSignalBlocker units(ui->cUnits), rate(ui->sRate), length(ui->sLen), duration(ui->tDur),
            threshold(ui->sThre);
        // Unit and its maximum before the rate, so that a rate within the
        // unit's limits is not clamped on the way in.
        const int unitIndex = unitCodeToIndex(r->rateUnit);
        ui->cUnits->setCurrentIndex(unitIndex);
        setRateMaximum(unitIndex);
        ui->sRate->setValue(spinBoxValue(r->rate));
        ui->sLen->setValue(r->packetLength);
        showDuration(ui->tDur, r->duration);
        ui->sThre->setValue(r->threshold);
    }
    keptRate.fill(r->rateUnit, r->rate, ui->sRate->value());
    keptDuration.fill(r->duration);
    // The bins follow a threshold that changed; an unchanged one keeps the
    // labels on show.
    if (ui->sThre->value() != shownThreshold)
        relabelBins(ui->sThre->value());
    markAllFields(*r);
    followAutoIp(*r);
}

void JitterForm::fillSettingsFromForm()
{
    std::optional<jitter_settings_t> r = settingsAs<jitter_settings_t>();
    if (!r)
        return;

    ui->headerWidget->saveInto(r->header);

    r->rateUnit = keptRate.unitToWrite(ui->cUnits->currentIndex(), r->rateUnit);
    r->rate = keptRate.rateToWrite(ui->sRate->value(), r->rate);
    r->packetLength = uint16_t(ui->sLen->value());
    r->duration = keptDuration.toWrite(ui->tDur->time(), r->duration);
    r->threshold = uint16_t(ui->sThre->value());
    storeSettings(*r);
    followAutoIp(*r);
}

// ---- edited fields ----------------------------------------------------------

bool JitterForm::markUnit(const jitter_settings_t &r)
{
    return markChangedInt(ui->cUnits, unitIndexToCode(ui->cUnits->currentIndex()), r.rateUnit);
}

bool JitterForm::markRate(const jitter_settings_t &r)
{
    // In 64 bits: the record's rate is a 32-bit field.
    return markChanged(ui->sRate, qint64(ui->sRate->value()) != qint64(r.rate));
}

bool JitterForm::markDuration(const jitter_settings_t &r)
{
    // A stored duration of a day or more has no time of day and stays marked.
    return markChangedDuration(ui->tDur, ui->tDur->time(), r.duration);
}

void JitterForm::markThreshold(const jitter_settings_t &r)
{
    markField(markChangedInt(ui->sThre, ui->sThre->value(), r.threshold));
}

void JitterForm::cUnitsCurrentIndexChanged(int index)
{
    if (const std::optional<jitter_settings_t> r = settingsAs<jitter_settings_t>()) {
        keptRate.unitEdited();
        markField(markUnit(*r));
    }
    setRateMaximum(index);
}

void JitterForm::sThreValueChanged(int value)
{
    const std::optional<jitter_settings_t> r = settingsAs<jitter_settings_t>();
    if (!r)
        return;
    markThreshold(*r);
    relabelBins(value);
}

void JitterForm::sRateChanged(int)
{
    const std::optional<jitter_settings_t> r = settingsAs<jitter_settings_t>();
    if (!r)
        return;
    keptRate.rateEdited();
    markField(markRate(*r));
}

void JitterForm::sLenChanged(int value)
{
    const std::optional<jitter_settings_t> r = settingsAs<jitter_settings_t>();
    if (r)
        markField(markChangedInt(ui->sLen, value, r->packetLength));
}

void JitterForm::tDurChanged(const QTime &)
{
    const std::optional<jitter_settings_t> r = settingsAs<jitter_settings_t>();
    if (!r)
        return;
    keptDuration.edited();
    markField(markDuration(*r));
}

void JitterForm::markAllFields(const jitter_settings_t &r)
{
    markField(markUnit(r));
    markField(markRate(r));
    sLenChanged(ui->sLen->value());
    markField(markDuration(r));
    markThreshold(r);
}

void JitterForm::gotApplied()
{
    TestForm::gotApplied();
    setFieldColour({ui->cUnits, ui->sRate, ui->sLen, ui->tDur, ui->sThre}, fieldColourEqual());
    // A value kept as stored because its field cannot show it stays marked
    // against the record just applied.
    if (const std::optional<jitter_settings_t> r = settingsAs<jitter_settings_t>()) {
        markUnit(*r);
        markRate(*r);
        markDuration(*r);
    }
}

// ---- results ----------------------------------------------------------------

void JitterForm::relabelBins(int threshold)
{
    for (int row = 0; row < JitterBins; ++row) {
        if (QTableWidgetItem *item = tableItem(ui->tDist, row, BinLabelColumn))
            item->setData(Qt::DisplayRole, jitterBinLabel(threshold, row));
    }
    fitTables();
}

void JitterForm::fillFormFromResults()
{
    const std::optional<jitter_settings_t> s = settingsAs<jitter_settings_t>();
    const std::optional<jitter_results_t> q = testInfo->getResultsAs<jitter_results_t>(currentPort());
    const JitterResultsView v = jitterResultsView(s ? &*s : nullptr, q ? &*q : nullptr);

    ui->lTestTime->setText(v.testTime);
    ui->lPassTime->setText(v.passTime);
    for (int row = 0; row < JitterBins; ++row) {
        if (QTableWidgetItem *item = tableItem(ui->tDist, row, BinPercentColumn))
            item->setData(Qt::DisplayRole, v.bins[row]);
    }
    for (int row = 0; row < JitterResultRows; ++row) {
        if (QTableWidgetItem *item = tableItem(ui->tRes, row, CountColumn))
            item->setData(Qt::DisplayRole, v.count[row]);
        if (v.percent[row].isNull())
            continue;
        if (QTableWidgetItem *item = tableItem(ui->tRes, row, PercentColumn))
            item->setData(Qt::DisplayRole, v.percent[row]);
    }
    fitTables();
}
