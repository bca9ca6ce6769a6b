#include "../streams/memorystream.h"
#include "crc8.h"
#include "simtester.h"
#include "simupdate.h"
#include "updater.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QThread>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <functional>

#include <time.h>

using Sim = SimUpdateResponder;

namespace {

const QString Logon = QStringLiteral("tuvex");
const QString Password = QStringLiteral("tuvex");

QByteArray randomBytes(int n, quint32 seed)
{
    QRandomGenerator gen(seed);
    QByteArray b(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i)
        b[i] = char(gen.bounded(256));
    return b;
}

void appendLe32(QByteArray &b, quint32 v)
{
    uchar raw[4];
    qToLittleEndian(v, raw);
    b.append(reinterpret_cast<const char *>(raw), 4);
}

struct PackageParts {
    quint8 type = 6;
    QByteArray cpu, fpga, fs, gps;
    bool gpsSection = false;
    quint8 gpsFlag = 0;
};

QByteArray makePackage(const PackageParts &p)
{
    QByteArray b;
    appendLe32(b, 0xC0FFEE42u);
    b.append(char(p.type));
    appendLe32(b, quint32(p.cpu.size()));
    appendLe32(b, quint32(p.fpga.size()));
    appendLe32(b, quint32(p.fs.size()));
    b += p.cpu + p.fpga + p.fs;
    if (p.gpsSection) {
        appendLe32(b, 0xC0FFEE42u);
        b.append(char(p.gpsFlag));
        appendLe32(b, quint32(p.gps.size()));
        b += p.gps;
    }
    return b;
}

// Every report of an Updater, in the order it arrived in this thread.
class Recorder : public QObject
{
public:
    QStringList events;     // "state N", "connected", "disconnected", ...
    QList<int> states;
    QHash<QString, QList<float>> progress;
    uchar type = 0xFF;
    QString release;
    ushort serial = 0;

    void attach(Updater *u, Qt::ConnectionType how)
    {
        QObject::connect(u, &Updater::stateChanged, this, [this](UpdaterState s) {
            states << int(s);
            events << QStringLiteral("state %1").arg(int(s));
        }, how);
        QObject::connect(u, &Updater::connected, this, [this](uchar t, QString r, ushort s) {
            type = t;
            release = r;
            serial = s;
            events << QStringLiteral("connected");
        }, how);
        QObject::connect(u, &Updater::connectionFailed, this, [this] { events << QStringLiteral("connectionFailed"); }, how);
        QObject::connect(u, &Updater::disconnected, this, [this] { events << QStringLiteral("disconnected"); }, how);
        QObject::connect(u, &Updater::notInUpdateMode, this, [this] { events << QStringLiteral("notInUpdateMode"); }, how);
        QObject::connect(u, &Updater::cpuUpdateProgress, this, [this](float f) { progress[QStringLiteral("cpu")] << f; }, how);
        QObject::connect(u, &Updater::fpgaUpdateProgress, this, [this](float f) { progress[QStringLiteral("fpga")] << f; }, how);
        QObject::connect(u, &Updater::fsUpdateProgress, this, [this](float f) { progress[QStringLiteral("fs")] << f; }, how);
        QObject::connect(u, &Updater::gpsUpdateProgress, this, [this](float f) { progress[QStringLiteral("gps")] << f; }, how);
    }
    void clear()
    {
        events.clear();
        states.clear();
        progress.clear();
    }
};

// The simulated tester on a pseudo-terminal, and an Updater in this thread.
struct Rig {
    SimTester sim{new Sim};
    QString path;
    Updater updater;
    Recorder rec;

    Rig()
    {
        path = sim.openPty();
        rec.attach(&updater, Qt::DirectConnection);
    }
    void config(const std::function<void(Sim &)> &f) { sim.with<Sim>(f); }
    template <class T>
    T read(const std::function<T(Sim &)> &f)
    {
        T out{};
        sim.with<Sim>([&](Sim &s) { out = f(s); });
        return out;
    }
    bool connectAndReset()
    {
        updater.connect(path, Logon, Password, false);
        const bool ok = updater.isConnected() && rec.events == QStringList{QStringLiteral("connected")};
        sim.clearRequests();
        config([](Sim &s) { s.clearRecord(); });
        rec.clear();
        return ok;
    }
};

// An Updater moved to a worker thread, reached through queued connections
// as the windows reach it.
class WorkerRig : public QObject
{
    Q_OBJECT
public:
    SimTester sim{new Sim};
    QString path;
    Updater *updater = new Updater;
    QThread thread;
    Recorder rec;

