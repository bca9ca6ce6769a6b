// The asymmetric traffic form and its two flow widgets driven through their
// real widgets, offscreen, against the simulated tester over TCP with a real
// Device in a worker thread.

#include "formrig.h"
#include "formtexts.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "asymformat.h"
#include "asymtrafficform.h"
#include "rateunits.h"
#include "trafficflowsettingswidget.h"
#include "trafficflowstatswidget.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

using fieldstyle::Black;
using fieldstyle::Blue;

flow_settings_t flow(uint32_t destination, uint8_t unit, uint16_t rate, uint16_t length, float flr, uint8_t mark)
{
    flow_settings_t f;
    memset(&f, 0, sizeof f);
    header_settings_t &h = f.header;
    h.reserved1[0] = mark;
    h.reserved1[1] = uint8_t(mark + 1);
    h.reserved1[2] = uint8_t(mark + 2);
    h.ipDest = destination;
    h.arp = 1;
    h.qosMode = QosDscp;
    h.tos = uint8_t(3 << 5 | 2 << 1 | 1);
    h.ttl = 64;
    h.dscp = uint8_t(10 << 2);
    h.reserved2 = uint8_t(mark + 3);
    h.udpSrc = 1234;
    h.udpDst = 4321;
    h.level3 = 1;
    h.level4 = 1;
    f.reserved1[0] = uint8_t(mark + 4);
    f.reserved1[1] = uint8_t(mark + 5);
    f.rateUnit = unit;
    f.reserved2 = uint8_t(mark + 6);
    f.rate = rate;
    f.packetLength = length;
    f.reserved3[0] = uint8_t(mark + 7);
    f.reserved3[1] = uint8_t(mark + 8);
    f.maxFlr = flr;
    return f;
}

// Every field within the form's ranges, patterns in the bytes no form edits.
asym_settings_t fixture()
{
    asym_settings_t s;
    memset(&s, 0, sizeof s);
    s.direction = DirectionInput;
    s.reserved1[0] = 0xB1;
    s.reserved1[1] = 0xB2;
    s.duration = 3661;
    s.learningInterval = 2500;
    s.waitInterval = 1500;
    s.output = flow(ipv4(10, 1, 1, 9), RateUnitKbps, 5000, 1518, 0.00125f, 0x10);
    s.input = flow(ipv4(10, 2, 2, 2), RateUnitMbps, 800, 512, 0.001f, 0x40);
    return s;
}

asym_results_t runningResults()
{
    asym_results_t r;
    memset(&r, 0, sizeof r);
    r.startTime = 1000;
    r.currentTime = 1030;
    r.duration = 60;
    r.status = StatusRunning;
    r.output.txFrames = 1000;
    r.output.rxFrames = 990;
    r.output.runts = 2;
    r.output.rate = 125000;
    r.input.txFrames = 400;
    r.input.rxFrames = 400;
    r.input.crcErrors = 4;
    return r;
}

} // namespace

class TestAsymTrafficForm : public QObject, private FormUnderTest<AsymTrafficForm>
{
    Q_OBJECT

private:    // A widget of one of the embedded flow widgets ("outputSettingsWidget",
    // "inputStatsWidget", ...), whose object names repeat.
    template <class T>
    T *in(const char *widget, const char *name)
    {
        return findWidget<T>(findWidget<QWidget>(form, widget), name);
    }

    QString cell(const char *statsWidget, int row, int column)
    {
        QTableWidgetItem *item = in<QTableWidget>(statsWidget, "tRes")->item(row, column);
        return item ? item->text() : QString();
    }

    void storeOnTester(const asym_settings_t &s, port_t port = PortA)
    {
        rig->tester([&](SimRemoteResponder &r) { r.settingsBlock(port, TestAsymTraffic) = recordBytes(s); });
    }

    void storeResults(const asym_results_t &res, port_t port = PortA)
    {
        rig->tester([&](SimRemoteResponder &r) {
            r.results[SimRemoteResponder::key(port, TestAsymTraffic)] = recordBytes(res);
        });
    }

    // The form re-reads its record (Reset) and is refilled.
    void reload()
    {
        // A test still marked running keeps Reset disabled until a poll.
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bReset")->isEnabled(), EventuallyMs);
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
    }

