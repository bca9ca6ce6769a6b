// Bodies of the IP tool reports: ping (test id 8), trace route (9), DNS (10)
// and IP scanner (11). Each shows the port and its settings, then what the
// tool found.

#include "pdfcreator.h"

#include "iptoolsformat.h"
#include "iptoolsrecords.h"
#include "reportcodes.h"
#include "textfunctions.h"

static_assert(sizeof(ping_settings_t) == testSettingsSize(TestPing), "ping settings in a report");
static_assert(sizeof(ping_results_t) == testResultsSize(TestPing), "ping results in a report");
static_assert(sizeof(trace_settings_t) == testSettingsSize(TestTraceRoute), "trace settings in a report");
static_assert(sizeof(trace_results_t) == testResultsSize(TestTraceRoute), "trace results in a report");
static_assert(sizeof(dns_settings_t) == testSettingsSize(TestDns), "DNS settings in a report");
static_assert(sizeof(dns_results_t) == testResultsSize(TestDns), "DNS results in a report");
static_assert(sizeof(ipscan_settings_t) == testSettingsSize(TestIpScanner), "IP scanner settings in a report");
static_assert(sizeof(ipscan_results_t) == testResultsSize(TestIpScanner), "IP scanner results in a report");

namespace {

const char *const NoValue = "-";
constexpr int ScannerTableWidth = 4000;
constexpr int ScannerTimeWidth = 2000;   // "Elapsed" and "Remaining" side by side

QString number(qulonglong value)
{
    return QString::number(value);
}

} // namespace

// ---- ping ------------------------------------------------------------------

void PDFCreator::drawProbeSettings(int x, int &y, const ReportFile &report, int keepRows,
                                   const std::array<QString, 3> &labels)
{
    const probe_settings_t s = report.settings<probe_settings_t>();
    drawSectionTitle(x, y, tr("Settings"), keepRows, SectionFill);
    drawPort(x, y, report);
    drawTextRow(x, y, labels[0], ipToString(s.destination));
    drawTextRow(x, y, labels[1], number(s.frame_size));
    drawTextRow(x, y, labels[2], number(s.wait_time));
    y += RowHeight;
}

void PDFCreator::drawPingSettings(int x, int &y, const ReportFile &report)
{
    drawProbeSettings(x, y, report, 4, {tr("IP destination"), tr("Packet length, B"), tr("Pause, ms")});
}

void PDFCreator::drawPingResults(int x, int &y, const ReportFile &report)
{
    const ping_settings_t s = report.settings<ping_settings_t>();
    const ping_results_t r = report.results<ping_results_t>();
    drawSectionTitle(x, y, tr("Results"), 8, SectionFill);
    drawFourColumnRow(x, y, QStringLiteral("#"), tr("Status"), tr("Frame") + QStringLiteral(", ") + tr("B"),
                      tr("Latency") + QStringLiteral(", ") + tr("ms"));
    for (int slot : pingReportOrder(r)) {
        const ping_request_t &request = r.requests[slot];
        if (request.number == 0) {
            drawFourColumnRow(x, y, QString(), QString(), QString(), QString());
            continue;
        }
        drawFourColumnRow(x, y, number(request.number), pingReportStatusText(request.status), number(s.frame_size),
                          request.status == PingReplied ? number(request.latency) : QLatin1String(NoValue));
    }
    y += RowHeight;

    drawSectionTitle(x, y, tr("Statistics"), 4, SectionFill);
    drawTextRow(x, y, tr("Sent"), number(r.sent));
    drawTextRow(x, y, tr("Received"), number(r.received));
    // More replies than requests is no loss.
    drawTextRow(x, y, tr("Lost"), number(r.sent > r.received ? r.sent - r.received : 0));
    y += RowHeight;

    const auto ms = [this](const QString &value) { return QStringLiteral("%1, ").arg(value) + tr("ms"); };
    drawSectionTitle(x, y, tr("Latency"), 4, SectionFill);
    drawTextRow(x, y, tr("Average"), ms(QString::number(double(r.avg_latency))));
    drawTextRow(x, y, tr("Minimum"), ms(number(r.min_latency == PingNoMinimum ? 0 : r.min_latency)));
    drawTextRow(x, y, tr("Maximum"), ms(number(r.max_latency)));
    y += RowHeight;
}

// ---- trace route -------------------------------------------------------------

