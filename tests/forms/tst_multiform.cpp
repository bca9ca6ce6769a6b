// The multistream form driven through its real widgets, offscreen, against
// the simulated tester over TCP with a real Device in a worker thread.

#include "formrig.h"
#include "formtexts.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "multiform.h"
#include "multiformat.h"
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

// Ten streams that differ in every field the form edits, all within the
// form's ranges, with patterns in the bytes the form does not edit.
multi_settings_t fixture()
{
    multi_settings_t s;
    memset(&s, 0, sizeof s);
    s.duration = 3661;
    s.learningTime = 250;
    s.waitInterval = 2500;
    constexpr uint8_t Units[3] = {RateUnitPercent, RateUnitKbps, RateUnitMbps};
    constexpr uint16_t Rates[3] = {100, 5000, 1000};
    for (int i = 0; i < MultiStreamCount; ++i) {
        stream_settings_t &st = s.streams[i];
        st.active = i % 2 == 0 ? 1 : 0;
        st.reserved1 = uint8_t(0xB0 + i);
        st.rateUnit = Units[i % 3];
        st.rate = uint16_t(Rates[i % 3] - i);
        st.reserved2 = uint8_t(0xC0 + i);
        st.packetLength = uint16_t(64 + 1000 * i);
        header_settings_t &h = st.header;
        h.reserved1[0] = uint8_t(0x10 + i);
        h.reserved1[2] = uint8_t(0x20 + i);
        h.ipDest = ipv4(172, 16, 0, 10 + i);
        const uint8_t mac[6] = {0x02, 0x00, 0x5e, 0x10, 0x20, uint8_t(0x30 + i)};
        memcpy(h.macDest, mac, 6);
        h.qosMode = uint8_t(i % 3);
        h.tos = uint8_t(3 << 5 | 2 << 1 | 1);
        h.ttl = uint8_t(64 + i);
        h.dscp = uint8_t(10 << 2);
        h.reserved2 = uint8_t(0x40 + i);
        h.udpSrc = uint16_t(1234 + i);
        h.udpDst = uint16_t(4321 + i);
        h.level3 = 1;
        h.level4 = i == 5 ? 0 : 1;
        st.reserved3[0] = uint8_t(0xD0 + i);
        st.reserved3[1] = uint8_t(0xE0 + i);
    }
    // An "on" the tester wrote as 2 is carried back as 2.
    s.streams[4].active = 2;
    // Jumbo frames on stream 7: its byte count passes 32 bits.
    s.streams[6].packetLength = 9600;
    return s;
}

multi_results_t resultsFixture()
{
    multi_results_t r;
    memset(&r, 0, sizeof r);
    r.elapsed = 30;
    memset(r.reserved, 0x5A, sizeof r.reserved);
    for (int i = 0; i < MultiStreamCount; ++i) {
        stream_result_t &st = r.streams[i];
        st.load = 12.5f + float(i);
        st.txFrames = 1000u + 100u * uint32_t(i);
        st.rxFrames = 875u + 100u * uint32_t(i);
        st.latency = 12500u + uint32_t(i);
    }
    r.streams[6].txFrames = 500000;
    r.streams[6].rxFrames = 500000;
    return r;
}

} // namespace

class TestMultiForm : public QObject, private FormUnderTest<MultiForm>
{
    Q_OBJECT

private:
    QString cell(int row, int column)
    {
        QTableWidgetItem *item = child<QTableWidget>("tRes")->item(row, column);
        return item ? item->text() : QString();
    }

    void storeOnTester(const multi_settings_t &s, port_t port = PortA)
    {
        rig->storeSettings(port, TestMultistream, recordBytes(s));
    }

    void storeResults(const multi_results_t &q, port_t port = PortA)
    {
        rig->storeResults(port, TestMultistream, recordBytes(q));
    }

    // The form re-reads its record (Reset) and is refilled.
    void reload()
    {
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
    }