    WorkerRig()
    {
        path = sim.openPty();
        updater->moveToThread(&thread);
        thread.start(QThread::InheritPriority);
        using ConnectSlot = void (Updater::*)(QString, QString, QString, bool);
        QObject::connect(this, &WorkerRig::connectUpdater, updater, static_cast<ConnectSlot>(&Updater::connect),
                         Qt::QueuedConnection);
        QObject::connect(this, &WorkerRig::fullUpdate, updater, &Updater::fullUpdate, Qt::QueuedConnection);
        rec.attach(updater, Qt::QueuedConnection);
    }
    ~WorkerRig() override
    {
        // The port belongs to the worker: close it there before it stops.
        QMetaObject::invokeMethod(updater, [u = updater] { u->disconnect(); }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
        delete updater;
    }
    void config(const std::function<void(Sim &)> &f) { sim.with<Sim>(f); }
    void run(const std::function<void(Updater &)> &f)
    {
        QMetaObject::invokeMethod(updater, [&] { f(*updater); }, Qt::BlockingQueuedConnection);
        // The reports were posted before the call returned.
        QCoreApplication::sendPostedEvents();
    }

signals:
    void connectUpdater(QString portName, QString logon, QString passw, bool fromRcMode);
    void fullUpdate(QByteArray data);
};

bool allEqual(const QByteArray &b, char c)
{
    return b.count(c) == b.size();
}

// CPU time of the calling thread, in milliseconds.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}


} // namespace

class TestUpdater : public QObject
{
    Q_OBJECT

private slots:
    void logonGoesOutAsOneExactFrame();
    void connectOutcomes_data();
    void connectOutcomes();
    void connectFailsOnMissingPort();
    void connectAgainReopensOpenLink();
    void connectFromRemoteControlMode_data();
    void connectFromRemoteControlMode();
    void cpuImageInBlocks();
    void fsImageInSlices();
    void fpgaAndGpsImages();
    void emptyImages_data();
    void emptyImages();
    void resetOutcomes_data();
    void resetOutcomes();
    void closedLinkFailsAtFirstSend();
    void badAcknowledgement_data();
    void badAcknowledgement();
    void lateAcknowledgementNotTakenForLaterBlock();
    void refusalIsFinal_data();
    void refusalIsFinal();
    void hungUpLineEndsTheWaitAtOnce();
    void silentWaitDoesNotSpin();
    void drivenThroughMemoryStream();
    void acknowledgementLimits_data();
    void acknowledgementLimits();
    void logonChange();
    void ipSettings();
    void parseIpAddress_data();
    void parseIpAddress();
    void portsListed();
    void fullUpdateInWorkerThread();
    void fullUpdateOutcomes_data();
    void fullUpdateOutcomes();
};

void TestUpdater::logonGoesOutAsOneExactFrame()
{
    Rig rig;
    QVERIFY(!rig.path.isEmpty());
    rig.updater.connect(rig.path, Logon, Password, false);
    QCOMPARE(rig.rec.events, QStringList{"connected"});

    QByteArray frame = QByteArray::fromHex("2900" "87") + "tuvex" + QByteArray(15, '\0') + "tuvex" + QByteArray(15, '\0');
    frame.append(char(crc8(frame.constData(), frame.size())));
    QCOMPARE(frame.size(), 44);

    const QList<QByteArray> requests = rig.sim.requests();
    QVERIFY(rig.sim.badFrames().isEmpty());
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(0), frame.mid(2, 41));
    QCOMPARE(requests.at(1), QByteArray(1, '\x81'));
}

void TestUpdater::connectOutcomes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("logonReply");     // empty: the simulator decides
    QTest::addColumn<QByteArray>("identifyReply");  // empty: the simulator's own
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("identifySent");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("release");
    QTest::addColumn<int>("serial");

    const int upd = int(Sim::Mode::Update);
    const QStringList ok{"connected"};
    const QStringList failed{"connectionFailed"};
    const QStringList normal{"notInUpdateMode", "connectionFailed"};

    // The reply frame 0D 00 | 06 'R3.0.4' 00 00 00 00 D2 04 | AC.
    QTest::newRow("accepted") << upd << "tuvex" << QByteArray() << QByteArray::fromHex("0652332E302E3400000000D204")
                              << ok << true << 6 << "R3.0.4" << 1234;
    QTest::newRow("refused") << upd << "wrong" << QByteArray() << QByteArray() << failed << false << 0 << "" << 0;
    QTest::newRow("logon reply 02 alone is accepted")
        << upd << "tuvex" << QByteArray("\x02", 1) << QByteArray() << ok << true << 6 << "R3.0.4" << 1234;
    QTest::newRow("logon reply 02 00") << upd << "tuvex" << QByteArray("\x02\x00", 2) << QByteArray() << normal << false
                                       << 0 << "" << 0;
    QTest::newRow("normal firmware") << int(Sim::Mode::Normal) << "tuvex" << QByteArray() << QByteArray() << normal
                                     << false << 0 << "" << 0;
    QTest::newRow("empty logon reply") << upd << "tuvex" << QByteArray("", 0) << QByteArray() << failed << false << 0
                                       << "" << 0;
    QTest::newRow("identify 12 bytes") << upd << "tuvex" << QByteArray() << QByteArray::fromHex("0652332E302E3400000000D2")
                                       << failed << true << 0 << "" << 0;
    QTest::newRow("identify 12 bytes from 02") << upd << "tuvex" << QByteArray()
                                               << QByteArray::fromHex("0252332E302E3400000000D2") << normal << true << 0
                                               << "" << 0;
    QTest::newRow("release of 10 characters") << upd << "tuvex" << QByteArray()
                                              << QByteArray::fromHex("03") + "ABCDEFGHIJ" + QByteArray::fromHex("FFFF")
                                              << ok << true << 3 << "ABCDEFGHIJ" << 65535;
}

void TestUpdater::connectOutcomes()
{
    QFETCH(int, mode);
    QFETCH(QString, password);
    QFETCH(QByteArray, logonReply);
    QFETCH(QByteArray, identifyReply);
    QFETCH(QStringList, events);
    QFETCH(bool, identifySent);

    Rig rig;
    rig.config([&](Sim &s) {
        s.mode = Sim::Mode(mode);
        if (!logonReply.isNull())
            s.replyOverride[Sim::CmdLogon] = logonReply;
        if (!identifyReply.isNull())
            s.replyOverride[Sim::CmdIdentify] = identifyReply;
    });
    rig.updater.connect(rig.path, Logon, password, false);

    QCOMPARE(rig.rec.events, events);
    QVERIFY(rig.rec.states.isEmpty());
    const bool connected = events == QStringList{"connected"};
    QCOMPARE(rig.updater.isConnected(), connected);
    const QList<QByteArray> requests = rig.sim.requests();
    QCOMPARE(requests.size(), identifySent ? 2 : 1);
    if (connected) {
        QFETCH(int, type);
        QFETCH(QString, release);
        QFETCH(int, serial);
        QCOMPARE(int(rig.rec.type), type);
        QCOMPARE(rig.rec.release, release);
        QCOMPARE(int(rig.rec.serial), serial);
        QCOMPARE(int(rig.updater.deviceType()), type);
    }
}

