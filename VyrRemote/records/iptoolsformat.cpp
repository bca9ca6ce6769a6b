#include "iptoolsformat.h"

#include "textfunctions.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

const char *const NoValue = "-";

QString dash()
{
    return QLatin1String(NoValue);
}

QString number(quint64 value)
{
    return QString::number(value);
}

QString milliseconds(const QString &value)
{
    return QStringLiteral("%1 %2").arg(value, QCoreApplication::translate("PingForm", "ms"));
}

// Request numbers as the table shows them: five digits, zero-filled.
QString requestNumber(uint16_t n)
{
    return QStringLiteral("%1").arg(uint(n), 5, 10, QLatin1Char('0'));
}

// The average round-trip time with one decimal; a value no round trip can
// have (not a number, infinite, negative or beyond the 32-bit counts of the
// other fields) has no text.
QString averageLatency(float ms)
{
    const double v = double(ms);
    if (!std::isfinite(v) || v < 0.0 || v > double(UINT32_MAX))
        return dash();
    return milliseconds(QString::number(v, 'f', 1));
}

} // namespace

QString completeAddressOr(const QString &text, uint32_t fallback)
{
    return isIpText(text) ? text : ipToString(fallback);
}

// ---- ping ---------------------------------------------------------------------

QString pingStatusText(uint8_t status)
{
    switch (status) {
    case PingRequested: return QCoreApplication::translate("PingForm", "Request");
    case PingReplied: return QCoreApplication::translate("PingForm", "OK");
    case PingTimedOut: return QCoreApplication::translate("PingForm", "Timeout");
    case PingInterrupted: return QCoreApplication::translate("PingForm", "Interrupted");
    case PingNoConnection: return QCoreApplication::translate("PingForm", "No conn.");
    default: return dash();
    }
}

PingResultsView pingResultsView(const ping_settings_t *settings, const ping_results_t *results)
{
    PingResultsView v;
    using Row = std::array<QString, PingColumns>;
    std::array<Row, PingRequestEntries> rows;
    for (Row &row : rows)
        row.fill(dash());

    if (!results) {
        v.sent = v.received = v.lost = v.average = v.minimum = v.maximum = dash();
    } else {
        const ping_results_t &r = *results;
        // Entry k holds request number n in row n mod 6; an empty entry
        // clears row k. Later entries overwrite earlier ones, in entry order.
        for (int k = 0; k < PingRequestEntries; ++k) {
            const ping_request_t &e = r.requests[k];
            if (e.number == 0) {
                rows[size_t(k)].fill(dash());
                continue;
            }
            Row &row = rows[e.number % PingRequestEntries];
            row[PingNumberColumn] = requestNumber(e.number);
            row[PingStatusColumn] = pingStatusText(e.status);
            row[PingFrameColumn] = settings ? number(settings->frame_size) : dash();
            row[PingLatencyColumn] = e.status == PingReplied ? number(e.latency) : dash();
        }
        // More awaited than sent is no count a tester can have: none are
        // taken as done rather than four billion.
        const uint32_t done = r.sent >= r.pending ? r.sent - r.pending : 0;
        v.sent = number(done);
        v.received = number(r.received);
        v.lost = number(done >= r.received ? done - r.received : 0);
        v.average = averageLatency(r.avg_latency);
        v.maximum = milliseconds(number(r.max_latency));
        v.minimum = r.min_latency == PingNoMinimum ? QStringLiteral("0") : milliseconds(number(r.min_latency));
    }

    // Highest request number first: the numbers are zero-filled, so their
    // texts sort as the numbers do, and "-" sorts below every digit.
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return a[PingNumberColumn] > b[PingNumberColumn];
    });
    for (int row = 0; row < PingRequestEntries; ++row) {
        for (int column = 0; column < PingColumns; ++column)
            v.cells[row][column] = rows[size_t(row)][size_t(column)];
    }
    return v;
}

// ---- trace route ------------------------------------------------------------

