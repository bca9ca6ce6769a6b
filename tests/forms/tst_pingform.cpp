// The ping form driven through its real widgets, offscreen, against the
// simulated tester over TCP with a real Device in a worker thread.

#include "iptoolsformat.h"
#include "iptoolsformtest.h"
#include "pingform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <cstring>

namespace {

ping_settings_t fixture()
{
    ping_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.destination = ipv4(172, 16, 0, 9);
    s.frame_size = 512;
    s.wait_time = 2000;
    return s;
}

// Requests 7 to 12 answered, one more awaited: ten sent, seven replies.
ping_results_t runningResults()
{
    ping_results_t r;
    std::memset(&r, 0, sizeof r);
    r.sent = 10;
    r.pending = 1;
    r.received = 7;
    r.avg_latency = 12.5f;
    r.min_latency = PingNoMinimum;
    r.max_latency = 17;
    for (int n = 7; n <= 12; ++n)
        r.requests[n % PingRequestEntries] = {uint8_t(n == 9 ? PingTimedOut : PingReplied), uint16_t(n), uint32_t(n)};
    return r;
}

// The largest counts the record holds.
ping_results_t longestResults(uint8_t status)
{
    ping_results_t r;
    std::memset(&r, 0xFF, sizeof r);
    r.pending = 0;
    r.received = 0;
    r.avg_latency = 4294967295.0f;
    r.min_latency = 4294967294u;
    for (int k = 0; k < PingRequestEntries; ++k)
        r.requests[k] = {status, uint16_t(65532 + k), 4294967295u};
    return r;
}

} // namespace

class TestPingForm : public QObject, public IpToolFormTest<PingForm>
{
    Q_OBJECT

public:
    TestPingForm()
        : IpToolFormTest(TestPing)
    {
    }

private:
    QString cell(int row, int column) { return cellText(child<QTableWidget>("tPingRes"), row, column); }

    ping_settings_t lastSent()
    {
        const QList<QByteArray> sent = rig->sentSettings(PortA, TestPing);
        return sent.isEmpty() ? ping_settings_t{} : recordFrom<ping_settings_t>(sent.last());
    }

private slots:
    void initTestCase() { setUpCase(recordBytes(fixture())); }
    void cleanupTestCase() { tearDownCase(); }
    void init() { setUp(recordBytes(fixture()), recordBytes(runningResults())); }

    void activationFillsTheForm()
    {
        QCOMPARE(child<QLineEdit>("lIP")->text(), QString("172.16.0.9"));
        QCOMPARE(child<QSpinBox>("sFrame")->value(), 512);
        QCOMPARE(child<QSpinBox>("sPause")->value(), 2000);
        for (const char *name : {"lIP", "sFrame", "sPause"})
            QVERIFY2(child<QWidget>(name)->styleSheet() != fieldstyle::Blue, name);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(child<QPushButton>("bStart")->text(), QString("Start"));
    }

    void resultsShowRequestsAndStatistics()
    {
        const QStringList numbers = {"00012", "00011", "00010", "00009", "00008", "00007"};
        for (int row = 0; row < PingRequestEntries; ++row) {
            const bool timedOut = numbers.at(row) == QLatin1String("00009");
            QCOMPARE(cell(row, 0), numbers.at(row));
            QCOMPARE(cell(row, 1), QString(timedOut ? "Timeout" : "OK"));
            QCOMPARE(cell(row, 2), QString("512"));
            QCOMPARE(cell(row, 3), timedOut ? QString("-") : QString::number(numbers.at(row).toInt()));
        }
        QCOMPARE(child<QLineEdit>("lSent")->text(), QString("9"));
        QCOMPARE(child<QLineEdit>("lReceive")->text(), QString("7"));
        QCOMPARE(child<QLineEdit>("lLost")->text(), QString("2"));
        QCOMPARE(child<QLineEdit>("lAvrg")->text(), QString("12.5 ms"));
        QCOMPARE(child<QLineEdit>("lMin")->text(), QString("0"));
        QCOMPARE(child<QLineEdit>("lMax")->text(), QString("17 ms"));
    }

