#include "oamformat.h"

#include "textfunctions.h"

#include <QCoreApplication>

namespace {

QString supported(bool yes)
{
    return yes ? QCoreApplication::translate("OamForm", "Supported")
               : QCoreApplication::translate("OamForm", "Unsupported");
}

} // namespace

int oamModeIndex(int32_t mode)
{
    return mode >= 0 && mode < OamModeCount ? int(mode) : -1;
}

int32_t oamModeFromIndex(int index, int32_t stored)
{
    return index >= 0 && index < OamModeCount ? int32_t(index) : stored;
}

OamResultsView oamResultsView(const oam_results_t *results)
{
    OamResultsView v;
    if (!results || results->present == 0) {
        v.mac = v.vendor = v.remoteLoopback = v.mode = v.unidirectional = v.linkEvents = QStringLiteral("-");
        return v;
    }
    const uint8_t flags = results->flags;
    v.mac = macToString(results->mac);
    v.vendor = bytesToHexString(results->vendor);
    v.remoteLoopback = supported(flags & OamFlagRemoteLoopback);
    v.mode = flags & OamFlagActive ? QCoreApplication::translate("OamForm", "Active")
                                   : QCoreApplication::translate("OamForm", "Passive");
    v.unidirectional = supported(flags & OamFlagUnidirectional);
    v.linkEvents = supported(flags & OamFlagLinkEvents);
    return v;
}
