// The Y.1564 form driven through its real widgets, offscreen, against the
// simulated tester over TCP with a real Device in a worker thread.

#include "formrig.h"
#include "formtexts.h"
#include "textfit.h"
#include "../support/widgetlookup.h"
#include "rateunits.h"
#include "y1564form.h"
#include "y1564format.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
using fieldstyle::Grey;

// A settings record whose fields are within the form's ranges, with
// patterns in the bytes the form does not edit. Streams 1 and 3 (pages 1
// and 3) are active; page 2 holds a kbps stream with two VLAN tags.
y1564_settings_t fixture()
{
    y1564_settings_t s;
    memset(&s, 0, sizeof s);
    s.flags = Y1564FlagConfigTest | Y1564FlagStepLoad | Y1564FlagPerformanceTest | 0x40;
    s.reserved1[0] = 0xB1;
    s.reserved1[1] = 0xB2;
    s.reserved1[2] = 0xB3;
    s.duration = 3661;
    s.testStep = 7;
    s.direction = Y1564DirectionOutput;
    s.learningInterval = 250;
    s.waitInterval = 120;
    s.reserved2[0] = 0xB4;
    s.reserved2[1] = 0xB5;
    for (int i = 0; i < Y1564Streams; ++i) {
        y1564_stream_settings_t &t = s.streams[i];
        t.active = i % 2 == 0 ? 1 : 0;
        t.reserved1 = uint8_t(0xC0 + i);
        t.packetLength = uint16_t(1518 - 100 * i);
        header_settings_t &h = t.header;
        h.reserved1[0] = 0x11;
        h.ipDest = ipv4(172, 16, 0, 9 + i);
        const uint8_t mac[6] = {0x02, 0x00, 0x5e, 0x10, 0x20, uint8_t(0x30 + i)};
        memcpy(h.macDest, mac, 6);
        h.qosMode = QosDscp;
        h.tos = uint8_t(3 << 5 | 2 << 1 | 1);
        h.ttl = 64;
        h.dscp = uint8_t(10 << 2);
        h.reserved2 = 0x44;
        h.udpSrc = uint16_t(1234 + i);
        h.udpDst = 4321;
        h.level3 = 1;
        h.level4 = 1;
        t.reserved2[0] = 0xD1;
        t.reserved2[1] = 0xD2;
        t.reserved3 = 0xD3;
        t.reserved4 = 0xD4;
        t.tpid[0] = 0x88A8;
        t.tpid[1] = 0x8100;
        t.tpid[2] = 0x9100;
        t.tagControl[0] = y1564TagControl(7, 4095);
        t.tagControl[1] = y1564TagControl(1, 5);
        t.tagControl[2] = y1564TagControl(0, 1);
        t.reserved5[0] = 0xD5;
        t.reserved5[2] = 0xD7;
        t.flr = 0.001f;
        t.ftd = 1500000;
        t.avail = 0.9999f;
        t.fdv = 250000;
    }
    y1564_stream_settings_t &p0 = s.streams[0];
    p0.rateUnit = RateUnitPercent;
    p0.cir = 12.5f;
    p0.eir = 5.0f;
    p0.m = 1.5f;
    y1564_stream_settings_t &p1 = s.streams[1];
    p1.rateUnit = RateUnitKbps;
    p1.cir = 5000.0f;
    p1.eir = 1000.0f;
    p1.m = 500.0f;
    p1.vlanOn = 1;
    p1.vlanCount = 2;
    y1564_stream_settings_t &p2 = s.streams[2];
    p2.rateUnit = RateUnitMbps;
    p2.cir = 123.456f;
    p2.eir = 0.5f;
    p2.m = 0.001f;
    p2.vlanOn = 1;
    p2.vlanCount = 3;
    y1564_stream_settings_t &p3 = s.streams[3];
    p3.rateUnit = RateUnitPercent;
    p3.cir = 100.0f;
    p3.eir = 0.001f;
    p3.m = 0.001f;
    return s;
}

// Results for stream 1: a configuration test at step 3 and a finished
// performance test.
y1564_results_t resultsFixture()
{
    y1564_results_t r;
    memset(&r, 0, sizeof r);
    r.startTime = 1000;
    r.currentTime = 1060;
    r.plannedDuration = 3661;
    r.currentStep = 3;
    r.performanceStatus = StatusOk;
    r.stepStatus[1] = StatusRxTx;
    for (int c = 0; c < Y1564ConfigSteps; ++c) {
        y1564_result_entry_t &e = r.config[c][0];
        e.irMin = 123456789;
        e.irAvg = 124000000;
        e.irMax = 125000000;
        e.ftdMin = 1500;
        e.ftdAvg = 2500;
        e.ftdMax = 1500000;
        e.fdvMin = 10;
        e.fdvAvg = 20;
        e.fdvMax = 30;
        e.frameLoss = 5;
        e.frames = 100;
    }
    r.config[1][0].frameLoss = 0xFFFFFFFEu;
    r.config[2][0].failures = Y1564FailFtd;
    y1564_result_entry_t &p = r.performance[0];
    p.failures = Y1564FailAvail;
    p.irMin = 123456789;
    p.irAvg = 123456789;
    p.irMax = 123456789;
    p.frameLoss = 3;
    p.frames = 1000000;
    p.available = 3599;
    p.unavailable = 1;
    r.performance[2].frameLoss = 77;
    r.performance[2].frames = 1000;
    return r;
}

QByteArray bytes(const y1564_settings_t &s)
{
    return recordBytes(s).toHex(' ');
}

} // namespace

class TestY1564Form : public QObject, private FormUnderTest<Y1564Form>
{
    Q_OBJECT

private:
    QString cell(const char *table, int row, int column)
    {
        return cellText(child<QTableWidget>(table), row, column);
    }

