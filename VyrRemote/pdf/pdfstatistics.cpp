// Body of the port statistics report (test id 1): the receive and transmit
// counters of both ports side by side.

#include "pdfcreator.h"

#include "statsformat.h"
#include "statsrecords.h"

static_assert(sizeof(stats_results_t) == testResultsSize(TestStatistics), "statistics results in a report");

namespace {

constexpr int StatsColumnWidth = 4000;
constexpr int StatsColumnGap = 100;

} // namespace

void PDFCreator::drawStatisticsResults(int x, int &y, const ReportFile &report)
{
    const int savedWidth = m_tableWidth;
    m_tableWidth = StatsColumnWidth;
    const StatsPortView ports[2] = {statsPortView(report.results<stats_results_t>(PortA)),
                                    statsPortView(report.results<stats_results_t>(PortB))};
    const QString portLabel[2] = {tr("Port") + QStringLiteral(" A"), tr("Port") + QStringLiteral(" B")};
    const QString rx = QStringLiteral("Rx");
    const QString tx = QStringLiteral("Tx");

    // Two columns side by side from the same row; the left one decides
    // where the next section starts.
    // Sections and rows named as in the statistics window (whose rows add the
    // port the report writes in a row of its own).
    drawSectionTitle(x, y, tr("Common data"), 11, SectionFill);
    int right = y - RowHeight;
    for (int p = 0; p < 2; ++p) {
        const StatsPortView &v = ports[p];
        drawThreeColumnRow(x, y, portLabel[p], rx, tx);
        drawThreeColumnRow(x, y, tr("Frames"), v.rx.frames, v.tx.frames);
        drawThreeColumnRow(x, y, tr("Bytes"), v.rx.bytes, v.tx.bytes);
    }
    const int rightX = x + m_tableWidth + StatsColumnGap;
    drawSectionTitle(rightX, right, tr("Frame types"), 11, SectionFill);
    for (int p = 0; p < 2; ++p) {
        const StatsPortView &v = ports[p];
        drawThreeColumnRow(rightX, right, portLabel[p], rx, tx);
        drawThreeColumnRow(rightX, right, tr("Broadcast", "frames"), v.rx.broadcast, v.tx.broadcast);
        drawThreeColumnRow(rightX, right, tr("Multicast", "frames"), v.rx.multicast, v.tx.multicast);
        drawThreeColumnRow(rightX, right, tr("Unicast", "frames"), v.rx.unicast, v.tx.unicast);
        drawThreeColumnRow(rightX, right, tr("Pause"), v.rx.pause, v.tx.pause);
    }
    y += RowHeight;

    drawSectionTitle(x, y, tr("Speed"), 9, SectionFill);
    for (int p = 0; p < 2; ++p) {
        const StatsPortView &v = ports[p];
        drawThreeColumnRow(x, y, portLabel[p], rx, tx);
        drawThreeColumnRow(x, y, QStringLiteral("L1"), v.rx.rateL1, v.tx.rateL1);
        drawThreeColumnRow(x, y, QStringLiteral("L2"), v.rx.rateL2, v.tx.rateL2);
        drawThreeColumnRow(x, y, QStringLiteral("L3"), v.rx.rateL3, v.tx.rateL3);
    }
    y += RowHeight;

    static const char *const sizes[StatsFrameSizeBins] = {"<64",     "64",       "65-127",    "128-255",
                                                          "256-511", "512-1023", "1024-1518", ">1518"};
    drawSectionTitle(x, y, tr("Frame sizes"), 19, SectionFill);
    for (int p = 0; p < 2; ++p) {
        drawThreeColumnRow(x, y, portLabel[p], rx, tx);
        for (int i = 0; i < StatsFrameSizeBins; ++i)
            drawThreeColumnRow(x, y, QLatin1String(sizes[i]), ports[p].rx.sizes[i], ports[p].tx.sizes[i]);
    }
    y += RowHeight;

    // Errors are counted on received traffic only.
    drawSectionTitle(x, y, tr("Frame errors"), 9, SectionFill);
    for (int p = 0; p < 2; ++p) {
        const StatsPortView &v = ports[p];
        drawTextRow(x, y, portLabel[p], rx);
        drawTextRow(x, y, QStringLiteral("CRC"), v.crcErrors);
        drawTextRow(x, y, QStringLiteral("Runts"), v.runts);
        drawTextRow(x, y, QStringLiteral("Jabber"), v.jabber);
    }
    m_tableWidth = savedWidth;
}
