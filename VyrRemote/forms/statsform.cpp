#include "statsform.h"
#include "ui_statsform.h"

#include "device.h"
#include "filenamedialog.h"
#include "statsformat.h"
#include "testform.h"
#include "testinfo.h"
#include "textfunctions.h"
#include "widgethelpers.h"

#include <QDebug>
#include <QSignalBlocker>

#include <utility>

static_assert(sizeof(stats_settings_t) == testSettingsSize(TestStatistics), "statistics settings size");
static_assert(sizeof(stats_results_t) == testResultsSize(TestStatistics), "statistics results size");

namespace {

constexpr int RowHeight = 20;   // as designed; more when the font needs it
// The room a column keeps however small its cells are: what a port of the
// tester (1 Gbit/s at most) counts in a day at the full line rate, so that
// the columns stand still through a working day. Bytes: 125 000 000 a
// second, 14 digits a day; frames: 1 488 096 a second at the least frame
// size, 12 digits. Errors, which a sound link counts in units, keep no
// room beyond their header. A larger count widens its column.
constexpr uint32_t LineRate = 125000000u;   // bytes per second
constexpr uint64_t SecondsOfADay = 86400u;
constexpr uint64_t DayOfBytes = LineRate * SecondsOfADay;
constexpr uint64_t DayOfFrames = 1488096u * SecondsOfADay;
constexpr int RxColumn = 0;
constexpr int TxColumn = 1;
// Rows of one port in each table; Port B's follow Port A's.
constexpr int CommonRowsPerPort = 2;
constexpr int TypeRowsPerPort = 4;
constexpr int SpeedRowsPerPort = 3;
constexpr int ErrorRowsPerPort = 3;

void setCell(QTableWidget *table, int row, int column, const QString &text)
{
    if (QTableWidgetItem *item = tableItem(table, row, column))
        item->setData(Qt::DisplayRole, text);
}

void setRow(QTableWidget *table, int row, const QString &rx, const QString &tx)
{
    setCell(table, row, RxColumn, rx);
    setCell(table, row, TxColumn, tx);
}

void showRows(QTableWidget *table, int first, int count, bool show)
{
    for (int row = first; row < first + count; ++row)
        table->setRowHidden(row, !show);
}

} // namespace

StatsForm::StatsForm(Device *device, QWidget *parent)
    : IRetranslatable(parent)
    , ui(new Ui::StatsForm)
    , device(device)
    , statsInfo(device->getStatsInfo())
{
    ui->setupUi(this);

    const auto q = Qt::QueuedConnection;
    connect(ui->bApply, &QPushButton::clicked, this, &StatsForm::bApplyClicked);
    connect(ui->bReset, &QPushButton::clicked, this, &StatsForm::bResetClicked);
    connect(ui->cRst, &QCheckBox::toggled, this, &StatsForm::cRstToggled);
    connect(ui->bResetStats, &QPushButton::clicked, device, &Device::resetStatistics, q);
    connect(ui->saveReportButton, &QPushButton::clicked, this, &StatsForm::bSaveReportClicked);
    connect(this, &StatsForm::receiveSettings, statsInfo, &TestInfo::receiveSettings, q);
    connect(this, &StatsForm::sendSettings, statsInfo, &TestInfo::sendSettings, q);
    connect(this, &StatsForm::receiveResults, statsInfo, &TestInfo::receiveResults, q);
    connect(statsInfo, &TestInfo::settingsReceived, this, &StatsForm::settingsReceived, q);
    connect(statsInfo, &TestInfo::resultsReceived, this, &StatsForm::resultsReceived, q);
    connect(device, &Device::deviceStatusUpdated, this, &StatsForm::deviceStatusUpdated, q);
    connect(this, &StatsForm::saveReportToFile, device, &Device::saveReportToFile, q);

    fitTables();
    ui->bApply->setEnabled(false);
}

StatsForm::~StatsForm()
{
    delete ui;
}

void StatsForm::retranslate()
{
    ui->retranslateUi(this);
    // Rates carry translated unit words: redraw what is held (and fit the
    // tables to the new texts).
    resultsReceived();
}

void StatsForm::changeEvent(QEvent *event)
{
    IRetranslatable::changeEvent(event);
    refitAfterFontChange(this, event, [this] { fitTables(); });
}

void StatsForm::fitTables()
{
    // Every row and column in sight, none scrolled: each column as wide as
    // the widest text it holds (a counter widens its column as it grows),
    // never narrower than its room for a day's counts; each table as large
    // as all of its rows and columns.
    const QString bytesRoom = statsCounterText(DayOfBytes);
    const QString framesRoom = statsCounterText(DayOfFrames);
    const QString rateRoom = rateToString(LineRate);
    const std::pair<QTableWidget *, QString> tables[] = {
        {ui->tCommon, bytesRoom},        {ui->tFrameTypes, framesRoom}, {ui->tSpeed, rateRoom},
        {ui->tFrameSizesA, framesRoom}, {ui->tFrameSizesB, framesRoom}, {ui->tFrameErrors, QString()},
    };
    for (const auto &table : tables) {
        QTableWidget *t = table.first;
        QVector<QStringList> texts(t->columnCount(), QStringList{table.second});
        for (int c = 0; c < t->columnCount(); ++c) {
            for (int r = 0; r < t->rowCount(); ++r) {
                if (const QTableWidgetItem *item = t->item(r, c))
                    texts[c] << item->text();
            }
        }
        fitRowsTo(t, RowHeight);
        fitColumnsTo(t, {}, texts, QSize());
        // No larger than that either: the tables beside take the room left.
        t->setMaximumSize(t->minimumSize());
    }
    // Port B's frame sizes stand beside Port A's and go by its row headers:
    // row for row at the same height.
    fitRowsTo(ui->tFrameSizesB, ui->tFrameSizesA->rowHeight(0));
    fitTableToContents(ui->tFrameSizesB, QSize());
    ui->tFrameSizesB->setMaximumSize(ui->tFrameSizesB->minimumSize());
}

