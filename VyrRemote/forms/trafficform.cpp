#include "trafficform.h"
#include "ui_trafficform.h"

#include "device.h"
#include "rateunits.h"
#include "trafficformat.h"
#include "widgethelpers.h"

#include <QSignalBlocker>
#include <QStringList>

#include <cstring>

static_assert(sizeof(traffic_settings_t) == testSettingsSize(TestTraffic), "traffic settings size");
static_assert(sizeof(traffic_results_t) == testResultsSize(TestTraffic), "traffic results size");

namespace {
constexpr int CountColumn = 0;
constexpr int CoefColumn = 1;
// The designer's widths and table size; wider and larger where the texts
// of the language in force need it.
constexpr int CountColumnWidth = 100;
constexpr int CoefColumnWidth = 55;
const QSize ResultsTableMinimum(250, 280);
// Status codes 0-12 and one beyond them ("Unknown status").
constexpr int StatusCodesShown = 14;
} // namespace

TrafficForm::TrafficForm(Device *device, QWidget *parent)
    : TestForm(device, device->getTrafficInfo(), parent)
    , ui(new Ui::TrafficForm)
{
    ui->setupUi(this);
    fitResultsPage();
    ui->sRate->setSingleStep(1);

    connect(ui->headerWidget, &HeaderWidget::toggledAutoIP, this, &TrafficForm::toggledAutoIP);
    connectHeader(ui->headerWidget);
    connect(ui->cUnits, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TrafficForm::cUnitsCurrentIndexChanged);

    initGui(ui->bStartXX, ui->bStartXY, ui->bStop, ui->bApply, ui->bReset, ui->gTraf, nullptr,
            ui->saveReportButton);

    connect(ui->cUnits, qOverload<int>(&QComboBox::currentIndexChanged), this, &TrafficForm::cUnitsChanged);
    connect(ui->sRate, qOverload<int>(&QSpinBox::valueChanged), this, &TrafficForm::sRateChanged);
    connect(ui->dsFLR, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &TrafficForm::dsFLRChanged);
    connect(ui->sLen, qOverload<int>(&QSpinBox::valueChanged), this, &TrafficForm::sLenChanged);
    connect(ui->tDur, &QTimeEdit::timeChanged, this, &TrafficForm::tDurChanged);
    connect(ui->sStudy, qOverload<int>(&QSpinBox::valueChanged), this, &TrafficForm::sStudyChanged);
    connect(ui->sInterval, qOverload<int>(&QSpinBox::valueChanged), this, &TrafficForm::sIntervalChanged);

}

TrafficForm::~TrafficForm()
{
    delete ui;
}

void TrafficForm::refitToFont()
{
    fitResultsPage();
}

void TrafficForm::retranslate()
{
    ui->retranslateUi(this);
    setTitles();
    ui->headerWidget->retranslate();
    fitResultsPage();
    redrawResults();
}

void TrafficForm::fitResultsPage()
{
    // The longest texts of each field: the largest counts and times the
    // record holds, and every status text.
    traffic_settings_t settings;
    std::memset(&settings, 0, sizeof settings);
    settings.duration = 1;
    traffic_results_t results;
    std::memset(&results, 0xFF, sizeof results);
    results.startTime = 0;
    results.rxFrames = 0;
    QStringList counts;
    QStringList coefs;
    QStringList times;
    QStringList statuses;
    for (int code = 0; code < StatusCodesShown; ++code) {
        results.status = uint8_t(code);
        const TrafficResultsView v = trafficResultsView(&settings, &results);
        statuses << v.status;
        times << v.testTime << v.passTime;
        for (int row = 0; row < TrafficResultRows; ++row) {
            counts << v.count[row];
            if (!v.coef[row].isNull())
                coefs << v.coef[row];
        }
    }
    reserveWidthFor(ui->lTestTime, times);
    reserveWidthFor(ui->lPassTime, times);
    reserveWidthFor(ui->lTestStatus, statuses);
    fitColumnTo(ui->tRes, CountColumn, CountColumnWidth, counts);
    fitColumnTo(ui->tRes, CoefColumn, CoefColumnWidth, coefs);
    fitTableToContents(ui->tRes, ResultsTableMinimum);
}

// ---- settings ---------------------------------------------------------------

void TrafficForm::cUnitsCurrentIndexChanged(int index)
{
    const int maximum = rateMaximumForIndex(index);
    if (maximum > 0)
        ui->sRate->setMaximum(maximum);
}

void TrafficForm::toggledAutoIP(bool on)
{
    ui->bStartXX->setEnabled(!on);
    autoIP = on;
}

bool TrafficForm::canStartXX()
{
    if (!hasSettings())
        return false;
    return !autoIP;
}

void TrafficForm::fillFormFromSettings()
{
    const std::optional<traffic_settings_t> r = settingsAs<traffic_settings_t>();
    if (!r)
        return;

    ui->headerWidget->loadFrom(r->header, device);

    {
        // Filling is no edit: the compares run once, below, on the result.
        const QSignalBlocker units(ui->cUnits), rate(ui->sRate), length(ui->sLen), flr(ui->dsFLR),
            duration(ui->tDur), study(ui->sStudy), interval(ui->sInterval);
        // Unit and its maximum before the rate, so that a rate within the
        // unit's limits is not clamped on the way in.
        const int unitIndex = unitCodeToIndex(r->rateUnit);
        ui->cUnits->setCurrentIndex(unitIndex);
        cUnitsCurrentIndexChanged(unitIndex);

        ui->sRate->setValue(r->rate);
        ui->sLen->setValue(r->packetLength);
        ui->dsFLR->setValue(double(r->flrThreshold));
        showDuration(ui->tDur, r->duration);
        ui->sStudy->setValue(r->learningInterval);
        ui->sInterval->setValue(r->waitInterval);
    }
    keptRate.fill(r->rateUnit, r->rate, ui->sRate->value());
    keptDuration.fill(r->duration);

    markAllFields(*r);
}

