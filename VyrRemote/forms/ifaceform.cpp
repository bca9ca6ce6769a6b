#include "ifaceform.h"
#include "ui_ifaceform.h"

#include "device.h"
#include "interfaceformat.h"
#include "interfaceinfo.h"
#include "keptvalues.h"
#include "textfunctions.h"
#include "widgethelpers.h"

#include <QRegExp>
#include <QRegExpValidator>
#include <QSignalBlocker>
#include <QStringList>

#include <vector>

namespace {

static_assert(MaxVlanTags == 3 && MaxMplsEntries == 3, "three rows per table");

void black(QWidget *w) { setFieldColour(w, fieldColourEqual()); }
void blue(QWidget *w) { setFieldColour(w, fieldColourChanged()); }
void grey(QWidget *w) { setFieldColour(w, fieldColourUnused()); }

// What a spin box shows for a stored value (cut to its range); keptInt()
// writes the stored value back while the box still shows it.
int shownValue(const QSpinBox *box, int stored)
{
    return qBound(box->minimum(), stored, box->maximum());
}

// The addresses a port index uses now, from the status record (obtained by
// DHCP while DHCP is on); zero for an index the record has no entry for.
port_addresses_t addressesInUse(const Device *device, int port)
{
    const get_device_status_resp_t status = device->getDeviceStatus();
    constexpr int entries = int(sizeof status.address / sizeof status.address[0]);
    return port >= 0 && port < entries ? status.address[port] : port_addresses_t{};
}

QValidator *validator(const QString &pattern, QObject *parent)
{
    return new QRegExpValidator(QRegExp(pattern, Qt::CaseSensitive), parent);
}

// The widest texts each kind of address and code field can show.
QStringList hexTexts(const QString &shape)
{
    QStringList texts;
    for (const QChar digit : QStringLiteral("0123456789abcdef")) {
        QString t = shape;
        t.replace(QLatin1Char('h'), digit);
        texts << t;
    }
    return texts;
}

QStringList ipTexts()
{
    QStringList texts;
    for (char digit = '0'; digit <= '9'; ++digit)
        texts << QString(QStringLiteral("ddd.ddd.ddd.ddd")).replace(QLatin1Char('d'), QLatin1Char(digit));
    return texts;
}

} // namespace

