// The main window on the most common laptop screen, 1366 x 768 (a 1366 x
// 740 area once the task bar has its share), standing as it does maximized:
// connected to a two-port tester with the FPGA box shown, with every form of
// its form list in turn, in Russian, English and German, in the desktop's
// font and in a 12-point form font chosen through the menu's font dialog.
// Nothing may lie outside the screen or be cut, a form larger than the room
// scrolls inside the form area, and the window keeps its size whatever form
// it shows. The statistics window shows all of its tables whole at a glance,
// and the Y.1564, interface settings and statistics windows show every page
// whole in the desktop font, with nothing to scroll.
//
// VYR_SCREENSHOT_DIR=/some/folder leaves Russian pictures of the window at
// that size with every page of those three windows, and of the PTP window
// in the 12-point font.

#include "mainwinrig.h"
#include "mainmenu.h"
#include "../support/modalanswerer.h"
#include "screenfit.h"
#include "simtests.h"
#include "statsrecords.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <cstring>
#include <functional>

namespace {

// What a port counts in a day at the full 1 Gbit/s line, the most a tester
// port carries: 14 digits of bytes, 12 of frames (the least frames, most of
// them), a few errors and runts as a sound link shows them, the rates at
// the line rate.
constexpr uint64_t DayOfBytes = 125000000ull * 86400;
constexpr uint64_t DayOfFrames = 1488096ull * 86400;

stats_results_t dayOfCounters()
{
    stats_results_t r;
    std::memset(&r, 0, sizeof r);
    for (stats_counters_t *c : {&r.rx, &r.tx}) {
        c->bytes = DayOfBytes;
        c->frames = c->broadcast = c->multicast = c->unicast = c->pause = DayOfFrames;
        c->crcErrors = 17;
        c->jabber = 3;
        // Frames shorter than 64 bytes are runts: errors too.
        c->sizes[0] = 5;
        for (int bin = 1; bin < 8; ++bin)
            c->sizes[bin] = DayOfFrames;
        c->rateL1.bytesPerSecond = c->rateL2.bytesPerSecond = c->rateL3.bytesPerSecond = 125000000u;
    }
    return r;
}

// Every counter at the largest count its field holds (twenty digits): more
// than any port reaches, which the window shows whole all the same.
stats_results_t largestCounters()
{
    stats_results_t r;
    std::memset(&r, 0xFF, sizeof r);
    return r;
}

// The tabs in sight in a window: the current one of each tab widget shown.
QString shownTabs(QWidget *window)
{
    QStringList tabs;
    for (QTabWidget *tw : window->findChildren<QTabWidget *>()) {
        if (tw->isVisible())
            tabs << tw->tabText(tw->currentIndex());
    }
    return tabs.join(QLatin1String(" / "));
}

// The window with the FPGA box shown, standing maximized in the area;
// start() connects it to a two-port tester with both ports busy.
struct LaptopWindow
{
    MainWindowRig rig{8};
    ModalAnswerer answerer;

    LaptopWindow()
    {
        rig.w->showFpgaBox();
        screenfit::placeMaximized(rig.w.get());
    }

    bool start()
    {
        rig.tester(showBusyPorts);
        return rig.connectToSim();
    }

    // The font the operator picks in the menu's font dialog.
    void chooseFont(const QFont &font)
    {
        auto *menu = rig.w->findChild<MainMenu *>();
        QVERIFY(menu);
        emit menu->change_font(font);
        textfit::settle(rig.w.get());
    }

    QString formName(int i) const
    {
        return QString::fromLatin1(rig.w->forms().at(i)->metaObject()->className());
    }

    int formIndex(const char *className) const
    {
        const QList<IRetranslatable *> forms = rig.w->forms();
        for (int i = 0; i < forms.size(); ++i) {
            if (forms.at(i) && forms.at(i)->inherits(className))
                return i;
        }
        return -1;
    }
};

screenfit::Options mainWindowScreenFitOptions()
{
    screenfit::Options options;
    options.text = mainWindowTextFitOptions();
    return options;
}

} // namespace

class TestMainWinScreenFit : public QObject
{
    Q_OBJECT

private slots:
    void startsMaximized();
    void everyFormInEveryLanguage_data();
    void everyFormInEveryLanguage();
    void windowKeepsItsSize();
    void statisticsAtAGlance_data();
    void statisticsAtAGlance();
    void largestWindowsWithoutScrolling_data();
    void largestWindowsWithoutScrolling();
    void largeFormScrollsInsideTheFormArea();
};

