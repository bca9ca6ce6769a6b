#include "headerwidget.h"
#include "ui_headerwidget.h"

#include "device.h"
#include "interfaceinfo.h"
#include "textfunctions.h"
#include "widgethelpers.h"

#include <QComboBox>
#include <QRegExp>
#include <QSignalBlocker>
#include <QRegExpValidator>

namespace {

const QRegExp &macPattern()
{
    static const QRegExp re(macAddressPattern());
    return re;
}

// The ToS box lists 0 and the four one-hot values; a record holding any
// other value of bits 4-1 gets an extra entry after them, with the four bits
// as its text, so that it is shown as it is and saved back unchanged.
constexpr int ListedTosEntries = 5;
constexpr int UnlistedTosIndex = ListedTosEntries;
// Likewise the DSCP box: a code point outside its table gets an extra
// entry, "( bits )" as the listed ones spell them without a name.
constexpr int UnlistedDscpIndex = DscpTableSize;

bool tosListed(int bits)
{
    const int index = tosToIndex(uint8_t(bits));
    return index < ListedTosEntries && indexToTos(index) == bits;
}

bool dscpListed(int code)
{
    return indexToDscp(dscpToIndex(uint8_t(code))) == code;
}

// The extra entry carries true as its data; the listed ones carry none.
bool showsUnlistedEntry(const QComboBox *box)
{
    return box->currentData().toBool();
}

// Adds, updates or removes the extra entry after the listed ones of box (an
// empty text: none); true when the entries changed. The operator's choice
// does not change with it: the caller sets the current entry right after.
bool showUnlistedEntry(QComboBox *box, int listed, const QString &text)
{
    const QSignalBlocker quiet(box);
    if (text.isEmpty()) {
        if (box->count() == listed)
            return false;
        while (box->count() > listed)
            box->removeItem(box->count() - 1);
        return true;
    }
    if (box->count() > listed) {
        box->setItemText(listed, text);
        return false;
    }
    box->addItem(text, true);
    return true;
}

void black(QWidget *w) { setFieldColour(w, fieldColourEqual()); }
void blue(QWidget *w) { setFieldColour(w, fieldColourChanged()); }
void grey(QWidget *w) { setFieldColour(w, fieldColourUnused()); }
void blackOrGrey(QWidget *w, bool inUse) { setFieldColour(w, inUse ? fieldColourEqual() : fieldColourUnused()); }

} // namespace

HeaderWidget::HeaderWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::HeaderWidget)
{
    ui->setupUi(this);
    ui->lMACdst->setValidator(new QRegExpValidator(macPattern(), ui->lMACdst));
    setIpv4Validator(ui->lIPdst);

    connect(ui->cMacAuto, &QCheckBox::toggled, this, &HeaderWidget::cMacAutoToggled);
    connect(ui->cIPAuto, &QCheckBox::toggled, this, &HeaderWidget::cIPAutoToggled);
    connect(ui->cLvl3, &QCheckBox::toggled, this, &HeaderWidget::cLvl3Toggled);
    connect(ui->cLvl4, &QCheckBox::toggled, this, &HeaderWidget::cLvl4Toggled);
    connect(ui->lMACdst, &QLineEdit::textEdited, this, &HeaderWidget::lMACchanged);
    connect(ui->lIPdst, &QLineEdit::textEdited, this, &HeaderWidget::lIPchanged);
    connect(ui->ttlSpinBox, qOverload<int>(&QSpinBox::valueChanged), this, &HeaderWidget::ttlChanged);
    connect(ui->sUDPdst, qOverload<int>(&QSpinBox::valueChanged), this, &HeaderWidget::sUDPdstChanged);
    connect(ui->sUDPsrc, qOverload<int>(&QSpinBox::valueChanged), this, &HeaderWidget::sUDPsrcChanged);
    connect(ui->cbToS, qOverload<int>(&QComboBox::currentIndexChanged), this, &HeaderWidget::cbToSChanged);
    connect(ui->cbPrec, qOverload<int>(&QComboBox::currentIndexChanged), this, &HeaderWidget::cbPrecChanged);
    connect(ui->cbDSCP, qOverload<int>(&QComboBox::currentIndexChanged), this, &HeaderWidget::cbDSCPChanged);
    connect(ui->gToS, &QGroupBox::toggled, this, &HeaderWidget::gTosToggled);
    connect(ui->gDSCP, &QGroupBox::toggled, this, &HeaderWidget::gDSCPToggled);

    // Nothing to edit until a record is loaded.
    ui->groupBox->setEnabled(false);
    firstLoad = true;
}

