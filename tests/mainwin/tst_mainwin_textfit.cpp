// Every text of the main window fits its widget in Russian, English and
// German, at the window size the tests give it (mainwinrig.h): the window
// unconnected, connected with the FPGA box and busy port panels, and with
// every form of its form list shown in turn, so that a form added to the
// list is checked here without a change to this file. The traffic form (the
// symmetric page of the traffic button's window) is also filled with the
// longest results its record can carry.
//
// VYR_SCREENSHOT_DIR=/some/folder leaves Russian pictures of the window
// with the traffic form's two pages there.

#include "mainwinrig.h"
#include "../support/modalanswerer.h"
#include "trafficform.h"
#include "trafficrecords.h"

#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

namespace {

QByteArray resultsReply(const traffic_results_t &r)
{
    return QByteArray(1, '\1') + QByteArray(reinterpret_cast<const char *>(&r), int(sizeof r));
}

// The largest counts the record holds and the longest status text.
traffic_results_t longestTrafficResults()
{
    traffic_results_t r{};
    r.startTime = 0;
    r.currentTime = 0xFFFFFFFFu;
    r.estimatedTime = 0xFFFFFFFFu;
    r.status = StatusIncompatibleFw;
    r.txFrames = 0xFFFFFFFFu;
    r.rxFrames = 0;
    r.txBytes = 0xFFFFFFFFFFFFFFFFull;
    r.rate = 0xFFFFFFFFu;
    r.pdv = 0xFFFFFFFFu;
    r.lostFrames = 0xFFFFFFFFu;
    r.runts = 0xFFFFFFFFu;
    r.jabber = 0xFFFFFFFFu;
    r.crcErrors = 0xFFFFFFFFu;
    r.pause = 0xFFFFFFFFu;
    r.latency = 0xFFFFFFFFu;
    return r;
}

} // namespace

class TestMainWinTextFit : public QObject
{
    Q_OBJECT

private slots:
    void unconnected();
    void everyFormOfTheListConnected();
    void trafficFormWithLongestResults();
    void tooLongSelectorTextIsNamed();
};

void TestMainWinTextFit::unconnected()
{
    MainWindowRig rig(8);
    rig.showAtTestSize();
    const QStringList reports = rig.cutTexts();
    QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
}

// Started with "-dev": the FPGA box stands in the top strip beside the two
// port panels of a two-port model.
void TestMainWinTextFit::everyFormOfTheListConnected()
{
    MainWindowRig rig(8);
    ModalAnswerer answerer;
    rig.w->showFpgaBox();
    rig.showAtTestSize();
    rig.tester(showBusyPorts);
    QVERIFY(rig.connectToSim());
    QTRY_COMPARE_WITH_TIMEOUT(rig.get<QLabel>("lAtest")->text(), QStringLiteral("Y1564"), MainWindowDeadlineMs);
    QVERIFY(rig.get<QWidget>("gDebug")->isVisible());
    QVERIFY(textfit::savePicture(rig.w.get(), QStringLiteral("mainwin-dev-ru.png")));

    QStringList reports = rig.cutTexts();
    int shown = 0;
    const QList<IRetranslatable *> forms = rig.w->forms();
    for (int i = 0; i < forms.size(); ++i) {
        if (!forms.at(i))
            continue;
        const QString name = QString::fromLatin1(forms.at(i)->metaObject()->className());
        QVERIFY2(rig.showForm(i), qPrintable(name));
        ++shown;
        for (const QString &report : rig.cutTexts())
            reports << QStringLiteral("%1 shown: %2").arg(name, report);
    }
    QVERIFY(shown > 0);
    QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
    QCOMPARE(answerer.seen.size(), 0);
}

void TestMainWinTextFit::trafficFormWithLongestResults()
{
    MainWindowRig rig(8);
    ModalAnswerer answerer;
    rig.showAtTestSize();
    rig.tester(showBusyPorts);
    rig.tester([](SimRemoteResponder &r) { r.replyOverride[0x13] = resultsReply(longestTrafficResults()); });
    QVERIFY(rig.connectToSim());
    auto *button = rig.get<QPushButton>("bTraffic");
    QTRY_VERIFY(button->isEnabled());
    button->click();
    QVERIFY(rig.drain());

    // The traffic form is the symmetric page of the traffic button's tab
    // form; its own tabs hold the settings and the measuring pages.
    auto *form = rig.w->findChild<TrafficForm *>();
    QVERIFY(form);
    QTRY_VERIFY(form->isVisible());
    auto *tabs = findWidget<QTabWidget>(form, "tabWidget");
    auto *table = findWidget<QTableWidget>(form, "tRes");
    QTRY_COMPARE(table->item(2, 0) ? table->item(2, 0)->text() : QString(),
                 QStringLiteral("18446744073709551615"));

    tabs->setCurrentIndex(0);
    textfit::settle(rig.w.get());
    QVERIFY(textfit::savePicture(rig.w.get(), QStringLiteral("mainwin-traffic-settings-ru.png")));
    tabs->setCurrentIndex(1);
    textfit::settle(rig.w.get());
    QVERIFY(textfit::savePicture(rig.w.get(), QStringLiteral("mainwin-traffic-measuring-ru.png")));
    // Every row and column in sight, nothing to scroll.
    QCOMPARE(table->verticalScrollBar()->maximum(), 0);
    QCOMPARE(table->horizontalScrollBar()->maximum(), 0);

    const QStringList reports = rig.cutTexts();
    QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
}

// The check itself, made to fail in the real window: a selector button grows
// in width with its text, but its height is fixed, and a text of three lines
// does not fit it; the check names the button.
void TestMainWinTextFit::tooLongSelectorTextIsNamed()
{
    MainWindowRig rig(8);
    rig.showAtTestSize();
    QVERIFY(textfit::cutTexts(rig.w.get()).isEmpty());
    rig.get<QPushButton>("bTraffic")->setText(QStringLiteral("Синхронизация\nвремени\nи частоты"));
    const QStringList cut = textfit::cutTexts(rig.w.get());
    QCOMPARE(cut.size(), 1);
    QVERIFY2(cut.first().startsWith(QLatin1String("QPushButton bTraffic text")), qPrintable(cut.first()));
}

QTEST_MAIN(TestMainWinTextFit)
#include "tst_mainwin_textfit.moc"
