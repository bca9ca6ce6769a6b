#include "asymtrafficform.h"
#include "ui_asymtrafficform.h"

#include "asymformat.h"
#include "device.h"
#include "trafficformat.h"
#include "widgethelpers.h"

#include <QSignalBlocker>

static_assert(sizeof(asym_settings_t) == testSettingsSize(TestAsymTraffic), "asymmetric settings size");
static_assert(sizeof(asym_results_t) == testResultsSize(TestAsymTraffic), "asymmetric results size");

AsymTrafficForm::AsymTrafficForm(Device *device, QWidget *parent)
    : TestForm(device, device->getAsymTrafficInfo(), parent)
    , ui(new Ui::AsymTrafficForm)
{
    ui->setupUi(this);
    initGui(ui->bStartXX, nullptr, ui->bStop, ui->bApply, ui->bReset, ui->groupBox, nullptr,
            ui->saveReportButton);
    ui->outputSettingsWidget->setDevice(device);
    ui->inputSettingsWidget->setDevice(device);

    // Fields return to black once the settings have really been handed over
    // (Apply or Start), not on a click that applied nothing.
    connect(this, &TestForm::settingsApplied, ui->outputSettingsWidget, &TrafficFlowSettingsWidget::gotApplySlot);
    connect(this, &TestForm::settingsApplied, ui->inputSettingsWidget, &TrafficFlowSettingsWidget::gotApplySlot);

    connect(ui->tDur, &QTimeEdit::timeChanged, this, &AsymTrafficForm::tDurChanged);
    connect(ui->timeBeforeSpinBox, qOverload<int>(&QSpinBox::valueChanged), this, &AsymTrafficForm::tBeforeChanged);
    connect(ui->timeAfterSpinBox, qOverload<int>(&QSpinBox::valueChanged), this, &AsymTrafficForm::tAfterChanged);
    connect(ui->dirComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &AsymTrafficForm::dirComboBoxIndexChanged);
    connect(ui->outputSettingsWidget, &TrafficFlowSettingsWidget::enableApply, this, &AsymTrafficForm::enableApply);
    connect(ui->inputSettingsWidget, &TrafficFlowSettingsWidget::enableApply, this, &AsymTrafficForm::enableApply);

}

AsymTrafficForm::~AsymTrafficForm()
{
    delete ui;
}

void AsymTrafficForm::retranslate()
{
    // The direction items are re-texted in place: the selection stays.
    ui->retranslateUi(this);
    setTitles();
    ui->inputSettingsWidget->retranslate();
    ui->outputSettingsWidget->retranslate();
    ui->inputStatsWidget->retranslate();
    ui->outputStatsWidget->retranslate();
    // The status lines again, in the new language.
    fillFormFromResults();
}

void AsymTrafficForm::setTitles()
{
    const bool portA = currentPort() == PortA;
    ui->groupBox->setTitle(
        QStringLiteral("%1 (%2)").arg(testName(getTestId()), portA ? tr("Port A") : tr("Port B")));
    ui->bStartXX->setText(portA ? tr("Start A->R") : tr("Start B->R"));
}

// ---- settings ---------------------------------------------------------------

void AsymTrafficForm::fillFormFromSettings()
{
    const std::optional<asym_settings_t> r = settingsAs<asym_settings_t>();
    if (!r)
        return;

    ui->outputSettingsWidget->loadFlow(&r->output);
    ui->inputSettingsWidget->loadFlowWithSource(&r->input, &r->output);

    const int direction = directionToIndex(r->direction);
    {
        // Filling is no edit: every field is compared once afterwards.
        const QSignalBlocker d(ui->tDur);
        const QSignalBlocker b(ui->timeBeforeSpinBox);
        const QSignalBlocker a(ui->timeAfterSpinBox);
        const QSignalBlocker c(ui->dirComboBox);
        showDuration(ui->tDur, r->duration);
        ui->timeBeforeSpinBox->setValue(r->learningInterval);
        ui->timeAfterSpinBox->setValue(r->waitInterval);
        ui->dirComboBox->setCurrentIndex(direction);
    }
    m_keptDuration.fill(r->duration);
    m_keepDirection = direction < 0;

    const bool differs = int(markDuration()) | int(markBefore()) | int(markAfter()) | int(markDirection());
    markField(differs);
}