IFaceForm::IFaceForm(Device *device, int port, QWidget *parent)
    : QWidget(parent)
    , interfaceInfo(device->getInterfaceInfo(port))
    , device(device)
    , ui(new Ui::IFaceForm)
    , m_port(port)
{
    ui->setupUi(this);
    tpidEdits = {ui->lTPID1, ui->lTPID2, ui->lTPID3};
    labelEdits = {ui->lValue1, ui->lValue2, ui->lValue3};
    pcpBoxes = {ui->sPCP1, ui->sPCP2, ui->sPCP3};
    vidBoxes = {ui->sVID1, ui->sVID2, ui->sVID3};
    qosBoxes = {ui->sQoS1, ui->sQoS2, ui->sQoS3};
    ttlBoxes = {ui->sTTL1, ui->sTTL2, ui->sTTL3};
    fitFields();

    ui->lMAC->setValidator(validator(macAddressPattern(), ui->lMAC));
    ui->leMacDest->setValidator(validator(macAddressPattern(), ui->leMacDest));
    ui->lIP->setValidator(validator(ipAddressPattern(), ui->lIP));
    ui->lGate->setValidator(validator(ipAddressPattern(), ui->lGate));
    ui->leIpDest->setValidator(validator(ipAddressPattern(), ui->leIpDest));
    ui->lMask->setValidator(validator(subnetMaskPattern(), ui->lMask));
    ui->sVLAN->setMaximum(MaxVlanTags);
    ui->sMPLS->setMaximum(MaxMplsEntries);

    if (m_port == int(PortRC)) {
        // The management port carries no test traffic.
        for (QWidget *g : {static_cast<QWidget *>(ui->gLink), static_cast<QWidget *>(ui->gDuplex),
                           static_cast<QWidget *>(ui->gVLAN), static_cast<QWidget *>(ui->gMPLS)})
            g->setEnabled(false);
    }

    const struct {
        QCheckBox *box;
        void (IFaceForm::*slot)(bool);
    } checks[] = {
        {ui->c10, &IFaceForm::c10toggled},   {ui->c100, &IFaceForm::c100toggled},
        {ui->c1000, &IFaceForm::c1000toggled}, {ui->cHDX, &IFaceForm::cHDXtoggled},
        {ui->cFDX, &IFaceForm::cFDXtoggled}, {ui->cDHCP, &IFaceForm::cDHCPToggled},
    };
    for (const auto &c : checks)
        connect(c.box, &QCheckBox::toggled, this, c.slot);
    const struct {
        QLineEdit *edit;
        void (IFaceForm::*slot)(const QString &);
    } texts[] = {
        {ui->lMAC, &IFaceForm::lMACchanged},      {ui->lIP, &IFaceForm::lIPchanged},
        {ui->lMask, &IFaceForm::lMaskChanged},    {ui->lGate, &IFaceForm::lGateChanged},
        {ui->lTPID1, &IFaceForm::lTPID1Changed},  {ui->lTPID2, &IFaceForm::lTPID2Changed},
        {ui->lTPID3, &IFaceForm::lTPID3Changed},  {ui->lValue1, &IFaceForm::lValue1Changed},
        {ui->lValue2, &IFaceForm::lValue2Changed}, {ui->lValue3, &IFaceForm::lValue3Changed},
    };
    for (const auto &t : texts)
        connect(t.edit, &QLineEdit::textEdited, this, t.slot);
    const struct {
        QSpinBox *box;
        void (IFaceForm::*slot)(int);
    } values[] = {
        {ui->sVLAN, &IFaceForm::sVLANchanged}, {ui->sMPLS, &IFaceForm::sMPLSchanged},
        {ui->sPCP1, &IFaceForm::sPCP1Changed}, {ui->sPCP2, &IFaceForm::sPCP2Changed},
        {ui->sPCP3, &IFaceForm::sPCP3Changed}, {ui->sVID1, &IFaceForm::sVID1Changed},
        {ui->sVID2, &IFaceForm::sVID2Changed}, {ui->sVID3, &IFaceForm::sVID3Changed},
        {ui->sQoS1, &IFaceForm::sQoS1Changed}, {ui->sQoS2, &IFaceForm::sQoS2Changed},
        {ui->sQoS3, &IFaceForm::sQoS3Changed}, {ui->sTTL1, &IFaceForm::sTTL1Changed},
        {ui->sTTL2, &IFaceForm::sTTL2Changed}, {ui->sTTL3, &IFaceForm::sTTL3Changed},
    };
    for (const auto &v : values)
        connect(v.box, qOverload<int>(&QSpinBox::valueChanged), this, v.slot);
    connect(ui->bDefaultMac, &QPushButton::clicked, this, &IFaceForm::bDefaultMacClicked);

    const auto q = Qt::QueuedConnection;
    if (interfaceInfo) {
        connect(this, &IFaceForm::receiveSettings, interfaceInfo, &InterfaceInfo::receiveSettings, q);
        connect(this, &IFaceForm::sendSettings, interfaceInfo, &InterfaceInfo::sendSettings, q);
        connect(interfaceInfo, &InterfaceInfo::settingsReceived, this, &IFaceForm::settingsReceived, q);
    }
    connect(device, &Device::deviceStatusUpdated, this, &IFaceForm::deviceStatusUpdated, q);
    // The link is gone and InterfaceInfo has dropped its record: so does
    // the editor, which then sends nothing until the record is read again.
    connect(device, &Device::disconnected, this, &IFaceForm::dropSettings, q);
}

IFaceForm::~IFaceForm()
{
    delete ui;
}

void IFaceForm::retranslate()
{
    ui->retranslateUi(this);
    fitFields();
}

void IFaceForm::fitFields()
{
    const QStringList macs = hexTexts(QStringLiteral("hh:hh:hh:hh:hh:hh"));
    reserveWidthFor(ui->lMAC, macs);
    reserveWidthFor(ui->leMacDest, macs);
    for (QLineEdit *e : {ui->lIP, ui->lMask, ui->lGate, ui->leIpDest})
        reserveWidthFor(e, ipTexts());
    for (QLineEdit *e : qAsConst(tpidEdits))
        reserveWidthFor(e, hexTexts(QStringLiteral("hhhh")));
    for (QLineEdit *e : qAsConst(labelEdits))
        reserveWidthFor(e, hexTexts(QStringLiteral("hhhhh")));
}