// The window asks to be maximized before it is shown; the check places it
// as the platform then does.
void TestMainWinScreenFit::startsMaximized()
{
    MainWindowRig rig(8);
    QVERIFY(rig.w->windowState() & Qt::WindowMaximized);
}

void TestMainWinScreenFit::everyFormInEveryLanguage_data()
{
    QTest::addColumn<bool>("largeFont");
    // The font chosen while connected, after every form has been shown in
    // the desktop font, and no language switch after it (which would lay
    // the forms out anew): the forms follow the font change itself.
    QTest::addColumn<bool>("chosenWhileConnected");
    QTest::newRow("desktop font") << false << false;
    QTest::newRow("12-point form font") << true << false;
    QTest::newRow("12-point form font chosen while connected") << true << true;
}

void TestMainWinScreenFit::everyFormInEveryLanguage()
{
    QFETCH(bool, largeFont);
    QFETCH(bool, chosenWhileConnected);
    LaptopWindow s;
    if (largeFont && !chosenWhileConnected)
        s.chooseFont(screenfit::largeFormFont());
    QStringList reports;
    const auto check = [&](const QString &what) {
        const QStringList misfits = screenfit::misfits(s.rig.w.get(), mainWindowScreenFitOptions());
        if (!misfits.isEmpty())
            reports << screenfit::report(what, misfits);
    };

    const QStringList languages = chosenWhileConnected ? QStringList{QStringLiteral("ru")} : TextFitLanguages::all();
    if (!chosenWhileConnected) {
        for (const QString &language : languages) {
            useWindowLanguage(s.rig.w.get(), language);
            check(QStringLiteral("\"%1\", unconnected").arg(language));
        }
    }
    QVERIFY(s.start());
    const QList<IRetranslatable *> forms = s.rig.w->forms();
    if (chosenWhileConnected) {
        for (int i = 0; i < forms.size(); ++i) {
            if (forms.at(i))
                QVERIFY2(s.rig.showForm(i), qPrintable(s.formName(i)));
        }
        s.chooseFont(screenfit::largeFormFont());
    }
    for (const QString &language : languages) {
        if (!chosenWhileConnected)
            useWindowLanguage(s.rig.w.get(), language);
        for (int i = 0; i < forms.size(); ++i) {
            if (!forms.at(i))
                continue;
            QVERIFY2(s.rig.showForm(i), qPrintable(s.formName(i)));
            check(QStringLiteral("\"%1\", %2 shown").arg(language, s.formName(i)));
        }
    }
    useWindowLanguage(s.rig.w.get(), QStringLiteral("ru"));
    QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
    QCOMPARE(s.answerer.seen.size(), 0);
}

// Whatever form is shown, the window neither grows nor asks for more room
// than it had with none: started maximized on the laptop's screen, and
// shown as a smaller window whose size the operator chose.
void TestMainWinScreenFit::windowKeepsItsSize()
{
    LaptopWindow s;
    QVERIFY(s.start());
    s.rig.w->showNormal();
    const QSize chosen(1100, 660);
    s.rig.w->resize(chosen);
    textfit::settle(s.rig.w.get());
    const QSize minimum = s.rig.w->minimumSize();
    QVERIFY2(minimum.width() <= chosen.width() && minimum.height() <= chosen.height(),
             qPrintable(QStringLiteral("the window needs %1 x %2 px with no form").arg(minimum.width()).arg(minimum.height())));

    QStringList grown;
    const QList<IRetranslatable *> forms = s.rig.w->forms();
    for (const int size : {0, 1}) {
        if (size == 1)
            screenfit::placeMaximized(s.rig.w.get());
        const QSize placed = s.rig.w->size();
        for (int i = 0; i < forms.size(); ++i) {
            if (!forms.at(i))
                continue;
            QVERIFY2(s.rig.showForm(i), qPrintable(s.formName(i)));
            if (s.rig.w->size() != placed || s.rig.w->minimumSize() != minimum)
                grown << QStringLiteral("%1: window %2 x %3 px (minimum %4 x %5 px), was %6 x %7 px (minimum %8 x %9 px)")
                             .arg(s.formName(i))
                             .arg(s.rig.w->width())
                             .arg(s.rig.w->height())
                             .arg(s.rig.w->minimumWidth())
                             .arg(s.rig.w->minimumHeight())
                             .arg(placed.width())
                             .arg(placed.height())
                             .arg(minimum.width())
                             .arg(minimum.height());
        }
    }
    QVERIFY2(grown.isEmpty(), qPrintable(textfit::logged(grown)));
}

