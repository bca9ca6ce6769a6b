// The Russian catalogs of the settings correction program: the build puts
// them next to the executable, and a window started there installs them at
// once and switches between English and Russian.

#include "mainwindow.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTranslator>
#include <QtTest>

namespace {
QMenu *aboutMenu(MainWindow &w)
{
    for (QMenuBar *bar : w.findChildren<QMenuBar *>())
        if (bar != w.menuBar() && !bar->actions().isEmpty())
            return bar->actions().at(0)->menu();
    return nullptr;
}

QString qtCancel()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}
} // namespace

class TstOscTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void catalogsLoadFromProgramFolder_data();
    void catalogsLoadFromProgramFolder();
    void startsInRussianAndSwitches();
    void missingCatalogsLeaveEnglish();

private:
    QString startDir;
};

void TstOscTranslations::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Halvorsk"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel Settings Correction"));
    startDir = QDir::currentPath();
}

void TstOscTranslations::cleanup()
{
    QDir::setCurrent(startDir);
}

void TstOscTranslations::catalogsLoadFromProgramFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("vyrup_ru") << "vyrup_ru";
    // Qt's own index catalog would fail here without its module catalogs.
    QTest::newRow("qt_ru") << "qt_ru";
}

void TstOscTranslations::catalogsLoadFromProgramFolder()
{
    QFETCH(QString, name);
    QTranslator t;
    QVERIFY2(t.load(name, QStringLiteral(OSC_PROGRAM_DIR)), qPrintable(name));
    QVERIFY(!t.isEmpty());
}

void TstOscTranslations::startsInRussianAndSwitches()
{
    QVERIFY(QDir::setCurrent(QStringLiteral(OSC_PROGRAM_DIR)));
    MainWindow w;
    QDir::setCurrent(startDir);
    QMenu *menu = aboutMenu(w);
    QVERIFY(menu);

    QCOMPARE(menu->title(), QStringLiteral("О программе"));
    QCOMPARE(qtCancel(), QStringLiteral("Отмена"));

    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("bEng")), Qt::LeftButton);
    QCOMPARE(menu->title(), QStringLiteral("About"));
    QCOMPARE(qtCancel(), QStringLiteral("Cancel"));

    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("bRus")), Qt::LeftButton);
    QCOMPARE(menu->title(), QStringLiteral("О программе"));
    QCOMPARE(qtCancel(), QStringLiteral("Отмена"));
}

void TstOscTranslations::missingCatalogsLeaveEnglish()
{
    // The test's own working directory holds no catalogs.
    MainWindow w;
    QMenu *menu = aboutMenu(w);
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("About"));
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("bRus")), Qt::LeftButton);
    QCOMPARE(menu->title(), QStringLiteral("About"));
    QCOMPARE(qtCancel(), QStringLiteral("Cancel"));
}

QTEST_MAIN(TstOscTranslations)
#include "tst_osctranslations.moc"
