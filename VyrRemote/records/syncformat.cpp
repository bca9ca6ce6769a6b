#include "syncformat.h"

#include "textfunctions.h"

#include <QChar>
#include <QCoreApplication>
#include <QtEndian>

#include <cmath>

namespace {

const char *const NoValue = "-";
const char *const PtpVersion = "2";
constexpr uint8_t HemisphereSouthWest = 0x01;
constexpr int CoordinateDecimals = 5;
constexpr int DopDigits = 6;
constexpr int ReferenceIdBytes = 4;
constexpr uint8_t TextStratumLimit = 1;   // strata 0 and 1 name their reference in text

QString dash()
{
    return QLatin1String(NoValue);
}

QString number(qint64 value)
{
    return QString::number(value);
}

QString yesNo(bool yes)
{
    return yes ? QCoreApplication::translate("ScaleAdjForm", "Yes")
               : QCoreApplication::translate("ScaleAdjForm", "No");
}

// The unit of the seconds values of the PTP and NTP tables.
QString seconds()
{
    return QCoreApplication::translate("ScaleAdjForm", "s");
}

template <int N>
void fillDashes(QString (&rows)[N])
{
    for (QString &text : rows)
        text = dash();
}

QString coordinateText(float degrees, char letter)
{
    if (!std::isfinite(degrees))
        return dash();
    return QStringLiteral("%1 %2").arg(QString::number(double(degrees), 'f', CoordinateDecimals), QChar(letter));
}

QString intervalText(int8_t interval)
{
    return interval == PtpIntervalNotGiven ? dash() : number(interval);
}

} // namespace

// ---- time sources -----------------------------------------------------------

bool syncSourceAvailable(uint32_t mask, uint8_t source)
{
    if (source < SyncSourceFirst || source > SyncSourceLast)
        return false;
    return (mask >> source) & 1u;
}

QVector<uint8_t> syncSourceChoices(uint32_t mask, uint8_t leaveOut)
{
    QVector<uint8_t> out;
    for (uint8_t n = SyncSourceFirst; n <= SyncSourceLast; ++n) {
        if (n != leaveOut && syncSourceAvailable(mask, n))
            out << n;
    }
    return out;
}

bool syncSelectAvailableSources(uint32_t mask, uint8_t &reference, uint8_t &measured)
{
    if (syncSourceAvailable(mask, reference) && syncSourceAvailable(mask, measured))
        return false;
    const QVector<uint8_t> usable = syncSourceChoices(mask);
    if (usable.size() >= 2) {
        reference = usable.at(0);
        measured = usable.at(1);
        return true;
    }
    if (reference == SyncSourceNone && measured == SyncSourceNone)
        return false;
    reference = measured = SyncSourceNone;
    return true;
}

uint8_t syncOtherSource(uint32_t mask, uint8_t other)
{
    const QVector<uint8_t> usable = syncSourceChoices(mask, other);
    return usable.isEmpty() ? SyncSourceNone : usable.first();
}

// ---- PTP server list --------------------------------------------------------

SyncServerRow syncServerRow(int index, uint32_t address)
{
    if (address == 0)
        return {QCoreApplication::translate("ScaleAdjForm", "None"), dash()};
    const QString name = index == 0 ? QStringLiteral("BMCA") : QCoreApplication::translate("ScaleAdjForm", "Server");
    return {name, ipToString(address)};
}

int syncServerRowOf(uint8_t serverIndex)
{
    return serverIndex < SyncServerCount ? int(serverIndex) : -1;
}

// ---- GPS ----------------------------------------------------------------------

int gpsSatelliteRows(uint32_t count)
{
    return count < uint32_t(GpsSatelliteCapacity) ? int(count) : GpsSatelliteCapacity;
}

QString gpsLatitudeText(float degrees, uint8_t hemisphere)
{
    return coordinateText(degrees, hemisphere & HemisphereSouthWest ? 'S' : 'N');
}

