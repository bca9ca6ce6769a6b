// Body of the synchronisation report (test id 17): the test's sources and
// PTP settings, the PTP server list and master, the GPS fix and satellites,
// the two NTP servers' settings and what each reported, then the phase and
// time differences measured between the two sources.

#include "pdfcreator.h"

#include "syncformat.h"
#include "syncrecords.h"
#include "textfunctions.h"

#include <limits>

static_assert(sizeof(sync_settings_t) == testSettingsSize(TestSync), "synchronisation settings in a report");
static_assert(sizeof(sync_results_t) == testResultsSize(TestSync), "synchronisation results in a report");

namespace {

const char *const NoValue = "-";
constexpr int SettingsTableWidth = 6500;
constexpr int NtpColumnWidth = 4000;
constexpr int NtpColumnGap = 100;
constexpr int32_t NoPhaseMinimum = std::numeric_limits<int32_t>::max();
constexpr int32_t NoPhaseMaximum = std::numeric_limits<int32_t>::min();

QString dash()
{
    return QLatin1String(NoValue);
}

// Satellite rows for the count the tester wrote: none for 0 or a negative
// count, never more than the table the record holds.
int satelliteRows(uint32_t storedCount)
{
    const auto count = int32_t(storedCount);
    return count <= 0 ? 0 : qMin<int32_t>(count, GpsSatelliteCapacity);
}

} // namespace

void PDFCreator::drawSyncSettings(int x, int &y, const ReportFile &report)
{
    static_assert(SyncServerCount == PtpServerListEntries, "the synchronisation test's server list");
    const sync_settings_t s = report.settings<sync_settings_t>();
    const sync_results_t r = report.results<sync_results_t>();
    const int width = m_tableWidth;
    m_tableWidth = SettingsTableWidth;
    drawSectionTitle(x, y, tr("Settings"), 5, SectionFill);
    drawTextRow(x, y, tr("Reference"), syncSourceName(s.reference));
    drawTextRow(x, y, tr("Measured"), syncSourceName(s.measured));
    drawTextRow(x, y, tr("Duration"), secondsToString(s.duration));
    drawCheckRow(x, y, tr("Relative time interval"), s.relative_time_interval);
    y += RowHeight;

    drawSectionTitle(x, y, tr("PTP settings"), 10, SectionFill);
    drawPtpModeRows(x, y, s.ptp);
    drawPtpClientRows(x, y, s.ptp);
    drawCheckRow(x, y, tr("Convert PTP time to UTC"), s.convert_to_utc);
    y += RowHeight;
    m_tableWidth = width;

    drawPtpServerList(x, y, tr("PTP servers list"), s.servers);
    drawPtpMasterInfo(x, y, tr("PTP information"), r.master);

    // The form's texts of the fix; the report leaves out the satellite
    // table of a negative count, which the form reads as unsigned.
    const SyncGpsView gps = syncGpsView(s.gps);
    static const char *const gpsLabels[GpsInfoRows] = {
        QT_TR_NOOP("GPS sync"), QT_TR_NOOP("PPS sync"), QT_TR_NOOP("Date"), QT_TR_NOOP("Time"),
        QT_TR_NOOP("Latitude"), QT_TR_NOOP("Longitude"), "PDOP", "HDOP", "VDOP", QT_TR_NOOP("Satellites used"),
    };
    drawSectionTitle(x, y, tr("GPS data"), 11, SectionFill);
    for (int row = 0; row < GpsInfoRows; ++row) {
        const bool plain = row == GpsRowPdop || row == GpsRowHdop || row == GpsRowVdop;
        drawTextRow(x, y, plain ? QLatin1String(gpsLabels[row]) : tr(gpsLabels[row]), gps.info[row]);
    }
    y += RowHeight;

    const int satellites = qMin(satelliteRows(s.gps.satellite_count), gps.satelliteRows);
    if (satellites > 0) {
        drawSectionTitle(x, y, tr("GPS satellites"), satellites + 1, SectionFill);
        drawColumnsRow(x, y, {tr("PRN"), tr("Angle"), tr("Azimuth"), tr("SNR"), tr("Use")});
        for (int k = 0; k < satellites; ++k) {
            QStringList cells;
            for (const QString &cell : gps.satellite[k])
                cells << cell;
            drawColumnsRow(x, y, cells);
        }
        y += RowHeight;
    }

    const struct
    {
        const char *title;
        uint32_t address;
        uint16_t port;
        uint16_t interval;
    } ntpSettings[] = {
        {QT_TR_NOOP("NTP 1 Settings"), s.ntp1_ip, s.ntp1_port, s.ntp1_interval},
        {QT_TR_NOOP("NTP 2 Settings"), s.ntp2_ip, s.ntp2_port, s.ntp2_interval},
    };
    for (const auto &ntp : ntpSettings) {
        drawSectionTitle(x, y, tr(ntp.title), 4, SectionFill);
        drawTextRow(x, y, tr("IP address"), ipToString(ntp.address));
        drawTextRow(x, y, tr("UDP port"), QString::number(ntp.port));
        drawTextRow(x, y, tr("Interval, s"), QString::number(ntp.interval));
        y += RowHeight;
    }

    // The two servers side by side. The right column starts level with the
    // left one's title after the page check that title made, so both stay
    // together on one page.
    static const char *const ntpLabels[NtpRows] = {
        QT_TR_NOOP("IP address"), QT_TR_NOOP("NTP version"), QT_TR_NOOP("Stratum"), QT_TR_NOOP("Poll interval"),
        QT_TR_NOOP("Precision"), QT_TR_NOOP("Root delay"), QT_TR_NOOP("Root dispersion"), QT_TR_NOOP("Ref. identifier"),
    };
    auto ntpRows = [this](const ntp_server_info_t &server) {
        return [this, server](int column, int &row) {
            QString values[NtpRows];
            syncNtpRows(server, values);
            for (int i = 0; i < NtpRows; ++i)
                drawTextRow(column, row, tr(ntpLabels[i]), values[i]);
        };
    };
    m_tableWidth = NtpColumnWidth;
    const int top = drawBlock(x, y, tr("NTP 1 Information"), 9, SectionFill, ntpRows(r.ntp1));
    const int below = y;
    y = top;
    drawBlock(x + NtpColumnWidth + NtpColumnGap, y, tr("NTP 2 Information"), 9, SectionFill, ntpRows(r.ntp2));
    y = below + RowHeight;
    m_tableWidth = width;
}