void TestUpdater::connectFailsOnMissingPort()
{
    Rig rig;
    rig.updater.connect(QStringLiteral("/dev/nonexistent-tty-for-test"), Logon, Password, false);
    QCOMPARE(rig.rec.events, QStringList{"connectionFailed"});
    QVERIFY(!rig.updater.isConnected());
    QVERIFY(rig.sim.requests().isEmpty());
}

// A connect on an open link closes the port and opens it again: the port
// lock this program holds must not make the second open fail.
void TestUpdater::connectAgainReopensOpenLink()
{
    Rig rig;
    rig.updater.connect(rig.path, Logon, Password, false);
    QCOMPARE(rig.rec.events, QStringList{"connected"});
    rig.config([](Sim &s) { s.serial = 4321; });
    rig.updater.connect(rig.path, Logon, Password, false);
    QCOMPARE(rig.rec.events, (QStringList{"connected", "connected"}));
    QCOMPARE(int(rig.rec.serial), 4321);
    QVERIFY(rig.updater.isConnected());
    QCOMPARE(rig.sim.requests().size(), 4);
    QVERIFY(rig.updater.updateCPU(QByteArray(1, 'a')));
}

// The restarted update firmware reports at once (its OK read as the
// restart's answer) or only after the restart's one try (the restart
// unanswered): either way the connection's restart reports that it began and
// no outcome of its own, so no failure of a step that then succeeds.
void TestUpdater::connectFromRemoteControlMode_data()
{
    QTest::addColumn<int>("restartDelayMs");
    QTest::newRow("restart reported later") << 700;
    QTest::newRow("restart answered at once") << 0;
}

void TestUpdater::connectFromRemoteControlMode()
{
    QFETCH(int, restartDelayMs);
    Rig rig;
    rig.config([&](Sim &s) {
        s.mode = Sim::Mode::Normal;
        s.restartDelayMs = restartDelayMs;
    });
    // Without the switch the normal firmware is detected.
    rig.updater.connect(rig.path, Logon, Password, false);
    QCOMPARE(rig.rec.events, (QStringList{"notInUpdateMode", "connectionFailed"}));
    rig.rec.clear();

    rig.updater.connect(rig.path, Logon, Password, true);
    QCOMPARE(rig.rec.events.last(), QStringLiteral("connected"));
    QCOMPARE(rig.rec.states.value(0), int(UpdaterState::Resetting));
    QCOMPARE(rig.rec.states, QList<int>{int(UpdaterState::Resetting)});
    QVERIFY(rig.updater.isConnected());
    QCOMPARE(rig.read<QList<quint8>>([](Sim &s) { return s.resets; }), QList<quint8>{1});
    QCOMPARE(int(rig.rec.type), 6);
}

void TestUpdater::cpuImageInBlocks()
{
    Rig rig;
    QVERIFY(rig.connectAndReset());
    const QByteArray image = randomBytes(300, 1);
    QVERIFY(rig.updater.updateCPU(image));

    QCOMPARE(rig.rec.states, (QList<int>{0, 1}));
    const QList<QByteArray> requests = rig.sim.requests();
    QCOMPARE(requests.size(), 2);
    for (const QByteArray &r : requests) {
        QCOMPARE(r.size(), 261);
        QCOMPARE(quint8(r.at(0)), quint8(0x83));
    }
    QCOMPARE(requests.at(0).mid(1, 4), QByteArray::fromHex("00000000"));
    QCOMPARE(requests.at(0).mid(5), image.left(256));
    QCOMPARE(requests.at(1).mid(1, 4), QByteArray::fromHex("00010000"));
    QCOMPARE(requests.at(1).mid(5, 44), image.mid(256));
    QVERIFY(allEqual(requests.at(1).mid(5 + 44), '\xFF'));
    QCOMPARE(requests.at(1).size() - 5 - 44, 212);

    const QList<float> p = rig.rec.progress.value("cpu");
    QCOMPARE(p.size(), 2);
    QVERIFY(qFuzzyCompare(p.at(0), 256.0f / 300.0f));
    QCOMPARE(p.at(1), 1.0f);
    QCOMPARE(rig.read<QByteArray>([](Sim &s) { return s.image(Sim::CmdCpuBlock, 300); }), image);
}

void TestUpdater::fsImageInSlices()
{
    Rig rig;
    QVERIFY(rig.connectAndReset());
    const QByteArray image = randomBytes(600, 2);
    QVERIFY(rig.updater.updateFS(image));

    QCOMPARE(rig.rec.states, (QList<int>{12, 13}));
    const QList<QByteArray> requests = rig.sim.requests();
    QCOMPARE(requests.size(), 3);
    for (const QByteArray &r : requests) {
        QCOMPARE(r.size(), 261);
        QCOMPARE(quint8(r.at(0)), quint8(0x85));
    }
    QCOMPARE(requests.at(0).mid(1), image.left(260));
    QCOMPARE(requests.at(1).mid(1), image.mid(260, 260));
    QCOMPARE(requests.at(2).mid(1, 80), image.mid(520));
    QCOMPARE(requests.at(2).mid(81), QByteArray(180, '\xFF'));

    const QList<float> p = rig.rec.progress.value("fs");
    QCOMPARE(p.size(), 3);
    QVERIFY(qFuzzyCompare(p.at(0), 260.0f / 600.0f));
    QVERIFY(qFuzzyCompare(p.at(1), 520.0f / 600.0f));
    QCOMPARE(p.at(2), 1.0f);
}