void IFaceForm::dropSettings()
{
    m_settings.reset();
}

QList<QWidget *> IFaceForm::editingWidgets() const
{
    QList<QWidget *> widgets = {ui->c10,   ui->c100,  ui->c1000,       ui->cHDX,      ui->cFDX,
                                ui->cDHCP, ui->lMAC,  ui->lIP,         ui->lMask,     ui->lGate,
                                ui->sVLAN, ui->sMPLS, ui->cbMacDest,   ui->cbMacSource, ui->cbIpDest,
                                ui->cbIpSource, ui->cbVlan1, ui->cbVlan2, ui->leMacDest, ui->leIpDest,
                                ui->sbVlan1, ui->sbVlan2};
    for (int i = 0; i < MaxVlanTags; ++i)
        widgets << tpidEdits.at(i) << pcpBoxes.at(i) << vidBoxes.at(i);
    for (int i = 0; i < MaxMplsEntries; ++i)
        widgets << labelEdits.at(i) << qosBoxes.at(i) << ttlBoxes.at(i);
    return widgets;
}

// ---- filling from the record -------------------------------------------------

void IFaceForm::settingsReceived()
{
    const std::optional<eth_settings_t> record = interfaceInfo ? interfaceInfo->getSettings() : std::nullopt;
    if (!record) {
        // The widgets keep what they show; with nothing held, nothing is sent.
        m_settings.reset();
        return;
    }
    m_settings = record;
    fillWidgets(*record);
}

void IFaceForm::fillWidgets(const eth_settings_t &record)
{
    // A fill shows the record as it is: none of the operator-side rules (one
    // speed and one duplex mode, default TPIDs) and no dataChanged.
    const QList<QWidget *> fields = editingWidgets();
    std::vector<QSignalBlocker> quiet;
    quiet.reserve(size_t(fields.size()));
    for (QWidget *w : fields)
        quiet.emplace_back(w);

    const InterfaceFields f = interfaceFieldsOf(record);
    ui->c10->setChecked(f.link.speed10);
    ui->c100->setChecked(f.link.speed100);
    ui->c1000->setChecked(f.link.speed1000);
    ui->cHDX->setChecked(f.link.half);
    ui->cFDX->setChecked(f.link.full);
    ui->lMAC->setText(f.mac);
    ui->sVLAN->setValue(f.vlanCount);
    ui->sMPLS->setValue(f.mplsCount);
    for (int i = 0; i < MaxVlanTags; ++i) {
        tpidEdits.at(i)->setText(f.tpid[i]);
        pcpBoxes.at(i)->setValue(f.pcp[i]);
        vidBoxes.at(i)->setValue(f.vid[i]);
    }
    for (int i = 0; i < MaxMplsEntries; ++i) {
        labelEdits.at(i)->setText(f.label[i]);
        qosBoxes.at(i)->setValue(f.trafficClass[i]);
        ttlBoxes.at(i)->setValue(f.ttl[i]);
    }
    showRows(vlanTable(), ui->sVLAN->value());
    showRows(mplsTable(), ui->sMPLS->value());
    ui->cDHCP->setChecked(f.dhcp);
    showAddresses();

    ui->cbIpDest->setChecked(f.filterIpDest);
    ui->cbIpSource->setChecked(f.filterIpSrcEqDest);
    ui->cbMacDest->setChecked(f.filterMacDest);
    ui->cbMacSource->setChecked(f.filterMacSrcEqDest);
    ui->cbVlan1->setChecked(f.filterVlan1);
    ui->cbVlan2->setChecked(f.filterVlan2);
    ui->leMacDest->setText(f.filterMac);
    ui->leIpDest->setText(f.filterIp);
    ui->sbVlan1->setValue(f.filterVlanId1);
    ui->sbVlan2->setValue(f.filterVlanId2);

    black(ui->sVLAN);
    black(ui->sMPLS);
    resetColors();
}

void IFaceForm::showAddresses()
{
    const bool dhcp = ui->cDHCP->isChecked();
    QLineEdit *const edits[] = {ui->lIP, ui->lMask, ui->lGate};
    for (QLineEdit *e : edits) {
        e->setEnabled(!dhcp);
        setFieldColour(e, dhcp ? fieldColourUnused() : fieldColourEqual());
    }
    if (dhcp)
        showAddressTexts(addressesInUse(device, m_port));
    else if (m_settings)
        showAddressTexts({m_settings->ip, m_settings->mask, m_settings->gateway});
}

