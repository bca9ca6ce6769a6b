// Body of the cable diagnostics report (test id 12): per port, the four
// pairs of the cable with status, distance, channel, polarity and latency.

#include "pdfcreator.h"

#include "cableformat.h"
#include "cablerecords.h"

static_assert(sizeof(cable_results_t) == testResultsSize(TestCable), "cable results in a report");

namespace {

constexpr int CableTableWidth = 6000;
constexpr int LatencyStepNs = 8;

} // namespace

void PDFCreator::drawCableResults(int x, int &y, const ReportFile &report)
{
    const int savedWidth = m_tableWidth;
    m_tableWidth = CableTableWidth;
    // Both ports, whatever the model: the tester stores both records.
    drawSectionTitle(x, y, tr("Port A"), 7, SectionFill);
    drawCablePairTable(x, y, report.results<cable_results_t>(PortA));
    y += RowHeight;
    drawSectionTitle(x, y, tr("Port B"), 7, SectionFill);
    drawCablePairTable(x, y, report.results<cable_results_t>(PortB));
    y += RowHeight;
    m_tableWidth = savedWidth;
}

void PDFCreator::drawCablePairTable(int x, int &y, const cable_results_t &cable)
{
    static const char *const statuses[] = {
        QT_TR_NOOP("Good"), QT_TR_NOOP("Short"), QT_TR_NOOP("Open"), QT_TR_NOOP("Fault"), QT_TR_NOOP("Fair"),
    };
    QStringList status{tr("Status")};
    QStringList length{tr("Length, m")};
    QStringList channel{tr("Channel")};
    QStringList polarity{tr("Polarity")};
    QStringList latency{tr("Latency, ns")};
    for (int k = 0; k < CablePairCount; ++k) {
        const cable_pair_status_t &pair = cable.pair[k];
        status << (pair.status < CablePairStatusCount ? tr(statuses[pair.status]) : tr("Unknown"));
        length << (pair.status == CablePairGood ? QString() : QString::number(cableDistanceMetres(pair.distance)));
        if (!cable.detailsValid) {
            channel << QString();
            polarity << QString();
            latency << QString();
            continue;
        }
        // Pairs 1-2 and 3-6 carry channels A and B, straight or crossed;
        // pairs 4-5 and 7-8 channels C and D.
        const bool straight = k < 2 ? cable.abStraight != 0 : cable.cdStraight != 0;
        channel << QString(QLatin1Char(straight ? "ABCD"[k] : "BADC"[k]));
        polarity << (cable.detail[k].polarity ? QStringLiteral("-") : QStringLiteral("+"));
        latency << QString::number(int(cable.detail[k].latency) * LatencyStepNs);
    }
    drawColumnsRow(x, y, {tr("Pair"), QStringLiteral("1-2"), QStringLiteral("3-6"), QStringLiteral("4-5"),
                          QStringLiteral("7-8")});
    for (const QStringList &row : {status, length, channel, polarity, latency})
        drawColumnsRow(x, y, row);
}
