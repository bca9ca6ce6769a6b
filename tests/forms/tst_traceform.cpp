// The trace route form driven through its real widgets, offscreen, against
// the simulated tester over TCP with a real Device in a worker thread: the
// settings it sends, the hop table and its pages.

#include "iptoolsformat.h"
#include "iptoolsformtest.h"
#include "traceform.h"

#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <cstring>

namespace {

trace_settings_t fixture()
{
    trace_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.destination = ipv4(8, 8, 4, 4);
    s.frame_size = 128;
    s.wait_time = 3000;
    return s;
}

// A page whose entry k has status k (0-7), address 192.168.0.k+1 in
// network order, latency 10k and hop number 40+k.
trace_results_t everyStatus()
{
    trace_results_t r;
    std::memset(&r, 0, sizeof r);
    r.hop_count = 0;
    for (int k = 0; k < TraceHopsPerPage; ++k) {
        const uint8_t bytes[10] = {uint8_t(k), 192, 168, 0, uint8_t(k + 1), uint8_t(10 * k), 0, 0, 0, uint8_t(40 + k)};
        std::memcpy(&r.hops[k], bytes, sizeof bytes);
    }
    r.hops[0].address = 0x01020304u;   // status 0: nothing of it is shown
    return r;
}

// The results requests (0x13) of the trace test since the last clear, as
// (port, parameter).
QList<QPair<quint32, quint32>> traceRequests(const FormRig &rig)
{
    QList<QPair<quint32, quint32>> out;
    for (const QByteArray &r : rig.requestsOf(0x13)) {
        if (r.size() >= 10 && quint8(r.at(5)) == TestTraceRoute)
            out << qMakePair(u32At(r, 1), u32At(r, 6));
    }
    return out;
}

} // namespace

class TestTraceForm : public QObject, public IpToolFormTest<TraceForm>
{
    Q_OBJECT

public:
    TestTraceForm()
        : IpToolFormTest(TestTraceRoute)
    {
    }

private:
    QTableWidget *table() { return child<QTableWidget>("tTraceRes"); }
    QString cell(int row, int column) { return cellText(table(), row, column); }
    qint64 iconKey(int row)
    {
        const QTableWidgetItem *item = table()->item(row, 1);
        return item ? item->icon().cacheKey() : 0;
    }

private slots:
    void initTestCase() { setUpCase(recordBytes(fixture())); }
    void cleanupTestCase() { tearDownCase(); }
    void init()
    {
        child<QSpinBox>("sPage")->setValue(1);
        setUp(recordBytes(fixture()), recordBytes(everyStatus()));
    }

