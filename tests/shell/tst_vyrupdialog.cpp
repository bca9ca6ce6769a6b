#include "vyrupdialog.h"

#include "device.h"

#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <functional>

// The dialog is driven through its own widgets and slots; the Device's side
// (the result codes and progress texts) is played by calling the slots the
// main window connects to it. Settings land under the test's private HOME.
class VyrupDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void resultTexts_data();
    void resultTexts();
    void progressAndResultsAreLogged();
    void acceptWithoutPathDoesNothing();
    void unreadableFilesAreRefused_data();
    void unreadableFilesAreRefused();
    void fileTooLargeToReadWholeIsRefused();
    void oneWriteAtATime();
    void typedPathIsUsedButNotStored();
    void fileChoiceIsRemembered();
    void cancelClosesAndAnnounces();
    void packageTravelsToDeviceAndResultComesBack();

private:
    static QLineEdit *path(vyrupDialog &d) { return d.findChild<QLineEdit *>(QStringLiteral("lROMpath")); }
    static QPushButton *button(vyrupDialog &d, const char *name) { return d.findChild<QPushButton *>(QLatin1String(name)); }
    static QStringList log(vyrupDialog &d)
    {
        const QString text = d.findChild<QTextEdit *>(QStringLiteral("teStatus"))->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    static QString storedPath()
    {
        return QSettings(QStringLiteral("Halvorsk"), QStringLiteral("OstrelRemote")).value(QStringLiteral("Paths/VYRUP")).toString();
    }
    // Runs a slot that opens the modal file dialog; handler deals with it.
    static void withFileDialog(const std::function<void()> &open, const std::function<void(QFileDialog *)> &handler);

    QTemporaryDir m_dir;
};

void VyrupDialogTest::init()
{
    QVERIFY(m_dir.isValid());
    QSettings(QStringLiteral("Halvorsk"), QStringLiteral("OstrelRemote")).remove(QStringLiteral("Paths/VYRUP"));
}

void VyrupDialogTest::withFileDialog(const std::function<void()> &open,
                                     const std::function<void(QFileDialog *)> &handler)
{
    // The file dialog fills its model in the background and may refuse an
    // accept until the chosen file is known to it: the handler is repeated
    // until the dialog closes. A dialog still open after a generous deadline
    // is rejected, so a failing case ends instead of hanging.
    bool handled = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *fd = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!fd || !fd->isVisible())
            return;
        if (clock.elapsed() > 20000) {
            fd->reject();
            return;
        }
        handled = true;
        handler(fd);
    });
    poll.start();
    open();
    poll.stop();
    QVERIFY(handled);
}

void VyrupDialogTest::resultTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    const char *const texts[] = {"CPU write started", "CPU write completed", "CPU write failed",
                                 "FPGA erase started", "FPGA erase completed", "FPGA erase failed",
                                 "FPGA write started", "FPGA write completed", "FPGA write failed",
                                 "Reset started", "Reset completed", "Reset failed"};
    for (int code = 0; code < 12; ++code)
        QTest::addRow("%d", code) << code << QString::fromLatin1(texts[code]);
    for (int code = 12; code <= 17; ++code)
        QTest::addRow("%d", code) << code << QStringLiteral("unknown");
    QTest::newRow("18") << 18 << "Invalid device type";
    QTest::newRow("19") << 19 << "Wait after reset failed";
    QTest::newRow("20") << 20 << "Invalid file format";
    QTest::newRow("21") << 21 << "Full update completed";
    QTest::newRow("22") << 22 << "unknown";
    QTest::newRow("-1") << -1 << "unknown";
    QTest::newRow("large") << 100000 << "unknown";
}

void VyrupDialogTest::resultTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    vyrupDialog dialog;
    dialog.corrResult(code);
    QCOMPARE(log(dialog), QStringList{text});
}

void VyrupDialogTest::progressAndResultsAreLogged()
{
    vyrupDialog dialog;
    dialog.vyrupInfo(QStringLiteral("CPU updated 50 %"));
    dialog.vyrupInfo(QStringLiteral("CPU update complete"));
    dialog.corrResult(2);
    dialog.vyrupInfo(QStringLiteral("FPGA updated 1 %"));
    QCOMPARE(log(dialog), (QStringList{QStringLiteral("CPU updated 50 %"), QStringLiteral("CPU update complete"),
                                       QStringLiteral("CPU write failed"), QStringLiteral("FPGA updated 1 %")}));
}