void IFaceForm::showAddressTexts(const port_addresses_t &a)
{
    ui->lIP->setText(ipToString(a.ip));
    ui->lMask->setText(ipToString(a.mask));
    ui->lGate->setText(ipToString(a.gateway));
}

IFaceForm::RowTable IFaceForm::vlanTable() const
{
    return {&tpidEdits, &pcpBoxes, &vidBoxes, &InterfaceFields::tpid, &InterfaceFields::pcp, &InterfaceFields::vid};
}

IFaceForm::RowTable IFaceForm::mplsTable() const
{
    return {&labelEdits, &qosBoxes, &ttlBoxes, &InterfaceFields::label, &InterfaceFields::trafficClass,
            &InterfaceFields::ttl};
}

QList<QWidget *> IFaceForm::rowWidgets(const RowTable &table, int row)
{
    return {table.text->at(row), table.first->at(row), table.second->at(row)};
}

void IFaceForm::showRows(const RowTable &table, int count)
{
    for (int i = 0; i < RowsPerTable; ++i) {
        for (QWidget *w : rowWidgets(table, i)) {
            w->setEnabled(i < count);
            if (i >= count)
                grey(w);
        }
    }
}

void IFaceForm::colourRows(const RowTable &table, int count)
{
    for (int i = 0; i < RowsPerTable; ++i) {
        for (QWidget *w : rowWidgets(table, i))
            setFieldColour(w, i < count ? fieldColourEqual() : fieldColourUnused());
    }
}

bool IFaceForm::markRows(const RowTable &table, int count)
{
    const InterfaceFields stored = interfaceFieldsOf(*m_settings);
    bool differs = false;
    for (int i = 0; i < count && i < RowsPerTable; ++i) {
        differs |= markChangedString(table.text->at(i), table.text->at(i)->text(), (stored.*table.storedText)[i]);
        differs |= markChangedInt(table.first->at(i), table.first->at(i)->value(), (stored.*table.storedFirst)[i]);
        differs |= markChangedInt(table.second->at(i), table.second->at(i)->value(), (stored.*table.storedSecond)[i]);
    }
    return differs;
}

void IFaceForm::resetColors()
{
    for (QWidget *w : {static_cast<QWidget *>(ui->c10), static_cast<QWidget *>(ui->c100),
                       static_cast<QWidget *>(ui->c1000), static_cast<QWidget *>(ui->cHDX),
                       static_cast<QWidget *>(ui->cFDX), static_cast<QWidget *>(ui->lMAC),
                       static_cast<QWidget *>(ui->cDHCP)})
        black(w);
    for (QWidget *w : {ui->lIP, ui->lMask, ui->lGate})
        setFieldColour(w, ui->cDHCP->isChecked() ? fieldColourUnused() : fieldColourEqual());

    // The counts of the record just written; without a record, the ones shown.
    const int vlanCount = m_settings ? m_settings->vlanCount : ui->sVLAN->value();
    const int mplsCount = m_settings ? m_settings->mplsCount : ui->sMPLS->value();
    colourRows(vlanTable(), vlanCount);
    colourRows(mplsTable(), mplsCount);
    for (QWidget *w : {static_cast<QWidget *>(ui->cbMacDest), static_cast<QWidget *>(ui->cbMacSource),
                       static_cast<QWidget *>(ui->cbIpDest), static_cast<QWidget *>(ui->cbIpSource),
                       static_cast<QWidget *>(ui->cbVlan1), static_cast<QWidget *>(ui->cbVlan2),
                       static_cast<QWidget *>(ui->leMacDest), static_cast<QWidget *>(ui->leIpDest),
                       static_cast<QWidget *>(ui->sbVlan1), static_cast<QWidget *>(ui->sbVlan2)})
        black(w);
}

void IFaceForm::deviceStatusUpdated()
{
    if (isHidden())
        return;
    if (ui->cDHCP->isChecked())
        showAddressTexts(addressesInUse(device, m_port));
    if (m_port != int(PortRC))
        ui->gMPLS->setEnabled(true);
}