void TestUpdater::fpgaAndGpsImages()
{
    Rig rig;
    QVERIFY(rig.connectAndReset());
    const QByteArray fpga = randomBytes(513, 3);
    const QByteArray gps = randomBytes(256, 4);
    QVERIFY(rig.updater.updateFPGA(fpga));
    QVERIFY(rig.updater.updateGPS(gps));

    QCOMPARE(rig.rec.states, (QList<int>{3, 4, 6, 7, 15, 16}));
    const QList<QByteArray> requests = rig.sim.requests();
    QCOMPARE(requests.size(), 1 + 3 + 1);
    QCOMPARE(requests.at(0), QByteArray(1, '\x82'));
    QCOMPARE(requests.at(3).mid(1, 4), QByteArray::fromHex("00020000"));
    QCOMPARE(requests.at(3).mid(5, 1), fpga.right(1));
    QCOMPARE(quint8(requests.at(4).at(0)), quint8(0x86));
    QCOMPARE(requests.at(4).mid(5), gps);   // a whole block: no padding
    QCOMPARE(rig.read<QByteArray>([](Sim &s) { return s.image(Sim::CmdFpgaBlock, 513); }), fpga);
    QCOMPARE(rig.read<QByteArray>([](Sim &s) { return s.image(Sim::CmdGpsBlock, 256); }), gps);
    QCOMPARE(rig.rec.progress.value("fpga").size(), 3);
    QCOMPARE(rig.rec.progress.value("fpga").last(), 1.0f);
    QCOMPARE(rig.rec.progress.value("gps"), QList<float>{1.0f});
}

void TestUpdater::emptyImages_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<int>("requests");
    QTest::newRow("cpu") << 0 << QList<int>{0, 1} << 0;
    QTest::newRow("fpga still erases") << 1 << QList<int>{3, 4, 6, 7} << 1;
    QTest::newRow("fs") << 2 << QList<int>{12, 13} << 0;
    QTest::newRow("gps") << 3 << QList<int>{15, 16} << 0;
}

void TestUpdater::emptyImages()
{
    QFETCH(int, part);
    QFETCH(QList<int>, states);
    QFETCH(int, requests);
    Rig rig;
    QVERIFY(rig.connectAndReset());
    bool ok = false;
    switch (part) {
    case 0: ok = rig.updater.updateCPU(QByteArray()); break;
    case 1: ok = rig.updater.updateFPGA(QByteArray()); break;
    case 2: ok = rig.updater.updateFS(QByteArray()); break;
    default: ok = rig.updater.updateGPS(QByteArray()); break;
    }
    QVERIFY(ok);
    QCOMPARE(rig.rec.states, states);
    QCOMPARE(rig.sim.requests().size(), requests);
    QVERIFY(rig.rec.progress.isEmpty());
}

void TestUpdater::resetOutcomes_data()
{
    QTest::addColumn<bool>("toUpdate");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("disconnected");
    QTest::newRow("to normal") << false << false << QList<int>{9, 10} << true << false << true;
    QTest::newRow("to update") << true << false << QList<int>{9, 10} << true << true << false;
    QTest::newRow("unanswered") << false << true << QList<int>{9, 11} << false << true << false;
}

void TestUpdater::resetOutcomes()
{
    QFETCH(bool, toUpdate);
    QFETCH(bool, silent);
    QFETCH(QList<int>, states);
    QFETCH(bool, result);
    QFETCH(bool, open);
    QFETCH(bool, disconnected);
    Rig rig;
    QVERIFY(rig.connectAndReset());
    if (silent)
        rig.config([](Sim &s) { s.silenceAfter(Sim::CmdReset, 0); });
    QCOMPARE(rig.updater.reset(toUpdate), result);
    QCOMPARE(rig.rec.states, states);
    QCOMPARE(rig.updater.isConnected(), open);
    QCOMPARE(rig.rec.events.contains("disconnected"), disconnected);
    const QByteArray expected = QByteArray::fromHex(toUpdate ? "8001" : "8000");
    QCOMPARE(rig.sim.requests(), QList<QByteArray>{expected});
}

void TestUpdater::closedLinkFailsAtFirstSend()
{
    Rig rig;
    QVERIFY(!rig.updater.updateCPU(QByteArray(10, 'x')));
    QVERIFY(!rig.updater.updateFPGA(QByteArray(10, 'x')));
    QVERIFY(!rig.updater.updateFS(QByteArray(10, 'x')));
    QVERIFY(!rig.updater.updateGPS(QByteArray(10, 'x')));
    QVERIFY(!rig.updater.reset(false));
    QVERIFY(!rig.updater.logonUpdate(Logon, Password));
    QVERIFY(!rig.updater.IPsetUpdate(true, "1.2.3.4", "255.0.0.0", "1.1.1.1"));
    QCOMPARE(rig.rec.states, (QList<int>{0, 2, 3, 5, 12, 14, 15, 17, 9, 11}));
    rig.updater.disconnect();
    QCOMPARE(rig.rec.events.last(), QStringLiteral("disconnected"));
    QVERIFY(rig.sim.requests().isEmpty());
}

void TestUpdater::badAcknowledgement_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("badCrc");
    QTest::newRow("empty frame") << QByteArray("", 0) << false;
    QTest::newRow("00") << QByteArray("\x00", 1) << false;
    QTest::newRow("01 01") << QByteArray("\x01\x01", 2) << false;
    QTest::newRow("long frame") << QByteArray(200, '\x01') << false;
    QTest::newRow("01 with bad crc") << QByteArray() << true;
}

void TestUpdater::badAcknowledgement()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, badCrc);
    Rig rig;
    QVERIFY(rig.connectAndReset());
    // A good OK first, so that a stale byte 0x01 sits in any reply buffer.
    QVERIFY(rig.updater.updateFS(QByteArray(10, 'a')));
    rig.rec.clear();

    if (badCrc)
        rig.sim.corruptCrc(1);
    else
        rig.config([&](Sim &s) { s.replyOverride[Sim::CmdFsSlice] = reply; });
    QVERIFY(!rig.updater.updateFS(QByteArray(10, 'b')));
    QCOMPARE(rig.rec.states, (QList<int>{12, 14}));
    QVERIFY(rig.updater.isConnected());

    // Whatever is left of the refused frame must not spoil the next transfer.
    rig.config([](Sim &s) { s.replyOverride.clear(); });
    rig.rec.clear();
    QVERIFY(rig.updater.updateFS(QByteArray(300, 'c')));
    QCOMPARE(rig.rec.states, (QList<int>{12, 13}));
}

