#include "scaleadjform.h"
#include "ui_scaleadjform.h"

#include "device.h"
#include "keptvalues.h"
#include "syncformat.h"
#include "textfunctions.h"
#include "trafficformat.h"
#include "widgethelpers.h"

static_assert(sizeof(sync_settings_t) == testSettingsSize(TestSync), "synchronisation settings size");
static_assert(sizeof(sync_results_t) == testResultsSize(TestSync), "synchronisation results size");

#include <QHeaderView>
#include <QRegExpValidator>
#include <QStringList>
#include <QStyle>

#include <limits>

namespace {

constexpr int PageGpsData = 3;
constexpr int PageGpsSatellites = 4;
constexpr int ValueColumn = 0;
constexpr int ServerNameColumn = 0;
constexpr int ServerAddressColumn = 1;
// The designer's widths and table sizes; wider and larger where the texts
// of the language in force need it.
constexpr int GpsValueWidth = 200;
constexpr int ResultsValueWidth = 200;
constexpr int SatelliteWidths[SatelliteColumns] = {50, 100, 100, 50, 50};
constexpr int AddressFieldWidth = 110;
constexpr int SourceBoxWidth = 100;
const QSize ServerTableMinimum(240, 260);
const QSize PtpTableMinimum(300, 300);
const QSize GpsTableMinimum(300, 240);
const QSize SatelliteTableMinimum(560, 300);
const QSize NtpTableMinimum(230, 200);
const QSize ResultsTableMinimum(240, 170);

// The widest address a table or field shows.
const char *const WidestAddress = "255.255.255.255";

void setCell(QTableWidget *table, int row, int column, const QString &text)
{
    if (QTableWidgetItem *item = tableItem(table, row, column))
        item->setText(text);
}

// A table with a fixed set of rows: wide enough for its row headers and
// the widest text of each column, tall enough for every row and no taller,
// so that nothing is cut and no scroll bar shows. A stretched last column
// keeps its stretch.
void fitRowsTable(QTableWidget *table, const QSize &minimum, const QVector<int> &minimumColumns,
                  const QVector<QStringList> &texts)
{
    int width = 2 * table->frameWidth();
    const QHeaderView *side = table->verticalHeader();
    const QHeaderView *top = table->horizontalHeader();
    if (!side->isHidden())
        width += side->sizeHint().width();
    for (int c = 0; c < table->columnCount(); ++c) {
        fitColumnTo(table, c, minimumColumns.value(c), texts.value(c));
        width += table->columnWidth(c);
    }
    const int height = 2 * table->frameWidth() + (top->isHidden() ? 0 : top->sizeHint().height()) + side->length();
    const QSize size = minimum.expandedTo(QSize(width, height));
    table->setMinimumSize(size);
    table->setMaximumHeight(size.height());
}

// A one-column table of values beside their row headers.
void fitValueTable(QTableWidget *table, int minimumColumn, const QSize &minimum, const QStringList &texts)
{
    fitRowsTable(table, minimum, {minimumColumn}, {texts});
}

} // namespace

