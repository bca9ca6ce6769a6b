#include "y1564format.h"

#include "devicetexts.h"
#include "interfaceformat.h"
#include "rateunits.h"
#include "textfunctions.h"

#include <QCoreApplication>

#include <cmath>
#include <cstring>

namespace {

const char *const NoValue = "-";
constexpr int ResultDecimals = 5;        // FLR
constexpr int AvailPercentDecimals = 3;
constexpr double NanosecondsPerMs = 1000000.0;

QString dash()
{
    return QLatin1String(NoValue);
}

QString count(uint32_t value)
{
    return QStringLiteral("%1").arg(quint64(value), 0, 10);
}

QString fixed(double value, int decimals)
{
    return QStringLiteral("%1").arg(value, 0, 'f', decimals);
}

QString delay(int32_t nanoseconds)
{
    return nanosecondsToString(float(nanoseconds));
}

QString lossRatio(uint32_t shownLoss, uint32_t frames)
{
    if (frames == 0)
        return dash();
    return fixed(double(float(double(shownLoss) / double(frames))), ResultDecimals);
}

// Rounds as a spin box with that many decimals does before it clamps.
double roundToDecimals(double value, int decimals)
{
    return QString::number(value, 'f', decimals).toDouble();
}

bool streamActive(const y1564_settings_t &s, int stream)
{
    return s.streams[stream].active != 0;
}

} // namespace

// ---- rate unit ------------------------------------------------------------------

int y1564UnitIndex(uint8_t code)
{
    switch (code) {
    case RateUnitKbps: return UnitIndexKbps;
    case RateUnitMbps: return UnitIndexMbps;
    default: return UnitIndexPercent;
    }
}

uint8_t y1564UnitCode(int index)
{
    switch (index) {
    case UnitIndexKbps: return RateUnitKbps;
    case UnitIndexMbps: return RateUnitMbps;
    default: return RateUnitPercent;
    }
}

Y1564RateLimits y1564RateLimits(uint8_t code)
{
    switch (code) {
    case RateUnitKbps: return {1.0, 10000.0, 1.0};
    case RateUnitMbps: return {0.001, 1000.0, 0.001};
    default: return {0.001, 100.0, 0.001};
    }
}

uint8_t y1564WrittenUnit(uint8_t storedCode, int index)
{
    return index == y1564UnitIndex(storedCode) ? storedCode : y1564UnitCode(index);
}

// ---- decimal fields ------------------------------------------------------------

Y1564ValueRange y1564ValueRange(Y1564Value value, uint8_t rateUnit)
{
    switch (value) {
    case Y1564Value::Cir:
    case Y1564Value::Eir:
    case Y1564Value::M: {
        const Y1564RateLimits l = y1564RateLimits(rateUnit);
        return {l.minimum, l.maximum, Y1564RateDecimals};
    }
    case Y1564Value::Flr: return {0.00001, 0.99999, 5};
    case Y1564Value::Ftd:
    case Y1564Value::Fdv: return {0.0001, 1000.0, 4};
    case Y1564Value::Avail: return {1.0, 100.0, 5};
    }
    return {0.0, 0.0, 0};
}

double y1564StoredValue(const y1564_stream_settings_t &s, Y1564Value value)
{
    switch (value) {
    case Y1564Value::Cir: return double(s.cir);
    case Y1564Value::Eir: return double(s.eir);
    case Y1564Value::M: return double(s.m);
    case Y1564Value::Flr: return double(s.flr);
    case Y1564Value::Ftd: return double(s.ftd) / NanosecondsPerMs;
    case Y1564Value::Fdv: return double(s.fdv) / NanosecondsPerMs;
    case Y1564Value::Avail: return double(s.avail) * 100.0;
    }
    return 0.0;
}

double y1564ShownValue(const y1564_stream_settings_t &s, Y1564Value value)
{
    const Y1564ValueRange range = y1564ValueRange(value, s.rateUnit);
    const double v = y1564StoredValue(s, value);
    if (std::isnan(v))
        return range.minimum;
    if (std::isinf(v))
        return v > 0 ? range.maximum : range.minimum;
    return qBound(range.minimum, roundToDecimals(v, range.decimals), range.maximum);
}