void TestUpdater::lateAcknowledgementNotTakenForLaterBlock()
{
    Rig rig;
    QVERIFY(rig.connectAndReset());
    // The slice's OK comes long after its single receive try has given up.
    rig.config([](Sim &s) { s.setAckDelay(Sim::CmdFsSlice, 700); });
    QVERIFY(!rig.updater.updateFS(QByteArray(10, 'a')));
    QCOMPARE(rig.rec.states, (QList<int>{12, 14}));
    QTest::qWait(1500);   // the late OK is now waiting in the input

    rig.rec.clear();
    rig.config([](Sim &s) { s.silenceAfter(Sim::CmdCpuBlock, 0); });
    QVERIFY(!rig.updater.updateCPU(QByteArray(10, 'b')));
    QCOMPARE(rig.rec.states, (QList<int>{0, 2}));
}

// A reply other than the single byte 0x01 ends the step at once; an OK
// that follows it in the same wait must not pass for the acknowledgement.
// The erase has 41 s for its OK, so a refusal that were waited past would
// show in the time too.
void TestUpdater::refusalIsFinal_data()
{
    QTest::addColumn<int>("part");          // 0 CPU, 1 FPGA, 2 FS, 3 GPS, 4 reset into update mode
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("nth");           // which request of the command is refused
    QTest::addColumn<QByteArray>("refusal");
    QTest::addColumn<QList<int>>("states");

    const QByteArray zero("\x00", 1);
    QTest::newRow("second CPU block") << 0 << int(Sim::CmdCpuBlock) << 2 << zero << QList<int>{0, 2};
    QTest::newRow("first CPU block, 02") << 0 << int(Sim::CmdCpuBlock) << 1 << QByteArray("\x02") << QList<int>{0, 2};
    QTest::newRow("FPGA erase") << 1 << int(Sim::CmdFpgaErase) << 1 << zero << QList<int>{3, 5};
    QTest::newRow("FPGA erase, 01 01") << 1 << int(Sim::CmdFpgaErase) << 1 << QByteArray("\x01\x01") << QList<int>{3, 5};
    QTest::newRow("FPGA erase, empty frame") << 1 << int(Sim::CmdFpgaErase) << 1 << QByteArray() << QList<int>{3, 5};
    QTest::newRow("second FPGA block") << 1 << int(Sim::CmdFpgaBlock) << 2 << zero << QList<int>{3, 4, 6, 8};
    QTest::newRow("second FS slice") << 2 << int(Sim::CmdFsSlice) << 2 << zero << QList<int>{12, 14};
    QTest::newRow("GPS block") << 3 << int(Sim::CmdGpsBlock) << 1 << zero << QList<int>{15, 17};
    QTest::newRow("reset") << 4 << int(Sim::CmdReset) << 1 << zero << QList<int>{9, 11};
}

void TestUpdater::refusalIsFinal()
{
    QFETCH(int, part);
    QFETCH(int, command);
    QFETCH(int, nth);
    QFETCH(QByteArray, refusal);
    QFETCH(QList<int>, states);

    Rig rig;
    QVERIFY(rig.connectAndReset());
    rig.config([&](Sim &s) {
        s.script(quint8(command), nth, {refusal, QByteArray("\x01")});
        s.okAfterRestart = false;   // a tester that refused the reset does not restart
    });
    const QByteArray image = randomBytes(700, 31);
    QElapsedTimer clock;
    clock.start();
    bool ok = true;
    switch (part) {
    case 0: ok = rig.updater.updateCPU(image); break;
    case 1: ok = rig.updater.updateFPGA(image); break;
    case 2: ok = rig.updater.updateFS(image); break;
    case 3: ok = rig.updater.updateGPS(image); break;
    default: ok = rig.updater.reset(true); break;
    }
    QVERIFY(!ok);
    QCOMPARE(rig.rec.states, states);
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(rig.updater.isConnected());
    // The refused request was the last one sent.
    QCOMPARE(rig.read<int>([&](Sim &s) { return s.counts.value(quint8(command)); }), nth);

    // The OK behind the refusal, once it has arrived, does not meet the next
    // request either (one that came only after the next request went out
    // could not be told from its answer).
    QThread::msleep(300);
    rig.rec.clear();
    rig.config([](Sim &s) { s.silenceAfter(Sim::CmdFsSlice, 0); });
    QVERIFY(!rig.updater.updateFS(QByteArray(10, 'n')));
    QCOMPARE(rig.rec.states, (QList<int>{12, 14}));
}

// The tester hangs up (cable pulled, adapter gone) while the client waits
// for the FPGA erase, which may take 41 s: the wait ends within its one
// try, without spinning, and the window hears that the link is gone.
void TestUpdater::hungUpLineEndsTheWaitAtOnce()
{
    Rig rig;
    QVERIFY(rig.connectAndReset());
    rig.sim.dropAfter(0);

    QElapsedTimer clock;
    clock.start();
    QVERIFY(!rig.updater.updateFPGA(QByteArray(10, 'f')));
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(rig.rec.events, (QStringList{"state 3", "state 5", "disconnected"}));
    QVERIFY(!rig.updater.isConnected());

    // Everything after that fails at its first send, and says nothing more
    // about the link.
    rig.rec.clear();
    QVERIFY(!rig.updater.updateCPU(QByteArray(10, 'c')));
    QCOMPARE(rig.rec.events, (QStringList{"state 0", "state 2"}));
}