void PDFCreator::drawSyncResults(int x, int &y, const ReportFile &report)
{
    const sync_settings_t s = report.settings<sync_settings_t>();
    const sync_results_t r = report.results<sync_results_t>();
    // The form's texts of the clocks; the report's own phase rows, which
    // show the values from the first second on and "-" only for a minimum
    // or maximum not yet taken.
    const SyncResultsView v = syncResultsView(&s, &r);
    auto phase = [](int32_t ns, int32_t none) { return ns == none ? dash() : nanosecondsToString(float(ns)); };
    drawSectionTitle(x, y, tr("Results"), 10, SectionFill);
    drawTextRow(x, y, tr("Elapsed time"), secondsToString(r.elapsed_time));
    drawTextRow(x, y, tr("Remaining time"),
                secondsToString(s.duration > r.elapsed_time ? s.duration - r.elapsed_time : 0));
    drawTextRow(x, y, tr("ΔPh inst."), nanosecondsToString(float(r.phase_instant)));
    drawTextRow(x, y, tr("ΔPh min"), phase(r.phase_min, NoPhaseMinimum));
    drawTextRow(x, y, tr("ΔPh avg."), nanosecondsToString(float(r.phase_average)));
    drawTextRow(x, y, tr("ΔPh max"), phase(r.phase_max, NoPhaseMaximum));
    drawTextRow(x, y, tr("Time/Date diff."), v.result[SyncRowTimeDiff]);
    drawTextRow(x, y, tr("Base T/D"), v.result[SyncRowReferenceTime]);
    drawTextRow(x, y, tr("Meas. T/D"), v.result[SyncRowMeasuredTime]);
}