    void activationFillsTheForm()
    {
        QCOMPARE(child<QLineEdit>("lIPdst")->text(), QString("8.8.4.4"));
        QCOMPARE(child<QSpinBox>("sFrame")->value(), 128);
        QCOMPARE(child<QSpinBox>("sDelay")->value(), 3000);
        QCOMPARE(child<QSpinBox>("sPage")->prefix(), QString("page #"));
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    void hopTableShowsEveryState()
    {
        const QStringList numbers = {"-", "41", "42", "43", "44", "45", "46", "47"};
        const QStringList addresses = {"-", "...", "192.168.0.3", "timeout", "-", "192.168.0.6", "No conn.", "-"};
        const QStringList latencies = {"-", "-", "20", "-", "-", "50", "-", "-"};
        for (int row = 0; row < TraceHopsPerPage; ++row) {
            QCOMPARE(cell(row, 0), numbers.at(row));
            QCOMPARE(cell(row, 1), addresses.at(row));
            QCOMPARE(cell(row, 2), latencies.at(row));
        }
        // The pictures of the three states exist; each state has its own.
        for (const char *name : {":/ok-icon.png", ":/info-icon.png", ":/proc-icon.png"})
            QVERIFY2(!QIcon(QLatin1String(name)).pixmap(16).isNull(), name);
        for (int row : {0, 4, 6, 7})
            QVERIFY2(table()->item(row, 1)->icon().isNull(), qPrintable(QString::number(row)));
        for (int row : {1, 2, 3, 5})
            QVERIFY2(!table()->item(row, 1)->icon().isNull(), qPrintable(QString::number(row)));
        QCOMPARE(iconKey(2), iconKey(5));
        QVERIFY(iconKey(1) != iconKey(2));
        QVERIFY(iconKey(3) != iconKey(2));
    }

    void noPageShowsDashes()
    {
        showNoResults();
        for (int row = 0; row < TraceHopsPerPage; ++row) {
            for (int column = 0; column < 3; ++column)
                QCOMPARE(cell(row, column), QString("-"));
        }
    }

    void startSendsTheRecordAndStopStops()
    {
        typeInto(child<QLineEdit>("lIPdst"), "10.20.30.40");
        trace_settings_t expected = fixture();
        expected.destination = ipv4(10, 20, 30, 40);
        startAndStop(recordBytes(expected));
        QCOMPARE(child<QLineEdit>("lIPdst")->styleSheet(), fieldstyle::Black);
    }

    // Each page asks for its first hop's index at once; the parameter stays
    // for every later request, the poll's and another port's too.
    void pagesAskForTheirHops_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<uint>("param");
        QTest::newRow("page 2") << 2 << 8u;
        QTest::newRow("page 3") << 3 << 16u;
        QTest::newRow("page 32") << 32 << 248u;
    }
    void pagesAskForTheirHops()
    {
        QFETCH(int, page);
        QFETCH(uint, param);
        child<QSpinBox>("sPage")->setValue(page);
        QVERIFY(rig->drain());
        QCOMPARE(traceRequests(*rig), (QList<QPair<quint32, quint32>>{{PortA, param}}));
        QCOMPARE(rig->device->getTraceInfo()->getResultsParam(), int(param));

        // A running trace is polled with the page chosen.
        rig->sim.clearRequests();
        child<QPushButton>("bStart")->click();
        QVERIFY(rig->waitForPolls(2));
        const auto requests = traceRequests(*rig);
        QVERIFY(requests.size() >= 2);
        for (const auto &r : requests)
            QCOMPARE(r, qMakePair(quint32(PortA), quint32(param)));
        rig->expectStop(child<QPushButton>("bStop"), PortA, TestTraceRoute);

        // The page stays when the port changes.
        store(recordBytes(fixture()), PortB);
        rig->sim.clearRequests();
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QSpinBox>("sPage")->value(), page);
        QVERIFY(!traceRequests(*rig).isEmpty());
        QCOMPARE(traceRequests(*rig).first(), qMakePair(quint32(PortB), quint32(param)));
    }

    void pageStepsBack()
    {
        child<QSpinBox>("sPage")->setValue(3);
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
        child<QSpinBox>("sPage")->stepDown();
        QVERIFY(rig->drain());
        QCOMPARE(traceRequests(*rig), (QList<QPair<quint32, quint32>>{{PortA, 8u}}));
        // Paging touches neither the record nor Apply.
        QVERIFY(rig->requestsOf(0x12).isEmpty());
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    void incompleteAddressIsReplacedOnApply()
    {
        typeInto(child<QLineEdit>("lIPdst"), "10.0.0");
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        child<QPushButton>("bApply")->click();
        QCOMPARE(child<QLineEdit>("lIPdst")->text(), QString("192.168.0.1"));
        QVERIFY(rig->waitForSettingsSent(PortA, TestTraceRoute));
        trace_settings_t expected = fixture();
        expected.destination = ipv4(192, 168, 0, 1);
        QCOMPARE(rig->sentSettings(PortA, TestTraceRoute).last().toHex(' '), recordBytes(expected).toHex(' '));
    }

    void storedValueOutOfRangeIsMarked()
    {
        trace_settings_t s = fixture();
        s.wait_time = 20000;
        store(recordBytes(s));
        reload();
        QCOMPARE(child<QSpinBox>("sDelay")->value(), 9999);
        QCOMPARE(child<QSpinBox>("sDelay")->styleSheet(), fieldstyle::Blue);
        QCOMPARE(child<QSpinBox>("sFrame")->styleSheet(), fieldstyle::Black);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
    }

    void textsFitWithLongestValues()
    {
        trace_settings_t s = fixture();
        s.destination = ipv4(255, 255, 255, 255);
        store(recordBytes(s));
        reload();
        trace_results_t r;
        std::memset(&r, 0xFF, sizeof r);
        for (int k = 0; k < TraceHopsPerPage; ++k)
            r.hops[k].status = uint8_t(k == 7 ? TraceHopNoConnection : k);
        showResults(recordBytes(r));
        QCOMPARE(cell(2, 1), QString("255.255.255.255"));
        QCOMPARE(cell(2, 2), QString("4294967295"));
        checkTextsFit();
    }

    void languageSwitchRedrawsResults()
    {
        checkInRussian([this] {
            const QString timeout = QCoreApplication::translate("TraceForm", "timeout");
            QVERIFY(timeout != QLatin1String("timeout"));
            QCOMPARE(cell(3, 1), timeout);
            QCOMPARE(child<QSpinBox>("sPage")->prefix(), QCoreApplication::translate("TraceForm", "page #"));
            // A picture of the page with its results, for a person to look at.
            QVERIFY(textfit::savePicture(form, QStringLiteral("traceform-ru.png")));
        });
        QCOMPARE(cell(3, 1), QString("timeout"));
    }
};

QTEST_MAIN(TestTraceForm)
#include "tst_traceform.moc"
