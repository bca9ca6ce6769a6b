#include "lbform.h"
#include "ui_lbform.h"

#include "device.h"
#include "headersettings.h"
#include "lbformat.h"
#include "textfunctions.h"
#include "widgethelpers.h"

#include <QRegExp>
#include <QRegExpValidator>
#include <QSignalBlocker>

#include <climits>
#include <memory>
#include <vector>

static_assert(sizeof(lb_settings_t) == testSettingsSize(TestLoopback), "loopback settings size");
static_assert(testResultsSize(TestLoopback) == 0, "the loopback function has no results");

namespace {

void setValidator(QLineEdit *edit, const QString &pattern)
{
    edit->setValidator(new QRegExpValidator(QRegExp(pattern, Qt::CaseSensitive), edit));
}

void blackOrGrey(QWidget *w, bool inUse)
{
    setFieldColour(w, inUse ? fieldColourEqual() : fieldColourUnused());
}

} // namespace

LbForm::LbForm(Device *device, QWidget *parent)
    : TestForm(device, device->getLbInfo(), parent)
    , ui(new Ui::LbForm)
{
    ui->setupUi(this);
    // The validators only restrict typing; Apply replaces what is incomplete.
    setValidator(ui->lMACsrc, macAddressPattern());
    setValidator(ui->lMACdst, macAddressPattern());
    setValidator(ui->lIPsrc, ipAddressPattern());
    setValidator(ui->lIPdst, ipAddressPattern());
    // Wide enough for the longest address each edit takes.
    for (QLineEdit *mac : {ui->lMACsrc, ui->lMACdst})
        reserveWidthFor(mac, {QStringLiteral("DD:DD:DD:DD:DD:DD"), QStringLiteral("dd:dd:dd:dd:dd:dd")});
    for (QLineEdit *ip : {ui->lIPsrc, ui->lIPdst})
        reserveWidthFor(ip, {QStringLiteral("255.255.255.255")});

    connect(ui->blvl0, &QPushButton::clicked, this, &LbForm::blvl0Clicked);
    connect(ui->blvl1, &QPushButton::clicked, this, &LbForm::blvl1Clicked);
    connect(ui->blvl2, &QPushButton::clicked, this, &LbForm::blvl2Clicked);
    connect(ui->blvl3, &QPushButton::clicked, this, &LbForm::blvl3Clicked);
    connect(ui->blvl4, &QPushButton::clicked, this, &LbForm::blvl4Clicked);
    connect(this, &LbForm::setTopology, device, &Device::setTopology, Qt::QueuedConnection);

    initGui(nullptr, nullptr, nullptr, ui->bApply, ui->bReset, ui->gLB, nullptr, nullptr);

    connect(ui->cMACsrc, &QCheckBox::toggled, this, &LbForm::cMACsrcToggled);
    connect(ui->cMACdst, &QCheckBox::toggled, this, &LbForm::cMACdstToggled);
    connect(ui->cIPsrc, &QCheckBox::toggled, this, &LbForm::cIPsrcToggled);
    connect(ui->cIPdst, &QCheckBox::toggled, this, &LbForm::cIPdstToggled);
    connect(ui->cVLAN, &QCheckBox::toggled, this, &LbForm::cVLANToggled);
    connect(ui->cPrio, &QCheckBox::toggled, this, &LbForm::cPrioToggled);
    // textEdited: only the operator's typing, not a text the form sets.
    connect(ui->lIPdst, &QLineEdit::textEdited, this, &LbForm::lIPdstChanged);
    connect(ui->lIPsrc, &QLineEdit::textEdited, this, &LbForm::lIPsrcChanged);
    connect(ui->lMACdst, &QLineEdit::textEdited, this, &LbForm::lMACdstChanged);
    connect(ui->lMACsrc, &QLineEdit::textEdited, this, &LbForm::lMACsrcChanged);
    connect(ui->sVLAN, qOverload<int>(&QSpinBox::valueChanged), this, &LbForm::sVLANChanged);
    connect(ui->sPrio, qOverload<int>(&QSpinBox::valueChanged), this, &LbForm::sPrioChanged);
    connect(ui->cbToS, qOverload<int>(&QComboBox::currentIndexChanged), this, &LbForm::cbToSChanged);
    connect(ui->cbPrec, qOverload<int>(&QComboBox::currentIndexChanged), this, &LbForm::cbPrecChanged);
    connect(ui->cbDSCP, qOverload<int>(&QComboBox::currentIndexChanged), this, &LbForm::cbDSCPChanged);
    connect(ui->gToS, &QGroupBox::toggled, this, &LbForm::gTosToggled);
    connect(ui->gDSCP, &QGroupBox::toggled, this, &LbForm::gDSCPToggled);

}

