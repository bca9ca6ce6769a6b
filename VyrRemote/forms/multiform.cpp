#include "multiform.h"
#include "ui_multiform.h"

#include "device.h"
#include "multiformat.h"
#include "rateunits.h"
#include "trafficformat.h"
#include "widgethelpers.h"

#include <QSignalBlocker>

static_assert(sizeof(multi_settings_t) == testSettingsSize(TestMultistream), "multistream settings size");
static_assert(sizeof(multi_results_t) == testResultsSize(TestMultistream), "multistream results size");

namespace {
constexpr int CountColumn = 0;
constexpr int CoefColumn = 1;
// Column "Count" is widened from the designer's 55 pixels; the table never
// gets smaller than this.
const QVector<int> ResultColumnWidths = {100, 55};
const QSize ResultTableMinimum(250, 160);

} // namespace

MultiForm::MultiForm(Device *device, QWidget *parent)
    : TestForm(device, device->getMultiInfo(), parent)
    , ui(new Ui::MultiForm)
{
    ui->setupUi(this);
    fitColumnsToContents(ui->tRes, ResultColumnWidths, ResultTableMinimum);

    connect(ui->cUnits, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &MultiForm::cUnitsCurrentIndexChanged);
    connect(ui->sStreamSettings, qOverload<int>(&QSpinBox::valueChanged), this,
            &MultiForm::sStreamSettingsChanged);
    connect(ui->sStreamResults, qOverload<int>(&QSpinBox::valueChanged), this,
            &MultiForm::sStreamResultsChanged);

    initGui(ui->bStartXX, ui->bStartXY, ui->bStop, ui->bApply, ui->bReset, ui->gMulti, nullptr,
            ui->saveReportButton);

    connectHeader(ui->headerWidget);

    connect(ui->cActive, &QCheckBox::toggled, this, &MultiForm::cActiveToggled);
    connect(ui->cUnits, qOverload<int>(&QComboBox::currentIndexChanged), this, &MultiForm::cUnitsChanged);
    connect(ui->sRate, qOverload<int>(&QSpinBox::valueChanged), this, &MultiForm::sRateChanged);
    connect(ui->sLen, qOverload<int>(&QSpinBox::valueChanged), this, &MultiForm::sLenChanged);
    connect(ui->tDur, &QTimeEdit::timeChanged, this, &MultiForm::tDurChanged);
    connect(ui->sStudy, qOverload<int>(&QSpinBox::valueChanged), this, &MultiForm::sStudyChanged);
    connect(ui->sInterval, qOverload<int>(&QSpinBox::valueChanged), this, &MultiForm::sIntervalChanged);

    swallowActiveToggle = true;
}

MultiForm::~MultiForm()
{
    delete ui;
}

void MultiForm::retranslate()
{
    ui->retranslateUi(this);
    setTitles();
    ui->headerWidget->retranslate();
    // Latency units are words of the language: the results on show are
    // drawn again.
    if (!isHidden())
        fillFormFromResults();
    fitColumnsToContents(ui->tRes, ResultColumnWidths, ResultTableMinimum);
}

// ---- stream pages -----------------------------------------------------------

void MultiForm::sStreamSettingsChanged(int value)
{
    settingsPage = multiStreamIndex(value - 1);
    fillFormFromSettings();
    ui->sStreamResults->setValue(value);
}

void MultiForm::sStreamResultsChanged(int value)
{
    resultsPage = multiStreamIndex(value - 1);
    fillFormFromResults();
    ui->sStreamSettings->setValue(value);
}

// ---- settings ---------------------------------------------------------------

void MultiForm::setRateMaximum(int unitIndex)
{
    const int maximum = rateMaximumForIndex(unitIndex);
    if (maximum > 0)
        ui->sRate->setMaximum(maximum);
}

void MultiForm::cUnitsCurrentIndexChanged(int index)
{
    setRateMaximum(index);
}

