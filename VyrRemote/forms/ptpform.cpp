#include "ptpform.h"
#include "ui_ptpform.h"

#include "device.h"
#include "keptvalues.h"
#include "ptpformat.h"
#include "textfunctions.h"
#include "trafficformat.h"
#include "widgethelpers.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QRegExpValidator>
#include <QSignalBlocker>
#include <QStringList>

#include <cstdint>
#include <cstring>

static_assert(sizeof(ptp_settings_t) == testSettingsSize(TestPtp), "PTP settings size");
static_assert(sizeof(ptp_results_t) == testResultsSize(TestPtp), "PTP results size");

namespace {

constexpr int ValueColumn = 0;
constexpr int ServerNameColumn = 0;
constexpr int ServerAddressColumn = 1;
const char *const InitialServerAddress = "0.0.0.0";
// The designer's sizes; larger where the texts of the language in force
// need it.
const QSize ServerBoxMinimum(260, 280);
const QSize ServerTableMinimum(0, 0);
const QSize InformationTableMinimum(300, 300);
const QSize StatisticsTableMinimum(0, 0);
const QSize MeasureTableMinimum(0, 0);

// Delays whose texts are the longest of each unit step.
const int32_t LongDelays[] = {INT32_MIN, -999999999, -999999, -123456, -999, 0};

QStringList dashAnd(const QStringList &texts)
{
    return QStringList(QStringLiteral("-")) + texts;
}

} // namespace

PTPForm::PTPForm(Device *device, QWidget *parent)
    : TestForm(device, device->getPtpInfo(), parent)
    , ui(new Ui::PTPForm)
{
    ui->setupUi(this);
    setIpv4Validator(ui->lIPMaster);
    showServerTable();
    fitPages();

    connect(ui->rUnicast, &QRadioButton::toggled, this, &PTPForm::changeUnicast);
    connect(ui->cAutoDomain, &QCheckBox::toggled, this, &PTPForm::changeAutoDomain);
    connect(ui->cUnicastNeg, &QCheckBox::toggled, this, &PTPForm::changeUnicastNeg);

    initGui(ui->bStartXX, nullptr, ui->bStop, ui->bApply, ui->bReset, ui->gPTP, nullptr, ui->saveReportButton);

    connect(ui->sDomain, qOverload<int>(&QSpinBox::valueChanged), this, &PTPForm::sDomainChanged);
    connect(ui->sAnnInt, qOverload<int>(&QSpinBox::valueChanged), this, &PTPForm::sAnnIntChanged);
    connect(ui->sSyncInt, qOverload<int>(&QSpinBox::valueChanged), this, &PTPForm::sSyncIntChanged);
    connect(ui->tDur, &QTimeEdit::timeChanged, this, &PTPForm::tDurChanged);
    connect(ui->lIPMaster, &QLineEdit::textEdited, this, &PTPForm::lIPMasterChanged);
}

PTPForm::~PTPForm()
{
    delete ui;
}

void PTPForm::retranslate()
{
    ui->retranslateUi(this);
    setTitles();
    showServerTable();
    fitPages();
    redrawResults();
}

void PTPForm::refitToFont()
{
    fitPages();
}