void VyrupDialogTest::acceptWithoutPathDoesNothing()
{
    vyrupDialog dialog;
    QSignalSpy writes(&dialog, &vyrupDialog::writeVYRUP);
    QVERIFY(button(dialog, "bAccept")->isEnabled());
    QTest::mouseClick(button(dialog, "bAccept"), Qt::LeftButton);
    QCOMPARE(writes.count(), 0);
    QVERIFY(log(dialog).isEmpty());
}

void VyrupDialogTest::unreadableFilesAreRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("missing.vyrup"));
    QTest::newRow("directory") << m_dir.path();
}

void VyrupDialogTest::unreadableFilesAreRefused()
{
    QFETCH(QString, file);
    vyrupDialog dialog;
    QSignalSpy writes(&dialog, &vyrupDialog::writeVYRUP);
    path(dialog)->setText(file);
    dialog.vyrupAccepted();
    QCOMPARE(writes.count(), 0);
    QCOMPARE(log(dialog).size(), 1);
    QVERIFY(log(dialog).first().contains(QStringLiteral("file error")));
    // Nothing is under way, so the operator may try again.
    QVERIFY(button(dialog, "bAccept")->isEnabled());
}

void VyrupDialogTest::fileTooLargeToReadWholeIsRefused()
{
    // A sparse file larger than one byte array can hold: only part of it (or
    // nothing) could be read, and a cut-off package must not be sent.
    const QString name = m_dir.filePath(QStringLiteral("huge.vyrup"));
    {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (!f.resize(qint64(3) << 30))
            QSKIP("no sparse files on this file system");
    }
    vyrupDialog dialog;
    QSignalSpy writes(&dialog, &vyrupDialog::writeVYRUP);
    path(dialog)->setText(name);
    dialog.vyrupAccepted();
    QCOMPARE(writes.count(), 0);
    QCOMPARE(log(dialog), QStringList{QStringLiteral("Read file error")});
    QFile::remove(name);
}

void VyrupDialogTest::oneWriteAtATime()
{
    const QString name = m_dir.filePath(QStringLiteral("pkg.vyrup"));
    QByteArray package = QByteArray::fromHex("42eeffc0");
    package.append(QByteArray(5000, '\x5a'));
    package.append('\0');  // bytes after a NUL must travel too
    package.append("tail");
    {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(package), qint64(package.size()));
    }

    vyrupDialog dialog;
    dialog.show();
    QSignalSpy writes(&dialog, &vyrupDialog::writeVYRUP);
    path(dialog)->setText(name);
    QPushButton *accept = button(dialog, "bAccept");
    QTest::mouseClick(accept, Qt::LeftButton);
    QCOMPARE(writes.count(), 1);
    QCOMPARE(writes.at(0).at(0).toByteArray(), package);

    // While the package is being written no second write can be started.
    QVERIFY(!accept->isEnabled());
    QTest::mouseClick(accept, Qt::LeftButton);
    dialog.vyrupAccepted();
    dialog.corrResult(1);  // a step under way, not the end
    QVERIFY(!accept->isEnabled());
    dialog.vyrupAccepted();
    QCOMPARE(writes.count(), 1);

    // The result code of the write ends it.
    dialog.corrResult(21);
    QVERIFY(accept->isEnabled());
    QTest::mouseClick(accept, Qt::LeftButton);
    QCOMPARE(writes.count(), 2);
    dialog.corrResult(20);
    QVERIFY(accept->isEnabled());
    QCOMPARE(log(dialog), (QStringList{QStringLiteral("CPU write completed"), QStringLiteral("Full update completed"),
                                       QStringLiteral("Invalid file format")}));
}

void VyrupDialogTest::typedPathIsUsedButNotStored()
{
    const QString name = m_dir.filePath(QStringLiteral("typed.vyrup"));
    {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("abc");
    }
    vyrupDialog dialog;
    QSignalSpy writes(&dialog, &vyrupDialog::writeVYRUP);
    QTest::keyClicks(path(dialog), name);
    dialog.vyrupAccepted();
    QCOMPARE(writes.count(), 1);
    QCOMPARE(writes.at(0).at(0).toByteArray(), QByteArray("abc"));
    QCOMPARE(storedPath(), QString());
}

