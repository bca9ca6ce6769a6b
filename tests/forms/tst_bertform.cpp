// The BERT form driven through its real widgets, offscreen, against the
// simulated tester over TCP with a real Device in a worker thread.

#include "formrig.h"
#include "formtexts.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "bertform.h"
#include "bertformat.h"
#include "rateunits.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

#include <limits>

namespace {

using fieldstyle::Black;
using fieldstyle::Blue;
using fieldstyle::Grey;

// Every field within the form's ranges, and patterns in the bytes the form
// does not edit.
bert_settings_t fixture()
{
    bert_settings_t s;
    memset(&s, 0, sizeof s);
    s.pattern = BertPattern2e15;
    s.reserved1 = 0x5A;
    s.frameSize = 1000;
    s.rate = 500;
    s.rateUnit = RateUnitKbps;
    s.reserved2 = 0xA7;
    s.duration = 3661;
    s.userPattern = 0x12AB34CD;
    s.syncWait = 2500;
    s.patternOffset = 100;
    s.reserved3[0] = 0xC1;
    s.reserved3[1] = 0xC2;
    s.reserved3[2] = 0xC3;
    return s;
}

bert_results_t resultsFixture()
{
    bert_results_t r;
    memset(&r, 0, sizeof r);
    r.bits = 123456789012ull;
    r.errorBits = 12;
    r.lss = 3;
    r.los = 1;
    r.elapsed = 60;
    memset(r.reserved, 0xEE, sizeof r.reserved);
    return r;
}

} // namespace

class TestBertForm : public QObject, private FormUnderTest<BertForm>
{
    Q_OBJECT

private:
    QString text(const char *name) { return child<QLineEdit>(name)->text(); }

    void storeOnTester(const bert_settings_t &s, port_t port = PortA)
    {
        rig->tester([&](SimRemoteResponder &t) { t.settingsBlock(port, TestBert) = recordBytes(s); });
    }

    void storeResults(const bert_results_t &r, port_t port = PortA)
    {
        rig->tester([&](SimRemoteResponder &t) {
            t.results[SimRemoteResponder::key(port, TestBert)] = recordBytes(r);
        });
    }

    // The form re-reads its record (Reset) and is refilled.
    void reload()
    {
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
    }

    // Applies the form and returns the record the tester received.
    QByteArray applied()
    {
        rig->sim.clearRequests();
        form->bApplyClicked();
        if (!QTest::qWaitFor([&] { return !rig->sentSettings(PortA, TestBert).isEmpty(); }, EventuallyMs))
            return QByteArray();
        return rig->sentSettings(PortA, TestBert).last();
    }

    bert_settings_t appliedRecord() { return recordFrom<bert_settings_t>(applied()); }

private slots:
    void initTestCase()
    {
        loadFormResources();
        QVERIFY(startForm(QSize(1100, 600), [this](FormRig &) {
            storeOnTester(fixture());
            storeOnTester(fixture(), PortB);
        }));
    }

    void cleanupTestCase() { stopForm(); }

    void init()
    {
        storeOnTester(fixture());
        storeResults(resultsFixture());
        QVERIFY(resetForm());
    }

    void fillShowsTheRecord()
    {
        QCOMPARE(child<QComboBox>("cPattern")->currentIndex(), 3);
        QCOMPARE(child<QComboBox>("cPattern")->currentText(), QString("2e15-1"));
        QCOMPARE(text("lUserPattern"), QString("12AB34CD"));
        QVERIFY(!child<QLineEdit>("lUserPattern")->isEnabled());
        QCOMPARE(child<QLineEdit>("lUserPattern")->styleSheet(), Grey);
        QCOMPARE(child<QSpinBox>("sSize")->value(), 1000);
        QCOMPARE(child<QComboBox>("cUnits")->currentIndex(), 1);
        QCOMPARE(child<QSpinBox>("sRate")->value(), 500);
        QCOMPARE(child<QSpinBox>("sRate")->maximum(), 9999);
        QCOMPARE(child<QTimeEdit>("tDur")->time(), QTime(1, 1, 1));
        QCOMPARE(child<QSpinBox>("sPatoff")->value(), 100);
        QCOMPARE(child<QSpinBox>("sPatoff")->maximum(), 254);
        QCOMPARE(child<QSpinBox>("sSyncroWait")->value(), 2500);
        for (const char *name : {"cPattern", "sSize", "cUnits", "sRate", "tDur", "sPatoff", "sSyncroWait"})
            QVERIFY2(form->findChild<QWidget *>(name)->styleSheet() == Black, name);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(child<QGroupBox>("gBert")->title(), QString("BERT test (Port A)"));
    }

