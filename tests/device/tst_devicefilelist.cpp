// The tester's file list against a tester that never ends it: the list is
// bounded, the worker comes free again, and closing the program does not
// wait for the list. However a listing ends, the names read so far stay and
// the listing says how it ended.

#include "devicerig.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

constexpr quint8 GetFile = 0x07;

// The reply of command 0x07 that says "more" and names `name`.
QByteArray moreReply(const QByteArray &name)
{
    QByteArray reply(1 + 21, '\0');
    reply[0] = 1;
    reply.replace(1, name.size(), name);
    return reply;
}

QStringList reportNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("R%1").arg(i, 4, 10, QLatin1Char('0'));
    return names;
}

QStringList configNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("CFG%1").arg(i, 4, 10, QLatin1Char('0'));
    return names;
}

// What goes wrong with a listing in listingTellsHowItEnded.
enum class ListFault {
    None,
    Reply,          // every reply of the listing is `reply`
    Silent,         // the tester answers no file request
    DropAfter,      // the link closes after `count` answered requests
    SlowReplies,    // every reply comes late, past a short listing time limit
    Disconnect,     // the operator's Disconnect is announced before the listing
};

} // namespace

Q_DECLARE_METATYPE(ListFault)
Q_DECLARE_METATYPE(FileListEnd)

class TestDeviceFileList : public QObject
{
    Q_OBJECT

private slots:
    void listingTellsHowItEnded_data();
    void listingTellsHowItEnded();
    void endlessListIsBounded_data();
    void endlessListIsBounded();
    void replyWithoutANameEndsTheList_data();
    void replyWithoutANameEndsTheList();
    void closingEndsTheListAfterItsCurrentRequest();
    void disconnectEndsTheListAfterItsCurrentRequest_data();
    void disconnectEndsTheListAfterItsCurrentRequest();
};

void TestDeviceFileList::listingTellsHowItEnded_data()
{
    QTest::addColumn<int>("files");           // report files the tester holds (reportNames)
    QTest::addColumn<ListFault>("fault");
    QTest::addColumn<QByteArray>("reply");    // ListFault::Reply: every reply of the listing
    QTest::addColumn<int>("count");           // ListFault::DropAfter: requests answered
    QTest::addColumn<QStringList>("listed");  // the names kept (SlowReplies: some of the first, not all)
    QTest::addColumn<FileListEnd>("end");
    QTest::addColumn<bool>("linkUp");         // after the listing

    const QByteArray none;
    QTest::newRow("whole list") << 3 << ListFault::None << none << 0 << reportNames(3) << FileListEnd::Complete
                                << true;
    QTest::newRow("no files") << 0 << ListFault::None << none << 0 << QStringList() << FileListEnd::Complete
                              << true;
    QTest::newRow("empty reply") << 3 << ListFault::Reply << QByteArray("") << 0 << QStringList()
                                 << FileListEnd::BadReply << true;
    // What a stray acknowledgement taken for the first reply looks like.
    QTest::newRow("\"more\" without a name") << 3 << ListFault::Reply << QByteArray(1, '\1') << 0 << QStringList()
                                              << FileListEnd::BadReply << true;
    QTest::newRow("a name repeated") << 3 << ListFault::Reply << moreReply("LOOP") << 0 << QStringList{"LOOP"}
                                     << FileListEnd::Repeated << true;
    QTest::newRow("no answer") << 3 << ListFault::Silent << none << 0 << QStringList() << FileListEnd::LinkLost
                               << false;
    QTest::newRow("link drops after two names") << 5 << ListFault::DropAfter << none << 2 << reportNames(2)
                                                << FileListEnd::LinkLost << false;
    QTest::newRow("more names than a tester holds")
        << Device::MaxListedFiles + 1 << ListFault::None << none << 0 << reportNames(Device::MaxListedFiles)
        << FileListEnd::TooMany << true;
    QTest::newRow("past the time limit") << 100 << ListFault::SlowReplies << none << 0 << reportNames(100)
                                         << FileListEnd::TimeLimit << true;
    QTest::newRow("disconnect asked for") << 3 << ListFault::Disconnect << none << 0 << QStringList()
                                          << FileListEnd::Disconnect << true;
}