bool MultiForm::canStartXX()
{
    const std::optional<multi_settings_t> r = settingsAs<multi_settings_t>();
    if (!r)
        return false;
    for (const stream_settings_t &s : r->streams) {
        if (s.active && s.header.autoIpDest)
            return false;
    }
    return true;
}

void MultiForm::fillFormFromSettings()
{
    const std::optional<multi_settings_t> r = settingsAs<multi_settings_t>();
    if (!r)
        return;
    const stream_settings_t &s = r->streams[multiStreamIndex(settingsPage)];

    ui->headerWidget->loadFrom(s.header, device);

    {
        // Filling is no edit: the compares run once, below, on the result.
        const QSignalBlocker active(ui->cActive), units(ui->cUnits), rate(ui->sRate), length(ui->sLen),
            duration(ui->tDur), study(ui->sStudy), interval(ui->sInterval);
        const bool wasActive = ui->cActive->isChecked();
        ui->cActive->setChecked(s.active != 0);
        // A fill that toggles "Active" uses up the one unmarked toggle.
        if (ui->cActive->isChecked() != wasActive)
            swallowActiveToggle = false;
        // Unit and its maximum before the rate, so that a rate within the
        // unit's limits is not clamped on the way in.
        const int unitIndex = unitCodeToIndex(s.rateUnit);
        ui->cUnits->setCurrentIndex(unitIndex);
        setRateMaximum(unitIndex);
        ui->sRate->setValue(s.rate);
        ui->sLen->setValue(s.packetLength);
        showDuration(ui->tDur, r->duration);
        ui->sStudy->setValue(r->learningTime);
        ui->sInterval->setValue(r->waitInterval);
    }
    keptRate.fill(s.rateUnit, s.rate, ui->sRate->value());
    keptDuration.fill(r->duration);
    markAllFields(*r);
}

void MultiForm::fillSettingsFromForm()
{
    std::optional<multi_settings_t> r = settingsAs<multi_settings_t>();
    if (!r)
        return;
    stream_settings_t &s = r->streams[multiStreamIndex(settingsPage)];

    ui->headerWidget->saveInto(s.header);

    // A stored "on" other than 1 is kept as the tester wrote it.
    if (!ui->cActive->isChecked())
        s.active = 0;
    else if (!s.active)
        s.active = 1;
    s.rateUnit = keptRate.unitToWrite(ui->cUnits->currentIndex(), s.rateUnit);
    s.rate = keptRate.rateToWrite(ui->sRate->value(), s.rate);
    s.packetLength = uint16_t(ui->sLen->value());
    r->duration = keptDuration.toWrite(ui->tDur->time(), r->duration);
    r->learningTime = uint16_t(ui->sStudy->value());
    r->waitInterval = uint16_t(ui->sInterval->value());
    storeSettings(*r);
}

// ---- edited fields ----------------------------------------------------------

void MultiForm::markActive(const stream_settings_t &s)
{
    markField(markChangedBool(ui->cActive, ui->cActive->isChecked() ? 1 : 0, s.active ? 1 : 0));
}

void MultiForm::cActiveToggled(bool)
{
    const std::optional<multi_settings_t> r = settingsAs<multi_settings_t>();
    if (!r)
        return;
    if (swallowActiveToggle) {
        swallowActiveToggle = false;
        return;
    }
    markActive(r->streams[multiStreamIndex(settingsPage)]);
}

bool MultiForm::markUnit(const multi_settings_t &r)
{
    return markChangedInt(ui->cUnits, unitIndexToCode(ui->cUnits->currentIndex()),
                          r.streams[multiStreamIndex(settingsPage)].rateUnit);
}

bool MultiForm::markRate(const multi_settings_t &r)
{
    return markChangedInt(ui->sRate, ui->sRate->value(), r.streams[multiStreamIndex(settingsPage)].rate);
}

