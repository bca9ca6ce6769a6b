#include "ptpformat.h"

#include "textfunctions.h"

#include <QCoreApplication>

namespace {

const char *const NoValue = "-";
const char *const PtpVersion = "2";

QString number(qint64 value)
{
    return QString::number(value);
}

template <int N>
void showNoValue(QString (&texts)[N])
{
    for (QString &text : texts)
        text = QLatin1String(NoValue);
}

} // namespace

QString ptpIntervalText(int8_t interval)
{
    if (interval == PtpIntervalNotGiven)
        return QLatin1String(NoValue);
    return number(interval);
}

QString ptpUtcOffsetText(int16_t seconds)
{
    return QStringLiteral("%1 %2").arg(number(seconds), QCoreApplication::translate("QApplication", "s"));
}

QString ptpTimeSourceText(uint8_t source)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(uint(source), 2, 16, QLatin1Char('0')).toUpper();
}

PtpMasterInfoView ptpMasterInfoView(const ptp_master_info_t *master)
{
    PtpMasterInfoView v;
    if (!master || master->master_ip == 0) {
        showNoValue(v.row);
        return v;
    }
    const ptp_master_info_t &m = *master;
    v.row[PtpRowAnnounceInterval] = ptpIntervalText(m.announce_interval);
    v.row[PtpRowSyncInterval] = ptpIntervalText(m.sync_interval);
    v.row[PtpRowIpAddress] = ipToString(m.master_ip);
    v.row[PtpRowId] = clockIdToString(m.clock_identity);
    v.row[PtpRowPortNumber] = number(m.port_number);
    v.row[PtpRowDomain] = number(m.domain);
    v.row[PtpRowVersion] = QLatin1String(PtpVersion);
    v.row[PtpRowUtcOffset] = ptpUtcOffsetText(m.utc_offset);
    v.row[PtpRowClockClass] = number(m.clock_class);
    v.row[PtpRowClockAccuracy] = number(m.clock_accuracy);
    v.row[PtpRowTimeSource] = ptpTimeSourceText(m.time_source);
    v.row[PtpRowPriority1] = number(m.priority1);
    v.row[PtpRowPriority2] = number(m.priority2);
    return v;
}

PtpResultsView ptpResultsView(const ptp_settings_t *settings, const ptp_results_t *results)
{
    PtpResultsView v;
    if (!settings || !results) {
        v.info = ptpMasterInfoView(nullptr);
        showNoValue(v.rx);
        showNoValue(v.tx);
        showNoValue(v.measure);
        v.elapsed = v.estimate = QLatin1String(NoValue);
        return v;
    }
    const ptp_results_t &r = *results;
    v.info = ptpMasterInfoView(&r.master);

    // The tester counts in 32 bits; the total wraps as its counters do.
    const uint32_t received = r.rx_announce + r.rx_sync + r.rx_follow_up + r.rx_delay_resp;
    v.rx[PtpRowRxFrames] = number(received);
    v.rx[PtpRowRxAnnounce] = number(r.rx_announce);
    v.rx[PtpRowRxSync] = number(r.rx_sync);
    v.rx[PtpRowRxFollowUp] = number(r.rx_follow_up);
    v.rx[PtpRowRxDelayResp] = number(r.rx_delay_resp);
    v.tx[PtpRowTxFrames] = number(r.tx_delay_req);
    v.tx[PtpRowTxDelayReq] = number(r.tx_delay_req);

    uint32_t elapsed = 0;
    uint32_t remaining = 0;
    elapsedAndRemaining(r.start_time, r.current_time, r.test_duration, elapsed, remaining);
    v.elapsed = secondsToString(elapsed);
    // A run without a set duration goes on until stopped: nothing to estimate.
    v.estimate = settings->duration == 0 ? QString(QLatin1String(NoValue)) : secondsToString(remaining);

    if (r.measure_valid) {
        v.measure[PtpRowTms] = nanosecondsToString(float(r.tms));
        v.measure[PtpRowTsm] = nanosecondsToString(float(r.tsm));
        v.measure[PtpRowTAverage] = nanosecondsToString(float(r.t_average));
        v.measure[PtpRowOffset] = nanosecondsToString(float(r.offset));
        v.measure[PtpRowSyncPdv] = nanosecondsToString(float(r.sync_pdv));
    } else {
        showNoValue(v.measure);
    }
    return v;
}

PtpServerRow ptpServerRow(int index, uint32_t address)
{
    if (address == 0)
        return {QCoreApplication::translate("PTPForm", "None"), QLatin1String(NoValue)};
    const QString name = index == 0 ? QStringLiteral("BMCA") : QCoreApplication::translate("PTPForm", "Server");
    return {name, ipToString(address)};
}

int ptpServerRowOf(uint8_t serverIndex)
{
    return serverIndex < PtpServerCount ? int(serverIndex) : -1;
}

bool ptpIsMulticast(uint8_t mode)
{
    return mode == PtpModeMulticast;
}

uint8_t ptpWrittenMode(uint8_t stored, bool multicast)
{
    if (ptpIsMulticast(stored) == multicast)
        return stored;
    return multicast ? PtpModeMulticast : PtpModeUnicast;
}

uint8_t ptpWrittenFlag(uint8_t stored, bool on)
{
    if ((stored != 0) == on)
        return stored;
    return on ? 1 : 0;
}

uint8_t ptpWrittenServerIndex(uint8_t stored, int currentRow)
{
    if (currentRow >= 0 && currentRow < PtpServerCount)
        return uint8_t(currentRow);
    return ptpServerRowOf(stored) < 0 ? stored : PtpNoServer;
}
