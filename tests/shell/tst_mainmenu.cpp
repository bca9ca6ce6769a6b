#include "aboutdialog.h"
#include "mainmenu.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <functional>

// Translates every text of the given contexts to "<xx> text", so a test can
// see which texts pass through translation and in which context.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(QStringList contexts)
        : m_contexts(std::move(contexts))
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (!m_contexts.contains(QLatin1String(context)))
            return QString();
        return QStringLiteral("<xx> ") + QString::fromUtf8(sourceText);
    }

private:
    QStringList m_contexts;
};

class MainMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void menusAndActions();
    void retranslateUsesNewLanguage();
    void fontDialogCancelledChangesNothing();
    void fontDialogAcceptedAnnouncesFont();
    void aboutBoxPerProgram_data();
    void aboutBoxPerProgram();
    void aboutActionRunsBoxAndCloseEndsIt();
    void namedPicturesAreInTheResources_data();
    void namedPicturesAreInTheResources();

private:
    // Runs open(), which shows a modal dialog of type T; handler sees it
    // (repeatedly, until it closes). Closed by force after a deadline.
    template<typename T>
    static bool withModal(const std::function<void()> &open, const std::function<void(T *)> &handler);

    static QStringList texts(const QList<QAction *> &actions)
    {
        QStringList list;
        for (QAction *a : actions)
            list << a->text();
        return list;
    }
};

template<typename T>
bool MainMenuTest::withModal(const std::function<void()> &open, const std::function<void(T *)> &handler)
{
    bool seen = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *dialog = qobject_cast<T *>(modal);
        if (!dialog || !dialog->isVisible()) {
            if (auto *other = qobject_cast<QDialog *>(modal); other && clock.elapsed() > 20000)
                other->reject();
            return;
        }
        if (clock.elapsed() > 20000) {
            dialog->reject();
            return;
        }
        seen = true;
        handler(dialog);
    });
    poll.start();
    open();
    poll.stop();
    return seen;
}

void MainMenuTest::cleanup()
{
    QCoreApplication::setApplicationName(QStringLiteral("tst_mainmenu"));
}

void MainMenuTest::menusAndActions()
{
    MainMenu menu;
    const QList<QAction *> top = menu.actions();
    QCOMPARE(texts(top), (QStringList{QStringLiteral("Settings"), QStringLiteral("About")}));
    QCOMPARE(texts(top.at(0)->menu()->actions()), QStringList{QStringLiteral("Font")});
    QCOMPARE(texts(top.at(1)->menu()->actions()), (QStringList{QStringLiteral("About"), QStringLiteral("About Qt")}));
}

void MainMenuTest::retranslateUsesNewLanguage()
{
    MainMenu menu;
    MarkingTranslator translator({QStringLiteral("MainMenu"), QStringLiteral("AboutDialog")});
    QCoreApplication::installTranslator(&translator);
    menu.retranslate();
    const QList<QAction *> top = menu.actions();
    QCOMPARE(texts(top), (QStringList{QStringLiteral("<xx> Settings"), QStringLiteral("<xx> About")}));
    QCOMPARE(texts(top.at(0)->menu()->actions()), QStringList{QStringLiteral("<xx> Font")});
    QCOMPARE(texts(top.at(1)->menu()->actions()),
             (QStringList{QStringLiteral("<xx> About"), QStringLiteral("<xx> About Qt")}));

    // An about box opened afterwards speaks the new language; the device
    // name is put in after translation and the version is never translated.
    AboutDialog about;
    QCOMPARE(about.windowTitle(), QStringLiteral("<xx> About"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("description"))->text(),
             QStringLiteral("<xx> Remote control software for\nEthernet tester Tarnek-VyrK C."));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("softwareVersion"))->text(), QStringLiteral("3.0.15"));
    QCOMPARE(about.findChild<QPushButton *>(QStringLiteral("bClose"))->text(), QStringLiteral("<xx> Close"));
    QCoreApplication::removeTranslator(&translator);
}

void MainMenuTest::fontDialogCancelledChangesNothing()
{
    MainMenu menu;
    QSignalSpy fonts(&menu, &MainMenu::change_font);
    const QFont before = QApplication::font();
    const bool seen = withModal<QFontDialog>([&] { menu.fontClicked(); }, [](QFontDialog *d) { d->reject(); });
    QVERIFY(seen);
    QCOMPARE(fonts.count(), 0);
    QCOMPARE(QApplication::font(), before);
}

