// The traffic form driven through its real widgets, offscreen, against the
// simulated tester over TCP with a real Device in a worker thread.

#include "formrig.h"
#include "formtexts.h"
#include "../support/widgetlookup.h"
#include "trafficform.h"
#include "rateunits.h"
#include "trafficformat.h"
#include "textfit.h"

#include <QCheckBox>
#include <QComboBox>
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

namespace {

using fieldstyle::Black;
using fieldstyle::Blue;

// A settings record whose every field is within the form's ranges, with
// patterns in the bytes the form does not edit.
traffic_settings_t fixture()
{
    traffic_settings_t s;
    memset(&s, 0, sizeof s);
    s.header = headerFixture();
    s.header.qosMode = QosDscp;
    s.reserved1[0] = 0xA1;
    s.reserved1[1] = 0xA2;
    s.rateUnit = RateUnitKbps;
    s.reserved2 = 0xA3;
    s.rate = 5000;
    s.packetLength = 1518;
    s.reserved3[0] = 0xA4;
    s.reserved3[1] = 0xA5;
    s.duration = 3661;
    s.learningInterval = 250;
    s.waitInterval = 0;
    s.flrThreshold = 0.00125f;
    return s;
}

// The largest counts and times the results record holds.
traffic_results_t longestResults(uint8_t status)
{
    traffic_results_t r;
    memset(&r, 0xFF, sizeof r);
    r.startTime = 0;
    r.rxFrames = 0;
    r.status = status;
    return r;
}

} // namespace

class TestTrafficForm : public QObject, private FormUnderTest<TrafficForm>
{
    Q_OBJECT

private:
    QString cell(int row, int column)
    {
        QTableWidgetItem *item = child<QTableWidget>("tRes")->item(row, column);
        return item ? item->text() : QString();
    }

    void storeOnTester(const traffic_settings_t &s, port_t port = PortA)
    {
        rig->tester([&](SimRemoteResponder &r) { r.settingsBlock(port, TestTraffic) = recordBytes(s); });
    }

    // The form re-reads its record (Reset) and is refilled.
    void reload()
    {
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
    }

    // The 0x12 requests of the traffic settings since the last clear.
    QList<QByteArray> sentSettings(port_t port = PortA)
    {
        QList<QByteArray> out;
        for (const QByteArray &r : rig->requestsOf(0x12)) {
            if (r.size() >= 6 && u32At(r, 1) == port && quint8(r.at(5)) == TestTraffic)
                out << r.mid(6);
        }
        return out;
    }

    traffic_settings_t lastSent(port_t port = PortA)
    {
        const QList<QByteArray> sent = sentSettings(port);
        return sent.isEmpty() ? traffic_settings_t{} : recordFrom<traffic_settings_t>(sent.last());
    }

    bool waitForSettingsSent(port_t port = PortA)
    {
        return QTest::qWaitFor([&] { return !sentSettings(port).isEmpty(); }, EventuallyMs);
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
        QVERIFY(resetForm());
    }

