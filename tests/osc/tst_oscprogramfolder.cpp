// The settings correction program started from a folder other than its
// own: it finds its catalogs beside the program, starts in Russian and its
// flag buttons switch. This test runs from a folder that holds the catalogs
// beside its executable, as the program's folder does.

#include "mainwindow.h"
#include "osclanguage.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using osclanguage::aboutMenu;
using osclanguage::qtCancel;

class TstOscProgramFolder : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void startsInRussianFromAnyFolder_data();
    void startsInRussianFromAnyFolder();

private:
    QString startDir;
    QTemporaryDir emptyDir;
};

void TstOscProgramFolder::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Halvorsk"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel Settings Correction"));
    QSettings().clear();
    startDir = QDir::currentPath();
    QVERIFY(emptyDir.isValid());
    const QDir programDir(QCoreApplication::applicationDirPath());
    QVERIFY2(programDir.exists(QStringLiteral("vyrup_ru.qm")), qPrintable(programDir.path()));
    QVERIFY2(programDir.exists(QStringLiteral("qt_ru.qm")), qPrintable(programDir.path()));
}

void TstOscProgramFolder::cleanup()
{
    QDir::setCurrent(startDir);
}

void TstOscProgramFolder::startsInRussianFromAnyFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("an empty folder") << emptyDir.path();
    QTest::newRow("the file system root") << QDir::rootPath();
    QTest::newRow("the program's own folder") << QCoreApplication::applicationDirPath();
}

void TstOscProgramFolder::startsInRussianFromAnyFolder()
{
    QFETCH(QString, folder);
    QVERIFY(QDir::setCurrent(folder));
    MainWindow w;
    QDir::setCurrent(startDir);
    QMenu *menu = aboutMenu(w);
    QVERIFY(menu);
    auto *connect = w.findChild<QPushButton *>(QStringLiteral("bConnect"));
    QVERIFY(connect);

    QCOMPARE(connect->text(), QStringLiteral("Подключить"));
    QCOMPARE(menu->title(), QStringLiteral("О программе"));
    QCOMPARE(qtCancel(), QStringLiteral("Отмена"));

    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("bEng")), Qt::LeftButton);
    QCOMPARE(connect->text(), QStringLiteral("Connect"));
    QCOMPARE(menu->title(), QStringLiteral("About"));
    QCOMPARE(qtCancel(), QStringLiteral("Cancel"));

    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("bRus")), Qt::LeftButton);
    QCOMPARE(connect->text(), QStringLiteral("Подключить"));
    QCOMPARE(qtCancel(), QStringLiteral("Отмена"));
}

QTEST_MAIN(TstOscProgramFolder)
#include "tst_oscprogramfolder.moc"
