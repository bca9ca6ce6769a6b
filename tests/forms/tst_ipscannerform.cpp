// The IP scanner form driven through its real widgets, offscreen, against
// the simulated tester over TCP with a real Device in a worker thread: the
// range it sends, the run times and the 256 rows of answering addresses.

#include "iptoolsformat.h"
#include "iptoolsformtest.h"
#include "ipscannerform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <cstring>

namespace {

ipscan_settings_t fixture()
{
    ipscan_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.first_address = ipv4(192, 168, 0, 250);
    s.last_address = ipv4(192, 168, 1, 20);
    s.wait_time = 500;
    s.iterations = 2;
    return s;
}

ipscan_results_t results()
{
    ipscan_results_t r;
    std::memset(&r, 0, sizeof r);
    r.start_time = 1000;
    r.current_time = 1100;
    r.estimated_duration = 60;
    r.answered[1] = 0x04;   // 192.168.0.250 + 10
    return r;
}

} // namespace

class TestIpScannerForm : public QObject, public IpToolFormTest<IpScannerForm>
{
    Q_OBJECT

public:
    TestIpScannerForm()
        : IpToolFormTest(TestIpScanner)
    {
    }

private:
    QTableWidget *list() { return child<QTableWidget>("twIPList"); }
    QString row(int r) { return cellText(list(), r, 0); }

private slots:
    void initTestCase() { setUpCase(recordBytes(fixture())); }
    void cleanupTestCase() { tearDownCase(); }
    void init() { setUp(recordBytes(fixture()), recordBytes(results())); }

    void builtWithTheDesignersValues()
    {
        IpScannerForm fresh(rig->device);
        QCOMPARE(findWidget<QSpinBox>(&fresh, "sbWaitTime")->value(), 1000);
        QCOMPARE(findWidget<QSpinBox>(&fresh, "sbIteration")->value(), 3);
        QCOMPARE(findWidget<QTableWidget>(&fresh, "twIPList")->rowCount(), 256);
        QVERIFY(!findWidget<QPushButton>(&fresh, "bApply")->isEnabled());
    }

