// Takes a picture of the vyrup window in developer mode while a package is
// being written to the simulated tester, so anyone can look at it:
//   build/tests/vyrup/tst_screenshot   (writes vyrup-transfer.png into the
//   current folder, or to the path in VYR_SCREENSHOT)
// It checks only that a picture of the running transfer was taken.

#include "vyruptestkit.h"

#include "commandline.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QProgressBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace vyruptest;

class TestScreenshot : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("Halvorsk");
        QCoreApplication::setApplicationName("Ostrel Updater");
        QSettings().clear();
    }

    void windowDuringTransfer()
    {
        QTemporaryDir files;
        QVERIFY(files.isValid());
        Rig rig;
        applyCommandLine(*rig.window, {"vyrup", "-dev"});
        rig.english();
        // Slow acknowledgements keep the CPU image in flight long enough to
        // catch a half-filled bar.
        rig.responder([](SimUpdateResponder &r) { r.setAckDelay(SimUpdateResponder::CmdCpuBlock, 15); });
        QVERIFY(rig.connectDevice());

        const QString package = files.filePath("Tarnek-VyrK-C1-3.0.4.vyrup");
        QVERIFY(writeFile(package, makePackage(6, pattern(256 * 60, 1), pattern(2000, 2), pattern(3000, 3),
                                               0, pattern(1000, 4))));
        pickFile(rig.w(), "bOpenROM", package);
        QVERIFY(writeFile(files.filePath("cpu.bin"), pattern(100, 5)));
        pickFile(rig.w(), "bOpenBIN", files.filePath("cpu.bin"));
        QTest::mouseClick(rig.get<QPushButton>("bUpdate"), Qt::LeftButton);

        auto *cpu = rig.get<QProgressBar>("progCPU");
        QVERIFY(QTest::qWaitFor([&] { return cpu->value() >= 30; }, EventTimeoutMs));
        const QPixmap shot = rig.window->grab();
        QVERIFY(cpu->value() < 100);

        const QString out = qEnvironmentVariableIsSet("VYR_SCREENSHOT")
                                ? qEnvironmentVariable("VYR_SCREENSHOT")
                                : QDir::current().filePath("vyrup-transfer.png");
        QVERIFY(shot.save(out, "PNG"));
        qInfo("screenshot: %s", qPrintable(QFileInfo(out).absoluteFilePath()));
        const QImage saved(out);
        QCOMPARE(saved.size(), shot.size());

        // Let the run end before the window goes, as a person would.
        QVERIFY(QTest::qWaitFor([&] { return rig.window->operation() == MainForm::NoOperation; }, 60000));
    }
};

QTEST_MAIN(TestScreenshot)
#include "tst_screenshot.moc"