void TestUpdater::silentWaitDoesNotSpin()
{
    Rig rig;
    QVERIFY(rig.connectAndReset());
    rig.sim.setSilent(true);

    // The first CPU block is given 2010 ms for its OK; waiting them out
    // costs the waiting thread next to no CPU time.
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = threadCpuMs();
    QVERIFY(!rig.updater.updateCPU(QByteArray(10, 'c')));
    const double cpu = threadCpuMs() - cpuBefore;
    const qint64 wall = clock.elapsed();
    QVERIFY2(wall >= Updater::FirstCpuBlockOkMs - 10, qPrintable(QString::number(wall)));
    QVERIFY2(cpu < wall / 4.0, qPrintable(QStringLiteral("cpu %1 ms of %2 ms").arg(cpu).arg(wall)));
    QCOMPARE(rig.rec.states, (QList<int>{0, 2}));
    QVERIFY(rig.updater.isConnected());
}

void TestUpdater::drivenThroughMemoryStream()
{
    auto peer = std::make_shared<MemoryPeer>();
    int slices = 0;
    peer->answer = [&](const QByteArray &written) {
        const quint8 command = written.size() > 2 ? quint8(written.at(2)) : 0;
        if (command == Sim::CmdLogon)
            return MemoryPeer::frame(QByteArray(1, char(Sim::Ok)));
        if (command == Sim::CmdIdentify) {
            QByteArray id(13, '\0');
            id[0] = char(6);
            id.replace(1, 4, "R1.2");
            return MemoryPeer::frame(id);
        }
        if (command == Sim::CmdFsSlice)
            return MemoryPeer::frame(QByteArray(1, char(++slices == 2 ? Sim::Refused : Sim::Ok)));
        return QByteArray();
    };
    Updater updater(new MemoryStream(peer));
    Recorder rec;
    rec.attach(&updater, Qt::DirectConnection);

    updater.connect(QStringLiteral("memory"), Logon, Password, false);
    QCOMPARE(rec.events, QStringList{"connected"});
    QCOMPARE(int(rec.type), 6);
    QCOMPARE(rec.release, QStringLiteral("R1.2"));
    QVERIFY(updater.isConnected());

    rec.clear();
    peer->output.clear();
    QVERIFY(updater.updateFS(QByteArray(260, 'a')));
    QCOMPARE(peer->output.size(), 264);
    QCOMPARE(peer->output.mid(3, 260), QByteArray(260, 'a'));
    QVERIFY(!updater.updateFS(QByteArray(10, 'b')));
    QCOMPARE(rec.states, (QList<int>{12, 13, 12, 14}));
}

// Each request waits for its OK as long as its own limit allows: an OK that
// comes 1100 ms late passes the first CPU block (2010 ms), every GPS block
// (5000 ms) and the FPGA erase (41000 ms), and fails the later CPU blocks and
// the FPGA blocks, which get one receive try (10 ms).
void TestUpdater::acknowledgementLimits_data()
{
    QTest::addColumn<int>("part");          // 0 CPU, 1 FPGA, 3 GPS
    QTest::addColumn<int>("delayedCommand");
    QTest::addColumn<int>("imageSize");
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("blocksSent");

    QTest::newRow("first CPU block") << 0 << int(Sim::CmdCpuBlock) << 10 << QList<int>{0, 1} << true << 1;
    QTest::newRow("second CPU block") << 0 << int(Sim::CmdCpuBlock) << 300 << QList<int>{0, 2} << false << 2;
    QTest::newRow("GPS blocks") << 3 << int(Sim::CmdGpsBlock) << 300 << QList<int>{15, 16} << true << 2;
    QTest::newRow("FPGA erase") << 1 << int(Sim::CmdFpgaErase) << 10 << QList<int>{3, 4, 6, 7} << true << 1;
    QTest::newRow("first FPGA block") << 1 << int(Sim::CmdFpgaBlock) << 10 << QList<int>{3, 4, 6, 8} << false << 1;
}

void TestUpdater::acknowledgementLimits()
{
    QFETCH(int, part);
    QFETCH(int, delayedCommand);
    QFETCH(int, imageSize);
    QFETCH(QList<int>, states);
    QFETCH(bool, result);
    QFETCH(int, blocksSent);

    Rig rig;
    QVERIFY(rig.connectAndReset());
    rig.config([&](Sim &s) { s.setAckDelay(quint8(delayedCommand), 1100); });
    const QByteArray image = randomBytes(imageSize, 30);
    bool ok = !result;
    switch (part) {
    case 0: ok = rig.updater.updateCPU(image); break;
    case 1: ok = rig.updater.updateFPGA(image); break;
    default: ok = rig.updater.updateGPS(image); break;
    }
    QCOMPARE(rig.rec.states, states);
    QCOMPARE(ok, result);
    const QList<QByteArray> requests = rig.sim.requests();
    const int blocks = int(std::count_if(requests.begin(), requests.end(), [](const QByteArray &r) {
        return quint8(r.at(0)) != Sim::CmdFpgaErase;
    }));
    QCOMPARE(blocks, blocksSent);
    QVERIFY(rig.updater.isConnected());
}

void TestUpdater::logonChange()
{
    Rig rig;
    QVERIFY(rig.connectAndReset());
    const QString longId = QStringLiteral("abcdefghijklmnopqrstuvwxy");   // 25 characters
    QVERIFY(rig.updater.logonUpdate(longId, QStringLiteral("pwd")));
    QVERIFY(rig.sim.waitForRequests(1, 5000));
    const QByteArray expected = QByteArray(1, '\x88') + "abcdefghijklmnopqrst" + "pwd" + QByteArray(17, '\0');
    QCOMPARE(rig.sim.requests(), QList<QByteArray>{expected});
    QVERIFY(rig.rec.states.isEmpty());

    // The next request still goes through.
    QVERIFY(rig.updater.updateCPU(QByteArray(1, 'z')));
    QCOMPARE(rig.sim.requests().size(), 2);
}

