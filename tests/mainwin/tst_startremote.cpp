// Program start: the command line, the database check and the login loop;
// and the texts the window builds from the device information.
#include "mainform.h"
#include "../support/modalanswerer.h"
#include "startremote.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Types into the login dialog and presses OK.
ModalAnswerer::Action login(const QString &name, const QString &password)
{
    return [=](QWidget *w) {
        w->findChild<QLineEdit *>(QStringLiteral("editLogin"))->setText(name);
        w->findChild<QLineEdit *>(QStringLiteral("editPassword"))->setText(password);
        qobject_cast<QDialog *>(w)->accept();
    };
}

get_device_info_resp_t infoRecord(quint8 type, const QByteArray &release)
{
    get_device_info_resp_t info{};
    info.cpuVersion[0] = 3;
    info.cpuVersion[1] = 0;
    info.cpuVersion[2] = 15;
    info.fpgaVersion[0] = 0;
    info.fpgaVersion[1] = 255;
    info.fpgaVersion[2] = 9;
    info.serialNumber = 65535;
    info.deviceType = type;
    memcpy(info.releaseName, release.constData(), size_t(qMin(release.size(), 13)));
    return info;
}

} // namespace

class TestStartRemote : public QObject
{
    Q_OBJECT

    QTemporaryDir *dir = nullptr;
    QString home;

private slots:
    void initTestCase() { home = QDir::currentPath(); }
    void init()
    {
        dir = new QTemporaryDir;
        QDir::setCurrent(dir->path());
    }
    void cleanup()
    {
        QDir::setCurrent(home);
        delete dir;
    }

    void options_data();
    void options();
    void silentLogin();
    void failedSilentLoginShowsDialog_data();
    void failedSilentLoginShowsDialog();
    void wrongPasswordKeepsDialog();
    void cancelEnds();
    void brokenDatabase();
    void commandLineReachesWindow();
    void infoText();
    void releaseWarning_data();
    void releaseWarning();
    void fontSheet_data();
    void fontSheet();
};

void TestStartRemote::options_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("dev");
    QTest::addColumn<bool>("update");
    QTest::addColumn<QString>("ip");        // "<none>" when no -ip
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");

    const QString none = QStringLiteral("<none>");
    QTest::newRow("nothing") << QStringList{"prog"} << false << false << none << "" << "";
    QTest::newRow("all") << QStringList{"prog", "-dev", "-update", "-ip", "10.0.0.1:7", "-login", "a", "-password", "b"}
                         << true << true << "10.0.0.1:7" << "a" << "b";
    QTest::newRow("-ip swallows -dev") << QStringList{"prog", "-ip", "-dev"} << false << false << "-dev" << "" << "";
    QTest::newRow("-login at the end dropped") << QStringList{"prog", "-login"} << false << false << none << "" << "";
    QTest::newRow("capitals ignored") << QStringList{"prog", "-DEV", "-Update", "-IP", "1.2.3.4"} << false << false
                                      << none << "" << "";
    QTest::newRow("last value wins") << QStringList{"prog", "-login", "x", "-login", "y"} << false << false << none
                                     << "y" << "";
    QTest::newRow("program path is scanned") << QStringList{"-dev"} << true << false << none << "" << "";
    QTest::newRow("value may be empty") << QStringList{"prog", "-password", "", "-dev"} << true << false << none
                                        << "" << "";
}

void TestStartRemote::options()
{
    QFETCH(QStringList, args);
    QFETCH(bool, dev);
    QFETCH(bool, update);
    QFETCH(QString, ip);
    QFETCH(QString, login);
    QFETCH(QString, password);
    const RemoteOptions o = parseRemoteOptions(args);
    QCOMPARE(o.dev, dev);
    QCOMPARE(o.update, update);
    QCOMPARE(o.haveIp ? o.ip : QStringLiteral("<none>"), ip);
    QCOMPARE(o.login, login);
    QCOMPARE(o.password, password);
}