uint32_t y1564MsToNanoseconds(double ms)
{
    const double ns = std::round(ms * NanosecondsPerMs);
    // Beyond what a 64-bit count holds (or not a number): nothing sensible to keep.
    if (!(std::abs(ns) < 9.0e18))
        return 0;
    return uint32_t(quint64(qint64(ns)) & 0xFFFFFFFFu);
}

// The box shows what the record showed when it was filled: the operator
// has not changed the field.
static bool shownAsStored(const y1564_stream_settings_t &stored, Y1564Value value, double shown)
{
    const Y1564ValueRange range = y1564ValueRange(value, stored.rateUnit);
    return std::abs(shown - y1564ShownValue(stored, value)) < 0.5 * std::pow(10.0, -range.decimals);
}

void y1564WriteValue(y1564_stream_settings_t &target, const y1564_stream_settings_t &stored,
                     Y1564Value value, double shown)
{
    const bool unchanged = shownAsStored(stored, value, shown);
    // Kept fields are copied as bytes: a float register may quieten a
    // signalling NaN on the way.
    auto keep = [&](auto &field, const auto &from) { std::memcpy(&field, &from, sizeof field); };
    switch (value) {
    case Y1564Value::Cir: if (unchanged) keep(target.cir, stored.cir); else target.cir = float(shown); break;
    case Y1564Value::Eir: if (unchanged) keep(target.eir, stored.eir); else target.eir = float(shown); break;
    case Y1564Value::M: if (unchanged) keep(target.m, stored.m); else target.m = float(shown); break;
    case Y1564Value::Flr: if (unchanged) keep(target.flr, stored.flr); else target.flr = float(shown); break;
    case Y1564Value::Ftd: if (unchanged) keep(target.ftd, stored.ftd); else target.ftd = y1564MsToNanoseconds(shown); break;
    case Y1564Value::Fdv: if (unchanged) keep(target.fdv, stored.fdv); else target.fdv = y1564MsToNanoseconds(shown); break;
    case Y1564Value::Avail: if (unchanged) keep(target.avail, stored.avail); else target.avail = float(shown / 100.0); break;
    }
}

void y1564WriteRates(y1564_stream_settings_t &target, const y1564_stream_settings_t &stored, int unitIndex,
                     double cir, double eir, double m)
{
    const bool rateEdited = !shownAsStored(stored, Y1564Value::Cir, cir)
                            || !shownAsStored(stored, Y1564Value::Eir, eir)
                            || !shownAsStored(stored, Y1564Value::M, m);
    uint8_t unit = y1564WrittenUnit(stored.rateUnit, unitIndex);
    // A code the list cannot show goes back only with the rates it came
    // with; an edited rate is one the operator typed in the unit on show.
    if (rateEdited)
        unit = y1564UnitCode(unitIndex);
    target.rateUnit = unit;
    if (unit == stored.rateUnit) {
        y1564WriteValue(target, stored, Y1564Value::Cir, cir);
        y1564WriteValue(target, stored, Y1564Value::Eir, eir);
        y1564WriteValue(target, stored, Y1564Value::M, m);
        return;
    }
    // Rates kept from the stored record would mean something else in
    // another unit: all three go out as shown.
    target.cir = float(cir);
    target.eir = float(eir);
    target.m = float(m);
}

// ---- VLAN tags ------------------------------------------------------------------

// The bit layout and the defaults are the interface's VLAN tags'.
static_assert(Y1564VlanTags == MaxVlanTags, "a Y.1564 stream's VLAN tags");

QString y1564TpidText(uint16_t tpid)
{
    return tpidText(tpid);
}

uint16_t y1564TpidFromText(const QString &text)
{
    return tpidFromText(text);
}

uint16_t y1564TagControl(int pcp, int vid)
{
    return tagControlOf(pcp, vid);
}