LbForm::~LbForm()
{
    delete ui;
}

void LbForm::retranslate()
{
    ui->retranslateUi(this);
    setTitles();
}

// ---- level buttons ----------------------------------------------------------

void LbForm::blvl0Clicked() { emit setTopology(TopologyLoopbackOff); }
void LbForm::blvl1Clicked() { emit setTopology(TopologyLoopbackLevel1); }
void LbForm::blvl2Clicked() { emit setTopology(TopologyLoopbackLevel2); }
void LbForm::blvl3Clicked() { emit setTopology(TopologyLoopbackLevel3); }
void LbForm::blvl4Clicked() { emit setTopology(TopologyLoopbackLevel4); }

QList<QPushButton *> LbForm::levelButtons() const
{
    return {ui->blvl0, ui->blvl1, ui->blvl2, ui->blvl3, ui->blvl4};
}

void LbForm::setButtonsEnabled()
{
    const port_t p = currentPort();
    if (p > PortB)
        return;
    const port_process_t words = device->getDeviceStatus().process[p];
    const bool inLoopback = words.tx & (1u << ProcessBitLoopback);
    const bool idle = words.tx == 0 && words.rx == 0;
    for (QPushButton *b : levelButtons())
        b->setEnabled(inLoopback || idle);
}

// ---- record <-> form --------------------------------------------------------

void LbForm::fillFormFromSettings()
{
    const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>();
    if (!r)
        return;
    {
        // Showing the record is no edit; the fields are coloured below.
        std::vector<std::unique_ptr<QSignalBlocker>> blockers;
        for (QObject *w : std::initializer_list<QObject *>{
                 ui->cMACsrc, ui->cMACdst, ui->cVLAN, ui->sVLAN, ui->cPrio, ui->sPrio, ui->cIPsrc,
                 ui->cIPdst, ui->gToS, ui->cbToS, ui->cbPrec, ui->gDSCP, ui->cbDSCP})
            blockers.push_back(std::make_unique<QSignalBlocker>(w));

        ui->cMACsrc->setChecked(r->replaceMacSrc != 0);
        ui->cMACdst->setChecked(r->replaceMacDst != 0);
        ui->lMACsrc->setText(macToString(r->macSrc));
        ui->lMACdst->setText(macToString(r->macDst));
        ui->cVLAN->setChecked(r->replaceVlan != 0);
        ui->sVLAN->setValue(spinBoxValue(r->vlanId));
        ui->cPrio->setChecked(r->replacePriority != 0);
        ui->sPrio->setValue(r->vlanPriority);
        ui->cIPsrc->setChecked(r->replaceIpSrc != 0);
        ui->cIPdst->setChecked(r->replaceIpDst != 0);
        ui->lIPsrc->setText(ipToString(r->ipSrc));
        ui->lIPdst->setText(ipToString(r->ipDst));
        ui->gToS->setChecked(r->qosMode == QosTos);
        ui->cbToS->setCurrentIndex(lbTosIndex(r->tos));
        ui->cbPrec->setCurrentIndex(lbPrecedence(r->tos));
        ui->gDSCP->setChecked(r->qosMode == QosDscp);
        ui->cbDSCP->setCurrentIndex(lbDscpIndex(r->dscp));
    }
    // The designer form pairs the two QoS groups through their toggled
    // signals, which were blocked: one checked group disables the other.
    ui->gDSCP->setDisabled(ui->gToS->isChecked());
    ui->gToS->setDisabled(ui->gDSCP->isChecked());

    // Every field against the record just read: black (grey for a QoS box
    // whose group is off), blue where the widget could not show the value.
    cMACsrcToggled(ui->cMACsrc->isChecked());
    cMACdstToggled(ui->cMACdst->isChecked());
    cIPsrcToggled(ui->cIPsrc->isChecked());
    cIPdstToggled(ui->cIPdst->isChecked());
    cVLANToggled(ui->cVLAN->isChecked());
    cPrioToggled(ui->cPrio->isChecked());
    sVLANChanged(ui->sVLAN->value());
    sPrioChanged(ui->sPrio->value());
    cbToSChanged(ui->cbToS->currentIndex());
    cbPrecChanged(ui->cbPrec->currentIndex());
    cbDSCPChanged(ui->cbDSCP->currentIndex());
    checkAddressFields();
}

