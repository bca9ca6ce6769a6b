// The cable diagnostics form driven through its real widgets, offscreen,
// against the simulated tester over TCP with a real Device in a worker thread.

#include "formrig.h"
#include "formtexts.h"
#include "../support/widgetlookup.h"
#include "cableform.h"
#include "cableformat.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

// Pair 1-2 good, 3-4 short 51 m out, 5-6 open 1 m out, 7-8 in a state the
// form has no name for; channels B A C D; 3-4 reversed.
cable_results_t fixture()
{
    cable_results_t r;
    memset(&r, 0, sizeof r);
    r.detailsValid = 1;
    r.abStraight = 0;
    r.cdStraight = 1;
    r.detail[0].latency = 62;
    r.detail[1].polarity = 1;
    r.detail[1].latency = 3;
    r.detail[2].latency = 61;
    r.detail[3].latency = 255;
    r.pair[0] = {CablePairGood, 0xEE, 200};
    r.pair[1] = {CablePairShort, 0xEE, 100};
    r.pair[2] = {CablePairOpen, 0xEE, 37};
    r.pair[3] = {5, 0xEE, 255};
    return r;
}

} // namespace

class TestCableForm : public QObject, private FormUnderTest<CableForm>
{
    Q_OBJECT

private:
    QTableWidget *table() { return child<QTableWidget>("tRes"); }

    QStringList row(int r)
    {
        QStringList out;
        for (int c = 0; c < table()->columnCount(); ++c) {
            QTableWidgetItem *item = table()->item(r, c);
            out << (item ? item->text() : QStringLiteral("<none>"));
        }
        return out;
    }

    void storeResults(const cable_results_t &q, port_t port = PortA) { rig->storeResults(port, TestCable, recordBytes(q)); }

    void reload()
    {
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
    }

private slots:
    void initTestCase()
    {
        loadFormResources();
        QVERIFY(startForm(QSize(900, 420)));
    }

    void cleanupTestCase() { stopForm(); }

    void init()
    {
        storeResults(fixture());
        QVERIFY(resetForm());
    }

    void fourPairsFiveRows()
    {
        QCOMPARE(child<QGroupBox>("gCable")->title(), QString("Cable test (Port A)"));
        QCOMPARE(table()->columnCount(), 4);
        QCOMPARE(table()->rowCount(), 5);
        QStringList headers;
        for (int c = 0; c < 4; ++c)
            headers << table()->horizontalHeaderItem(c)->text();
        QCOMPARE(headers, QStringList({"1-2", "3-4", "5-6", "7-8"}));
        QCOMPARE(row(CableRowStatus), QStringList({"Good", "Short", "Open", "Unknown (5)"}));
        QCOMPARE(row(CableRowLength), QStringList({"...", "51", "1", "176"}));
        QCOMPARE(row(CableRowChannel), QStringList({"B", "A", "C", "D"}));
        QCOMPARE(row(CableRowPolarity), QStringList({"+", "-", "+", "+"}));
        QCOMPARE(row(CableRowLatency), QStringList({"496", "24", "488", "2040"}));
    }

    void noDetailsNoRecord()
    {
        cable_results_t q = fixture();
        q.detailsValid = 0;
        storeResults(q);
        reload();
        QCOMPARE(row(CableRowStatus), QStringList({"Good", "Short", "Open", "Unknown (5)"}));
        for (int r : {CableRowChannel, CableRowPolarity, CableRowLatency})
            QCOMPARE(row(r), QStringList({"...", "...", "...", "..."}));

        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
        reload();
        for (int r = 0; r < CableResultRows; ++r)
            QCOMPARE(row(r), QStringList({"", "", "", ""}));
        QTRY_VERIFY_WITH_TIMEOUT(!child<QPushButton>("saveReportButton")->isEnabled(), EventuallyMs);
    }

    // No settings record to send: the start is the topology and the start.
    void startSendsTopologyAndStartOnly()
    {
        QPushButton *start = child<QPushButton>("bStart");
        QVERIFY(start->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("saveReportButton")->isEnabled(), EventuallyMs);
        start->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x13; }));
        const QList<QByteArray> seq = rig->requests();
        QCOMPARE(command(seq.at(0)), quint8(0x0A));
        QCOMPARE(u32At(seq.at(0), 1), quint32(PortA));
        QCOMPARE(quint8(seq.at(0).at(5)), quint8(TopologySamePort));
        QCOMPARE(command(seq.at(1)), quint8(0x09));
        QCOMPARE(quint8(seq.at(1).at(1)), quint8(1));
        QCOMPARE(u32At(seq.at(1), 2), quint32(PortA));
        QCOMPARE(quint8(seq.at(1).at(6)), quint8(TestCable));
        QCOMPARE(command(seq.at(2)), quint8(0x13));
        QVERIFY(rig->requestsOf(0x12).isEmpty());

        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        QVERIFY(!start->isEnabled());
        QVERIFY(!child<QPushButton>("saveReportButton")->isEnabled());
        rig->sim.clearRequests();
        child<QPushButton>("bStop")->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        const QByteArray stop = rig->requestsOf(0x09).first();
        QCOMPARE(quint8(stop.at(1)), quint8(0));
        QCOMPARE(quint8(stop.at(6)), quint8(TestCable));
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
    }

    // The simulated tester measures for a few seconds, then ends the test.
    void simulatedTesterRunsTheTest()
    {
        rig->tester([](SimRemoteResponder &r) {
            r.realistic = true;
            r.results.remove(SimRemoteResponder::key(PortA, TestCable));
        });
        child<QPushButton>("bStart")->click();
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        QTRY_COMPARE_WITH_TIMEOUT(row(CableRowStatus), QStringList({"Good", "Good", "Good", "Short"}), EventuallyMs);
        QCOMPARE(row(CableRowLength), QStringList({"...", "...", "...", "51"}));
        QCOMPARE(row(CableRowChannel), QStringList({"A", "B", "D", "C"}));
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStart")->isEnabled(), EventuallyMs);
        QVERIFY(!child<QPushButton>("bStop")->isEnabled());
    }

    void portBKeepsStartText()
    {
        cable_results_t q = fixture();
        q.pair[0].status = CablePairFault;
        q.pair[0].distance = 50;
        storeResults(q, PortB);
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QGroupBox>("gCable")->title(), QString("Cable test (Port B)"));
        QCOMPARE(child<QPushButton>("bStart")->text(), QString("Start"));
        QTRY_COMPARE_WITH_TIMEOUT(row(CableRowStatus).first(), QString("Fault"), EventuallyMs);
        QCOMPARE(row(CableRowLength).first(), QString("11"));

        rig->sim.clearRequests();
        child<QPushButton>("bStart")->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        QCOMPARE(u32At(rig->requestsOf(0x0A).first(), 1), quint32(PortB));
        QCOMPARE(u32At(rig->requestsOf(0x09).first(), 2), quint32(PortB));
    }

    void textsFitInEveryLanguage()
    {
        cable_results_t q = fixture();
        q.pair[0] = {CablePairImmi, 0, 255};
        q.pair[2] = {255, 0, 255};
        storeResults(q);
        reload();
        const QStringList cut = formTextFit(form, [this] { form->retranslate(); }, QStringLiteral("cable"));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        // The language switch redrew the table in the language now in force.
        QCOMPARE(row(CableRowStatus).first(), QString("Mismatch"));
    }
};

QTEST_MAIN(TestCableForm)
#include "tst_cableform.moc"