int y1564TagPcp(uint16_t tagControl)
{
    return tagPcp(tagControl);
}

int y1564TagVid(uint16_t tagControl)
{
    return tagVid(tagControl);
}

void y1564SetDefaultTpids(y1564_stream_settings_t &stream, int count)
{
    if (count < 1 || count > Y1564VlanTags)
        return;
    for (int tag = 0; tag < count; ++tag)
        stream.tpid[tag] = defaultTpid(count, tag);
}

int y1564VlanRows(uint8_t vlanCount)
{
    return qMin<int>(vlanCount, Y1564VlanTags);
}

// ---- direction -----------------------------------------------------------------

Y1564DirectionChoice y1564DirectionChoice(uint8_t direction)
{
    if (direction == Y1564DirectionBoth)
        return Y1564DirectionChoice::Both;
    if (direction & Y1564DirectionOutput)
        return Y1564DirectionChoice::Output;
    if (direction & Y1564DirectionInput)
        return Y1564DirectionChoice::Input;
    return Y1564DirectionChoice::None;
}

uint8_t y1564DirectionCode(Y1564DirectionChoice choice)
{
    switch (choice) {
    case Y1564DirectionChoice::Output: return Y1564DirectionOutput;
    case Y1564DirectionChoice::Input: return Y1564DirectionInput;
    default: return Y1564DirectionBoth;
    }
}

// ---- results -------------------------------------------------------------------

uint8_t y1564ResultState(const y1564_settings_t *settings, const y1564_results_t *results, int step,
                         int stream, Y1564Criterion criterion)
{
    if (!settings || !results || step < 0 || step >= Y1564ConfigSteps || stream < 0 || stream >= Y1564Streams)
        return StatusWait;
    const y1564_settings_t &s = *settings;
    const y1564_results_t &r = *results;
    constexpr int LastStepLoadStep = 2;
    constexpr int PolicyStep = 5;
    if ((step <= LastStepLoadStep && !(s.flags & Y1564FlagStepLoad))
        || (step >= PolicyStep && !(s.flags & Y1564FlagPolicy)))
        return StatusOff;
    if (!streamActive(s, stream))
        return StatusOff;
    if (r.stepStatus[step] != 0)
        return r.stepStatus[step];

    uint8_t failBit = 0;
    switch (criterion) {
    case Y1564Criterion::Ir: failBit = Y1564FailIr; break;
    case Y1564Criterion::Fl: failBit = Y1564FailFl; break;
    case Y1564Criterion::Ftd: failBit = Y1564FailFtd; break;
    case Y1564Criterion::Fdv: failBit = Y1564FailFdv; break;
    }
    if (r.config[step][stream].failures & failBit)
        return StatusError;

    if (step < r.currentStep)
        return StatusOk;
    if (step > r.currentStep)
        return StatusWait;
    for (const y1564_result_entry_t &e : r.config[step]) {
        if (e.failures & Y1564FailConfigBits)
            return StatusOk;
    }
    return StatusWait;
}

uint32_t y1564ShownFrameLoss(uint32_t frameLoss, uint8_t state)
{
    return state == StatusRxTx ? uint32_t(0u - frameLoss) : frameLoss;
}

QString y1564AvailabilityPercent(uint32_t available, uint32_t unavailable)
{
    const quint64 sum = quint64(available) + unavailable;
    if (sum == 0)
        return dash();
    return fixed(double(float(double(available) * 100.0 / double(sum))), AvailPercentDecimals);
}

