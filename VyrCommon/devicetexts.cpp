#include "devicetexts.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString cannotStart()
{
    return QCoreApplication::translate("Device", "Cannot start the test");
}

// "%1.\n%2." with the common first line and a reason.
QString withReason(const char *reason)
{
    return QStringLiteral("%1.\n%2.").arg(cannotStart(), QCoreApplication::translate("Device", reason));
}

} // namespace

QString testStatusText(unsigned status)
{
    switch (status) {
    case StatusWait: return QCoreApplication::translate("Device", "Wait");
    case StatusOk: return QCoreApplication::translate("Device", "OK");
    case StatusError: return QCoreApplication::translate("Device", "Error");
    case StatusRunning: return QCoreApplication::translate("Device", "Running");
    case StatusStop: return QCoreApplication::translate("Device", "Stopped");
    case StatusNoSync: return QCoreApplication::translate("Device", "No sync");
    case StatusNoTx: return QCoreApplication::translate("Device", "No Tx");
    case StatusNoRx: return QCoreApplication::translate("Device", "No Rx");
    case StatusOff: return QCoreApplication::translate("Device", "Off");
    case StatusRxTx: return QCoreApplication::translate("Device", "RxTx");
    case StatusLossExceeded: return QCoreApplication::translate("Device", "Loss exceeded");
    case StatusRemoteDeviceError: return QCoreApplication::translate("Device", "Remote device error");
    case StatusIncompatibleFw: return QCoreApplication::translate("Device", "Incompatible FW version");
    default: return QCoreApplication::translate("Device", "Unknown status");
    }
}

QString streamListText(uint16_t mask)
{
    QStringList streams;
    for (int bit = 0; bit < 10; ++bit) {
        if (mask & (1u << bit))
            streams << QString::number(bit + 1);
    }
    return streams.join(QStringLiteral(", "));
}

QString startTestErrorText(const error_t &error, const eth_settings_t *portSettings)
{
    switch (error.type) {
    case StartErrorNone:
        return QString();
    case StartErrorNotConnected:
        return withReason(QT_TRANSLATE_NOOP("Device", "Not connected"));
    case StartErrorRouting: {
        const uint16_t mask = uint16_t(error.value) & StreamMaskBits;
        if (mask == 0)
            return withReason(QT_TRANSLATE_NOOP("Device", "Routing problem"));
        return QStringLiteral("%1.\n%2.\n%3%4.")
            .arg(cannotStart(), QCoreApplication::translate("Device", "Routing problem"), QCoreApplication::translate("Device", "Stream #"), streamListText(mask));
    }
    case StartErrorRate:
        return QStringLiteral("%1.").arg(QCoreApplication::translate("Device", "Wrong rate settings.\nCannot start with\nrate > 100%"));
    case StartErrorNoActiveStreams:
        return withReason(QT_TRANSLATE_NOOP("Device", "No active streams"));
    case StartErrorStream: {
        QString text = QStringLiteral("%1.").arg(cannotStart());
        const bool vlan = error.vlanFlag != 0 || (portSettings && portSettings->vlanCount != 0);
        const bool mpls = portSettings && portSettings->mplsCount != 0;
        if (vlan)
            text += QStringLiteral("\n%1.").arg(QCoreApplication::translate("Device", "Active VLAN"));
        if (mpls)
            text += QStringLiteral("\n%1.").arg(QCoreApplication::translate("Device", "Active MPLS"));
        const uint16_t mask = error.streamMask & StreamMaskBits;
        if (mask != 0)
            text += QStringLiteral("\n%1%2.").arg(QCoreApplication::translate("Device", "Stream #"), streamListText(mask));
        text += QStringLiteral("\n%1 > %2 %3.")
                    .arg(QCoreApplication::translate("Device", "Set packet length"),
                         QString::number(int(error.packetLength) - 1),
                         QCoreApplication::translate("Device", "B"));
        return text;
    }
    case StartErrorTestNotChosen:
        return withReason(QT_TRANSLATE_NOOP("Device", "No test chosen"));
    case StartErrorAlreadyRunning:
        return QStringLiteral("%1.").arg(QCoreApplication::translate("Device", "The test is already running"));
    case StartErrorTooManyAddresses:
        return QStringLiteral("%1.\n%2 %3.")
            .arg(cannotStart(),
                 QCoreApplication::translate("Device", "Too many addresses. The largest possible number is"),
                 QString::number(error.value));
    case StartErrorNoFrameLength:
        return withReason(QT_TRANSLATE_NOOP("Device", "No frame length chosen"));
    case StartErrorNoUserRate:
        return withReason(QT_TRANSLATE_NOOP("Device", "User rate not set for the latency test"));
    case StartErrorNoSignalSources:
        return withReason(QT_TRANSLATE_NOOP("Device", "No signal sources chosen"));
    case StartErrorNoPtpServer:
        return withReason(QT_TRANSLATE_NOOP("Device", "No PTP server chosen"));
    default:
        return QStringLiteral("%1.").arg(QCoreApplication::translate("Device", "Unknown error"));
    }
}
