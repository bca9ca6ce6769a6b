// The Russian catalogs of the settings correction program: the build puts
// them next to the executable, and a window started there installs them at
// once and switches between English and Russian.

#include "mainwindow.h"
#include "osclanguage.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

using osclanguage::aboutMenu;
using osclanguage::qtCancel;

class TstOscTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void catalogsLoadFromProgramFolder_data();
    void catalogsLoadFromProgramFolder();
    void startsInRussianAndSwitches();
    void windowTextsInRussian_data();
    void windowTextsInRussian();
    void logTextsInRussian();
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

// The window's own texts (context MainWindow) come from the same catalog as
// the update program's; each caption and button reads Russian at start and
// English after the switch.
void TstOscTranslations::windowTextsInRussian_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian");
    QTest::newRow("Port") << "label" << "Port" << "Порт";
    QTest::newRow("Connect") << "bConnect" << "Connect" << "Подключить";
    QTest::newRow("Disconnect") << "bDisconnect" << "Disconnect" << "Отключить";
    QTest::newRow("IP settings") << "grUpdate" << "IP settings" << "Настройки IP";
    QTest::newRow("Subnet mask") << "label_3" << "Subnet mask" << "Маска подсети";
    QTest::newRow("Reset") << "bReset" << "Reset" << "Сброс";
    QTest::newRow("Apply") << "bApply" << "Apply" << "Применить";
}

void TstOscTranslations::windowTextsInRussian()
{
    QFETCH(QString, name);
    QFETCH(QString, english);
    QFETCH(QString, russian);
    QVERIFY(QDir::setCurrent(QStringLiteral(OSC_PROGRAM_DIR)));
    MainWindow w;
    QDir::setCurrent(startDir);
    QWidget *widget = w.findChild<QWidget *>(name);
    QVERIFY(widget);
    const auto text = [widget] {
        if (auto *box = qobject_cast<QGroupBox *>(widget))
            return box->title();
        if (auto *label = qobject_cast<QLabel *>(widget))
            return label->text();
        return qobject_cast<QAbstractButton *>(widget)->text();
    };
    QCOMPARE(text(), russian);
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("bEng")), Qt::LeftButton);
    QCOMPARE(text(), english);
}

void TstOscTranslations::logTextsInRussian()
{
    QVERIFY(QDir::setCurrent(QStringLiteral(OSC_PROGRAM_DIR)));
    MainWindow w;
    QDir::setCurrent(startDir);
    auto *log = w.findChild<QTextEdit *>(QStringLiteral("teStatus"));
    QVERIFY(log);

    w.updaterConnected(6, QStringLiteral("R3.0.4"), 1234);
    // A half-typed address is refused with a message naming the field.
    w.findChild<QLineEdit *>(QStringLiteral("lIP"))->setText(QStringLiteral("192.168"));
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("bApply")), Qt::LeftButton);
    w.ipSettingsSent(true);
    w.ipSettingsSent(false);
    w.updaterDisconnected();
    w.updaterConnectionFailed();

    const QStringList expected{
        QStringLiteral("Подключено к прибору."),
        QStringLiteral("Серийный номер: 1234"),
        QStringLiteral("Версия: R3.0.4"),
        QStringLiteral("IP-адрес: значение \"192.168\" неполное. Настройки IP не отправлены."),
        QStringLiteral("Настройки IP отправлены."),
        QStringLiteral("Не удалось отправить настройки IP."),
        QStringLiteral("Отключено от прибора."),
        QStringLiteral("Не удалось подключиться к прибору."),
    };
    QCOMPARE(log->toPlainText().split(QLatin1Char('\n')), expected);
}

void TstOscTranslations::missingCatalogsLeaveEnglish()
{
    // Neither the test's working directory nor its own folder holds
    // catalogs (tst_oscprogramfolder has them beside it).
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