TraceHopView traceHopView(const trace_hop_t &hop)
{
    TraceHopView v;
    v.latency = dash();
    if (hop.status == TraceHopEmpty) {
        v.number = v.address = dash();
        return v;
    }
    v.number = number(hop.hop_number);
    switch (hop.status) {
    case TraceHopProbing:
        v.address = QStringLiteral("...");
        v.icon = TraceIcon::Probing;
        break;
    case TraceHopReplied:
    case TraceHopReached:
        v.address = ipToString(hop.address, true);
        v.icon = TraceIcon::Replied;
        v.latency = number(hop.latency);
        break;
    case TraceHopTimedOut:
        v.address = QCoreApplication::translate("TraceForm", "timeout");
        v.icon = TraceIcon::TimedOut;
        break;
    case TraceHopNoConnection:
        v.address = QCoreApplication::translate("TraceForm", "No conn.");
        break;
    default:
        v.address = dash();
        break;
    }
    return v;
}

uint32_t traceResultsParam(int page)
{
    return uint32_t(qBound(1, page, TracePages) - 1) * TraceHopsPerPage;
}

int traceHopsInUse(const trace_results_t &results)
{
    return int(qBound<int32_t>(0, results.hop_count, TraceHopsPerPage));
}

// ---- DNS ------------------------------------------------------------------------

QString dnsHostName(const dns_settings_t &settings)
{
    const char *text = reinterpret_cast<const char *>(settings.host_name);
    const void *nul = std::memchr(text, 0, DnsHostNameField);
    const int length = nul ? int(static_cast<const char *>(nul) - text) : DnsHostNameField;
    return QString::fromUtf8(text, length);
}

int dnsHostNameBytes(const QString &name)
{
    return name.toUtf8().size();
}

bool setDnsHostName(dns_settings_t &settings, const QString &name)
{
    const QByteArray bytes = name.toUtf8();
    if (bytes.size() > DnsHostNameMaxBytes)
        return false;
    std::memcpy(settings.host_name, bytes.constData(), size_t(bytes.size()));
    settings.host_name[bytes.size()] = 0;
    return true;
}

QString dnsStatusText(uint8_t status)
{
    switch (status) {
    case DnsNone: return dash();
    case DnsPassed: return QCoreApplication::translate("DnsForm", "Passed");
    case DnsInProgress: return QCoreApplication::translate("DnsForm", "In progress");
    case DnsError: return QCoreApplication::translate("DnsForm", "Error");
    case DnsTimeout: return QCoreApplication::translate("DnsForm", "Timeout");
    case DnsNotConnected: return QCoreApplication::translate("DnsForm", "Not connected");
    default: return QCoreApplication::translate("DnsForm", "Unknown error");
    }
}

DnsResultsView dnsResultsView(const dns_settings_t *settings, const dns_results_t *results)
{
    DnsResultsView v;
    if (!results || results->status == DnsNone) {
        v.hostName = v.address = v.status = dash();
        return v;
    }
    v.status = dnsStatusText(results->status);
    v.hostName = settings ? dnsHostName(*settings) : QString();
    v.address = results->status == DnsPassed ? ipToString(results->address, true) : dash();
    return v;
}

// ---- IP scanner ------------------------------------------------------------------

IpScanResultsView ipScanResultsView(const ipscan_settings_t *settings, const ipscan_results_t *results)
{
    IpScanResultsView v;
    int row = 0;
    if (results) {
        uint32_t elapsed = 0;
        uint32_t remaining = 0;
        elapsedAndRemaining(results->start_time, results->current_time, results->estimated_duration,
                            elapsed, remaining);
        v.elapsed = secondsToString(elapsed);
        v.remaining = secondsToString(remaining);

        // 256 bits for 256 rows: the list can never run past its rows.
        if (settings) {
            for (int j = 0; j < IpScanAddresses / 8; ++j) {
                const uint8_t bits = results->answered[j];
                for (int i = 0; bits && i < 8; ++i) {
                    if (bits & (1u << i))
                        v.rows[row++] = ipToString(settings->first_address + uint32_t(8 * j + i));
                }
            }
        }
        if (results->status == IpScanNoConnection && row < IpScanAddresses)
            v.rows[row++] = QCoreApplication::translate("IpScannerForm", "No connection");
    }
    for (; row < IpScanAddresses; ++row)
        v.rows[row] = dash();
    return v;
}