void PTPForm::fitPages()
{
    QStringList names{QStringLiteral("BMCA")};
    names << ptpServerRow(1, 1).name << ptpServerRow(1, 0).name;
    const QStringList addresses = dashAnd({QStringLiteral("255.255.255.255"), QLatin1String(InitialServerAddress)});
    fitColumnTo(ui->tSrv, ServerNameColumn, 0, names);
    fitColumnTo(ui->tSrv, ServerAddressColumn, 0, addresses);
    fitTableToContents(ui->tSrv, ServerTableMinimum);
    reserveRoomFor(ui->groupBox_3, ServerBoxMinimum);

    // The widest text of each row: every field at its longest.
    ptp_master_info_t master;
    std::memset(&master, 0xFF, sizeof master);
    master.announce_interval = master.sync_interval = INT8_MIN;
    master.utc_offset = INT16_MIN;
    QStringList info(dashAnd({}));
    for (const QString &text : ptpMasterInfoView(&master).row)
        info << text;
    fitColumnTo(ui->tInformation, ValueColumn, 0, info);
    fitTableToContents(ui->tInformation, InformationTableMinimum);

    const QStringList counts = dashAnd({QString::number(UINT32_MAX)});
    for (QTableWidget *table : {ui->tRxFrames, ui->tTxFrames}) {
        fitColumnTo(table, ValueColumn, 0, counts);
        fitTableToContents(table, StatisticsTableMinimum);
    }

    QStringList delays(dashAnd({}));
    for (const int32_t ns : LongDelays)
        delays << nanosecondsToString(float(ns)) << nanosecondsToString(-float(ns));
    fitColumnTo(ui->tMeasure, ValueColumn, 0, delays);
    fitTableToContents(ui->tMeasure, MeasureTableMinimum);
    // The short tables end with their last row; the page's stretch takes
    // the rest.
    for (QTableWidget *table : {ui->tRxFrames, ui->tTxFrames, ui->tMeasure})
        table->setMaximumHeight(table->minimumHeight());
    const QStringList times = dashAnd({secondsToString(UINT32_MAX)});
    reserveWidthFor(ui->lElapsed, times);
    reserveWidthFor(ui->lEstimate, times);
}

// ---- settings ---------------------------------------------------------------

void PTPForm::activate()
{
    refillAll = true;
    TestForm::activate();
}

void PTPForm::currentProcessChanged(port_t port)
{
    // Another port's record: every field from it, not only the server list.
    if (!isHidden())
        refillAll = true;
    TestForm::currentProcessChanged(port);
}

void PTPForm::bResetClicked()
{
    refillAll = true;
    setFieldColour(ui->lIPMaster, ui->rUnicast->isChecked() ? fieldColourEqual() : fieldColourUnused());
    TestForm::bResetClicked();
}

void PTPForm::deviceStatusUpdated()
{
    TestForm::deviceStatusUpdated();
    if (isHidden())
        return;
    // The server list follows the tester while the test is idle; a running
    // test keeps the list it started with.
    const port_t port = currentPort();
    if (!device->testInProcess(port, uchar(getTestId())))
        emit receiveSettings(port);
}

void PTPForm::fillFormFromSettings()
{
    const std::optional<ptp_settings_t> r = settingsAs<ptp_settings_t>();
    if (!r)
        return;
    if (!refillAll) {
        fillServerTable(*r);
        return;
    }
    fillAllFields(*r);
    refillAll = false;
}

void PTPForm::fillAllFields(const ptp_settings_t &r)
{
    const ptp_client_settings_t &c = r.client;
    {
        // Filling is no edit: the compares run once, below, on the result.
        const QSignalBlocker unicast(ui->rUnicast), multicast(ui->rMulticast), duration(ui->tDur),
            autoDomain(ui->cAutoDomain), domain(ui->sDomain), master(ui->lIPMaster), negotiation(ui->cUnicastNeg),
            announce(ui->sAnnInt), sync(ui->sSyncInt);
        (ptpIsMulticast(c.mode) ? ui->rMulticast : ui->rUnicast)->setChecked(true);
        // A duration of a day or more is no time of day: the editor keeps
        // its time, and the mark below shows that it differs.
        showDuration(ui->tDur, r.duration);
        ui->cAutoDomain->setChecked(c.auto_domain != 0);
        ui->sDomain->setValue(c.domain);
        ui->lIPMaster->setText(ipToString(c.master_ip));
        ui->cUnicastNeg->setChecked(c.unicast_negotiation != 0);
        // Values outside -5..5 are clamped by the boxes and marked below.
        ui->sAnnInt->setValue(c.announce_interval);
        ui->sSyncInt->setValue(c.sync_interval);
    }
    fillServerTable(r);
    selectServerRow(c.server_index);

    const bool unicast = ui->rUnicast->isChecked();
    changeUnicast(unicast);
    changeAutoDomain(ui->cAutoDomain->isChecked());
    sDomainChanged(ui->sDomain->value());
    tDurChanged(ui->tDur->time());
    lIPMasterChanged(ui->lIPMaster->text());
    if (!unicast)
        setFieldColour(ui->lIPMaster, fieldColourUnused());
    // An interval the box could not show is marked whatever the mode.
    if (ui->sAnnInt->value() != c.announce_interval)
        sAnnIntChanged(ui->sAnnInt->value());
    if (ui->sSyncInt->value() != c.sync_interval)
        sSyncIntChanged(ui->sSyncInt->value());
}

