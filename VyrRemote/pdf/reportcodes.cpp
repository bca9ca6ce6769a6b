#include "reportcodes.h"

#include "asymrecords.h"
#include "iptoolsformat.h"

#include <QCoreApplication>

#include <algorithm>
#include <bitset>

namespace {

QString word(const char *text)
{
    return QCoreApplication::translate("PDFCreator", text);
}

} // namespace

QString asymDirectionReportText(uint8_t direction)
{
    switch (direction) {
    case DirectionOutput: return word(QT_TRANSLATE_NOOP("PDFCreator", "Output"));
    case DirectionInput: return word(QT_TRANSLATE_NOOP("PDFCreator", "Input"));
    case DirectionBoth: return word(QT_TRANSLATE_NOOP("PDFCreator", "Both"));
    default: return word(QT_TRANSLATE_NOOP("PDFCreator", "Unknown"));
    }
}

QString pingReportStatusText(uint8_t status)
{
    switch (status) {
    case PingRequested: return word(QT_TRANSLATE_NOOP("PDFCreator", "Request"));
    case PingReplied: return word(QT_TRANSLATE_NOOP("PDFCreator", "OK"));
    case PingTimedOut: return word(QT_TRANSLATE_NOOP("PDFCreator", "Timeout"));
    case PingInterrupted: return word(QT_TRANSLATE_NOOP("PDFCreator", "Interrupted"));
    case PingNoConnection: return word(QT_TRANSLATE_NOOP("PDFCreator", "No conn."));
    default: return QStringLiteral("---");
    }
}

std::array<int, PingRequestEntries> pingReportOrder(const ping_results_t &results)
{
    std::array<int, PingRequestEntries> order{};
    for (int i = 0; i < PingRequestEntries; ++i)
        order[size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&results](int a, int b) {
        return results.requests[a].number > results.requests[b].number;
    });
    return order;
}

QString traceHopReportAddress(const trace_hop_t &hop)
{
    switch (hop.status) {
    case TraceHopTimedOut: return word(QT_TRANSLATE_NOOP("PDFCreator", "timeout"));
    case TraceHopNoConnection: return word(QT_TRANSLATE_NOOP("PDFCreator", "No connection"));
    default: return traceHopView(hop).address;   // as the form: "...", the address, "-"
    }
}

QString dnsReportStatusText(uint8_t outcome)
{
    static const char *const texts[] = {
        "",
        QT_TRANSLATE_NOOP("PDFCreator", "Passed"),
        QT_TRANSLATE_NOOP("PDFCreator", "In progress"),
        QT_TRANSLATE_NOOP("PDFCreator", "Illegal argument"),
        QT_TRANSLATE_NOOP("PDFCreator", "Timeout"),
        QT_TRANSLATE_NOOP("PDFCreator", "Error"),
        QT_TRANSLATE_NOOP("PDFCreator", "Not connected"),
    };
    constexpr int Outcomes = int(sizeof texts / sizeof texts[0]);
    const int code = outcome & 7;
    if (code == 0)
        return QString();
    return word(code < Outcomes ? texts[code] : QT_TRANSLATE_NOOP("PDFCreator", "Unknown"));
}

int ipScanAnswerCount(const ipscan_results_t &results)
{
    int n = 0;
    for (uint8_t bits : results.answered)
        n += int(std::bitset<8>(bits).count());
    return n;
}

int ipScanResultsKeepRows(int answered, int rowsPerPage)
{
    constexpr int TitleAndTime = 2;
    const int whole = answered + TitleAndTime;
    return whole <= rowsPerPage ? whole : TitleAndTime + 1;
}