void LbForm::fillSettingsFromForm()
{
    std::optional<lb_settings_t> r = settingsAs<lb_settings_t>();
    if (!r)
        return;

    r->replaceMacSrc = lbFlag(r->replaceMacSrc, ui->cMACsrc->isChecked());
    r->replaceMacDst = lbFlag(r->replaceMacDst, ui->cMACdst->isChecked());
    // An incomplete address is replaced, in the edit and in the record.
    ui->lMACsrc->setText(completeMacOr(ui->lMACsrc->text()));
    ui->lMACdst->setText(completeMacOr(ui->lMACdst->text()));
    stringToMac(r->macSrc, ui->lMACsrc->text());
    stringToMac(r->macDst, ui->lMACdst->text());

    r->replaceVlan = lbFlag(r->replaceVlan, ui->cVLAN->isChecked());
    r->vlanId = uint32_t(ui->sVLAN->value());
    r->replacePriority = lbFlag(r->replacePriority, ui->cPrio->isChecked());
    r->vlanPriority = uint8_t(ui->sPrio->value());

    r->replaceIpSrc = lbFlag(r->replaceIpSrc, ui->cIPsrc->isChecked());
    r->replaceIpDst = lbFlag(r->replaceIpDst, ui->cIPdst->isChecked());
    ui->lIPsrc->setText(completeIpOr(ui->lIPsrc->text(), LbDefaultIpSrc));
    ui->lIPdst->setText(completeIpOr(ui->lIPdst->text(), LbDefaultIpDst));
    r->ipSrc = stringToIp(ui->lIPsrc->text());
    r->ipDst = stringToIp(ui->lIPdst->text());

    // Bytes 13 and 14 are written whatever the mode; byte 12 says which the
    // tester uses.
    r->tos = lbTosOctet(r->tos, ui->cbToS->currentIndex(), ui->cbPrec->currentIndex());
    r->qosMode = lbQosMode(r->qosMode, ui->gToS->isChecked(), ui->gDSCP->isChecked());
    r->dscp = lbDsOctet(r->dscp, ui->cbDSCP->currentIndex());
    storeSettings(*r);
}

// ---- edited fields ----------------------------------------------------------

void LbForm::cMACsrcToggled(bool checked)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markField(markChangedBool(ui->cMACsrc, checked, r->replaceMacSrc != 0));
}

void LbForm::cMACdstToggled(bool checked)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markField(markChangedBool(ui->cMACdst, checked, r->replaceMacDst != 0));
}

void LbForm::cIPsrcToggled(bool checked)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markField(markChangedBool(ui->cIPsrc, checked, r->replaceIpSrc != 0));
}

void LbForm::cIPdstToggled(bool checked)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markField(markChangedBool(ui->cIPdst, checked, r->replaceIpDst != 0));
}