void PTPForm::fillServerTable(const ptp_settings_t &r)
{
    for (int i = 0; i < PtpServerCount; ++i) {
        const PtpServerRow row = ptpServerRow(i, r.servers[i]);
        for (const auto &cell : {qMakePair(ServerNameColumn, row.name), qMakePair(ServerAddressColumn, row.address)}) {
            if (QTableWidgetItem *item = tableItem(ui->tSrv, i, cell.first)) {
                item->setText(cell.second);
                item->setTextAlignment(Qt::AlignCenter);
            }
        }
    }
}

void PTPForm::showServerTable()
{
    if (const std::optional<ptp_settings_t> r = settingsAs<ptp_settings_t>()) {
        fillServerTable(*r);
        return;
    }
    ptp_settings_t none;
    std::memset(&none, 0, sizeof none);
    fillServerTable(none);
    for (int i = 0; i < PtpServerCount; ++i)
        tableItem(ui->tSrv, i, ServerAddressColumn)->setText(QLatin1String(InitialServerAddress));
}

void PTPForm::selectServerRow(uint8_t serverIndex)
{
    const int row = ptpServerRowOf(serverIndex);
    if (row >= 0)
        ui->tSrv->setCurrentCell(row, ServerNameColumn);
    else
        ui->tSrv->selectionModel()->clear();
}

void PTPForm::fillSettingsFromForm()
{
    std::optional<ptp_settings_t> r = settingsAs<ptp_settings_t>();
    if (!r)
        return;
    ptp_client_settings_t &c = r->client;
    c.mode = ptpWrittenMode(c.mode, ui->rMulticast->isChecked());
    r->duration = timeToDuration(ui->tDur->time());
    c.auto_domain = ptpWrittenFlag(c.auto_domain, ui->cAutoDomain->isChecked());
    c.domain = uint8_t(ui->sDomain->value());
    c.master_ip = stringToIp(ui->lIPMaster->text());
    c.unicast_negotiation = ptpWrittenFlag(c.unicast_negotiation, ui->cUnicastNeg->isChecked());
    c.announce_interval = int8_t(ui->sAnnInt->value());
    c.sync_interval = int8_t(ui->sSyncInt->value());
    c.server_index = ptpWrittenServerIndex(c.server_index, ui->tSrv->currentRow());
    storeSettings(*r);
}

// ---- modes ------------------------------------------------------------------

void PTPForm::changeUnicast(bool unicast)
{
    ui->lIPMaster->setEnabled(unicast);
    if (unicast)
        lIPMasterChanged(ui->lIPMaster->text());
    else
        setFieldColour(ui->lIPMaster, fieldColourUnused());
    ui->cUnicastNeg->setEnabled(unicast);
    changeUnicastNeg(ui->cUnicastNeg->isChecked());

    const std::optional<ptp_settings_t> r = settingsAs<ptp_settings_t>();
    if (!r)
        return;
    const bool storedMulticast = ptpIsMulticast(r->client.mode);
    const bool differs = storedMulticast == unicast;
    for (QWidget *w : {static_cast<QWidget *>(ui->rMulticast), static_cast<QWidget *>(ui->rUnicast)})
        setFieldColour(w, differs ? fieldColourChanged() : fieldColourEqual());
    markField(differs);
    // The interval colours follow the stored mode: grey while the tester
    // holds multicast, in which it takes the master's intervals.
    if (storedMulticast) {
        setFieldColour(ui->sAnnInt, fieldColourUnused());
        setFieldColour(ui->sSyncInt, fieldColourUnused());
    } else {
        markIntervals();
    }
}

void PTPForm::changeUnicastNeg(bool on)
{
    const bool inUse = on && ui->rUnicast->isChecked();
    ui->sAnnInt->setEnabled(inUse);
    ui->sSyncInt->setEnabled(inUse);
    if (inUse) {
        markIntervals();
    } else {
        setFieldColour(ui->sAnnInt, fieldColourUnused());
        setFieldColour(ui->sSyncInt, fieldColourUnused());
    }
    if (const std::optional<ptp_settings_t> r = settingsAs<ptp_settings_t>())
        markField(markChangedBool(ui->cUnicastNeg, on, r->client.unicast_negotiation != 0));
}