    void startSendsTheRecordAndStopStops()
    {
        child<QSpinBox>("sFrame")->setValue(1000);
        ping_settings_t expected = fixture();
        expected.frame_size = 1000;
        startAndStop(recordBytes(expected));
        QCOMPARE(child<QSpinBox>("sFrame")->styleSheet(), fieldstyle::Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    void startOnPortB()
    {
        ping_settings_t b = fixture();
        b.destination = ipv4(10, 0, 0, 1);
        store(recordBytes(b), PortB);
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>("lIP")->text(), QString("10.0.0.1"), EventuallyMs);
        startAndStop(recordBytes(b), PortB);
    }

    void noResultsShowDashes()
    {
        showNoResults();
        for (int row = 0; row < PingRequestEntries; ++row) {
            for (int column = 0; column < PingColumns; ++column)
                QCOMPARE(cell(row, column), QString("-"));
        }
        for (const char *name : {"lSent", "lReceive", "lLost", "lAvrg", "lMin", "lMax"})
            QCOMPARE(child<QLineEdit>(name)->text(), QString("-"));
        // The buttons follow at the next poll.
        QTRY_VERIFY_WITH_TIMEOUT(!child<QPushButton>("saveReportButton")->isEnabled(), EventuallyMs);
    }

    void incompleteAddressIsReplacedOnApply_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("three parts") << "10.0.0";
        QTest::newRow("empty") << "";
    }
    void incompleteAddressIsReplacedOnApply()
    {
        QFETCH(QString, typed);
        QLineEdit *address = child<QLineEdit>("lIP");
        typeInto(address, typed);
        QCOMPARE(address->text(), typed);
        QCOMPARE(address->styleSheet(), fieldstyle::Blue);
        child<QPushButton>("bApply")->click();
        QCOMPARE(address->text(), QString("192.168.0.1"));
        QCOMPARE(address->styleSheet(), fieldstyle::Black);
        QVERIFY(rig->waitForSettingsSent(PortA, TestPing));
        QCOMPARE(rig->sentSettings(PortA, TestPing).last().left(4).toHex(' '), QByteArray("01 00 a8 c0"));
        QCOMPARE(lastSent().frame_size, uint16_t(512));
    }