void VyrupDialogTest::fileChoiceIsRemembered()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("packages"));
    const QString folder = m_dir.filePath(QStringLiteral("packages"));
    const QString name = folder + QStringLiteral("/fw.vyrup");
    {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }

    {
        vyrupDialog dialog;
        dialog.show();
        // Cancelled with nothing chosen before: no path, Accept off.
        withFileDialog([&] { dialog.vyrupDirOpen(); }, [](QFileDialog *fd) { fd->reject(); });
        QVERIFY(path(dialog)->text().isEmpty());
        QVERIFY(!button(dialog, "bAccept")->isEnabled());

        QString title;
        QStringList filters;
        withFileDialog([&] { dialog.vyrupDirOpen(); }, [&](QFileDialog *fd) {
            title = fd->windowTitle();
            filters = fd->nameFilters();
            // As the operator would: the name typed into the dialog's edit.
            if (auto *edit = fd->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                edit->setText(name);
            static_cast<QDialog *>(fd)->accept();
        });
        QCOMPARE(title, QStringLiteral("Select ROM file"));
        QVERIFY(filters.contains(QStringLiteral("Update file (*.vyrup)")));
        QCOMPARE(path(dialog)->text(), name);
        QVERIFY(button(dialog, "bAccept")->isEnabled());
        QCOMPARE(storedPath(), name);
    }

    // A new dialog (a new run of the program) starts in the remembered
    // folder; cancelling keeps the path shown.
    vyrupDialog dialog;
    dialog.show();
    path(dialog)->setText(QStringLiteral("/somewhere/else.vyrup"));
    QString startFolder;
    withFileDialog([&] { dialog.vyrupDirOpen(); }, [&](QFileDialog *fd) {
        startFolder = QFileInfo(fd->directory().absolutePath()).canonicalFilePath();
        fd->reject();
    });
    QCOMPARE(startFolder, QFileInfo(folder).canonicalFilePath());
    QCOMPARE(path(dialog)->text(), QStringLiteral("/somewhere/else.vyrup"));
    QVERIFY(button(dialog, "bAccept")->isEnabled());
    QCOMPARE(storedPath(), name);
}

void VyrupDialogTest::cancelClosesAndAnnounces()
{
    vyrupDialog dialog;
    dialog.show();
    QSignalSpy closed(&dialog, &vyrupDialog::closeUpdate);
    QSignalSpy remote(&dialog, &vyrupDialog::closeRemote);
    QTest::mouseClick(button(dialog, "bCancel"), Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(remote.count(), 0);
    QVERIFY(!dialog.isVisible());
}

void VyrupDialogTest::packageTravelsToDeviceAndResultComesBack()
{
    // Wired as the main window wires it: the Device in a worker thread,
    // queued both ways. A package with a wrong magic is refused by the device
    // side without any request, so no tester is needed.
    const QString name = m_dir.filePath(QStringLiteral("wrong.vyrup"));
    {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(64, '\x11'));
    }
    QThread worker;
    auto *device = new Device;
    device->moveToThread(&worker);
    worker.start();

    {
        vyrupDialog dialog;
        dialog.show();
        connect(&dialog, &vyrupDialog::writeVYRUP, device, &Device::writeVYRUP, Qt::QueuedConnection);
        connect(device, &Device::corrResult, &dialog, &vyrupDialog::corrResult, Qt::QueuedConnection);
        connect(device, &Device::vyrupInform, &dialog, &vyrupDialog::vyrupInfo, Qt::QueuedConnection);

        path(dialog)->setText(name);
        QTest::mouseClick(button(dialog, "bAccept"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(log(dialog), QStringList{QStringLiteral("Invalid file format")}, 20000);
        QVERIFY(button(dialog, "bAccept")->isEnabled());
    }

    worker.quit();
    worker.wait();
    delete device;
}

QTEST_MAIN(VyrupDialogTest)
#include "tst_vyrupdialog.moc"
