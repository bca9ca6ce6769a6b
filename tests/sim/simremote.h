#pragma once

// The tester's remote-control firmware, as seen from RemoteControl: answers
// every request of the remote-control protocol from the plain state below
// and records what it was sent. Requests that are too short for their
// command are counted in `malformed` and get no reply.
//
// Called by SimTester in its own thread with the responder lock held; tests
// reach the state through SimTester::with<SimRemoteResponder>().

#include "simtester.h"

#include "records.h"
#include "simtests.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QVector>

#include <array>

class SimRemoteResponder : public SimResponder
{
public:
    static constexpr int ScreenWidth = 320;
    static constexpr int ScreenHeight = 240;
    static constexpr int ScreenPairs = 170;
    static constexpr int MaxRun = 255;
    static constexpr int NameSize = 21;
    // Files the store holds at most, of both types together: one more save
    // answers "memory full".
    static constexpr int MaxFiles = 64;
    // Error bytes of a refused save (0x0C, 0x15).
    static constexpr quint8 SaveErrorMemoryFull = 1;
    static constexpr quint8 SaveErrorFileExists = 2;

    struct File {
        QString name;
        quint32 type = 0;        // 1 configuration, 6 report
        QByteArray contents;
        quint32 port = 0;        // reports: the port and test they were saved from
        quint32 test = 0;
    };

    struct Phase {
        quint8 phase = 0;        // 0 start, 1 finish, 2 cancel
        quint32 cpuLength = 0;
        quint32 fpgaLength = 0;
        QByteArray raw;          // the whole request payload
    };

    struct Block {
        quint8 kind = 0;         // 0 CPU, 1 FPGA
        QByteArray data;         // the 256 bytes as received
    };

    explicit SimRemoteResponder(quint8 deviceType = 0);

    // Off (the default): settings and results are pattern blocks and
    // stay as they are, so a test can tell every byte's place. On: the test
    // models of simtests.h give the settings a tester holds before anyone
    // wrote them and results that follow a running test (and may end it, and
    // stay as they were once it is stopped), the status clock runs in real
    // time, a test that sends traffic shows its rates in the status record
    // and its frames in the port statistics (nothing else passes the ports)
    // and does not start on a port without link.
    bool realistic = false;

    QList<SimReply> handle(const QByteArray &request) override;

    // --- identity and status ------------------------------------------------
    get_device_info_resp_t info;
    get_device_status_resp_t status;   // process words follow 0x09 and the pass-through and loopback codes of 0x0A
    get_sync_status_resp_t syncStatus;
    device_settings_t deviceSettings;

    // --- settings blocks and results, keyed by key(port, id) ----------------
    // Created on first use with the record size of the id and a fixed pattern
    // (patternBlock), so a test can tell every byte's place.
    QHash<quint32, QByteArray> settings;
    QHash<quint32, QByteArray> results;
    quint8 resultsValid = 1;           // byte 0 of every results reply
    QList<QPair<quint32, quint8>> defaultsLoaded;   // 0x14 (port, id)

    static quint32 key(quint32 port, quint8 id) { return (port << 8) | id; }
    static QByteArray patternBlock(quint32 port, quint8 id, int size, bool resultsRecord);
    QByteArray &settingsBlock(quint32 port, quint8 id);
    QByteArray &resultsRecord(quint32 port, quint8 test);
    // A report file of the test as the tester writes it (0x15): header,
    // interface block, settings and results records where the report layout
    // puts them, as held now. A test id without a layout gets the header
    // with its settings and results records after it.
    QByteArray reportFile(quint32 port, quint8 test);

    // --- tests ---------------------------------------------------------------
    error_t startError;                // type != 0: every start is refused with it
    quint32 topology[3] = {0, 0, 0};   // last 0x0A per port
    struct Run {
        QElapsedTimer since;
        qint64 endedAfterMs = -1;    // how long it ran, once stopped or ended
        bool stopped = false;        // ended by a Stop (or its bits cleared) before its end
        quint32 topology = 0;
        quint32 startClock = 0;
    };
    QHash<quint32, Run> runs;          // key(port, test) of every test started
    int statisticsResets = 0;
    // The run of a test on a port as the test models see it (also one that
    // was never started).
    SimRun runOf(quint32 port, quint8 test) const;