HeaderWidget::~HeaderWidget()
{
    delete ui;
}

void HeaderWidget::setSettings(const header_settings_t *record)
{
    if (record)
        m_settings = *record;
    else
        m_settings.reset();
}

void HeaderWidget::retranslate()
{
    ui->retranslateUi(this);
}

void HeaderWidget::setSourceIpOverride(uint32_t ip)
{
    sourceIpOverride = ip;
}

void HeaderWidget::setSourceIp(uint32_t ip)
{
    ui->lIPsource->setText(ipToString(ip));
}

void HeaderWidget::hideLevel2()
{
    ui->labelL2->hide();
    ui->cMacAuto->hide();
    ui->labelDestMac->hide();
    ui->lMACdst->hide();
    ui->cIPAuto->hide();
    ui->cLvl3->setEnabled(false);
}

uint32_t HeaderWidget::portAddress(const Device *device, port_t port)
{
    if (!device)
        return 0;
    const InterfaceInfo *info = device->getInterfaceInfo(int(port));
    if (!info)
        return 0;
    const std::optional<eth_settings_t> eth = info->getSettings();
    if (!eth)
        return 0;
    if (eth->dhcp && port <= PortB)
        return device->getDeviceStatus().address[port].ip;
    return eth->ip;
}

int HeaderWidget::storedTosBits() const
{
    return (m_settings->tos >> TosBitsShift) & TosBitsMask;
}

int HeaderWidget::storedTosIndex() const
{
    const int bits = storedTosBits();
    return tosListed(bits) ? tosToIndex(uint8_t(bits)) : UnlistedTosIndex;
}

bool HeaderWidget::showStoredTosEntry()
{
    const int bits = storedTosBits();
    return showUnlistedEntry(ui->cbToS, ListedTosEntries,
                             tosListed(bits) ? QString() : QStringLiteral("%1").arg(bits, 4, 2, QLatin1Char('0')));
}

void HeaderWidget::paintQosBox(QComboBox *box, bool groupOn)
{
    if (showsUnlistedEntry(box))
        blue(box);
    else
        blackOrGrey(box, groupOn);
}

int HeaderWidget::storedPrecedence() const
{
    return (m_settings->tos >> TosPrecedenceShift) & TosPrecedenceMask;
}

int HeaderWidget::storedDscpCode() const
{
    return m_settings->dscp >> DscpShift;
}

int HeaderWidget::storedDscpIndex() const
{
    const int code = storedDscpCode();
    return dscpListed(code) ? dscpToIndex(uint8_t(code)) : UnlistedDscpIndex;
}

bool HeaderWidget::showStoredDscpEntry()
{
    const int code = storedDscpCode();
    return showUnlistedEntry(ui->cbDSCP, DscpTableSize,
                             dscpListed(code) ? QString()
                                              : QStringLiteral("( %1 )").arg(code, 6, 2, QLatin1Char('0')));
}

void HeaderWidget::setUdpRowsVisible(bool visible)
{
    ui->lUDPdstl->setVisible(visible);
    ui->sUDPdst->setVisible(visible);
    ui->lUDPsrcl->setVisible(visible);
    ui->sUDPsrc->setVisible(visible);
}

// ---- load and save ----------------------------------------------------------

void HeaderWidget::load(Device *device)
{
    this->device = device;
    if (!m_settings)
        return;
    const header_settings_t &s = *m_settings;

    ui->groupBox->setEnabled(true);
    black(ui->lMACdst);
    blackOrGrey(ui->lIPdst, !ui->cIPAuto->isChecked());

    // The two address boxes always run their handler once, so that the
    // address fields follow the record even when the box keeps its state.
    const bool macWas = ui->cMacAuto->isChecked();
    ui->cMacAuto->setChecked(s.arp != 0);
    if (ui->cMacAuto->isChecked() == macWas)
        cMacAutoToggled(macWas);

    const bool ipWas = ui->cIPAuto->isChecked();
    if (device && device->getPortsCount() == 1) {
        ui->cIPAuto->setEnabled(false);
        ui->cIPAuto->setChecked(false);
    } else {
        ui->cIPAuto->setEnabled(true);
        ui->cIPAuto->setChecked(s.autoIpDest != 0);
    }
    if (ui->cIPAuto->isChecked() == ipWas)
        cIPAutoToggled(ipWas);

    const uint32_t source = sourceIpOverride != 0
                                ? sourceIpOverride
                                : portAddress(device, device ? device->getCurrentProcess() : PortA);
    ui->lIPsource->setText(ipToString(source));

    ui->gToS->setChecked(s.qosMode == QosTos);
    const bool entriesChanged = showStoredTosEntry();
    ui->cbToS->setCurrentIndex(storedTosIndex());
    if (entriesChanged)
        cbToSChanged(ui->cbToS->currentIndex());   // its colour follows the new entries
    ui->cbPrec->setCurrentIndex(storedPrecedence());
    ui->gDSCP->setChecked(s.qosMode == QosDscp);
    const bool dscpEntriesChanged = showStoredDscpEntry();
    ui->cbDSCP->setCurrentIndex(storedDscpIndex());
    if (dscpEntriesChanged)
        cbDSCPChanged(ui->cbDSCP->currentIndex());

    ui->cLvl4->setChecked(s.level4 != 0);
    ui->sUDPdst->setValue(s.udpDst);
    ui->sUDPsrc->setValue(s.udpSrc);
    ui->cLvl3->setChecked(s.level3 != 0);
    ui->ttlSpinBox->setValue(s.ttl);
}

