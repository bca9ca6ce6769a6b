#include "deviceidentity.h"

#include <QObject>

QString deviceModelName(unsigned deviceType)
{
    switch (deviceType & 0xFFu) {
    case 0: return QStringLiteral("Tarnek-Vyr");
    case 1: return QStringLiteral("Tarnek-VyrB");
    case 2: return QStringLiteral("Tarnek-VyrK");
    case 3: return QStringLiteral("Tarnek-VyrBK");
    case 4: return QStringLiteral("BR2400");
    case 5: return QStringLiteral("BR2410");
    case 6: return QStringLiteral("Tarnek-VyrK C1");
    case 7: return QStringLiteral("Tarnek-VyrBK C1");
    case 8: return QStringLiteral("Tarnek-VyrK C2");
    default: return QStringLiteral("unknown");
    }
}

QString deviceFamilyName(unsigned deviceType)
{
    switch (deviceType & 0xFFu) {
    case 6:
    case 7:
    case 8:
        return QStringLiteral("Tarnek-VyrK C");
    default:
        return deviceModelName(deviceType);
    }
}

QString manufacturerName(unsigned deviceType)
{
    if (deviceType == 4 || deviceType == 5)
        return QStringLiteral("Brannholt Electronic GmbH");
    return QObject::tr("CJSC") + QStringLiteral(" \"") + QObject::tr("RP Enterprise Halvorsk")
        + QStringLiteral("\"");
}

int devicePortCount(unsigned deviceType)
{
    switch (deviceType) {
    case 1:
    case 3:
    case 5:
    case 6:
    case 7:
        return 1;
    default:
        return 2;
    }
}