    // --- what the tests put through the test ports (realistic) ----------------
    // The frames by length a test port sent and received since its counters
    // were last reset (0x0B), counted as the tests' own results count them,
    // and the rates of the tests running now, in frame bytes and frames a
    // second (at most a full line each way). Nothing else passes the ports:
    // an idle tester has no traffic.
    struct PortTraffic {
        QMap<quint32, quint64> txFrames;
        QMap<quint32, quint64> rxFrames;
        double txBytesPerSecond = 0;
        double rxBytesPerSecond = 0;
        double txFramesPerSecond = 0;
        double rxFramesPerSecond = 0;
    };
    PortTraffic portTraffic(quint32 port) const;

    // --- files -----------------------------------------------------------------
    QList<File> files;
    quint8 fileError = 0;              // answers save, load, delete and open
    QString loadedConfig;              // last 0x0D name
    // 0x1A: empty (the default) proposes the first "CONFIG 0001" (test id 0)
    // or "REPORT 0001" (any other) not in the store; else this name.
    QString newFileName;
    QString proposedName(quint8 test) const;
    int listCursor = 0;                // 0x07
    int openFile = -1;                 // 0x05 -> 0x06
    int readCursor = 0;
    int fileIndex(const QString &name) const;

    // --- screen ----------------------------------------------------------------
    QVector<quint8> screen;            // 320 x 240 colour codes, row by row
    bool screenStalls = false;         // answer only empty runs (0 pixels)
    void fillScreen(quint8 colour) { screen.fill(colour); }

    // --- update package receiver -------------------------------------------------
    QList<Phase> phases;
    QList<Block> blocks;
    quint8 startReply = 1;             // reply byte of a start phase
    quint8 finishReply = 1;
    quint8 cancelReply = 1;
    int refuseBlock = -1;              // this block (0-based, over all blocks) is answered 0
    // The image assembled from the blocks of one kind, cut to size bytes.
    QByteArray image(quint8 kind, int size) const;

    // --- everything else ---------------------------------------------------------
    QHash<quint32, quint8> fpga;       // registers by address
    quint32 clock = 0;
    quint8 clockReply = 1;
    QList<quint8> syncStatusSet;       // 0x1B values
    quint32 watchdogTime = 0;
    quint32 lastKey = 0;
    quint32 menuId = 7;
    QList<QByteArray> resets;          // 0x80 / 0x20 payloads (no reply)
    int defaultConfigLoads = 0;        // 0x17 (no reply)
    int malformed = 0;
    QSet<quint8> unanswered;           // commands that get no reply at all
    QHash<quint8, QByteArray> replyOverride;   // payload sent instead of the normal reply

private:
    QList<SimReply> reply(const QByteArray &payload);
    QList<SimReply> byteReply(quint8 value);
    QByteArray screenReply(quint32 index) const;
    void setProcess(quint32 port, quint8 test, bool start);
    // The run of the test on the port keeps how long it ran from now on.
    void endRun(quint32 port, quint8 test, bool stopped);
    // realistic: the status rates of the traffic the running tests send.
    void updateRates();
    // Frames by length that one run has put through each test port (tx and
    // rx of Port A, of Port B).
    struct PortFrames {
        QMap<quint32, qint64> tx;
        QMap<quint32, qint64> rx;
        // Adds what was counted from `before` to `now`.
        void add(const PortFrames &now, const PortFrames &before);
    };
    using RunFrames = std::array<PortFrames, 2>;
    RunFrames runFrames(quint32 runKey) const;
    // 0x0B: the counters of both ports start again from zero.
    void resetStatistics();
    // A run about to be replaced by a new start of its test: what it put
    // through the ports stays counted.
    void settleRun(quint32 runKey);
    // The settings record held for a port and id, or the one settingsBlock
    // would create for it.
    QByteArray heldSettings(quint32 port, quint8 id) const;
    // What a save (0x0C, 0x15) under the name answers before it stores.
    quint8 saveError(const QString &name) const;
    QByteArray modelSettings(quint32 port, quint8 id) const;
    // The results record a request gets; valid false: the tester has no
    // valid results to give (the reply's byte 0 is 0).
    QByteArray resultsReply(quint32 port, quint8 test, quint32 param, bool *valid = nullptr);
    QElapsedTimer m_up;
    quint32 m_clockBase = 0;
    RunFrames m_settledFrames;                    // of runs replaced since the last reset
    QHash<quint32, RunFrames> m_framesAtReset;    // of each run, at the last reset
};
