// The port statistics window driven through its real widgets, offscreen,
// against the simulated tester over TCP with a real Device in a worker
// thread.

#include "formrig.h"
#include "formtexts.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "statsform.h"
#include "statsformat.h"
#include "textfunctions.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <limits>

namespace {

using fieldstyle::Black;
using fieldstyle::Blue;
constexpr uint64_t Max64 = std::numeric_limits<uint64_t>::max();

// Port A carries the extremes: the largest counter, a Runt sum that wraps
// and rate slots with non-zero upper bytes. Port B counts small numbers
// that tell every slot apart.
stats_results_t fixture(port_t port)
{
    stats_results_t r;
    auto *words = reinterpret_cast<uint64_t *>(&r);
    for (int i = 0; i < int(sizeof r / 8); ++i)
        words[i] = uint64_t(1000 * (port + 1) + i);
    r.rx.rateL1.bytesPerSecond = 126;
    r.rx.rateL2.bytesPerSecond = 125000;
    r.rx.rateL3.bytesPerSecond = 125;
    r.tx.rateL1.bytesPerSecond = 125001;
    memset(r.rx.rateL1.unused, 0xFF, sizeof r.rx.rateL1.unused);
    if (port == PortA) {
        r.rx.frames = Max64;
        r.tx.bytes = Max64;
        r.rx.sizes[0] = Max64;
        r.rx.crcErrors = 2;
    }
    return r;
}

} // namespace

class TestStatsForm : public QObject, private FormUnderTest<StatsForm>
{
    Q_OBJECT

private:
    QString cell(const char *table, int row, int column)
    {
        QTableWidgetItem *item = child<QTableWidget>(table)->item(row, column);
        return item ? item->text() : QString();
    }

    void storeResults(port_t port, const stats_results_t &r)
    {
        rig->tester([&](SimRemoteResponder &t) {
            t.results[SimRemoteResponder::key(port, TestStatistics)] = recordBytes(r);
        });
    }

    void storeFlag(uint8_t flag)
    {
        rig->tester([&](SimRemoteResponder &t) {
            t.settingsBlock(PortA, TestStatistics) = QByteArray(1, char(flag));
        });
    }

    // The 0x13 requests of the statistics for a port.
    int resultsRequests(port_t port)
    {
        int n = 0;
        for (const QByteArray &r : rig->requestsOf(0x13))
            n += u32At(r, 1) == port && quint8(r.at(5)) == TestStatistics;
        return n;
    }

    QList<QByteArray> sentFlags() { return rig->sentSettings(PortA, TestStatistics); }

private slots:
    void initTestCase()
    {
        loadFormResources();
        // The form area of the main window maximised on a 1920 x 1200 screen.
        QVERIFY(startForm(QSize(1572, 978), [this](FormRig &) {
            storeResults(PortA, fixture(PortA));
            storeResults(PortB, fixture(PortB));
            storeFlag(0);
        }));
    }

    void cleanupTestCase() { stopForm(); }

    void init()
    {
        storeResults(PortA, fixture(PortA));
        storeResults(PortB, fixture(PortB));
        storeFlag(0);
        rig->tester([](SimRemoteResponder &t) { t.resultsValid = 1; });
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        form->disableApply();
        rig->sim.clearRequests();
    }

    void activateAsksForFlagThenBothPorts()
    {
        form->hide();
        rig->sim.clearRequests();
        form->activate();
        QVERIFY(form->isVisible());
        QVERIFY(rig->drain());
        const QList<QByteArray> seq = rig->requests();
        QVERIFY(seq.size() >= 3);
        QCOMPARE(command(seq.at(0)), quint8(0x11));
        QCOMPARE(u32At(seq.at(0), 1), quint32(PortA));
        QCOMPARE(quint8(seq.at(0).at(5)), quint8(TestStatistics));
        QCOMPARE(command(seq.at(1)), quint8(0x13));
        QCOMPARE(u32At(seq.at(1), 1), quint32(PortA));
        QCOMPARE(quint8(seq.at(1).at(5)), quint8(TestStatistics));
        QCOMPARE(command(seq.at(2)), quint8(0x13));
        QCOMPARE(u32At(seq.at(2), 1), quint32(PortB));
        for (const char *name : {"gPortB", "gPortA"})
            QVERIFY2(form->findChild<QWidget *>(name)->isVisible(), name);
        QVERIFY(!child<QTableWidget>("tCommon")->isRowHidden(3));
    }