// ---- write-back ------------------------------------------------------------------

bool IFaceForm::fillAndSendSettings()
{
    macChanged = false;
    if (!m_settings)
        return false;
    eth_settings_t &r = *m_settings;

    InterfaceFields f;
    f.mac = ui->lMAC->text();
    f.link.speed10 = ui->c10->isChecked();
    f.link.speed100 = ui->c100->isChecked();
    f.link.speed1000 = ui->c1000->isChecked();
    f.link.half = ui->cHDX->isChecked();
    f.link.full = ui->cFDX->isChecked();
    f.dhcp = ui->cDHCP->isChecked();
    f.ip = ui->lIP->text();
    f.mask = ui->lMask->text();
    f.gateway = ui->lGate->text();
    f.vlanCount = keptInt(r.vlanCount, ui->sVLAN);
    for (int i = 0; i < MaxVlanTags; ++i) {
        f.tpid[i] = tpidEdits.at(i)->text();
        f.pcp[i] = pcpBoxes.at(i)->value();
        f.vid[i] = vidBoxes.at(i)->value();
    }
    f.mplsCount = keptInt(r.mplsCount, ui->sMPLS);
    for (int i = 0; i < MaxMplsEntries; ++i) {
        f.label[i] = labelEdits.at(i)->text();
        f.trafficClass[i] = qosBoxes.at(i)->value();
        f.ttl[i] = ttlBoxes.at(i)->value();
    }
    f.filterMacDest = ui->cbMacDest->isChecked();
    f.filterIpDest = ui->cbIpDest->isChecked();
    f.filterMacSrcEqDest = ui->cbMacSource->isChecked();
    f.filterIpSrcEqDest = ui->cbIpSource->isChecked();
    f.filterVlan1 = ui->cbVlan1->isChecked();
    f.filterVlan2 = ui->cbVlan2->isChecked();
    f.filterMac = ui->leMacDest->text();
    f.filterIp = ui->leIpDest->text();
    f.filterVlanId1 = keptInt(r.filterVlanId1, ui->sbVlan1);
    f.filterVlanId2 = keptInt(r.filterVlanId2, ui->sbVlan2);

    macChanged = writeInterfaceFields(r, f);

    // The text fields show what was written: an address that did not pass
    // its pattern shows the stored one again, a MAC typed with '-' or in
    // capitals shows as the record holds it.
    const InterfaceFields written = interfaceFieldsOf(r);
    ui->lMAC->setText(written.mac);
    if (!f.dhcp) {
        ui->lIP->setText(written.ip);
        ui->lMask->setText(written.mask);
        ui->lGate->setText(written.gateway);
    }
    for (int i = 0; i < MaxVlanTags; ++i)
        tpidEdits.at(i)->setText(written.tpid[i]);
    for (int i = 0; i < MaxMplsEntries; ++i)
        labelEdits.at(i)->setText(written.label[i]);
    ui->leMacDest->setText(written.filterMac);
    ui->leIpDest->setText(written.filterIp);
    // The rest, rows and filter included, is drawn by resetColors().
    for (QWidget *w : {static_cast<QWidget *>(ui->sVLAN), static_cast<QWidget *>(ui->sMPLS)})
        black(w);

    emit sendSettings(r);
    return true;
}

// ---- change marking ----------------------------------------------------------------

void IFaceForm::markField(bool differs)
{
    if (differs)
        emit dataChanged(m_port);
}

void IFaceForm::markCheck(QCheckBox *box, bool checked, bool stored)
{
    if (checked == stored) {
        black(box);
    } else {
        blue(box);
        emit dataChanged(m_port);
    }
}

void IFaceForm::speedToggled(QCheckBox *box, uint8_t modes, bool checked)
{
    if (!m_settings)
        return;
    // Unchecking always counts as an edit, even of a mode the record lacks.
    if (checked && (m_settings->linkModes & modes)) {
        black(box);
    } else {
        blue(box);
        emit dataChanged(m_port);
    }
    if (!checked && !ui->c10->isChecked() && !ui->c100->isChecked() && !ui->c1000->isChecked()) {
        // At least one speed stays on: the last one off turns all on.
        for (QCheckBox *b : {ui->c10, ui->c100, ui->c1000})
            b->setChecked(true);
    }
}