ScaleAdjForm::ScaleAdjForm(Device *device, QWidget *parent)
    : TestForm(device, device->getScaleAdjInfo(), parent)
    , ui(new Ui::ScaleAdjForm)
{
    ui->setupUi(this);

    ui->tGpsInf->setColumnWidth(ValueColumn, GpsValueWidth);
    for (int c = 0; c < SatelliteColumns; ++c)
        ui->tGpsSatInf->setColumnWidth(c, SatelliteWidths[c]);
    ui->tScalRes->setColumnWidth(ValueColumn, ResultsValueWidth);

    for (QLineEdit *address : {ui->lIPMaster, ui->NTP1IPaddr, ui->NTP2IPaddr})
        setIpv4Validator(address);

    fillServerTableEmpty();

    initGui(ui->bStartXX, nullptr, ui->bStop, ui->bApply, ui->bReset, ui->gScaleMeas, nullptr,
            ui->saveReportButton);

    // activated() comes only from the operator's choice, never from a refill.
    connect(ui->cbBase, qOverload<int>(&QComboBox::activated), this, &ScaleAdjForm::baseFreqActivated);
    connect(ui->cbMeas, qOverload<int>(&QComboBox::activated), this, &ScaleAdjForm::measFreqActivated);
    connect(ui->rUnicast, &QRadioButton::toggled, this, &ScaleAdjForm::changeUnicast);
    connect(ui->cAutoDomain, &QCheckBox::toggled, this, &ScaleAdjForm::changeAutoDomain);
    connect(ui->cUnicastNeg, &QCheckBox::toggled, this, &ScaleAdjForm::changeUnicastNeg);
    connect(ui->bNTP1NTP1, &QPushButton::clicked, this, &ScaleAdjForm::runNTP_NTP);
    connect(ui->sDomain, qOverload<int>(&QSpinBox::valueChanged), this, &ScaleAdjForm::sDomainChanged);
    connect(ui->sAnnInt, qOverload<int>(&QSpinBox::valueChanged), this, &ScaleAdjForm::sAnnIntChanged);
    connect(ui->sSyncInt, qOverload<int>(&QSpinBox::valueChanged), this, &ScaleAdjForm::sSyncIntChanged);
    connect(ui->tDur, &QTimeEdit::timeChanged, this, &ScaleAdjForm::tDurChanged);
    connect(ui->lIPMaster, &QLineEdit::textEdited, this, &ScaleAdjForm::lIPMasterChanged);
    connect(ui->NTP1IPaddr, &QLineEdit::textEdited, this, &ScaleAdjForm::NTP1IPaddrChanged);
    connect(ui->NTP2IPaddr, &QLineEdit::textEdited, this, &ScaleAdjForm::NTP2IPaddrChanged);
    connect(ui->sNTP1interval, qOverload<int>(&QSpinBox::valueChanged), this, &ScaleAdjForm::sNTP1intervalChanged);
    connect(ui->sNTP2interval, qOverload<int>(&QSpinBox::valueChanged), this, &ScaleAdjForm::sNTP2intervalChanged);
    connect(ui->sNTP1port, qOverload<int>(&QSpinBox::valueChanged), this, &ScaleAdjForm::sNTP1portChanged);
    connect(ui->sNTP2port, qOverload<int>(&QSpinBox::valueChanged), this, &ScaleAdjForm::sNTP2portChanged);

    connect(ui->cbRTI, &QCheckBox::toggled, this, &ScaleAdjForm::changecbRTI);

    ui->tScaleSettings->setTabEnabled(PageGpsData, false);
    ui->tScaleSettings->setTabEnabled(PageGpsSatellites, false);

    fitPages();
}

ScaleAdjForm::~ScaleAdjForm()
{
    delete ui;
}

void ScaleAdjForm::refitToFont()
{
    fitPages();
}

void ScaleAdjForm::retranslate()
{
    ui->retranslateUi(this);
    setTitles();
    // Texts the form wrote itself, again in the new language from what it
    // holds: the source lists keep their choice, the server table and the
    // GPS pages are drawn from the held record.
    if (ui->cbBase->count() > 0) {
        fillBaseSources();
        fillMeasSources();
    }
    if (const std::optional<sync_settings_t> r = settingsAs<sync_settings_t>()) {
        fillServerTable(r->servers);
        fillGpsInfo(r->gps);
    } else {
        fillServerTableEmpty();
    }
    fitPages();
    redrawResults();
}