    void storeOnTester(const y1564_settings_t &s) { rig->storeSettings(PortA, TestY1564, recordBytes(s)); }
    void storeResults(const y1564_results_t &r) { rig->storeResults(PortA, TestY1564, recordBytes(r)); }

    // The form re-reads its record (Reset) and is refilled.
    void reload()
    {
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
    }

    // Settings and results read again, as on every activation.
    void reactivate()
    {
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
    }

    void showPage(int page)
    {
        child<QSpinBox>("sStreamNum")->setValue(page);
    }

    y1564_settings_t lastSent()
    {
        const QList<QByteArray> sent = rig->sentSettings(PortA, TestY1564);
        return sent.isEmpty() ? y1564_settings_t{} : recordFrom<y1564_settings_t>(sent.last());
    }

    bool waitForSettingsSent() { return rig->waitForSettingsSent(PortA, TestY1564); }

    y1564_settings_t applied()
    {
        rig->sim.clearRequests();
        form->bApplyClicked();
        if (!waitForSettingsSent())
            qWarning("no settings sent");
        return lastSent();
    }

    void useLanguage(TextFitLanguages &languages, const char *language)
    {
        QVERIFY(languages.use(QLatin1String(language)));
        form->retranslate();
    }

private slots:
    void initTestCase()
    {
        loadFormResources();
        QVERIFY(startForm(QSize(1100, 760), [this](FormRig &) {
            rig->setPortAddress(PortB, ipv4(10, 0, 0, 2));
            storeOnTester(fixture());
        }));

        // The first fill marks nothing edited, not even after the polls
        // that recompute the buttons.
        reactivate();
        QCOMPARE(child<QDoubleSpinBox>("dsCIR")->value(), 12.5);
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    void cleanupTestCase() { stopForm(); }

    void init()
    {
        rig->device->setCurrentProcess(PortA);
        storeOnTester(fixture());
        rig->tester([](SimRemoteResponder &r) {
            for (auto &p : r.status.process)
                p.tx = p.rx = 0;
            r.resultsValid = 1;
        });
        storeResults(resultsFixture());
        showPage(1);
        child<QSpinBox>("sStreamRes")->setValue(1);
        reactivate();
        reload();
        // A clean start: the record as stored, nothing left edited.
        form->bApplyClicked();
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
    }

    void firstFillShowsTheRecord()
    {
        QCOMPARE(child<QGroupBox>("gY1564")->title(), QString("Y1564 test (Port A)"));
        QVERIFY(child<QCheckBox>("cActiveStream")->isChecked());
        QCOMPARE(child<QSpinBox>("sPackLength")->value(), 1518);
        QCOMPARE(child<QComboBox>("cUnits")->currentIndex(), 0);
        QCOMPARE(child<QDoubleSpinBox>("dsCIR")->value(), 12.5);
        QCOMPARE(child<QDoubleSpinBox>("dsEIR")->value(), 5.0);
        QCOMPARE(child<QDoubleSpinBox>("dsM")->value(), 1.5);
        QCOMPARE(child<QDoubleSpinBox>("dsFLR")->text(), QString("0.00100"));
        QCOMPARE(child<QDoubleSpinBox>("dsFTD")->text(), QString("1.5000"));
        QCOMPARE(child<QDoubleSpinBox>("dsFDV")->text(), QString("0.2500"));
        QCOMPARE(child<QDoubleSpinBox>("dsAVAIL")->text(), QString("99.99000"));
        QCOMPARE(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1));
        QCOMPARE(child<QTimeEdit>("tDur")->text(), QString("01:01:01"));
        QVERIFY(child<QRadioButton>("rbOutput")->isChecked());
        QCOMPARE(child<QSpinBox>("sLearnInt")->value(), 250);
        QCOMPARE(child<QSpinBox>("sWaitInt")->value(), 120);
        QCOMPARE(child<QSpinBox>("sTestStep")->value(), 7);
        QVERIFY(child<QCheckBox>("cConfTest")->isChecked());
        QVERIFY(child<QCheckBox>("cStepLoad")->isChecked());
        QVERIFY(!child<QCheckBox>("cPolicy")->isChecked());
        QVERIFY(child<QCheckBox>("cPerformTest")->isChecked());
        QCOMPARE(child<QLineEdit>("lIPdst")->text(), QString("172.16.0.9"));
        // No VLAN tags on this stream: every row out of use.
        QVERIFY(!child<QGroupBox>("gVLAN")->isChecked());
        for (const char *name : {"lTPID1", "sPCP1", "sVID3"}) {
            QVERIFY2(!form->findChild<QWidget *>(name)->isEnabled(), name);
            QCOMPARE(form->findChild<QWidget *>(name)->styleSheet(), Grey);
        }
        for (const char *name : {"cActiveStream", "sPackLength", "cUnits", "dsCIR", "dsEIR", "dsM", "dsFLR", "dsFTD",
                                 "dsFDV", "dsAVAIL", "tDur", "sLearnInt", "sWaitInt", "sTestStep", "sVLAN"})
            QCOMPARE(form->findChild<QWidget *>(name)->styleSheet(), Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QVERIFY(!child<QPushButton>("bSyncStart")->isVisibleTo(form));
        QVERIFY(!child<QPushButton>("bSyncStop")->isVisibleTo(form));
    }

    void secondStreamShowsItsUnitAndTags()
    {
        showPage(2);
        QCOMPARE(child<QComboBox>("cUnits")->currentIndex(), 1);     // kbps
        QCOMPARE(child<QDoubleSpinBox>("dsCIR")->value(), 5000.0);   // not clamped to percent
        QCOMPARE(child<QDoubleSpinBox>("dsCIR")->maximum(), 10000.0);
        QCOMPARE(child<QDoubleSpinBox>("dsCIR")->singleStep(), 1.0);
        QCOMPARE(child<QSpinBox>("sPackLength")->value(), 1418);
        QVERIFY(!child<QCheckBox>("cActiveStream")->isChecked());
        QVERIFY(child<QGroupBox>("gVLAN")->isChecked());
        QCOMPARE(child<QSpinBox>("sVLAN")->value(), 2);
        // The record's TPIDs, not the defaults of a count of two.
        QCOMPARE(child<QLineEdit>("lTPID1")->text(), QString("88a8"));
        QCOMPARE(child<QLineEdit>("lTPID2")->text(), QString("8100"));
        QCOMPARE(child<QSpinBox>("sPCP1")->value(), 7);
        QCOMPARE(child<QSpinBox>("sVID1")->value(), 4095);
        QCOMPARE(child<QSpinBox>("sPCP2")->value(), 1);
        QCOMPARE(child<QSpinBox>("sVID2")->value(), 5);
        QVERIFY(child<QLineEdit>("lTPID2")->isEnabled());
        QCOMPARE(child<QLineEdit>("lTPID2")->styleSheet(), Black);
        QVERIFY(!child<QLineEdit>("lTPID3")->isEnabled());
        QCOMPARE(child<QLineEdit>("lTPID3")->styleSheet(), Grey);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    void applyRoundTripsTheRecord_data()
    {
        QTest::addColumn<int>("page");
        for (int page = 1; page <= 4; ++page)
            QTest::addRow("stream page %d", page) << page;
    }
    void applyRoundTripsTheRecord()
    {
        QFETCH(int, page);
        showPage(page);
        QCOMPARE(bytes(applied()), bytes(fixture()));
    }

    void startTowardsOtherPortSendsSettingsTopologyAndStart()
    {
        QPushButton *start = child<QPushButton>("bStartXY");
        QCOMPARE(start->text(), QString("Start A->B"));
        QVERIFY(start->isEnabled());
        start->click();

        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x13; }));
        const QList<QByteArray> seq = rig->requests();
        QVERIFY(seq.size() >= 4);
        QCOMPARE(command(seq.at(0)), quint8(0x12));
        QCOMPARE(u32At(seq.at(0), 1), quint32(PortA));
        QCOMPARE(quint8(seq.at(0).at(5)), quint8(TestY1564));
        QCOMPARE(seq.at(0).size(), 6 + 336);
        QCOMPARE(seq.at(0).mid(6).toHex(' '), bytes(fixture()));
        QCOMPARE(command(seq.at(1)), quint8(0x0A));
        QCOMPARE(u32At(seq.at(1), 1), quint32(PortA));
        QCOMPARE(quint8(seq.at(1).at(5)), quint8(TopologyToOtherPort));
        QCOMPARE(command(seq.at(2)), quint8(0x09));
        QCOMPARE(quint8(seq.at(2).at(1)), quint8(1));
        QCOMPARE(u32At(seq.at(2), 2), quint32(PortA));
        QCOMPARE(quint8(seq.at(2).at(6)), quint8(TestY1564));
        QCOMPARE(command(seq.at(3)), quint8(0x13));
        QCOMPARE(quint8(seq.at(3).at(5)), quint8(TestY1564));

