// The jitter form driven through its real widgets, offscreen, against the
// simulated tester over TCP with a real Device in a worker thread.

#include "formrig.h"
#include "formtexts.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "jitterform.h"
#include "jitterformat.h"
#include "rateunits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QtTest>

namespace {

using fieldstyle::Black;
using fieldstyle::Blue;

// A settings record whose every field is within the form's ranges, with
// patterns in the bytes the form does not edit.
jitter_settings_t fixture()
{
    jitter_settings_t s;
    memset(&s, 0, sizeof s);
    s.packetLength = 1518;
    s.reserved1[0] = 0xA1;
    s.reserved1[1] = 0xA2;
    s.rate = 5000;
    s.rateUnit = RateUnitKbps;
    s.reserved2[0] = 0xA3;
    s.reserved2[1] = 0xA4;
    s.reserved2[2] = 0xA5;
    s.duration = 3661;
    s.threshold = 20;
    s.reserved3[0] = 0xA6;
    s.reserved3[1] = 0xA7;
    s.header = headerFixture();
    s.reserved4[0] = 0xA8;
    s.reserved4[1] = 0xA9;
    return s;
}

jitter_results_t resultsFixture()
{
    jitter_results_t r;
    memset(&r, 0, sizeof r);
    r.passedTime = 61;
    memset(r.reserved1, 0x5A, sizeof r.reserved1);
    r.rxAll = 1000;
    memset(r.reserved2, 0x5B, sizeof r.reserved2);
    r.rxInOrder = 990;
    r.bins[0] = 500;
    r.bins[1] = 300;
    r.bins[8] = 5;
    return r;
}

} // namespace

class TestJitterForm : public QObject, private FormUnderTest<JitterForm>
{
    Q_OBJECT

private:
    QString cell(const char *table, int row, int column)
    {
        QTableWidgetItem *item = child<QTableWidget>(table)->item(row, column);
        return item ? item->text() : QString();
    }

    void storeOnTester(const jitter_settings_t &s, port_t port = PortA)
    {
        rig->storeSettings(port, TestJitter, recordBytes(s));
    }

    void storeResults(const jitter_results_t &q, port_t port = PortA)
    {
        rig->storeResults(port, TestJitter, recordBytes(q));
    }

    // The form re-reads its record (Reset) and is refilled.
    void reload()
    {
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
    }

    // The 0x12 requests of the jitter settings since the last clear.
    QList<QByteArray> sentSettings(port_t port = PortA)
    {
        return rig->sentSettings(port, TestJitter);
    }

    jitter_settings_t lastSent(port_t port = PortA)
    {
        const QList<QByteArray> sent = sentSettings(port);
        return sent.isEmpty() ? jitter_settings_t{} : recordFrom<jitter_settings_t>(sent.last());
    }

    bool waitForSettingsSent(port_t port = PortA)
    {
        return rig->waitForSettingsSent(port, TestJitter);
    }

private slots:
    void initTestCase()
    {
        loadFormResources();
        QVERIFY(startForm(QSize(900, 600), [this](FormRig &) {
            rig->setPortAddress(PortB, ipv4(10, 0, 0, 2));
            storeOnTester(fixture());
        }));
    }

    void cleanupTestCase() { stopForm(); }

    void init()
    {
        storeOnTester(fixture());
        storeResults(resultsFixture());
        QVERIFY(resetForm());
    }