// ---- requests ---------------------------------------------------------------

void StatsForm::activate()
{
    emit receiveSettings(PortA);
    const bool twoPorts = device->getPortsCount() > 1;
    showPortBRows(twoPorts);
    requestResults();
    show();
}

void StatsForm::showPortBRows(bool show)
{
    showRows(ui->tCommon, CommonRowsPerPort, CommonRowsPerPort, show);
    showRows(ui->tFrameTypes, TypeRowsPerPort, TypeRowsPerPort, show);
    showRows(ui->tSpeed, SpeedRowsPerPort, SpeedRowsPerPort, show);
    showRows(ui->tFrameErrors, ErrorRowsPerPort, ErrorRowsPerPort, show);
    ui->gPortB->setVisible(show);
}

void StatsForm::requestResults()
{
    emit receiveResults(PortA);
    if (device->getPortsCount() > 1)
        emit receiveResults(PortB);
}

void StatsForm::deviceStatusUpdated()
{
    // The only periodic refresh of the counters, and only for the shown window.
    if (!isHidden())
        requestResults();
}

// ---- the automatic reset flag -------------------------------------------------

void StatsForm::markAutoReset()
{
    const std::optional<stats_settings_t> s = statsInfo->getSettingsAs<stats_settings_t>(PortA);
    if (!s) {
        // No record of the tester holds this edit.
        setFieldColour(ui->cRst, fieldColourChanged());
        return;
    }
    // Any non-zero byte means on, as the box shows it.
    markChangedBool(ui->cRst, ui->cRst->isChecked() ? 1 : 0, s->autoReset != 0 ? 1 : 0);
}

void StatsForm::settingsReceived()
{
    // Whichever port was read, the box shows Port A's flag.
    const std::optional<stats_settings_t> s = statsInfo->getSettingsAs<stats_settings_t>(PortA);
    if (!s)
        return;
    {
        const QSignalBlocker quiet(ui->cRst);
        ui->cRst->setChecked(s->autoReset != 0);
    }
    markAutoReset();
}

void StatsForm::cRstToggled()
{
    ui->bApply->setEnabled(true);
    markAutoReset();
}

void StatsForm::bApplyClicked()
{
    std::optional<stats_settings_t> s = statsInfo->getSettingsAs<stats_settings_t>(PortA);
    if (!s) {
        // No record of the tester to write the flag into: nothing is sent,
        // the edit stays marked for another try, and the operator is told.
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "no statistics settings of Port A: nothing applied";
        TestForm::tellSettingsNotRead(this, false);
        return;
    }
    ui->bApply->setEnabled(false);
    setFieldColour(ui->cRst, fieldColourEqual());
    s->autoReset = ui->cRst->isChecked() ? 1 : 0;
    emit sendSettings(PortA, QByteArray(reinterpret_cast<const char *>(&*s), int(sizeof *s)));
}

void StatsForm::bResetClicked()
{
    emit receiveSettings(PortA);
}

void StatsForm::disableApply()
{
    ui->bApply->setEnabled(false);
}

void StatsForm::bSaveReportClicked()
{
    const QString name = FileNameDialog::askFileName(device, TestStatistics);
    if (!name.isEmpty())
        emit saveReportToFile(PortA, TestStatistics, name);
}

// ---- counters -----------------------------------------------------------------

void StatsForm::resultsReceived()
{
    // Each reply redraws every port that holds a record; a port without one
    // keeps the texts it had.
    const int ports = device->getPortsCount();
    for (int p = 0; p < ports && p <= int(PortB); ++p) {
        const std::optional<stats_results_t> r = statsInfo->getResultsAs<stats_results_t>(port_t(p));
        if (r)
            drawPort(p, statsPortView(*r));
    }
    fitTables();
}

void StatsForm::drawPort(int p, const StatsPortView &v)
{
    setRow(ui->tCommon, CommonRowsPerPort * p, v.rx.frames, v.tx.frames);
    setRow(ui->tCommon, CommonRowsPerPort * p + 1, v.rx.bytes, v.tx.bytes);

    const int types = TypeRowsPerPort * p;
    setRow(ui->tFrameTypes, types, v.rx.broadcast, v.tx.broadcast);
    setRow(ui->tFrameTypes, types + 1, v.rx.multicast, v.tx.multicast);
    setRow(ui->tFrameTypes, types + 2, v.rx.unicast, v.tx.unicast);
    setRow(ui->tFrameTypes, types + 3, v.rx.pause, v.tx.pause);

    const int speed = SpeedRowsPerPort * p;
    setRow(ui->tSpeed, speed, v.rx.rateL1, v.tx.rateL1);
    setRow(ui->tSpeed, speed + 1, v.rx.rateL2, v.tx.rateL2);
    setRow(ui->tSpeed, speed + 2, v.rx.rateL3, v.tx.rateL3);

    QTableWidget *sizes = p == PortA ? ui->tFrameSizesA : ui->tFrameSizesB;
    for (int bin = 0; bin < StatsFrameSizeBins; ++bin)
        setRow(sizes, bin, v.rx.sizes[bin], v.tx.sizes[bin]);

    const int errors = ErrorRowsPerPort * p;
    setCell(ui->tFrameErrors, errors, RxColumn, v.crcErrors);
    setCell(ui->tFrameErrors, errors + 1, RxColumn, v.runts);
    setCell(ui->tFrameErrors, errors + 2, RxColumn, v.jabber);
}