    QList<QByteArray> sentSettings(port_t port = PortA)
    {
        return rig->sentSettings(port, TestAsymTraffic);
    }

    asym_settings_t lastSent(port_t port = PortA)
    {
        const QList<QByteArray> sent = sentSettings(port);
        return sent.isEmpty() ? asym_settings_t{} : recordFrom<asym_settings_t>(sent.last());
    }

    bool waitForSettingsSent()
    {
        return rig->waitForSettingsSent(PortA, TestAsymTraffic);
    }

    void apply()
    {
        child<QPushButton>("bApply")->click();
        QVERIFY(waitForSettingsSent());
        QVERIFY(rig->drain());
    }

private slots:
    void initTestCase()
    {
        loadFormResources();
        QVERIFY(startForm(QSize(1000, 620), [this](FormRig &) {
            storeOnTester(fixture());
        }));
    }

    void cleanupTestCase() { stopForm(); }

    void init()
    {
        storeOnTester(fixture());
        QVERIFY(resetForm());
    }

    void firstActivationFillsTheForm()
    {
        QCOMPARE(child<QGroupBox>("groupBox")->title(), QString("Asymmetric traffic test (Port A)"));
        QCOMPARE(child<QPushButton>("bStartXX")->text(), QString("Start A->R"));
        QCOMPARE(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1));
        QCOMPARE(child<QSpinBox>("timeBeforeSpinBox")->value(), 2500);
        QCOMPARE(child<QSpinBox>("timeAfterSpinBox")->value(), 1500);
        QCOMPARE(child<QComboBox>("dirComboBox")->currentIndex(), 1);   // "Input"

        QCOMPARE(in<QComboBox>("outputSettingsWidget", "cUnits")->currentIndex(), 1);   // kbps
        QCOMPARE(in<QSpinBox>("outputSettingsWidget", "sRate")->value(), 5000);          // not clamped
        QCOMPARE(in<QSpinBox>("outputSettingsWidget", "sRate")->maximum(), 9999);
        QCOMPARE(in<QSpinBox>("outputSettingsWidget", "sLen")->value(), 1518);
        QCOMPARE(in<QDoubleSpinBox>("outputSettingsWidget", "sFlr")->value(), 0.00125);
        QCOMPARE(in<QLineEdit>("outputSettingsWidget", "lIPdst")->text(), QString("10.1.1.9"));
        QCOMPARE(in<QComboBox>("inputSettingsWidget", "cUnits")->currentIndex(), 2);    // Mbps
        QCOMPARE(in<QSpinBox>("inputSettingsWidget", "sRate")->value(), 800);
        QCOMPARE(in<QSpinBox>("inputSettingsWidget", "sLen")->value(), 512);
        QCOMPARE(in<QLineEdit>("inputSettingsWidget", "lIPdst")->text(), QString("10.2.2.2"));
        // The input direction answers the output one.
        QCOMPARE(in<QLineEdit>("inputSettingsWidget", "lIPsource")->text(), QString("10.1.1.9"));
        // Level 2 is not part of a flow.
        QVERIFY(in<QLineEdit>("outputSettingsWidget", "lMACdst")->isHidden());