    void firstActivationFillsTheForm()
    {
        QCOMPARE(child<QComboBox>("cUnits")->currentIndex(), 1);   // kbps
        QCOMPARE(child<QSpinBox>("sRate")->value(), 5000);          // not clamped
        QCOMPARE(child<QSpinBox>("sRate")->maximum(), 9999);
        QCOMPARE(child<QSpinBox>("sLen")->value(), 1518);
        QCOMPARE(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1));
        QCOMPARE(child<QSpinBox>("sThre")->value(), 20);
        QCOMPARE(child<QLineEdit>("lIPdst")->text(), QString("172.16.0.9"));
        QCOMPARE(child<QGroupBox>("gJitter")->title(), QString("Jitter test (Port A)"));
        for (const char *name : {"cUnits", "sRate", "sLen", "tDur", "sThre"})
            QVERIFY2(form->findChild<QWidget *>(name)->styleSheet() != Blue, name);
        // The threshold of the record relabels the distribution.
        QCOMPARE(cell("tDist", 0, 0), QString("0.000-2.500"));
        QCOMPARE(cell("tDist", 1, 0), QString("2.500-5.000"));
        QCOMPARE(cell("tDist", 7, 0), QString("17.500-20.000"));
        QCOMPARE(cell("tDist", 8, 0), QString(">=20.000"));
        // Results are requested on activation and shown at once.
        QCOMPARE(cell("tRes", JitterRowAll, 1), QString("1000"));
        QVERIFY(child<QLineEdit>("lPassTime")->isReadOnly());
        QVERIFY(child<QLineEdit>("lTestTime")->isReadOnly());
    }

    void fixtureRoundTripsUnchanged()
    {
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        QCOMPARE(sentSettings().last().toHex(' '), recordBytes(fixture()).toHex(' '));
    }

    void startTowardsOtherPortRunsAndStops()
    {
        QPushButton *start = child<QPushButton>("bStartXY");
        QCOMPARE(start->text(), QString("Start A->B"));
        QVERIFY(start->isEnabled());
        start->click();
        rig->expectStart(PortA, TestJitter, TopologyToOtherPort, recordBytes(fixture()));

        // While the jitter bit is set each poll reads the results again.
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(!rig->requestsOf(0x13).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(cell("tRes", JitterRowInOrder, 2), QString("99.00"), EventuallyMs);
        QCOMPARE(cell("tRes", JitterRowAll, 1), QString("1000"));
        QCOMPARE(cell("tRes", JitterRowInOrder, 1), QString("990"));
        QCOMPARE(cell("tRes", JitterRowNotInOrder, 1), QString("10"));
        QCOMPARE(cell("tRes", JitterRowNotInOrder, 2), QString("1.00"));
        QCOMPARE(cell("tRes", JitterRowAll, 0), QString("All"));
        QCOMPARE(cell("tDist", 0, 1), QString("50.00"));
        QCOMPARE(cell("tDist", 1, 1), QString("30.00"));
        QCOMPARE(cell("tDist", 8, 1), QString("0.50"));
        QCOMPARE(child<QLineEdit>("lTestTime")->text(), QString("01:00:00"));
        QCOMPARE(child<QLineEdit>("lPassTime")->text(), QString("00:01:01"));
        QVERIFY(!start->isEnabled());
        QVERIFY(!child<QPushButton>("bReset")->isEnabled());

        rig->expectStop(child<QPushButton>("bStop"), PortA, TestJitter);
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
    }

    void startOnSamePortLoops()
    {
        QPushButton *loop = child<QPushButton>("bStartXX");
        QCOMPARE(loop->text(), QString("Start A->A"));
        QTRY_VERIFY_WITH_TIMEOUT(loop->isEnabled(), EventuallyMs);
        MessageBoxCloser closer;
        loop->click();
        rig->expectStart(PortA, TestJitter, TopologySamePort, recordBytes(fixture()));
        QVERIFY(closer.seen.isEmpty());
        rig->expectStop(child<QPushButton>("bStop"), PortA, TestJitter);
    }

    void autoDestinationRefusesLoopedStart()
    {
        jitter_settings_t s = fixture();
        s.header.autoIpDest = 1;
        storeOnTester(s);
        reload();
        QPushButton *loop = child<QPushButton>("bStartXX");
        // Every fill follows the record's auto-IP byte...
        loop->setEnabled(true);
        form->fillFormFromSettings();
        QVERIFY(!loop->isEnabled());
        QVERIFY(child<QCheckBox>("cIPAuto")->isChecked());
        // ...until the next poll enables it again; the refusal then comes
        // on the click.
        QTRY_VERIFY_WITH_TIMEOUT(loop->isEnabled(), EventuallyMs);
        rig->sim.clearRequests();
        MessageBoxCloser closer;
        loop->click();
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(closer.seen.at(0).title, QString("Error"));
        QCOMPARE(closer.seen.at(0).text,
                 QString("Cannot start the test for topology A->A,\nbecause \"Auto IP destination\" is set."));
        // The settings went out, with Port B's address as destination...
        QVERIFY(waitForSettingsSent());
        QVERIFY(rig->drain());
        QCOMPARE(int(lastSent().header.autoIpDest), 1);
        QCOMPARE(lastSent().header.ipDest, ipv4(10, 0, 0, 2));
        // ...but no start.
        QVERIFY(rig->requestsOf(0x09).isEmpty());
        QVERIFY(rig->requestsOf(0x0A).isEmpty());

        // Towards the other port the automatic destination is no obstacle.
        rig->sim.clearRequests();
        child<QPushButton>("bStartXY")->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        QCOMPARE(closer.seen.size(), 1);
        rig->expectStop(child<QPushButton>("bStop"), PortA, TestJitter);
    }

    // Ticking "Auto IP destination" in the editor reaches the record only
    // with the apply of the start, which then refuses.
    void tickedAutoDestinationRefusesLoopedStart()
    {
        QPushButton *loop = child<QPushButton>("bStartXX");
        QTRY_VERIFY_WITH_TIMEOUT(loop->isEnabled(), EventuallyMs);
        child<QCheckBox>("cIPAuto")->setChecked(true);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        MessageBoxCloser closer;
        loop->click();
        QCOMPARE(closer.seen.size(), 1);
        QVERIFY(waitForSettingsSent());
        QVERIFY(rig->drain());
        QCOMPARE(int(lastSent().header.autoIpDest), 1);
        QVERIFY(rig->requestsOf(0x09).isEmpty());
    }

    void thresholdRelabelsTheBins_data()
    {
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("eighth");
        QTest::addColumn<QString>("last");
        QTest::newRow("3") << 3 << "0.000-0.375" << "2.625-3.000" << ">=3.000";
        QTest::newRow("10") << 10 << "0.000-1.250" << "8.750-10.000" << ">=10.000";
        QTest::newRow("1000") << 1000 << "0.000-125.000" << "875.000-1000.000" << ">=1000.000";
    }
    void thresholdRelabelsTheBins()
    {
        QFETCH(int, threshold);
        QFETCH(QString, first);
        QFETCH(QString, eighth);
        QFETCH(QString, last);
        auto *box = child<QSpinBox>("sThre");
        box->setValue(threshold);
        QCOMPARE(cell("tDist", 0, 0), first);
        QCOMPARE(cell("tDist", 7, 0), eighth);
        QCOMPARE(cell("tDist", 8, 0), last);
        QCOMPARE(box->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        QCOMPARE(int(lastSent().threshold), threshold);
        QCOMPARE(box->styleSheet(), Black);
    }

    // A stored threshold the field cannot show is shown at its nearest
    // end, marked, labels the bins as shown, and is written back so.
    void thresholdOutOfRangeOnFill_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("last");
        QTest::newRow("zero") << 0 << 1 << ">=1.000";
        QTest::newRow("above 1000") << 5000 << 1000 << ">=1000.000";
        QTest::newRow("largest") << 65535 << 1000 << ">=1000.000";
    }
    void thresholdOutOfRangeOnFill()
    {
        QFETCH(int, stored);
        QFETCH(int, shown);
        QFETCH(QString, last);
        jitter_settings_t s = fixture();
        s.threshold = uint16_t(stored);
        storeOnTester(s);
        reload();
        auto *box = child<QSpinBox>("sThre");
        QCOMPARE(box->value(), shown);
        QCOMPARE(box->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(cell("tDist", 8, 0), last);
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        QCOMPARE(int(lastSent().threshold), shown);
    }

    // A record with the designer's threshold changes nothing: the designer's
    // labels stay as they are.
    void designerLabelsStayForTheDefaultThreshold()
    {
        jitter_settings_t s = fixture();
        s.threshold = 10;
        storeOnTester(s);
        rig->inWorker([this] { rig->device->getJitterInfo()->receiveSettings(PortA); });
        QVERIFY(rig->drain());
        JitterForm fresh(rig->device);
        fresh.activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(findWidget<QSpinBox>(&fresh, "sRate")->value(), 5000);
        QTableWidget *bins = findWidget<QTableWidget>(&fresh, "tDist");
        QCOMPARE(bins->item(0, 0)->text(), QString("0.000 - 1.250"));
        QCOMPARE(bins->item(8, 0)->text(), QString(">=10.000"));
        fresh.hide();
    }

    void editedFieldsTurnBlueApplyTurnsThemBlack()
    {
        auto *rate = child<QSpinBox>("sRate");
        auto *units = child<QComboBox>("cUnits");
        auto *apply = child<QPushButton>("bApply");
        auto *ttl = child<QSpinBox>("ttlSpinBox");
        rate->setValue(4000);
        QCOMPARE(rate->styleSheet(), Blue);
        QVERIFY(apply->isEnabled());
        units->setCurrentIndex(2);                 // Mbps
        QCOMPARE(units->styleSheet(), Blue);
        QCOMPARE(rate->maximum(), 1000);
        QCOMPARE(rate->value(), 1000);
        units->setCurrentIndex(1);                 // back: black, Apply stays
        QCOMPARE(units->styleSheet(), Black);
        QVERIFY(apply->isEnabled());
        rate->setValue(4000);
        child<QSpinBox>("sLen")->setValue(64);
        child<QTimeEdit>("tDur")->setTime(QTime(0, 2, 0));
        ttl->setValue(99);
        QCOMPARE(ttl->styleSheet(), Blue);

        apply->click();
        for (const char *name : {"cUnits", "sRate", "sLen", "tDur", "sThre", "ttlSpinBox"})
            QVERIFY2(form->findChild<QWidget *>(name)->styleSheet() == Black, name);
        QVERIFY(!apply->isEnabled());
        QVERIFY(waitForSettingsSent());
        jitter_settings_t expected = fixture();
        expected.rate = 4000;
        expected.packetLength = 64;
        expected.duration = 120;
        expected.header.ttl = 99;
        QCOMPARE(recordBytes(lastSent()).toHex(' '), recordBytes(expected).toHex(' '));

        // The applied values are the new reference.
        rate->setValue(3999);
        QCOMPARE(rate->styleSheet(), Blue);
        rate->setValue(4000);
        QCOMPARE(rate->styleSheet(), Black);
    }

    // How stored units and rates that the list cannot show are shown, marked
    // and written back: a unit code beyond the list goes back as stored with
    // its rate until the operator picks a unit (pick, -1 for none).
    void unitsAndRatesOnFill_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<uint>("rate");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("shownRate");
        QTest::addColumn<bool>("unitMarked");
        QTest::addColumn<bool>("rateMarked");
        QTest::addColumn<int>("pick");
        QTest::addColumn<int>("writtenCode");
        QTest::addColumn<uint>("writtenRate");
        QTest::newRow("kbps 5000") << 2 << 5000u << 1 << 5000 << false << false << -1 << 2 << 5000u;
        QTest::newRow("Mbps 800") << 3 << 800u << 2 << 800 << false << false << -1 << 3 << 800u;
        QTest::newRow("percent 150 is kept") << 0 << 150u << 0 << 100 << false << true << -1 << 0 << 150u;
        QTest::newRow("percent 150, kbps picked") << 0 << 150u << 0 << 100 << false << true << 1 << 2 << 100u;
        QTest::newRow("bps shows as percent") << 1 << 50u << 0 << 50 << true << false << -1 << 0 << 50u;
        QTest::newRow("unknown unit, rate fits Mbps") << 7 << 500u << 2 << 500 << true << false << -1 << 7 << 500u;
        QTest::newRow("unknown unit, rate beyond Mbps") << 7 << 5000u << 2 << 1000 << true << true << -1 << 7 << 5000u;
        QTest::newRow("unknown unit 255, rate beyond int")
            << 255 << 3000000000u << 2 << 1000 << true << true << -1 << 255 << 3000000000u;
        QTest::newRow("unknown unit, kbps picked") << 7 << 5000u << 2 << 1000 << true << true << 1 << 2 << 1000u;
        QTest::newRow("unknown unit, percent picked") << 7 << 500u << 2 << 500 << true << false << 0 << 0 << 100u;
        QTest::newRow("rate beyond int") << 3 << 3000000000u << 2 << 1000 << false << true << -1 << 3 << 3000000000u;
        QTest::newRow("largest rate") << 2 << 0xFFFFFFFFu << 1 << 9999 << false << true << -1 << 2 << 0xFFFFFFFFu;
    }
    void unitsAndRatesOnFill()
    {
        QFETCH(int, code);
        QFETCH(uint, rate);
        QFETCH(int, index);
        QFETCH(int, shownRate);
        QFETCH(bool, unitMarked);
        QFETCH(bool, rateMarked);
        QFETCH(int, pick);
        QFETCH(int, writtenCode);
        QFETCH(uint, writtenRate);
        jitter_settings_t s = fixture();
        s.rateUnit = uint8_t(code);
        s.rate = rate;
        storeOnTester(s);
        reload();
        auto *units = child<QComboBox>("cUnits");
        auto *rateBox = child<QSpinBox>("sRate");
        QCOMPARE(units->currentIndex(), index);
        QCOMPARE(rateBox->value(), shownRate);
        QCOMPARE(units->styleSheet(), unitMarked ? Blue : Black);
        QCOMPARE(rateBox->styleSheet(), rateMarked ? Blue : Black);
        if (unitMarked || rateMarked)
            QVERIFY(child<QPushButton>("bApply")->isEnabled());
        if (pick >= 0)
            units->setCurrentIndex(pick);

        rig->sim.clearRequests();
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        const jitter_settings_t sent = lastSent();
        QCOMPARE(int(sent.rateUnit), writtenCode);
        QCOMPARE(uint(sent.rate), writtenRate);
        if (writtenCode == code && writtenRate == rate)
            QCOMPARE(recordBytes(sent).toHex(' '), recordBytes(s).toHex(' '));
        // A unit kept as stored stays marked against the applied record.
        QCOMPARE(units->styleSheet(), writtenCode == unitIndexToCode(units->currentIndex()) ? Black : Blue);
    }

    // A duration of a day or more has no time of day: marked, and written
    // back as stored until the operator sets a time.
    void durationOfADayOrMoreStaysMarked()
    {
        auto *duration = child<QTimeEdit>("tDur");
        QCOMPARE(duration->time(), QTime(1, 1, 1));
        QCOMPARE(duration->styleSheet(), Black);
        jitter_settings_t s = fixture();
        s.duration = 86400;
        storeOnTester(s);
        reload();
        QCOMPARE(duration->time(), QTime(1, 1, 1));   // no time of day for it
        QCOMPARE(duration->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());

        // Untouched: the stored record goes back unchanged, still marked.
        rig->sim.clearRequests();
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        QCOMPARE(sentSettings().last().toHex(' '), recordBytes(s).toHex(' '));
        QCOMPARE(duration->styleSheet(), Blue);

        // Edited: the operator's time goes out.
        duration->setTime(QTime(0, 10, 0));
        rig->sim.clearRequests();
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        jitter_settings_t expected = s;
        expected.duration = 600;
        QCOMPARE(sentSettings().last().toHex(' '), recordBytes(expected).toHex(' '));
        QCOMPARE(duration->styleSheet(), Black);

        s.duration = 7322;
        storeOnTester(s);
        reload();
        QCOMPARE(duration->time(), QTime(2, 2, 2));
        QCOMPARE(duration->styleSheet(), Black);
    }

    void noFramesAndNoResults()
    {
        jitter_results_t q = resultsFixture();
        q.rxAll = 0;
        storeResults(q);
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        for (int row = 0; row < JitterResultRows; ++row)
            QCOMPARE(cell("tRes", row, 1), QString("-"));
        QCOMPARE(cell("tDist", 0, 1), QString("-"));
        QCOMPARE(child<QLineEdit>("lPassTime")->text(), QString("00:01:01"));

        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QLineEdit>("lTestTime")->text(), QString("-"));
        QCOMPARE(child<QLineEdit>("lPassTime")->text(), QString("-"));
        for (int row = 0; row < JitterResultRows; ++row) {
            QCOMPARE(cell("tRes", row, 1), QString("-"));
            QCOMPARE(cell("tRes", row, 2), QString("-"));
        }
        for (int row = 0; row < JitterBins; ++row)
            QCOMPARE(cell("tDist", row, 1), QString("-"));
        QTRY_VERIFY_WITH_TIMEOUT(!child<QPushButton>("saveReportButton")->isEnabled(), EventuallyMs);
    }

    // Results of a port whose settings the form does not hold (the port
    // changed, its record is not in yet): counts shown, no remaining time.
    void resultsWithoutSettings()
    {
        storeOnTester(fixture(), PortB);
        storeResults(resultsFixture(), PortB);
        rig->inWorker([this] { rig->device->getJitterInfo()->receiveResults(PortB); });
        QVERIFY(rig->drain());
        rig->device->setCurrentProcess(PortB);
        form->fillFormFromResults();
        QCOMPARE(child<QLineEdit>("lTestTime")->text(), QString("-"));
        QCOMPARE(child<QLineEdit>("lPassTime")->text(), QString("00:01:01"));
        QCOMPARE(cell("tRes", JitterRowAll, 1), QString("1000"));
        QVERIFY(rig->drain());
    }

    void portBTitlesAndRequests()
    {
        jitter_settings_t s = fixture();
        s.packetLength = 256;
        storeOnTester(s, PortB);
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QGroupBox>("gJitter")->title(), QString("Jitter test (Port B)"));
        QPushButton *loop = child<QPushButton>("bStartXX");
        QPushButton *other = child<QPushButton>("bStartXY");
        QCOMPARE(loop->text(), QString("Start B->B"));
        QCOMPARE(other->text(), QString("Start B->A"));
        reload();
        QCOMPARE(child<QSpinBox>("sLen")->value(), 256);

        rig->sim.clearRequests();
        QVERIFY(other->isEnabled());
        other->click();
        rig->expectStart(PortB, TestJitter, TopologyToOtherPort, recordBytes(s));
        rig->expectStop(child<QPushButton>("bStop"), PortB, TestJitter);
    }

    void retranslateKeepsPortTextsAndBins()
    {
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        auto *units = child<QComboBox>("cUnits");
        units->setCurrentIndex(2);
        const QString bin = cell("tDist", 3, 0);
        form->retranslate();
        QCOMPARE(child<QGroupBox>("gJitter")->title(), QString("Jitter test (Port B)"));
        QCOMPARE(child<QPushButton>("bStartXX")->text(), QString("Start B->B"));
        QCOMPARE(units->currentIndex(), 2);
        QCOMPARE(units->itemText(0), QString("%"));
        QCOMPARE(cell("tDist", 3, 0), bin);
        QCOMPARE(cell("tRes", JitterRowNotInOrder, 0), QString("Not in order"));
        QCOMPARE(child<QTableWidget>("tRes")->horizontalHeaderItem(2)->text(), QString("%"));
    }

    // Long values in every language, and a Russian picture of both pages.
    void textsFitInEveryLanguage()
    {
        jitter_results_t q = resultsFixture();
        q.passedTime = 359999;
        q.rxAll = 987654321012ull;
        q.rxInOrder = 987654320000ull;
        q.bins[0] = 987654321012ull;
        storeResults(q);
        jitter_settings_t s = fixture();
        s.threshold = 999;
        s.duration = 86399;
        storeOnTester(s);
        reload();
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(cell("tDist", 7, 0), QString("874.125-999.000"));
        QCOMPARE(cell("tRes", JitterRowAll, 1), QString("987654321012"));

        const QStringList cut = formTextFit(form, [this] { form->retranslate(); }, QStringLiteral("jitter"));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }
};

QTEST_MAIN(TestJitterForm)
#include "tst_jitterform.moc"