Y1564ResultsView y1564ResultsView(const y1564_settings_t *settings, const y1564_results_t *results,
                                  int stream)
{
    Y1564ResultsView v;
    if (!settings || !results) {
        const QString d = dash();
        v.elapsed = v.remaining = v.performanceStatus = d;
        for (int c = 0; c < Y1564ConfigSteps; ++c) {
            for (int col = 0; col < 4; ++col)
                v.rate[c][col] = v.delay[c][col] = v.jitter[c][col] = d;
            for (int col = 0; col < 3; ++col)
                v.loss[c][col] = d;
        }
        for (auto &row : v.perf1)
            for (QString &cell : row)
                cell = d;
        for (auto &row : v.perf2)
            for (QString &cell : row)
                cell = d;
        return v;
    }
    const y1564_settings_t &s = *settings;
    const y1564_results_t &r = *results;
    stream = qBound(0, stream, Y1564Streams - 1);

    uint32_t elapsed = 0;
    uint32_t remaining = 0;
    elapsedAndRemaining(r.startTime, r.currentTime, r.plannedDuration, elapsed, remaining);
    v.elapsed = secondsToString(elapsed);
    v.remaining = secondsToString(remaining);

    for (int c = 0; c < Y1564ConfigSteps; ++c) {
        const y1564_result_entry_t &e = r.config[c][stream];
        const uint8_t ir = y1564ResultState(&s, &r, c, stream, Y1564Criterion::Ir);
        const uint8_t fl = y1564ResultState(&s, &r, c, stream, Y1564Criterion::Fl);
        const uint8_t ftd = y1564ResultState(&s, &r, c, stream, Y1564Criterion::Ftd);
        const uint8_t fdv = y1564ResultState(&s, &r, c, stream, Y1564Criterion::Fdv);

        v.rate[c][0] = testStatusText(ir);
        if (ir == StatusOff) {
            v.rate[c][1] = v.rate[c][2] = v.rate[c][3] = dash();
        } else {
            v.rate[c][1] = bitRateToString(e.irMin);
            v.rate[c][2] = bitRateToString(e.irAvg);
            v.rate[c][3] = bitRateToString(e.irMax);
        }

        v.loss[c][0] = testStatusText(fl);
        if (fl == StatusOff) {
            v.loss[c][1] = v.loss[c][2] = dash();
        } else {
            const uint32_t lost = y1564ShownFrameLoss(e.frameLoss, fl);
            v.loss[c][1] = count(lost);
            v.loss[c][2] = lossRatio(lost, e.frames);
        }

        v.delay[c][0] = testStatusText(ftd);
        if (ftd == StatusOff) {
            v.delay[c][1] = v.delay[c][2] = v.delay[c][3] = dash();
        } else {
            v.delay[c][1] = delay(e.ftdMin);
            v.delay[c][2] = delay(e.ftdAvg);
            v.delay[c][3] = delay(e.ftdMax);
        }

        v.jitter[c][0] = testStatusText(fdv);
        if (fdv == StatusOff) {
            v.jitter[c][1] = v.jitter[c][2] = v.jitter[c][3] = dash();
        } else {
            v.jitter[c][1] = delay(e.fdvMin);
            v.jitter[c][2] = delay(e.fdvAvg);
            v.jitter[c][3] = delay(e.fdvMax);
        }
    }

    // Performance test.
    const y1564_result_entry_t &p = r.performance[stream];
    uint8_t common = StatusOff;
    uint8_t fl = StatusOff, avail = StatusOff, ir = StatusOff, ftd = StatusOff, fdv = StatusOff;
    if (s.flags & Y1564FlagPerformanceTest) {
        common = r.performanceStatus;
        if (streamActive(s, stream)) {
            if (common == StatusOk) {
                auto verdict = [&](uint8_t bit) { return uint8_t((p.failures & bit) ? StatusError : StatusOk); };
                fl = verdict(Y1564FailFl);
                avail = verdict(Y1564FailAvail);
                ir = verdict(Y1564FailIr);
                ftd = verdict(Y1564FailFtd);
                fdv = verdict(Y1564FailFdv);
            } else {
                fl = avail = ir = ftd = fdv = common;
            }
        }
    }
    v.performanceStatus = testStatusText(common);

    v.perf1[PerfRowFl][0] = v.perf1[PerfRowFlr][0] = testStatusText(fl);
    v.perf1[PerfRowAvail][0] = v.perf1[PerfRowAvailPercent][0] = testStatusText(avail);
    if (fl == StatusOff) {
        v.perf1[PerfRowFl][1] = v.perf1[PerfRowFlr][1] = dash();
    } else {
        const uint32_t lost = y1564ShownFrameLoss(p.frameLoss, fl);
        if (p.frames != 0)
            v.perf1[PerfRowFl][1] = count(lost);
        else
            v.perf1[PerfRowFl][1] = fl == StatusRxTx ? count(lost) : dash();
        v.perf1[PerfRowFlr][1] = lossRatio(lost, p.frames);
    }
    if (avail == StatusOff || quint64(p.available) + p.unavailable == 0) {
        v.perf1[PerfRowAvail][1] = v.perf1[PerfRowAvailPercent][1] = dash();
    } else {
        v.perf1[PerfRowAvail][1] = count(p.available);
        v.perf1[PerfRowAvailPercent][1] = y1564AvailabilityPercent(p.available, p.unavailable);
    }

    v.perf2[PerfRowIr][0] = testStatusText(ir);
    v.perf2[PerfRowFtd][0] = testStatusText(ftd);
    v.perf2[PerfRowFdv][0] = testStatusText(fdv);
    if (ir == StatusOff) {
        v.perf2[PerfRowIr][1] = v.perf2[PerfRowIr][2] = v.perf2[PerfRowIr][3] = dash();
    } else {
        v.perf2[PerfRowIr][1] = bitRateToString(p.irMin);
        v.perf2[PerfRowIr][2] = bitRateToString(p.irAvg);
        v.perf2[PerfRowIr][3] = bitRateToString(p.irMax);
    }
    if (ftd == StatusOff) {
        v.perf2[PerfRowFtd][1] = v.perf2[PerfRowFtd][2] = v.perf2[PerfRowFtd][3] = dash();
    } else {
        v.perf2[PerfRowFtd][1] = delay(p.ftdMin);
        v.perf2[PerfRowFtd][2] = delay(p.ftdAvg);
        v.perf2[PerfRowFtd][3] = delay(p.ftdMax);
    }
    if (fdv == StatusOff) {
        v.perf2[PerfRowFdv][1] = v.perf2[PerfRowFdv][2] = v.perf2[PerfRowFdv][3] = dash();
    } else {
        v.perf2[PerfRowFdv][1] = delay(p.fdvMin);
        v.perf2[PerfRowFdv][2] = delay(p.fdvAvg);
        v.perf2[PerfRowFdv][3] = delay(p.fdvMax);
    }
    return v;
}

