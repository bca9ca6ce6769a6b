// The simulated tester's interface settings of the ports (20).
#include "simtests.h"

#include "records.h"

#include <cstring>

namespace {

// What a tester fresh from the factory holds for port index 0 (Port A),
// 1 (Port B) and 2 (Port RC): every link mode allowed, a static address in
// 192.168.0.0/24 (Port A .1 and Port B .2, the addresses the traffic
// defaults aim at; Port RC .202, the address the main window proposes), no
// VLAN tags or MPLS labels in use but the usual values ready in their rows,
// and no receive filter. The MACs are the ones "Default" gives on the
// model vyrsim simulates unless told another (type 8, serial 4711).
QByteArray interfaceDefaults(quint32 port)
{
    static const quint32 addresses[] = {0xC0A80001u, 0xC0A80002u, 0xC0A800CAu};
    static const quint8 macLow[] = {0xCB, 0xCC, 0xCD};
    if (port > 2)
        return QByteArray();

    eth_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.dhcp = 0;
    s.linkModes = 0x3F;
    const quint8 mac[6] = {0x02, 0x3a, 0x91, 0x6d, 0x44, macLow[port]};
    std::memcpy(s.mac, mac, sizeof mac);
    s.ip = addresses[port];
    s.mask = 0xFFFFFF00u;
    s.gateway = 0xC0A800FEu;
    s.vlanCount = 0;
    for (int i = 0; i < 3; ++i) {
        s.tpid[i] = 0x8100;
        s.tagControl[i] = 0;
        // Label 16 (the first one not reserved), traffic class 0, TTL 64.
        s.mpls[i] = 16u << 12 | 64u;
    }
    s.mplsCount = 0;
    return simBytesOf(s);
}

} // namespace

void simRegisterInterfaces(SimTestModels &models)
{
    models[TestInterfaceSettings].defaultSettings = interfaceDefaults;
}