    void addressEditRefusesWhatCannotBeAnAddress_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("256 in an octet") << "192.168.0.256" << "192.168.0.25";
        QTest::newRow("a fourth dot") << "1.2.3.4.5" << "1.2.3.45";
        QTest::newRow("a sixteenth character") << "192.168.100.1001" << "192.168.100.100";
        QTest::newRow("a letter") << "10.a.0.1" << "10.0.1";
    }
    void addressEditRefusesWhatCannotBeAnAddress()
    {
        QFETCH(QString, typed);
        QLineEdit *address = child<QLineEdit>("lIP");
        typeInto(address, typed);
        QTEST(address->text(), "kept");
    }

    void fieldEditedAndBackStaysApplicable()
    {
        QSpinBox *frame = child<QSpinBox>("sFrame");
        QPushButton *apply = child<QPushButton>("bApply");
        frame->setValue(600);
        QCOMPARE(frame->styleSheet(), fieldstyle::Blue);
        QVERIFY(apply->isEnabled());
        frame->setValue(512);
        QCOMPARE(frame->styleSheet(), fieldstyle::Black);
        QVERIFY(apply->isEnabled());
        typeInto(child<QLineEdit>("lIP"), "172.16.0.9");
        QCOMPARE(child<QLineEdit>("lIP")->styleSheet(), fieldstyle::Black);
    }

    // A stored value the box cannot show is shown at the box's end and
    // marked, so that the operator sees it will change.
    void storedValueOutOfRangeIsMarked()
    {
        ping_settings_t s = fixture();
        s.wait_time = 50;
        s.frame_size = 9000;
        store(recordBytes(s));
        reload();
        QCOMPARE(child<QSpinBox>("sPause")->value(), 100);
        QCOMPARE(child<QSpinBox>("sFrame")->value(), 1518);
        QCOMPARE(child<QSpinBox>("sPause")->styleSheet(), fieldstyle::Blue);
        QCOMPARE(child<QSpinBox>("sFrame")->styleSheet(), fieldstyle::Blue);
        QCOMPARE(child<QLineEdit>("lIP")->styleSheet(), fieldstyle::Black);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
    }

    // After the link came back the form holds no record until it is
    // activated or reset: Start runs the ping with the settings the tester
    // holds, sends nothing of the form's, and then shows that record. An
    // address typed before the link went is not dropped silently: that
    // Start is refused with a message, and the typed address stays.
    void startWithoutRecordRunsWithTheTestersSettings()
    {
        // Nothing edited: the tester's record shown and applied as it is.
        store(recordBytes(fixture()));
        reload();
        if (child<QPushButton>("bApply")->isEnabled()) {
            child<QPushButton>("bApply")->click();
            QVERIFY(rig->drain());
        }
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        rig->disconnectDevice();
        QVERIFY(rig->connectDevice());
        QVERIFY(rig->drain());
        QSignalSpy sent(form, &TestForm::sendSettings);
        QSignalSpy started(form, &TestForm::startTest);
        rig->sim.clearRequests();
        {
            MessageBoxCloser closer;
            child<QPushButton>("bStart")->click();
            QVERIFY(rig->drain());
            QCOMPARE(closer.seen.size(), 0);
        }
        QCOMPARE(sent.count(), 0);
        QCOMPARE(started.count(), 1);
        QVERIFY(rig->requestsOf(0x12).isEmpty());
        QCOMPARE(rig->requestsOf(0x09).size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>("lIP")->text(), QString("172.16.0.9"), EventuallyMs);
        QCOMPARE(child<QLineEdit>("lIP")->styleSheet(), fieldstyle::Black);
        rig->expectStop(child<QPushButton>("bStop"), PortA, TestPing);
        // The record is held again: Start sends it as usual.
        startAndStop(recordBytes(fixture()));

        typeInto(child<QLineEdit>("lIP"), "10.0.0.7");
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        rig->disconnectDevice();
        QVERIFY(rig->connectDevice());
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
        {
            MessageBoxCloser closer;
            child<QPushButton>("bStart")->click();
            QVERIFY(rig->drain());
            QCOMPARE(closer.seen.size(), 1);
            QVERIFY(closer.seen.at(0).text.contains(QStringLiteral("the test was not started")));
        }
        QCOMPARE(sent.count(), 1);   // the one of startAndStop
        QCOMPARE(started.count(), 2);
        QVERIFY(rig->requestsOf(0x09).isEmpty());
        QCOMPARE(child<QLineEdit>("lIP")->text(), QString("10.0.0.7"));
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
    }

    void textsFitWithLongestValues_data()
    {
        QTest::addColumn<int>("status");
        for (int status = 0; status <= PingNoConnection + 1; ++status)
            QTest::newRow(qPrintable(QStringLiteral("status %1").arg(status))) << status;
    }
    void textsFitWithLongestValues()
    {
        QFETCH(int, status);
        ping_settings_t s = fixture();
        s.destination = ipv4(255, 255, 255, 255);
        s.frame_size = 1518;
        s.wait_time = 9999;
        store(recordBytes(s));
        reload();
        showResults(recordBytes(longestResults(uint8_t(status))));
        QCOMPARE(child<QLineEdit>("lSent")->text(), QString("4294967295"));
        checkTextsFit();
    }

    void languageSwitchRedrawsResults()
    {
        checkInRussian([this] {
            const QString timeout = QCoreApplication::translate("PingForm", "Timeout");
            QVERIFY(timeout != QLatin1String("Timeout"));
            QCOMPARE(cell(3, 1), timeout);
            QCOMPARE(child<QLineEdit>("lMax")->text(),
                     QStringLiteral("17 ") + QCoreApplication::translate("PingForm", "ms"));
            // A picture of the page with its results, for a person to look at.
            QVERIFY(textfit::savePicture(form, QStringLiteral("pingform-ru.png")));
        });
        QCOMPARE(cell(3, 1), QString("Timeout"));
    }
};

QTEST_MAIN(TestPingForm)
#include "tst_pingform.moc"