void TestDeviceFileList::listingTellsHowItEnded()
{
    QFETCH(int, files);
    QFETCH(ListFault, fault);
    QFETCH(QByteArray, reply);
    QFETCH(int, count);
    QFETCH(QStringList, listed);
    QFETCH(FileListEnd, end);
    QFETCH(bool, linkUp);

    DeviceRig rig(0);
    rig.tester([&](SimRemoteResponder &r) {
        for (const QString &name : reportNames(files))
            r.files << SimRemoteResponder::File{name, FileTypeReport, "r", 0, TestTraffic};
    });
    QVERIFY(rig.connectDevice());
    rig.tester([&](SimRemoteResponder &r) {
        if (fault == ListFault::Reply)
            r.replyOverride[GetFile] = reply;
        if (fault == ListFault::Silent)
            r.unanswered.insert(GetFile);
    });
    if (fault == ListFault::DropAfter)
        rig.sim.dropAfter(count);
    if (fault == ListFault::SlowReplies) {
        rig.device->setListingTimeLimit(300);
        rig.sim.setReplyDelay(50);
    }
    if (fault == ListFault::Disconnect)
        rig.device->announceDisconnect();

    rig.inWorker([&] { rig.device->receiveReportsFilesNames(); });
    QVERIFY(rig.drain());
    rig.sim.setReplyDelay(0);

    QCOMPARE(rig.log.count("reportsFilesNamesReceived"), 1);
    const QVariantList args = rig.log.lastArgs("reportsFilesNamesReceived");
    const QStringList got = args.value(0).toStringList();
    if (fault == ListFault::SlowReplies) {
        QVERIFY2(!got.isEmpty() && got.size() < listed.size(), qPrintable(QString::number(got.size())));
        listed = listed.mid(0, got.size());
    }
    QCOMPARE(got, listed);
    QCOMPARE(FileListEnd(args.value(1).toInt()), end);
    const FileListing held = rig.device->getReportsFilesListing();
    QCOMPARE(held.names, listed);
    QCOMPARE(held.end, end);
    QCOMPARE(rig.device->getConnectionType() != RemoteControl::NoConnection, linkUp);
}

void TestDeviceFileList::endlessListIsBounded_data()
{
    QTest::addColumn<int>("files");          // configuration files the tester holds
    QTest::addColumn<QByteArray>("endless"); // else: this name, with "more", to every request
    QTest::addColumn<int>("listed");
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("replyDelay");     // ms before every reply of the listing
    QTest::addColumn<int>("limitMs");        // the listing's time limit, 0: the program's own

    QTest::newRow("one name, always more") << 0 << QByteArray("LOOP") << 1 << 2 << 0 << 0;
    QTest::newRow("a full tester") << Device::MaxListedFiles << QByteArray() << Device::MaxListedFiles
                                   << Device::MaxListedFiles << 0 << 0;
    QTest::newRow("more names than a tester holds") << Device::MaxListedFiles + 150 << QByteArray()
                                                    << Device::MaxListedFiles << Device::MaxListedFiles << 0 << 0;
    QTest::newRow("one short of the limit") << Device::MaxListedFiles - 1 << QByteArray()
                                            << Device::MaxListedFiles - 1 << Device::MaxListedFiles << 0 << 0;
    // A slow link, several seconds for a few names, keeps far inside the
    // listing's time limit: every name comes.
    QTest::newRow("a slow tester") << 20 << QByteArray() << 20 << 21 << 250 << 0;
    // Names that trickle in past the listing's time limit: the list ends
    // with what came (how many depends on the machine, so only "some, not
    // all" is checked), and the worker is free again.
    QTest::newRow("names trickle past the time limit") << 200 << QByteArray() << -1 << -1 << 200 << 1000;
}