void ScaleAdjForm::fitPages()
{
    // The longest texts of each field: the largest counts and times the
    // records hold, and every word the tables can show.
    const QStringList times = {secondsToString(std::numeric_limits<uint32_t>::max()), QStringLiteral("-")};
    reserveWidthFor(ui->lElapsed, times);
    reserveWidthFor(ui->lEstimated, times);

    const QString s = QCoreApplication::translate("ScaleAdjForm", "s");
    const QStringList ptpTexts = {QStringLiteral("00-00-00-00-00-00-00-00"), QLatin1String(WidestAddress),
                                  QStringLiteral("-32768 ") + s, QStringLiteral("65535"), QStringLiteral("0xFF")};
    fitValueTable(ui->tPTPInfo, 0, PtpTableMinimum, ptpTexts);

    const QStringList ntpTexts = {QLatin1String(WidestAddress), QStringLiteral("-32768.0000 ") + s,
                                  QStringLiteral("WWWW"), QStringLiteral("-128")};
    fitValueTable(ui->tNTP1, 0, NtpTableMinimum, ntpTexts);
    fitValueTable(ui->tNTP2, 0, NtpTableMinimum, ntpTexts);

    const QStringList resultTexts = {nanosecondsToString(-2147483648.0f), durationToString(4294967295.0),
                                     dateTimeToString(0)};
    fitValueTable(ui->tScalRes, ResultsValueWidth, ResultsTableMinimum, resultTexts);

    const QString yes = QCoreApplication::translate("ScaleAdjForm", "Yes");
    const QString no = QCoreApplication::translate("ScaleAdjForm", "No");
    const QStringList gpsTexts = {yes, no, gpsLatitudeText(-180.0f, 1), gpsDopText(-1.23457e-30f),
                                  QStringLiteral("4294967295")};
    fitValueTable(ui->tGpsInf, GpsValueWidth, GpsTableMinimum, gpsTexts);

    // The satellite list scrolls through its 32 rows; its columns and the
    // vertical scroll bar fit side by side.
    const QString byte = QStringLiteral("255");
    const QStringList satelliteTexts[SatelliteColumns] = {{byte}, {byte}, {QStringLiteral("65535")}, {byte}, {yes, no}};
    QTableWidget *satellites = ui->tGpsSatInf;
    int satellitesWidth = 2 * satellites->frameWidth()
                          + satellites->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, satellites);
    for (int c = 0; c < SatelliteColumns; ++c) {
        fitColumnTo(satellites, c, SatelliteWidths[c], satelliteTexts[c]);
        satellitesWidth += satellites->columnWidth(c);
    }
    satellites->setMinimumSize(SatelliteTableMinimum.expandedTo(QSize(satellitesWidth, 0)));

    const QStringList names = {QStringLiteral("BMCA"), QCoreApplication::translate("ScaleAdjForm", "Server"),
                               QCoreApplication::translate("ScaleAdjForm", "None")};
    fitRowsTable(ui->tSrv, ServerTableMinimum, {0, 0}, {names, {QLatin1String(WidestAddress)}});

    // Address fields show a whole address.
    for (QLineEdit *address : {ui->lIPMaster, ui->NTP1IPaddr, ui->NTP2IPaddr}) {
        reserveWidthFor(address, {QLatin1String(WidestAddress)});
        address->setMinimumWidth(qMax(address->minimumWidth(), AddressFieldWidth));
    }
}

// ---- time sources -------------------------------------------------------------

uint32_t ScaleAdjForm::sourceMask() const
{
    return device->getDeviceStatus().syncSources;
}

bool ScaleAdjForm::isSourceAvailable(uint8_t source) const
{
    return syncSourceAvailable(sourceMask(), source);
}

bool ScaleAdjForm::areSourcesAvailable(uint8_t a, uint8_t b) const
{
    return isSourceAvailable(a) && isSourceAvailable(b);
}

bool ScaleAdjForm::selectAvailableSources(uint8_t &reference, uint8_t &measured) const
{
    return syncSelectAvailableSources(sourceMask(), reference, measured);
}

void ScaleAdjForm::fillBaseSources()
{
    fillSourceBox(ui->cbBase, baseSource, SyncSourceNone);
}

void ScaleAdjForm::fillMeasSources()
{
    // The measured list never offers the reference source.
    fillSourceBox(ui->cbMeas, measSource, baseSource);
}

void ScaleAdjForm::fillSourceBox(QComboBox *box, uint8_t source, uint8_t leaveOut)
{
    box->clear();
    if (source == SyncSourceNone) {
        box->addItem(syncSourceName(SyncSourceNone));
        box->setCurrentIndex(0);
        box->setEnabled(false);
    } else {
        for (uint8_t n : syncSourceChoices(sourceMask(), leaveOut))
            box->addItem(syncSourceName(n));
        box->setCurrentIndex(qMax(0, box->findText(syncSourceName(source))));
        box->setEnabled(true);
    }
    // The page's layout gives the box its minimum width: room for the
    // longest entry in the language in force.
    box->setMinimumWidth(qMax(SourceBoxWidth, box->sizeHint().width()));
}