void HeaderWidget::loadFrom(const header_settings_t &record, Device *device)
{
    setSettings(&record);
    load(device);
}

void HeaderWidget::saveInto(header_settings_t &record)
{
    setSettings(&record);
    save();
    record = *m_settings;
}

void HeaderWidget::save()
{
    if (!m_settings)
        return;
    header_settings_t &s = *m_settings;

    s.arp = ui->cMacAuto->isChecked() ? 1 : 0;
    if (!s.arp)
        stringToMac(s.macDest, ui->lMACdst->text());

    s.level3 = ui->cLvl3->isChecked() ? 1 : 0;
    s.autoIpDest = ui->cIPAuto->isChecked() ? 1 : 0;
    // While automatic, the field shows the other port's address: that is
    // what the tester is given.
    s.ipDest = stringToIp(ui->lIPdst->text());

    s.qosMode = ui->gToS->isChecked() ? QosTos : ui->gDSCP->isChecked() ? QosDscp : QosNone;
    // A value outside the list goes back as it came unless another entry
    // was chosen.
    const int tosIndex = ui->cbToS->currentIndex();
    const int tosBits = tosIndex == UnlistedTosIndex ? storedTosBits() : indexToTos(tosIndex);
    s.tos = uint8_t((s.tos & TosKeptBit)
                    | ((tosBits & TosBitsMask) << TosBitsShift)
                    | ((ui->cbPrec->currentIndex() & TosPrecedenceMask) << TosPrecedenceShift));
    // The DS octet goes back whole (bits 1-0 and a code point outside the
    // list included) unless another entry was chosen.
    if (ui->cbDSCP->currentIndex() != storedDscpIndex())
        s.dscp = uint8_t(indexToDscp(ui->cbDSCP->currentIndex()) << DscpShift);

    s.level4 = ui->cLvl4->isChecked() ? 1 : 0;
    s.udpDst = uint16_t(ui->sUDPdst->value());
    s.udpSrc = uint16_t(ui->sUDPsrc->value());
    s.ttl = uint8_t(ui->ttlSpinBox->value());
}

void HeaderWidget::gotApplied()
{
    for (QWidget *w : {static_cast<QWidget *>(ui->ttlSpinBox), static_cast<QWidget *>(ui->sUDPdst),
                       static_cast<QWidget *>(ui->sUDPsrc), static_cast<QWidget *>(ui->lMACdst),
                       static_cast<QWidget *>(ui->cMacAuto), static_cast<QWidget *>(ui->cIPAuto),
                       static_cast<QWidget *>(ui->cLvl3), static_cast<QWidget *>(ui->cLvl4),
                       static_cast<QWidget *>(ui->gToS), static_cast<QWidget *>(ui->gDSCP)})
        black(w);
    blackOrGrey(ui->lIPdst, !ui->cIPAuto->isChecked());
    paintQosBox(ui->cbDSCP, ui->gDSCP->isChecked());
    paintQosBox(ui->cbToS, ui->gToS->isChecked());
    blackOrGrey(ui->cbPrec, ui->gToS->isChecked());
}

// ---- check boxes ------------------------------------------------------------

void HeaderWidget::cMacAutoToggled(bool checked)
{
    if (!m_settings)
        return;
    if (!firstLoad && markChangedBool(ui->cMacAuto, checked, m_settings->arp))
        emit enableApply();
    if (checked) {
        ui->lMACdst->clear();
    } else {
        ui->lMACdst->setText(macToString(m_settings->macDest));
        black(ui->lMACdst);
    }
}