void PTPForm::changeAutoDomain(bool on)
{
    ui->sDomain->setEnabled(!on);
    if (const std::optional<ptp_settings_t> r = settingsAs<ptp_settings_t>())
        markField(markChangedBool(ui->cAutoDomain, on, r->client.auto_domain != 0));
}

void PTPForm::markIntervals()
{
    const std::optional<ptp_settings_t> r = settingsAs<ptp_settings_t>();
    if (!r) {
        setFieldColour(ui->sAnnInt, fieldColourEqual());
        setFieldColour(ui->sSyncInt, fieldColourEqual());
        return;
    }
    markField(markChangedInt(ui->sAnnInt, ui->sAnnInt->value(), r->client.announce_interval));
    markField(markChangedInt(ui->sSyncInt, ui->sSyncInt->value(), r->client.sync_interval));
}

// ---- edited fields ----------------------------------------------------------

void PTPForm::sDomainChanged(int value)
{
    if (const std::optional<ptp_settings_t> r = settingsAs<ptp_settings_t>())
        markField(markChangedInt(ui->sDomain, value, r->client.domain));
}

void PTPForm::sAnnIntChanged(int value)
{
    if (const std::optional<ptp_settings_t> r = settingsAs<ptp_settings_t>())
        markField(markChangedInt(ui->sAnnInt, value, r->client.announce_interval));
}

void PTPForm::sSyncIntChanged(int value)
{
    if (const std::optional<ptp_settings_t> r = settingsAs<ptp_settings_t>())
        markField(markChangedInt(ui->sSyncInt, value, r->client.sync_interval));
}

void PTPForm::lIPMasterChanged(const QString &text)
{
    if (const std::optional<ptp_settings_t> r = settingsAs<ptp_settings_t>())
        markField(markChangedString(ui->lIPMaster, text, ipToString(r->client.master_ip)));
}

void PTPForm::tDurChanged(const QTime &time)
{
    if (const std::optional<ptp_settings_t> r = settingsAs<ptp_settings_t>())
        markField(markChangedDuration(ui->tDur, time, r->duration));
}

void PTPForm::gotApplied()
{
    TestForm::gotApplied();
    setFieldColour({ui->rMulticast, ui->rUnicast, ui->cUnicastNeg, ui->cAutoDomain, ui->sDomain, ui->sAnnInt,
                    ui->sSyncInt, ui->lIPMaster, ui->tDur},
                   fieldColourEqual());
    if (!ui->rUnicast->isChecked())
        setFieldColour(ui->lIPMaster, fieldColourUnused());
    if (ui->cAutoDomain->isChecked())
        setFieldColour(ui->sDomain, fieldColourUnused());
    if (!ui->cUnicastNeg->isChecked()) {
        setFieldColour(ui->sAnnInt, fieldColourUnused());
        setFieldColour(ui->sSyncInt, fieldColourUnused());
    }
}

// ---- results ----------------------------------------------------------------

void PTPForm::fillFormFromResults()
{
    const std::optional<ptp_settings_t> s = settingsAs<ptp_settings_t>();
    const std::optional<ptp_results_t> q = testInfo->getResultsAs<ptp_results_t>(currentPort());
    const PtpResultsView v = ptpResultsView(s ? &*s : nullptr, q ? &*q : nullptr);

    auto show = [](QTableWidget *table, const QString *texts, int rows) {
        for (int row = 0; row < rows; ++row) {
            if (QTableWidgetItem *item = tableItem(table, row, ValueColumn))
                item->setText(texts[row]);
        }
    };
    show(ui->tInformation, v.info.row, PtpInfoRows);
    show(ui->tRxFrames, v.rx, PtpRxRows);
    show(ui->tTxFrames, v.tx, PtpTxRows);
    show(ui->tMeasure, v.measure, PtpMeasureRows);
    showText(ui->lElapsed, v.elapsed);
    showText(ui->lEstimate, v.estimate);
}