    void tablesShowBothPorts()
    {
        const stats_results_t b = fixture(PortB);
        // Port A: the extremes.
        QCOMPARE(cell("tCommon", 0, 0), QString("18446744073709551615"));
        QCOMPARE(cell("tCommon", 1, 1), QString("18446744073709551615"));
        QCOMPARE(cell("tFrameErrors", 0, 0), QString("2"));
        QCOMPARE(cell("tFrameErrors", 1, 0), QString("1"));   // Runt wraps: 2^64 - 1 + 2
        QCOMPARE(cell("tFrameSizesA", 0, 0), QString("18446744073709551615"));
        QCOMPARE(cell("tSpeed", 0, 0), QString("1.008 kbps"));
        QCOMPARE(cell("tSpeed", 1, 0), QString("1000.000 kbps"));
        QCOMPARE(cell("tSpeed", 2, 0), QString("1000 bps"));
        QCOMPARE(cell("tSpeed", 0, 1), QString("1.000 Mbps"));
        // Port B: every slot in its own cell.
        const StatsPortView v = statsPortView(b);
        QCOMPARE(cell("tCommon", 2, 0), v.rx.frames);
        QCOMPARE(cell("tCommon", 2, 1), v.tx.frames);
        QCOMPARE(cell("tCommon", 3, 0), v.rx.bytes);
        QCOMPARE(cell("tCommon", 3, 1), v.tx.bytes);
        const QString types[4][2] = {{v.rx.broadcast, v.tx.broadcast}, {v.rx.multicast, v.tx.multicast},
                                     {v.rx.unicast, v.tx.unicast}, {v.rx.pause, v.tx.pause}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(cell("tFrameTypes", 4 + i, 0), types[i][0]);
            QCOMPARE(cell("tFrameTypes", 4 + i, 1), types[i][1]);
        }
        QCOMPARE(cell("tSpeed", 3, 0), v.rx.rateL1);
        QCOMPARE(cell("tSpeed", 5, 1), v.tx.rateL3);
        for (int bin = 0; bin < StatsFrameSizeBins; ++bin) {
            QCOMPARE(cell("tFrameSizesB", bin, 0), QString::number(2000 + 8 + bin));
            QCOMPARE(cell("tFrameSizesB", bin, 1), QString::number(2000 + 21 + 8 + bin));
        }
        QCOMPARE(cell("tFrameErrors", 3, 0), QString::number(2005));
        QCOMPARE(cell("tFrameErrors", 4, 0), QString::number(2008 + 2005));
        QCOMPARE(cell("tFrameErrors", 5, 0), QString::number(2007));
        // Frame errors count received traffic only: no Tx column.
        QCOMPARE(child<QTableWidget>("tFrameErrors")->columnCount(), 1);
    }

    void pollsRefreshWhileShown()
    {
        stats_results_t b = fixture(PortB);
        b.rx.frames = 777;
        storeResults(PortB, b);
        QVERIFY(rig->waitForPolls(2));
        QTRY_COMPARE_WITH_TIMEOUT(cell("tCommon", 2, 0), QString("777"), EventuallyMs);
        QVERIFY(resultsRequests(PortA) >= 1);
        QVERIFY(resultsRequests(PortB) >= 1);
    }

