// How the main window tells a link that ends without the operator asking:
// a tester lost while a test runs (killed, link closed, frozen) and a
// Connect that finds no tester. The window returns to its unconnected
// state, says so in the connection panel and in a notice that does not
// block it, with the address, the time and the tests that were running. A
// Disconnect says nothing, and takes effect after one request at most even
// behind a long file listing.
#include "mainwinrig.h"
#include "../streams/closedport.h"
#include "../support/modalanswerer.h"
#include "testform.h"
#include "trafficform.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {

constexpr int LinkDeadlineMs = 20000;

QString mw(const char *text)
{
    return QCoreApplication::translate("MainForm", text);
}

get_device_status_resp_t statusWith(quint32 aTx, quint32 aRx, quint32 bTx, quint32 bRx)
{
    get_device_status_resp_t s{};
    s.process[PortA].tx = aTx;
    s.process[PortA].rx = aRx;
    s.process[PortB].tx = bTx;
    s.process[PortB].rx = bRx;
    return s;
}

} // namespace

class TestMainWinLinkLoss : public QObject
{
    Q_OBJECT

private:
    static QMessageBox *notice(MainWindowRig &rig)
    {
        return rig.w->findChild<QMessageBox *>(QStringLiteral("linkNotice"));
    }
    static bool noticeShown(MainWindowRig &rig)
    {
        QMessageBox *box = notice(rig);
        return box && box->isVisible();
    }
    static bool waitUnconnected(MainWindowRig &rig)
    {
        auto *fControl = rig.get<QWidget>("fControl");
        auto *connectButton = rig.get<QPushButton>("bEthConnect");
        return QTest::qWaitFor([&] { return !fControl->isEnabled() && connectButton->isEnabled()
                                            && !connectButton->isHidden(); },
                               LinkDeadlineMs);
    }

private slots:
    void runningTestsText_data();
    void runningTestsText();
    void lostTesterIsTold_data();
    void lostTesterIsTold();
    void connectThatFailsSaysWhy_data();
    void connectThatFailsSaysWhy();
    void addressThatIsNoneConnectsNowhere_data();
    void addressThatIsNoneConnectsNowhere();
    void disconnectIsNoFailure();
    void disconnectEndsALongListing();
};

// Which tests the notice names, from the process words of the last status.
void TestMainWinLinkLoss::runningTestsText_data()
{
    QTest::addColumn<get_device_status_resp_t>("status");
    QTest::addColumn<int>("ports");
    QTest::addColumn<QString>("text");

    const QString a = mw("Port A") + QStringLiteral(": ");
    const QString b = mw("Port B") + QStringLiteral(": ");
    const QString traffic = TestForm::testName(TestTraffic);
    QTest::newRow("idle") << statusWith(0, 0, 0, 0) << 2 << QString();
    QTest::newRow("traffic A to B") << statusWith(1u << TestTraffic, 0, 0, 1u << TestTraffic) << 2
                                    << a + traffic + QStringLiteral("; ") + b + traffic;
    QTest::newRow("one-port tester: Port B words unread")
        << statusWith(0, 0, 1u << TestRfc2544, 1u << TestRfc2544) << 1 << QString();
    QTest::newRow("two tests on one port, each named once")
        << statusWith((1u << TestRfc2544) | (1u << TestCable), 1u << TestRfc2544, 0, 0) << 2
        << a + TestForm::testName(TestRfc2544) + QStringLiteral(", ") + TestForm::testName(TestCable);
    QTest::newRow("pass-through") << statusWith(1u << ProcessBitPassThrough, 0, 0, 0) << 2 << a + mw("Thru");
    QTest::newRow("loopback") << statusWith(0, 1u << ProcessBitLoopback, 0, 0) << 2
                              << a + TestForm::testName(TestLoopback);
    QTest::newRow("optical test") << statusWith(1u << TestOptical, 0, 0, 0) << 2
                                  << a + mw("Optical\ntest").replace('\n', ' ');
    QTest::newRow("BERT on Port B") << statusWith(0, 0, 1u << TestBert, 0) << 2
                                    << b + TestForm::testName(TestBert);
    QTest::newRow("recall and bits past 19 name nothing")
        << statusWith((1u << 18) | 0xFFF00000u, 0, 0xFFF00000u, 0) << 2 << QString();
}

void TestMainWinLinkLoss::runningTestsText()
{
    QFETCH(get_device_status_resp_t, status);
    QFETCH(int, ports);
    QFETCH(QString, text);
    QCOMPARE(MainForm::runningTestsText(status, ports), text);
}

// The tester goes while Port A sends traffic to Port B and the traffic form
// shows its results.
void TestMainWinLinkLoss::lostTesterIsTold_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("killed") << "killed";
    QTest::newRow("link closed") << "closed";
    QTest::newRow("frozen") << "frozen";
}

