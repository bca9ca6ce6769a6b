// The MDI form driven through its real widgets, offscreen, against the
// simulated tester over TCP with a real Device in a worker thread.

#include "formrig.h"
#include "formtexts.h"
#include "../support/widgetlookup.h"
#include "mdiform.h"
#include "mdiformat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimeEdit>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

using fieldstyle::Black;
using fieldstyle::Blue;
using fieldstyle::Grey;

// Every field within the form's ranges, patterns in the bytes it does not edit.
mdi_settings_t fixture()
{
    mdi_settings_t s;
    memset(&s, 0, sizeof s);
    s.unit = 2;
    s.reserved1 = 0xB0;
    s.rate = 5000;
    s.packetLength = 1316;
    s.learningInterval = 1000;
    s.duration = 3661;
    s.mlrThreshold = 0.00125f;
    s.header = headerFixture();
    s.reserved2[0] = 0xB1;
    s.reserved2[1] = 0xB2;
    return s;
}

mdi_results_t resultsFixture()
{
    mdi_results_t r;
    memset(&r, 0, sizeof r);
    r.status = StatusRunning;
    r.reserved[0] = 0x99;
    r.startTime = 100;
    r.currentTime = 160;
    r.estimate = 50;
    r.delayFactor = 0.0025f;
    r.lostFrames = 1;
    r.expectedFrames = 8;
    r.rxRate = 2500000;
    return r;
}

} // namespace

class TestMdiForm : public QObject, private FormUnderTest<MdiForm>
{
    Q_OBJECT

private:
    QString cell(int row)
    {
        QTableWidgetItem *item = child<QTableWidget>("tRes")->item(row, 0);
        return item ? item->text() : QString();
    }

    void store(const mdi_settings_t &s, port_t port = PortA) { rig->storeSettings(port, TestMdi, recordBytes(s)); }
    void storeResults(const mdi_results_t &q, port_t port = PortA) { rig->storeResults(port, TestMdi, recordBytes(q)); }

    // Reset (as a slot: the button waits for the next poll after a stop).
    void reload()
    {
        form->bResetClicked();
        QVERIFY(rig->drain());
    }

    QList<QByteArray> sentSettings() { return rig->sentSettings(PortA, TestMdi); }

    mdi_settings_t applyAndRead()
    {
        rig->sim.clearRequests();
        form->bApplyClicked();
        return rig->nextSentSettings<mdi_settings_t>(PortA, TestMdi);
    }

private slots:
    void initTestCase()
    {
        loadFormResources();
        // Port B's address, the automatic destination of Port A.
        QVERIFY(startForm(QSize(1000, 480), [](FormRig &r) { r.setPortAddress(PortB, ipv4(10, 0, 0, 2)); }));
    }

    void cleanupTestCase() { stopForm(); }

    void init()
    {
        store(fixture());
        storeResults(resultsFixture());
        QVERIFY(resetForm());
    }

    void activationFillsWithoutMarking()
    {
        QCOMPARE(child<QGroupBox>("groupBox")->title(), QString("MDI test (Port A)"));
        QCOMPARE(child<QComboBox>("cUnits")->currentIndex(), int(MdiUnitIndexKbps));
        QCOMPARE(child<QSpinBox>("sRate")->maximum(), 9999);
        QCOMPARE(child<QSpinBox>("sRate")->value(), 5000);
        QCOMPARE(child<QSpinBox>("sLen")->value(), 1316);
        QCOMPARE(child<QSpinBox>("sLearningInt")->value(), 1000);
        QCOMPARE(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1));
        QCOMPARE(child<QDoubleSpinBox>("dsMLR")->value(), 0.00125);
        QCOMPARE(child<QLineEdit>("lIPdst")->text(), QString("172.16.0.9"));
        for (const char *name : {"cUnits", "sRate", "dsMLR", "sLen", "tDur", "sLearningInt"})
            QVERIFY2(form->findChild<QWidget *>(name)->styleSheet() == Black, name);

        // A fresh fill of an unchanged record enables nothing.
        reload();
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    void fixtureRoundTripsUnchanged()
    {
        rig->sim.clearRequests();
        form->bApplyClicked();
        QVERIFY(QTest::qWaitFor([&] { return !sentSettings().isEmpty(); }, EventuallyMs));
        QCOMPARE(sentSettings().last().toHex(' '), recordBytes(fixture()).toHex(' '));
    }