    void fixtureRoundTripsUnchanged()
    {
        QCOMPARE(applied().toHex(' '), recordBytes(fixture()).toHex(' '));
    }

    // The language switch re-texts the lists without losing the choices.
    void fixtureRoundTripsAcrossALanguageSwitch()
    {
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        QVERIFY(languages.use(QStringLiteral("ru")));
        form->retranslate();
        QCOMPARE(child<QComboBox>("cPattern")->currentIndex(), 3);
        QCOMPARE(child<QComboBox>("cUnits")->currentIndex(), 1);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(child<QComboBox>("cUnits")->styleSheet(), Black);
        QCOMPARE(applied().toHex(' '), recordBytes(fixture()).toHex(' '));
        languages.removeAll();
        form->retranslate();
        QCOMPARE(child<QComboBox>("cUnits")->itemText(1), QString("kbps"));
    }

    // A language switch between the operator's pick and Apply: the list is
    // re-texted, the choice on show and its mark stay, and Apply writes it
    // (a stored code the list lacks goes back as stored).
    void unappliedUnitAcrossALanguageSwitch_data()
    {
        QTest::addColumn<int>("storedUnit");
        QTest::addColumn<int>("picked");   // list index the operator picks; -1: none
        QTest::addColumn<int>("shownIndex");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<int>("sentUnit");
        QTest::newRow("kbps, Mbps picked") << int(RateUnitKbps) << 2 << 2 << true << int(RateUnitMbps);
        QTest::newRow("unknown code, no pick") << 7 << -1 << -1 << false << 7;
        QTest::newRow("unknown code, kbps picked") << 7 << 1 << 1 << true << int(RateUnitKbps);
    }
    void unappliedUnitAcrossALanguageSwitch()
    {
        QFETCH(int, storedUnit);
        QFETCH(int, picked);
        QFETCH(int, shownIndex);
        QFETCH(bool, marked);
        QFETCH(int, sentUnit);
        bert_settings_t s = fixture();
        s.rateUnit = uint8_t(storedUnit);
        storeOnTester(s);
        reload();
        auto *units = child<QComboBox>("cUnits");
        if (picked >= 0)
            units->setCurrentIndex(picked);
        QCOMPARE(units->currentIndex(), shownIndex);
        QCOMPARE(units->styleSheet(), marked ? Blue : Black);

        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        QVERIFY(languages.use(QStringLiteral("ru")));
        form->retranslate();
        QCOMPARE(units->itemText(2), QCoreApplication::translate("BertForm", "Mbps"));
        QVERIFY(units->itemText(2) != QLatin1String("Mbps"));
        QCOMPARE(units->currentIndex(), shownIndex);
        QCOMPARE(units->styleSheet(), marked ? Blue : Black);
        QCOMPARE(child<QPushButton>("bApply")->isEnabled(), marked);

        bert_settings_t expected = s;
        expected.rateUnit = uint8_t(sentUnit);
        QCOMPARE(applied().toHex(' '), recordBytes(expected).toHex(' '));
        QCOMPARE(units->styleSheet(), Black);
        languages.removeAll();
        form->retranslate();
    }