    void hiddenWindowAsksForNothing()
    {
        form->hide();
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(3));
        QCOMPARE(resultsRequests(PortA), 0);
        QCOMPARE(resultsRequests(PortB), 0);
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(resultsRequests(PortA), 1);
        QCOMPARE(resultsRequests(PortB), 1);
    }

    // A reply the tester marks invalid leaves the cells as they were.
    void invalidReplyKeepsTheTexts()
    {
        const QString before = cell("tCommon", 2, 0);
        QVERIFY(!before.isEmpty());
        rig->tester([](SimRemoteResponder &t) { t.resultsValid = 0; });
        rig->sim.clearRequests();
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(rig->drain());
        QVERIFY(resultsRequests(PortB) >= 1);
        QCOMPARE(cell("tCommon", 2, 0), before);
        QCOMPARE(cell("tCommon", 0, 0), QString("18446744073709551615"));
        rig->tester([](SimRemoteResponder &t) { t.resultsValid = 1; });
        // The next good reply is drawn.
        stats_results_t b = fixture(PortB);
        b.rx.frames = 4242;
        storeResults(PortB, b);
        QTRY_COMPARE_WITH_TIMEOUT(cell("tCommon", 2, 0), QString("4242"), EventuallyMs);
    }

    void resetStatisticsSendsTheCommandAlone()
    {
        int before = 0;
        rig->tester([&](SimRemoteResponder &t) { before = t.statisticsResets; });
        child<QPushButton>("bResetStats")->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x0B; }));
        const QList<QByteArray> resets = rig->requestsOf(0x0B);
        QCOMPARE(resets.size(), 1);
        QCOMPARE(resets.first(), QByteArray(1, '\x0B'));
        rig->tester([&](SimRemoteResponder &t) { QCOMPARE(t.statisticsResets, before + 1); });
    }

    void flagIsShownBlackWithApplyOff_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("checked");
        QTest::newRow("off") << 0 << false;
        QTest::newRow("on") << 1 << true;
        QTest::newRow("any non-zero is on") << 0x80 << true;
    }
    void flagIsShownBlackWithApplyOff()
    {
        QFETCH(int, stored);
        QFETCH(bool, checked);
        storeFlag(uint8_t(stored));
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
        auto *box = child<QCheckBox>("cRst");
        QCOMPARE(box->isChecked(), checked);
        QCOMPARE(box->styleSheet(), Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    void toggleMarksAndApplySendsTheFlag()
    {
        auto *box = child<QCheckBox>("cRst");
        auto *apply = child<QPushButton>("bApply");
        QVERIFY(!box->isChecked());
        box->click();
        QCOMPARE(box->styleSheet(), Blue);
        QVERIFY(apply->isEnabled());
        box->click();   // back to the stored value: black, Apply stays
        QCOMPARE(box->styleSheet(), Black);
        QVERIFY(apply->isEnabled());
        box->click();

        apply->click();
        QVERIFY(!apply->isEnabled());
        QCOMPARE(box->styleSheet(), Black);
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x12; }));
        QCOMPARE(sentFlags(), QList<QByteArray>{QByteArray(1, '\x01')});
        rig->tester([](SimRemoteResponder &t) {
            QCOMPARE(t.settingsBlock(PortA, TestStatistics), QByteArray(1, '\x01'));
        });
    }

    void resetRereadsTheFlagKeepingApply()
    {
        auto *box = child<QCheckBox>("cRst");
        auto *apply = child<QPushButton>("bApply");
        box->click();
        QCOMPARE(box->styleSheet(), Blue);
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
        QVERIFY(!box->isChecked());
        QCOMPARE(box->styleSheet(), Black);
        QVERIFY(apply->isEnabled());
        QVERIFY(sentFlags().isEmpty());
    }

    void applyWithoutRecordSendsNothing()
    {
        auto *box = child<QCheckBox>("cRst");
        auto *apply = child<QPushButton>("bApply");
        QSignalSpy sent(form, &StatsForm::sendSettings);
        rig->disconnectDevice();
        QVERIFY(!rig->device->getStatsInfo()->getSettings(PortA));
        box->click();
        QVERIFY(apply->isEnabled());
        QCOMPARE(box->styleSheet(), Blue);           // no record holds this edit
        const QStringList boxes = boxTextsWhile([&] { apply->click(); });
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(saysNothingApplied(boxes.at(0)), qPrintable(boxes.at(0)));
        QVERIFY(rig->drain());
        QCOMPARE(sent.count(), 0);
        QVERIFY(rig->requestsOf(0x12).isEmpty());
        QVERIFY(apply->isEnabled());                 // not shown as applied
        QCOMPARE(box->styleSheet(), Blue);
        // The last counters stay on show.
        QCOMPARE(cell("tCommon", 0, 0), QString("18446744073709551615"));
        QVERIFY(rig->connectDevice());
        box->click();
    }

    void saveReport_data()
    {
        QTest::addColumn<QString>("typed");   // null: cancel; empty: keep the proposal
        QTest::addColumn<QString>("saved");   // empty: nothing sent
        QTest::newRow("proposed name") << QString("") << "REPORT 0001";
        QTest::newRow("typed, trimmed") << " STATS 1 " << "STATS 1";
        QTest::newRow("cancelled") << QString() << QString();
    }
    void saveReport()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        FileNameAnswer answer(typed);
        child<QPushButton>("saveReportButton")->click();
        QCOMPARE(answer.unanswered, 0);
        QCOMPARE(answer.answered, 1);
        QVERIFY(rig->drain());
        const QList<QByteArray> saves = rig->requestsOf(0x15);
        if (saved.isEmpty()) {
            QVERIFY(saves.isEmpty());
            return;
        }
        QCOMPARE(saves.size(), 1);
        QCOMPARE(u32At(saves.at(0), 1), quint32(PortA));
        QCOMPARE(quint8(saves.at(0).at(5)), quint8(TestStatistics));
        QCOMPARE(QString::fromLatin1(saves.at(0).mid(6).constData()), saved);
    }

    // The port switch changes nothing here: both ports stay on show and the
    // report is Port A's.
    void portBCurrentStillShowsBoth()
    {
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->waitForPolls(1));
        QCOMPARE(cell("tCommon", 0, 0), QString("18446744073709551615"));
        FileNameAnswer answer(QStringLiteral("B"));
        child<QPushButton>("saveReportButton")->click();
        QVERIFY(rig->drain());
        QCOMPARE(u32At(rig->requestsOf(0x15).value(0), 1), quint32(PortA));
        rig->device->setCurrentProcess(PortA);
    }

    void onePortModelShowsPortAOnly()
    {
        FormRig single(6);
        single.tester([](SimRemoteResponder &t) {
            stats_results_t r = fixture(PortA);
            t.results[SimRemoteResponder::key(PortA, TestStatistics)] = recordBytes(r);
        });
        QVERIFY(single.connectDevice());
        StatsForm f(single.device);
        f.resize(1200, 800);
        f.activate();
        QVERIFY(single.drain());
        QVERIFY(single.waitForPolls(2));
        for (const QByteArray &r : single.requestsOf(0x13))
            QCOMPARE(u32At(r, 1), quint32(PortA));
        QVERIFY(!f.findChild<QWidget *>("gPortB")->isVisible());
        auto *common = f.findChild<QTableWidget *>("tCommon");
        QVERIFY(!common->isRowHidden(1));
        QVERIFY(common->isRowHidden(2) && common->isRowHidden(3));
        auto *types = f.findChild<QTableWidget *>("tFrameTypes");
        for (int row = 4; row < 8; ++row)
            QVERIFY(types->isRowHidden(row));
        for (const char *t : {"tSpeed", "tFrameErrors"}) {
            auto *table = f.findChild<QTableWidget *>(t);
            for (int row = 3; row < 6; ++row)
                QVERIFY2(table->isRowHidden(row) && !table->isRowHidden(row - 3), t);
        }
        QCOMPARE(common->item(0, 0)->text(), QString("18446744073709551615"));
        QVERIFY(!common->item(2, 0));   // Port B's cells never written
    }

    void textsFitInEveryLanguage()
    {
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        // The longest texts the cells can get.
        stats_results_t r;
        memset(&r, 0xFF, sizeof r);
        storeResults(PortA, r);
        storeResults(PortB, r);
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        const QStringList cut = textFitInAllLanguages(form, languages, [&] { form->retranslate(); });
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));

        languages.use(QStringLiteral("ru"));
        form->retranslate();
        // Rates carry the unit words of the language on show.
        QCOMPARE(cell("tSpeed", 0, 0), rateToString(0xFFFFFFFFu));
        QVERIFY(rateToString(0xFFFFFFFFu) != QLatin1String("34359.738 Mbps"));
        QVERIFY(saveFormPages(form, QStringLiteral("stats")));
        languages.removeAll();
        form->retranslate();
        QCOMPARE(cell("tSpeed", 0, 0), QString("34359.738 Mbps"));
    }
};

QTEST_MAIN(TestStatsForm)
#include "tst_statsform.moc"