    void firstActivationFillsTheForm()
    {
        QCOMPARE(child<QComboBox>("cUnits")->currentIndex(), 1);   // kbps
        QCOMPARE(child<QSpinBox>("sRate")->value(), 5000);          // not clamped
        QCOMPARE(child<QSpinBox>("sRate")->maximum(), 9999);
        QCOMPARE(child<QSpinBox>("sLen")->value(), 1518);
        QCOMPARE(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1));
        QCOMPARE(child<QSpinBox>("sStudy")->value(), 250);
        QCOMPARE(child<QSpinBox>("sInterval")->value(), 0);
        QCOMPARE(child<QDoubleSpinBox>("dsFLR")->value(), 0.00125);
        QCOMPARE(child<QLineEdit>("lIPdst")->text(), QString("172.16.0.9"));
        QCOMPARE(child<QGroupBox>("gTraf")->title(), QString("Traffic test (Port A)"));
        for (const char *name : {"cUnits", "sRate", "dsFLR", "sLen", "tDur", "sStudy", "sInterval"})
            QVERIFY2(form->findChild<QWidget *>(name)->styleSheet() != Blue, name);
    }

    void fixtureRoundTripsUnchanged_data()
    {
        QTest::addColumn<int>("tos");
        QTest::newRow("listed ToS") << int(fixture().header.tos);
        // Bits 4-1 = 1001 have no entry in the ToS box; they went back as
        // 0x01 before.
        QTest::newRow("ToS 0x13, outside the list") << 0x13;
    }
    void fixtureRoundTripsUnchanged()
    {
        QFETCH(int, tos);
        traffic_settings_t s = fixture();
        s.header.tos = uint8_t(tos);
        storeOnTester(s);
        reload();
        rig->sim.clearRequests();
        form->bApplyClicked();
        QVERIFY(waitForSettingsSent());
        QCOMPARE(sentSettings().last().toHex(' '), recordBytes(s).toHex(' '));
    }

    void startTowardsOtherPortRunsAndStops()
    {
        traffic_results_t res;
        memset(&res, 0, sizeof res);
        res.status = StatusRunning;
        res.startTime = 500;
        res.currentTime = 560;
        res.estimatedTime = 3661;
        res.txFrames = 1000;
        res.rxFrames = 990;
        res.runts = 2;
        rig->tester([&](SimRemoteResponder &r) { r.results[SimRemoteResponder::key(PortA, TestTraffic)] = recordBytes(res); });

        QPushButton *start = child<QPushButton>("bStartXY");
        QCOMPARE(start->text(), QString("Start A->B"));
        QVERIFY(start->isEnabled());
        start->click();

        // Settings, topology, start, results, in this order.
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x13; }));
        QList<QByteArray> seq = rig->requests();
        QVERIFY(seq.size() >= 4);
        QCOMPARE(command(seq.at(0)), quint8(0x12));
        QCOMPARE(u32At(seq.at(0), 1), quint32(PortA));
        QCOMPARE(quint8(seq.at(0).at(5)), quint8(TestTraffic));
        QCOMPARE(seq.at(0).mid(6).toHex(' '), recordBytes(fixture()).toHex(' '));
        QCOMPARE(command(seq.at(1)), quint8(0x0A));
        QCOMPARE(u32At(seq.at(1), 1), quint32(PortA));
        QCOMPARE(quint8(seq.at(1).at(5)), quint8(TopologyToOtherPort));
        QCOMPARE(command(seq.at(2)), quint8(0x09));
        QCOMPARE(quint8(seq.at(2).at(1)), quint8(1));
        QCOMPARE(u32At(seq.at(2), 2), quint32(PortA));
        QCOMPARE(quint8(seq.at(2).at(6)), quint8(TestTraffic));
        QCOMPARE(command(seq.at(3)), quint8(0x13));

        // While the traffic bit is set each poll reads the results again.
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(!rig->requestsOf(0x13).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(cell(RowLossFrames, 1), QString("0.01000"), EventuallyMs);
        QCOMPARE(cell(RowRunts, 1), QString("0.00200"));
        QCOMPARE(cell(RowTxFrames, 0), QString("1000"));
        QCOMPARE(child<QLineEdit>("lTestTime")->text(), QString("00:01:00"));
        QCOMPARE(child<QLineEdit>("lTestStatus")->text(), QString("Running"));

        QPushButton *stop = child<QPushButton>("bStop");
        QTRY_VERIFY_WITH_TIMEOUT(stop->isEnabled(), EventuallyMs);
        QVERIFY(!start->isEnabled());
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QVERIFY(!child<QPushButton>("bReset")->isEnabled());
        rig->sim.clearRequests();
        stop->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        const QByteArray stopRequest = rig->requestsOf(0x09).first();
        QCOMPARE(quint8(stopRequest.at(1)), quint8(0));
        QCOMPARE(u32At(stopRequest, 2), quint32(PortA));
        QCOMPARE(quint8(stopRequest.at(6)), quint8(TestTraffic));
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
    }

    void autoDestinationRefusesLoopedStart()
    {
        QPushButton *loop = child<QPushButton>("bStartXX");
        QVERIFY(loop->isEnabled());
        child<QCheckBox>("cIPAuto")->setChecked(true);
        QVERIFY(!loop->isEnabled());
        // The next poll enables it again; the refusal then comes on the click.
        QTRY_VERIFY_WITH_TIMEOUT(loop->isEnabled(), EventuallyMs);

        MessageBoxCloser closer;
        loop->click();
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(closer.seen.at(0).title, QString("Error"));
        QCOMPARE(closer.seen.at(0).text,
                 QString("Cannot start the test for topology A->A,\nbecause \"Auto IP destination\" is set."));
        // The settings went out, with Port B's address as destination...
        QVERIFY(waitForSettingsSent());
        QVERIFY(rig->drain());
        const traffic_settings_t sent = lastSent();
        QCOMPARE(int(sent.header.autoIpDest), 1);
        QCOMPARE(sent.header.ipDest, ipv4(10, 0, 0, 2));
        // ...but no start.
        QVERIFY(rig->requestsOf(0x09).isEmpty());
        QVERIFY(rig->requestsOf(0x0A).isEmpty());

        child<QCheckBox>("cIPAuto")->setChecked(false);
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
        ttl->setValue(99);
        QCOMPARE(ttl->styleSheet(), Blue);

        apply->click();
        QCOMPARE(rate->styleSheet(), Black);
        QCOMPARE(ttl->styleSheet(), Black);
        QVERIFY(!apply->isEnabled());
        QVERIFY(waitForSettingsSent());
        const traffic_settings_t sent = lastSent();
        QCOMPARE(int(sent.rate), 4000);
        QCOMPARE(int(sent.rateUnit), int(RateUnitKbps));
        QCOMPARE(int(sent.header.ttl), 99);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sent.header.reserved1), 3), QByteArray("\x11\x22\x33"));

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
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("shownRate");
        QTest::addColumn<bool>("unitMarked");
        QTest::addColumn<bool>("rateMarked");
        QTest::addColumn<int>("pick");
        QTest::addColumn<int>("writtenCode");
        QTest::addColumn<int>("writtenRate");
        QTest::newRow("kbps 5000") << 2 << 5000 << 1 << 5000 << false << false << -1 << 2 << 5000;
        QTest::newRow("percent 100") << 0 << 100 << 0 << 100 << false << false << -1 << 0 << 100;
        QTest::newRow("Mbps 1000") << 3 << 1000 << 2 << 1000 << false << false << -1 << 3 << 1000;
        QTest::newRow("bps shows as percent") << 1 << 50 << 0 << 50 << true << false << -1 << 0 << 50;
        QTest::newRow("bps above 100") << 1 << 5000 << 0 << 100 << true << true << -1 << 0 << 100;
        QTest::newRow("Mbps 5000 is kept") << 3 << 5000 << 2 << 1000 << false << true << -1 << 3 << 5000;
        QTest::newRow("Mbps 5000, kbps picked") << 3 << 5000 << 2 << 1000 << false << true << 1 << 2 << 1000;
        QTest::newRow("unknown unit, rate fits Mbps") << 7 << 500 << 2 << 500 << true << false << -1 << 7 << 500;
        QTest::newRow("unknown unit, rate beyond Mbps")
            << 200 << 5000 << 2 << 1000 << true << true << -1 << 200 << 5000;
        QTest::newRow("unknown unit, kbps picked") << 200 << 5000 << 2 << 1000 << true << true << 1 << 2 << 1000;
        QTest::newRow("unknown unit, percent picked") << 7 << 500 << 2 << 500 << true << false << 0 << 0 << 100;
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
        traffic_settings_t s = fixture();
        s.rateUnit = uint8_t(code);
        s.rate = uint16_t(rate);
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
        const traffic_settings_t sent = lastSent();
        QCOMPARE(int(sent.rateUnit), writtenCode);
        QCOMPARE(int(sent.rate), writtenRate);
        if (writtenCode == code && writtenRate == rate)
            QCOMPARE(sentSettings().last().toHex(' '), recordBytes(s).toHex(' '));
        // A unit the operator's list has goes out with a rate within its
        // limits unless the stored rate went back untouched; a kept unit
        // stays marked against the applied record.
        if (rateUnitKnown(sent.rateUnit) && !(writtenCode == code && writtenRate == rate))
            QVERIFY(int(sent.rate) <= rateMaximumForIndex(unitCodeToIndex(sent.rateUnit)));
        QCOMPARE(units->styleSheet(), writtenCode == unitIndexToCode(units->currentIndex()) ? Black : Blue);
    }

    // A duration of a day or more has no time of day: marked, and written
    // back as stored until the operator sets a time.
    void durationOfADayOrMoreStaysMarked()
    {
        auto *duration = child<QTimeEdit>("tDur");
        QCOMPARE(duration->time(), QTime(1, 1, 1));
        QCOMPARE(duration->styleSheet(), Black);
        traffic_settings_t s = fixture();
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
        traffic_settings_t expected = s;
        expected.duration = 600;
        QCOMPARE(sentSettings().last().toHex(' '), recordBytes(expected).toHex(' '));
        QCOMPARE(duration->styleSheet(), Black);

        s.duration = 7322;
        storeOnTester(s);
        reload();
        QCOMPARE(duration->time(), QTime(2, 2, 2));
        QCOMPARE(duration->styleSheet(), Black);
    }

    void applyWithoutRecordSendsNothing()
    {
        auto *rate = child<QSpinBox>("sRate");
        auto *apply = child<QPushButton>("bApply");
        rate->setValue(77);
        QCOMPARE(rate->styleSheet(), Blue);
        QSignalSpy sent(form, &TestForm::sendSettings);
        QSignalSpy started(form, &TestForm::startTest);
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStartXY")->isEnabled(), EventuallyMs);

        rig->disconnectDevice();
        QVERIFY(!rig->device->getTrafficInfo()->getSettings(PortA));
        const QStringList boxes = boxTextsWhile([&] {
            apply->click();
            child<QPushButton>("bStartXY")->click();
        });
        QCOMPARE(boxes.size(), 2);
        QVERIFY2(saysNothingApplied(boxes.at(0)) && saysNotStarted(boxes.at(1)), qPrintable(boxes.join('|')));
        QCOMPARE(sent.count(), 0);
        QCOMPARE(started.count(), 0);
        QCOMPARE(rate->styleSheet(), Blue);
        QVERIFY(apply->isEnabled());

        QVERIFY(rig->connectDevice());
    }

    void portBTitlesAndRequests()
    {
        storeOnTester(fixture(), PortB);
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QGroupBox>("gTraf")->title(), QString("Traffic test (Port B)"));
        QPushButton *loop = child<QPushButton>("bStartXX");
        QPushButton *other = child<QPushButton>("bStartXY");
        QCOMPARE(loop->text(), QString("Start B->B"));
        QCOMPARE(other->text(), QString("Start B->A"));
        // The port change read Port B's record.
        QTRY_COMPARE_WITH_TIMEOUT(child<QSpinBox>("sRate")->value(), 5000, EventuallyMs);

        rig->sim.clearRequests();
        QVERIFY(other->isEnabled());
        other->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x13; }));
        const QList<QByteArray> seq = rig->requests();
        QCOMPARE(command(seq.at(0)), quint8(0x12));
        QCOMPARE(u32At(seq.at(0), 1), quint32(PortB));
        QCOMPARE(command(seq.at(1)), quint8(0x0A));
        QCOMPARE(u32At(seq.at(1), 1), quint32(PortB));
        QCOMPARE(command(seq.at(2)), quint8(0x09));
        QCOMPARE(u32At(seq.at(2), 2), quint32(PortB));
        QCOMPARE(u32At(seq.at(3), 1), quint32(PortB));

        rig->sim.clearRequests();
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        child<QPushButton>("bStop")->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        QCOMPARE(u32At(rig->requestsOf(0x09).first(), 2), quint32(PortB));
    }

    void retranslateKeepsPortTexts()
    {
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        auto *units = child<QComboBox>("cUnits");
        units->setCurrentIndex(2);
        form->retranslate();
        QCOMPARE(child<QGroupBox>("gTraf")->title(), QString("Traffic test (Port B)"));
        QCOMPARE(child<QPushButton>("bStartXX")->text(), QString("Start B->B"));
        QCOMPARE(units->currentIndex(), 2);
        QCOMPARE(units->itemText(0), QString("%"));
        QCOMPARE(child<QTableWidget>("tRes")->verticalHeaderItem(RowRunts)->text(), QString("Runts"));
    }

    void invalidResultsShowDashes()
    {
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 1; });
        QCOMPARE(child<QLineEdit>("lTestStatus")->text(), QString("-"));
        for (int row = 0; row < TrafficResultRows; ++row) {
            QCOMPARE(cell(row, 0), QString("-"));
            QCOMPARE(cell(row, 1), QString("-"));
        }
        QVERIFY(!child<QPushButton>("saveReportButton")->isEnabled());
    }

    // Both pages in the three languages, filled with the largest values the
    // results record holds, once with each status text (the codes of the
    // status table and one beyond it).
    void textsFitWithLongestValues_data()
    {
        QTest::addColumn<int>("status");
        for (int code = 0; code <= StatusIncompatibleFw + 1; ++code)
            QTest::newRow(qPrintable(QStringLiteral("status %1").arg(code))) << code;
    }
    void textsFitWithLongestValues()
    {
        QFETCH(int, status);
        rig->tester([&](SimRemoteResponder &r) {
            r.resultsRecord(PortA, TestTraffic) = recordBytes(longestResults(uint8_t(status)));
        });
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(cell(RowTxBytes, 0), QStringLiteral("18446744073709551615"));
        QStringList reports;
        {
            TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
            reports = textFitInAllLanguages(form, languages, [this] { form->retranslate(); });
        }
        form->retranslate();   // back to English for the other tests
        QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
        QCOMPARE(child<QTabWidget>("tabWidget")->currentIndex(), 0);
    }

    // After a language switch the results on show are drawn again in the new
    // language from the record already held, without asking the tester.
    void languageSwitchRedrawsResults()
    {
        traffic_results_t r = longestResults(StatusNoSync);
        r.rate = 1250000;   // 10 Mbit/s
        rig->tester([&](SimRemoteResponder &t) { t.resultsRecord(PortA, TestTraffic) = recordBytes(r); });
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(child<QLineEdit>("lTestStatus")->text(), QStringLiteral("No sync"));
        QCOMPARE(cell(RowRate, 0), QStringLiteral("10.000 Mbps"));
        rig->sim.clearRequests();

        TextFitLanguages languages({QStringLiteral(":/VyrRemote"), QStringLiteral(":/qt")});
        QVERIFY(languages.use(QStringLiteral("ru")));
        const QString noSync = QCoreApplication::translate("Device", "No sync");
        const QString mbps = QCoreApplication::translate("QApplication", "Mbps");
        QVERIFY(noSync != QLatin1String("No sync"));
        form->retranslate();
        QCOMPARE(child<QLineEdit>("lTestStatus")->text(), noSync);
        QCOMPARE(child<QLineEdit>("lTestStatus")->cursorPosition(), 0);
        QCOMPARE(cell(RowRate, 0), QStringLiteral("10.000 ") + mbps);
        QVERIFY(rig->drain());
        QVERIFY(rig->requestsOf(0x13).isEmpty());

        languages.removeAll();
        form->retranslate();
        QCOMPARE(child<QLineEdit>("lTestStatus")->text(), QStringLiteral("No sync"));
    }
};

QTEST_MAIN(TestTrafficForm)
#include "tst_trafficform.moc"