void TestUpdater::ipSettings()
{
    Rig rig;
    QVERIFY(rig.connectAndReset());
    // The settings correction program logs what it sends, texts as given.
    rig.updater.setLogIpSettings(true);
    QTest::ignoreMessage(QtDebugMsg, "updater got IP settings update true,  192.168.001.202,  255.255.255.000,  10.0");
    QVERIFY(rig.updater.IPsetUpdate(true, "192.168.001.202", "255.255.255.000", "10.0"));
    rig.updater.setLogIpSettings(false);
    QVERIFY(rig.sim.waitForRequests(1, 5000));
    QCOMPARE(rig.sim.requests().value(0), QByteArray::fromHex("8901" "CA01A8C0" "00FFFFFF" "0000000A"));
    QVERIFY(rig.updater.IPsetUpdate(false, "", "", ""));
    QVERIFY(rig.sim.waitForRequests(2, 5000));
    QCOMPARE(rig.sim.requests().value(1), QByteArray::fromHex("8900") + QByteArray(12, '\0'));
    QVERIFY(rig.rec.states.isEmpty());
}

void TestUpdater::parseIpAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("value");
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("leading zeros") << "192.168.001.202" << 0xC0A801CAu;
    QTest::newRow("mask") << "255.255.255.000" << 0xFFFFFF00u;
    QTest::newRow("two parts") << "10.0" << 0x0A000000u;
    QTest::newRow("empty part") << "1..3.4" << 0x01000304u;
    QTest::newRow("not a number") << "1.x.3.4" << 0x01000304u;
    QTest::newRow("carry") << "1.2.3.256" << 0x01020400u;
    QTest::newRow("wraps") << "65535.0.0.1" << 0xFF000001u;
    QTest::newRow("fifth part ignored") << "1.2.3.4.5" << 0x01020304u;
}

void TestUpdater::parseIpAddress()
{
    QFETCH(QString, text);
    QFETCH(quint32, value);
    QCOMPARE(Updater::parseIpAddress(text), value);
}

void TestUpdater::portsListed()
{
    Rig rig;
    QSignalSpy spy(&rig.updater, &Updater::portsNamesReceived);
    rig.updater.getPortsNames();
    QCOMPARE(spy.count(), 1);
    // Pseudo-terminals are not serial ports.
    const QStringList names = spy.at(0).at(0).toStringList();
    QVERIFY(!names.contains(rig.path.mid(rig.path.lastIndexOf('/') + 1)));
}

void TestUpdater::fullUpdateInWorkerThread()
{
    WorkerRig rig;
    QVERIFY(!rig.path.isEmpty());
    emit rig.connectUpdater(rig.path, Logon, Password, false);
    QTRY_VERIFY_WITH_TIMEOUT(!rig.rec.events.isEmpty(), 20000);
    QCOMPARE(rig.rec.events, QStringList{"connected"});
    QVERIFY(rig.updater->isConnected());   // from this (the GUI) thread
    rig.rec.clear();
    rig.sim.clearRequests();

    PackageParts parts;
    parts.cpu = randomBytes(700, 10);
    parts.fpga = randomBytes(1000, 11);
    parts.fs = randomBytes(1300, 12);
    parts.gps = randomBytes(300, 13);
    parts.gpsSection = true;
    emit rig.fullUpdate(makePackage(parts));

    QTRY_VERIFY_WITH_TIMEOUT(rig.rec.events.contains("state 21") || rig.rec.states.size() > 20, 30000);
    const QStringList expected{"state 0", "state 1", "state 9", "state 10", "state 3", "state 4",
                               "state 6", "state 7", "state 12", "state 13", "state 15", "state 16",
                               "state 9", "state 10", "disconnected", "state 21"};
    QCOMPARE(rig.rec.events, expected);
    QVERIFY(!rig.updater->isConnected());
    for (const char *p : {"cpu", "fpga", "fs", "gps"}) {
        QVERIFY2(!rig.rec.progress.value(p).isEmpty(), p);
        QCOMPARE(rig.rec.progress.value(p).last(), 1.0f);
    }

    QByteArray cpu, fpga, fs, gps;
    QList<quint8> resets;
    int erases = 0;
    rig.config([&](Sim &s) {
        cpu = s.image(Sim::CmdCpuBlock, parts.cpu.size());
        fpga = s.image(Sim::CmdFpgaBlock, parts.fpga.size());
        fs = s.image(Sim::CmdFsSlice, parts.fs.size());
        gps = s.image(Sim::CmdGpsBlock, parts.gps.size());
        resets = s.resets;
        erases = s.fpgaErases;
    });
    QCOMPARE(cpu, parts.cpu);
    QCOMPARE(fpga, parts.fpga);
    QCOMPARE(fs, parts.fs);
    QCOMPARE(gps, parts.gps);
    QCOMPARE(resets, (QList<quint8>{1, 0}));
    QCOMPARE(erases, 1);
}

enum Fault {
    NoFault,
    NoOkAfterRestart,
    SecondCpuBlockSilent,
    ResetSilent,
    SecondFpgaBlockSilent,
    SecondFsSliceSilent,
    GpsSilent,
    FinalResetSilent,
    SecondCpuBlockRefusedThenOk,
    EraseRefused,
    LastFsSliceRefusedThenOk,
    FinalResetRefusedThenOk,
};

