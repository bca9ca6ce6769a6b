// What the vyrup window shows besides its logic: every picture its sources
// name is compiled into the program, the about box finds its logo, no text
// of the window or of its dialogs is cut (also at the window's least size)
// nor anything of them off a 1366 x 768 laptop screen, and the window keeps
// its size when it connects, in Russian (at start), English and German
// (carried by its catalogues though its button is hidden).
// VYR_SCREENSHOT_DIR=/tmp ctest -R tst_vyrupresources leaves Russian pictures
// of the window and its dialogs in /tmp.

#include "vyruptestkit.h"
#include "../support/windowlook.h"
#include "screenfit.h"
#include "textfit.h"

#include "aboutdialog.h"
#include "commandline.h"
#include "ipsettingform.h"
#include "logondialog.h"
#include "mainmenu.h"

#include <QAction>
#include <QLabel>
#include <QPixmap>
#include <QSettings>
#include <QTextEdit>
#include <QtTest>

using namespace vyruptest;
using namespace windowlook;

namespace {

// Switches the window to a language through its own slots (German's button
// is hidden, its slot works).
bool useLanguage(MainForm &w, const QString &language)
{
    const char *slot = language == QLatin1String("ru")   ? "bRusClicked"
                       : language == QLatin1String("de") ? "bDeuClicked"
                                                          : "bEngClicked";
    return QMetaObject::invokeMethod(&w, slot);
}

// The window as it connects: Disconnect in place of Connect and the
// connection's lines in the log, without a tester.
bool showConnected(MainForm &w)
{
    return QMetaObject::invokeMethod(&w, "updaterConnected", Qt::DirectConnection, Q_ARG(uchar, 6),
                                     Q_ARG(QString, QStringLiteral("R3.0.4")), Q_ARG(ushort, 1234));
}

const QSet<QString> PathFields = {"lROMpath", "lBINpath", "lRPDpath", "lFSpath", "lGPSpath"};

// The rows of a test that runs in each language, with and without the
// per-part group.
void languageAndDevRows()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("dev");
    for (const QString &language : TextFitLanguages::all()) {
        QTest::addRow("%s", qPrintable(language)) << language << false;
        QTest::addRow("%s, -dev", qPrintable(language)) << language << true;
    }
}

} // namespace

class TestVyrupResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("Halvorsk");
        QCoreApplication::setApplicationName("Ostrel Updater");
        QSettings().clear();
        QVERIFY2(qEnvironmentVariableIsSet("VYR_SOURCE_DIR"), "run under ctest or set VYR_SOURCE_DIR to the source tree");
        // The program registers its resources when it builds its window.
        MainForm w;
    }

    void namedPictureLoads_data()
    {
        QTest::addColumn<QString>("path");
        const QStringList paths = imageResourcesNamedIn({"updater", "VyrCommon/gui"});
        for (const QString &p : paths)
            QTest::newRow(qPrintable(p)) << p;
        // These folders name at least the three flags, the refresh arrow,
        // three menu icons and the about box logo; fewer means the scan
        // itself is broken.
        if (paths.size() < 8)
            QTest::newRow("scan found too few") << QString();
    }

    void namedPictureLoads()
    {
        QFETCH(QString, path);
        QVERIFY(!path.isEmpty());
        QVERIFY2(!QPixmap(path).isNull(), qPrintable(path + " is not among vyrup's resources"));
    }

    void aboutBoxShowsLogo()
    {
        AboutDialog about(nullptr);
        QVERIFY(!child<QLabel>(&about, "logo")->pixmap(Qt::ReturnByValue).isNull());
    }

    // Buttons without text are pictures only: a missing picture leaves a
    // blank button. The menu's entries carry their icons as well.
    void iconsOfWindowAndMenu()
    {
        MainForm w;
        for (const char *name : {"bEng", "bDeu", "bRus", "bRefreshPorts"})
            QVERIFY2(drawable(child<QPushButton>(&w, name)->icon()), name);
        auto *menu = w.findChild<MainMenu *>();
        QVERIFY(menu);
        int withIcon = 0;
        for (QAction *a : menu->findChildren<QAction *>()) {
            if (a->menu() || a->isSeparator())
                continue;
            QVERIFY2(drawable(a->icon()), qPrintable(a->text()));
            ++withIcon;
        }
        QVERIFY(withIcon >= 3); // About, About Qt, Logon
    }

    // The log shows a whole update at the size the window starts with, in
    // each language, and the window fits a 1366 x 768 screen; with the
    // developer group the window starts as high, and the group takes the
    // log's room.
    void wholeUpdateInSightAtStart_data() { languageAndDevRows(); }
    void wholeUpdateInSightAtStart()
    {
        QFETCH(QString, language);
        QFETCH(bool, dev);
        MainForm w;
        if (dev)
            applyCommandLine(w, {"vyrup", "-dev"});
        QVERIFY(useLanguage(w, language));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // What a connection and an update from a package with all four
        // parts write, as the window writes it.
        child<QTextEdit>(&w, "teStatus")->clear();
        QVERIFY(showConnected(w));
        using S = UpdaterState;
        const auto state = [&](S s) {
            return QMetaObject::invokeMethod(&w, "updaterStateChanged", Qt::DirectConnection, Q_ARG(UpdaterState, s));
        };
        for (S s : {S::CpuUpdating, S::CpuUpdated, S::Resetting, S::ResetDone, S::FpgaErasing, S::FpgaErased,
                    S::FpgaUpdating, S::FpgaUpdated, S::FsUpdating, S::FsUpdated, S::GpsUpdating, S::GpsUpdated,
                    S::Resetting, S::ResetDone})
            QVERIFY(state(s));
        QVERIFY(QMetaObject::invokeMethod(&w, "updaterDisconnected", Qt::DirectConnection));
        QVERIFY(state(S::FullUpdateFinished));
        QCOMPARE(logLines(&w).size(), 20);

        screenfit::Options options;
        options.text.editableLineEdits = true;
        options.text.scrollingAllowed = PathFields;
        if (!dev)
            options.wholeContents = QStringList{QStringLiteral("teStatus")};
        const QStringList misfits = screenfit::misfits(&w, options);
        QVERIFY2(misfits.isEmpty(), qPrintable(screenfit::report(language + (dev ? " -dev" : ""), misfits)));
        if (language == QLatin1String("ru"))
            QVERIFY(textfit::savePicture(&w, dev ? QStringLiteral("vyrup-update-dev-ru.png")
                                                 : QStringLiteral("vyrup-update-ru.png")));
    }

    // The window can be resized; the log takes the room added and gives it
    // back, the other groups keep their height.
    void logTakesTheRoom()
    {
        MainForm w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        textfit::settle(&w);
        const QSize start = w.size();
        QVERIFY2(w.minimumHeight() < start.height(), "the window cannot be made smaller");
        QVERIFY2(w.maximumHeight() > start.height() && w.maximumWidth() > start.width(), "the window cannot be made larger");
        auto *log = child<QTextEdit>(&w, "teStatus");
        const QStringList others = {"groupBox", "grUpdate"};
        QMap<QString, int> heights;
        for (const QString &name : others)
            heights[name] = child<QWidget>(&w, qPrintable(name))->height();
        const int logHeight = log->height();
        // The connection row keeps each field beside its label's text (which
        // starts at the label's left edge).
        const QList<QPair<QString, QString>> pairs = {{"label", "cbCOM"}, {"label_11", "lLogonId"}, {"label_12", "lPsw"}};
        QMap<QString, int> gaps;
        for (const auto &p : pairs)
            gaps[p.first] = child<QWidget>(&w, qPrintable(p.second))->x() - child<QWidget>(&w, qPrintable(p.first))->x();

        w.resize(start + QSize(120, 150));
        textfit::settle(&w);
        QCOMPARE(log->height(), logHeight + 150);
        for (const QString &name : others)
            QCOMPARE(child<QWidget>(&w, qPrintable(name))->height(), heights.value(name));
        for (const auto &p : pairs) {
            const int gap = child<QWidget>(&w, qPrintable(p.second))->x() - child<QWidget>(&w, qPrintable(p.first))->x();
            QVERIFY2(gap == gaps.value(p.first), qPrintable(QStringLiteral("%1 moved %2 px away from %3")
                                                                 .arg(p.second).arg(gap - gaps.value(p.first)).arg(p.first)));
        }

        w.resize(start.width(), w.minimumHeight());
        textfit::settle(&w);
        QVERIFY(log->height() < logHeight);
        for (const QString &name : others)
            QCOMPARE(child<QWidget>(&w, qPrintable(name))->height(), heights.value(name));
    }

    // Connect and Disconnect take turns in one place of the connection row:
    // connecting to the tester, and the connection's lines in the log, leave
    // the window at the size it had, in each language and with the per-part
    // group; nor does a change of language while connected move it (Russian,
    // the start, is the widest).
    void sizeHoldsOnConnect_data() { languageAndDevRows(); }
    void sizeHoldsOnConnect()
    {
        QFETCH(QString, language);
        QFETCH(bool, dev);
        Rig rig(6, dev ? QStringList{"vyrup", "-dev"} : QStringList());
        QVERIFY(QTest::qWaitForWindowExposed(rig.w()));
        QVERIFY(useLanguage(*rig.window, language));
        textfit::settle(rig.w());
        const QSize start = rig.w()->size();

        QVERIFY(rig.connectDevice());
        QCOMPARE(logLines(rig.w()).size(), 4); // connected, type, serial, release
        textfit::settle(rig.w());
        QCOMPARE(rig.w()->size(), start);

        const QStringList switches = TextFitLanguages::all() << language;
        for (const QString &next : switches) {
            QVERIFY(useLanguage(*rig.window, next));
            textfit::settle(rig.w());
            QVERIFY2(rig.w()->size() == start,
                     qPrintable(QStringLiteral("connected, in %1: %2 x %3 px, started %4 x %5 px")
                                    .arg(next).arg(rig.w()->width()).arg(rig.w()->height())
                                    .arg(start.width()).arg(start.height())));
        }
    }

    // Made as small as it can be made, the window still shows every text
    // whole: no button is given less room than its text needs. In each
    // language, before and after connecting, with and without the per-part
    // group.
    void textsWholeAtLeastSize_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<bool>("dev");
        QTest::newRow("unconnected") << false << false;
        QTest::newRow("connected") << true << false;
        QTest::newRow("unconnected, -dev") << false << true;
        QTest::newRow("connected, -dev") << true << true;
    }
    void textsWholeAtLeastSize()
    {
        QFETCH(bool, connected);
        QFETCH(bool, dev);
        MainForm w;
        if (dev)
            applyCommandLine(w, {"vyrup", "-dev"});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (connected)
            QVERIFY(showConnected(w));
        textfit::Options options;
        options.editableLineEdits = true;
        options.scrollingAllowed = PathFields;
        const QStringList reports = textFitInEachLanguage(
            [&w](const QString &language) { return useLanguage(w, language); },
            [&] { return textfit::cutTextsAtLeastSize(&w, options); });
        QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
    }

    void textsFit()
    {
        MainForm w;
        applyCommandLine(w, {"vyrup", "-dev"}); // the per-part group shows as well
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *menu = w.findChild<MainMenu *>();
        QVERIFY(menu);

        // The logon and the addresses shown at start must show whole; a
        // file path is the operator's own and scrolls in its fixed field.
        textfit::Options options;
        options.editableLineEdits = true;
        options.scrollingAllowed = PathFields;
        const auto inLanguage = [&w](const QString &language) { return useLanguage(w, language); };
        QStringList reports;
        const auto check = [&](const QString &what, const std::function<QStringList()> &cutTextsNow) {
            for (const QString &report : textFitInEachLanguage(inLanguage, cutTextsNow))
                reports << QStringLiteral("%1: %2").arg(what, report);
        };
        // Texts whole, and the window and its dialogs on a 1366 x 768 laptop
        // screen.
        screenfit::Options onLaptop;
        onLaptop.text = options;
        const auto checkWindow = [&] { return screenfit::misfits(&w, onLaptop); };

        check(QStringLiteral("unconnected"), checkWindow);
        // The connected look: Disconnect in place of Connect, in the window
        // whose size was fixed before.
        QVERIFY(showConnected(w));
        QVERIFY(child<QPushButton>(&w, "bDisconnect")->isVisible());
        check(QStringLiteral("connected"), checkWindow);

        // The dialogs take their texts when they are built.
        const auto checkDialog = [&](QDialog &d) {
            d.show();
            return screenfit::misfits(&d, onLaptop);
        };
        check(QStringLiteral("logon dialog"), [&] {
            logonDialog d(menu);
            d.setValues(w.logonId(), w.password());
            return checkDialog(d);
        });
        check(QStringLiteral("IP settings dialog"), [&] {
            IPsettingForm d(menu);
            d.setValues(QStringLiteral("true"), QStringLiteral("255.255.255.255"), QStringLiteral("255.255.255.255"),
                        QStringLiteral("255.255.255.255"));
            return checkDialog(d);
        });
        check(QStringLiteral("about box"), [&] {
            AboutDialog d(menu);
            return checkDialog(d);
        });

        QVERIFY(useLanguage(w, QStringLiteral("ru")));
        QVERIFY(textfit::savePicture(&w, QStringLiteral("vyrup-ru.png")));
        {
            logonDialog d(menu);
            d.setValues(w.logonId(), w.password());
            d.show();
            QVERIFY(textfit::savePicture(&d, QStringLiteral("vyrup-logon-ru.png")));
        }
        {
            IPsettingForm d(menu);
            d.setValues(QStringLiteral("true"), QStringLiteral("192.168.1.202"), QStringLiteral("255.255.255.0"),
                        QStringLiteral("192.168.1.1"));
            d.show();
            QVERIFY(textfit::savePicture(&d, QStringLiteral("vyrup-ipsettings-ru.png")));
        }
        QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
    }
};

QTEST_MAIN(TestVyrupResources)
#include "tst_vyrupresources.moc"