void IFaceForm::duplexToggled(QCheckBox *box, QCheckBox *other, uint8_t modes, bool checked)
{
    if (!m_settings)
        return;
    if (checked && (m_settings->linkModes & modes)) {
        black(box);
    } else {
        blue(box);
        emit dataChanged(m_port);
    }
    if (!checked)
        other->setChecked(true);
}

void IFaceForm::c10toggled(bool checked) { speedToggled(ui->c10, LinkModes10, checked); }
void IFaceForm::c100toggled(bool checked) { speedToggled(ui->c100, LinkModes100, checked); }
void IFaceForm::c1000toggled(bool checked) { speedToggled(ui->c1000, LinkModes1000, checked); }
void IFaceForm::cHDXtoggled(bool checked) { duplexToggled(ui->cHDX, ui->cFDX, LinkModesHalf, checked); }
void IFaceForm::cFDXtoggled(bool checked) { duplexToggled(ui->cFDX, ui->cHDX, LinkModesFull, checked); }

void IFaceForm::cDHCPToggled(bool checked)
{
    if (!m_settings)
        return;
    markCheck(ui->cDHCP, checked, m_settings->dhcp != 0);
    // A static address typed but not applied gives way to the stored one.
    showAddresses();
}

void IFaceForm::bDefaultMacClicked()
{
    const get_device_info_resp_t info = device->getDeviceInfo();
    const std::array<uint8_t, 6> mac = defaultMac(info.deviceType, info.serialNumber, m_port);
    const QString text = macToString(mac.data());
    ui->lMAC->setText(text);
    // Marked like any other edit, so that the port counts as edited and
    // Apply can send the new address.
    lMACchanged(text);
}

void IFaceForm::markText(QLineEdit *edit, const QString &text, QString InterfaceFields::*stored)
{
    if (m_settings)
        markField(markChangedString(edit, text, interfaceFieldsOf(*m_settings).*stored));
}

void IFaceForm::markValue(QSpinBox *box, int value, int InterfaceFields::*stored)
{
    if (m_settings)
        markField(markChangedInt(box, value, shownValue(box, interfaceFieldsOf(*m_settings).*stored)));
}

void IFaceForm::lMACchanged(const QString &text) { markText(ui->lMAC, text, &InterfaceFields::mac); }
void IFaceForm::lIPchanged(const QString &text) { markText(ui->lIP, text, &InterfaceFields::ip); }
void IFaceForm::lMaskChanged(const QString &text) { markText(ui->lMask, text, &InterfaceFields::mask); }
void IFaceForm::lGateChanged(const QString &text) { markText(ui->lGate, text, &InterfaceFields::gateway); }

void IFaceForm::sVLANchanged(int count)
{
    if (!m_settings)
        return;
    markField(markChangedInt(ui->sVLAN, count, shownValue(ui->sVLAN, m_settings->vlanCount)));
    // Default TPIDs for the tags now in use, shown for the operator to
    // apply; a TPID of his own choosing (stored or typed) is kept.
    for (int i = 0; i < count && i < MaxVlanTags; ++i) {
        QLineEdit *edit = tpidEdits.at(i);
        if (tpidReplaceable(tpidFromText(edit->text())))
            edit->setText(tpidText(defaultTpid(count, i)));
    }
    showRows(vlanTable(), count);
    markField(markRows(vlanTable(), count));
}

void IFaceForm::sMPLSchanged(int count)
{
    if (!m_settings)
        return;
    markField(markChangedInt(ui->sMPLS, count, shownValue(ui->sMPLS, m_settings->mplsCount)));
    showRows(mplsTable(), count);
    markRows(mplsTable(), count);
}

void IFaceForm::markRowText(QLineEdit *edit, const QString &text, QString (InterfaceFields::*stored)[RowsPerTable], int row)
{
    if (m_settings)
        markField(markChangedString(edit, text, (interfaceFieldsOf(*m_settings).*stored)[row]));
}

void IFaceForm::markRowValue(QSpinBox *box, int value, int (InterfaceFields::*stored)[RowsPerTable], int row)
{
    if (m_settings)
        markField(markChangedInt(box, value, (interfaceFieldsOf(*m_settings).*stored)[row]));
}

