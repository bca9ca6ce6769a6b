#include "mdiform.h"
#include "ui_mdiform.h"

#include "device.h"
#include "mdiformat.h"
#include "textfunctions.h"
#include "trafficformat.h"
#include "widgethelpers.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include <climits>
#include <cmath>

static_assert(sizeof(mdi_settings_t) == testSettingsSize(TestMdi), "MDI settings size");
static_assert(sizeof(mdi_results_t) == testResultsSize(TestMdi), "MDI results size");

MdiForm::MdiForm(Device *device, QWidget *parent)
    : TestForm(device, device->getMdiInfo(), parent)
    , ui(new Ui::MdiForm)
{
    // setupUi connects on_cUnits_currentIndexChanged by its name.
    ui->setupUi(this);
    initGui(ui->bStartXX, ui->bStartXY, ui->bStop, ui->bApply, ui->bReset, ui->groupBox, nullptr,
            ui->saveReportButton);

    connectHeader(ui->headerWidget);

    connect(ui->sRate, qOverload<int>(&QSpinBox::valueChanged), this, &MdiForm::sRateChanged);
    connect(ui->dsMLR, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &MdiForm::dsMLRChanged);
    connect(ui->sLen, qOverload<int>(&QSpinBox::valueChanged), this, &MdiForm::sLenChanged);
    connect(ui->tDur, &QTimeEdit::timeChanged, this, &MdiForm::tDurChanged);
    connect(ui->sLearningInt, qOverload<int>(&QSpinBox::valueChanged), this, &MdiForm::sLearnIntChanged);

    // The value column widens to its longest text, and the table with it.
    ui->tRes->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    fitResultFields();
}

MdiForm::~MdiForm()
{
    delete ui;
}

void MdiForm::retranslate()
{
    // The designer form refills the unit list; the unit on show (the
    // record's or the operator's) stays, and is no edit.
    const int unit = ui->cUnits->currentIndex();
    {
        const QSignalBlocker blocker(ui->cUnits);
        ui->retranslateUi(this);
        ui->cUnits->setCurrentIndex(unit);
    }
    setTitles();
    ui->headerWidget->retranslate();
    fitResultFields();
    fillFormFromResults();
}

void MdiForm::fitResultFields()
{
    reserveWidthFor(ui->cUnits);
    QStringList statuses;
    for (unsigned code = 0; code <= StatusIncompatibleFw + 1; ++code)
        statuses << Device::testStatusText(code);
    reserveWidthFor(ui->statuslineEdit, statuses);
    // The longest elapsed time: the whole 32-bit count of seconds.
    for (QLineEdit *time : {ui->lTestTime, ui->lPassTime})
        reserveWidthFor(time, {secondsToString(0xFFFFFFFFu)});
}

// ---- settings ---------------------------------------------------------------

void MdiForm::fillFormFromSettings()
{
    const std::optional<mdi_settings_t> r = settingsAs<mdi_settings_t>();
    if (!r)
        return;
    keptDuration.fill(r->duration);

    {
        // Showing the record is no edit: the header's own marks stay, but
        // it does not enable Apply.
        const QSignalBlocker header(ui->headerWidget);
        ui->headerWidget->loadFrom(r->header, device);
    }

    const QSignalBlocker units(ui->cUnits), rate(ui->sRate), mlr(ui->dsMLR), length(ui->sLen),
        duration(ui->tDur), learning(ui->sLearningInt);
    // Unit and its maximum before the rate, so that a rate within the unit's
    // limits is not clamped on the way in. A unit code the list lacks
    // selects no item and keeps the maximum.
    const int unitIndex = mdiUnitIndex(r->unit);
    ui->cUnits->setCurrentIndex(unitIndex);
    if (const int maximum = mdiRateMaximum(unitIndex))
        ui->sRate->setMaximum(maximum);
    ui->sRate->setValue(r->rate);
    mlrKept = !std::isfinite(r->mlrThreshold);
    if (!mlrKept)
        ui->dsMLR->setValue(double(r->mlrThreshold));
    ui->sLen->setValue(r->packetLength);
    ui->sLearningInt->setValue(r->learningInterval);
    showDuration(ui->tDur, r->duration);

    markAllFields();
}