    // A second form, built after Port A's record on the tester was read,
    // shown and filled.
    std::unique_ptr<MultiForm> freshForm()
    {
        rig->inWorker([this] { rig->device->getMultiInfo()->receiveSettings(PortA); });
        rig->drain();
        auto fresh = std::make_unique<MultiForm>(rig->device);
        fresh->activate();
        rig->drain();
        return fresh;
    }

    void showStream(int n)
    {
        child<QSpinBox>("sStreamSettings")->setValue(n);
    }

    // The 0x12 requests of the multistream settings since the last clear.
    QList<QByteArray> sentSettings(port_t port = PortA)
    {
        return rig->sentSettings(port, TestMultistream);
    }

    multi_settings_t lastSent(port_t port = PortA)
    {
        const QList<QByteArray> sent = sentSettings(port);
        return sent.isEmpty() ? multi_settings_t{} : recordFrom<multi_settings_t>(sent.last());
    }

    // Applies and waits for the record to reach the tester.
    multi_settings_t applyAndSend()
    {
        rig->sim.clearRequests();
        form->bApplyClicked();
        if (!QTest::qWaitFor([&] { return !sentSettings().isEmpty(); }, EventuallyMs))
            return multi_settings_t{};
        return lastSent();
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
        showStream(1);
        rig->sim.clearRequests();
    }

