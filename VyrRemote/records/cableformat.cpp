#include "cableformat.h"

#include <QCoreApplication>

namespace {

const char *const NotMeasured = "...";
constexpr int LatencyStepNs = 8;

} // namespace

QString cableStatusText(uint8_t status)
{
    switch (status) {
    case CablePairGood: return QCoreApplication::translate("CableForm", "Good");
    case CablePairShort: return QCoreApplication::translate("CableForm", "Short");
    case CablePairOpen: return QCoreApplication::translate("CableForm", "Open");
    case CablePairFault: return QCoreApplication::translate("CableForm", "Fault");
    case CablePairImmi: return QCoreApplication::translate("CableForm", "Mismatch");
    default: return QCoreApplication::translate("CableForm", "Unknown (%1)").arg(status);
    }
}

int cableDistanceMetres(uint8_t raw)
{
    const float metres = float(double(raw) * 0.8018 - 28.751);
    if (metres < 0)
        return 0;
    return int(metres + 0.5f);
}

CableResultsView cableResultsView(const cable_results_t *results)
{
    CableResultsView v;
    if (!results)
        return v;
    const cable_results_t &r = *results;
    const QString notMeasured = QLatin1String(NotMeasured);
    // Which channel each pair carries: pairs 0/1 swap A and B, pairs 2/3 C and D.
    const char straight[CablePairCount] = {'A', 'B', 'C', 'D'};
    const char crossed[CablePairCount] = {'B', 'A', 'D', 'C'};
    for (int i = 0; i < CablePairCount; ++i) {
        const cable_pair_status_t &pair = r.pair[i];
        v.cell[CableRowStatus][i] = cableStatusText(pair.status);
        v.cell[CableRowLength][i] = pair.status == CablePairGood
                                        ? notMeasured
                                        : QString::number(cableDistanceMetres(pair.distance));
        if (!r.detailsValid) {
            v.cell[CableRowChannel][i] = v.cell[CableRowPolarity][i] = v.cell[CableRowLatency][i] = notMeasured;
            continue;
        }
        const bool isStraight = i < 2 ? r.abStraight != 0 : r.cdStraight != 0;
        v.cell[CableRowChannel][i] = QChar::fromLatin1(isStraight ? straight[i] : crossed[i]);
        v.cell[CableRowPolarity][i] = r.detail[i].polarity ? QStringLiteral("-") : QStringLiteral("+");
        v.cell[CableRowLatency][i] = QString::number(int(r.detail[i].latency) * LatencyStepNs);
    }
    return v;
}