void TestUpdater::fullUpdateOutcomes_data()
{
    QTest::addColumn<QByteArray>("package");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("open");

    PackageParts full;
    full.cpu = randomBytes(600, 20);
    full.fpga = randomBytes(600, 21);
    full.fs = randomBytes(600, 22);
    full.gps = randomBytes(200, 23);
    full.gpsSection = true;
    const QByteArray good = makePackage(full);

    const QList<int> throughFs{0, 1, 9, 10, 3, 4, 6, 7, 12, 13};
    const QList<int> finish{9, 10, 21};

    QTest::newRow("16 bytes") << good.left(16) << int(NoFault) << QList<int>{20} << false << true;
    QByteArray badMagic = good;
    badMagic[3] = '\xC1';
    QTest::newRow("bad magic") << badMagic << int(NoFault) << QList<int>{20} << false << true;
    QTest::newRow("file system cut short") << good.left(17 + 600 + 600 + 599) << int(NoFault) << QList<int>{20} << false
                                           << true;
    QByteArray huge = good;
    qToLittleEndian<quint32>(0xFFFFFFF0u, reinterpret_cast<uchar *>(huge.data()) + 5);
    QTest::newRow("size near 4 GiB") << huge << int(NoFault) << QList<int>{20} << false << true;
    PackageParts other = full;
    other.type = 4;
    QTest::newRow("other device type") << makePackage(other) << int(NoFault) << QList<int>{18} << false << true;

    QTest::newRow("all empty") << makePackage(PackageParts{}) << int(NoFault)
                               << (QList<int>{0, 1, 9, 10, 3, 4, 6, 7, 12, 13} + finish) << true << false;
    QTest::newRow("no OK after restart") << good << int(NoOkAfterRestart) << QList<int>{0, 1, 9, 10, 19} << false << true;
    QTest::newRow("cpu block silent") << good << int(SecondCpuBlockSilent) << QList<int>{0, 2} << false << true;
    QTest::newRow("reset unanswered") << good << int(ResetSilent) << QList<int>{0, 1, 9, 11} << false << true;
    QTest::newRow("fpga block silent") << good << int(SecondFpgaBlockSilent) << QList<int>{0, 1, 9, 10, 3, 4, 6, 8}
                                       << false << true;
    QTest::newRow("fs slice silent") << good << int(SecondFsSliceSilent) << QList<int>{0, 1, 9, 10, 3, 4, 6, 7, 12, 14}
                                     << false << true;
    QTest::newRow("gps block silent") << good << int(GpsSilent) << (throughFs + QList<int>{15, 17} + finish) << true
                                      << false;
    QTest::newRow("final reset unanswered") << good << int(FinalResetSilent)
                                            << (throughFs + QList<int>{15, 16, 9, 11}) << false << true;
    // A refusal is final even when an OK follows it at once: the package
    // never ends as finished with a block missing.
    QTest::newRow("cpu block refused, then OK") << good << int(SecondCpuBlockRefusedThenOk) << QList<int>{0, 2} << false
                                                << true;
    QTest::newRow("erase refused") << good << int(EraseRefused) << QList<int>{0, 1, 9, 10, 3, 5} << false << true;
    QTest::newRow("last fs slice refused, then OK") << good << int(LastFsSliceRefusedThenOk)
                                                    << QList<int>{0, 1, 9, 10, 3, 4, 6, 7, 12, 14} << false << true;
    QTest::newRow("final reset refused, then OK") << good << int(FinalResetRefusedThenOk)
                                                  << (throughFs + QList<int>{15, 16, 9, 11}) << false << true;
    PackageParts keepGps = full;
    keepGps.gpsFlag = 1;
    QTest::newRow("gps flag set") << makePackage(keepGps) << int(NoFault) << (throughFs + finish) << true << false;
    PackageParts noGps = full;
    noGps.gpsSection = false;
    QTest::newRow("no gps section") << makePackage(noGps) << int(NoFault) << (throughFs + finish) << true << false;
    QTest::newRow("4 bytes after fs") << makePackage(noGps) + QByteArray::fromHex("42EEFFC0") << int(NoFault)
                                      << (throughFs + finish) << true << false;
}

void TestUpdater::fullUpdateOutcomes()
{
    QFETCH(QByteArray, package);
    QFETCH(int, fault);
    QFETCH(QList<int>, states);
    QFETCH(bool, result);
    QFETCH(bool, open);

    WorkerRig rig;
    rig.run([&](Updater &u) { u.connect(rig.path, Logon, Password, false); });
    QCOMPARE(rig.rec.events, QStringList{"connected"});
    rig.rec.clear();
    rig.sim.clearRequests();
    rig.config([&](Sim &s) {
        switch (Fault(fault)) {
        case NoFault: break;
        case NoOkAfterRestart: s.okAfterRestart = false; break;
        case SecondCpuBlockSilent: s.silenceAfter(Sim::CmdCpuBlock, 1); break;
        case ResetSilent: s.silenceAfter(Sim::CmdReset, 0); break;
        case SecondFpgaBlockSilent: s.silenceAfter(Sim::CmdFpgaBlock, 1); break;
        case SecondFsSliceSilent: s.silenceAfter(Sim::CmdFsSlice, 1); break;
        case GpsSilent: s.silenceAfter(Sim::CmdGpsBlock, 0); break;
        case FinalResetSilent: s.silenceAfter(Sim::CmdReset, 1); break;
        case SecondCpuBlockRefusedThenOk: s.script(Sim::CmdCpuBlock, 2, {QByteArray(1, '\0'), "\x01"}); break;
        case EraseRefused: s.replyOverride[Sim::CmdFpgaErase] = QByteArray(1, '\0'); break;
        case LastFsSliceRefusedThenOk: s.script(Sim::CmdFsSlice, 3, {QByteArray(1, '\0'), "\x01"}); break;
        case FinalResetRefusedThenOk: s.script(Sim::CmdReset, 2, {QByteArray(1, '\0'), "\x01"}); break;
        }
    });

    bool ok = !result;
    rig.run([&](Updater &u) { ok = u.fullUpdate(package); });
    QCOMPARE(rig.rec.states, states);
    QCOMPARE(ok, result);
    QCOMPARE(rig.updater->isConnected(), open);
    QCOMPARE(rig.rec.events.contains("disconnected"), !open);
    if (states.first() >= 18)
        QVERIFY(rig.sim.requests().isEmpty());
    if (result) {
        // Only the bytes of the package went out, and the GPS image only when asked for.
        const QList<QByteArray> requests = rig.sim.requests();
        const bool gpsSent = std::any_of(requests.begin(), requests.end(),
                                         [](const QByteArray &r) { return quint8(r.at(0)) == Sim::CmdGpsBlock; });
        QCOMPARE(gpsSent, states.contains(15));
    }
}

QTEST_GUILESS_MAIN(TestUpdater)
#include "tst_updater.moc"