QString gpsLongitudeText(float degrees, uint8_t hemisphere)
{
    return coordinateText(degrees, hemisphere & HemisphereSouthWest ? 'W' : 'E');
}

QString gpsDopText(float value)
{
    if (!std::isfinite(value))
        return dash();
    return QString::number(double(value), 'g', DopDigits);
}

SyncGpsView syncGpsView(const gps_info_t &gps)
{
    SyncGpsView v;
    v.info[GpsRowGpsSync] = yesNo(gps.gps_sync != 0);
    v.info[GpsRowPpsSync] = yesNo(gps.pps_sync != 0);
    if (gps.gps_sync) {
        v.info[GpsRowDate] = dateToString(gps.gps_time);
        v.info[GpsRowTime] = timeToString(gps.gps_time);
        v.info[GpsRowLatitude] = gpsLatitudeText(gps.latitude, gps.hemisphere);
        v.info[GpsRowLongitude] = gpsLongitudeText(gps.longitude, gps.hemisphere);
        v.info[GpsRowPdop] = gpsDopText(gps.pdop);
        v.info[GpsRowHdop] = gpsDopText(gps.hdop);
        v.info[GpsRowVdop] = gpsDopText(gps.vdop);
        v.info[GpsRowSatellitesUsed] = number(gps.satellites_used);
    } else {
        for (int row = GpsRowDate; row < GpsInfoRows; ++row)
            v.info[row] = dash();
    }

    v.satelliteRows = gpsSatelliteRows(gps.satellite_count);
    for (int i = 0; i < v.satelliteRows; ++i) {
        const gps_satellite_t &s = gps.satellites[i];
        v.satellite[i][SatColumnPrn] = number(s.prn);
        v.satellite[i][SatColumnAngle] = number(s.angle);
        v.satellite[i][SatColumnAzimuth] = number(s.azimuth);
        v.satellite[i][SatColumnSnr] = number(s.snr);
        v.satellite[i][SatColumnUse] = yesNo(s.used != 0);
    }
    return v;
}

// ---- results ----------------------------------------------------------------

void syncPtpMasterRows(const ptp_master_info_t &master, QString (&rows)[SyncPtpRows])
{
    if (master.master_ip == 0) {
        fillDashes(rows);
        return;
    }
    rows[SyncPtpRowAnnounceInterval] = intervalText(master.announce_interval);
    rows[SyncPtpRowSyncInterval] = intervalText(master.sync_interval);
    rows[SyncPtpRowIpAddress] = ipToString(master.master_ip);
    rows[SyncPtpRowId] = clockIdToString(master.clock_identity);
    rows[SyncPtpRowPortNumber] = number(master.port_number);
    rows[SyncPtpRowDomain] = number(master.domain);
    rows[SyncPtpRowVersion] = QLatin1String(PtpVersion);
    rows[SyncPtpRowUtcOffset] = QStringLiteral("%1 %2").arg(number(master.utc_offset), seconds());
    rows[SyncPtpRowClockClass] = number(master.clock_class);
    rows[SyncPtpRowClockAccuracy] = number(master.clock_accuracy);
    rows[SyncPtpRowTimeSource] =
        QStringLiteral("0x") + QStringLiteral("%1").arg(uint(master.time_source), 2, 16, QLatin1Char('0')).toUpper();
    rows[SyncPtpRowPriority1] = number(master.priority1);
    rows[SyncPtpRowPriority2] = number(master.priority2);
}

QString ntpReferenceIdText(const ntp_server_info_t &server)
{
    if (server.stratum > TextStratumLimit) {
        static_assert(sizeof(uint32_t) == ReferenceIdBytes, "reference id is one IPv4 value");
        return ipToString(qFromLittleEndian<uint32_t>(server.reference_id));
    }
    QString text;
    for (int i = 0; i < ReferenceIdBytes && server.reference_id[i] != 0; ++i) {
        const QChar c = QChar::fromLatin1(char(server.reference_id[i]));
        text += c.isPrint() ? c : QLatin1Char('?');
    }
    return text;
}