void HeaderWidget::cIPAutoToggled(bool checked)
{
    if (!m_settings)
        return;
    emit toggledAutoIP(checked);
    if (firstLoad) {
        firstLoad = false;
    } else if (markChangedBool(ui->cIPAuto, checked, m_settings->autoIpDest)) {
        emit enableApply();
    }
    if (checked) {
        // Shown only: the record takes it at the next save.
        const port_t current = device ? device->getCurrentProcess() : PortA;
        const port_t other = current == PortA ? PortB : PortA;
        ui->lIPdst->setText(ipToString(portAddress(device, other)));
        grey(ui->lIPdst);
    } else {
        ui->lIPdst->setText(ipToString(m_settings->ipDest));
        black(ui->lIPdst);
    }
}

void HeaderWidget::cLvl3Toggled(bool checked)
{
    if (!m_settings)
        return;
    emit enableApply();
    setFieldColour(ui->cLvl3, (checked ? 1 : 0) == (m_settings->level3 ? 1 : 0) ? fieldColourEqual()
                                                                                 : fieldColourChanged());
    if (!checked) {
        ui->cMacAuto->setChecked(false);
        setUdpRowsVisible(false);
    } else if (ui->cLvl4->isChecked()) {
        setUdpRowsVisible(true);
    }
}

void HeaderWidget::cLvl4Toggled()
{
    // The designer form shows the UDP rows with "Header level 4"; a load can
    // tick it while "Header level 3" is off, and then they stay hidden.
    if (!ui->cLvl3->isChecked())
        setUdpRowsVisible(false);
    if (!m_settings)
        return;
    const bool equal = ui->cLvl4->isChecked() == (m_settings->level4 != 0);
    setFieldColour(ui->cLvl4, equal ? fieldColourEqual() : fieldColourChanged());
    emit enableApply();
}

// ---- values -----------------------------------------------------------------

void HeaderWidget::ttlChanged(int v)
{
    if (m_settings && markChangedInt(ui->ttlSpinBox, v, m_settings->ttl))
        emit enableApply();
}

void HeaderWidget::sUDPdstChanged(int v)
{
    if (m_settings && markChangedInt(ui->sUDPdst, v, m_settings->udpDst))
        emit enableApply();
}

void HeaderWidget::sUDPsrcChanged(int v)
{
    if (m_settings && markChangedInt(ui->sUDPsrc, v, m_settings->udpSrc))
        emit enableApply();
}

void HeaderWidget::lMACchanged(const QString &s)
{
    if (m_settings && markChangedString(ui->lMACdst, s, macToString(m_settings->macDest)))
        emit enableApply();
}

void HeaderWidget::lIPchanged(const QString &s)
{
    if (m_settings && markChangedString(ui->lIPdst, s, ipToString(m_settings->ipDest)))
        emit enableApply();
}

// ---- QoS --------------------------------------------------------------------

void HeaderWidget::markCombo(QComboBox *combo, int index, int stored, bool groupOn)
{
    if (index == stored) {
        // An extra entry is the record's own value, which the list lacks.
        paintQosBox(combo, groupOn);
        return;
    }
    blue(combo);
    emit enableApply();
}

void HeaderWidget::cbToSChanged(int index)
{
    if (m_settings)
        markCombo(ui->cbToS, index, storedTosIndex(), ui->gToS->isChecked());
}

void HeaderWidget::cbPrecChanged(int index)
{
    if (m_settings)
        markCombo(ui->cbPrec, index, storedPrecedence(), ui->gToS->isChecked());
}

void HeaderWidget::cbDSCPChanged(int index)
{
    if (m_settings)
        markCombo(ui->cbDSCP, index, storedDscpIndex(), ui->gDSCP->isChecked());
}

void HeaderWidget::gTosToggled(bool checked)
{
    if (!m_settings)
        return;
    emit enableApply();
    setFieldColour(ui->gToS, checked == (m_settings->qosMode == QosTos) ? fieldColourEqual()
                                                                         : fieldColourChanged());
    blackOrGrey(ui->label_6, checked);
    blackOrGrey(ui->label_7, checked);
    if (ui->cbToS->currentIndex() == storedTosIndex())
        paintQosBox(ui->cbToS, checked);
    if (ui->cbPrec->currentIndex() == storedPrecedence())
        blackOrGrey(ui->cbPrec, checked);
}

void HeaderWidget::gDSCPToggled(bool checked)
{
    if (!m_settings)
        return;
    emit enableApply();
    setFieldColour(ui->gDSCP, checked == (m_settings->qosMode == QosDscp) ? fieldColourEqual()
                                                                           : fieldColourChanged());
    if (ui->cbDSCP->currentIndex() == storedDscpIndex())
        paintQosBox(ui->cbDSCP, checked);
}
