#include "pingform.h"
#include "ui_pingform.h"

#include "device.h"
#include "iptoolsformat.h"
#include "widgethelpers.h"

#include <QStringList>
#include <QVector>

#include <cstring>

static_assert(sizeof(ping_results_t) == testResultsSize(TestPing), "ping results size");

namespace {
// The designer's column widths and table size, the least they keep.
const QVector<int> ColumnWidths = {50, 70, 60, 0};
const QSize TableMinimum(270, 150);
} // namespace

PingForm::PingForm(Device *device, QWidget *parent)
    : ProbeForm(device, device->getPingInfo(), parent)
    , ui(new Ui::PingForm)
{
    ui->setupUi(this);
    initProbeGui(ui->lIP, ui->sFrame, ui->sPause, ui->bStart, ui->bStop, ui->bApply, ui->bReset,
                 ui->saveReportButton);
    fitResults();
}

PingForm::~PingForm()
{
    delete ui;
}

void PingForm::refitToFont()
{
    ProbeForm::refitToFont();
    fitResults();
}

void PingForm::retranslate()
{
    ui->retranslateUi(this);
    fitAddress();
    fitResults();
    redrawResults();
}

void PingForm::fitResults()
{
    // The largest counts and times the record holds, with every status text.
    ping_settings_t settings;
    std::memset(&settings, 0, sizeof settings);
    settings.frame_size = 65535;
    ping_results_t results;
    std::memset(&results, 0xFF, sizeof results);
    results.pending = 0;
    results.received = 0;
    results.avg_latency = 4294967295.0f;
    results.min_latency = 4294967294u;
    QVector<QStringList> columns(PingColumns);
    QStringList statistics;
    for (int status = 0; status <= PingNoConnection; ++status) {
        for (int k = 0; k < PingRequestEntries; ++k) {
            results.requests[k].status = uint8_t(k == 0 ? status : PingReplied);
            results.requests[k].number = uint16_t(65535 - k);
        }
        const PingResultsView v = pingResultsView(&settings, &results);
        for (int row = 0; row < PingRequestEntries; ++row) {
            for (int column = 0; column < PingColumns; ++column)
                columns[column] << v.cells[row][column];
        }
        statistics << v.sent << v.received << v.lost << v.average << v.minimum << v.maximum;
    }
    fitColumnsTo(ui->tPingRes, ColumnWidths, columns, TableMinimum);
    // Six rows and no more: the table does not grow into empty space.
    ui->tPingRes->setMaximumHeight(ui->tPingRes->minimumHeight());
    for (QLineEdit *field : {ui->lSent, ui->lReceive, ui->lLost, ui->lAvrg, ui->lMin, ui->lMax})
        reserveWidthFor(field, statistics);
}

// ---- results ----------------------------------------------------------------

void PingForm::fillFormFromResults()
{
    const std::optional<ping_settings_t> s = settingsAs<ping_settings_t>();
    const std::optional<ping_results_t> r = testInfo->getResultsAs<ping_results_t>(currentPort());
    const PingResultsView v = pingResultsView(s ? &*s : nullptr, r ? &*r : nullptr);
    for (int row = 0; row < PingRequestEntries; ++row) {
        for (int column = 0; column < PingColumns; ++column) {
            if (QTableWidgetItem *item = tableItem(ui->tPingRes, row, column))
                item->setData(Qt::DisplayRole, v.cells[row][column]);
        }
    }
    showText(ui->lSent, v.sent);
    showText(ui->lReceive, v.received);
    showText(ui->lLost, v.lost);
    showText(ui->lAvrg, v.average);
    showText(ui->lMin, v.minimum);
    showText(ui->lMax, v.maximum);
}