void TestMainWinLinkLoss::lostTesterIsTold()
{
    QFETCH(QString, how);
    MainWindowRig rig(8, false);
    ModalAnswerer answerer;   // a modal box would be a fault here: none may come
    rig.tester([](SimRemoteResponder &r) {
        r.status.process[PortA].tx = 1u << TestTraffic;
        r.status.process[PortB].rx = 1u << TestTraffic;
    });
    rig.showAtTestSize();
    QVERIFY(rig.connectToSim());
    rig.get<QPushButton>("bTraffic")->click();
    QVERIFY(rig.drain());
    QTRY_COMPARE_WITH_TIMEOUT(rig.get<QLabel>("lAtest")->text(), QStringLiteral("TRAF"), LinkDeadlineMs);
    QVERIFY(!noticeShown(rig));

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    if (how == QLatin1String("killed"))
        rig.sim.reset();
    else if (how == QLatin1String("closed"))
        rig.sim->dropAfter(0);
    else
        rig.sim->setSilent(true);
    QVERIFY(waitUnconnected(rig));
    QTRY_VERIFY_WITH_TIMEOUT(noticeShown(rig), LinkDeadlineMs);
    QVERIFY(rig.drain());

    // Non-modal: the window goes on taking the operator's input.
    QMessageBox *box = notice(rig);
    QVERIFY(!box->isModal());
    QCOMPARE(box->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(answerer.seen.size(), 0);
    QVERIFY(rig.get<QWidget>("iIP")->isEnabled());

    const QString text = box->text();
    QVERIFY2(text.startsWith(mw("Connection to the tester lost.")), qPrintable(text));
    QVERIFY2(text.contains(mw("Address: %1").arg(rig.address())), qPrintable(text));
    QVERIFY2(text.contains(mw("Tests running: %1.").arg(MainForm::runningTestsText(
                 statusWith(1u << TestTraffic, 0, 0, 1u << TestTraffic), 2))),
             qPrintable(text));
    QVERIFY2(text.contains(TestForm::testName(TestTraffic)), qPrintable(text));
    // The results the form showed are gone, and the notice says so.
    QVERIFY(!rig.w->findChild<TrafficForm *>()->isVisible());
    for (QPushButton *b : rig.w->selectorButtons())
        QVERIFY(!b->isChecked());
    QVERIFY2(text.contains(mw("The test windows are closed and their results are no longer shown. "
                              "Connect again and open a test to read its results from the tester.")),
             qPrintable(text));
    const QString shown = text.section(mw("Time: %1").arg(QString()), 1).section('\n', 0, 0);
    const QDateTime at = QDateTime::fromString(shown, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QVERIFY2(at.isValid() && at >= before && at <= QDateTime::currentDateTime(), qPrintable(shown));

    // The connection panel keeps saying it, red, until the next connect.
    auto *info = rig.get<QLabel>("lEthInfo");
    QCOMPARE(info->text(), mw("Connection to the tester lost.") + '\n' + rig.address() + ", " + shown);
    QVERIFY(info->styleSheet().contains(QStringLiteral("color: rgb(200, 0, 0)")));

    // In every language it fits, and a switch re-texts panel and notice.
    const QStringList cut = rig.cutTexts();
    QVERIFY2(cut.isEmpty(), qPrintable(textfit::logged(cut)));
    useWindowLanguage(rig.w.get(), QStringLiteral("en"));
    QCOMPARE(info->text().section('\n', 0, 0), QStringLiteral("Connection to the tester lost."));
    QVERIFY(box->text().startsWith(QStringLiteral("Connection to the tester lost.")));
    useWindowLanguage(rig.w.get(), QStringLiteral("ru"));
    QVERIFY(textfit::savePicture(rig.w.get(), QStringLiteral("mainwin_link_lost_ru.png")));

    // The tester is reached again: the panel shows it, the notice goes.
    if (!rig.sim) {
        rig.sim = std::make_unique<SimTester>(new SimRemoteResponder(8));
        QVERIFY(rig.sim->listenTcp(rig.port) == rig.port);
    } else {
        rig.sim->setSilent(false);
    }
    rig.get<QPushButton>("bEthConnect")->click();
    QVERIFY(rig.waitConnected());
    QVERIFY(rig.drain());
    QVERIFY(!noticeShown(rig));
    QVERIFY(info->text().startsWith(mw("Device")));
    QVERIFY(!info->styleSheet().contains(QStringLiteral("rgb(200, 0, 0)")));
}

void TestMainWinLinkLoss::connectThatFailsSaysWhy_data()
{
    QTest::addColumn<bool>("listening");   // else nothing at the address
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("why");
    QTest::newRow("nothing at the address")
        << false << "No tester at this address."
        << "Nothing answered at this address. Check the address, the cable and that the tester is switched on.";
    QTest::newRow("a peer that does not answer")
        << true << "The tester did not answer."
        << "A device took the connection but did not answer as a tester does.";
}

void TestMainWinLinkLoss::connectThatFailsSaysWhy()
{
    QFETCH(bool, listening);
    QFETCH(QString, state);
    QFETCH(QString, why);
    MainWindowRig rig(8, false);
    ModalAnswerer answerer;
    QString address = rig.address();
    if (listening)
        rig.sim->setSilent(true);
    else
        address = QStringLiteral("127.0.0.1:%1").arg(closedTcpPort());
    rig.showAtTestSize();
    rig.w->setIpFromCommandLine(address);
    rig.get<QPushButton>("bEthConnect")->click();
    QTRY_VERIFY_WITH_TIMEOUT(noticeShown(rig), LinkDeadlineMs);
    QVERIFY(waitUnconnected(rig));
    QVERIFY(rig.drain());
    QCOMPARE(answerer.seen.size(), 0);
    QVERIFY(!QApplication::activeModalWidget());

    const QString text = notice(rig)->text();
    QVERIFY2(text.startsWith(mw("Could not connect to the tester.")), qPrintable(text));
    QVERIFY2(text.contains(mw("Address: %1").arg(address)), qPrintable(text));
    QVERIFY2(text.endsWith(mw(why.toUtf8().constData())), qPrintable(text));
    QVERIFY2(!text.contains(mw("No test was running.")), qPrintable(text));
    const QString panel = rig.get<QLabel>("lEthInfo")->text();
    QVERIFY2(panel.startsWith(mw(state.toUtf8().constData()) + '\n' + address + ", "), qPrintable(panel));
    const QStringList cut = rig.cutTexts();
    QVERIFY2(cut.isEmpty(), qPrintable(textfit::logged(cut)));

    // A second failure reuses the one notice.
    rig.get<QPushButton>("bEthConnect")->click();
    QVERIFY(!noticeShown(rig));   // a new attempt: the old word is over
    QTRY_VERIFY_WITH_TIMEOUT(noticeShown(rig), LinkDeadlineMs);
    QCOMPARE(rig.w->findChildren<QMessageBox *>(QStringLiteral("linkNotice")).size(), 1);
}

// Started with "-ip", the field takes any text. What is no address is
// refused before any socket opens, whether it was typed after a Disconnect
// or given at start-up: the simulated tester listening on this PC hears
// nothing (a text that does not read as an address would reach it as
// 0.0.0.0, a port past 65535 would wrap round to its port).
void TestMainWinLinkLoss::addressThatIsNoneConnectsNowhere_data()
{
    QTest::addColumn<QString>("typed");   // %1: the tester's port, %2: it plus 65536
    QTest::addColumn<int>("fault");
    QTest::newRow("letters") << "abc" << int(TCPStream::TargetFault::NotAnAddress);
    QTest::newRow("letters and the tester's port") << "abc:%1" << int(TCPStream::TargetFault::NotAnAddress);
    QTest::newRow("letter O for a zero") << "127.0.0.1O:%1" << int(TCPStream::TargetFault::NotAnAddress);
    QTest::newRow("octet above 255") << "127.0.0.300:%1" << int(TCPStream::TargetFault::NotAnAddress);
    QTest::newRow("port that wraps round") << "127.0.0.1:%2" << int(TCPStream::TargetFault::BadPort);
    QTest::newRow("empty port") << "127.0.0.1:" << int(TCPStream::TargetFault::NoPort);
}

void TestMainWinLinkLoss::addressThatIsNoneConnectsNowhere()
{
    QFETCH(QString, typed);
    QFETCH(int, fault);
    MainWindowRig rig(8, false);
    ModalAnswerer answerer;
    const QString text = QString(typed)
                             .replace(QLatin1String("%1"), QString::number(rig.port))
                             .replace(QLatin1String("%2"), QString::number(int(rig.port) + 65536));
    auto *info = rig.get<QLabel>("lEthInfo");
    auto *ip = rig.get<QLineEdit>("iIP");

    // Given at start-up: the panel says so before anything is tried.
    rig.w->setIpFromCommandLine(text);
    QVERIFY2(info->text().startsWith(mw("Not a valid address.") + '\n'), qPrintable(info->text()));
    QVERIFY(!noticeShown(rig));

    // The road of ./run.sh: connected to the tester, Disconnect, the text
    // typed into the field, Connect.
    rig.w->setIpFromCommandLine(rig.address());
    rig.showAtTestSize();
    rig.get<QPushButton>("bEthConnect")->click();
    QVERIFY(rig.waitConnected());
    rig.get<QPushButton>("bEthDisc")->click();
    QVERIFY(waitUnconnected(rig));
    QVERIFY(rig.drain());
    rig.sim->clearRequests();
    const int clients = rig.sim->tcpClients();

    ip->clear();
    QTest::keyClicks(ip, text);
    QCOMPARE(ip->text(), text);
    rig.get<QPushButton>("bEthConnect")->click();
    QTRY_VERIFY_WITH_TIMEOUT(noticeShown(rig), LinkDeadlineMs);
    QVERIFY(waitUnconnected(rig));
    QVERIFY(rig.drain());

    QCOMPARE(rig.sim->tcpClients(), clients);
    QVERIFY(rig.sim->requests().isEmpty());
    QCOMPARE(rig.w->getDevice()->getConnectionType(), RemoteControl::NoConnection);
    QCOMPARE(ip->text(), text);
    QCOMPARE(answerer.seen.size(), 0);
    const QString notice = TestMainWinLinkLoss::notice(rig)->text();
    QVERIFY2(notice.startsWith(mw("Could not connect to the tester.")), qPrintable(notice));
    QVERIFY2(notice.endsWith(MainForm::addressFaultText(TCPStream::TargetFault(fault), text)), qPrintable(notice));
    QVERIFY2(notice.contains(mw("Not a valid address: %1").section(QStringLiteral("%1"), 0, 0)),
             qPrintable(notice));
    QVERIFY2(info->text().startsWith(mw("Not a valid address.") + '\n' + text + ", "), qPrintable(info->text()));
    const QStringList cut = rig.cutTexts();
    QVERIFY2(cut.isEmpty(), qPrintable(textfit::logged(cut)));

    // Corrected, the same field connects.
    ip->setText(rig.address());
    rig.get<QPushButton>("bEthConnect")->click();
    QVERIFY(rig.waitConnected());
    QVERIFY(!noticeShown(rig));
}

void TestMainWinLinkLoss::disconnectIsNoFailure()
{
    MainWindowRig rig(8, false);
    ModalAnswerer answerer;
    rig.w->show();
    QVERIFY(rig.connectToSim());
    QTRY_VERIFY(rig.get<QWidget>("bEthDisc")->isVisible());
    rig.get<QPushButton>("bEthDisc")->click();
    QVERIFY(waitUnconnected(rig));
    QVERIFY(rig.drain());
    QTest::qWait(200);
    QVERIFY(!noticeShown(rig));
    QVERIFY(rig.get<QLabel>("lEthInfo")->text().isEmpty());
    QCOMPARE(answerer.seen.size(), 0);
}

// The file transfer window lists the tester's report files (the only tab
// of model 8); the tester sends one name every 300 ms, 200 of them. A
// Disconnect pressed meanwhile takes effect after the request in progress.
void TestMainWinLinkLoss::disconnectEndsALongListing()
{
    MainWindowRig rig(8, false);
    ModalAnswerer answerer;
    rig.tester([](SimRemoteResponder &r) {
        for (int i = 0; i < 200; ++i)
            r.files << SimRemoteResponder::File{QStringLiteral("REP%1").arg(i), FileTypeReport, "x", 0, 0};
    });
    rig.w->show();
    QVERIFY(rig.connectToSim());
    QTRY_VERIFY(rig.get<QWidget>("bEthDisc")->isVisible());
    auto listRequests = [&] {
        int n = 0;
        for (const QByteArray &r : rig.sim->requests())
            n += !r.isEmpty() && quint8(r.at(0)) == 0x07;
        return n;
    };
    rig.sim->setReplyDelay(300);
    rig.get<QPushButton>("bFTransfer")->click();
    QTRY_VERIFY_WITH_TIMEOUT(listRequests() >= 4, LinkDeadlineMs);

    const int before = listRequests();
    rig.get<QPushButton>("bEthDisc")->click();
    QVERIFY(waitUnconnected(rig));
    QVERIFY(rig.drain());
    rig.sim->setReplyDelay(0);
    QVERIFY2(listRequests() <= before + 1, qPrintable(QStringLiteral("%1 then %2").arg(before).arg(listRequests())));
    QVERIFY(!noticeShown(rig));
    QCOMPARE(rig.w->getDevice()->getConnectionType(), RemoteControl::NoConnection);

    // The next link lists again in full.
    rig.tester([](SimRemoteResponder &r) { r.files = r.files.mid(0, 3); });
    rig.get<QPushButton>("bEthConnect")->click();
    QVERIFY(rig.waitConnected());
    QVERIFY(rig.drain());
    const int listedBefore = listRequests();
    rig.get<QPushButton>("bFTransfer")->click();
    QVERIFY(rig.drain());
    QCOMPARE(listRequests() - listedBefore, 4);   // three names and the closing reply
}

QTEST_MAIN(TestMainWinLinkLoss)
#include "tst_mainwin_linkloss.moc"