void TestStartRemote::silentLogin()
{
    MainForm w;
    ModalAnswerer answerer;
    QCOMPARE(startRemote(w, {"prog", "-login", "tuvex", "-password", "tuvex"}), StartOutcome::Run);
    QCOMPARE(answerer.seen.size(), 0);
}

void TestStartRemote::failedSilentLoginShowsDialog_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("wrong password") << QStringList{"prog", "-login", "tuvex", "-password", "xuvet"};
    QTest::newRow("no password") << QStringList{"prog", "-login", "tuvex"};
    QTest::newRow("empty password") << QStringList{"prog", "-login", "tuvex", "-password", ""};
    QTest::newRow("login in capitals") << QStringList{"prog", "-login", "TUVEX", "-password", "tuvex"};
}

void TestStartRemote::failedSilentLoginShowsDialog()
{
    QFETCH(QStringList, args);
    MainForm w;
    ModalAnswerer answerer;
    answerer.then(login("tuvex", "tuvex"));
    QCOMPARE(startRemote(w, args), StartOutcome::Run);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().className, QStringLiteral("AuthenticationDialog"));
    QCOMPARE(answerer.seen.first().title, w.windowTitle());
}

void TestStartRemote::wrongPasswordKeepsDialog()
{
    MainForm w;
    ModalAnswerer answerer;
    QString loginLeft;
    answerer.then(login("tuvex", "wrong"));
    answerer.then(login("tuvex'--", "tuvex"));   // quotes are data, not SQL
    answerer.then([&](QWidget *d) {
        // Shown again with the fields as the operator left them.
        loginLeft = d->findChild<QLineEdit *>(QStringLiteral("editLogin"))->text();
        login("tuvex", "tuvex")(d);
    });
    QCOMPARE(startRemote(w, {"prog"}), StartOutcome::Run);
    QCOMPARE(answerer.count(QStringLiteral("AuthenticationDialog")), 3);
    QCOMPARE(loginLeft, QStringLiteral("tuvex'--"));
}

void TestStartRemote::cancelEnds()
{
    MainForm w;
    ModalAnswerer answerer;
    answerer.then(login("nobody", "x"));
    answerer.then([](QWidget *d) { qobject_cast<QDialog *>(d)->reject(); });
    const StartOutcome outcome = startRemote(w, {"prog"});
    QCOMPARE(outcome, StartOutcome::Cancelled);
    QCOMPARE(startExitCode(outcome), 0);
    QCOMPARE(answerer.seen.size(), 2);
    QVERIFY(!w.isVisible());
}

void TestStartRemote::brokenDatabase()
{
    // A "db.sqlite" that is a folder cannot be opened as a database.
    QVERIFY(QDir().mkdir(QStringLiteral("db.sqlite")));
    MainForm w;
    ModalAnswerer answerer;
    const StartOutcome outcome = startRemote(w, {"prog", "-login", "tuvex", "-password", "tuvex"});
    QCOMPARE(outcome, StartOutcome::DatabaseFailed);
    QVERIFY(startExitCode(outcome) != 0);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen.first().className, QStringLiteral("QMessageBox"));
    QCOMPARE(answerer.seen.first().text,
             QCoreApplication::translate("QObject", "The database cannot be opened!\nThe program will close."));
    QCOMPARE(answerer.seen.first().title, w.windowTitle());
    QVERIFY(!w.isVisible());
}

void TestStartRemote::commandLineReachesWindow()
{
    ModalAnswerer answerer;
    {
        MainForm w;
        QCOMPARE(startRemote(w, {"prog", "-dev", "-update", "-ip", "10.1.2.3:5000", "-login", "tuvex", "-password",
                                 "tuvex"}),
                 StartOutcome::Run);
        QVERIFY(w.findChild<QWidget *>(QStringLiteral("gDebug"))->isVisibleTo(&w));
        QVERIFY(w.isUpdateMode());
        auto *ip = w.findChild<QLineEdit *>(QStringLiteral("iIP"));
        QCOMPARE(ip->text(), QStringLiteral("10.1.2.3:5000"));
        QCOMPARE(ip->maxLength(), 21);
        QVERIFY(!ip->validator());
    }
    {
        MainForm w;
        QCOMPARE(startRemote(w, {"prog", "-ip", "-dev", "-login", "tuvex", "-password", "tuvex"}), StartOutcome::Run);
        QVERIFY(!w.findChild<QWidget *>(QStringLiteral("gDebug"))->isVisibleTo(&w));
        QVERIFY(!w.isUpdateMode());
        QCOMPARE(w.findChild<QLineEdit *>(QStringLiteral("iIP"))->text(), QStringLiteral("-dev"));
    }
    QCOMPARE(answerer.seen.size(), 0);
}