    void startOnBothRoads_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("topology");
        QTest::newRow("same port") << "bStartXX" << int(TopologySamePort);
        QTest::newRow("other port") << "bStartXY" << int(TopologyToOtherPort);
    }
    void startOnBothRoads()
    {
        QFETCH(QString, button);
        QFETCH(int, topology);
        QPushButton *start = child<QPushButton>(button.toLatin1().constData());
        QVERIFY(start->isEnabled());
        start->click();

        // Settings (the exact 24 bytes), topology, start, results.
        rig->expectStart(PortA, TestBert, uchar(topology), recordBytes(fixture()));
        QCOMPARE(rig->sentSettings(PortA, TestBert).first().size(), 24);

        // While the BERT bit is set each poll reads the results again.
        QPushButton *stop = child<QPushButton>("bStop");
        QTRY_VERIFY_WITH_TIMEOUT(stop->isEnabled(), EventuallyMs);
        QVERIFY(!start->isEnabled());
        QVERIFY(!child<QPushButton>("bReset")->isEnabled());
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(!rig->requestsOf(0x13).isEmpty());
        QCOMPARE(text("lBits"), QString("123456789012"));

        rig->expectStop(stop, PortA, TestBert);
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), EventuallyMs);
    }

    void resultsInTheirFormats_data()
    {
        QTest::addColumn<quint64>("bits");
        QTest::addColumn<quint64>("errors");
        QTest::addColumn<quint32>("lss");
        QTest::addColumn<quint32>("elapsed");
        QTest::addColumn<QStringList>("shown");   // elapsed, estimate, bits, errors, BER, LSS, LSS %
        QTest::newRow("a minute") << quint64(123456789012ull) << quint64(12) << 3u << 60u
                                  << QStringList{"00:01:00", "01:00:01", "123456789012", "12", "9.72000e-11", "3",
                                                 "0.050"};
        QTest::newRow("nothing yet") << quint64(0) << quint64(0) << 0u << 0u
                                     << QStringList{"00:00:00", "01:01:01", "0", "0", "0.00000e+00", "0", "0.000"};
        QTest::newRow("past the duration") << quint64(std::numeric_limits<quint64>::max()) << quint64(0) << 7u
                                           << 100000u
                                           << QStringList{"27:46:40", "00:00:00", "18446744073709551615", "0",
                                                          "0.00000e+00", "7", "0.000"};
    }
    void resultsInTheirFormats()
    {
        QFETCH(quint64, bits);
        QFETCH(quint64, errors);
        QFETCH(quint32, lss);
        QFETCH(quint32, elapsed);
        QFETCH(QStringList, shown);
        bert_results_t r = resultsFixture();
        r.bits = bits;
        r.errorBits = errors;
        r.lss = lss;
        r.elapsed = elapsed;
        storeResults(r);
        form->activate();
        QVERIFY(rig->drain());
        const char *fields[] = {"lElap", "lEst", "lBits", "lEbits", "lBER", "lLSS", "lLSSp"};
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(text(fields[i]), shown.at(i));
        QCOMPARE(text("lLOS"), QString("1"));
    }

    void noResultsShowDashes()
    {
        rig->tester([](SimRemoteResponder &t) { t.resultsValid = 0; });
        form->activate();
        QVERIFY(rig->drain());
        for (const char *name : {"lElap", "lEst", "lBits", "lEbits", "lBER", "lLSS", "lLOS", "lLSSp", "lLOSp"})
            QCOMPARE(text(name), QString("-"));
        // The buttons follow with the next status.
        QVERIFY(rig->waitForPolls(1));
        QVERIFY(!child<QPushButton>("saveReportButton")->isEnabled());
    }

    void generatedPatternPutsUserFieldOutOfUse()
    {
        auto *pattern = child<QComboBox>("cPattern");
        auto *user = child<QLineEdit>("lUserPattern");
        pattern->setCurrentIndex(0);
        QVERIFY(user->isEnabled());
        QCOMPARE(user->styleSheet(), Black);
        QCOMPARE(pattern->styleSheet(), Blue);
        pattern->setCurrentIndex(1);   // CRTP
        QVERIFY(!user->isEnabled());
        QCOMPARE(user->styleSheet(), Grey);
        pattern->setCurrentIndex(0);
        QVERIFY(user->isEnabled());
        QCOMPARE(user->styleSheet(), Black);
        // Applied with "User": the field stays in use and black.
        QCOMPARE(int(appliedRecord().pattern), 0);
        QCOMPARE(user->styleSheet(), Black);
        QCOMPARE(pattern->styleSheet(), Black);
    }

    void userPatternComparesUpperCase()
    {
        child<QComboBox>("cPattern")->setCurrentIndex(0);
        form->bApplyClicked();
        auto *user = child<QLineEdit>("lUserPattern");
        typeInto(user, "12ab34cd");
        QCOMPARE(user->text(), QString("12ab34cd"));
        QCOMPARE(user->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        typeInto(user, "12AB34CD");
        QCOMPARE(user->styleSheet(), Black);
        typeInto(user, "12ab34cd");
        QCOMPARE(appliedRecord().userPattern, 0x12AB34CDu);
    }

    void shortUserPatternBecomesTheFallback()
    {
        child<QComboBox>("cPattern")->setCurrentIndex(0);
        auto *user = child<QLineEdit>("lUserPattern");
        typeInto(user, "12AB");
        QCOMPARE(user->text(), QString("12AB"));
        const bert_settings_t sent = appliedRecord();
        QCOMPARE(user->text(), QString("AAAAAAAA"));
        QCOMPARE(sent.userPattern, 0xAAAAAAAAu);
        QCOMPARE(user->styleSheet(), Black);
        // Letters beyond F never reach the field.
        typeInto(user, "GGGG1234");
        QCOMPARE(user->text(), QString("1234"));
    }

    void offsetFollowsTheFrameSize()
    {
        auto *size = child<QSpinBox>("sSize");
        auto *offset = child<QSpinBox>("sPatoff");
        offset->setValue(200);
        QCOMPARE(offset->styleSheet(), Blue);
        size->setValue(64);
        QCOMPARE(offset->maximum(), 48);
        QCOMPARE(offset->value(), 48);
        QCOMPARE(offset->styleSheet(), Blue);
        size->setValue(269);
        QCOMPARE(offset->maximum(), 253);
        size->setValue(270);
        QCOMPARE(offset->maximum(), 254);
        size->setValue(9600);
        QCOMPARE(offset->maximum(), 254);
        offset->setValue(100);   // the stored offset again
        QCOMPARE(offset->styleSheet(), Black);
        const bert_settings_t sent = appliedRecord();
        QCOMPARE(int(sent.frameSize), 9600);
        QCOMPARE(int(sent.patternOffset), 100);
    }

    // A stored offset beyond what the frame allows is shown at the limit and
    // marked, so Apply writes a value the tester can use.
    void storedOffsetBeyondTheFrame()
    {
        bert_settings_t s = fixture();
        s.frameSize = 64;
        s.patternOffset = 255;
        storeOnTester(s);
        reload();
        auto *offset = child<QSpinBox>("sPatoff");
        QCOMPARE(offset->maximum(), 48);
        QCOMPARE(offset->value(), 48);
        QCOMPARE(offset->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(int(appliedRecord().patternOffset), 48);
    }

    void unitsSetTheRateMaximum()
    {
        auto *units = child<QComboBox>("cUnits");
        auto *rate = child<QSpinBox>("sRate");
        units->setCurrentIndex(0);
        QCOMPARE(rate->maximum(), 100);
        QCOMPARE(rate->value(), 100);
        QCOMPARE(rate->styleSheet(), Blue);
        units->setCurrentIndex(1);
        QCOMPARE(rate->maximum(), 9999);
        rate->setValue(5000);
        units->setCurrentIndex(2);
        QCOMPARE(rate->maximum(), 1000);
        QCOMPARE(rate->value(), 1000);
        QCOMPARE(units->styleSheet(), Blue);
        const bert_settings_t sent = appliedRecord();
        QCOMPARE(int(sent.rateUnit), int(RateUnitMbps));
        QCOMPARE(int(sent.rate), 1000);
    }

    // How stored codes show, mark and go back.
    void storedCodes_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("patternIndex");
        QTest::addColumn<int>("unitIndex");
        QTest::addColumn<bool>("unitMarked");
        QTest::addColumn<int>("writtenUnit");
        QTest::addColumn<int>("writtenRate");
        QTest::newRow("Mbps") << 1 << 3 << 1000 << 1 << 2 << false << 3 << 1000;
        QTest::newRow("percent") << 7 << 0 << 100 << 7 << 0 << false << 0 << 100;
        QTest::newRow("bps shows as percent") << 0 << 1 << 50 << 0 << 0 << true << 0 << 50;
        QTest::newRow("unknown codes kept") << 9 << 7 << 20000 << -1 << -1 << false << 7 << 20000;
        QTest::newRow("unknown codes, largest") << 255 << 255 << 65535 << -1 << -1 << false << 255 << 65535;
    }
    void storedCodes()
    {
        QFETCH(int, pattern);
        QFETCH(int, unit);
        QFETCH(int, rate);
        QFETCH(int, patternIndex);
        QFETCH(int, unitIndex);
        QFETCH(bool, unitMarked);
        QFETCH(int, writtenUnit);
        QFETCH(int, writtenRate);
        bert_settings_t s = fixture();
        s.pattern = uint8_t(pattern);
        s.rateUnit = uint8_t(unit);
        s.rate = uint16_t(rate);
        storeOnTester(s);
        reload();
        auto *patterns = child<QComboBox>("cPattern");
        auto *units = child<QComboBox>("cUnits");
        QCOMPARE(patterns->currentIndex(), patternIndex);
        QCOMPARE(units->currentIndex(), unitIndex);
        QCOMPARE(patterns->styleSheet(), Black);
        QCOMPARE(units->styleSheet(), unitMarked ? Blue : Black);
        QCOMPARE(child<QSpinBox>("sRate")->value(), writtenRate);
        QCOMPARE(child<QLineEdit>("lUserPattern")->isEnabled(), patternIndex == 0);

        const QByteArray sent = applied();
        const bert_settings_t back = recordFrom<bert_settings_t>(sent);
        QCOMPARE(int(back.pattern), pattern);
        QCOMPARE(int(back.rateUnit), writtenUnit);
        QCOMPARE(int(back.rate), writtenRate);
        if (!unitMarked)
            QCOMPARE(sent.toHex(' '), recordBytes(s).toHex(' '));

        // The operator's choice replaces a kept code.
        patterns->setCurrentIndex(2);
        units->setCurrentIndex(1);
        QCOMPARE(patterns->styleSheet(), pattern == 2 ? Black : Blue);
        const bert_settings_t chosen = appliedRecord();
        QCOMPARE(int(chosen.pattern), 2);
        QCOMPARE(int(chosen.rateUnit), int(RateUnitKbps));
    }

    void durationOfADayOrMoreIsKept()
    {
        auto *duration = child<QTimeEdit>("tDur");
        QCOMPARE(duration->time(), QTime(1, 1, 1));
        bert_settings_t s = fixture();
        s.duration = 100000;
        storeOnTester(s);
        reload();
        QCOMPARE(duration->time(), QTime(1, 1, 1));   // no time of day for it
        QCOMPARE(duration->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        // Applied untouched: the stored duration goes back, still marked.
        QCOMPARE(appliedRecord().duration, 100000u);
        QCOMPARE(duration->styleSheet(), Blue);
        // The remaining time follows the kept duration (60 s have run).
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(text("lEst"), QString("27:45:40"));
        // Edited: the operator's time is written.
        duration->setTime(QTime(0, 10, 0));
        QCOMPARE(appliedRecord().duration, 600u);
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
        QVERIFY(!rig->device->getBertInfo()->getSettings(PortA));
        // Each press says that nothing went out; without a link not even
        // the tester's own settings can start the test.
        const QStringList boxes = boxTextsWhile([&] {
            apply->click();
            child<QPushButton>("bStartXX")->click();
            child<QPushButton>("bStartXY")->click();
        });
        QCOMPARE(boxes.size(), 3);
        QVERIFY2(saysNothingApplied(boxes.at(0)), qPrintable(boxes.at(0)));
        QVERIFY2(saysNotStarted(boxes.at(1)) && saysNotStarted(boxes.at(2)), qPrintable(boxes.join('|')));
        QCOMPARE(sent.count(), 0);
        QCOMPARE(started.count(), 0);
        QCOMPARE(rate->styleSheet(), Blue);
        QVERIFY(apply->isEnabled());
        // The change handlers have no record to compare with: nothing moves.
        child<QComboBox>("cUnits")->setCurrentIndex(2);
        QCOMPARE(child<QComboBox>("cUnits")->styleSheet(), Black);

        QVERIFY(rig->connectDevice());
    }

    void portBTitlesAfterALanguageSwitch()
    {
        storeOnTester(fixture(), PortB);
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        QVERIFY(languages.use(QStringLiteral("ru")));
        form->retranslate();
        const QString title = QCoreApplication::translate("TestForm", "BERT test") + QStringLiteral(" (")
                              + QCoreApplication::translate("TestForm", "Port B") + QLatin1Char(')');
        QVERIFY(title != QLatin1String("BERT test (Port B)"));
        QCOMPARE(child<QGroupBox>("gBert")->title(), title);
        QCOMPARE(child<QPushButton>("bStartXX")->text(), QCoreApplication::translate("TestForm", "Start B->B"));
        QCOMPARE(child<QPushButton>("bStartXY")->text(), QCoreApplication::translate("TestForm", "Start B->A"));
        languages.removeAll();
        form->retranslate();
        QCOMPARE(child<QGroupBox>("gBert")->title(), QString("BERT test (Port B)"));

        rig->sim.clearRequests();
        child<QPushButton>("bStartXY")->click();
        rig->expectStart(PortB, TestBert, TopologyToOtherPort, recordBytes(fixture()));
        rig->expectStop(child<QPushButton>("bStop"), PortB, TestBert);
    }

    void onePortModelHidesStartTowardsOtherPort()
    {
        FormRig single(6);
        QVERIFY(single.connectDevice());
        BertForm f(single.device);
        f.activate();
        QVERIFY(single.drain());
        QVERIFY(single.waitForPolls(1));
        QVERIFY(f.findChild<QPushButton *>("bStartXY")->isHidden());
        QVERIFY(f.findChild<QPushButton *>("bStartXX")->isEnabled());
    }

    void textsFitInEveryLanguage()
    {
        bert_results_t r;
        memset(&r, 0xFF, sizeof r);
        r.elapsed = 0xFFFFFFFFu;
        storeResults(r);
        bert_settings_t s = fixture();
        s.duration = 86399;
        storeOnTester(s);
        reload();
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(text("lElap"), QString("1193046:28:15"));
        const QStringList cut = formTextFit(form, [this] { form->retranslate(); }, QStringLiteral("bert"));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestBertForm)
#include "tst_bertform.moc"