void ScaleAdjForm::baseFreqActivated()
{
    const std::optional<sync_settings_t> r = settingsAs<sync_settings_t>();
    if (!r)
        return;
    enableApply();
    baseSource = syncSourceFromName(ui->cbBase->currentText());
    setFieldColour(ui->cbBase, baseSource == r->reference ? fieldColourEqual() : fieldColourChanged());
    if (measSource == baseSource) {
        measSource = syncOtherSource(sourceMask(), baseSource);
        if (measSource == SyncSourceNone) {
            baseSource = SyncSourceNone;
            fillBaseSources();
        }
    }
    fillMeasSources();
    measFreqActivated();
}

void ScaleAdjForm::measFreqActivated()
{
    const std::optional<sync_settings_t> r = settingsAs<sync_settings_t>();
    if (!r)
        return;
    enableApply();
    measSource = syncSourceFromName(ui->cbMeas->currentText());
    setFieldColour(ui->cbMeas, measSource == r->measured ? fieldColourEqual() : fieldColourChanged());
}

// ---- settings ---------------------------------------------------------------

void ScaleAdjForm::fillFormFromSettings()
{
    const std::optional<sync_settings_t> r = settingsAs<sync_settings_t>();
    if (!r)
        return;
    const uint32_t mask = sourceMask();
    if (refillAll) {
        baseSource = r->reference;
        measSource = r->measured;
        selectAvailableSources(baseSource, measSource);
        fillBaseSources();
        fillMeasSources();
    } else if (selectAvailableSources(baseSource, measSource) || mask != lastSourceMask) {
        fillBaseSources();
        fillMeasSources();
    }
    lastSourceMask = mask;

    if (!refillAll) {
        // The re-read of an idle form: only what the tester fills; what the
        // operator typed stays.
        fillServerTable(r->servers);
        fillGpsInfo(r->gps);
        return;
    }
    refillFields(*r);
    refillAll = false;
}

void ScaleAdjForm::refillFields(const sync_settings_t &r)
{
    filling = true;
    showDuration(ui->tDur, r.duration);
    ui->cbRTI->setChecked(r.relative_time_interval != 0);

    if (syncIsMulticast(r.ptp.mode)) {
        changeUnicast(false);
        ui->rMulticast->setChecked(true);
    } else {
        ui->rUnicast->setChecked(true);
    }
    ui->cAutoDomain->setChecked(r.ptp.auto_domain != 0);
    ui->sDomain->setValue(r.ptp.domain);
    const QString master = ipToString(r.ptp.master_ip);
    ui->lIPMaster->setText(master);
    lIPMasterChanged(master);
    ui->cUnicastNeg->setChecked(r.ptp.unicast_negotiation != 0);
    ui->sAnnInt->setValue(r.ptp.announce_interval);
    ui->sSyncInt->setValue(r.ptp.sync_interval);
    ui->cConvertToUTC->setChecked(r.convert_to_utc != 0);

    ui->NTP1IPaddr->setText(ipToString(r.ntp1_ip));
    ui->NTP2IPaddr->setText(ipToString(r.ntp2_ip));
    ui->sNTP1port->setValue(r.ntp1_port);
    ui->sNTP2port->setValue(r.ntp2_port);
    ui->sNTP1interval->setValue(r.ntp1_interval);
    ui->sNTP2interval->setValue(r.ntp2_interval);

    fillServerTable(r.servers);
    const int row = syncServerRowOf(r.ptp.server_index);
    if (row >= 0) {
        ui->tSrv->setCurrentCell(row, ServerNameColumn);
    } else {
        ui->tSrv->setCurrentIndex(QModelIndex());
        ui->tSrv->clearSelection();
    }
    fillGpsInfo(r.gps);
    filling = false;
    markUnshownValues(r);
}