void LbForm::cVLANToggled(bool checked)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markField(markChangedBool(ui->cVLAN, checked, r->replaceVlan != 0));
}

void LbForm::cPrioToggled(bool checked)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markField(markChangedBool(ui->cPrio, checked, r->replacePriority != 0));
}

// The address comparisons are textual: the record's side is lower-case hex
// with ':' or plain dotted decimal, so another spelling of the same address
// stays blue until applied.
void LbForm::lMACsrcChanged(const QString &s)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markField(markChangedString(ui->lMACsrc, s, macToString(r->macSrc)));
}

void LbForm::lMACdstChanged(const QString &s)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markField(markChangedString(ui->lMACdst, s, macToString(r->macDst)));
}

void LbForm::lIPsrcChanged(const QString &s)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markField(markChangedString(ui->lIPsrc, s, ipToString(r->ipSrc)));
}

void LbForm::lIPdstChanged(const QString &s)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markField(markChangedString(ui->lIPdst, s, ipToString(r->ipDst)));
}

void LbForm::checkAddressFields()
{
    lMACsrcChanged(ui->lMACsrc->text());
    lMACdstChanged(ui->lMACdst->text());
    lIPsrcChanged(ui->lIPsrc->text());
    lIPdstChanged(ui->lIPdst->text());
}

void LbForm::sVLANChanged(int v)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markField(markChangedInt(ui->sVLAN, v, spinBoxValue(r->vlanId)));
}

void LbForm::sPrioChanged(int v)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markField(markChangedInt(ui->sPrio, v, r->vlanPriority));
}

// ---- QoS --------------------------------------------------------------------

void LbForm::markCombo(QComboBox *combo, int index, int stored, bool groupOn)
{
    if (index == stored) {
        blackOrGrey(combo, groupOn);
        return;
    }
    setFieldColour(combo, fieldColourChanged());
    markField(true);
}

void LbForm::recolourCombo(QComboBox *combo, int stored, bool groupOn)
{
    // A box that no longer shows the record's value keeps its blue.
    if (combo->currentIndex() == stored)
        blackOrGrey(combo, groupOn);
}

void LbForm::cbToSChanged(int index)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markCombo(ui->cbToS, index, lbTosIndex(r->tos), ui->gToS->isChecked());
}

void LbForm::cbPrecChanged(int index)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markCombo(ui->cbPrec, index, lbPrecedence(r->tos), ui->gToS->isChecked());
}

void LbForm::cbDSCPChanged(int index)
{
    if (const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>())
        markCombo(ui->cbDSCP, index, lbDscpIndex(r->dscp), ui->gDSCP->isChecked());
}

void LbForm::gTosToggled(bool checked)
{
    const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>();
    if (!r)
        return;
    markField(checked != (r->qosMode == QosTos));
    recolourCombo(ui->cbToS, lbTosIndex(r->tos), checked);
    recolourCombo(ui->cbPrec, lbPrecedence(r->tos), checked);
}

void LbForm::gDSCPToggled(bool checked)
{
    const std::optional<lb_settings_t> r = settingsAs<lb_settings_t>();
    if (!r)
        return;
    markField(checked != (r->qosMode == QosDscp));
    recolourCombo(ui->cbDSCP, lbDscpIndex(r->dscp), checked);
}

// ---- apply ------------------------------------------------------------------

void LbForm::gotApplied()
{
    TestForm::gotApplied();
    blackOrGrey(ui->cbDSCP, ui->gDSCP->isChecked());
    blackOrGrey(ui->cbPrec, ui->gToS->isChecked());
    blackOrGrey(ui->cbToS, ui->gToS->isChecked());
    setFieldColour({ui->cMACsrc, ui->lMACsrc, ui->cMACdst, ui->lMACdst, ui->cVLAN, ui->sVLAN, ui->cPrio, ui->sPrio,
                    ui->cIPsrc, ui->lIPsrc, ui->cIPdst, ui->lIPdst},
                   fieldColourEqual());
}