void AsymTrafficForm::fillSettingsFromForm()
{
    std::optional<asym_settings_t> r = settingsAs<asym_settings_t>();
    if (!r)
        return;
    ui->outputSettingsWidget->saveFlow(&r->output);
    ui->inputSettingsWidget->saveFlow(&r->input);
    r->duration = m_keptDuration.toWrite(ui->tDur->time(), r->duration);
    r->learningInterval = uint16_t(ui->timeBeforeSpinBox->value());
    r->waitInterval = uint16_t(ui->timeAfterSpinBox->value());
    r->statsBlank = 0;
    const int direction = ui->dirComboBox->currentIndex();
    if (!m_keepDirection && direction >= 0)
        r->direction = uint8_t(direction);
    storeSettings(*r);
}

void AsymTrafficForm::bApplyClicked()
{
    // The input direction answers the output one: its IP source is the
    // output's destination as about to be applied.
    if (std::optional<asym_settings_t> r = settingsAs<asym_settings_t>()) {
        ui->outputSettingsWidget->saveFlow(&r->output);
        ui->inputSettingsWidget->showSourceIp(r->output.header.ipDest);
    }
    TestForm::bApplyClicked();
}

// ---- edited fields ----------------------------------------------------------

bool AsymTrafficForm::markDirection()
{
    const std::optional<asym_settings_t> r = settingsAs<asym_settings_t>();
    return r && markChangedInt(ui->dirComboBox, ui->dirComboBox->currentIndex(), r->direction);
}

bool AsymTrafficForm::markBefore()
{
    const std::optional<asym_settings_t> r = settingsAs<asym_settings_t>();
    return r && markChangedInt(ui->timeBeforeSpinBox, ui->timeBeforeSpinBox->value(), r->learningInterval);
}

bool AsymTrafficForm::markAfter()
{
    const std::optional<asym_settings_t> r = settingsAs<asym_settings_t>();
    return r && markChangedInt(ui->timeAfterSpinBox, ui->timeAfterSpinBox->value(), r->waitInterval);
}

bool AsymTrafficForm::markDuration()
{
    // A stored duration of a day or more has no time of day and stays marked.
    const std::optional<asym_settings_t> r = settingsAs<asym_settings_t>();
    return r && markChangedDuration(ui->tDur, ui->tDur->time(), r->duration);
}

void AsymTrafficForm::dirComboBoxIndexChanged(int)
{
    if (!hasSettings())
        return;
    m_keepDirection = false;
    markField(markDirection());
}

void AsymTrafficForm::tBeforeChanged(int)
{
    markField(markBefore());
}

void AsymTrafficForm::tAfterChanged(int)
{
    markField(markAfter());
}

void AsymTrafficForm::tDurChanged(const QTime &)
{
    if (!hasSettings())
        return;
    m_keptDuration.edited();
    markField(markDuration());
}

void AsymTrafficForm::gotApplied()
{
    TestForm::gotApplied();
    // Against the record just applied every shown value is equal (black);
    // one kept as stored because the field cannot show it stays marked.
    markDuration();
    markBefore();
    markAfter();
    markDirection();
}

// ---- results ----------------------------------------------------------------

void AsymTrafficForm::fillFormFromResults()
{
    const port_t port = currentPort();
    const std::optional<asym_settings_t> s = settingsAs<asym_settings_t>();
    const std::optional<asym_results_t> r = testInfo->getResultsAs<asym_results_t>(port);
    const AsymResultsView v = asymResultsView(s ? &*s : nullptr, r ? &*r : nullptr,
                                              device->testInProcess(port, TestAsymTraffic));
    ui->elapsedTime->setText(v.elapsed);
    ui->estimateTime->setText(v.estimate);
    ui->outputStatsWidget->showStats(v.output);
    ui->inputStatsWidget->showStats(v.input);
}
