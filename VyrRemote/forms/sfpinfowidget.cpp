#include "sfpinfowidget.h"
#include "ui_sfpinfowidget.h"

#include "sfpformat.h"

namespace {

// A field cuts a longer text to its length. Cutting the unit is harmless;
// cutting digits would show a number of another magnitude, so a value whose
// number alone does not fit shows "-" instead.
void setValue(QLineEdit *field, const QString &text)
{
    const int numberLength = text.indexOf(QLatin1Char(' '));
    field->setText(numberLength > field->maxLength() ? QStringLiteral("-") : text);
}

} // namespace

SFPInfoWidget::SFPInfoWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SFPInfoWidget)
{
    ui->setupUi(this);
    updateTitle();
}

SFPInfoWidget::~SFPInfoWidget()
{
    delete ui;
}

void SFPInfoWidget::setPanelIndex(int index)
{
    m_panelIndex = index;
    updateTitle();
}

void SFPInfoWidget::updateTitle()
{
    const QString letter = m_panelIndex == 0 ? QStringLiteral("A") : QStringLiteral("B");
    ui->groupInfo->setTitle(tr("SFP module") + QLatin1Char(' ') + letter);
}

void SFPInfoWidget::setDdmVisible(bool visible)
{
    ui->groupDDM->setVisible(visible);
}

void SFPInfoWidget::retranslate()
{
    ui->retranslateUi(this);
    updateTitle();
    if (m_info)
        showInfo(*m_info);
}

void SFPInfoWidget::setInfo(const sfp_info_t *info)
{
    if (!info)
        return;
    m_info = *info;
    showInfo(*m_info);
}

void SFPInfoWidget::showInfo(const sfp_info_t &info)
{
    const SfpInfoView v = sfpInfoView(info, {tr("nm"), tr("mW"), tr("dBm")});
    if (!v.present) {
        ui->vendor->setText(tr("no SFP module"));
        for (QLineEdit *e : {ui->serialNumber, ui->revision, ui->date, ui->partNumber, ui->wavelength,
                             ui->temperature, ui->rxPower, ui->rxPowerDBm, ui->txPower, ui->txPowerDBm})
            e->clear();
        return;
    }
    ui->vendor->setText(v.vendor);
    ui->serialNumber->setText(v.serialNumber);
    ui->revision->setText(v.revision);
    ui->date->setText(v.date);
    ui->partNumber->setText(v.partNumber);
    ui->wavelength->setText(v.wavelength);
    if (!v.ddm) {
        ui->temperature->setText(tr("not available"));
        for (QLineEdit *e : {ui->rxPower, ui->rxPowerDBm, ui->txPower, ui->txPowerDBm})
            e->clear();
        return;
    }
    setValue(ui->temperature, v.temperature);
    setValue(ui->rxPower, v.rxPower);
    setValue(ui->rxPowerDBm, v.rxPowerDBm);
    setValue(ui->txPower, v.txPower);
    setValue(ui->txPowerDBm, v.txPowerDBm);
}