void TrafficForm::fillSettingsFromForm()
{
    std::optional<traffic_settings_t> r = settingsAs<traffic_settings_t>();
    if (!r)
        return;

    ui->headerWidget->saveInto(r->header);

    r->rateUnit = keptRate.unitToWrite(ui->cUnits->currentIndex(), r->rateUnit);
    r->rate = keptRate.rateToWrite(ui->sRate->value(), r->rate);
    r->packetLength = uint16_t(ui->sLen->value());
    r->duration = keptDuration.toWrite(ui->tDur->time(), r->duration);
    r->flrThreshold = float(ui->dsFLR->value());
    r->learningInterval = uint16_t(ui->sStudy->value());
    r->waitInterval = uint16_t(ui->sInterval->value());
    storeSettings(*r);
}

// ---- edited fields ----------------------------------------------------------

bool TrafficForm::markUnit(const traffic_settings_t &r)
{
    return markChangedInt(ui->cUnits, unitIndexToCode(ui->cUnits->currentIndex()), r.rateUnit);
}

bool TrafficForm::markRate(const traffic_settings_t &r)
{
    return markChangedInt(ui->sRate, ui->sRate->value(), r.rate);
}

bool TrafficForm::markDuration(const traffic_settings_t &r)
{
    // A stored duration of a day or more has no time of day and stays marked.
    return markChangedDuration(ui->tDur, ui->tDur->time(), r.duration);
}

void TrafficForm::cUnitsChanged(int)
{
    const std::optional<traffic_settings_t> r = settingsAs<traffic_settings_t>();
    if (!r)
        return;
    keptRate.unitEdited();
    markField(markUnit(*r));
}

void TrafficForm::sRateChanged(int)
{
    const std::optional<traffic_settings_t> r = settingsAs<traffic_settings_t>();
    if (!r)
        return;
    keptRate.rateEdited();
    markField(markRate(*r));
}

void TrafficForm::dsFLRChanged(double value)
{
    const std::optional<traffic_settings_t> r = settingsAs<traffic_settings_t>();
    if (r)
        markField(markChangedDouble(ui->dsFLR, value, double(r->flrThreshold)));
}

void TrafficForm::sLenChanged(int value)
{
    const std::optional<traffic_settings_t> r = settingsAs<traffic_settings_t>();
    if (r)
        markField(markChangedInt(ui->sLen, value, r->packetLength));
}

void TrafficForm::tDurChanged(const QTime &)
{
    const std::optional<traffic_settings_t> r = settingsAs<traffic_settings_t>();
    if (!r)
        return;
    keptDuration.edited();
    markField(markDuration(*r));
}

void TrafficForm::sStudyChanged(int value)
{
    const std::optional<traffic_settings_t> r = settingsAs<traffic_settings_t>();
    if (r)
        markField(markChangedInt(ui->sStudy, value, r->learningInterval));
}

void TrafficForm::sIntervalChanged(int value)
{
    const std::optional<traffic_settings_t> r = settingsAs<traffic_settings_t>();
    if (r)
        markField(markChangedInt(ui->sInterval, value, r->waitInterval));
}

void TrafficForm::markAllFields(const traffic_settings_t &r)
{
    markField(markUnit(r));
    markField(markRate(r));
    dsFLRChanged(ui->dsFLR->value());
    sLenChanged(ui->sLen->value());
    markField(markDuration(r));
    sStudyChanged(ui->sStudy->value());
    sIntervalChanged(ui->sInterval->value());
}

void TrafficForm::gotApplied()
{
    TestForm::gotApplied();
    setFieldColour({ui->cUnits, ui->sRate, ui->dsFLR, ui->sLen, ui->tDur, ui->sStudy, ui->sInterval},
                   fieldColourEqual());
    // A value kept as stored because its field cannot show it stays marked
    // against the record just applied.
    if (const std::optional<traffic_settings_t> r = settingsAs<traffic_settings_t>()) {
        markUnit(*r);
        markRate(*r);
        markDuration(*r);
    }
}

// ---- results ----------------------------------------------------------------

void TrafficForm::fillFormFromResults()
{
    const std::optional<traffic_settings_t> s = settingsAs<traffic_settings_t>();
    const std::optional<traffic_results_t> q = testInfo->getResultsAs<traffic_results_t>(currentPort());
    const TrafficResultsView v = trafficResultsView(s ? &*s : nullptr, q ? &*q : nullptr);

    showText(ui->lTestTime, v.testTime);
    showText(ui->lPassTime, v.passTime);
    showText(ui->lTestStatus, v.status);
    for (int row = 0; row < TrafficResultRows; ++row) {
        if (QTableWidgetItem *item = tableItem(ui->tRes, row, CountColumn))
            item->setData(Qt::DisplayRole, v.count[row]);
        if (v.coef[row].isNull())
            continue;
        if (QTableWidgetItem *item = tableItem(ui->tRes, row, CoefColumn))
            item->setData(Qt::DisplayRole, v.coef[row]);
    }
}
