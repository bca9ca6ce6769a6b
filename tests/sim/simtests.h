#pragma once

// What the simulated tester does per test, beyond storing bytes: the
// settings record it holds before anyone wrote one (values a real tester
// would show, not a byte pattern) and the results a running test produces.
//
// Used only when SimRemoteResponder::realistic is set (vyrsim sets it; tests
// that want a tester that "runs" a test set it too). Each group of tests has
// its own source file (simtest_*.cpp) with a register function that fills the
// entries of its test ids; an id without an entry keeps the pattern blocks.

#include "headersettings.h"

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

#include <cstring>
#include <functional>
#include <type_traits>

class SimRemoteResponder;

// One results request (0x13) of a test, with what the tester knows of it.
struct SimRun
{
    quint32 port = 0;
    quint8 test = 0;
    quint32 param = 0;           // the request's parameter (a page, an index)
    bool running = false;        // the test's bit is set in the port's tx process word
    bool started = false;        // it was started since the tester came up
    bool stopped = false;        // a Stop ended it before its end
    qint64 elapsedMs = 0;        // since its start (0 when never started); once
                                 // stopped or ended, how long it ran: results
                                 // computed from it stay as they were then
    quint32 topology = 0;        // topology code in force at its start
    quint32 startClock = 0;      // tester clock at its start
    quint32 clock = 0;           // tester clock now
    QByteArray settings;         // the port's settings record of the test
    const SimRemoteResponder *tester = nullptr;   // read-only view of the rest
};

struct SimResultsAnswer
{
    QByteArray record;           // cut or padded to the test's results size
    bool finished = false;       // the test ends now: its process bits clear
    bool valid = true;           // false: the reply says "no valid results"
                                 // (byte 0 is 0) and the record stays unsent
};

// One stream of frames of a run: what its port sends (or, from the far
// end, receives) while it runs, and what the run has counted so far, as its
// own results count it.
struct SimStream
{
    quint32 length = 0;          // bytes per frame, within 64-9600
    double bytesPerSecond = 0;   // frame bytes a second while the run runs
    quint64 sent = 0;            // frames sent since the run started
    quint64 received = 0;        // of those, the frames that arrived
    bool fromFarEnd = false;     // sent by the far end to the run's port, not by a test port
};

struct SimTestModel
{
    // Settings record of a port (exactly the test's settings size), or empty.
    std::function<QByteArray(quint32 port)> defaultSettings;
    // Results of one request, or an empty record for the pattern block.
    std::function<SimResultsAnswer(const SimRun &run)> results;
    // The streams of frames a run of the test sends from its port (to the
    // other port or back to its own, by the run's topology) and receives
    // from the far end. A test that has them sends traffic: their rates
    // show in the status record while it runs, their frames in the port
    // statistics, and it does not start on a port without link.
    std::function<QVector<SimStream>(const SimRun &run)> traffic;
};

// A record as the bytes of its block, and a block as a record (all zero
// when the size does not match), for the models.
template <class T>
QByteArray simBytesOf(const T &record)
{
    static_assert(std::is_trivially_copyable<T>::value, "records are plain bytes");
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(T)));
}

template <class T>
T simRecordOf(const QByteArray &bytes)
{
    static_assert(std::is_trivially_copyable<T>::value, "records are plain bytes");
    T record;
    std::memset(&record, 0, sizeof record);
    if (bytes.size() == int(sizeof(T)))
        std::memcpy(&record, bytes.constData(), sizeof(T));
    return record;
}

// The share (0 to 1) of a 1 Gbit/s line that a rate in a settings record's
// unit asks for: unit 0 percent, 1 bps, 2 kbps, 3 Mbps; any other unit asks
// for the whole line.
double simLineShare(quint8 rateUnit, double rate);

// A frame length as the simulated tester sends it: 64 to 9600 bytes.
constexpr quint32 simFrameLength(quint32 length)
{
    return length < 64 ? 64 : length > 9600 ? 9600 : length;
}

// The frame bytes per second that a share (0 to 1) of a 1 Gbit/s line
// carries in frames of the given length (bounded to 64-9600), each with 20
// bytes of preamble and gap around it on the wire.
quint32 simFrameBytesPerSecond(double share, quint32 frameLength);

// How far a run has come: the seconds it has taken (at most its duration)
// and whether it has reached its end.
struct SimRunTime
{
    quint32 duration;            // the duration the run counts with
    qint64 seconds;
    bool done;
};

// A set duration of 0 is taken as one second.
SimRunTime simRunTime(const SimRun &run, quint32 duration);
// A set duration of 0 runs until stopped (never done).
SimRunTime simOpenRunTime(const SimRun &run, quint32 duration);
// The status of a run that has started: OK once done, "Stop" after a Stop
// before its end, running while it runs.
quint8 simRunStatus(const SimRun &run, bool done);

// The factory addresses of the ports: 192.168.0.1 (Port A), 192.168.0.2
// (Port B).
inline quint32 simPortAddress(quint32 port)
{
    return port == 0 ? 0xC0A80001u : 0xC0A80002u;
}

// The frame header of a fresh tester's test settings: IPv4 and UDP
// (5000 -> 5001, TTL 64) towards the other port's factory address, MAC by
// ARP. Stream n of a test with several uses the UDP ports 2n above those.
inline header_settings_t simDefaultHeader(quint32 port, int stream = 0)
{
    header_settings_t h;
    std::memset(&h, 0, sizeof h);
    h.ipDest = simPortAddress(port == 0 ? 1 : 0);
    h.arp = 1;
    h.ttl = 64;
    h.udpSrc = quint16(5000 + 2 * stream);
    h.udpDst = quint16(5001 + 2 * stream);
    h.level3 = 1;
    h.level4 = 1;
    return h;
}

// The model of a test id; an empty model for ids nobody registered.
const SimTestModel &simTestModel(quint8 test);

// Register functions, one per source file; each sets models[id] for its ids.
// (Called once, in this order, by simTestModel.)
using SimTestModels = SimTestModel[32];
void simRegisterTraffic(SimTestModels &models);          // 2, 16
void simRegisterJitterMulti(SimTestModels &models);      // 5, 6
void simRegisterRfc(SimTestModels &models);              // 3
void simRegisterY1564(SimTestModels &models);            // 4
void simRegisterStatsBert(SimTestModels &models);        // 1, 19 (and pass-through)
void simRegisterDiagnostics(SimTestModels &models);      // 12, 14, 15, 21
void simRegisterInterfaces(SimTestModels &models);       // 20
void simRegisterDeviceOptical(SimTestModels &models);    // 0, 13
void simRegisterPtp(SimTestModels &models);              // 7
void simRegisterSync(SimTestModels &models);             // 17
void simRegisterIpTools(SimTestModels &models);          // 8-11

// A picture such as the tester's display shows, drawn into its screen
// (simtest_files.cpp): bars, panels, all 64 colours, short runs.
void simDrawScreen(SimRemoteResponder &tester);
