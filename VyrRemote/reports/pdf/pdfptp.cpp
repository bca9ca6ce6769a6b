// Body of the PTP test report (test id 7): the client settings and the
// tester's server list, then what the master announced, the PTP messages
// counted and the measured delays.

#include "pdfcreator.h"

#include "ptpformat.h"
#include "ptprecords.h"
#include "textfunctions.h"

static_assert(sizeof(ptp_settings_t) == testSettingsSize(TestPtp), "PTP settings in a report");
static_assert(sizeof(ptp_results_t) == testResultsSize(TestPtp), "PTP results in a report");

void PDFCreator::drawPtpSettings(int x, int &y, const ReportFile &report)
{
    const ptp_settings_t s = report.settings<ptp_settings_t>();
    const ptp_client_settings_t &c = s.client;
    drawSectionTitle(x, y, tr("Settings"), 10, SectionFill);
    // A mode byte other than 0 or 1 checks neither.
    drawCheckRow(x, y, tr("Unicast"), c.mode == PtpModeUnicast);
    drawCheckRow(x, y, tr("Multicast"), c.mode == PtpModeMulticast);
    drawTextRow(x, y, tr("Duration"), secondsToString(s.duration));
    drawCheckRow(x, y, tr("Domain auto detection"), c.auto_domain);
    drawTextRow(x, y, tr("Domain"), QString::number(c.domain), c.auto_domain != 0);
    drawTextRow(x, y, tr("IP PTP Master"), ipToString(c.master_ip));
    drawCheckRow(x, y, tr("Unicast negotiation"), c.unicast_negotiation);
    // The intervals are the client's own only in unicast with negotiation.
    const bool intervalsUnused = c.mode == PtpModeMulticast || c.unicast_negotiation != 1;
    drawTextRow(x, y, tr("Announce interval"), QString::number(c.announce_interval), intervalsUnused);
    drawTextRow(x, y, tr("Sync interval"), QString::number(c.sync_interval), intervalsUnused);
    y += RowHeight;

    drawSectionTitle(x, y, tr("Servers list"), 11, SectionFill);
    for (int i = 0; i < PtpServerCount; ++i) {
        const PtpServerRow row = ptpServerRow(i, s.servers[i]);
        drawThreeColumnRow(x, y, QString::number(i + 1), row.name, row.address);
    }
    y += RowHeight;
}

void PDFCreator::drawPtpResults(int x, int &y, const ReportFile &report)
{
    const ptp_settings_t s = report.settings<ptp_settings_t>();
    const ptp_results_t r = report.results<ptp_results_t>();
    const PtpResultsView v = ptpResultsView(&s, &r);
    drawSectionTitle(x, y, tr("Results"), 31, SectionFill);
    y += RowHeight;

    static const char *const infoLabels[PtpInfoRows] = {
        QT_TR_NOOP("Announce interval"), QT_TR_NOOP("Sync interval"), QT_TR_NOOP("IP address"), "ID",
        QT_TR_NOOP("Port number"), QT_TR_NOOP("Domain"), QT_TR_NOOP("PTP version"), QT_TR_NOOP("UTC offset"),
        QT_TR_NOOP("Clock class"), QT_TR_NOOP("Clock accuracy"), QT_TR_NOOP("Time source"),
        QT_TR_NOOP("Priority 1"), QT_TR_NOOP("Priority 2"),
    };
    drawSectionTitle(x, y, tr("Information"), 14, SectionFill);
    for (int row = 0; row < PtpInfoRows; ++row)
        drawTextRow(x, y, row == PtpRowId ? QLatin1String(infoLabels[row]) : tr(infoLabels[row]), v.info.row[row]);
    y += RowHeight;

    drawSectionTitle(x, y, tr("Statistics"), 8, SectionFill);
    drawTextRow(x, y, tr("Rx Frames"), v.rx[PtpRowRxFrames]);
    drawTextRow(x, y, tr("Announce"), v.rx[PtpRowRxAnnounce]);
    drawTextRow(x, y, tr("Sync"), v.rx[PtpRowRxSync]);
    drawTextRow(x, y, tr("Follow Up"), v.rx[PtpRowRxFollowUp]);
    drawTextRow(x, y, tr("Delay Response"), v.rx[PtpRowRxDelayResp]);
    drawTextRow(x, y, tr("Tx Frames"), v.tx[PtpRowTxFrames]);
    drawTextRow(x, y, tr("Delay Request"), v.tx[PtpRowTxDelayReq]);
    y += RowHeight;

    // The form leaves the estimate out of a run without a set duration; the
    // report shows what the tester planned.
    uint32_t elapsed = 0;
    uint32_t remaining = 0;
    elapsedAndRemaining(r.start_time, r.current_time, r.test_duration, elapsed, remaining);
    drawSectionTitle(x, y, tr("Measuring"), 8, SectionFill);
    drawTextRow(x, y, tr("Elapsed time"), v.elapsed);
    drawTextRow(x, y, tr("Estimate time"), secondsToString(remaining));
    drawTextRow(x, y, QStringLiteral("Tms"), v.measure[PtpRowTms]);
    drawTextRow(x, y, QStringLiteral("Tsm"), v.measure[PtpRowTsm]);
    drawTextRow(x, y, tr("T average"), v.measure[PtpRowTAverage]);
    drawTextRow(x, y, tr("Offset"), v.measure[PtpRowOffset]);
    drawTextRow(x, y, QStringLiteral("Sync PDV"), v.measure[PtpRowSyncPdv]);
    y += RowHeight;
}
