// What the vyrup window shows besides its logic: every picture its sources
// name is compiled into the program, the about box finds its logo, and no
// caption, button or logon text is cut off by the fonts of the machine it
// runs on, in either language the window offers.
// VYR_SCREENSHOT_DIR=/tmp ctest -R tst_vyrupresources leaves pictures of the
// window in both languages in /tmp.

#include "vyruptestkit.h"
#include "windowlook.h"

#include "aboutdialog.h"
#include "commandline.h"
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

    void textsFit_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("Russian (at start)") << false;
        QTest::newRow("English") << true;
    }

    void textsFit()
    {
        QFETCH(bool, english);
        MainForm w;
        applyCommandLine(w, {"vyrup", "-dev"}); // the per-part group shows as well
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (english)
            QTest::mouseClick(child<QPushButton>(&w, "bEng"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(&w, "label_11")->text(), english ? QStringLiteral("Log") : QStringLiteral("Имя"));

        QCoreApplication::processEvents(); // the layout settles as it would in the event loop
        QStringList cut = cutTexts(&w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));

        // The connected look: Disconnect in place of Connect, in the window
        // whose size was fixed before.
        QVERIFY(QMetaObject::invokeMethod(&w, "updaterConnected", Qt::DirectConnection, Q_ARG(uchar, 6),
                                          Q_ARG(QString, QStringLiteral("R3.0.4")), Q_ARG(ushort, 1234)));
        QCoreApplication::processEvents();
        QVERIFY(child<QPushButton>(&w, "bDisconnect")->isVisible());
        saveScreenshot(&w, english ? QStringLiteral("vyrup-en.png") : QStringLiteral("vyrup-ru.png"));
        cut = cutTexts(&w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestVyrupResources)
#include "tst_vyrupresources.moc"