// The statistics window at the maximized window's size shows every row and
// column of its six tables, each whole without a scroll bar of its own, in
// every language: with a day's counts at the full line rate the form area
// has nothing to scroll; with larger counts the columns grow with them,
// nothing is cut, and the form area scrolls to what no longer fits.
void TestMainWinScreenFit::statisticsAtAGlance_data()
{
    QTest::addColumn<QByteArray>("counters");
    QTest::addColumn<bool>("fitsTheArea");
    QTest::newRow("a day at 1 Gbit/s") << simBytesOf(dayOfCounters()) << true;
    QTest::newRow("largest counts") << simBytesOf(largestCounters()) << false;
}

void TestMainWinScreenFit::statisticsAtAGlance()
{
    QFETCH(QByteArray, counters);
    QFETCH(bool, fitsTheArea);
    LaptopWindow s;
    // Every results reply (only the statistics window asks) carries the
    // counters, valid.
    s.rig.tester([counters](SimRemoteResponder &r) { r.replyOverride[0x13] = QByteArray(1, '\1') + counters; });
    QVERIFY(s.start());
    const int stats = s.formIndex("StatsForm");
    QVERIFY(stats >= 0);
    QVERIFY(s.rig.showForm(stats));
    auto *form = s.rig.w->forms().at(stats);
    // Port B's transmitted bytes, drawn last of the common counters.
    stats_results_t r;
    std::memcpy(&r, counters.constData(), sizeof r);
    auto *common = findWidget<QTableWidget>(form, "tCommon");
    QTRY_COMPARE_WITH_TIMEOUT(common->item(3, 1) ? common->item(3, 1)->text() : QString(),
                              QString::number(r.tx.bytes), MainWindowDeadlineMs);
    auto *area = s.rig.get<QScrollArea>("saForms");

    QStringList reports;
    for (const QString &language : TextFitLanguages::all()) {
        useWindowLanguage(s.rig.w.get(), language);
        const QStringList misfits = screenfit::misfits(s.rig.w.get(), mainWindowScreenFitOptions());
        if (!misfits.isEmpty())
            reports << screenfit::report(language, misfits);
        textfit::settle(s.rig.w.get());
        const QSize scrolled(area->horizontalScrollBar()->maximum(), area->verticalScrollBar()->maximum());
        if (fitsTheArea && !scrolled.isNull())
            reports << QStringLiteral("\"%1\": the form area scrolls the statistics window by %2 x %3 px")
                           .arg(language)
                           .arg(scrolled.width())
                           .arg(scrolled.height());
        if (!fitsTheArea && scrolled.width() <= 0)
            reports << QStringLiteral("\"%1\": the tables did not grow past the form area with their counts").arg(language);
        for (QTableWidget *table : form->findChildren<QTableWidget *>()) {
            for (int row = 0; row < table->rowCount(); ++row) {
                if (!table->isRowHidden(row)
                    && table->rowViewportPosition(row) + table->rowHeight(row) > table->viewport()->height())
                    reports << QStringLiteral("\"%1\": %2 row %3 not in sight").arg(language, table->objectName()).arg(row);
            }
        }
    }
    useWindowLanguage(s.rig.w.get(), QStringLiteral("ru"));
    if (fitsTheArea)
        QVERIFY(textfit::savePicture(s.rig.w.get(), QStringLiteral("screen-statistics-ru.png")));
    QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
}

// The largest windows, every page of them, in the desktop font: all in
// sight in every language with nothing for the form area to scroll.
// Russian pictures of each page.
void TestMainWinScreenFit::largestWindowsWithoutScrolling_data()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("Y.1564") << QStringLiteral("Y1564Form");
    QTest::newRow("interface settings") << QStringLiteral("IfsetForm");
    QTest::newRow("statistics") << QStringLiteral("StatsForm");
}