void TestDeviceFileList::endlessListIsBounded()
{
    QFETCH(int, files);
    QFETCH(QByteArray, endless);
    QFETCH(int, listed);
    QFETCH(int, requests);
    QFETCH(int, replyDelay);
    QFETCH(int, limitMs);

    DeviceRig rig(0);
    if (limitMs > 0)
        rig.device->setListingTimeLimit(limitMs);
    const QStringList names = configNames(files);
    rig.tester([&](SimRemoteResponder &r) {
        for (const QString &name : names)
            r.files << SimRemoteResponder::File{name, FileTypeConfig, "c", 0, 0};
        if (!endless.isEmpty())
            r.replyOverride[GetFile] = moreReply(endless);
    });
    QVERIFY(rig.connectDevice());
    rig.sim.clearRequests();
    rig.sim.setReplyDelay(replyDelay);

    rig.inWorker([&] { rig.device->receiveSettingsFilesNames(); });
    QVERIFY(rig.drain());
    rig.sim.setReplyDelay(0);
    QCOMPARE(rig.log.count("settingsFilesNamesReceived"), 1);
    const QStringList got = rig.log.lastArgs("settingsFilesNamesReceived").value(0).toStringList();
    if (listed < 0) {
        QVERIFY2(!got.isEmpty() && got.size() < files, qPrintable(QString::number(got.size())));
        listed = got.size();
        requests = listed;   // the limit is looked at after each name taken
    }
    const QStringList expected = endless.isEmpty() ? names.mid(0, listed) : QStringList{QString::fromLatin1(endless)};
    QCOMPARE(got.size(), listed);
    QCOMPARE(got, expected);
    QCOMPARE(rig.device->getSettingsFilesNames(), expected);
    QCOMPARE(rig.requestsOf(GetFile).size(), requests);

    // The worker is free: the next request is served and the link is up.
    const int polls = rig.log.count("deviceStatusUpdated");
    rig.inWorker([&] { rig.device->updateDeviceStatus(); });
    QVERIFY(rig.drain());
    QVERIFY(rig.log.count("deviceStatusUpdated") > polls);
    QCOMPARE(rig.device->getConnectionType(), RemoteControl::TcpIpConnection);
}

// A reply that says more names follow but names none ends the list as a
// failed read: the names before it stay, no empty name is listed, and the
// link stays up.
void TestDeviceFileList::replyWithoutANameEndsTheList_data()
{
    QTest::addColumn<QStringList>("stored");   // the tester's report files, in order
    QTest::addColumn<QByteArray>("reply");     // else: every reply of the listing
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("requests");

    QTest::newRow("one byte, at once") << QStringList{"R1"} << QByteArray(1, '\1') << QStringList() << 1;
    QTest::newRow("empty name after two") << QStringList{"R1", "R2", "", "R3"} << QByteArray()
                                          << QStringList{"R1", "R2"} << 3;
    QTest::newRow("empty name first") << QStringList{"", "R1"} << QByteArray() << QStringList() << 1;
}

void TestDeviceFileList::replyWithoutANameEndsTheList()
{
    QFETCH(QStringList, stored);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, listed);
    QFETCH(int, requests);

    DeviceRig rig(0);
    rig.tester([&](SimRemoteResponder &r) {
        for (const QString &name : stored)
            r.files << SimRemoteResponder::File{name, FileTypeReport, "r", 0, TestTraffic};
    });
    QVERIFY(rig.connectDevice());
    rig.tester([&](SimRemoteResponder &r) {
        if (!reply.isEmpty())
            r.replyOverride[GetFile] = reply;
    });
    rig.sim.clearRequests();

    rig.inWorker([&] { rig.device->receiveReportsFilesNames(); });
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.count("reportsFilesNamesReceived"), 1);
    QCOMPARE(rig.device->getReportsFilesNames(), listed);
    QCOMPARE(rig.requestsOf(GetFile).size(), requests);
    QCOMPARE(rig.log.count("disconnected"), 0);
    QCOMPARE(rig.device->getConnectionType(), RemoteControl::TcpIpConnection);
}

// The main window asks its worker to stop before it waits for it: a list
// that would take minutes ends after the request it is in.
void TestDeviceFileList::closingEndsTheListAfterItsCurrentRequest()
{
    DeviceRig rig(0);
    const QStringList names = configNames(Device::MaxListedFiles);
    rig.tester([&](SimRemoteResponder &r) {
        for (const QString &name : names)
            r.files << SimRemoteResponder::File{name, FileTypeConfig, "c", 0, 0};
    });
    QVERIFY(rig.connectDevice());
    rig.sim.clearRequests();
    rig.sim.setReplyDelay(100);   // the whole list would take 100 s

    rig.inWorker([&] { rig.device->receiveSettingsFilesNames(); });
    QVERIFY(QTest::qWaitFor([&] { return rig.requestsOf(GetFile).size() >= 3; }, EventuallyMs));

    QElapsedTimer clock;
    clock.start();
    rig.worker.requestInterruption();
    rig.worker.quit();
    QVERIFY(rig.worker.wait(EventuallyMs));
    // At most one request with its three attempts of 2000 ms.
    QVERIFY2(clock.elapsed() < 3 * RemoteControl::ReplyTimeoutMs, qPrintable(QString::number(clock.elapsed())));

    QCoreApplication::processEvents();
    QCOMPARE(rig.log.count("settingsFilesNamesReceived"), 1);
    const QStringList got = rig.log.lastArgs("settingsFilesNamesReceived").value(0).toStringList();
    QVERIFY(got.size() >= 2 && got.size() < 100);
    QCOMPARE(got, names.mid(0, got.size()));
    QCOMPARE(FileListEnd(rig.log.lastArgs("settingsFilesNamesReceived").value(1).toInt()), FileListEnd::Closing);
}

