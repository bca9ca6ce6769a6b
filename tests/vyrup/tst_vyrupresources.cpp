// What the vyrup window shows besides its logic: every picture its sources
// name is compiled into the program, the about box finds its logo, and no
// text of the window or of its dialogs is cut nor anything of them off a
// 1366 x 768 laptop screen, in Russian (at start),
// English and German (carried by its catalogues though its button is hidden).
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
#include <QtTest>

using namespace vyruptest;
using namespace windowlook;

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
        options.scrollingAllowed = {"lROMpath", "lBINpath", "lRPDpath", "lFSpath", "lGPSpath"};
        const auto useLanguage = [&w](const QString &language) {
            const char *slot = language == QLatin1String("ru")   ? "bRusClicked"
                               : language == QLatin1String("de") ? "bDeuClicked"
                                                                  : "bEngClicked";
            return QMetaObject::invokeMethod(&w, slot);
        };
        QStringList reports;
        const auto check = [&](const QString &what, const std::function<QStringList()> &cutTextsNow) {
            for (const QString &report : textFitInEachLanguage(useLanguage, cutTextsNow))
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
        QVERIFY(QMetaObject::invokeMethod(&w, "updaterConnected", Qt::DirectConnection, Q_ARG(uchar, 6),
                                          Q_ARG(QString, QStringLiteral("R3.0.4")), Q_ARG(ushort, 1234)));
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

        QVERIFY(useLanguage(QStringLiteral("ru")));
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
