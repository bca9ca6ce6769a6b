// The DNS form driven through its real widgets, offscreen, against the
// simulated tester over TCP with a real Device in a worker thread: the host
// name it writes and reads, its refusals, and the results it shows.

#include "dnsform.h"
#include "iptoolsformat.h"
#include "iptoolsformtest.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cstring>

namespace {

// A stored name, then a pattern behind its NUL that must survive a write.
dns_settings_t fixture(const QByteArray &name = "ntp.example.org")
{
    dns_settings_t s;
    for (int i = 0; i < DnsHostNameField; ++i)
        s.host_name[i] = uint8_t(0xA0 + i);
    std::memcpy(s.host_name, name.constData(), size_t(name.size()));
    if (name.size() < DnsHostNameField)
        s.host_name[name.size()] = 0;
    return s;
}

dns_results_t results(uint8_t status)
{
    const uint8_t bytes[8] = {status, 0xEE, 0xEE, 0xEE, 10, 1, 2, 3};
    dns_results_t r;
    std::memcpy(&r, bytes, sizeof r);
    return r;
}

} // namespace

class TestDnsForm : public QObject, public IpToolFormTest<DnsForm>
{
    Q_OBJECT

public:
    TestDnsForm()
        : IpToolFormTest(TestDns)
    {
    }

private:
    QLineEdit *host() { return child<QLineEdit>("lHost"); }
    QByteArray lastSent() { return rig->sentSettings(PortA, TestDns).value(0); }

private slots:
    void initTestCase() { setUpCase(recordBytes(fixture())); }
    void cleanupTestCase() { tearDownCase(); }
    void init() { setUp(recordBytes(fixture()), recordBytes(results(DnsPassed))); }

