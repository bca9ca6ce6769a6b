// The GUI thread reads every record while the worker polls, reloads,
// reconnects and clears them. Every copy must be a whole record as the
// tester sent it (a torn or freed buffer shows as a wrong byte here, or as
// an AddressSanitizer report).

#include "devicerig.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cstring>

class TestDeviceStress : public QObject
{
    Q_OBJECT

private slots:
    void readWhileWorkerRewrites();
};

void TestDeviceStress::readWhileWorkerRewrites()
{
    DeviceRig rig(0);
    rig.tester([](SimRemoteResponder &r) {
        // Every test runs on both ports: each poll rereads all results.
        r.status.process[PortA].tx = 0x000FFFFCu;
        r.status.process[PortB].tx = 0x000FFFFCu;
        r.fillScreen(0x3F);
    });
    QVERIFY(rig.connectDevice());

    std::atomic<bool> stop{false};
    std::atomic<int> rounds{0};
    std::function<void()> round = [&] {
        Device *d = rig.device;
        d->updateDeviceStatus();
        for (TestInfo *info : d->testInfos()) {
            info->receiveSettings(PortA);
            info->receiveResults(PortB);
        }
        for (int p = 0; p < Device::InterfaceCount; ++p)
            d->getInterfaceInfo(p)->receiveSettings();
        d->receeiveScreenshot();
        d->receiveReportsFilesNames();
        d->loadConfigFromFile(QStringLiteral("CFG"));   // drops every record
        for (TestInfo *info : d->testInfos())
            info->receiveResults(PortA);
        d->resetAndConnect();   // the tester stays: reconnects at once, drops every record
        ++rounds;
        if (!stop.load())
            rig.inWorker(round);
    };
    rig.inWorker(round);

    // Expected contents, fetched once from the tester's pattern.
    QHash<quint32, QByteArray> settingsPattern, resultsPattern;
    for (TestInfo *info : rig.device->testInfos()) {
        for (port_t p : {PortA, PortB}) {
            const quint8 id = info->getTestId();
            settingsPattern[SimRemoteResponder::key(p, id)] =
                SimRemoteResponder::patternBlock(p, id, info->settingsSize(), false);
            resultsPattern[SimRemoteResponder::key(p, id)] =
                SimRemoteResponder::patternBlock(p, id, info->resultsSize(), true);
        }
    }

    int seenSettings = 0, seenResults = 0, seenInterfaces = 0, bad = 0;
    QElapsedTimer clock;
    clock.start();
    int iteration = 0;
    while (clock.elapsed() < 3000 || rounds.load() < 2) {
        if (clock.elapsed() > EventuallyMs)
            break;
        ++iteration;
        Device *d = rig.device;
        d->setCurrentProcess(iteration % 2 ? PortB : PortA);
        const get_device_status_resp_t status = d->getDeviceStatus();
        const get_device_info_resp_t info = d->getDeviceInfo();
        bad += info.serialNumber != 4711;
        bad += status.clock != 1700000000u;
        d->getDeviceSettings();
        d->anyTestInProcess();
        d->testInProcess(PortA, TestTraffic);
        d->testInProcessPrev(PortB, TestBert);
        d->getConnectionType();
        d->getReportsFilesNames();
        error_t e{};
        e.type = StartErrorStream;
        d->startTestErrorText(e);
        if (iteration % 50 == 0) {
            const QImage screen = d->getScreenshot();
            bad += screen.size() != QSize(320, 240);
        }
        for (TestInfo *t : d->testInfos()) {
            for (port_t p : {PortA, PortB}) {
                const quint32 k = SimRemoteResponder::key(p, t->getTestId());
                if (const auto s = t->getSettings(p)) {
                    ++seenSettings;
                    bad += *s != settingsPattern.value(k);
                    // Hand an unchanged copy back, as a form that applies does.
                    if (iteration % 40 == 0) {
                        QMetaObject::invokeMethod(t, [t, p, copy = *s] { t->sendSettings(p, copy); },
                                                  Qt::QueuedConnection);
                    }
                }
                if (const auto r = t->getResults(p)) {
                    ++seenResults;
                    bad += *r != resultsPattern.value(k);
                }
            }
        }
        for (int p = 0; p < Device::InterfaceCount; ++p) {
            if (const auto s = d->getInterfaceInfo(p)->getSettings()) {
                ++seenInterfaces;
                const QByteArray expected =
                    SimRemoteResponder::patternBlock(quint32(p), TestInterfaceSettings, 76, false);
                bad += std::memcmp(&*s, expected.constData(), 76) != 0;
            }
        }
        QCoreApplication::processEvents();
    }
    stop.store(true);
    QVERIFY(rig.drain());

    QCOMPARE(bad, 0);
    QVERIFY(rounds.load() >= 2);
    // The reads met records, not only empty slots.
    QVERIFY(seenSettings > 0);
    QVERIFY(seenResults > 0);
    QVERIFY(seenInterfaces > 0);
    QVERIFY(rig.log.count("connected") >= 3);
    QCOMPARE(rig.log.count("disconnected"), rig.log.count("connected") - 1);
}

QTEST_GUILESS_MAIN(TestDeviceStress)
#include "tst_devicestress.moc"