void ScaleAdjForm::markUnshownValues(const sync_settings_t &r)
{
    // The address texts are set without a signal: compared here, so that a
    // field the operator had changed before a reset does not stay blue.
    NTP1IPaddrChanged(ui->NTP1IPaddr->text());
    NTP2IPaddrChanged(ui->NTP2IPaddr->text());
    tDurChanged(ui->tDur->time());
    // A spin box that clamped a stored value may not have changed at all
    // (and so not compared); the four NTP boxes have no grey state.
    sNTP1portChanged(ui->sNTP1port->value());
    sNTP2portChanged(ui->sNTP2port->value());
    sNTP1intervalChanged(ui->sNTP1interval->value());
    sNTP2intervalChanged(ui->sNTP2interval->value());
    if (ui->sAnnInt->value() != r.ptp.announce_interval)
        sAnnIntChanged(ui->sAnnInt->value());
    if (ui->sSyncInt->value() != r.ptp.sync_interval)
        sSyncIntChanged(ui->sSyncInt->value());
}

void ScaleAdjForm::fillSettingsFromForm()
{
    std::optional<sync_settings_t> r = settingsAs<sync_settings_t>();
    if (!r)
        return;
    r->reference = baseSource;
    r->measured = measSource;
    r->duration = timeToDuration(ui->tDur->time());
    r->relative_time_interval = syncWrittenFlag(r->relative_time_interval, ui->cbRTI->isChecked());
    r->ptp.mode = syncWrittenMode(r->ptp.mode, ui->rMulticast->isChecked());
    r->ptp.auto_domain = syncWrittenFlag(r->ptp.auto_domain, ui->cAutoDomain->isChecked());
    r->ptp.domain = uint8_t(ui->sDomain->value());
    r->ptp.master_ip = stringToIp(ui->lIPMaster->text());
    r->ptp.unicast_negotiation = syncWrittenFlag(r->ptp.unicast_negotiation, ui->cUnicastNeg->isChecked());
    r->ptp.announce_interval = int8_t(ui->sAnnInt->value());
    r->ptp.sync_interval = int8_t(ui->sSyncInt->value());
    r->convert_to_utc = syncWrittenFlag(r->convert_to_utc, ui->cConvertToUTC->isChecked());
    const int row = ui->tSrv->currentIndex().isValid() ? ui->tSrv->currentRow() : -1;
    r->ptp.server_index = syncWrittenServerIndex(r->ptp.server_index, row);
    r->ntp1_ip = stringToIp(ui->NTP1IPaddr->text());
    r->ntp1_port = uint16_t(ui->sNTP1port->value());
    r->ntp1_interval = uint16_t(ui->sNTP1interval->value());
    r->ntp2_ip = stringToIp(ui->NTP2IPaddr->text());
    r->ntp2_port = uint16_t(ui->sNTP2port->value());
    r->ntp2_interval = uint16_t(ui->sNTP2interval->value());
    storeSettings(*r);
}

void ScaleAdjForm::fillServerTable(const uint32_t *servers)
{
    for (int i = 0; i < SyncServerCount; ++i) {
        const SyncServerRow row = syncServerRow(i, servers[i]);
        setCell(ui->tSrv, i, ServerNameColumn, row.name);
        setCell(ui->tSrv, i, ServerAddressColumn, row.address);
    }
}

void ScaleAdjForm::fillServerTableEmpty()
{
    // Before the first record: every row "None", "0.0.0.0", centred.
    for (int i = 0; i < SyncServerCount; ++i) {
        for (int c : {ServerNameColumn, ServerAddressColumn}) {
            if (QTableWidgetItem *item = tableItem(ui->tSrv, i, c))
                item->setTextAlignment(Qt::AlignCenter);
        }
        setCell(ui->tSrv, i, ServerNameColumn, QCoreApplication::translate("ScaleAdjForm", "None"));
        setCell(ui->tSrv, i, ServerAddressColumn, ipToString(0));
    }
}

void ScaleAdjForm::fillGpsInfo(const gps_info_t &gps)
{
    const SyncGpsView v = syncGpsView(gps);
    for (int row = 0; row < GpsInfoRows; ++row)
        setCell(ui->tGpsInf, row, ValueColumn, v.info[row]);
    ui->tGpsSatInf->setRowCount(v.satelliteRows);
    for (int i = 0; i < v.satelliteRows; ++i) {
        for (int c = 0; c < SatelliteColumns; ++c)
            setCell(ui->tGpsSatInf, i, c, v.satellite[i][c]);
    }
}