void PDFCreator::drawTraceSettings(int x, int &y, const ReportFile &report)
{
    drawProbeSettings(x, y, report, 5, {tr("IP address"), tr("Packet size, B"), tr("Wait time, ms")});
}

void PDFCreator::drawTraceResults(int x, int &y, const ReportFile &report)
{
    const trace_results_t r = report.results<trace_results_t>();
    drawSectionTitle(x, y, tr("Results"), 3, SectionFill);
    drawThreeColumnRow(x, y, QStringLiteral("#"), QStringLiteral("IP"), tr("Latency") + QStringLiteral(", ") + tr("ms"));
    // The count is the tester's; only the entries the record holds are listed.
    const int hops = traceHopsInUse(r);
    for (int i = 0; i < hops; ++i) {
        const trace_hop_t &hop = r.hops[i];
        const TraceHopView v = traceHopView(hop);
        drawThreeColumnRow(x, y, v.number, traceHopReportAddress(hop), v.latency);
        if (hop.status == TraceHopEmpty)
            break;
        if (pageHeight() - y < pageHeight() / 15)
            breakPage(y);
    }
    y += RowHeight;
}

// ---- DNS -------------------------------------------------------------------------

void PDFCreator::drawDnsSettingsAndResults(int x, int &y, const ReportFile &report)
{
    const dns_settings_t s = report.settings<dns_settings_t>();
    const dns_results_t r = report.results<dns_results_t>();
    drawSectionTitle(x, y, tr("Settings"), 3, SectionFill);
    drawPort(x, y, report);
    // Up to the first NUL, or the whole field when it has none.
    drawTextRow(x, y, tr("Domain name"), dnsHostName(s));
    drawTextRow(x, y, tr("Status"), dnsReportStatusText(r.status));
    drawTextRow(x, y, tr("Domain IP"),
                r.status == DnsPassed ? ipToString(r.address, true) : QString(QLatin1String(NoValue)));
    y += RowHeight;
}

// ---- IP scanner -------------------------------------------------------------------

void PDFCreator::drawIpScannerSettings(int x, int &y, const ReportFile &report)
{
    const ipscan_settings_t s = report.settings<ipscan_settings_t>();
    const int width = m_tableWidth;
    m_tableWidth = ScannerTableWidth;
    y += RowHeight;
    drawSectionTitle(x, y, tr("Settings"), 6, SectionFill);
    drawPort(x, y, report);
    drawTextRow(x, y, tr("First address"), ipToString(s.first_address));
    drawTextRow(x, y, tr("Last address"), ipToString(s.last_address));
    drawTextRow(x, y, tr("Wait time, ms"), number(s.wait_time));
    drawTextRow(x, y, tr("Iterations"), number(s.iterations));
    m_tableWidth = width;
}

void PDFCreator::drawIpScannerResults(int x, int &y, const ReportFile &report)
{
    const ipscan_settings_t s = report.settings<ipscan_settings_t>();
    const ipscan_results_t r = report.results<ipscan_results_t>();
    const int width = m_tableWidth;
    m_tableWidth = ScannerTableWidth;
    y += RowHeight;

    // Up to 256 addresses: more than a page holds. The title keeps the whole
    // list with it while it fits on a page; a longer one runs on over the
    // next pages, each row on the page that has room for it.
    const int answered = ipScanAnswerCount(r);
    const int rowsPerPage = (pageHeight() * 28 / 30 - pageHeight() / 15) / RowHeight;
    drawSectionTitle(x, y, tr("Results"), ipScanResultsKeepRows(answered, rowsPerPage), SectionFill);

    m_tableWidth = ScannerTimeWidth;
    const IpScanResultsView v = ipScanResultsView(&s, &r);
    int top = y;
    drawTextRow(x, top, tr("Elapsed"), v.elapsed);
    drawTextRow(x + ScannerTimeWidth, y, tr("Remaining"), v.remaining);
    m_tableWidth = ScannerTableWidth;

    auto listRow = [&](int n, const QString &value) {
        if (breaksPage(y, 1, pageHeight()))
            breakPage(y);
        drawTextRow(x, y, number(n), value);
    };
    if (answered == 0) {
        drawTextRow(x, y, QString(), tr("No active addresses"));
    } else {
        // The form's list: the answering addresses in ascending order first.
        int n = 0;
        for (; n < answered; ++n)
            listRow(n + 1, v.rows[n]);
        if (r.status == IpScanNoConnection)
            listRow(n + 1, tr("No connection"));
    }
    m_tableWidth = width;
}