void TestMainWinScreenFit::largestWindowsWithoutScrolling()
{
    QFETCH(QString, form);
    LaptopWindow s;
    QVERIFY(s.start());
    const int i = s.formIndex(qPrintable(form));
    QVERIFY2(i >= 0, qPrintable(form));
    QVERIFY(s.rig.showForm(i));
    auto *area = s.rig.get<QScrollArea>("saForms");
    auto *shown = dynamic_cast<QWidget *>(s.rig.w->forms().at(i));
    QVERIFY(shown);

    QStringList reports;
    for (const QString &language : TextFitLanguages::all()) {
        useWindowLanguage(s.rig.w.get(), language);
        int page = 0;
        textfit::forEachTabPage(shown, [&](QWidget *) {
            const QSize scrolled(area->horizontalScrollBar()->maximum(), area->verticalScrollBar()->maximum());
            const QString pages = QStringLiteral("%1, page %2 (%3)")
                                      .arg(form)
                                      .arg(page)
                                      .arg(shownTabs(shown));
            if (!scrolled.isNull())
                reports << QStringLiteral("\"%1\", %2: the form area scrolls by %3 x %4 px")
                               .arg(language, pages)
                               .arg(scrolled.width())
                               .arg(scrolled.height());
            const QStringList misfits = screenfit::misfits(s.rig.w.get(), mainWindowScreenFitOptions());
            if (!misfits.isEmpty())
                reports << screenfit::report(QStringLiteral("\"%1\", %2").arg(language, pages), misfits);
            if (language == QLatin1String("ru"))
                QVERIFY(textfit::savePicture(s.rig.w.get(),
                                             QStringLiteral("screen-%1-%2-ru.png").arg(form.toLower()).arg(page)));
            ++page;
        });
    }
    useWindowLanguage(s.rig.w.get(), QStringLiteral("ru"));
    QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
}

// Windows larger than the form area scroll inside it, and the window stays
// on the screen: a form made larger than the whole area scrolls both ways to
// every pixel of it, and in the 12-point font every form is shown without
// the window growing. A picture of the PTP window in that font.
void TestMainWinScreenFit::largeFormScrollsInsideTheFormArea()
{
    LaptopWindow s;
    QVERIFY(s.start());
    auto *area = s.rig.get<QScrollArea>("saForms");
    const QMargins f = screenfit::frameOf(s.rig.w.get());
    const QSize frame(f.left() + f.right(), f.top() + f.bottom());
    const QList<IRetranslatable *> forms = s.rig.w->forms();

    const int ptp = s.formIndex("PTPForm");
    QVERIFY(ptp >= 0);
    IRetranslatable *large = forms.at(ptp);
    const QSize designed = large->minimumSize();
    const QSize tooLarge = screenfit::laptopArea() * 2;
    large->setMinimumSize(tooLarge);
    QVERIFY(s.rig.showForm(ptp));
    textfit::settle(s.rig.w.get());
    const QSize viewport = area->viewport()->size();
    QVERIFY2(area->horizontalScrollBar()->maximum() >= tooLarge.width() - viewport.width(),
             qPrintable(QStringLiteral("%1 px to scroll across, %2 px needed")
                            .arg(area->horizontalScrollBar()->maximum())
                            .arg(tooLarge.width() - viewport.width())));
    QVERIFY2(area->verticalScrollBar()->maximum() >= tooLarge.height() - viewport.height(),
             qPrintable(QStringLiteral("%1 px to scroll down, %2 px needed")
                            .arg(area->verticalScrollBar()->maximum())
                            .arg(tooLarge.height() - viewport.height())));
    QCOMPARE(s.rig.w->size() + frame, screenfit::laptopArea());
    large->setMinimumSize(designed);

    s.chooseFont(screenfit::largeFormFont());
    for (int i = 0; i < forms.size(); ++i) {
        if (!forms.at(i))
            continue;
        QVERIFY2(s.rig.showForm(i), qPrintable(s.formName(i)));
        QCOMPARE(s.rig.w->size() + frame, screenfit::laptopArea());
        if (i == ptp)
            QVERIFY(textfit::savePicture(s.rig.w.get(), QStringLiteral("screen-12pt-ptpform-ru.png")));
    }
}

QTEST_MAIN(TestMainWinScreenFit)
#include "tst_mainwin_screenfit.moc"