void IFaceForm::lTPID1Changed(const QString &text) { markRowText(ui->lTPID1, text, &InterfaceFields::tpid, 0); }
void IFaceForm::lTPID2Changed(const QString &text) { markRowText(ui->lTPID2, text, &InterfaceFields::tpid, 1); }
void IFaceForm::lTPID3Changed(const QString &text) { markRowText(ui->lTPID3, text, &InterfaceFields::tpid, 2); }
void IFaceForm::sPCP1Changed(int value) { markRowValue(ui->sPCP1, value, &InterfaceFields::pcp, 0); }
void IFaceForm::sPCP2Changed(int value) { markRowValue(ui->sPCP2, value, &InterfaceFields::pcp, 1); }
void IFaceForm::sPCP3Changed(int value) { markRowValue(ui->sPCP3, value, &InterfaceFields::pcp, 2); }
void IFaceForm::sVID1Changed(int value) { markRowValue(ui->sVID1, value, &InterfaceFields::vid, 0); }
void IFaceForm::sVID2Changed(int value) { markRowValue(ui->sVID2, value, &InterfaceFields::vid, 1); }
void IFaceForm::sVID3Changed(int value) { markRowValue(ui->sVID3, value, &InterfaceFields::vid, 2); }
void IFaceForm::lValue1Changed(const QString &text) { markRowText(ui->lValue1, text, &InterfaceFields::label, 0); }
void IFaceForm::lValue2Changed(const QString &text) { markRowText(ui->lValue2, text, &InterfaceFields::label, 1); }
void IFaceForm::lValue3Changed(const QString &text) { markRowText(ui->lValue3, text, &InterfaceFields::label, 2); }
void IFaceForm::sQoS1Changed(int value) { markRowValue(ui->sQoS1, value, &InterfaceFields::trafficClass, 0); }
void IFaceForm::sQoS2Changed(int value) { markRowValue(ui->sQoS2, value, &InterfaceFields::trafficClass, 1); }
void IFaceForm::sQoS3Changed(int value) { markRowValue(ui->sQoS3, value, &InterfaceFields::trafficClass, 2); }
void IFaceForm::sTTL1Changed(int value) { markRowValue(ui->sTTL1, value, &InterfaceFields::ttl, 0); }
void IFaceForm::sTTL2Changed(int value) { markRowValue(ui->sTTL2, value, &InterfaceFields::ttl, 1); }
void IFaceForm::sTTL3Changed(int value) { markRowValue(ui->sTTL3, value, &InterfaceFields::ttl, 2); }

// ---- filter ---------------------------------------------------------------------------

void IFaceForm::filterToggled(QCheckBox *box, uint8_t eth_settings_t::*flag, bool checked)
{
    if (m_settings)
        markCheck(box, checked, (*m_settings).*flag != 0);
}

void IFaceForm::on_cbMacDest_toggled(bool checked) { filterToggled(ui->cbMacDest, &eth_settings_t::filterMacDest, checked); }
void IFaceForm::on_cbMacSource_toggled(bool checked)
{
    filterToggled(ui->cbMacSource, &eth_settings_t::filterMacSrcEqDest, checked);
}
void IFaceForm::on_cbIpDest_toggled(bool checked) { filterToggled(ui->cbIpDest, &eth_settings_t::filterIpDest, checked); }
void IFaceForm::on_cbIpSource_toggled(bool checked)
{
    filterToggled(ui->cbIpSource, &eth_settings_t::filterIpSrcEqDest, checked);
}
void IFaceForm::on_cbVlan1_toggled(bool checked) { filterToggled(ui->cbVlan1, &eth_settings_t::filterVlan1, checked); }
void IFaceForm::on_cbVlan2_toggled(bool checked) { filterToggled(ui->cbVlan2, &eth_settings_t::filterVlan2, checked); }

void IFaceForm::on_sbVlan1_valueChanged(int value) { markValue(ui->sbVlan1, value, &InterfaceFields::filterVlanId1); }
void IFaceForm::on_sbVlan2_valueChanged(int value) { markValue(ui->sbVlan2, value, &InterfaceFields::filterVlanId2); }
void IFaceForm::on_leMacDest_textEdited(const QString &text)
{
    markText(ui->leMacDest, text, &InterfaceFields::filterMac);
}
void IFaceForm::on_leIpDest_textEdited(const QString &text) { markText(ui->leIpDest, text, &InterfaceFields::filterIp); }
