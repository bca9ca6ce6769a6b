#include "trafficflowsettingswidget.h"
#include "ui_trafficflowsettingswidget.h"

#include "rateunits.h"
#include "widgethelpers.h"

#include <QSignalBlocker>

#include <cmath>

TrafficFlowSettingsWidget::TrafficFlowSettingsWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::TrafficFlowSettingsWidget)
{
    ui->setupUi(this);
    ui->headerWidget->hideLevel2();

    connect(ui->headerWidget, &HeaderWidget::enableApply, this, &TrafficFlowSettingsWidget::enableApplySlot);
    connect(ui->cUnits, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TrafficFlowSettingsWidget::cUnitsChanged);
    connect(ui->sRate, qOverload<int>(&QSpinBox::valueChanged), this, &TrafficFlowSettingsWidget::sRateChanged);
    connect(ui->sFlr, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &TrafficFlowSettingsWidget::sFLRChanged);
    connect(ui->sLen, qOverload<int>(&QSpinBox::valueChanged), this, &TrafficFlowSettingsWidget::sLenChanged);
    connect(this, &TrafficFlowSettingsWidget::gotApply, ui->headerWidget, &HeaderWidget::gotApplied);
}

TrafficFlowSettingsWidget::~TrafficFlowSettingsWidget()
{
    delete ui;
}

void TrafficFlowSettingsWidget::setDevice(Device *device)
{
    this->device = device;
}

void TrafficFlowSettingsWidget::retranslate()
{
    // The unit items are re-texted in place: the selection stays.
    ui->retranslateUi(this);
    ui->headerWidget->retranslate();
}

void TrafficFlowSettingsWidget::showSourceIp(uint32_t ip)
{
    ui->headerWidget->setSourceIp(ip);
}

// ---- load and save ----------------------------------------------------------

void TrafficFlowSettingsWidget::on_cUnits_currentIndexChanged(int index)
{
    const int maximum = rateMaximumForIndex(index);
    if (maximum > 0)
        ui->sRate->setMaximum(maximum);
}

void TrafficFlowSettingsWidget::loadFlow(const flow_settings_t *flow)
{
    if (!flow)
        return;
    const flow_settings_t f = *flow;

    // Filling is no edit: the header editor's toggles and the fields' own
    // change slots stay quiet until everything is in, then every field is
    // compared once.
    m_loading = true;
    ui->headerWidget->loadFrom(f.header, device);
    m_flow = f;
    {
        const QSignalBlocker units(ui->cUnits);
        const QSignalBlocker rate(ui->sRate);
        const QSignalBlocker length(ui->sLen);
        const QSignalBlocker flr(ui->sFlr);
        // Unit and its maximum before the rate, so that a rate within the
        // unit's limits is not clamped on the way in.
        const int unitIndex = unitCodeToIndex(f.rateUnit);
        ui->cUnits->setCurrentIndex(unitIndex);
        on_cUnits_currentIndexChanged(unitIndex);
        ui->sRate->setValue(f.rate);
        ui->sLen->setValue(f.packetLength);
        ui->sFlr->setValue(std::isfinite(f.maxFlr) ? double(f.maxFlr) : ui->sFlr->minimum());
    }
    m_keptRate.fill(f.rateUnit, f.rate, ui->sRate->value());
    m_keepFlr = !std::isfinite(f.maxFlr);
    m_loading = false;
    markAll();
}

void TrafficFlowSettingsWidget::loadFlowWithSource(const flow_settings_t *flow, const flow_settings_t *other)
{
    if (other)
        ui->headerWidget->setSourceIpOverride(other->header.ipDest);
    loadFlow(flow);
}

void TrafficFlowSettingsWidget::saveFlow(flow_settings_t *flow)
{
    if (!flow)
        return;
    ui->headerWidget->saveInto(flow->header);
    flow->rateUnit = m_keptRate.unitToWrite(ui->cUnits->currentIndex(), flow->rateUnit);
    flow->rate = m_keptRate.rateToWrite(ui->sRate->value(), flow->rate);
    flow->packetLength = uint16_t(ui->sLen->value());
    if (!m_keepFlr)
        flow->maxFlr = float(ui->sFlr->value());
    m_flow = *flow;
}

// ---- edited fields ----------------------------------------------------------

bool TrafficFlowSettingsWidget::markUnit()
{
    return m_flow && markChangedInt(ui->cUnits, unitIndexToCode(ui->cUnits->currentIndex()), m_flow->rateUnit);
}

bool TrafficFlowSettingsWidget::markRate()
{
    return m_flow && markChangedInt(ui->sRate, ui->sRate->value(), m_flow->rate);
}

bool TrafficFlowSettingsWidget::markFlr()
{
    return m_flow && markChangedDouble(ui->sFlr, ui->sFlr->value(), double(m_flow->maxFlr));
}

bool TrafficFlowSettingsWidget::markLen()
{
    return m_flow && markChangedInt(ui->sLen, ui->sLen->value(), m_flow->packetLength);
}

void TrafficFlowSettingsWidget::markAll()
{
    // Not short-circuited: every field gets its colour.
    const bool differs = int(markUnit()) | int(markRate()) | int(markFlr()) | int(markLen());
    if (differs)
        emit enableApply();
}

void TrafficFlowSettingsWidget::cUnitsChanged()
{
    if (!m_flow || m_loading)
        return;
    m_keptRate.unitEdited();
    if (markUnit())
        emit enableApply();
}

void TrafficFlowSettingsWidget::sRateChanged(int)
{
    if (!m_flow || m_loading)
        return;
    m_keptRate.rateEdited();
    if (markRate())
        emit enableApply();
}

void TrafficFlowSettingsWidget::sFLRChanged(double)
{
    if (!m_flow || m_loading)
        return;
    m_keepFlr = false;
    if (markFlr())
        emit enableApply();
}

void TrafficFlowSettingsWidget::sLenChanged(int)
{
    if (!m_flow || m_loading)
        return;
    if (markLen())
        emit enableApply();
}

void TrafficFlowSettingsWidget::enableApplySlot()
{
    if (!m_loading)
        emit enableApply();
}

void TrafficFlowSettingsWidget::gotApplySlot()
{
    emit gotApply();
    if (!m_flow) {
        for (QWidget *w : {static_cast<QWidget *>(ui->cUnits), static_cast<QWidget *>(ui->sRate),
                           static_cast<QWidget *>(ui->sFlr), static_cast<QWidget *>(ui->sLen)})
            setFieldColour(w, fieldColourEqual());
        return;
    }
    // Against the record just applied every shown value is equal (black);
    // one kept as stored because the field cannot show it stays marked.
    markUnit();
    markRate();
    markFlr();
    markLen();
}
