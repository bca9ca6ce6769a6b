#include "portstatus.h"

#include "textfunctions.h"

namespace {

// Process-word bits by test id.
constexpr int BitThru = 0;
constexpr int BitLoopback = 1;
constexpr int BitPing = 8;
constexpr int BitRcl = 18;
// Alarm state that turns a ping cell red.
constexpr quint8 AlarmPingLost = 2;

const char *const AlarmStyle = "color: rgb(255, 255, 0);background-color: rgb(255, 0, 0);";
const char *const IdleStyle = "color: rgb(0, 170, 255);background-color: rgb(0, 0, 0);";
const char *const BlueText = "color: rgb(0, 170, 255);";
const char *const WhiteBackground = "background-color: rgb(255, 255, 255);";
const char *const YellowBackground = "background-color: rgb(255, 255, 0);";
const char *const GreenBackground = "background-color: rgb(0, 255, 0);";

bool bit(quint32 word, int n)
{
    return (word >> n) & 1u;
}

struct ProcessName
{
    int bit;
    const char *text;
};

// First match wins; the loopback row is handled apart (its text carries the level).
constexpr ProcessName processNames[] = {
    {2, "TRAF"}, {16, "AT"}, {3, "RFC"}, {6, "JIT"}, {12, "CAB"},
    {BitLoopback, nullptr},
    {BitThru, "THRU"}, {BitPing, "PING"}, {9, "TRT"}, {19, "BERT"}, {10, "DNS"},
    {14, "OAM"}, {5, "MS"}, {7, "PTP"}, {11, "SCAN"}, {15, "MDI"}, {4, "Y1564"},
    {17, "SYNC"},
};

QString processText(quint32 tx, quint32 rx, quint8 level)
{
    const quint32 any = tx | rx;
    for (const ProcessName &p : processNames) {
        if (!bit(any, p.bit))
            continue;
        if (p.bit == BitLoopback)
            return level == 0 ? QString() : QStringLiteral("LB%1").arg(level);
        return QString::fromLatin1(p.text);
    }
    // The recall bit counts on the transmitting side only.
    if (bit(tx, BitRcl))
        return QStringLiteral("RCL");
    return QString();
}

QString processStyle(quint32 tx, quint32 rx, quint8 alarm)
{
    if (tx == 0 && rx == 0)
        return QLatin1String(alarm != 0 ? AlarmStyle : IdleStyle);
    if (bit(tx, BitThru) || bit(tx, BitLoopback))
        return QLatin1String(BlueText) + QLatin1String(WhiteBackground);
    if (bit(tx, BitPing)) {
        if (alarm == AlarmPingLost)
            return QLatin1String(AlarmStyle);
        return QLatin1String(BlueText) + QLatin1String(YellowBackground);
    }
    if (tx != 0)
        return QLatin1String(BlueText) + QLatin1String(YellowBackground);
    return QLatin1String(BlueText) + QLatin1String(GreenBackground);
}

} // namespace

PortCellLook portLinkLook(quint8 up, quint8 speed, quint8 duplex)
{
    if (up == 0)
        return {QStringLiteral("NS"), QLatin1String(PortStyle::BlueOnBlack)};
    static const char *const speeds[] = {"10", "100", "1000"};
    static const char *const duplexes[] = {"H", "F"};
    QString text;
    if (speed < 3)
        text += QLatin1String(speeds[speed]);
    if (duplex < 2)
        text += QLatin1String(duplexes[duplex]);
    return {text, QLatin1String(PortStyle::BlueOnWhite)};
}

QString rxLampStyle(quint32 rxProcess)
{
    return QLatin1String(rxProcess != 0 ? PortStyle::RxActive : PortStyle::BlueOnBlack);
}

QString txLampStyle(quint32 txProcess)
{
    return QLatin1String(txProcess != 0 ? PortStyle::TxActive : PortStyle::BlueOnBlack);
}

PortCellLook portProcessLook(quint32 txProcess, quint32 rxProcess, quint8 alarm, quint8 loopbackLevel)
{
    return {processText(txProcess, rxProcess, loopbackLevel), processStyle(txProcess, rxProcess, alarm)};
}

QString topologyText(int port, quint8 topology)
{
    const bool portB = port != 0;
    switch (topology) {
    case 0:
        return portB ? QStringLiteral("B->A") : QStringLiteral("A->B");
    case 1:
        return portB ? QStringLiteral("B->B") : QStringLiteral("A->A");
    default:
        return QStringLiteral("---");
    }
}

QString portRatesText(quint32 tx, quint32 rx)
{
    return QStringLiteral("Tx: ") + rateToString(tx) + QStringLiteral("\nRx: ") + rateToString(rx);
}