        for (const char *name : {"tDur", "timeBeforeSpinBox", "timeAfterSpinBox", "dirComboBox"})
            QCOMPARE(child<QWidget>(name)->styleSheet(), Black);
        for (const char *flowWidget : {"outputSettingsWidget", "inputSettingsWidget"})
            for (const char *name : {"cUnits", "sRate", "sLen", "sFlr"})
                QVERIFY2(in<QWidget>(flowWidget, name)->styleSheet() != Blue, name);
        // Filling is no edit.
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        // No start towards the other port on this form.
        QVERIFY(!form->findChild<QPushButton *>("bStartXY"));
    }

    void fixtureRoundTripsUnchanged()
    {
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        QCOMPARE(sentSettings().last().size(), 92);
        QCOMPARE(sentSettings().last().toHex(' '), recordBytes(fixture()).toHex(' '));
    }

    void startRunsFillsBothTablesAndStops()
    {
        storeResults(runningResults());
        QPushButton *start = child<QPushButton>("bStartXX");
        QVERIFY(start->isEnabled());
        start->click();

        // Settings, topology, start, results, in this order.
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x13; }));
        const QList<QByteArray> seq = rig->requests();
        QVERIFY(seq.size() >= 4);
        QCOMPARE(command(seq.at(0)), quint8(0x12));
        QCOMPARE(u32At(seq.at(0), 1), quint32(PortA));
        QCOMPARE(quint8(seq.at(0).at(5)), quint8(TestAsymTraffic));
        QCOMPARE(seq.at(0).mid(6).toHex(' '), recordBytes(fixture()).toHex(' '));
        QCOMPARE(command(seq.at(1)), quint8(0x0A));
        QCOMPARE(u32At(seq.at(1), 1), quint32(PortA));
        QCOMPARE(quint8(seq.at(1).at(5)), quint8(TopologySamePort));
        QCOMPARE(command(seq.at(2)), quint8(0x09));
        QCOMPARE(quint8(seq.at(2).at(1)), quint8(1));
        QCOMPARE(u32At(seq.at(2), 2), quint32(PortA));
        QCOMPARE(quint8(seq.at(2).at(6)), quint8(TestAsymTraffic));
        QCOMPARE(command(seq.at(3)), quint8(0x13));
        QCOMPARE(quint8(seq.at(3).at(5)), quint8(TestAsymTraffic));

        // Each poll reads the results again while the test runs.
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(!rig->requestsOf(0x13).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(cell("outputStatsWidget", FlowRowTxFrames, 0), QString("1000"), EventuallyMs);
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        QVERIFY(rig->drain());
        QCOMPARE(child<QLineEdit>("elapsedTime")->text(), QString("00:00:30"));
        QCOMPARE(child<QLineEdit>("estimateTime")->text(), QString("00:00:30"));
        QCOMPARE(in<QLineEdit>("outputStatsWidget", "statuslineEdit")->text(), QString("Running"));
        QCOMPARE(cell("outputStatsWidget", FlowRowRxFrames, 0), QString("990"));
        QCOMPARE(cell("outputStatsWidget", FlowRowTxBytes, 0), QString("1518000"));   // flow 1's length
        QCOMPARE(cell("outputStatsWidget", FlowRowLossFrames, 0), QString("0"));      // running
        QCOMPARE(cell("outputStatsWidget", FlowRowRate, 0), QString("1000.000 kbps"));
        QCOMPARE(cell("outputStatsWidget", FlowRowRunts, 1), QString("0.00200"));
        QCOMPARE(cell("inputStatsWidget", FlowRowTxFrames, 0), QString("400"));
        QCOMPARE(cell("inputStatsWidget", FlowRowTxBytes, 0), QString("204800"));     // flow 2's length
        QCOMPARE(cell("inputStatsWidget", FlowRowCrc, 1), QString("0.01000"));
        QCOMPARE(cell("inputStatsWidget", FlowRowErrorFrames, 0), QString("4"));

        QVERIFY(!start->isEnabled());
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QVERIFY(!child<QPushButton>("bReset")->isEnabled());
        QVERIFY(!child<QPushButton>("saveReportButton")->isEnabled());
        rig->sim.clearRequests();
        child<QPushButton>("bStop")->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        const QByteArray stop = rig->requestsOf(0x09).first();
        QCOMPARE(quint8(stop.at(1)), quint8(0));
        QCOMPARE(u32At(stop, 2), quint32(PortA));
        QCOMPARE(quint8(stop.at(6)), quint8(TestAsymTraffic));
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);

        // Finished: the run reads "OK" and the loss counts.
        asym_results_t done = runningResults();
        done.status = StatusOk;
        storeResults(done);
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(in<QLineEdit>("outputStatsWidget", "statuslineEdit")->text(), QString("OK"));
        QCOMPARE(cell("outputStatsWidget", FlowRowLossFrames, 0), QString("10"));
        QCOMPARE(cell("outputStatsWidget", FlowRowLossFrames, 1), QString("0.01000"));
    }

    void editedFieldsTurnBlueApplyAndStartTurnThemBlack()
    {
        auto *rate = in<QSpinBox>("outputSettingsWidget", "sRate");
        auto *units = in<QComboBox>("outputSettingsWidget", "cUnits");
        auto *flr = in<QDoubleSpinBox>("inputSettingsWidget", "sFlr");
        auto *ttl = in<QSpinBox>("inputSettingsWidget", "ttlSpinBox");
        auto *direction = child<QComboBox>("dirComboBox");
        auto *before = child<QSpinBox>("timeBeforeSpinBox");
        auto *applyButton = child<QPushButton>("bApply");

        rate->setValue(4000);
        QCOMPARE(rate->styleSheet(), Blue);
        QVERIFY(applyButton->isEnabled());
        units->setCurrentIndex(2);                  // Mbps: the maximum follows
        QCOMPARE(units->styleSheet(), Blue);
        QCOMPARE(rate->maximum(), 1000);
        QCOMPARE(rate->value(), 1000);
        units->setCurrentIndex(1);                  // back: black, Apply stays
        QCOMPARE(units->styleSheet(), Black);
        QVERIFY(applyButton->isEnabled());
        rate->setValue(4000);
        flr->setValue(0.0011);                      // against a stored 0.001
        QCOMPARE(flr->styleSheet(), Blue);
        flr->setValue(0.001);
        QCOMPARE(flr->styleSheet(), Black);
        flr->setValue(0.0011);
        ttl->setValue(99);
        QCOMPARE(ttl->styleSheet(), Blue);
        direction->setCurrentIndex(DirectionBoth);
        QCOMPARE(direction->styleSheet(), Blue);
        before->setValue(3000);
        QCOMPARE(before->styleSheet(), Blue);

        apply();
        for (QWidget *w : {static_cast<QWidget *>(rate), static_cast<QWidget *>(flr),
                           static_cast<QWidget *>(ttl), static_cast<QWidget *>(direction),
                           static_cast<QWidget *>(before)})
            QCOMPARE(w->styleSheet(), Black);
        QVERIFY(!applyButton->isEnabled());
        const asym_settings_t sent = lastSent();
        QCOMPARE(int(sent.output.rate), 4000);
        QCOMPARE(int(sent.output.rateUnit), int(RateUnitKbps));
        QCOMPARE(sent.input.maxFlr, 0.0011f);
        QCOMPARE(int(sent.input.header.ttl), 99);
        QCOMPARE(int(sent.direction), int(DirectionBoth));
        QCOMPARE(int(sent.learningInterval), 3000);
        // Bytes no widget edits travel as the tester sent them.
        QCOMPARE(int(sent.input.reserved2), 0x46);
        QCOMPARE(int(sent.output.header.reserved2), 0x13);

        // The applied values are the new reference.
        rate->setValue(3999);
        QCOMPARE(rate->styleSheet(), Blue);
        rate->setValue(4000);
        QCOMPARE(rate->styleSheet(), Black);

        // Start applies as well, and blackens every page.
        rate->setValue(3000);
        child<QTimeEdit>("tDur")->setTime(QTime(0, 2, 0));
        QCOMPARE(child<QTimeEdit>("tDur")->styleSheet(), Blue);
        rig->sim.clearRequests();
        child<QPushButton>("bStartXX")->click();
        QVERIFY(waitForSettingsSent());
        QCOMPARE(rate->styleSheet(), Black);
        QCOMPARE(child<QTimeEdit>("tDur")->styleSheet(), Black);
        QCOMPARE(int(lastSent().duration), 120);
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        child<QPushButton>("bStop")->click();
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStartXX")->isEnabled(), EventuallyMs);
    }

    void applyShowsTheNewDestinationAsInputSource()
    {
        typeInto(in<QLineEdit>("outputSettingsWidget", "lIPdst"), QStringLiteral("10.1.1.5"));
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        apply();
        QCOMPARE(in<QLineEdit>("inputSettingsWidget", "lIPsource")->text(), QString("10.1.1.5"));
        QCOMPARE(lastSent().output.header.ipDest, ipv4(10, 1, 1, 5));
    }

    // Stored values the fields cannot show: shown as the nearest thing the
    // field has, marked, and written back as stored unless edited.
    void unshowableValuesAreKept_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("rate");
        QTest::addColumn<uint>("duration");
        QTest::addColumn<int>("shownDirection");
        QTest::addColumn<int>("shownUnit");
        QTest::addColumn<int>("shownRate");
        QTest::newRow("direction beyond the list") << 5 << 2 << 5000 << 3661u << -1 << 1 << 5000;
        QTest::newRow("unit beyond the table") << 1 << 9 << 5000 << 3661u << 1 << 2 << 1000;
        QTest::newRow("unit 255, rate fits") << 1 << 255 << 500 << 3661u << 1 << 2 << 500;
        QTest::newRow("a day or more") << 1 << 2 << 5000 << 86400u << 1 << 1 << 5000;
    }
    void unshowableValuesAreKept()
    {
        QFETCH(int, direction);
        QFETCH(int, unit);
        QFETCH(int, rate);
        QFETCH(uint, duration);
        QFETCH(int, shownDirection);
        QFETCH(int, shownUnit);
        QFETCH(int, shownRate);
        asym_settings_t s = fixture();
        s.direction = uint8_t(direction);
        s.output.rateUnit = uint8_t(unit);
        s.output.rate = uint16_t(rate);
        s.duration = duration;
        storeOnTester(s);
        reload();
        auto *dirBox = child<QComboBox>("dirComboBox");
        auto *units = in<QComboBox>("outputSettingsWidget", "cUnits");
        QCOMPARE(dirBox->currentIndex(), shownDirection);
        QCOMPARE(units->currentIndex(), shownUnit);
        QCOMPARE(in<QSpinBox>("outputSettingsWidget", "sRate")->value(), shownRate);
        QCOMPARE(dirBox->styleSheet(), direction > 2 ? Blue : Black);
        QCOMPARE(units->styleSheet(), unit > 3 ? Blue : Black);
        QCOMPARE(child<QTimeEdit>("tDur")->styleSheet(), duration >= 86400 ? Blue : Black);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());

        // Untouched: written back exactly as stored, and still marked.
        apply();
        QCOMPARE(sentSettings().last().toHex(' '), recordBytes(s).toHex(' '));
        QCOMPARE(dirBox->styleSheet(), direction > 2 ? Blue : Black);
        QCOMPARE(units->styleSheet(), unit > 3 ? Blue : Black);

        // Edited: the operator's choice goes out.
        rig->sim.clearRequests();
        dirBox->setCurrentIndex(DirectionBoth);
        units->setCurrentIndex(UnitIndexKbps);
        child<QTimeEdit>("tDur")->setTime(QTime(0, 0, 30));
        apply();
        const asym_settings_t sent = lastSent();
        QCOMPARE(int(sent.direction), int(DirectionBoth));
        QCOMPARE(int(sent.output.rateUnit), int(RateUnitKbps));
        QCOMPARE(int(sent.output.rate), shownRate);
        QCOMPARE(int(sent.duration), 30);
        QCOMPARE(dirBox->styleSheet(), Black);
        QCOMPARE(units->styleSheet(), Black);
    }

    // A loss ratio that is no number is kept bit for bit until edited.
    void lossRatioThatIsNoNumber()
    {
        asym_settings_t s = fixture();
        s.input.maxFlr = std::numeric_limits<float>::quiet_NaN();
        storeOnTester(s);
        reload();
        auto *flr = in<QDoubleSpinBox>("inputSettingsWidget", "sFlr");
        QCOMPARE(flr->value(), 0.0);
        QCOMPARE(flr->styleSheet(), Blue);
        apply();
        QCOMPARE(sentSettings().last().toHex(' '), recordBytes(s).toHex(' '));

        rig->sim.clearRequests();
        flr->setValue(0.5);
        apply();
        QCOMPARE(lastSent().input.maxFlr, 0.5f);
    }

    // The one conversion the unit list makes: bps shows as percent and is
    // written back as percent.
    void bpsIsWrittenAsPercent()
    {
        asym_settings_t s = fixture();
        s.input.rateUnit = RateUnitBps;
        s.input.rate = 50;
        storeOnTester(s);
        reload();
        auto *units = in<QComboBox>("inputSettingsWidget", "cUnits");
        QCOMPARE(units->currentIndex(), UnitIndexPercent);
        QCOMPARE(units->styleSheet(), Blue);
        QCOMPARE(in<QSpinBox>("inputSettingsWidget", "sRate")->maximum(), 100);
        apply();
        QCOMPARE(int(lastSent().input.rateUnit), int(RateUnitPercent));
        QCOMPARE(int(lastSent().input.rate), 50);
    }

    void blankFlagClearsTablesUntilApplied()
    {
        storeResults(runningResults());
        asym_settings_t s = fixture();
        s.statsBlank = 1;
        storeOnTester(s);
        reload();
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(child<QLineEdit>("elapsedTime")->text(), QString("00:00:30"));
        QCOMPARE(cell("outputStatsWidget", FlowRowTxFrames, 0), QString("-"));
        QCOMPARE(in<QLineEdit>("inputStatsWidget", "statuslineEdit")->text(), QString("-"));
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        QCOMPARE(int(lastSent().statsBlank), 0);
    }

    void portBTitlesAndRequests()
    {
        storeOnTester(fixture(), PortB);
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QGroupBox>("groupBox")->title(), QString("Asymmetric traffic test (Port B)"));
        QPushButton *start = child<QPushButton>("bStartXX");
        QCOMPARE(start->text(), QString("Start B->R"));
        QTRY_COMPARE_WITH_TIMEOUT(in<QSpinBox>("outputSettingsWidget", "sRate")->value(), 5000, EventuallyMs);

        rig->sim.clearRequests();
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
        start->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x13; }));
        const QList<QByteArray> seq = rig->requests();
        QCOMPARE(command(seq.at(0)), quint8(0x12));
        QCOMPARE(u32At(seq.at(0), 1), quint32(PortB));
        QCOMPARE(quint8(seq.at(0).at(5)), quint8(TestAsymTraffic));
        QCOMPARE(command(seq.at(1)), quint8(0x0A));
        QCOMPARE(u32At(seq.at(1), 1), quint32(PortB));
        QCOMPARE(quint8(seq.at(1).at(5)), quint8(TopologySamePort));
        QCOMPARE(command(seq.at(2)), quint8(0x09));
        QCOMPARE(u32At(seq.at(2), 2), quint32(PortB));
        QCOMPARE(quint8(seq.at(2).at(6)), quint8(TestAsymTraffic));

        rig->sim.clearRequests();
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        child<QPushButton>("bStop")->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        QCOMPARE(u32At(rig->requestsOf(0x09).first(), 2), quint32(PortB));
        QCOMPARE(quint8(rig->requestsOf(0x09).first().at(6)), quint8(TestAsymTraffic));
    }

    // A language switch re-texts the form and keeps the choices the record
    // (or the operator) made.
    void retranslateKeepsChoicesAndPortTexts()
    {
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        auto *direction = child<QComboBox>("dirComboBox");
        auto *units = in<QComboBox>("inputSettingsWidget", "cUnits");
        auto *rate = in<QSpinBox>("inputSettingsWidget", "sRate");
        QCOMPARE(direction->currentIndex(), int(DirectionInput));
        QCOMPARE(units->currentIndex(), UnitIndexMbps);
        QCOMPARE(rate->value(), 800);
        auto *outUnits = in<QComboBox>("outputSettingsWidget", "cUnits");
        outUnits->setCurrentIndex(UnitIndexMbps);   // an edit not yet applied

        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        QVERIFY(languages.use("ru"));
        form->retranslate();
        QCOMPARE(child<QGroupBox>("groupBox")->title(),
                 QCoreApplication::translate("TestForm", "Asymmetric traffic test") + " ("
                     + QCoreApplication::translate("AsymTrafficForm", "Port B") + ")");
        QVERIFY(child<QPushButton>("bStop")->text() != QLatin1String("Stop"));
        QCOMPARE(direction->currentIndex(), int(DirectionInput));
        QCOMPARE(direction->styleSheet(), Black);
        QCOMPARE(units->currentIndex(), UnitIndexMbps);
        QCOMPARE(rate->value(), 800);   // not cut to the percent maximum
        QCOMPARE(outUnits->currentIndex(), UnitIndexMbps);
        QCOMPARE(outUnits->styleSheet(), Blue);
        QCOMPARE(in<QTableWidget>("inputStatsWidget", "tRes")->verticalHeaderItem(FlowRowRunts)->text(),
                 QString("Runts"));
        languages.removeAll();
        form->retranslate();
        QCOMPARE(child<QPushButton>("bStartXX")->text(), QString("Start B->R"));
        QCOMPARE(direction->itemText(2), QString("Both"));
    }

    // Results drawn while the form holds no settings record (here: after the
    // link was lost) show dashes and read nothing that is not there.
    void resultsWithoutSettingsShowDashes()
    {
        storeResults(runningResults());
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(cell("outputStatsWidget", FlowRowTxFrames, 0), QString("1000"));

        rig->disconnectDevice();
        form->retranslate();   // redraws the results page
        QCOMPARE(child<QLineEdit>("elapsedTime")->text(), QString("-"));
        QCOMPARE(child<QLineEdit>("estimateTime")->text(), QString("-"));
        for (const char *stats : {"outputStatsWidget", "inputStatsWidget"}) {
            QCOMPARE(in<QLineEdit>(stats, "statuslineEdit")->text(), QString("-"));
            for (int row = 0; row < FlowStatsRows; ++row) {
                QCOMPARE(cell(stats, row, 0), QString("-"));
                QCOMPARE(cell(stats, row, 1), QString("-"));
            }
        }
        // Nothing to apply into: nothing is sent, the edit stays marked.
        auto *rate = in<QSpinBox>("outputSettingsWidget", "sRate");
        QSignalSpy sent(form, &TestForm::sendSettings);
        rate->setValue(77);
        child<QPushButton>("bApply")->setEnabled(true);   // an edit made before the link was lost
        const QStringList boxes = boxTextsWhile([&] { child<QPushButton>("bApply")->click(); });
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(saysNothingApplied(boxes.at(0)), qPrintable(boxes.at(0)));
        QCOMPARE(sent.count(), 0);
        QVERIFY(rig->connectDevice());
    }

    void invalidResultsShowDashes()
    {
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        for (int row = 0; row < FlowStatsRows; ++row)
            QCOMPARE(cell("inputStatsWidget", row, 0), QString("-"));
        QCOMPARE(child<QLineEdit>("elapsedTime")->text(), QString("-"));
        QTRY_VERIFY_WITH_TIMEOUT(!child<QPushButton>("saveReportButton")->isEnabled(), EventuallyMs);
    }

    // The simulated tester runs the test from its own defaults.
    void realisticTesterRunsTheTest()
    {
        rig->tester([](SimRemoteResponder &r) {
            r.realistic = true;
            r.settings.remove(SimRemoteResponder::key(PortA, TestAsymTraffic));
            r.results.remove(SimRemoteResponder::key(PortA, TestAsymTraffic));
        });
        reload();
        QCOMPARE(child<QComboBox>("dirComboBox")->currentIndex(), int(DirectionBoth));
        QCOMPARE(in<QSpinBox>("inputSettingsWidget", "sLen")->value(), 512);
        child<QPushButton>("bStartXX")->click();
        QTRY_VERIFY_WITH_TIMEOUT(cell("outputStatsWidget", FlowRowTxFrames, 0).toLongLong() > 0, EventuallyMs);
        QTRY_VERIFY_WITH_TIMEOUT(cell("inputStatsWidget", FlowRowTxFrames, 0).toLongLong() > 0, EventuallyMs);
        QCOMPARE(in<QLineEdit>("outputStatsWidget", "statuslineEdit")->text(), QString("Running"));
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        child<QPushButton>("bStop")->click();
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStartXX")->isEnabled(), EventuallyMs);
        rig->tester([](SimRemoteResponder &r) { r.realistic = false; });
    }

    // Every text fits in Russian, English and German, with the largest
    // counters and the longest status text on show.
    void textsFit()
    {
        asym_results_t big;
        memset(&big, 0, sizeof big);
        big.startTime = 0;
        big.currentTime = 359999;   // 99:59:59
        big.duration = 86399;
        big.status = StatusIncompatibleFw;
        for (flow_stats_t *f : {&big.output, &big.input}) {
            f->txFrames = f->rxFrames = f->rate = f->pdv = 0xFFFFFFFFu;
            f->runts = f->jabber = f->crcErrors = f->pause = 0xFFFFFFFFu;
        }
        asym_settings_t s = fixture();
        s.output.packetLength = 9600;
        s.duration = 86399;
        storeOnTester(s);
        storeResults(big);
        reload();
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(cell("outputStatsWidget", FlowRowTxBytes, 0), QString("41231686032000"));

        form->show();
        const QStringList cut = formTextFit(form, [this] { form->retranslate(); }, QStringLiteral("asym"));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }
};

QTEST_MAIN(TestAsymTrafficForm)
#include "tst_asymtrafficform.moc"