        QPushButton *stop = child<QPushButton>("bStop");
        QTRY_VERIFY_WITH_TIMEOUT(stop->isEnabled(), EventuallyMs);
        rig->sim.clearRequests();
        stop->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        const QByteArray stopRequest = rig->requestsOf(0x09).first();
        QCOMPARE(quint8(stopRequest.at(1)), quint8(0));
        QCOMPARE(quint8(stopRequest.at(6)), quint8(TestY1564));
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
    }

    // A language switch between fill and Apply changes nothing in the record:
    // the unit on show, its limits and the rates stay.
    void roundTripAcrossLanguageSwitch()
    {
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        showPage(2);
        useLanguage(languages, "ru");
        auto *units = child<QComboBox>("cUnits");
        QCOMPARE(units->currentIndex(), 1);
        QCOMPARE(units->itemText(1), QString::fromUtf8("кбит/с"));
        QCOMPARE(child<QDoubleSpinBox>("dsCIR")->value(), 5000.0);
        QCOMPARE(child<QDoubleSpinBox>("dsCIR")->maximum(), 10000.0);
        QCOMPARE(units->styleSheet(), Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(bytes(applied()), bytes(fixture()));

        // An edit made before the switch survives it too.
        units->setCurrentIndex(2);                      // Mbps: CIR clamps to 1000
        QCOMPARE(child<QDoubleSpinBox>("dsCIR")->value(), 1000.0);
        useLanguage(languages, "de");
        QCOMPARE(units->currentIndex(), 2);
        QCOMPARE(child<QDoubleSpinBox>("dsCIR")->value(), 1000.0);
        QCOMPARE(units->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        useLanguage(languages, "en");
        const y1564_settings_t sent = applied();
        QCOMPARE(int(sent.streams[1].rateUnit), int(RateUnitMbps));
        QCOMPARE(sent.streams[1].cir, 1000.0f);
    }

    void editsTurnBlueAndApplyWritesOnlyTheStreamOnDisplay()
    {
        showPage(2);
        auto *cir = child<QDoubleSpinBox>("dsCIR");
        auto *length = child<QSpinBox>("sPackLength");
        auto *apply = child<QPushButton>("bApply");
        cir->setValue(4000);
        QCOMPARE(cir->styleSheet(), Blue);
        QVERIFY(apply->isEnabled());
        length->setValue(1000);
        child<QSpinBox>("sPCP1")->setValue(3);
        child<QSpinBox>("sVID1")->setValue(100);
        typeInto(child<QLineEdit>("lTPID2"), QStringLiteral("88A8"));
        QCOMPARE(child<QLineEdit>("lTPID2")->styleSheet(), Blue);
        child<QDoubleSpinBox>("dsFTD")->setValue(0.0003);
        child<QDoubleSpinBox>("dsAVAIL")->setValue(100);
        child<QCheckBox>("cPolicy")->setChecked(true);
        QCOMPARE(child<QCheckBox>("cPolicy")->styleSheet(), Blue);
        child<QRadioButton>("rbBoth")->setChecked(true);

        apply->click();
        QVERIFY(waitForSettingsSent());
        const y1564_settings_t sent = lastSent();
        y1564_settings_t expected = fixture();
        y1564_stream_settings_t &s = expected.streams[1];
        s.cir = 4000.0f;
        s.packetLength = 1000;
        s.tagControl[0] = uint16_t(3 << 13 | 100);
        s.tpid[1] = 0x88A8;
        s.ftd = 300;
        s.avail = 1.0f;
        expected.flags |= Y1564FlagPolicy;
        expected.direction = Y1564DirectionBoth;
        QCOMPARE(bytes(sent), bytes(expected));

        for (const char *name : {"dsCIR", "sPackLength", "cPolicy", "dsFTD", "dsAVAIL"})
            QCOMPARE(form->findChild<QWidget *>(name)->styleSheet(), Black);
        QVERIFY(!apply->isEnabled());
        // The applied values are the new reference.
        cir->setValue(3999);
        QCOMPARE(cir->styleSheet(), Blue);
        cir->setValue(4000);
        QCOMPARE(cir->styleSheet(), Black);
    }

    void directionFromTheButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("direction");
        QTest::newRow("both") << "rbBoth" << 3;
        QTest::newRow("input") << "rbInput" << 2;
        QTest::newRow("output") << "rbOutput" << 1;
    }
    void directionFromTheButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, direction);
        child<QRadioButton>(qPrintable(button))->setChecked(true);
        QCOMPARE(int(applied().direction), direction);
    }

    void vlanCountChangeWritesDefaultTpids()
    {
        auto *count = child<QSpinBox>("sVLAN");
        child<QGroupBox>("gVLAN")->setChecked(true);
        count->setValue(2);
        QCOMPARE(count->styleSheet(), Blue);
        QCOMPARE(child<QLineEdit>("lTPID1")->text(), QString("9100"));
        QCOMPARE(child<QLineEdit>("lTPID2")->text(), QString("8100"));
        QCOMPARE(child<QLineEdit>("lTPID3")->text(), QString("9100"));   // the record's, untouched
        QVERIFY(child<QLineEdit>("lTPID1")->isEnabled());
        QVERIFY(child<QSpinBox>("sVID2")->isEnabled());
        QCOMPARE(child<QLineEdit>("lTPID1")->styleSheet(), Black);
        QVERIFY(!child<QLineEdit>("lTPID3")->isEnabled());
        QCOMPARE(child<QSpinBox>("sVID3")->styleSheet(), Grey);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());

        const y1564_settings_t two = applied();
        QCOMPARE(int(two.streams[0].vlanOn), 1);
        QCOMPARE(int(two.streams[0].vlanCount), 2);
        QCOMPARE(uint(two.streams[0].tpid[0]), 0x9100u);
        QCOMPARE(uint(two.streams[0].tpid[1]), 0x8100u);
        QCOMPARE(uint(two.streams[0].tpid[2]), 0x9100u);
        QCOMPARE(count->styleSheet(), Black);

        count->setValue(3);
        for (const char *name : {"lTPID1", "lTPID2", "lTPID3"})
            QCOMPARE(child<QLineEdit>(name)->text(), QString("8100"));
        const y1564_settings_t three = applied();
        QCOMPARE(int(three.streams[0].vlanCount), 3);
        for (uint16_t tpid : three.streams[0].tpid)
            QCOMPARE(uint(tpid), 0x8100u);
    }

    // A tag the operator did not touch keeps its whole word, bit 12 (DEI)
    // included; an edited tag is built from PCP and VID alone.
    void vlanTagControl()
    {
        y1564_settings_t s = fixture();
        s.streams[1].tagControl[0] = 0x1005;   // bit 12 set
        s.streams[1].tagControl[1] = 0x1005;
        storeOnTester(s);
        reload();
        showPage(2);
        QCOMPARE(child<QSpinBox>("sPCP2")->value(), 0);
        QCOMPARE(child<QSpinBox>("sVID2")->value(), 5);
        QCOMPARE(child<QSpinBox>("sPCP2")->styleSheet(), Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(bytes(applied()), bytes(s));

        // The second tag edited and set back: as stored again.
        child<QSpinBox>("sVID2")->setValue(6);
        child<QSpinBox>("sVID2")->setValue(5);
        child<QSpinBox>("sPCP1")->setValue(7);
        const y1564_settings_t sent = applied();
        QCOMPARE(uint(sent.streams[1].tagControl[0]), 0xE005u);
        QCOMPARE(uint(sent.streams[1].tagControl[1]), 0x1005u);
    }

    // Every PCP, VID and TPID field of a stream with three tags: an edit
    // marks it and enables Apply, the stored value again takes the mark away.
    void vlanTagFieldsAreMarked_data()
    {
        QTest::addColumn<QString>("field");
        for (const char *name : {"lTPID1", "lTPID2", "lTPID3", "sPCP1", "sPCP2", "sPCP3", "sVID1", "sVID2", "sVID3"})
            QTest::newRow(name) << QString(name);
    }
    void vlanTagFieldsAreMarked()
    {
        QFETCH(QString, field);
        showPage(3);
        QCOMPARE(child<QSpinBox>("sVLAN")->value(), 3);
        auto *apply = child<QPushButton>("bApply");
        QVERIFY(!apply->isEnabled());
        QWidget *w = form->findChild<QWidget *>(field);
        QVERIFY(w);
        QVERIFY(w->isEnabled());
        QCOMPARE(w->styleSheet(), Black);
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            const QString stored = edit->text();
            typeInto(edit, stored == QLatin1String("88a8") ? QStringLiteral("9100") : QStringLiteral("88a8"));
            QCOMPARE(edit->styleSheet(), Blue);
            QVERIFY(apply->isEnabled());
            typeInto(edit, stored);
            QCOMPARE(edit->styleSheet(), Black);
        } else {
            auto *box = qobject_cast<QSpinBox *>(w);
            QVERIFY(box);
            const int stored = box->value();
            box->setValue(stored == box->minimum() ? stored + 1 : stored - 1);
            QCOMPARE(box->styleSheet(), Blue);
            QVERIFY(apply->isEnabled());
            box->setValue(stored);
            QCOMPARE(box->styleSheet(), Black);
        }
        QCOMPARE(bytes(applied()), bytes(fixture()));
    }

    void specialVlanToggleIsTracked()
    {
        auto *group = child<QGroupBox>("gVLAN");
        auto *apply = child<QPushButton>("bApply");
        QVERIFY(!apply->isEnabled());
        group->setChecked(true);
        QVERIFY(apply->isEnabled());
        QVERIFY(group->styleSheet().contains("#0000ff"));
        // Only the title is marked, not the fields inside the group.
        QVERIFY(group->styleSheet().startsWith("QGroupBox#gVLAN"));
        group->setChecked(false);
        QVERIFY(group->styleSheet().contains("#000000"));
        group->setChecked(true);
        QCOMPARE(int(applied().streams[0].vlanOn), 1);
        QVERIFY(group->styleSheet().contains("#000000"));
    }

    // Filling shows the record without running the form's own change slots:
    // a stored VLAN count keeps the record's TPIDs, and nothing is marked.
    void fillRunsNoChangeHandlers()
    {
        y1564_settings_t s = fixture();
        s.streams[0].vlanOn = 1;
        s.streams[0].vlanCount = 2;
        s.streams[0].tpid[0] = 0x88A8;
        s.streams[0].tpid[1] = 0x88A8;
        storeOnTester(s);
        reload();
        QCOMPARE(child<QLineEdit>("lTPID1")->text(), QString("88a8"));
        QCOMPARE(child<QLineEdit>("lTPID2")->text(), QString("88a8"));
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(bytes(applied()), bytes(s));

        // Switching stream pages back and forth is no edit either.
        showPage(3);
        showPage(1);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    void streamPageDropsUnappliedEdits()
    {
        auto *cir = child<QDoubleSpinBox>("dsCIR");
        cir->setValue(77);
        QCOMPARE(cir->styleSheet(), Blue);
        showPage(2);
        QCOMPARE(cir->value(), 5000.0);
        QCOMPARE(cir->styleSheet(), Black);
        showPage(1);
        QCOMPARE(cir->value(), 12.5);
        QCOMPARE(bytes(applied()), bytes(fixture()));
    }

    void unitSwitchClampsWithoutConversion()
    {
        showPage(2);
        auto *units = child<QComboBox>("cUnits");
        auto *cir = child<QDoubleSpinBox>("dsCIR");
        units->setCurrentIndex(0);
        QCOMPARE(units->styleSheet(), Blue);
        QCOMPARE(cir->value(), 100.0);
        QCOMPARE(cir->maximum(), 100.0);
        QCOMPARE(cir->singleStep(), 0.001);
        QCOMPARE(cir->styleSheet(), Blue);
        units->setCurrentIndex(1);                 // back: black, the value stays clamped
        QCOMPARE(units->styleSheet(), Black);
        QCOMPARE(cir->value(), 100.0);
        units->setCurrentIndex(0);
        const y1564_settings_t sent = applied();
        QCOMPARE(int(sent.streams[1].rateUnit), int(RateUnitPercent));
        QCOMPARE(sent.streams[1].cir, 100.0f);
        QCOMPARE(sent.streams[1].eir, 100.0f);
    }

    // Values the widgets cannot show are shown as something sensible, marked,
    // and written back unchanged while the operator leaves them alone.
    void valuesTheFormCannotShow()
    {
        y1564_settings_t s = fixture();
        y1564_stream_settings_t &t = s.streams[0];
        t.cir = std::numeric_limits<float>::quiet_NaN();
        t.eir = std::numeric_limits<float>::infinity();
        t.rateUnit = 7;
        t.vlanOn = 1;
        t.vlanCount = 9;
        t.packetLength = 10000;
        t.ftd = 123;
        t.active = 5;
        s.direction = 0;
        s.duration = 90000;
        s.testStep = 0;
        s.learningInterval = 0xFFFF;
        storeOnTester(s);
        reload();

        QCOMPARE(child<QComboBox>("cUnits")->currentIndex(), 0);
        QCOMPARE(child<QComboBox>("cUnits")->styleSheet(), Blue);
        QCOMPARE(child<QDoubleSpinBox>("dsCIR")->value(), 0.001);
        QCOMPARE(child<QDoubleSpinBox>("dsCIR")->styleSheet(), Blue);
        QCOMPARE(child<QDoubleSpinBox>("dsEIR")->value(), 100.0);
        QCOMPARE(child<QSpinBox>("sVLAN")->value(), 3);
        QCOMPARE(child<QSpinBox>("sVLAN")->styleSheet(), Blue);
        for (const char *name : {"lTPID1", "lTPID2", "lTPID3"})
            QVERIFY2(child<QLineEdit>(name)->isEnabled(), name);
        QCOMPARE(child<QSpinBox>("sPackLength")->value(), 9600);
        QCOMPARE(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1));   // kept from the last fill
        QCOMPARE(child<QTimeEdit>("tDur")->styleSheet(), Blue);
        QVERIFY(child<QRadioButton>("rbOutput")->isChecked());        // kept from the last fill
        QVERIFY(child<QPushButton>("bApply")->isEnabled());

        // Untouched, everything goes back as the tester sent it (the active
        // flag as 0 or 1).
        y1564_settings_t expected = s;
        expected.streams[0].active = 1;
        QCOMPARE(bytes(applied()), bytes(expected));

        // Once edited, a field is written as shown.
        child<QDoubleSpinBox>("dsCIR")->setValue(50);
        child<QTimeEdit>("tDur")->setTime(QTime(0, 0, 30));
        const y1564_settings_t edited = applied();
        QCOMPARE(edited.streams[0].cir, 50.0f);
        QCOMPARE(edited.duration, 30u);
        // The rate typed is a percent value: it goes out as percent, and the
        // other rates as they show in it.
        QCOMPARE(int(edited.streams[0].rateUnit), int(RateUnitPercent));
        QCOMPARE(edited.streams[0].eir, 100.0f);

        // After that apply the editors compare with the applied record: the
        // time and the direction the fill had left are edits now.
        child<QTimeEdit>("tDur")->setTime(QTime(1, 1, 1));
        child<QRadioButton>("rbBoth")->setChecked(true);
        QCOMPARE(int(applied().direction), int(Y1564DirectionBoth));
        child<QRadioButton>("rbOutput")->setChecked(true);
        const y1564_settings_t back = applied();
        QCOMPARE(back.duration, 3661u);
        QCOMPARE(int(back.direction), int(Y1564DirectionOutput));
    }

    // A stream stored in a unit the list cannot show (bps, an unknown code)
    // shows its rates as percent. Untouched it goes back as stored; an
    // edited rate is a percent value and goes out under the percent code,
    // with all three rates as they show. A unit the list shows keeps the
    // rates the operator left alone.
    void rateEditedUnderAUnitTheListCannotShow_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("box");   // empty: nothing edited
        QTest::addColumn<int>("written");
        QTest::addColumn<bool>("allAsShown");
        QTest::newRow("bps untouched") << int(RateUnitBps) << QString() << int(RateUnitBps) << false;
        QTest::newRow("bps, CIR edited") << int(RateUnitBps) << "dsCIR" << int(RateUnitPercent) << true;
        QTest::newRow("bps, EIR edited") << int(RateUnitBps) << "dsEIR" << int(RateUnitPercent) << true;
        QTest::newRow("bps, M edited") << int(RateUnitBps) << "dsM" << int(RateUnitPercent) << true;
        QTest::newRow("code 9, CIR edited") << 9 << "dsCIR" << int(RateUnitPercent) << true;
        QTest::newRow("percent, CIR edited") << int(RateUnitPercent) << "dsCIR" << int(RateUnitPercent) << false;
    }
    void rateEditedUnderAUnitTheListCannotShow()
    {
        QFETCH(int, unit);
        QFETCH(QString, box);
        QFETCH(int, written);
        QFETCH(bool, allAsShown);
        y1564_settings_t s = fixture();
        y1564_stream_settings_t &t = s.streams[0];
        t.rateUnit = uint8_t(unit);
        t.cir = 2000000.0f;   // beyond percent: shows 100
        t.eir = 64.125f;      // more decimals than the box
        t.m = 500000.0f;
        storeOnTester(s);
        reload();
        showPage(1);
        QCOMPARE(child<QComboBox>("cUnits")->currentIndex(), 0);
        if (!box.isEmpty())
            child<QDoubleSpinBox>(qPrintable(box))->setValue(42.5);
        const y1564_stream_settings_t sent = applied().streams[0];
        QCOMPARE(int(sent.rateUnit), written);
        const struct {
            const char *box;
            float stored;
            float sent;
        } rates[] = {{"dsCIR", t.cir, sent.cir}, {"dsEIR", t.eir, sent.eir}, {"dsM", t.m, sent.m}};
        for (const auto &r : rates) {
            const float shown = float(child<QDoubleSpinBox>(r.box)->value());
            const bool edited = box == QLatin1String(r.box);
            QVERIFY2(r.sent == (edited || allAsShown ? shown : r.stored), r.box);
        }
    }

    void resultsFillBothTables()
    {
        QCOMPARE(child<QLineEdit>("lTestTime")->text(), QString("00:01:00"));
        QCOMPARE(child<QLineEdit>("lPassTime")->text(), QString("01:00:01"));
        // Configuration test, stream 1: steps 0 to 2 done, 3 running.
        QCOMPARE(cell("tRate", 0, 0), QString("OK"));
        QCOMPARE(cell("tRate", 0, 1), QString("123.457 Mbps"));
        QCOMPARE(cell("tRate", 0, 2), QString("124.000 Mbps"));
        QCOMPARE(cell("tRate", 0, 3), QString("125.000 Mbps"));
        QCOMPARE(cell("tStreams", 0, 1), QString("5"));
        QCOMPARE(cell("tStreams", 0, 2), QString("0.05000"));
        QCOMPARE(cell("tStreams", 1, 0), QString("RxTx"));
        QCOMPARE(cell("tStreams", 1, 1), QString("2"));          // 0xFFFFFFFE with status 9
        QCOMPARE(cell("tDelay", 2, 0), QString("Error"));
        QCOMPARE(cell("tRate", 2, 0), QString("OK"));
        QCOMPARE(cell("tDelay", 2, 3), QString("1.500 ms"));
        QCOMPARE(cell("tJitter", 2, 1), QString("10 ns"));
        QCOMPARE(cell("tRate", 3, 0), QString("Wait"));
        QCOMPARE(cell("tRate", 4, 0), QString("Wait"));
        QCOMPARE(cell("tRate", 5, 0), QString("Off"));           // policy off
        QCOMPARE(cell("tRate", 5, 1), QString("-"));
        // Performance test.
        QCOMPARE(child<QLineEdit>("lPerfStatus")->text(), QString("OK"));
        QCOMPARE(cell("tPerf_1", 0, 1), QString("3"));
        QCOMPARE(cell("tPerf_1", 1, 1), QString("0.00000"));
        QCOMPARE(cell("tPerf_1", 2, 0), QString("Error"));
        QCOMPARE(cell("tPerf_1", 2, 1), QString("3599"));
        QCOMPARE(cell("tPerf_1", 3, 1), QString("99.972"));
        QCOMPARE(cell("tPerf_2", 0, 1), QString("123.457 Mbps"));
        QCOMPARE(cell("tPerf_2", 0, 0), QString("OK"));

        // Both selectors show the same stream; stream 3 is active too.
        child<QSpinBox>("sStreamRes_2")->setValue(3);
        QCOMPARE(child<QSpinBox>("sStreamRes")->value(), 3);
        QCOMPARE(cell("tPerf_1", 0, 1), QString("77"));
        QCOMPARE(cell("tStreams", 0, 1), QString("0"));
        child<QSpinBox>("sStreamRes")->setValue(2);               // inactive
        QCOMPARE(child<QSpinBox>("sStreamRes_2")->value(), 2);
        QCOMPARE(cell("tRate", 3, 0), QString("Off"));
        QCOMPARE(cell("tPerf_1", 0, 0), QString("Off"));
        QCOMPARE(cell("tPerf_1", 0, 1), QString("-"));
    }

    void invalidResultsShowDashes()
    {
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
        reactivate();
        QCOMPARE(child<QLineEdit>("lTestTime")->text(), QString("-"));
        QCOMPARE(child<QLineEdit>("lPerfStatus")->text(), QString("-"));
        for (const char *table : {"tRate", "tStreams", "tDelay", "tJitter", "tPerf_1", "tPerf_2"}) {
            QTableWidget *t = child<QTableWidget>(table);
            for (int row = 0; row < t->rowCount(); ++row)
                for (int column = 0; column < t->columnCount(); ++column)
                    QCOMPARE(cell(table, row, column), QString("-"));
        }
    }

    void languageSwitchRedrawsResults()
    {
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        useLanguage(languages, "ru");
        QCOMPARE(cell("tRate", 0, 1), QString::fromUtf8("123.457 Мбит/с"));
        // The time units of the shared text functions are in the catalogue too.
        QCOMPARE(cell("tDelay", 2, 3), QString::fromUtf8("1.500 мс"));
        QCOMPARE(cell("tRate", 0, 0), QCoreApplication::translate("Device", "OK"));
        QVERIFY(cell("tRate", 0, 0) != QLatin1String("OK"));
        QCOMPARE(child<QGroupBox>("gY1564")->title(), QString::fromUtf8("Тест Y1564 (Порт A)"));
        useLanguage(languages, "en");
        QCOMPARE(cell("tRate", 0, 1), QString("123.457 Mbps"));
    }

    void syncPanel()
    {
        rig->tester([](SimRemoteResponder &r) { r.syncStatus = get_sync_status_resp_t{2, 1, 3}; });
        auto *status = child<QLabel>("lSyncStatus");
        child<QPushButton>("pushButton")->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x1C; }));
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("sync NTP, active, NTP correct, RF correct"), EventuallyMs);
        // The answer stays on show across a language switch.
        form->retranslate();
        QCOMPARE(status->text(), QString("sync NTP, active, NTP correct, RF correct"));

        rig->tester([](SimRemoteResponder &r) { r.syncStatus = get_sync_status_resp_t{9, 2, 0}; });
        child<QPushButton>("pushButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString(", inactive, NTP not correct, RF not correct"), EventuallyMs);
        QVERIFY(rig->requestsOf(0x1B).isEmpty());
    }

    void linkPanel()
    {
        rig->tester([](SimRemoteResponder &r) {
            r.status.link[0] = port_link_t{1, 0, 2, 1};
            r.status.link[1] = port_link_t{1, 1, 1, 0};
        });
        QVERIFY(rig->waitForPolls(2));
        QCOMPARE(child<QLabel>("lSpeed")->text(), QString("1000 Mbps"));
        QCOMPARE(child<QLabel>("lDuplex")->text(), QString("FDX"));
        QCOMPARE(child<QLabel>("lInterf")->text(), QString("1000BASE-T"));

        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->waitForPolls(1));
        QCOMPARE(child<QGroupBox>("gY1564")->title(), QString("Y1564 test (Port B)"));
        QCOMPARE(child<QLabel>("lSpeed")->text(), QString("100 Mbps"));
        QCOMPARE(child<QLabel>("lDuplex")->text(), QString("HDX"));
        QCOMPARE(child<QLabel>("lInterf")->text(), QString("100BASE-X"));

        rig->tester([](SimRemoteResponder &r) { r.status.link[1].up = 0; });
        QVERIFY(rig->waitForPolls(2));
        QCOMPARE(child<QLabel>("lSpeed")->text(), QString("-"));
        QCOMPARE(child<QLabel>("lInterf")->text(), QString("-"));

        // While hidden the polls leave the line alone; a fill refreshes it.
        form->hide();
        rig->tester([](SimRemoteResponder &r) { r.status.link[1].up = 1; });
        QVERIFY(rig->waitForPolls(2));
        QCOMPARE(child<QLabel>("lSpeed")->text(), QString("-"));
        reactivate();
        QCOMPARE(child<QLabel>("lSpeed")->text(), QString("100 Mbps"));
        rig->tester([](SimRemoteResponder &r) { r.status.link[1] = port_link_t{}; });
    }

    void loopedStartRefusedWhileAnActiveStreamHasAutoDestination_data()
    {
        QTest::addColumn<int>("stream");
        QTest::addColumn<bool>("refused");
        QTest::newRow("active stream 3") << 2 << true;
        QTest::newRow("inactive stream 4") << 3 << false;
    }
    void loopedStartRefusedWhileAnActiveStreamHasAutoDestination()
    {
        QFETCH(int, stream);
        QFETCH(bool, refused);
        y1564_settings_t s = fixture();
        s.streams[stream].header.autoIpDest = 1;
        storeOnTester(s);
        reload();
        rig->sim.clearRequests();
        QPushButton *loop = child<QPushButton>("bStartXX");
        QTRY_VERIFY_WITH_TIMEOUT(loop->isEnabled(), EventuallyMs);
        MessageBoxCloser closer;
        loop->click();
        QVERIFY(waitForSettingsSent());
        QVERIFY(rig->drain());
        if (refused) {
            QCOMPARE(closer.seen.size(), 1);
            QCOMPARE(closer.seen.at(0).text,
                     QString("Cannot start the test for topology A->A,\nbecause \"Auto IP destination\" is set."));
            QVERIFY(rig->requestsOf(0x09).isEmpty());
            return;
        }
        QCOMPARE(closer.seen.size(), 0);
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        QCOMPARE(quint8(rig->requestsOf(0x0A).first().at(5)), quint8(TopologySamePort));
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStop")->isEnabled(), EventuallyMs);
        child<QPushButton>("bStop")->click();
        QVERIFY(rig->drain());
    }

    void applyWithoutRecordSendsNothing()
    {
        auto *cir = child<QDoubleSpinBox>("dsCIR");
        auto *apply = child<QPushButton>("bApply");
        cir->setValue(33);
        QSignalSpy sent(form, &TestForm::sendSettings);
        QSignalSpy started(form, &TestForm::startTest);
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bStartXY")->isEnabled(), EventuallyMs);
        rig->disconnectDevice();
        QVERIFY(!rig->device->getY1564Info()->getSettings(PortA));
        const QStringList boxes = boxTextsWhile([&] {
            apply->click();
            child<QPushButton>("bStartXY")->click();
        });
        QCOMPARE(boxes.size(), 2);
        QVERIFY2(saysNothingApplied(boxes.at(0)) && saysNotStarted(boxes.at(1)), qPrintable(boxes.join('|')));
        QCOMPARE(sent.count(), 0);
        QCOMPARE(started.count(), 0);
        QCOMPARE(cir->styleSheet(), Blue);
        QVERIFY(apply->isEnabled());
        // Without a record the page slots and value slots do nothing.
        showPage(2);
        cir->setValue(44);
        QVERIFY(!form->canStartXX());
        QVERIFY(rig->connectDevice());
    }

    // Every text fits in Russian, English and German, with the longest
    // values the tester can report; a Russian picture of every page.
    void textFitsInAllLanguages()
    {
        y1564_results_t r = resultsFixture();
        for (int c = 0; c < Y1564ConfigSteps; ++c) {
            y1564_result_entry_t &e = r.config[c][0];
            e.irMin = e.irAvg = e.irMax = 0xFFFFFFFFu;
            e.frameLoss = 0xFFFFFFFFu;
            e.frames = 0xFFFFFFFFu;
            e.ftdMin = e.fdvMin = std::numeric_limits<int32_t>::min();
            e.ftdAvg = e.fdvAvg = -999999;
            e.ftdMax = e.fdvMax = 1234567;
        }
        r.stepStatus[0] = StatusIncompatibleFw;
        r.stepStatus[1] = StatusRemoteDeviceError;
        r.performanceStatus = StatusIncompatibleFw;
        r.performance[0].frameLoss = 0xFFFFFFFFu;
        r.performance[0].frames = 1;
        r.performance[0].available = 0xFFFFFFFFu;
        r.performance[0].unavailable = 0xFFFFFFFFu;
        r.startTime = 1000;
        r.currentTime = 1000 + 99 * 3600 + 59 * 60 + 59;   // 99:59:59
        r.plannedDuration = 2 * (99 * 3600 + 59 * 60 + 59);
        storeResults(r);
        y1564_settings_t s = fixture();
        s.flags |= Y1564FlagPolicy;
        storeOnTester(s);
        rig->tester([](SimRemoteResponder &t) {
            t.syncStatus = get_sync_status_resp_t{3, 2, 0};
            t.status.link[0] = port_link_t{1, 0, 2, 1};
        });
        form->show();
        reload();
        reactivate();
        child<QPushButton>("pushButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(child<QLabel>("lSyncStatus")->text().contains("NTP2"), EventuallyMs);
        showPage(2);

        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        const QStringList reports = textFitInAllLanguages(form, languages, [this] { form->retranslate(); });
        QVERIFY2(reports.isEmpty(), qPrintable(reports.join('\n')));

        // Pictures of every page in Russian.
        useLanguage(languages, "ru");
        QVERIFY(saveFormPages(form, QStringLiteral("y1564")));
        useLanguage(languages, "en");
    }
};

QTEST_MAIN(TestY1564Form)
#include "tst_y1564form.moc"
