// The pass-through window driven through its real widgets, offscreen,
// against the simulated tester over TCP with a real Device in a worker
// thread.

#include "formrig.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "passform.h"

#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

class TestPassForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormRig> rig;
    PassForm *form = nullptr;

    QPushButton *start() { return findWidget<QPushButton>(form, "bStart"); }
    QPushButton *stop() { return findWidget<QPushButton>(form, "bStop"); }

    void setProcess(port_t port, quint32 tx, quint32 rx)
    {
        rig->tester([&](SimRemoteResponder &t) {
            t.status.process[port].tx = tx;
            t.status.process[port].rx = rx;
        });
    }

    void idle()
    {
        setProcess(PortA, 0, 0);
        setProcess(PortB, 0, 0);
    }

    QList<QByteArray> topologyRequests()
    {
        return rig->requestsOf(0x0A);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(vyrremote_translations);
        rig.reset(new FormRig(0));
        form = new PassForm(rig->device);
        form->resize(900, 400);
        // Until the first status arrives the buttons are as designed.
        QVERIFY(start()->isEnabled());
        QVERIFY(stop()->isEnabled());
        QVERIFY(rig->connectDevice());
    }

    void cleanupTestCase()
    {
        delete form;
        rig.reset();
    }

    void init()
    {
        rig->device->setCurrentProcess(PortA);
        idle();
        form->activate();
        QVERIFY(rig->waitForPolls(1));
        rig->sim.clearRequests();
    }

    // Start while the port runs nothing; Stop while pass-through runs on it.
    void buttonsFollowTheProcessWords_data()
    {
        QTest::addColumn<int>("port");       // current port
        QTest::addColumn<quint32>("tx");     // its first process word
        QTest::addColumn<quint32>("rx");     // its second process word
        QTest::addColumn<bool>("startOn");
        QTest::addColumn<bool>("stopOn");
        QTest::newRow("idle") << 0 << 0u << 0u << true << false;
        QTest::newRow("pass-through") << 0 << 1u << 0u << false << true;
        QTest::newRow("another test") << 0 << (1u << TestTraffic) << 0u << false << false;
        QTest::newRow("second word only") << 0 << 0u << 1u << false << false;
        QTest::newRow("pass-through and more") << 0 << (1u | 1u << TestBert) << 4u << false << true;
        QTest::newRow("Port B idle") << 1 << 0u << 0u << true << false;
        QTest::newRow("Port B pass-through") << 1 << 1u << 0u << false << true;
    }
    void buttonsFollowTheProcessWords()
    {
        QFETCH(int, port);
        QFETCH(quint32, tx);
        QFETCH(quint32, rx);
        QFETCH(bool, startOn);
        QFETCH(bool, stopOn);
        rig->device->setCurrentProcess(port_t(port));
        // The other port's words do not count.
        setProcess(port_t(1 - port), 1u | 1u << TestTraffic, 1);
        setProcess(port_t(port), tx, rx);
        QVERIFY(rig->waitForPolls(2));
        QCOMPARE(start()->isEnabled(), startOn);
        QCOMPARE(stop()->isEnabled(), stopOn);
    }

    void hiddenWindowKeepsFollowing()
    {
        form->hide();
        setProcess(PortA, 1, 0);
        QVERIFY(rig->waitForPolls(2));
        form->activate();
        QVERIFY(!start()->isEnabled());
        QVERIFY(stop()->isEnabled());
        // Showing asks the tester for nothing.
        QVERIFY(topologyRequests().isEmpty());
        QVERIFY(rig->requestsOf(0x13).isEmpty());
    }

    void startAndStopSwitchTheCurrentPort_data()
    {
        QTest::addColumn<int>("port");
        QTest::newRow("Port A") << 0;
        QTest::newRow("Port B") << 1;
    }
    void startAndStopSwitchTheCurrentPort()
    {
        QFETCH(int, port);
        rig->device->setCurrentProcess(port_t(port));
        QVERIFY(rig->waitForPolls(1));
        QVERIFY(start()->isEnabled());
        start()->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x0A; }));
        QByteArray on = topologyRequests().first();
        QCOMPARE(on.size(), 6);
        QCOMPARE(u32At(on, 1), quint32(port));
        QCOMPARE(quint8(on.at(5)), quint8(TopologyPassThroughOn));
        // The tester reports pass-through in the port's first process word.
        QTRY_VERIFY_WITH_TIMEOUT(stop()->isEnabled(), EventuallyMs);
        QVERIFY(!start()->isEnabled());

        rig->sim.clearRequests();
        stop()->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x0A; }));
        const QByteArray off = topologyRequests().first();
        QCOMPARE(u32At(off, 1), quint32(port));
        QCOMPARE(quint8(off.at(5)), quint8(TopologyPassThroughOff));
        QTRY_VERIFY_WITH_TIMEOUT(start()->isEnabled(), EventuallyMs);
        QVERIFY(!stop()->isEnabled());
        // Nothing else was asked of the tester.
        for (const QByteArray &r : rig->requests())
            QCOMPARE(command(r), quint8(0x0A));
    }

    void twoClicksSendTwice()
    {
        start()->click();
        start()->click();
        QVERIFY(rig->drain());
        QCOMPARE(topologyRequests().size(), 2);
        stop()->setEnabled(true);
        stop()->click();
        QVERIFY(rig->drain());
        QCOMPARE(topologyRequests().size(), 3);
        QVERIFY(rig->waitForPolls(1));
    }

    void applyIsNotItsBusiness()
    {
        const bool startOn = start()->isEnabled();
        const bool stopOn = stop()->isEnabled();
        form->disableApply();
        QCOMPARE(start()->isEnabled(), startOn);
        QCOMPARE(stop()->isEnabled(), stopOn);
    }

    void textsFitInEveryLanguage()
    {
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        const QStringList cut = textFitInAllLanguages(form, languages, [&] { form->retranslate(); });
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        languages.use(QStringLiteral("ru"));
        form->retranslate();
        const QString thru = QCoreApplication::translate("PassForm", "Thru");
        QVERIFY(thru != QLatin1String("Thru"));
        QCOMPARE(findWidget<QGroupBox>(form, "groupBox")->title(), thru);
        QDir().mkpath(QStringLiteral("/tmp/shots/18"));
        textfit::settle(form);
        form->grab().save(QStringLiteral("/tmp/shots/18/pass_ru.png"));
        languages.removeAll();
        form->retranslate();
        QCOMPARE(start()->text(), QString("Start"));
    }
};

QTEST_MAIN(TestPassForm)
#include "tst_passform.moc"