    void activationShowsNameAndResults()
    {
        QCOMPARE(host()->text(), QString("ntp.example.org"));
        QCOMPARE(host()->styleSheet(), fieldstyle::Black);
        QCOMPARE(child<QLineEdit>("lHostRes")->text(), QString("ntp.example.org"));
        QCOMPARE(child<QLineEdit>("lIPres")->text(), QString("10.1.2.3"));
        QCOMPARE(child<QLineEdit>("lStatus")->text(), QString("Passed"));
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    void startSendsTheNameKeepingTheBytesBehindIt()
    {
        typeInto(host(), "time.example.com");
        QCOMPARE(host()->styleSheet(), fieldstyle::Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        dns_settings_t expected = fixture();
        QVERIFY(setDnsHostName(expected, QStringLiteral("time.example.com")));
        startAndStop(recordBytes(expected));
        QCOMPARE(host()->styleSheet(), fieldstyle::Black);
    }

    // A name of blanks is a name: the test starts with it.
    void blankNameStarts()
    {
        typeInto(host(), "   ");
        dns_settings_t expected = fixture();
        QVERIFY(setDnsHostName(expected, QStringLiteral("   ")));
        startAndStop(recordBytes(expected));
    }

    void emptyNameIsRefusedAndNothingSent()
    {
        typeInto(host(), "");
        QCOMPARE(host()->styleSheet(), fieldstyle::Blue);
        QSignalSpy started(form, &TestForm::startTest);
        {
            MessageBoxCloser closer;
            child<QPushButton>("bStart")->click();
            QCOMPARE(closer.seen.size(), 1);
            QCOMPARE(closer.seen.at(0).title, QString("Wrong settings for DNS test"));
            QCOMPARE(closer.seen.at(0).text, QString("Cannot run the test: the DNS name is empty"));
        }
        QVERIFY(rig->drain());
        QCOMPARE(started.count(), 0);
        QVERIFY(rig->requests().isEmpty());
        // Nothing was applied: the edit stays marked, also after the next
        // polls have set the buttons again.
        QCOMPARE(host()->styleSheet(), fieldstyle::Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        QVERIFY(rig->waitForPolls(2));
        QCOMPARE(host()->styleSheet(), fieldstyle::Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        QVERIFY(rig->requestsOf(0x12).isEmpty());
    }

    // 16 Cyrillic letters are 32 bytes of UTF-8: one more than the record
    // holds. Refused whole, on Apply and on Start; nothing is sent.
    void nameBeyondTheRecordIsRefused_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("apply") << "bApply";
        QTest::newRow("start") << "bStart";
    }
    void nameBeyondTheRecordIsRefused()
    {
        QFETCH(QString, button);
        const QString name(16, QChar(0x0436));
        host()->setText(name);
        form->lHostChanged(name);
        QSignalSpy sent(form, &TestForm::sendSettings);
        {
            MessageBoxCloser closer;
            child<QPushButton>(qPrintable(button))->click();
            QCOMPARE(closer.seen.size(), 1);
            QCOMPARE(closer.seen.at(0).title, QString("Wrong host name"));
            QVERIFY2(closer.seen.at(0).text.contains("32"), qPrintable(closer.seen.at(0).text));
        }
        QVERIFY(rig->drain());
        QCOMPARE(sent.count(), 0);
        QVERIFY(rig->requests().isEmpty());
        QCOMPARE(host()->text(), name);
        QCOMPARE(host()->styleSheet(), fieldstyle::Blue);
    }

    // What is entered comes back as entered, also beyond ASCII.
    void nonAsciiNameRoundTrips()
    {
        const QString name = QString::fromUtf8("почта.пример.рф");
        QVERIFY(dnsHostNameBytes(name) <= DnsHostNameMaxBytes);
        host()->setText(name);
        form->lHostChanged(name);
        child<QPushButton>("bApply")->click();
        QVERIFY(rig->waitForSettingsSent(PortA, TestDns));
        QCOMPARE(lastSent().left(name.toUtf8().size() + 1), name.toUtf8() + QByteArray(1, '\0'));
        // Read back from the tester.
        host()->clear();
        reload();
        QCOMPARE(host()->text(), name);
        QCOMPARE(host()->styleSheet(), fieldstyle::Black);
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(child<QLineEdit>("lHostRes")->text(), name);
    }

    // Stored names the edit cannot hold as they are go back unchanged as
    // long as the operator leaves the edit alone.
    void untouchedStoredNameGoesBackByteForByte_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("longer than the edit") << QByteArray("mail-gateway-01.branch.example") << "mail-gateway-01.bran";
        QTest::newRow("no NUL in the field") << QByteArray(32, 'w') << QString(20, 'w');
        QTest::newRow("not UTF-8") << QByteArray("host\xE9.local") << QString::fromUtf8("host\xEF\xBF\xBD.local");
    }
    void untouchedStoredNameGoesBackByteForByte()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        const dns_settings_t s = fixture(stored);
        store(recordBytes(s));
        reload();
        QCOMPARE(host()->text(), shown);
        QCOMPARE(host()->styleSheet(), fieldstyle::Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        startAndStop(recordBytes(s));
    }

    void resultsByStatus_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("shownStatus");
        QTest::addColumn<QString>("shownHost");
        QTest::addColumn<QString>("shownAddress");
        QTest::newRow("0") << 0 << "-" << "-" << "-";
        QTest::newRow("in progress") << 2 << "In progress" << "ntp.example.org" << "-";
        QTest::newRow("5") << 5 << "Unknown error" << "ntp.example.org" << "-";
        QTest::newRow("200") << 200 << "Unknown error" << "ntp.example.org" << "-";
    }
    void resultsByStatus()
    {
        QFETCH(int, status);
        showResults(recordBytes(results(uint8_t(status))));
        QTEST(child<QLineEdit>("lStatus")->text(), "shownStatus");
        QTEST(child<QLineEdit>("lHostRes")->text(), "shownHost");
        QTEST(child<QLineEdit>("lIPres")->text(), "shownAddress");
    }

    void noResultsShowDashes()
    {
        showNoResults();
        for (const char *name : {"lStatus", "lHostRes", "lIPres"})
            QCOMPARE(child<QLineEdit>(name)->text(), QString("-"));
    }

    void textsFitWithLongestValues_data()
    {
        QTest::addColumn<int>("status");
        for (int status = 1; status <= DnsNotConnected + 1; ++status)
            QTest::newRow(qPrintable(QStringLiteral("status %1").arg(status))) << status;
    }
    void textsFitWithLongestValues()
    {
        QFETCH(int, status);
        store(recordBytes(fixture("time-server-02.corp.example.org")));
        reload();
        dns_results_t r = results(uint8_t(status));
        std::memset(&r.address, 0xFF, sizeof r.address);
        showResults(recordBytes(r));
        checkTextsFit();
    }

    void languageSwitchRedrawsResults()
    {
        checkInRussian([this] {
            const QString passed = QCoreApplication::translate("DnsForm", "Passed");
            QVERIFY(passed != QLatin1String("Passed"));
            QCOMPARE(child<QLineEdit>("lStatus")->text(), passed);
            // A picture of the page with its results, for a person to look at.
            QVERIFY(textfit::savePicture(form, QStringLiteral("dnsform-ru.png")));
        });
        QCOMPARE(child<QLineEdit>("lStatus")->text(), QString("Passed"));
    }
};

QTEST_MAIN(TestDnsForm)
#include "tst_dnsform.moc"
