// A first start as ./run.sh makes it: VyrRemote connected to the simulated
// tester as vyrsim starts it without --type shows no release warning; a
// tester of a model outside the family VyrRemote is built for (--type 0)
// shows it, once connected.

#include "mainwinrig.h"
#include "../support/modalanswerer.h"
#include "simdefaults.h"

#include <QtTest>

class TestMainWinFirstStart : public QObject
{
    Q_OBJECT

private slots:
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