// ---- PTP mode and flags ---------------------------------------------------------

void ScaleAdjForm::changeUnicast(bool unicast)
{
    ui->lIPMaster->setEnabled(unicast);
    setFieldColour(ui->lIPMaster, unicast ? fieldColourEqual() : fieldColourUnused());
    ui->cUnicastNeg->setEnabled(unicast);
    changeUnicastNeg(ui->cUnicastNeg->isChecked());
    const std::optional<sync_settings_t> r = settingsAs<sync_settings_t>();
    if (!r)
        return;
    const bool differs = unicast == syncIsMulticast(r->ptp.mode);
    setFieldColour({ui->rMulticast, ui->rUnicast}, differs ? fieldColourChanged() : fieldColourEqual());
    markField(differs);
}

void ScaleAdjForm::changeUnicastNeg(bool on)
{
    const bool intervals = on && ui->rUnicast->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(ui->sAnnInt), static_cast<QWidget *>(ui->sSyncInt)}) {
        w->setEnabled(intervals);
        setFieldColour(w, intervals ? fieldColourEqual() : fieldColourUnused());
    }
    if (unicastNegFirstCall) {
        unicastNegFirstCall = false;
        return;
    }
    const std::optional<sync_settings_t> r = settingsAs<sync_settings_t>();
    if (r)
        markField(markChangedBool(ui->cUnicastNeg, on, r->ptp.unicast_negotiation != 0));
}

void ScaleAdjForm::changeAutoDomain(bool on)
{
    ui->sDomain->setEnabled(!on);
    const std::optional<sync_settings_t> r = settingsAs<sync_settings_t>();
    if (r)
        markField(markChangedBool(ui->cAutoDomain, on, r->ptp.auto_domain != 0));
}

void ScaleAdjForm::changecbRTI(bool on)
{
    const std::optional<sync_settings_t> r = settingsAs<sync_settings_t>();
    if (r)
        markField(markChangedBool(ui->cbRTI, on, r->relative_time_interval != 0));
}

// ---- edited fields --------------------------------------------------------------

void ScaleAdjForm::markAgainstRecord(const std::function<bool(const sync_settings_t &)> &differs)
{
    if (const std::optional<sync_settings_t> r = settingsAs<sync_settings_t>())
        markField(differs(*r));
}

void ScaleAdjForm::markField(bool differs)
{
    if (!filling)
        TestForm::markField(differs);
}

void ScaleAdjForm::tDurChanged(const QTime &time)
{
    // A stored duration of a day or more has no time of day: it stays marked.
    markAgainstRecord([&](const sync_settings_t &r) { return markChangedDuration(ui->tDur, time, r.duration); });
}

void ScaleAdjForm::sDomainChanged(int value)
{
    markAgainstRecord([&](const sync_settings_t &r) { return markChangedInt(ui->sDomain, value, r.ptp.domain); });
}

void ScaleAdjForm::sSyncIntChanged(int value)
{
    markAgainstRecord([&](const sync_settings_t &r) {
        return markChangedInt(ui->sSyncInt, value, r.ptp.sync_interval);
    });
}

void ScaleAdjForm::sAnnIntChanged(int value)
{
    markAgainstRecord([&](const sync_settings_t &r) {
        return markChangedInt(ui->sAnnInt, value, r.ptp.announce_interval);
    });
}

void ScaleAdjForm::lIPMasterChanged(const QString &s)
{
    markAgainstRecord([&](const sync_settings_t &r) {
        return markChangedString(ui->lIPMaster, s, ipToString(r.ptp.master_ip));
    });
}

void ScaleAdjForm::NTP1IPaddrChanged(const QString &s)
{
    markAgainstRecord([&](const sync_settings_t &r) {
        return markChangedString(ui->NTP1IPaddr, s, ipToString(r.ntp1_ip));
    });
}

void ScaleAdjForm::NTP2IPaddrChanged(const QString &s)
{
    markAgainstRecord([&](const sync_settings_t &r) {
        return markChangedString(ui->NTP2IPaddr, s, ipToString(r.ntp2_ip));
    });
}

