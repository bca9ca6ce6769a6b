#pragma once

#include "asymformat.h"

#include <QWidget>

namespace Ui {
class TrafficFlowStatsWidget;
}

// One direction's statistics of the asymmetric traffic test: a status line
// above a table of counters and their shares of the transmitted frames. A
// plain QWidget embedded twice by AsymTrafficForm and re-texted by it; it
// keeps what the last fill wrote. GUI thread only.
class TrafficFlowStatsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TrafficFlowStatsWidget(QWidget *parent = nullptr);
    ~TrafficFlowStatsWidget() override;

    void retranslate();
    // Shows one flow's statistics (see flowStatsView); a null record shows
    // "-" everywhere.
    void fillStats(unsigned status, const flow_stats_t *stats, bool running, unsigned packetLength);
    void showStats(const FlowStatsView &view);

private:
    void fitTable();

    Ui::TrafficFlowStatsWidget *ui;
};