void TestStartRemote::infoText()
{
    MainForm w;   // starts in Russian; the table below is English
    w.findChild<QPushButton *>(QStringLiteral("bEng"))->click();
    QCOMPARE(MainForm::deviceInfoText(infoRecord(3, "R-2")),
             QStringLiteral("Device: Tarnek-VyrBK\nSerial: 65535\nCPU: 3.0.15 FPGA: 0.255.9 \nRelease: R-2"));
    // Thirteen bytes without an end mark stop at the record's end.
    QCOMPARE(MainForm::deviceInfoText(infoRecord(200, "ABCDEFGHIJKLMNOP")),
             QStringLiteral("Device: unknown\nSerial: 65535\nCPU: 3.0.15 FPGA: 0.255.9 \nRelease: ABCDEFGHIJKLM"));
}

void TestStartRemote::releaseWarning_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("release");
    QTest::addColumn<QString>("family");   // empty: no warning

    QTest::newRow("6 right") << 6 << QByteArray("1.0") << "";
    QTest::newRow("7 right") << 7 << QByteArray("1.0") << "";
    QTest::newRow("8 right") << 8 << QByteArray("1.0") << "";
    QTest::newRow("6 1.00") << 6 << QByteArray("1.00") << "Tarnek-VyrK C";
    QTest::newRow("8 1.0b") << 8 << QByteArray("1.0b") << "Tarnek-VyrK C";
    QTest::newRow("7 empty") << 7 << QByteArray() << "Tarnek-VyrK C";
    QTest::newRow("0 right release still warned") << 0 << QByteArray("1.0") << "Tarnek-VyrK C";
    QTest::newRow("5") << 5 << QByteArray("anything") << "Tarnek-VyrK C";
    QTest::newRow("255") << 255 << QByteArray("1.0") << "Tarnek-VyrK C";
}

void TestStartRemote::releaseWarning()
{
    QFETCH(int, type);
    QFETCH(QByteArray, release);
    QFETCH(QString, family);
    const QString text = MainForm::releaseWarningText(infoRecord(quint8(type), release));
    if (family.isEmpty())
        QVERIFY2(text.isEmpty(), qPrintable(text));
    else
        QCOMPARE(text, QCoreApplication::translate("MainForm", "Compiled for %1 release version %2")
                           .arg(family, QStringLiteral("1.0")));
}

void TestStartRemote::fontSheet_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("sheet");
    QFont boldArial(QStringLiteral("Arial"), 10, QFont::Bold);
    QFont italic(QStringLiteral("DejaVu Sans"), 12, QFont::Normal, true);
    QFont both(QStringLiteral("Serif"), 9, QFont::DemiBold, true);
    QFont plain(QStringLiteral("Mono"), 8, QFont::Normal);
    QTest::newRow("bold") << boldArial << "font: bold 10pt \"Arial\";";
    QTest::newRow("italic") << italic << "font: italic 12pt \"DejaVu Sans\";";
    QTest::newRow("demibold italic") << both << "font: bold italic 9pt \"Serif\";";
    QTest::newRow("plain") << plain << "font: 8pt \"Mono\";";
}

void TestStartRemote::fontSheet()
{
    QFETCH(QFont, font);
    QFETCH(QString, sheet);
    QCOMPARE(MainForm::fontStyleSheet(font), sheet);

    MainForm w;
    w.change_font(font);
    QCOMPARE(w.styleSheet(), sheet);
}

QTEST_MAIN(TestStartRemote)
#include "tst_startremote.moc"