void MainMenuTest::fontDialogAcceptedAnnouncesFont()
{
    MainMenu menu;
    QSignalSpy fonts(&menu, &MainMenu::change_font);
    QFont chosen = QApplication::font();
    chosen.setPointSize(chosen.pointSize() + 3);
    QFont startFont;
    const bool seen = withModal<QFontDialog>([&] { menu.fontClicked(); }, [&](QFontDialog *d) {
        startFont = d->currentFont();
        d->setCurrentFont(chosen);
        d->accept();
    });
    QVERIFY(seen);
    QCOMPARE(startFont.pointSize(), QApplication::font().pointSize());
    QCOMPARE(fonts.count(), 1);
    QCOMPARE(fonts.at(0).at(0).value<QFont>().pointSize(), chosen.pointSize());
    // Applying the font is the main window's business, not the menu's.
    QVERIFY(QApplication::font().pointSize() != chosen.pointSize());
}

void MainMenuTest::aboutBoxPerProgram_data()
{
    QTest::addColumn<QString>("application");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("version");
    QTest::newRow("VyrRemote") << "OstrelRemote" << "Remote control software for\nEthernet tester Tarnek-VyrK C."
                               << "3.0.15";
    QTest::newRow("vyrup") << "Ostrel Updater" << "Firmware update software for\nEthernet tester Tarnek-VyrK C1."
                           << "3.0.4";
    QTest::newRow("OstrelsettingsCorrection") << "Ostrel Settings Correction"
                                              << "Firmware update software for\nEthernet tester Tarnek-Vyr."
                                              << "3.0.3";
}

void MainMenuTest::aboutBoxPerProgram()
{
    QFETCH(QString, application);
    QFETCH(QString, description);
    QFETCH(QString, version);
    QCoreApplication::setApplicationName(application);
    AboutDialog about(nullptr);
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("description"))->text(), description);
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("softwareVersion"))->text(), version);
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("labelSoftwareVersion"))->text(), QStringLiteral("Software version:"));
    auto *organization = about.findChild<QLabel *>(QStringLiteral("organization"));
    QVERIFY(organization->openExternalLinks());
    QVERIFY(organization->text().contains(QStringLiteral("<a href=")));
}

void MainMenuTest::aboutActionRunsBoxAndCloseEndsIt()
{
    MainMenu menu;
    QString version;
    const bool seen = withModal<AboutDialog>([&] { menu.actions().at(1)->menu()->actions().at(0)->trigger(); },
                                             [&](AboutDialog *d) {
                                                 version = d->findChild<QLabel *>(QStringLiteral("softwareVersion"))->text();
                                                 QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("bClose")),
                                                                   Qt::LeftButton);
                                             });
    QVERIFY(seen);
    QCOMPARE(version, QStringLiteral("3.0.15"));
    // The box lived only while it was shown.
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(windows.cbegin(), windows.cend(), [](QWidget *w) { return qobject_cast<AboutDialog *>(w); }));
}

void MainMenuTest::namedPicturesAreInTheResources_data()
{
    QTest::addColumn<QString>("name");
    const char *const names[] = {
        // menu and about box
        ":about-icon.png", ":qt-icon.png", ":fonts-icon.png", ":/header.png",
        // connection panel, language buttons, test selector
        ":/refresh-icon.png", ":/uk-icon.png", ":/de-icon.png", ":/rus-icon.png", ":/process.png", ":/traffic.png",
        ":/rfc2544.png", ":/y1564.png", ":/mtraffic.png", ":/jitter.png", ":/ptp.png", ":/tcp.png", ":/cable.png",
        ":/opt_test.png", ":/oam.png", ":/bert.png", ":/mdi.png", ":/sync.png", ":/trans.png", ":/lb.png", ":/ram.png",
        ":/statistics.png", ":/dev_settings.png", ":/iface.png",
        // form buttons and report pictures
        ":/start-icon.png", ":/stop-icon.png", ":/apply-icon.png", ":/down-icon.png", ":/up-icon.png", ":/del-icon.png",
        ":/img-icon.png", ":/pdf-icon.png", ":check.png", ":uncheck.png"};
    for (const char *name : names)
        QTest::newRow(name) << QString::fromLatin1(name);
}

void MainMenuTest::namedPicturesAreInTheResources()
{
    // The pictures live in the GUI library, a static library whose resource
    // initialiser the linker would otherwise drop.
    Q_INIT_RESOURCE(icons);
    QFETCH(QString, name);
    const QImage image(name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    if (name.contains(QLatin1String("check.png")))
        QCOMPARE(image.size(), QSize(26, 26));
}

QTEST_MAIN(MainMenuTest)
#include "tst_mainmenu.moc"