    void firstActivationShowsStreamOne()
    {
        QCOMPARE(child<QSpinBox>("sStreamSettings")->value(), 1);
        QCOMPARE(child<QSpinBox>("sStreamResults")->value(), 1);
        QCOMPARE(child<QSpinBox>("sStreamSettings")->prefix(), QString("Stream #"));
        QVERIFY(child<QCheckBox>("cActive")->isChecked());
        QCOMPARE(child<QComboBox>("cUnits")->currentIndex(), 0);
        QCOMPARE(child<QSpinBox>("sRate")->value(), 100);
        QCOMPARE(child<QSpinBox>("sLen")->value(), 64);
        QCOMPARE(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1));
        QCOMPARE(child<QSpinBox>("sStudy")->value(), 250);
        QCOMPARE(child<QSpinBox>("sInterval")->value(), 2500);
        QCOMPARE(child<QLineEdit>("lIPdst")->text(), QString("172.16.0.10"));
        QCOMPARE(child<QGroupBox>("gMulti")->title(), QString("Multistream test (Port A)"));
        for (const char *name : {"cActive", "cUnits", "sRate", "sLen", "tDur", "sStudy", "sInterval"})
            QVERIFY2(form->findChild<QWidget *>(name)->styleSheet() != Blue, name);
        QVERIFY(child<QLineEdit>("lElapsedTime")->isReadOnly());
        QVERIFY(child<QLineEdit>("lEstimateTime")->isReadOnly());
        QVERIFY(!form->findChild<QPushButton *>("bDefault"));
    }

    void fixtureRoundTripsUnchanged_data()
    {
        QTest::addColumn<int>("stream");
        QTest::newRow("stream 1") << 1;
        QTest::newRow("stream 5, on as 2") << 5;
        QTest::newRow("stream 6, no level 4") << 6;
        QTest::newRow("stream 10, inactive") << 10;
    }
    void fixtureRoundTripsUnchanged()
    {
        QFETCH(int, stream);
        showStream(stream);
        QCOMPARE(child<QSpinBox>("sLen")->value(), int(fixture().streams[stream - 1].packetLength));
        QCOMPARE(recordBytes(applyAndSend()).toHex(' '), recordBytes(fixture()).toHex(' '));
    }

    void startTowardsOtherPortRunsAndStops()
    {
        QPushButton *start = child<QPushButton>("bStartXY");
        QCOMPARE(start->text(), QString("Start A->B"));
        QVERIFY(start->isEnabled());
        start->click();
        rig->expectStart(PortA, TestMultistream, TopologyToOtherPort, recordBytes(fixture()));

        // While the multistream bit is set each poll reads the results again.
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(!rig->requestsOf(0x13).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(cell(MultiRowLossFrames, 0), QString("125"), EventuallyMs);
        QCOMPARE(cell(MultiRowLossFrames, 1), QString("0.125"));
        QCOMPARE(cell(MultiRowLoad, 0), QString("12.5%"));
        QCOMPARE(cell(MultiRowTxFrames, 0), QString("1000"));
        QCOMPARE(cell(MultiRowRxFrames, 0), QString("875"));
        QCOMPARE(cell(MultiRowTxBytes, 0), QString("64000"));
        QCOMPARE(cell(MultiRowLatency, 0), QString("12.500 us"));
        QCOMPARE(child<QLineEdit>("lElapsedTime")->text(), QString("00:00:30"));
        // 3661 s and two waits of 2 s, 30 s of them gone.
        QCOMPARE(child<QLineEdit>("lEstimateTime")->text(), QString("01:00:35"));
        QVERIFY(!start->isEnabled());
        QVERIFY(!child<QPushButton>("bReset")->isEnabled());

        rig->expectStop(child<QPushButton>("bStop"), PortA, TestMultistream);
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
    }

    void startOnSamePortLoops()
    {
        QPushButton *loop = child<QPushButton>("bStartXX");
        QCOMPARE(loop->text(), QString("Start A->A"));
        QTRY_VERIFY_WITH_TIMEOUT(loop->isEnabled(), EventuallyMs);
        MessageBoxCloser closer;
        loop->click();
        rig->expectStart(PortA, TestMultistream, TopologySamePort, recordBytes(fixture()));
        QVERIFY(closer.seen.isEmpty());
        rig->expectStop(child<QPushButton>("bStop"), PortA, TestMultistream);
    }

    void selectorsShowTheSameStream()
    {
        auto *settings = child<QSpinBox>("sStreamSettings");
        auto *results = child<QSpinBox>("sStreamResults");
        settings->setValue(7);
        QCOMPARE(results->value(), 7);
        const stream_settings_t seventh = fixture().streams[6];
        QCOMPARE(child<QComboBox>("cUnits")->currentIndex(), unitCodeToIndex(seventh.rateUnit));
        QCOMPARE(child<QSpinBox>("sRate")->value(), int(seventh.rate));
        QCOMPARE(child<QSpinBox>("sLen")->value(), 9600);
        QCOMPARE(child<QSpinBox>("ttlSpinBox")->value(), 70);
        // Its results: half a million jumbo frames are 4.8 GB, shown whole.
        QCOMPARE(cell(MultiRowTxFrames, 0), QString("500000"));
        QCOMPARE(cell(MultiRowTxBytes, 0), QString("4800000000"));
        QCOMPARE(cell(MultiRowLossFrames, 1), QString("0.000"));

        results->setValue(3);
        QCOMPARE(settings->value(), 3);
        QCOMPARE(child<QSpinBox>("sLen")->value(), int(fixture().streams[2].packetLength));
        QCOMPARE(cell(MultiRowTxFrames, 0), QString("1200"));

        // An inactive stream shows dashes although the results hold numbers.
        results->setValue(2);
        QVERIFY(!child<QCheckBox>("cActive")->isChecked());
        for (int row = 0; row < MultiResultRows; ++row)
            QCOMPARE(cell(row, 0), QString("-"));
        QCOMPARE(cell(MultiRowLossFrames, 1), QString("-"));
        QCOMPARE(settings->minimum(), 1);
        QCOMPARE(settings->maximum(), 10);
    }

    // Apply writes the stream on show and the common fields; an edit that
    // was not applied leaves the screen with its stream.
    void eachStreamKeepsItsAppliedEdits()
    {
        auto *rate = child<QSpinBox>("sRate");
        auto *length = child<QSpinBox>("sLen");
        rate->setValue(42);
        QCOMPARE(rate->styleSheet(), Blue);
        multi_settings_t expected = fixture();
        expected.streams[0].rate = 42;
        QCOMPARE(recordBytes(applyAndSend()).toHex(' '), recordBytes(expected).toHex(' '));

        showStream(7);
        length->setValue(1500);
        child<QSpinBox>("sStudy")->setValue(300);
        expected.streams[6].packetLength = 1500;
        expected.learningTime = 300;
        QCOMPARE(recordBytes(applyAndSend()).toHex(' '), recordBytes(expected).toHex(' '));

        // An edit of stream 2 that is not applied...
        showStream(2);
        rate->setValue(7);
        child<QCheckBox>("cActive")->setChecked(true);
        QCOMPARE(rate->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        // ...is dropped from the screen when another stream is chosen.
        showStream(1);
        QCOMPARE(rate->value(), 42);
        showStream(2);
        QCOMPARE(rate->value(), int(expected.streams[1].rate));
        QVERIFY(!child<QCheckBox>("cActive")->isChecked());
        QCOMPARE(rate->styleSheet(), Black);
        QCOMPARE(recordBytes(applyAndSend()).toHex(' '), recordBytes(expected).toHex(' '));
        showStream(1);
        QCOMPARE(rate->value(), 42);
        QCOMPARE(rate->styleSheet(), Black);
    }

    void unitIndexWritesItsCode_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("maximum");
        QTest::newRow("percent") << 0 << 0 << 100;
        QTest::newRow("kbps") << 1 << 2 << 9999;
        QTest::newRow("Mbps") << 2 << 3 << 1000;
    }
    void unitIndexWritesItsCode()
    {
        QFETCH(int, index);
        QFETCH(int, code);
        QFETCH(int, maximum);
        showStream(4);
        auto *units = child<QComboBox>("cUnits");
        units->setCurrentIndex(index);
        QCOMPARE(child<QSpinBox>("sRate")->maximum(), maximum);
        QCOMPARE(units->styleSheet(), unitIndexToCode(index) == fixture().streams[3].rateUnit ? Black : Blue);
        QCOMPARE(int(applyAndSend().streams[3].rateUnit), code);
    }

    // How stored units and rates that the list cannot show are shown, marked
    // and written back: a unit code beyond the list goes back as stored with
    // its rate until the operator picks a unit (pick, -1 for none).
    void unitsAndRatesOnFill_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("shownRate");
        QTest::addColumn<bool>("unitMarked");
        QTest::addColumn<bool>("rateMarked");
        QTest::addColumn<int>("pick");
        QTest::addColumn<int>("writtenCode");
        QTest::addColumn<int>("writtenRate");
        QTest::newRow("kbps 5000") << 2 << 5000 << 1 << 5000 << false << false << -1 << 2 << 5000;
        QTest::newRow("Mbps 1000") << 3 << 1000 << 2 << 1000 << false << false << -1 << 3 << 1000;
        QTest::newRow("bps shows as percent") << 1 << 50 << 0 << 50 << true << false << -1 << 0 << 50;
        QTest::newRow("percent 150 is kept") << 0 << 150 << 0 << 100 << false << true << -1 << 0 << 150;
        QTest::newRow("unknown unit") << 9 << 700 << 2 << 700 << true << false << -1 << 9 << 700;
        QTest::newRow("unknown unit, rate beyond Mbps") << 9 << 5000 << 2 << 1000 << true << true << -1 << 9 << 5000;
        QTest::newRow("unknown unit, kbps picked") << 9 << 5000 << 2 << 1000 << true << true << 1 << 2 << 1000;
    }
    void unitsAndRatesOnFill()
    {
        QFETCH(int, code);
        QFETCH(int, rate);
        QFETCH(int, index);
        QFETCH(int, shownRate);
        QFETCH(bool, unitMarked);
        QFETCH(bool, rateMarked);
        QFETCH(int, pick);
        QFETCH(int, writtenCode);
        QFETCH(int, writtenRate);
        multi_settings_t s = fixture();
        s.streams[8].rateUnit = uint8_t(code);
        s.streams[8].rate = uint16_t(rate);
        storeOnTester(s);
        reload();
        showStream(9);
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
        const multi_settings_t sent = applyAndSend();
        QCOMPARE(int(sent.streams[8].rateUnit), writtenCode);
        QCOMPARE(int(sent.streams[8].rate), writtenRate);
        if (writtenCode == code && writtenRate == rate)
            QCOMPARE(recordBytes(sent).toHex(' '), recordBytes(s).toHex(' '));
        // A unit kept as stored stays marked against the applied record.
        QCOMPARE(units->styleSheet(), writtenCode == unitIndexToCode(units->currentIndex()) ? Black : Blue);
    }

    // What is kept belongs to the stream on show: values the fields cannot
    // show survive applying other streams, switching back and forth, and an
    // unapplied edit that left the screen with its stream.
    void unshowableValuesSurviveStreamSwitches()
    {
        multi_settings_t s = fixture();
        s.duration = 90000;
        s.streams[2].rateUnit = 9;
        s.streams[2].rate = 5000;
        s.streams[4].rateUnit = 255;
        s.streams[4].rate = 65535;
        storeOnTester(s);
        reload();
        auto *units = child<QComboBox>("cUnits");
        auto *rate = child<QSpinBox>("sRate");
        showStream(3);
        QCOMPARE(units->styleSheet(), Blue);
        QCOMPARE(rate->styleSheet(), Blue);
        QCOMPARE(child<QTimeEdit>("tDur")->styleSheet(), Blue);

        // Another stream applied untouched: every stream and the duration
        // go back as stored.
        showStream(4);
        QCOMPARE(units->styleSheet(), Black);
        QCOMPARE(recordBytes(applyAndSend()).toHex(' '), recordBytes(s).toHex(' '));
        showStream(3);
        QCOMPARE(units->styleSheet(), Blue);
        QCOMPARE(recordBytes(applyAndSend()).toHex(' '), recordBytes(s).toHex(' '));

        // A unit picked on stream 5 and dropped by a switch is kept again.
        showStream(5);
        units->setCurrentIndex(UnitIndexKbps);
        showStream(1);
        showStream(5);
        QCOMPARE(units->styleSheet(), Blue);
        QCOMPARE(recordBytes(applyAndSend()).toHex(' '), recordBytes(s).toHex(' '));

        // An applied pick replaces only that stream's unit and rate.
        units->setCurrentIndex(UnitIndexKbps);
        multi_settings_t expected = s;
        expected.streams[4].rateUnit = RateUnitKbps;
        expected.streams[4].rate = 1000;
        QCOMPARE(recordBytes(applyAndSend()).toHex(' '), recordBytes(expected).toHex(' '));
        showStream(3);
        QCOMPARE(recordBytes(applyAndSend()).toHex(' '), recordBytes(expected).toHex(' '));
    }

    void autoDestinationOfAnActiveStreamRefusesLoopedStart_data()
    {
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("refused");
        QTest::newRow("active stream 3") << true << true;
        QTest::newRow("inactive stream 3") << false << false;
    }
    void autoDestinationOfAnActiveStreamRefusesLoopedStart()
    {
        QFETCH(bool, active);
        QFETCH(bool, refused);
        multi_settings_t s = fixture();
        s.streams[2].active = active ? 1 : 0;
        s.streams[2].header.autoIpDest = 1;
        storeOnTester(s);
        reload();
        QCOMPARE(child<QSpinBox>("sStreamSettings")->value(), 1);
        QCOMPARE(form->canStartXX(), !refused);

        QPushButton *loop = child<QPushButton>("bStartXX");
        QTRY_VERIFY_WITH_TIMEOUT(loop->isEnabled(), EventuallyMs);
        rig->sim.clearRequests();
        MessageBoxCloser closer;
        loop->click();
        QVERIFY(QTest::qWaitFor([&] { return !sentSettings().isEmpty(); }, EventuallyMs));
        if (refused) {
            QCOMPARE(closer.seen.size(), 1);
            QCOMPARE(closer.seen.at(0).text,
                     QString("Cannot start the test for topology A->A,\nbecause \"Auto IP destination\" is set."));
            QVERIFY(rig->drain());
            QVERIFY(rig->requestsOf(0x09).isEmpty());
            QVERIFY(rig->requestsOf(0x0A).isEmpty());
        } else {
            QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
            QVERIFY(closer.seen.isEmpty());
            rig->expectStop(child<QPushButton>("bStop"), PortA, TestMultistream);
        }
    }

    // The first toggle of "Active" after construction that finds a record
    // is not marked, as the tester's own form does; later ones are.
    void firstActiveToggleIsNotMarked()
    {
        multi_settings_t s = fixture();
        s.streams[0].active = 0;   // the first fill leaves the box as built
        storeOnTester(s);
        const std::unique_ptr<MultiForm> fresh = freshForm();
        auto *active = findWidget<QCheckBox>(fresh.get(), "cActive");
        auto *apply = findWidget<QPushButton>(fresh.get(), "bApply");
        auto *rate = findWidget<QSpinBox>(fresh.get(), "sRate");
        QVERIFY(!active->isChecked());
        apply->setEnabled(false);
        active->setChecked(true);
        QVERIFY(active->styleSheet() != Blue);
        QVERIFY(!apply->isEnabled());
        active->setChecked(false);
        QCOMPARE(active->styleSheet(), Black);
        active->setChecked(true);
        QCOMPARE(active->styleSheet(), Blue);
        QVERIFY(apply->isEnabled());
        // Other fields are marked from the start.
        rate->setValue(rate->value() - 1);
        QCOMPARE(rate->styleSheet(), Blue);
    }

    // A first fill that ticks "Active" has used up the unmarked toggle.
    void fillThatTicksActiveUsesUpTheUnmarkedToggle()
    {
        const std::unique_ptr<MultiForm> fresh = freshForm();
        auto *active = findWidget<QCheckBox>(fresh.get(), "cActive");
        QVERIFY(active->isChecked());
        active->setChecked(false);
        QCOMPARE(active->styleSheet(), Blue);
        QVERIFY(findWidget<QPushButton>(fresh.get(), "bApply")->isEnabled());
    }

    // A duration of a day or more has no time of day: marked, and written
    // back as stored until the operator sets a time.
    void durationOfADayOrMoreStaysMarked()
    {
        auto *duration = child<QTimeEdit>("tDur");
        QCOMPARE(duration->time(), QTime(1, 1, 1));
        QCOMPARE(duration->styleSheet(), Black);
        multi_settings_t s = fixture();
        s.duration = 90000;
        storeOnTester(s);
        reload();
        QCOMPARE(duration->time(), QTime(1, 1, 1));   // no time of day for it
        QCOMPARE(duration->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());

        // Untouched: the stored record goes back unchanged, still marked.
        QCOMPARE(recordBytes(applyAndSend()).toHex(' '), recordBytes(s).toHex(' '));
        QCOMPARE(duration->styleSheet(), Blue);

        // Edited: the operator's time goes out.
        duration->setTime(QTime(0, 10, 0));
        multi_settings_t expected = s;
        expected.duration = 600;
        QCOMPARE(recordBytes(applyAndSend()).toHex(' '), recordBytes(expected).toHex(' '));
        QCOMPARE(duration->styleSheet(), Black);

        s.duration = 7322;
        storeOnTester(s);
        reload();
        QCOMPARE(duration->time(), QTime(2, 2, 2));
        QCOMPARE(duration->styleSheet(), Black);
    }

    void invalidResultsShowDashes()
    {
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QLineEdit>("lElapsedTime")->text(), QString("-"));
        QCOMPARE(child<QLineEdit>("lEstimateTime")->text(), QString("-"));
        for (int row = 0; row < MultiResultRows; ++row)
            QCOMPARE(cell(row, 0), QString("-"));
        QCOMPARE(cell(MultiRowLossFrames, 1), QString("-"));
        QTRY_VERIFY_WITH_TIMEOUT(!child<QPushButton>("saveReportButton")->isEnabled(), EventuallyMs);
    }

    // Results of a port whose settings the form does not hold (the port
    // changed, its record is not in yet): no missing record is read, the
    // rows show dashes, the elapsed time is shown.
    void resultsWithoutSettings()
    {
        storeOnTester(fixture(), PortB);
        storeResults(resultsFixture(), PortB);
        rig->inWorker([this] { rig->device->getMultiInfo()->receiveResults(PortB); });
        QVERIFY(rig->drain());
        rig->device->setCurrentProcess(PortB);
        form->fillFormFromResults();
        QCOMPARE(child<QLineEdit>("lElapsedTime")->text(), QString("00:00:30"));
        QCOMPARE(child<QLineEdit>("lEstimateTime")->text(), QString("-"));
        for (int row = 0; row < MultiResultRows; ++row)
            QCOMPARE(cell(row, 0), QString("-"));
        QCOMPARE(cell(MultiRowLossFrames, 1), QString("-"));
        QVERIFY(!form->canStartXX());
        QVERIFY(rig->drain());
    }

    void portBTitlesAndRequests()
    {
        multi_settings_t s = fixture();
        s.streams[0].packetLength = 256;
        storeOnTester(s, PortB);
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QGroupBox>("gMulti")->title(), QString("Multistream test (Port B)"));
        QPushButton *loop = child<QPushButton>("bStartXX");
        QPushButton *other = child<QPushButton>("bStartXY");
        QCOMPARE(loop->text(), QString("Start B->B"));
        QCOMPARE(other->text(), QString("Start B->A"));
        reload();
        QCOMPARE(child<QSpinBox>("sLen")->value(), 256);

        rig->sim.clearRequests();
        QVERIFY(other->isEnabled());
        other->click();
        rig->expectStart(PortB, TestMultistream, TopologyToOtherPort, recordBytes(s));
        rig->expectStop(child<QPushButton>("bStop"), PortB, TestMultistream);
    }

    void retranslateKeepsPortTextsAndValues()
    {
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        auto *units = child<QComboBox>("cUnits");
        units->setCurrentIndex(2);
        form->retranslate();
        QCOMPARE(child<QGroupBox>("gMulti")->title(), QString("Multistream test (Port B)"));
        QCOMPARE(child<QPushButton>("bStartXX")->text(), QString("Start B->B"));
        QCOMPARE(units->currentIndex(), 2);
        QCOMPARE(units->itemText(0), QString("%"));
        QCOMPARE(child<QTimeEdit>("tDur")->displayFormat(), QString("HH:mm:ss"));
        QCOMPARE(child<QTableWidget>("tRes")->verticalHeaderItem(MultiRowLoad)->text(), QString("Load"));
    }

    // Long values in every language, and a Russian picture of both pages.
    void textsFitInEveryLanguage()
    {
        multi_results_t q = resultsFixture();
        q.elapsed = 359999;
        q.streams[6].txFrames = 4294967295u;
        q.streams[6].rxFrames = 12345;
        q.streams[6].latency = 4294967295u;
        q.streams[6].load = 100.0f;
        storeResults(q);
        form->activate();
        showStream(7);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(cell(MultiRowTxBytes, 0), QString("41231686032000"));

        const QStringList cut = formTextFit(form, [this] { form->retranslate(); }, QStringLiteral("multi"));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }
};

QTEST_MAIN(TestMultiForm)
#include "tst_multiform.moc"