    void unitsOnFill_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("shownRate");
        QTest::addColumn<bool>("rateMarked");
        QTest::newRow("kbps 9999") << 2 << 9999 << 0 << 9999 << 9999 << false;
        QTest::newRow("Mbps 1000") << 3 << 1000 << 1 << 1000 << 1000 << false;
        QTest::newRow("Mbps beyond the limit") << 3 << 5000 << 1 << 1000 << 1000 << true;
        // A code the list lacks: no item, the maximum of the last unit.
        QTest::newRow("percent is kept") << 0 << 50 << -1 << 9999 << 50 << false;
        QTest::newRow("unknown is kept") << 77 << 4000 << -1 << 9999 << 4000 << false;
    }
    void unitsOnFill()
    {
        QFETCH(int, code);
        QFETCH(int, rate);
        QFETCH(int, index);
        QFETCH(int, maximum);
        QFETCH(int, shownRate);
        QFETCH(bool, rateMarked);
        mdi_settings_t s = fixture();
        s.unit = uint8_t(code);
        s.rate = uint16_t(rate);
        store(s);
        reload();
        auto *units = child<QComboBox>("cUnits");
        auto *rateBox = child<QSpinBox>("sRate");
        QCOMPARE(units->currentIndex(), index);
        QCOMPARE(units->styleSheet(), Black);
        QCOMPARE(rateBox->maximum(), maximum);
        QCOMPARE(rateBox->value(), shownRate);
        QCOMPARE(rateBox->styleSheet(), rateMarked ? Blue : Black);
        QCOMPARE(child<QPushButton>("bApply")->isEnabled(), rateMarked);

        const mdi_settings_t sent = applyAndRead();
        QCOMPARE(int(sent.unit), code);
        QCOMPARE(int(sent.rate), shownRate);
    }

    void editsAreMarkedAndSent()
    {
        auto *units = child<QComboBox>("cUnits");
        auto *rate = child<QSpinBox>("sRate");
        auto *duration = child<QTimeEdit>("tDur");
        auto *mlr = child<QDoubleSpinBox>("dsMLR");
        auto *apply = child<QPushButton>("bApply");

        units->setCurrentIndex(MdiUnitIndexMbps);     // lowers the limit: the rate follows
        QCOMPARE(units->styleSheet(), Blue);
        QCOMPARE(rate->value(), 1000);
        QCOMPARE(rate->styleSheet(), Blue);
        QVERIFY(apply->isEnabled());
        units->setCurrentIndex(MdiUnitIndexKbps);     // back: black, Apply stays
        QCOMPARE(units->styleSheet(), Black);
        QVERIFY(apply->isEnabled());
        units->setCurrentIndex(MdiUnitIndexMbps);

        duration->setTime(QTime(2, 0, 5));
        QCOMPARE(duration->styleSheet(), Blue);
        // One step of the threshold is a change, through single precision.
        mlr->stepBy(1);
        QCOMPARE(mlr->value(), 0.00126);
        QCOMPARE(mlr->styleSheet(), Blue);

        apply->click();
        QVERIFY(!apply->isEnabled());
        for (QWidget *w : {static_cast<QWidget *>(units), static_cast<QWidget *>(rate),
                           static_cast<QWidget *>(duration), static_cast<QWidget *>(mlr)})
            QCOMPARE(w->styleSheet(), Black);
        const mdi_settings_t sent = rig->nextSentSettings<mdi_settings_t>(PortA, TestMdi);
        QCOMPARE(int(sent.unit), 3);
        QCOMPARE(int(sent.rate), 1000);
        QCOMPARE(sent.duration, 7205u);
        QCOMPARE(sent.mlrThreshold, 0.00126f);
        QCOMPARE(int(sent.reserved1), 0xB0);
        QCOMPARE(int(sent.reserved2[1]), 0xB2);

        // The applied values are the reference now; one step back is a change.
        mlr->stepBy(-1);
        QCOMPARE(mlr->styleSheet(), Blue);
        mlr->stepBy(1);
        QCOMPARE(mlr->styleSheet(), Black);
    }

    void durationOfADayOrMoreStaysMarked()
    {
        mdi_settings_t s = fixture();
        s.duration = 86400;
        store(s);
        reload();
        QCOMPARE(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1));
        QCOMPARE(child<QTimeEdit>("tDur")->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        // Applied untouched: the stored duration goes back, still marked.
        mdi_settings_t sent = applyAndRead();
        QCOMPARE(sent.duration, 86400u);
        QCOMPARE(recordBytes(sent).toHex(' '), recordBytes(s).toHex(' '));
        QCOMPARE(child<QTimeEdit>("tDur")->styleSheet(), Blue);
        // Edited: the operator's time is written.
        child<QTimeEdit>("tDur")->setTime(QTime(0, 10, 0));
        sent = applyAndRead();
        QCOMPARE(sent.duration, 600u);
        QCOMPARE(child<QTimeEdit>("tDur")->styleSheet(), Black);
    }

    // A threshold that is no number is shown as not in use and kept, until
    // the operator sets one.
    void thresholdThatIsNoNumberIsKept()
    {
        mdi_settings_t s = fixture();
        s.mlrThreshold = std::numeric_limits<float>::quiet_NaN();
        store(s);
        reload();
        auto *mlr = child<QDoubleSpinBox>("dsMLR");
        QCOMPARE(mlr->styleSheet(), Grey);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        mdi_settings_t sent = applyAndRead();
        QVERIFY(std::isnan(sent.mlrThreshold));
        QCOMPARE(recordBytes(sent).toHex(), recordBytes(s).toHex());

        mlr->setValue(0.5);
        QCOMPARE(mlr->styleSheet(), Blue);
        sent = applyAndRead();
        QCOMPARE(sent.mlrThreshold, 0.5f);
    }

    void resultsOnTheMeasuringPage()
    {
        QCOMPARE(child<QLineEdit>("statuslineEdit")->text(), QString("Running"));
        QCOMPARE(child<QLineEdit>("lTestTime")->text(), QString("00:01:00"));
        QCOMPARE(child<QLineEdit>("lPassTime")->text(), QString("00:00:00"));
        QCOMPARE(cell(MdiRowDf), QString("2.500 ms"));
        QCOMPARE(cell(MdiRowMlr), QString("0.125"));
        QCOMPARE(cell(MdiRowRxFrames), QString("7"));
        QCOMPARE(cell(MdiRowVrx), QString("20.000 Mbps"));

        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 1; });
        for (const char *name : {"statuslineEdit", "lTestTime", "lPassTime"})
            QCOMPARE(child<QLineEdit>(name)->text(), QString("-"));
        for (int row = 0; row < MdiResultRows; ++row)
            QCOMPARE(cell(row), QString("-"));
    }

    void startOnBothRoads_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("topology");
        QTest::newRow("same port") << "bStartXX" << "Start A->A" << int(TopologySamePort);
        QTest::newRow("other port") << "bStartXY" << "Start A->B" << int(TopologyToOtherPort);
    }
    void startOnBothRoads()
    {
        QFETCH(QString, button);
        QFETCH(QString, text);
        QFETCH(int, topology);
        QPushButton *start = child<QPushButton>(button.toLatin1().constData());
        QCOMPARE(start->text(), text);
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
        rig->sim.clearRequests();
        start->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x13; }));
        const QList<QByteArray> seq = rig->requests();
        QVERIFY(seq.size() >= 4);
        QCOMPARE(command(seq.at(0)), quint8(0x12));
        QCOMPARE(quint8(seq.at(0).at(5)), quint8(TestMdi));
        QCOMPARE(seq.at(0).mid(6).toHex(' '), recordBytes(fixture()).toHex(' '));
        QCOMPARE(command(seq.at(1)), quint8(0x0A));
        QCOMPARE(quint8(seq.at(1).at(5)), quint8(topology));
        QCOMPARE(command(seq.at(2)), quint8(0x09));
        QCOMPARE(quint8(seq.at(2).at(1)), quint8(1));
        QCOMPARE(u32At(seq.at(2), 2), quint32(PortA));
        QCOMPARE(quint8(seq.at(2).at(6)), quint8(TestMdi));
        QCOMPARE(command(seq.at(3)), quint8(0x13));

        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        rig->sim.clearRequests();
        child<QPushButton>("bStop")->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        QCOMPARE(quint8(rig->requestsOf(0x09).first().at(6)), quint8(TestMdi));
    }

    void autoDestinationRefusesLoopedStartOnly()
    {
        child<QCheckBox>("cIPAuto")->setChecked(true);
        MessageBoxCloser closer;
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStartXX")->isEnabled(), EventuallyMs);
        child<QPushButton>("bStartXX")->click();
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(closer.seen.at(0).title, QString("Error"));
        QCOMPARE(closer.seen.at(0).text,
                 QString("Cannot start the test for topology A->A,\nbecause \"Auto IP destination\" is set."));
        QVERIFY(QTest::qWaitFor([&] { return !sentSettings().isEmpty(); }, EventuallyMs));
        QVERIFY(rig->drain());
        const mdi_settings_t sent = recordFrom<mdi_settings_t>(sentSettings().last());
        QCOMPARE(int(sent.header.autoIpDest), 1);
        QCOMPARE(sent.header.ipDest, ipv4(10, 0, 0, 2));
        QVERIFY(rig->requestsOf(0x09).isEmpty());

        // Towards the other port the automatic destination is fine.
        child<QPushButton>("bStartXY")->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        QCOMPARE(quint8(rig->requestsOf(0x0A).first().at(5)), quint8(TopologyToOtherPort));
        QCOMPARE(closer.seen.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        child<QPushButton>("bStop")->click();
        QVERIFY(rig->drain());
        child<QCheckBox>("cIPAuto")->setChecked(false);
    }

    void portBTitles()
    {
        store(fixture(), PortB);
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QGroupBox>("groupBox")->title(), QString("MDI test (Port B)"));
        QCOMPARE(child<QPushButton>("bStartXX")->text(), QString("Start B->B"));
        QCOMPARE(child<QPushButton>("bStartXY")->text(), QString("Start B->A"));
    }

    // A language switch keeps the unit on show and redraws the results.
    void retranslateKeepsUnitAndResults()
    {
        auto *units = child<QComboBox>("cUnits");
        units->setCurrentIndex(MdiUnitIndexMbps);
        form->retranslate();
        QCOMPARE(units->currentIndex(), int(MdiUnitIndexMbps));
        QCOMPARE(units->styleSheet(), Blue);
        QCOMPARE(cell(MdiRowMlr), QString("0.125"));

        // Showing the record's unit (not the list's first), a switch marks nothing.
        mdi_settings_t s = fixture();
        s.unit = 3;
        s.rate = 1000;
        store(s);
        reload();
        form->gotApplied();
        form->retranslate();
        QCOMPARE(units->currentIndex(), int(MdiUnitIndexMbps));
        QCOMPARE(units->styleSheet(), Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    // The simulated tester holds an MDI record of its own and runs the test.
    void simulatedTesterRunsTheTest()
    {
        rig->tester([](SimRemoteResponder &r) {
            r.realistic = true;
            r.settings.remove(SimRemoteResponder::key(PortA, TestMdi));
            r.results.remove(SimRemoteResponder::key(PortA, TestMdi));
        });
        reload();
        QCOMPARE(child<QComboBox>("cUnits")->currentIndex(), int(MdiUnitIndexMbps));
        QCOMPARE(child<QSpinBox>("sRate")->value(), 20);
        QCOMPARE(child<QSpinBox>("sLen")->value(), 1316);
        child<QPushButton>("bStartXY")->click();
        QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>("statuslineEdit")->text(), QString("Running"), EventuallyMs);
        QTRY_VERIFY_WITH_TIMEOUT(cell(MdiRowRxFrames).toUInt() > 0, EventuallyMs);
        QVERIFY(cell(MdiRowDf).endsWith("ms"));
        child<QPushButton>("bStop")->click();
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStartXY")->isEnabled(), EventuallyMs);
    }

    void textsFitInEveryLanguage()
    {
        mdi_results_t q = resultsFixture();
        q.status = StatusIncompatibleFw;
        q.startTime = 10;
        q.currentTime = 9;
        q.estimate = 0xFFFFFFFFu;
        q.delayFactor = -0.123456f;
        q.lostFrames = 1234567;
        q.expectedFrames = 0xFFFFFFFFu;
        q.rxRate = 0xFFFFFFFFu;
        storeResults(q);
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(cell(MdiRowRxFrames), QString("4293732728"));
        const QStringList cut = formTextFit(form, [this] { form->retranslate(); }, QStringLiteral("mdi"));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }
};

QTEST_MAIN(TestMdiForm)
#include "tst_mdiform.moc"