bool MultiForm::markDuration(const multi_settings_t &r)
{
    // A stored duration of a day or more has no time of day and stays marked.
    return markChangedDuration(ui->tDur, ui->tDur->time(), r.duration);
}

void MultiForm::cUnitsChanged()
{
    const std::optional<multi_settings_t> r = settingsAs<multi_settings_t>();
    if (!r)
        return;
    keptRate.unitEdited();
    markField(markUnit(*r));
}

void MultiForm::sRateChanged(int)
{
    const std::optional<multi_settings_t> r = settingsAs<multi_settings_t>();
    if (!r)
        return;
    keptRate.rateEdited();
    markField(markRate(*r));
}

void MultiForm::sLenChanged(int value)
{
    const std::optional<multi_settings_t> r = settingsAs<multi_settings_t>();
    if (r)
        markField(markChangedInt(ui->sLen, value, r->streams[multiStreamIndex(settingsPage)].packetLength));
}

void MultiForm::tDurChanged(const QTime &)
{
    const std::optional<multi_settings_t> r = settingsAs<multi_settings_t>();
    if (!r)
        return;
    keptDuration.edited();
    markField(markDuration(*r));
}

void MultiForm::sStudyChanged(int value)
{
    const std::optional<multi_settings_t> r = settingsAs<multi_settings_t>();
    if (r)
        markField(markChangedInt(ui->sStudy, value, r->learningTime));
}

void MultiForm::sIntervalChanged(int value)
{
    const std::optional<multi_settings_t> r = settingsAs<multi_settings_t>();
    if (r)
        markField(markChangedInt(ui->sInterval, value, r->waitInterval));
}

void MultiForm::markAllFields(const multi_settings_t &r)
{
    markActive(r.streams[multiStreamIndex(settingsPage)]);
    markField(markUnit(r));
    markField(markRate(r));
    sLenChanged(ui->sLen->value());
    markField(markDuration(r));
    sStudyChanged(ui->sStudy->value());
    sIntervalChanged(ui->sInterval->value());
}

void MultiForm::gotApplied()
{
    TestForm::gotApplied();
    setFieldColour({ui->cActive, ui->cUnits, ui->sRate, ui->sLen, ui->tDur, ui->sStudy, ui->sInterval},
                   fieldColourEqual());
    // A value kept as stored because its field cannot show it stays marked
    // against the record just applied.
    if (const std::optional<multi_settings_t> r = settingsAs<multi_settings_t>()) {
        markUnit(*r);
        markRate(*r);
        markDuration(*r);
    }
}

// ---- results ----------------------------------------------------------------

void MultiForm::fillFormFromResults()
{
    const std::optional<multi_settings_t> s = settingsAs<multi_settings_t>();
    const std::optional<multi_results_t> q = testInfo->getResultsAs<multi_results_t>(currentPort());
    const MultiTimesView times = multiTimesView(s ? &*s : nullptr, q ? &*q : nullptr);
    ui->lElapsedTime->setText(times.elapsed);
    ui->lEstimateTime->setText(times.estimate);

    const int page = multiStreamIndex(resultsPage);
    fillStreamResults(q ? &q->streams[page] : nullptr, s ? &s->streams[page] : nullptr);
}

void MultiForm::fillStreamResults(const stream_result_t *results, const stream_settings_t *settings)
{
    const MultiStreamView v = multiStreamView(results, settings);
    for (int row = 0; row < MultiResultRows; ++row) {
        if (QTableWidgetItem *item = tableItem(ui->tRes, row, CountColumn))
            item->setData(Qt::DisplayRole, v.count[row]);
    }
    if (QTableWidgetItem *item = tableItem(ui->tRes, MultiRowLossFrames, CoefColumn))
        item->setData(Qt::DisplayRole, v.lossCoef);
    fitColumnsToContents(ui->tRes, ResultColumnWidths, ResultTableMinimum);
}