// ---- link and synchronisation -----------------------------------------------------

Y1564LinkView y1564LinkView(const port_link_t &link)
{
    if (!link.up)
        return {dash(), dash(), dash()};
    QString speed;
    switch (link.speed) {
    case 0: speed = QStringLiteral("10"); break;
    case 1: speed = QStringLiteral("100"); break;
    case 2: speed = QStringLiteral("1000"); break;
    default: break;
    }
    Y1564LinkView v;
    v.speed = speed + QLatin1Char(' ') + QCoreApplication::translate("Y1564Form", "Mbps");
    v.duplex = link.duplex ? QStringLiteral("FDX") : QStringLiteral("HDX");
    v.interfaceType = speed + QStringLiteral("BASE-") + (link.medium == 1 ? QLatin1Char('X') : QLatin1Char('T'));
    return v;
}

QString y1564SyncStatusText(uint8_t status, uint8_t active, uint8_t correct)
{
    QString text;
    switch (status) {
    case 0: text = QStringLiteral("no sync"); break;
    case 1: text = QStringLiteral("sync PTP"); break;
    case 2: text = QStringLiteral("sync NTP"); break;
    case 3: text = QStringLiteral("sync NTP2"); break;
    case 4: text = QStringLiteral("sync 1PPS"); break;
    default: break;
    }
    text += active == 1 ? QStringLiteral(", active") : QStringLiteral(", inactive");
    text += (correct & 0x01) ? QStringLiteral(", NTP correct") : QStringLiteral(", NTP not correct");
    text += (correct & 0x02) ? QStringLiteral(", RF correct") : QStringLiteral(", RF not correct");
    return text;
}