void ScaleAdjForm::sNTP1intervalChanged(int value)
{
    markAgainstRecord([&](const sync_settings_t &r) {
        return markChangedInt(ui->sNTP1interval, value, r.ntp1_interval);
    });
}

void ScaleAdjForm::sNTP2intervalChanged(int value)
{
    markAgainstRecord([&](const sync_settings_t &r) {
        return markChangedInt(ui->sNTP2interval, value, r.ntp2_interval);
    });
}

void ScaleAdjForm::sNTP1portChanged(int value)
{
    markAgainstRecord([&](const sync_settings_t &r) { return markChangedInt(ui->sNTP1port, value, r.ntp1_port); });
}

void ScaleAdjForm::sNTP2portChanged(int value)
{
    markAgainstRecord([&](const sync_settings_t &r) { return markChangedInt(ui->sNTP2port, value, r.ntp2_port); });
}

void ScaleAdjForm::gotApplied()
{
    TestForm::gotApplied();
    setFieldColour({ui->rMulticast, ui->rUnicast, ui->cbBase, ui->cbMeas, ui->cAutoDomain, ui->cUnicastNeg, ui->sDomain,
                    ui->sAnnInt, ui->sSyncInt, ui->lIPMaster, ui->tDur},
                   fieldColourEqual());
    if (ui->cAutoDomain->isChecked())
        setFieldColour(ui->sDomain, fieldColourUnused());
    if (!ui->cUnicastNeg->isChecked()) {
        setFieldColour(ui->sAnnInt, fieldColourUnused());
        setFieldColour(ui->sSyncInt, fieldColourUnused());
    }
    setFieldColour({ui->NTP1IPaddr, ui->NTP2IPaddr, ui->sNTP1interval, ui->sNTP1port, ui->sNTP2interval,
                    ui->sNTP2port, ui->cbRTI},
                   fieldColourEqual());
}

// ---- buttons and refresh ----------------------------------------------------------

void ScaleAdjForm::runNTP_NTP()
{
    // NTP 1 against itself; the lists keep showing the operator's choice.
    baseSource = SyncSourceNtp1;
    measSource = SyncSourceNtp1;
    TestForm::bStartXXClicked();
}

void ScaleAdjForm::bResetClicked()
{
    refillAll = true;
    setFieldColour(ui->lIPMaster, fieldColourEqual());
    TestForm::bResetClicked();
}

void ScaleAdjForm::activate()
{
    refillAll = true;
    TestForm::activate();
}

void ScaleAdjForm::currentProcessChanged(port_t port)
{
    // Another port's record: every field from it, not only the parts the
    // tester fills.
    if (!isHidden())
        refillAll = true;
    TestForm::currentProcessChanged(port);
}

void ScaleAdjForm::deviceStatusUpdated()
{
    TestForm::deviceStatusUpdated();
    // While idle the tester-filled parts follow the tester once a second.
    if (!isHidden() && !device->testInProcess(currentPort(), uchar(TestSync)))
        emit receiveSettings(currentPort());
}

// ---- results ----------------------------------------------------------------

void ScaleAdjForm::fillFormFromResults()
{
    const std::optional<sync_settings_t> s = settingsAs<sync_settings_t>();
    const std::optional<sync_results_t> q = testInfo->getResultsAs<sync_results_t>(currentPort());
    const SyncResultsView v = syncResultsView(s ? &*s : nullptr, q ? &*q : nullptr);

    showText(ui->lElapsed, v.elapsed);
    showText(ui->lEstimated, v.estimated);
    for (int row = 0; row < SyncPtpRows; ++row)
        setCell(ui->tPTPInfo, row, ValueColumn, v.ptp[row]);
    QTableWidget *ntpTables[SyncNtpServers] = {ui->tNTP1, ui->tNTP2};
    for (int server = 0; server < SyncNtpServers; ++server) {
        for (int row = 0; row < NtpRows; ++row)
            setCell(ntpTables[server], row, ValueColumn, v.ntp[server][row]);
    }
    for (int row = 0; row < SyncResultRows; ++row)
        setCell(ui->tScalRes, row, ValueColumn, v.result[row]);
}