void syncNtpRows(const ntp_server_info_t &server, QString (&rows)[NtpRows])
{
    if (server.server_ip == 0) {
        fillDashes(rows);
        return;
    }
    rows[NtpRowIpAddress] = ipToString(server.server_ip);
    rows[NtpRowVersion] = number(server.version);
    rows[NtpRowStratum] = number(server.stratum);
    rows[NtpRowPoll] = number(server.poll);
    rows[NtpRowPrecision] = number(server.precision);
    rows[NtpRowRootDelay] = QStringLiteral("%1 %2").arg(fixedToString(server.root_delay), seconds());
    rows[NtpRowRootDispersion] = QStringLiteral("%1 %2").arg(fixedToString(server.root_dispersion), seconds());
    rows[NtpRowReferenceId] = ntpReferenceIdText(server);
}

QString syncRemainingText(uint32_t duration, uint32_t elapsed)
{
    if (duration >= elapsed)
        return secondsToString(duration - elapsed);
    // A run without a duration goes on until stopped: nothing to estimate.
    return duration == 0 ? dash() : secondsToString(0);
}

SyncResultsView syncResultsView(const sync_settings_t *settings, const sync_results_t *results)
{
    SyncResultsView v;
    if (!settings || !results) {
        v.elapsed = v.estimated = dash();
        fillDashes(v.ptp);
        for (auto &server : v.ntp)
            fillDashes(server);
        fillDashes(v.result);
        return v;
    }
    const sync_results_t &r = *results;
    syncPtpMasterRows(r.master, v.ptp);
    syncNtpRows(r.ntp1, v.ntp[0]);
    syncNtpRows(r.ntp2, v.ntp[1]);
    v.elapsed = secondsToString(r.elapsed_time);
    v.estimated = syncRemainingText(settings->duration, r.elapsed_time);

    // Before the first second has been counted the phase values are no
    // measurement yet.
    if (r.elapsed_time == 0) {
        for (int row = SyncRowPhaseInstant; row <= SyncRowPhaseMax; ++row)
            v.result[row] = dash();
    } else {
        v.result[SyncRowPhaseInstant] = nanosecondsToString(float(r.phase_instant));
        v.result[SyncRowPhaseMin] = nanosecondsToString(float(r.phase_min));
        v.result[SyncRowPhaseAverage] = nanosecondsToString(float(r.phase_average));
        v.result[SyncRowPhaseMax] = nanosecondsToString(float(r.phase_max));
    }

    // The two clocks are unsigned 32-bit times; their difference is taken
    // in 64 bits so that no pair overflows.
    const bool both = r.reference_time != 0 && r.measured_time != 0;
    v.result[SyncRowTimeDiff] =
        both ? durationToString(double(qint64(r.reference_time) - qint64(r.measured_time))) : dash();
    v.result[SyncRowReferenceTime] = r.reference_time ? dateTimeToString(r.reference_time) : dash();
    v.result[SyncRowMeasuredTime] = r.measured_time ? dateTimeToString(r.measured_time) : dash();
    return v;
}

// ---- what Apply writes back ----------------------------------------------------

uint8_t syncWrittenFlag(uint8_t stored, bool on)
{
    if ((stored != 0) == on)
        return stored;
    return on ? 1 : 0;
}

bool syncIsMulticast(uint8_t mode)
{
    return mode == PtpModeMulticast;
}

uint8_t syncWrittenMode(uint8_t stored, bool multicast)
{
    if (syncIsMulticast(stored) == multicast)
        return stored;
    return multicast ? PtpModeMulticast : PtpModeUnicast;
}

uint8_t syncWrittenServerIndex(uint8_t stored, int currentRow)
{
    if (currentRow >= 0 && currentRow < SyncServerCount)
        return uint8_t(currentRow);
    return syncServerRowOf(stored) < 0 ? stored : PtpNoServer;
}