void MdiForm::fillSettingsFromForm()
{
    std::optional<mdi_settings_t> r = settingsAs<mdi_settings_t>();
    if (!r)
        return;

    ui->headerWidget->saveInto(r->header);

    r->unit = mdiUnitCode(ui->cUnits->currentIndex(), r->unit);
    r->rate = uint16_t(ui->sRate->value());
    if (!mlrKept)
        r->mlrThreshold = float(ui->dsMLR->value());
    r->packetLength = uint16_t(ui->sLen->value());
    r->learningInterval = uint16_t(ui->sLearningInt->value());
    r->duration = keptDuration.toWrite(ui->tDur->time(), r->duration);
    storeSettings(*r);
}

bool MdiForm::canStartXX()
{
    const std::optional<mdi_settings_t> r = settingsAs<mdi_settings_t>();
    return r && r->header.autoIpDest == 0;
}

bool MdiForm::startsWithTesterSettings(uchar topology) const
{
    return topology == TopologyToOtherPort;
}

// ---- edited fields ----------------------------------------------------------

void MdiForm::on_cUnits_currentIndexChanged(int index)
{
    if (const std::optional<mdi_settings_t> r = settingsAs<mdi_settings_t>())
        markField(markChangedInt(ui->cUnits, mdiUnitCode(index, r->unit), r->unit));
    // Lowering the maximum below the rate clamps it, which marks the rate.
    if (const int maximum = mdiRateMaximum(index))
        ui->sRate->setMaximum(maximum);
}

void MdiForm::sRateChanged(int value)
{
    if (const std::optional<mdi_settings_t> r = settingsAs<mdi_settings_t>())
        markField(markChangedInt(ui->sRate, value, r->rate));
}

void MdiForm::dsMLRChanged(double value)
{
    const std::optional<mdi_settings_t> r = settingsAs<mdi_settings_t>();
    if (!r)
        return;
    mlrKept = false;
    markField(markChangedDouble(ui->dsMLR, value, double(r->mlrThreshold), MlrTolerance));
}

void MdiForm::sLenChanged(int value)
{
    if (const std::optional<mdi_settings_t> r = settingsAs<mdi_settings_t>())
        markField(markChangedInt(ui->sLen, value, r->packetLength));
}

void MdiForm::tDurChanged(const QTime &time)
{
    const std::optional<mdi_settings_t> r = settingsAs<mdi_settings_t>();
    if (!r)
        return;
    keptDuration.edited();
    // A stored duration of a day or more has no time of day and stays marked.
    markField(markChangedDuration(ui->tDur, time, r->duration));
}

void MdiForm::sLearnIntChanged(int value)
{
    if (const std::optional<mdi_settings_t> r = settingsAs<mdi_settings_t>())
        markField(markChangedInt(ui->sLearningInt, value, r->learningInterval));
}

void MdiForm::markAllFields()
{
    on_cUnits_currentIndexChanged(ui->cUnits->currentIndex());
    sRateChanged(ui->sRate->value());
    if (mlrKept)
        setFieldColour(ui->dsMLR, fieldColourUnused());
    else
        dsMLRChanged(ui->dsMLR->value());
    sLenChanged(ui->sLen->value());
    if (const std::optional<mdi_settings_t> r = settingsAs<mdi_settings_t>())
        markField(markChangedDuration(ui->tDur, ui->tDur->time(), r->duration));
    sLearnIntChanged(ui->sLearningInt->value());
}

void MdiForm::gotApplied()
{
    TestForm::gotApplied();
    setFieldColour({ui->cUnits, ui->sRate, ui->sLen, ui->tDur, ui->sLearningInt}, fieldColourEqual());
    setFieldColour(ui->dsMLR, mlrKept ? fieldColourUnused() : fieldColourEqual());
    // A kept duration of a day or more is still not what the edit shows.
    if (const std::optional<mdi_settings_t> r = settingsAs<mdi_settings_t>())
        markChangedDuration(ui->tDur, ui->tDur->time(), r->duration);
}

// ---- results ----------------------------------------------------------------

void MdiForm::fillFormFromResults()
{
    const std::optional<mdi_results_t> q = testInfo->getResultsAs<mdi_results_t>(currentPort());
    const MdiResultsView v = mdiResultsView(q ? &*q : nullptr);
    ui->lPassTime->setText(v.passTime);
    ui->lTestTime->setText(v.testTime);
    ui->statuslineEdit->setText(v.status);
    for (int row = 0; row < MdiResultRows; ++row) {
        if (QTableWidgetItem *item = tableItem(ui->tRes, row, 0))
            item->setData(Qt::DisplayRole, v.value[row]);
    }
}
