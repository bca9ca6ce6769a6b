// Body of the PTP test report (test id 7): the client settings and the
// tester's server list, then what the master announced, the PTP messages
// counted and the measured delays. The PTP sections the synchronisation
// report shows as well are drawn here for both.

#include "pdfcreator.h"

#include "ptpformat.h"
#include "ptprecords.h"
#include "textfunctions.h"

static_assert(sizeof(ptp_settings_t) == testSettingsSize(TestPtp), "PTP settings in a report");
static_assert(sizeof(ptp_results_t) == testResultsSize(TestPtp), "PTP results in a report");

void PDFCreator::drawPtpModeRows(int x, int &y, const ptp_client_settings_t &client)
{
    // A mode byte other than 0 or 1 checks neither.
    drawCheckRow(x, y, tr("Unicast"), client.mode == PtpModeUnicast);
    drawCheckRow(x, y, tr("Multicast"), client.mode == PtpModeMulticast);
}

void PDFCreator::drawPtpClientRows(int x, int &y, const ptp_client_settings_t &client)
{
    drawCheckRow(x, y, tr("Domain auto detection"), client.auto_domain);
    drawTextRow(x, y, tr("Domain"), QString::number(client.domain), client.auto_domain != 0);
    drawTextRow(x, y, tr("IP PTP Master"), ipToString(client.master_ip));
    drawCheckRow(x, y, tr("Unicast negotiation"), client.unicast_negotiation);
    // The intervals are the client's own only in unicast with negotiation.
    const bool intervalsUnused = client.mode == PtpModeMulticast || client.unicast_negotiation != 1;
    drawTextRow(x, y, tr("Announce interval"), QString::number(client.announce_interval), intervalsUnused);
    drawTextRow(x, y, tr("Sync interval"), QString::number(client.sync_interval), intervalsUnused);
}

void PDFCreator::drawPtpServerList(int x, int &y, const QString &title,
                                   const uint32_t (&servers)[PtpServerListEntries])
{
    static_assert(PtpServerCount == PtpServerListEntries, "the PTP test's server list");
    drawSectionTitle(x, y, title, 11, SectionFill);
    for (int i = 0; i < PtpServerListEntries; ++i) {
        const PtpServerRow row = ptpServerRow(i, servers[i]);
        drawThreeColumnRow(x, y, QString::number(i + 1), row.name, row.address);
    }
    y += RowHeight;
}

void PDFCreator::drawPtpMasterInfo(int x, int &y, const QString &title, const ptp_master_info_t &master)
{
    static const char *const labels[PtpInfoRows] = {
        QT_TR_NOOP("Announce interval"), QT_TR_NOOP("Sync interval"), QT_TR_NOOP("IP address"), "ID",
        QT_TR_NOOP("Port number"), QT_TR_NOOP("Domain"), QT_TR_NOOP("PTP version"), QT_TR_NOOP("UTC offset"),
        QT_TR_NOOP("Clock class"), QT_TR_NOOP("Clock accuracy"), QT_TR_NOOP("Time source"),
        QT_TR_NOOP("Priority 1"), QT_TR_NOOP("Priority 2"),
    };
    const PtpMasterInfoView v = ptpMasterInfoView(&master);
    drawSectionTitle(x, y, title, 14, SectionFill);
    for (int row = 0; row < PtpInfoRows; ++row)
        drawTextRow(x, y, row == PtpRowId ? QLatin1String(labels[row]) : tr(labels[row]), v.row[row]);
    y += RowHeight;
}

void PDFCreator::drawPtpSettings(int x, int &y, const ReportFile &report)
{
    const ptp_settings_t s = report.settings<ptp_settings_t>();
    drawSectionTitle(x, y, tr("Settings"), 10, SectionFill);
    drawPtpModeRows(x, y, s.client);
    drawTextRow(x, y, tr("Duration"), secondsToString(s.duration));
    drawPtpClientRows(x, y, s.client);
    y += RowHeight;
    drawPtpServerList(x, y, tr("Servers list"), s.servers);
}

void PDFCreator::drawPtpResults(int x, int &y, const ReportFile &report)
{
    const ptp_settings_t s = report.settings<ptp_settings_t>();
    const ptp_results_t r = report.results<ptp_results_t>();
    const PtpResultsView v = ptpResultsView(&s, &r);
    drawSectionTitle(x, y, tr("Results"), 31, SectionFill);
    y += RowHeight;
    drawPtpMasterInfo(x, y, tr("Information"), r.master);

    drawSectionTitle(x, y, tr("Statistics"), 8, SectionFill);
    drawTextRow(x, y, tr("Rx frames"), v.rx[PtpRowRxFrames]);
    drawTextRow(x, y, tr("Announce"), v.rx[PtpRowRxAnnounce]);
    drawTextRow(x, y, tr("Sync"), v.rx[PtpRowRxSync]);
    drawTextRow(x, y, tr("Follow Up"), v.rx[PtpRowRxFollowUp]);
    drawTextRow(x, y, tr("Delay Response"), v.rx[PtpRowRxDelayResp]);
    drawTextRow(x, y, tr("Tx frames"), v.tx[PtpRowTxFrames]);
    drawTextRow(x, y, tr("Delay Request"), v.tx[PtpRowTxDelayReq]);
    y += RowHeight;

    // The form leaves the estimate out of a run without a set duration; the
    // report shows what the tester planned.
    uint32_t elapsed = 0;
    uint32_t remaining = 0;
    elapsedAndRemaining(r.start_time, r.current_time, r.test_duration, elapsed, remaining);
    drawSectionTitle(x, y, tr("Measuring"), 8, SectionFill);
    drawTextRow(x, y, tr("Elapsed time"), v.elapsed);
    drawTextRow(x, y, tr("Remaining time"), secondsToString(remaining));
    drawTextRow(x, y, QStringLiteral("Tms"), v.measure[PtpRowTms]);
    drawTextRow(x, y, QStringLiteral("Tsm"), v.measure[PtpRowTsm]);
    drawTextRow(x, y, tr("T average"), v.measure[PtpRowTAverage]);
    drawTextRow(x, y, tr("Offset"), v.measure[PtpRowOffset]);
    drawTextRow(x, y, QStringLiteral("Sync PDV"), v.measure[PtpRowSyncPdv]);
    y += RowHeight;
}
