// The simulated tester's test models: every registered default record has
// its test's size, and a started traffic test runs, reports and ends by
// itself, as a tester does. Driven through the responder directly.

#include "simremote.h"
#include "simrequest.h"
#include "simtests.h"
#include "trafficrecords.h"

#include <QtEndian>
#include <QtTest>

#include <cstring>

namespace {

QByteArray request(quint8 command, const QByteArray &fields)
{
    return QByteArray(1, char(command)) + fields;
}

traffic_results_t trafficResults(SimRemoteResponder &r, quint32 port)
{
    const QByteArray reply = answer(r, request(0x13, le32(port) + QByteArray(1, char(TestTraffic)) + le32(0)));
    traffic_results_t out;
    std::memset(&out, 0, sizeof out);
    if (reply.size() == 1 + int(sizeof out))
        std::memcpy(&out, reply.constData() + 1, sizeof out);
    return out;
}

} // namespace

class TestSimModels : public QObject
{
    Q_OBJECT

private slots:
    void defaultsHaveTheRecordSizes()
    {
        for (int id = 0; id < TestIdCount; ++id) {
            const SimTestModel &m = simTestModel(quint8(id));
            if (!m.defaultSettings)
                continue;
            for (quint32 port = 0; port < 2; ++port)
                QCOMPARE(m.defaultSettings(port).size(), testSettingsSize(unsigned(id)));
        }
    }

    void patternsUnlessRealistic()
    {
        SimRemoteResponder plain(0);
        SimRemoteResponder real(0);
        real.realistic = true;
        const QByteArray read = request(0x11, le32(0) + QByteArray(1, char(TestTraffic)));
        QCOMPARE(answer(plain, read), SimRemoteResponder::patternBlock(0, TestTraffic, 48, false));
        traffic_settings_t s;
        const QByteArray fromModel = answer(real, read);
        QCOMPARE(fromModel.size(), int(sizeof s));
        std::memcpy(&s, fromModel.constData(), sizeof s);
        QCOMPARE(int(s.packetLength), 1518);
    }

    void trafficRunsAndEnds()
    {
        SimRemoteResponder r(0);
        r.realistic = true;
        traffic_settings_t s;
        const QByteArray stored = answer(r, request(0x11, le32(0) + QByteArray(1, char(TestTraffic))));
        std::memcpy(&s, stored.constData(), sizeof s);
        s.duration = 1;
        answer(r, request(0x12, le32(0) + QByteArray(1, char(TestTraffic))
                                    + QByteArray(reinterpret_cast<const char *>(&s), sizeof s)));
        QCOMPARE(int(trafficResults(r, 0).status), int(StatusWait));
        answer(r, request(0x09, QByteArray(1, '\1') + le32(0) + QByteArray(1, char(TestTraffic))));
        QVERIFY(r.status.process[0].tx & (1u << TestTraffic));
        QCOMPARE(int(trafficResults(r, 0).status), int(StatusRunning));
        QTest::qWait(1100);
        const traffic_results_t done = trafficResults(r, 0);
        QCOMPARE(int(done.status), int(StatusOk));
        QVERIFY(done.txFrames > 0);
        QVERIFY(done.rxFrames <= done.txFrames);
        QVERIFY(!(r.status.process[0].tx & (1u << TestTraffic)));
    }
};

QTEST_MAIN(TestSimModels)
#include "tst_simmodels.moc"