// The operator's Disconnect waits in the worker's queue behind a listing
// that trickles; announced from the GUI thread, it ends the listing before
// its next request, so the link closes after one more request at most,
// with the names that came.
void TestDeviceFileList::disconnectEndsTheListAfterItsCurrentRequest_data()
{
    QTest::addColumn<bool>("reports");     // else configuration files
    QTest::addColumn<int>("replyDelay");   // ms before every reply
    QTest::newRow("configuration files, a name every 200 ms") << false << 200;
    QTest::newRow("report files, a name every 200 ms") << true << 200;
    QTest::newRow("report files, a name every 1500 ms") << true << 1500;
}

void TestDeviceFileList::disconnectEndsTheListAfterItsCurrentRequest()
{
    QFETCH(bool, reports);
    QFETCH(int, replyDelay);
    const quint32 type = reports ? FileTypeReport : FileTypeConfig;
    const char *const listed = reports ? "reportsFilesNamesReceived" : "settingsFilesNamesReceived";

    DeviceRig rig(0);
    const QStringList names = configNames(300);   // a minute's listing at 200 ms a name
    rig.tester([&](SimRemoteResponder &r) {
        for (const QString &name : names)
            r.files << SimRemoteResponder::File{name, type, "c", 0, 0};
    });
    QVERIFY(rig.connectDevice());
    rig.sim.clearRequests();
    rig.sim.setReplyDelay(replyDelay);

    rig.inWorker([&] {
        if (reports)
            rig.device->receiveReportsFilesNames();
        else
            rig.device->receiveSettingsFilesNames();
    });
    QVERIFY(QTest::qWaitFor([&] { return rig.requestsOf(GetFile).size() >= 3; }, EventuallyMs));

    // What the Disconnect button does.
    const int askedBefore = rig.requestsOf(GetFile).size();
    rig.device->announceDisconnect();
    QMetaObject::invokeMethod(rig.device, &Device::disconnect, Qt::QueuedConnection);
    QVERIFY(QTest::qWaitFor([&] { return rig.log.count("disconnected") == 1; }, EventuallyMs));
    QVERIFY(rig.drain());
    rig.sim.setReplyDelay(0);

    // One request may have been on its way when the button was pressed.
    const int asked = rig.requestsOf(GetFile).size();
    QVERIFY2(asked <= askedBefore + 1, qPrintable(QStringLiteral("%1 then %2").arg(askedBefore).arg(asked)));
    QCOMPARE(rig.log.count(listed), 1);
    const QStringList got = rig.log.lastArgs(listed).value(0).toStringList();
    QVERIFY(got.size() >= 2 && got.size() <= asked);
    QCOMPARE(got, names.mid(0, got.size()));
    QCOMPARE(rig.device->getConnectionType(), RemoteControl::NoConnection);
    QCOMPARE(rig.log.count("linkFailed"), 0);
    QCOMPARE(FileListEnd(rig.log.lastArgs(listed).value(1).toInt()), FileListEnd::Disconnect);

    // The mark went with the disconnect: the next link lists in full.
    rig.tester([&](SimRemoteResponder &r) { r.files = r.files.mid(0, 5); });
    QVERIFY(rig.connectDevice());
    rig.inWorker([&] {
        if (reports)
            rig.device->receiveReportsFilesNames();
        else
            rig.device->receiveSettingsFilesNames();
    });
    QVERIFY(rig.drain());
    QCOMPARE(rig.log.lastArgs(listed).value(0).toStringList(), names.mid(0, 5));
}

QTEST_MAIN(TestDeviceFileList)
#include "tst_devicefilelist.moc"