    void activationFillsTheForm()
    {
        QCOMPARE(child<QLineEdit>("leFirstAddress")->text(), QString("192.168.0.250"));
        QCOMPARE(child<QLineEdit>("leLastAddress")->text(), QString("192.168.1.20"));
        QCOMPARE(child<QSpinBox>("sbWaitTime")->value(), 500);
        QCOMPARE(child<QSpinBox>("sbIteration")->value(), 2);
        for (const char *name : {"leFirstAddress", "leLastAddress", "sbWaitTime", "sbIteration"})
            QVERIFY2(child<QWidget>(name)->styleSheet() != fieldstyle::Blue, name);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    void answeringAddressesAndTimes()
    {
        QCOMPARE(list()->rowCount(), 256);
        QCOMPARE(row(0), QString("192.168.1.4"));
        for (int r = 1; r < 256; ++r)
            QCOMPARE(row(r), QString("-"));
        QCOMPARE(child<QLineEdit>("leElapsedTime")->text(), QString("00:01:40"));
        QCOMPARE(child<QLineEdit>("leEstimatedTime")->text(), QString("00:00:00"));
    }

    // All 256 answered and no connection: the list keeps its 256 rows.
    void fullListStaysAt256Rows()
    {
        ipscan_results_t r = results();
        std::memset(r.answered, 0xFF, sizeof r.answered);
        r.status = IpScanNoConnection;
        showResults(recordBytes(r));
        QCOMPARE(list()->rowCount(), 256);
        QCOMPARE(row(0), QString("192.168.0.250"));
        QCOMPARE(row(255), QString("192.168.1.249"));
        // A later record with fewer answers leaves no row of the earlier one.
        r = results();
        r.status = IpScanNoConnection;
        showResults(recordBytes(r));
        QCOMPARE(row(0), QString("192.168.1.4"));
        QCOMPARE(row(1), QString("No connection"));
        QCOMPARE(row(2), QString("-"));
        QCOMPARE(row(255), QString("-"));
    }

    void noResultsShowDashesAndKeepTheTimes()
    {
        showNoResults();
        for (int r = 0; r < 256; ++r)
            QCOMPARE(row(r), QString("-"));
        QCOMPARE(child<QLineEdit>("leElapsedTime")->text(), QString("00:01:40"));
    }

    void startSendsTheRangeAndStopStops()
    {
        child<QSpinBox>("sbIteration")->setValue(9);
        QCOMPARE(child<QSpinBox>("sbIteration")->styleSheet(), fieldstyle::Blue);
        ipscan_settings_t expected = fixture();
        expected.iterations = 9;
        startAndStop(recordBytes(expected));
        QCOMPARE(child<QSpinBox>("sbIteration")->styleSheet(), fieldstyle::Black);
    }

    void incompleteAddressesAreReplacedOnApply()
    {
        typeInto(child<QLineEdit>("leFirstAddress"), "10.0.0");
        typeInto(child<QLineEdit>("leLastAddress"), "");
        QCOMPARE(child<QLineEdit>("leFirstAddress")->styleSheet(), fieldstyle::Blue);
        child<QPushButton>("bApply")->click();
        QCOMPARE(child<QLineEdit>("leFirstAddress")->text(), QString("192.168.0.1"));
        QCOMPARE(child<QLineEdit>("leLastAddress")->text(), QString("192.168.0.254"));
        QCOMPARE(child<QLineEdit>("leFirstAddress")->styleSheet(), fieldstyle::Black);
        QVERIFY(rig->waitForSettingsSent(PortA, TestIpScanner));
        const QByteArray sent = rig->sentSettings(PortA, TestIpScanner).last();
        QCOMPARE(sent.left(8).toHex(' '), QByteArray("01 00 a8 c0 fe 00 a8 c0"));
        QCOMPARE(sent.mid(8).toHex(' '), QByteArray("f4 01 02 00"));
    }

    // The address comparison is textual: leading zeros count as a change.
    void leadingZerosCountAsChanged()
    {
        typeInto(child<QLineEdit>("leLastAddress"), "192.168.001.20");
        QCOMPARE(child<QLineEdit>("leLastAddress")->styleSheet(), fieldstyle::Blue);
        typeInto(child<QLineEdit>("leLastAddress"), "192.168.1.20");
        QCOMPARE(child<QLineEdit>("leLastAddress")->styleSheet(), fieldstyle::Black);
        child<QSpinBox>("sbWaitTime")->setValue(600);
        child<QSpinBox>("sbWaitTime")->setValue(500);
        QCOMPARE(child<QSpinBox>("sbWaitTime")->styleSheet(), fieldstyle::Black);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
    }

    void textsFitWithLongestValues()
    {
        ipscan_settings_t s = fixture();
        s.first_address = ipv4(255, 255, 255, 0);
        s.last_address = ipv4(255, 255, 255, 255);
        store(recordBytes(s));
        reload();
        ipscan_results_t r = results();
        r.start_time = 0;
        r.current_time = 0xFFFFFFFFu;
        r.estimated_duration = 0xFFFFFFFFu;
        r.answered[1] = 0;
        r.answered[31] = 0x7F;
        r.status = IpScanNoConnection;
        showResults(recordBytes(r));
        QCOMPARE(child<QLineEdit>("leElapsedTime")->text(), QString("1193046:28:15"));
        QCOMPARE(row(7), QString("No connection"));
        textfit::Options options;
        options.scrollingAllowed << QStringLiteral("twIPList");
        checkTextsFit(options);
    }

    void languageSwitchRedrawsResults()
    {
        ipscan_results_t r = results();
        r.status = IpScanNoConnection;
        showResults(recordBytes(r));
        checkInRussian([this] {
            const QString noConnection = QCoreApplication::translate("IpScannerForm", "No connection");
            QVERIFY(noConnection != QLatin1String("No connection"));
            QCOMPARE(row(1), noConnection);
            // A picture of the page with its results, for a person to look at.
            QVERIFY(textfit::savePicture(form, QStringLiteral("ipscannerform-ru.png")));
        });
        QCOMPARE(row(1), QString("No connection"));
    }
};

QTEST_MAIN(TestIpScannerForm)
#include "tst_ipscannerform.moc"
