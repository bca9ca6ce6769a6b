// What the settings correction window shows besides its logic: every
// picture its sources name is compiled into the program, the about box
// finds its logo, and no text of the window or its about box is cut nor
// anything of them off a 1366 x 768 laptop screen, in Russian (at start)
// and English, the two languages the program has. The window keeps its
// size when it connects to the simulated tester and shows every text whole
// at its least size, in those two and in German, whose catalog holds the
// window's texts too.
// VYR_SCREENSHOT_DIR=/tmp ctest -R tst_oscresources leaves Russian pictures
// of the window in /tmp.

#include "mainwindow.h"
#include "../support/widgetlookup.h"

#include "../support/windowlook.h"
#include "aboutdialog.h"
#include "screenfit.h"
#include "simtester.h"
#include "simupdate.h"
#include "textfit.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

using namespace windowlook;

namespace {
template <class T>
T *child(QWidget *w, const char *name)
{
    return findWidget<T>(w, name);
}

// Generous: the connect sequence alone may wait 2 s for the restarted
// firmware, and the machine may be loaded.
const int kWaitMs = 20000;

// Switches the window as the operator does: Russian and English through
// the flags. German, which the program does not offer, through the English
// flag with the German catalog installed over it. False when the window
// does not show the language's texts then.
bool useLanguage(MainWindow &w, QTranslator &german, const QString &language)
{
    QCoreApplication::removeTranslator(&german);
    if (language == QLatin1String("de") && !QCoreApplication::installTranslator(&german))
        return false;
    QTest::mouseClick(child<QPushButton>(&w, language == QLatin1String("ru") ? "bRus" : "bEng"), Qt::LeftButton);
    const bool english = child<QPushButton>(&w, "bApply")->text() == QLatin1String("Apply");
    return english == (language == QLatin1String("en"));
}
} // namespace

class TstOscResources : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void namedPictureLoads_data();
    void namedPictureLoads();
    void aboutBoxShowsLogo();
    void iconsOfWindowAndMenu();
    void textsFit();
    void sizeHoldsOnConnect_data();
    void sizeHoldsOnConnect();
    void textsWholeAtLeastSize_data();
    void textsWholeAtLeastSize();

private:
    // The window as the program starts it: in Russian, its catalogs found
    // where the build puts them.
    std::unique_ptr<MainWindow> startRussian();

    QString startDir;
};

void TstOscResources::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Halvorsk"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel Settings Correction"));
    QSettings().clear();
    startDir = QDir::currentPath();
    QVERIFY2(qEnvironmentVariableIsSet("VYR_SOURCE_DIR"), "run under ctest or set VYR_SOURCE_DIR to the source tree");
}

void TstOscResources::cleanup()
{
    QDir::setCurrent(startDir);
}

void TstOscResources::namedPictureLoads_data()
{
    QTest::addColumn<QString>("path");
    const QStringList paths = imageResourcesNamedIn({"OstrelsettingsCorrection", "VyrCommon/gui"});
    for (const QString &p : paths)
        QTest::newRow(qPrintable(p)) << p;
    // These folders name at least the two flags, the refresh arrow, two menu
    // icons and the about box logo; fewer means the scan itself is broken.
    if (paths.size() < 6)
        QTest::newRow("scan found too few") << QString();
}

void TstOscResources::namedPictureLoads()
{
    QFETCH(QString, path);
    QVERIFY(!path.isEmpty());
    QVERIFY2(!QPixmap(path).isNull(), qPrintable(path + " is not among the program's resources"));
}

void TstOscResources::aboutBoxShowsLogo()
{
    AboutDialog about(nullptr);
    QVERIFY(!child<QLabel>(&about, "logo")->pixmap(Qt::ReturnByValue).isNull());
}

// Buttons without text are pictures only: a missing picture leaves a blank
// button. The About menu's entries carry their icons as well.
void TstOscResources::iconsOfWindowAndMenu()
{
    MainWindow w;
    for (const char *name : {"bEng", "bRus", "bRefreshPorts"})
        QVERIFY2(drawable(child<QPushButton>(&w, name)->icon()), name);
    int withIcon = 0;
    for (QMenuBar *bar : w.findChildren<QMenuBar *>()) {
        if (bar == w.menuBar())
            continue; // the form's own bar, whose entries have no icons
        for (QAction *a : bar->findChildren<QAction *>()) {
            if (a->menu() || a->isSeparator())
                continue;
            QVERIFY2(drawable(a->icon()), qPrintable(a->text()));
            ++withIcon;
        }
    }
    QCOMPARE(withIcon, 2); // About, About Qt
}

