#include "trafficflowstatswidget.h"
#include "ui_trafficflowstatswidget.h"

#include "widgethelpers.h"

#include <QHeaderView>

namespace {
constexpr int CountColumn = 0;
constexpr int CoefColumn = 1;
constexpr int MinimumColumnWidth = 80;
} // namespace

TrafficFlowStatsWidget::TrafficFlowStatsWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::TrafficFlowStatsWidget)
{
    ui->setupUi(this);
    // The columns take the widest count (up to 14 digits of bytes) and the
    // table the size of all its rows and columns, so nothing is cut or
    // scrolled whatever the counters and the font.
    QHeaderView *columns = ui->tRes->horizontalHeader();
    columns->setMinimumSectionSize(MinimumColumnWidth);
    columns->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->tRes->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    fitTable();
}

void TrafficFlowStatsWidget::fitTable()
{
    // The layout may give the table less than its size hint; its minimum
    // size holds every row and column.
    ui->tRes->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
    fitTableToContents(ui->tRes, QSize());
}

TrafficFlowStatsWidget::~TrafficFlowStatsWidget()
{
    delete ui;
}

void TrafficFlowStatsWidget::retranslate()
{
    ui->retranslateUi(this);
    fitTable();
}

void TrafficFlowStatsWidget::fillStats(unsigned status, const flow_stats_t *stats, bool running,
                                       unsigned packetLength)
{
    showStats(flowStatsView(status, stats, running, packetLength));
}

void TrafficFlowStatsWidget::showStats(const FlowStatsView &view)
{
    ui->statuslineEdit->setText(view.status);
    for (int row = 0; row < FlowStatsRows; ++row) {
        if (QTableWidgetItem *item = tableItem(ui->tRes, row, CountColumn))
            item->setData(Qt::DisplayRole, view.count[row]);
        if (view.coef[row].isNull())
            continue;
        if (QTableWidgetItem *item = tableItem(ui->tRes, row, CoefColumn))
            item->setData(Qt::DisplayRole, view.coef[row]);
    }
    fitTable();
}
