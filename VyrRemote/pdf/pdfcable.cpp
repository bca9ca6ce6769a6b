// Body of the cable diagnostics report (test id 12): per port, the four
// pairs of the cable with status, distance, channel, polarity and latency.

#include "pdfcreator.h"

#include "cableformat.h"
#include "cablerecords.h"

static_assert(sizeof(cable_results_t) == testResultsSize(TestCable), "cable results in a report");

namespace {

constexpr int CableTableWidth = 6000;

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
        QT_TR_NOOP("Good"), QT_TR_NOOP("Short"), QT_TR_NOOP("Open"), QT_TR_NOOP("Fault"), QT_TR_NOOP("Mismatch"),
    };
    QStringList status{tr("Status")};
    QStringList length{tr("Length, m")};
    QStringList channel{tr("Channel")};
    QStringList polarity{tr("Polarity")};
    QStringList latency{tr("Latency, ns")};
    // The form's cells but for the report's own status words and the empty
    // cells where the form shows "..." (no length for a good pair, no
    // details while they are not valid).
    const CableResultsView v = cableResultsView(&cable);
    for (int k = 0; k < CablePairCount; ++k) {
        const cable_pair_status_t &pair = cable.pair[k];
        status << (pair.status < CablePairStatusCount ? tr(statuses[pair.status]) : tr("Unknown"));
        length << (pair.status == CablePairGood ? QString() : v.cell[CableRowLength][k]);
        channel << (cable.detailsValid ? v.cell[CableRowChannel][k] : QString());
        polarity << (cable.detailsValid ? v.cell[CableRowPolarity][k] : QString());
        latency << (cable.detailsValid ? v.cell[CableRowLatency][k] : QString());
    }
    drawColumnsRow(x, y, {tr("Pair"), QStringLiteral("1-2"), QStringLiteral("3-6"), QStringLiteral("4-5"),
                          QStringLiteral("7-8")});
    for (const QStringList &row : {status, length, channel, polarity, latency})
        drawColumnsRow(x, y, row);
}
