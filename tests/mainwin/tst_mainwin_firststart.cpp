// A first start as ./run.sh makes it: the environment it starts VyrRemote
// in keeps the program's files in ./data/ and leaves the user's home alone;
// VyrRemote connected to the simulated tester as vyrsim starts it without
// --type shows no release warning; a tester of a model outside the family
// VyrRemote is built for (--type 0) shows it, once connected.

#include "localfiles.h"
#include "mainwinrig.h"
#include "../support/modalanswerer.h"
#include "simdefaults.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

class TestMainWinFirstStart : public QObject
{
    Q_OBJECT

private slots:
    // run.sh's environment (scripts/runenv.sh), run as run.sh runs it: the
    // working folder and the settings store in ROOT/data/, HOME as the user
    // has it, so a save dialog starts in the user's Documents folder.
    // The user's Documents, under its English name or under the name the
    // user's folder list gives it in the user's language.
    void runScriptLeavesTheUsersHome_data()
    {
        QTest::addColumn<QString>("documents");
        QTest::addColumn<bool>("listed");
        QTest::newRow("Documents") << QStringLiteral("Documents") << false;
        QTest::newRow("named in the user's folder list") << QStringLiteral("Документы") << true;
    }

    void runScriptLeavesTheUsersHome()
    {
        QFETCH(QString, documents);
        QFETCH(bool, listed);
        const QString source = qEnvironmentVariable("VYR_SOURCE_DIR");
        QVERIFY2(!source.isEmpty(), "run under ctest or set VYR_SOURCE_DIR to the source tree");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString home = dir.filePath(QStringLiteral("home"));
        const QString root = dir.filePath(QStringLiteral("root"));
        QVERIFY(QDir().mkpath(home + QLatin1Char('/') + documents));
        QVERIFY(QDir().mkpath(root));
        if (listed) {
            QVERIFY(QDir().mkpath(home + QStringLiteral("/.config")));
            QFile dirs(home + QStringLiteral("/.config/user-dirs.dirs"));
            QVERIFY(dirs.open(QIODevice::WriteOnly));
            dirs.write(QStringLiteral("XDG_DOCUMENTS_DIR=\"$HOME/%1\"\n").arg(documents).toUtf8());
        }

        QProcess bash;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        bash.setProcessEnvironment(env);
        bash.start(QStringLiteral("bash"),
                   {QStringLiteral("-c"),
                    QStringLiteral("set -e; . \"$1/scripts/runenv.sh\"; vyr_remote_env \"$2\"; "
                                   "printf '%s\\n' \"$HOME\" \"$XDG_CONFIG_HOME\" \"$PWD\""),
                    QStringLiteral("bash"), source, root});
        QVERIFY(bash.waitForFinished(20000));
        QVERIFY2(bash.exitCode() == 0, bash.readAllStandardError().constData());
        const QStringList got = QString::fromLocal8Bit(bash.readAllStandardOutput()).split('\n');
        QVERIFY2(got.size() >= 3, qPrintable(got.join('|')));
        const QString data = root + QStringLiteral("/data");
        QCOMPARE(got.at(0), home);
        QCOMPARE(got.at(1), data + QStringLiteral("/.config"));
        QCOMPARE(QDir(got.at(2)).canonicalPath(), QDir(data).canonicalPath());

        // The program in that environment: its save dialogs start in the
        // user's Documents, not in ./data/.
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", got.at(0).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", got.at(1).toLocal8Bit());
        const QString start = saveDialogStartFolder(QString());
        qputenv("HOME", oldHome);
        if (oldConfig.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", oldConfig);
        QCOMPARE(start, home + QLatin1Char('/') + documents);
    }

    void releaseWarning_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<bool>("warned");
        QTest::newRow("vyrsim's default model") << int(SimDefaultDeviceType) << false;
        QTest::newRow("--type 0") << 0 << true;
    }

    void releaseWarning()
    {
        QFETCH(int, deviceType);
        QFETCH(bool, warned);
        MainWindowRig rig{quint8(deviceType)};
        ModalAnswerer answerer;
        rig.showAtTestSize();
        // The warning comes queued after the connected state; the drain of
        // the connect lets it run (and the answerer close it).
        QVERIFY(rig.connectToSim());
        QVERIFY(rig.drain());
        QCOMPARE(answerer.count(QStringLiteral("QMessageBox")), warned ? 1 : 0);
        if (warned) {
            QCOMPARE(answerer.seen.first().text,
                     QCoreApplication::translate("MainForm", "Compiled for %1 release version %2")
                         .arg(QStringLiteral("Tarnek-VyrK C"), QStringLiteral("1.0")));
        }
    }
};

QTEST_MAIN(TestMainWinFirstStart)
#include "tst_mainwin_firststart.moc"