void TstOscResources::textsFit()
{
    // Started where its catalogs lie, the window comes up in Russian.
    QVERIFY(QDir::setCurrent(QStringLiteral(OSC_PROGRAM_DIR)));
    MainWindow w;
    QDir::setCurrent(startDir);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(child<QPushButton>(&w, "bApply")->text(), QCoreApplication::translate("MainWindow", "Apply"));
    QVERIFY(QCoreApplication::translate("MainWindow", "Apply") != QLatin1String("Apply"));

    // The logon and the addresses shown at start must show whole, the
    // widest an address can be.
    for (const char *address : {"lIP", "lNM", "lGW"})
        child<QLineEdit>(&w, address)->setText(QStringLiteral("255.255.255.255"));
    textfit::Options options;
    options.editableLineEdits = true;
    const QStringList languages = {QStringLiteral("ru"), QStringLiteral("en")};
    const auto useLanguage = [&w](const QString &language) {
        QTest::mouseClick(child<QPushButton>(&w, language == QLatin1String("ru") ? "bRus" : "bEng"), Qt::LeftButton);
        return true;
    };
    QStringList reports;
    const auto check = [&](const QString &what, const std::function<QStringList()> &cutTextsNow) {
        for (const QString &report : textFitInEachLanguage(useLanguage, cutTextsNow, languages))
            reports << QStringLiteral("%1: %2").arg(what, report);
    };
    // Texts whole and the window on a 1366 x 768 laptop screen.
    screenfit::Options onLaptop;
    onLaptop.text = options;
    check(QStringLiteral("unconnected"), [&] { return screenfit::misfits(&w, onLaptop); });
    // The connected look: Disconnect in place of Connect.
    w.updaterConnected(6, QStringLiteral("R3.0.4"), 1234);
    QVERIFY(child<QPushButton>(&w, "bDisconnect")->isVisible());
    check(QStringLiteral("connected"), [&] { return screenfit::misfits(&w, onLaptop); });
    check(QStringLiteral("about box"), [] {
        AboutDialog about(nullptr);
        about.show();
        return screenfit::misfits(&about);
    });

    QVERIFY(useLanguage(QStringLiteral("ru")));
    QVERIFY(textfit::savePicture(&w, QStringLiteral("osc-ru.png")));
    QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
}

std::unique_ptr<MainWindow> TstOscResources::startRussian()
{
    if (!QDir::setCurrent(QStringLiteral(OSC_PROGRAM_DIR)))
        return nullptr;
    auto w = std::make_unique<MainWindow>();
    QDir::setCurrent(startDir);
    w->show();
    return QTest::qWaitForWindowExposed(w.get()) ? std::move(w) : nullptr;
}

// Connect and Disconnect take turns in one place of the connection row:
// connecting to the tester, and the connection's lines in the log, leave
// the window at the size it had, in each language; nor does a change of
// language while connected move it (Russian, the start, is the widest).
void TstOscResources::sizeHoldsOnConnect_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : TextFitLanguages::all())
        QTest::newRow(qPrintable(language)) << language;
}

void TstOscResources::sizeHoldsOnConnect()
{
    QFETCH(QString, language);
    SimTester sim(new SimUpdateResponder(6));
    const QString pty = sim.openPty();
    QVERIFY(!pty.isEmpty());
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(OSC_GERMAN_CATALOG)));
    const std::unique_ptr<MainWindow> w = startRussian();
    QVERIFY(w);
    QVERIFY(useLanguage(*w, german, language));
    textfit::settle(w.get());
    const QSize start = w->size();

    // Typed once the port list asked for at start is in, which would
    // replace it.
    auto *port = child<QComboBox>(w.get(), "cbCOM");
    QVERIFY(QTest::qWaitFor([&] { return port->isEnabled(); }, kWaitMs));
    port->setEditText(pty);
    QTest::mouseClick(child<QPushButton>(w.get(), "bConnect"), Qt::LeftButton);
    auto *disconnect = child<QPushButton>(w.get(), "bDisconnect");
    QVERIFY(QTest::qWaitFor([&] { return disconnect->isVisible(); }, kWaitMs));
    // Connected, serial, release.
    QCOMPARE(child<QTextEdit>(w.get(), "teStatus")->toPlainText().split(QLatin1Char('\n')).size(), 3);
    textfit::settle(w.get());
    QCOMPARE(w->size(), start);

    const QStringList switches = TextFitLanguages::all() << language;
    for (const QString &next : switches) {
        QVERIFY(useLanguage(*w, german, next));
        textfit::settle(w.get());
        QVERIFY2(w->size() == start, qPrintable(QStringLiteral("connected, in %1: %2 x %3 px, started %4 x %5 px")
                                                    .arg(next).arg(w->width()).arg(w->height())
                                                    .arg(start.width()).arg(start.height())));
    }
}

// Made as small as it can be made, the window still shows every text whole
// (the widest addresses too), before and after connecting, in each language.
void TstOscResources::textsWholeAtLeastSize_data()
{
    QTest::addColumn<bool>("connected");
    QTest::newRow("unconnected") << false;
    QTest::newRow("connected") << true;
}

void TstOscResources::textsWholeAtLeastSize()
{
    QFETCH(bool, connected);
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(OSC_GERMAN_CATALOG)));
    const std::unique_ptr<MainWindow> w = startRussian();
    QVERIFY(w);
    for (const char *address : {"lIP", "lNM", "lGW"})
        child<QLineEdit>(w.get(), address)->setText(QStringLiteral("255.255.255.255"));
    if (connected)
        w->updaterConnected(6, QStringLiteral("R3.0.4"), 1234);
    textfit::Options options;
    options.editableLineEdits = true;
    const QStringList reports = textFitInEachLanguage(
        [&](const QString &language) { return useLanguage(*w, german, language); },
        [&] { return textfit::cutTextsAtLeastSize(w.get(), options); });
    QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
}

QTEST_MAIN(TstOscResources)
#include "tst_oscresources.moc"
