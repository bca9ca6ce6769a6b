#include "traceform.h"
#include "ui_traceform.h"

#include "device.h"
#include "iptoolsformat.h"
#include "widgethelpers.h"

#include <QStringList>
#include <QStyle>
#include <QVector>

#include <cstring>

static_assert(sizeof(trace_results_t) == testResultsSize(TestTraceRoute), "trace results size");

namespace {
constexpr int NumberColumn = 0;
constexpr int AddressColumn = 1;
constexpr int LatencyColumn = 2;
constexpr int Columns = 3;
// The designer's column widths and table size, the least they keep.
const QVector<int> ColumnWidths = {30, 120, 0};
const QSize TableMinimum(250, 190);
// Between a cell's icon and its text, and before the icon.
constexpr int IconMargin = 8;
} // namespace

TraceForm::TraceForm(Device *device, QWidget *parent)
    : ProbeForm(device, device->getTraceInfo(), parent)
    , ui(new Ui::TraceForm)
    , probingIcon(QStringLiteral(":proc-icon.png"))
    , timedOutIcon(QStringLiteral(":info-icon.png"))
    , repliedIcon(QStringLiteral(":ok-icon.png"))
{
    ui->setupUi(this);
    connect(ui->sPage, qOverload<int>(&QSpinBox::valueChanged), this, &TraceForm::tracePageChanged);
    initProbeGui(ui->lIPdst, ui->sFrame, ui->sDelay, ui->bStart, ui->bStop, ui->bApply, ui->bReset,
                 ui->saveReportButton);
    fitResults();
}

TraceForm::~TraceForm()
{
    delete ui;
}

void TraceForm::refitToFont()
{
    ProbeForm::refitToFont();
    fitResults();
}

void TraceForm::retranslate()
{
    ui->retranslateUi(this);
    fitAddress();
    fitResults();
    redrawResults();
}

void TraceForm::fitResults()
{
    // Every state of a hop with the largest numbers and the longest address.
    trace_hop_t hop;
    std::memset(&hop, 0xFF, sizeof hop);
    hop.address = 0xFFFFFFFFu;   // 255.255.255.255, the widest dotted address
    QVector<QStringList> columns(Columns);
    for (int status = 0; status <= TraceHopNoConnection; ++status) {
        hop.status = uint8_t(status);
        const TraceHopView v = traceHopView(hop);
        columns[NumberColumn] << v.number;
        columns[AddressColumn] << v.address;
        columns[LatencyColumn] << v.latency;
    }
    QTableWidget *table = ui->tTraceRes;
    QVector<int> widths = ColumnWidths;
    fitColumnsTo(table, widths, columns, TableMinimum);
    // The icon and its margin stand before the address text.
    const int iconWidth = table->iconSize().isValid() ? table->iconSize().width()
                                                      : table->style()->pixelMetric(QStyle::PM_SmallIconSize);
    widths[AddressColumn] = table->columnWidth(AddressColumn) + iconWidth + IconMargin;
    fitColumnsTo(table, widths, columns, TableMinimum);
}

// ---- results ----------------------------------------------------------------

void TraceForm::tracePageChanged(int page)
{
    // Stored before the request is queued: that request and every later one
    // (the poll's too) carry the new page.
    testInfo->setResultsParam(int(traceResultsParam(page)));
    emit receiveResults(currentPort());
}

const QIcon &TraceForm::icon(TraceIcon icon) const
{
    switch (icon) {
    case TraceIcon::Probing: return probingIcon;
    case TraceIcon::Replied: return repliedIcon;
    case TraceIcon::TimedOut: return timedOutIcon;
    case TraceIcon::None: break;
    }
    return noIcon;
}

void TraceForm::fillFormFromResults()
{
    const std::optional<trace_results_t> r = testInfo->getResultsAs<trace_results_t>(currentPort());
    QTableWidget *table = ui->tTraceRes;
    for (int row = 0; row < TraceHopsPerPage; ++row) {
        QTableWidgetItem *number = tableItem(table, row, NumberColumn);
        QTableWidgetItem *address = tableItem(table, row, AddressColumn);
        QTableWidgetItem *latency = tableItem(table, row, LatencyColumn);
        if (!number || !address || !latency)
            continue;
        if (!r) {
            // No page: dashes; the icons shown stay as they are.
            for (QTableWidgetItem *item : {number, address, latency})
                item->setData(Qt::DisplayRole, QStringLiteral("-"));
            continue;
        }
        const TraceHopView v = traceHopView(r->hops[row]);
        number->setData(Qt::DisplayRole, v.number);
        address->setData(Qt::DisplayRole, v.address);
        address->setData(Qt::DecorationRole, icon(v.icon));
        latency->setData(Qt::DisplayRole, v.latency);
    }
}
