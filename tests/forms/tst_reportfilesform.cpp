// The report files form driven through its real widgets, offscreen, against
// the simulated tester with a real Device in a worker thread: the list, load,
// delete, and the road of a PDF report with the outcome shown.

#include "filesrig.h"
#include "../support/modalscript.h"
#include "../support/reportfixture.h"
#include "../support/widgetlookup.h"
#include "../support/textfit.h"
#include "filelist.h"
#include "reportfilesform.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString PdfKey = QStringLiteral("Paths/PDF");

// A report file as the tester stores it: byte 0 the test id.
QByteArray reportOf(quint8 test, int size = 700)
{
    QByteArray bytes(size, '\x5A');
    bytes[0] = char(test);
    return bytes;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot);
}

} // namespace

class TestReportFilesForm : public QObject, private FileFormTest<ReportFilesForm>
{
    Q_OBJECT

private:
    QTemporaryDir folder;

    // A click on row i, as the operator's mouse gives it.
    void clickRow(int i)
    {
        QListWidget *l = list();
        const QRect r = l->visualItemRect(l->item(i));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }

    bool buttonsEnabled()
    {
        const bool load = child<QPushButton>("bLoad")->isEnabled();
        const bool del = child<QPushButton>("bDelete")->isEnabled();
        const bool pdf = child<QPushButton>("bDown")->isEnabled();
        if (load != del || del != pdf)
            qWarning("Load, Delete and Save pdf report disagree");
        return load && del && pdf;
    }


    // "Save PDF report" for the rows given, each dialog answered by the
    // test's script; waits until every request has its answer shown.
    void savePdf(const QList<int> &rows)
    {
        for (int row : rows)
            clickRow(row);
        child<QPushButton>("bDown")->click();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
    }

private slots:
    void initTestCase()
    {
        useProgramSettingsStore();
        Q_INIT_RESOURCE(vyrremote_translations);
        QVERIFY(folder.isValid());
        rig.reset(new FormRig(0));
        QVERIFY(rig->connectDevice());
    }

    void cleanupTestCase()
    {
        rig.reset();
    }

    void init()
    {
        setFiles({simFile("OAM 1", FileTypeReport, reportOf(TestOam), 0, TestOam),
                  simFile("CFG 1", FileTypeConfig),
                  simFile("TRAF 2", FileTypeReport, reportOf(TestTraffic), 1, TestTraffic),
                  simFile("LB 3", FileTypeReport, reportOf(TestLoopback), 0, TestLoopback)});
        rig->tester([](SimRemoteResponder &r) {
            r.fileError = 0;
            r.replyOverride.clear();
            for (auto &p : r.status.process)
                p.tx = p.rx = 0;
        });
        QVERIFY(rig->waitForPolls(1));
        QSettings().setValue(PdfKey, folder.path());
        form = new ReportFilesForm(rig->device);
        form->resize(800, 400);
        form->show();
        // Active before any list arrives: the list view takes the focus on
        // activation, and focus on a filled list makes its first row current.
        QVERIFY(QTest::qWaitForWindowActive(form));
        QVERIFY(refreshed());
    }

    void cleanup()
    {
        delete form;
        form = nullptr;
        QVERIFY(rig->drain());
        for (const QString &f : filesIn(folder.path()))
            QFile::remove(QDir(folder.path()).filePath(f));
    }

    void listsReportFilesOnly()
    {
        QCOMPARE(child<QLabel>("label")->text(), QString("Files:"));
        QCOMPARE(child<QPushButton>("bDown")->text(), QString("Save PDF report"));
        QCOMPARE(list()->selectionMode(), QAbstractItemView::MultiSelection);
        QCOMPARE(shownNames(), (QStringList{"OAM 1", "TRAF 2", "LB 3"}));
        QVERIFY(!buttonsEnabled());
        QVERIFY(child<QPushButton>("bDeleteAll")->isEnabled());
        QVERIFY(child<QPushButton>("bRefresh")->isEnabled());

        setFiles({simFile("CFG 1", FileTypeConfig)});
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(sent(), QStringList{"list 6"});
        QCOMPARE(list()->count(), 0);
        QVERIFY(!child<QPushButton>("bDeleteAll")->isEnabled());
    }

    // A list that broke off keeps the names read and says why under them,
    // in the language on show; a whole list shows no such line.
    void anIncompleteListSaysWhy()
    {
        auto *note = child<QLabel>("lListNote");
        QVERIFY(note->isHidden());

        // A reply that says more names follow but names none.
        setFiles({simFile("OAM 1", FileTypeReport), simFile("TRAF 2", FileTypeReport),
                  simFile("", FileTypeReport), simFile("LB 3", FileTypeReport)});
        QVERIFY(refreshed());
        QCOMPARE(shownNames(), (QStringList{"OAM 1", "TRAF 2"}));
        QVERIFY(!note->isHidden());
        const QString english = QStringLiteral("The list is incomplete: the tester sent a reply that could not be read.");
        QCOMPARE(note->text(), english);
        QVERIFY(child<QPushButton>("bRefresh")->isEnabled());

        {
            TextFitLanguages languages({QStringLiteral(":/VyrRemote")});
            QVERIFY(languages.use(QStringLiteral("ru")));
            form->retranslate();
            QVERIFY(!note->isHidden());
            QCOMPARE(note->text(), fileListNote(FileListEnd::BadReply));
            QVERIFY(note->text() != english);
        }
        form->retranslate();
        QCOMPARE(note->text(), english);

        setFiles({simFile("OAM 1", FileTypeReport)});
        child<QPushButton>("bRefresh")->click();
        QVERIFY(rig->drain());
        QCOMPARE(shownNames(), QStringList{"OAM 1"});
        QVERIFY(note->isHidden());
    }

    void clickingTheOnlySelectedItemAgainLeavesNothingToActOn()
    {
        clickRow(1);
        QVERIFY(buttonsEnabled());
        QCOMPARE(list()->selectedItems().size(), 1);
        clickRow(1);
        QVERIFY(list()->selectedItems().isEmpty());
        QCOMPARE(list()->currentRow(), -1);
        QVERIFY(!buttonsEnabled());
    }

    void deleteSendsOneRequestPerSelectedReport()
    {
        clickRow(0);
        clickRow(2);
        clickRow(1);
        ModalScript script;
        child<QPushButton>("bDelete")->click();
        QVERIFY(rig->drain());
        QVERIFY(script.seen.isEmpty());
        // In the order of the selection, each followed by a list request.
        QCOMPARE(sent(), (QStringList{"delete OAM 1", "list 6", "delete LB 3", "list 6", "delete TRAF 2",
                                      "list 6"}));
        QCOMPARE(list()->count(), 0);
    }

    void deleteAllAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("requests");
        QTest::newRow("Yes") << true << QStringList{"deleteAll 6", "list 6"};
        QTest::newRow("No") << false << QStringList{};
    }
    void deleteAllAsksFirst()
    {
        QFETCH(bool, yes);
        QFETCH(QStringList, requests);
        ModalScript script;
        script.then(ModalScript::press(yes ? QMessageBox::Yes : QMessageBox::No));
        child<QPushButton>("bDeleteAll")->click();
        QVERIFY(rig->drain());
        QCOMPARE(script.seen.size(), 1);
        QCOMPARE(script.seen.first().title, QString("Delete all files"));
        QCOMPARE(script.seen.first().text, QString("Are you sure you want to delete all files?"));
        QCOMPARE(sent(), requests);
        QCOMPARE(shownNames().isEmpty(), yes);
        bool configKept = false;
        rig->tester([&](SimRemoteResponder &r) { configKept = r.fileIndex(QStringLiteral("CFG 1")) >= 0; });
        QVERIFY(configKept);
    }

    void loadOfOneReportBringsItsTestBack()
    {
        QSignalSpy loaded(rig->device, &Device::reportLoaded);
        clickRow(1);
        child<QPushButton>("bLoad")->click();
        QVERIFY(!buttonsEnabled());
        QVERIFY(rig->drain());
        QCOMPARE(sent(), QStringList{"loadReport TRAF 2"});
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(loaded.first().at(0).value<port_t>(), PortB);
        QCOMPARE(loaded.first().at(1).toInt(), int(TestTraffic));
    }

    void loadIsRefused_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<bool>("running");
        QTest::addColumn<QString>("text");
        QTest::newRow("two selected") << QList<int>{0, 2} << false
                                      << "It is impossible to load several files at the same time.";
        QTest::newRow("test running") << QList<int>{0} << true << "Stop all processes to load a file.";
    }
    void loadIsRefused()
    {
        QFETCH(QList<int>, rows);
        QFETCH(bool, running);
        QFETCH(QString, text);
        if (running) {
            rig->tester([](SimRemoteResponder &r) { r.status.process[PortA].tx = 1u << TestRfc2544; });
            QVERIFY(rig->waitForPolls(1));
            rig->sim.clearRequests();
        }
        for (int row : rows)
            clickRow(row);
        ModalScript script;
        child<QPushButton>("bLoad")->click();
        QCOMPARE(script.seen.size(), 1);
        QCOMPARE(script.seen.first().title, QString("Error"));
        QCOMPARE(script.seen.first().text, text);
        QVERIFY(list()->selectedItems().isEmpty());
        QVERIFY(!buttonsEnabled());
        QVERIFY(rig->drain());
        QVERIFY(sent().isEmpty());
    }

    void pdfDialogProposesTheReportNameInTheStoredFolder()
    {
        QSignalSpy requested(form, &ReportFilesForm::createPdfReport);
        ModalScript script;
        script.then(ModalScript::choose(QStringLiteral("typed")));   // no suffix typed
        savePdf({0});
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.first().at(0).toString(), QString("OAM 1"));
        QCOMPARE(requested.first().at(1).toString(), QDir(folder.path()).absoluteFilePath("typed.pdf"));
        QCOMPARE(script.seen.size(), 2);   // the dialog, then the outcome
        QCOMPARE(script.seen.at(0).className, QString("QFileDialog"));
        QCOMPARE(script.seen.at(0).directory, QDir(folder.path()).absolutePath());
        QCOMPARE(script.seen.at(0).proposedName, QString("OAM 1.pdf"));
        // It lists the documents it writes and appends their suffix.
        QCOMPARE(script.seen.at(0).nameFilters, QStringList{"PDF files (*.pdf)"});
        QCOMPARE(script.seen.at(0).defaultSuffix, QString("pdf"));
        // The tester's report was read, the suffix appended to the name typed.
        QCOMPARE(sent(), QStringList{"open OAM 1"});
        QVERIFY(!buttonsEnabled());
        QVERIFY(list()->selectedItems().isEmpty());
        QCOMPARE(QSettings().value(PdfKey).toString(), QDir(folder.path()).absolutePath());
    }

    void proposedNameHoldsNoCharacterAFileNameCannot()
    {
        setFiles({simFile("TRAF*01", FileTypeReport, reportOf(TestOam), 0, TestOam)});
        QVERIFY(refreshed());
        ModalScript script;
        savePdf({0});
        QCOMPARE(script.seen.size(), 1);   // cancelled: no outcome
        QCOMPARE(script.seen.first().proposedName, QString("TRAF_01.pdf"));
        QVERIFY(sent().isEmpty());
    }

    void pdfOutcomeIsShownAndAFailureLeavesNoFile_data()
    {
        QTest::addColumn<QByteArray>("contents");       // empty: deleted on the tester
        QTest::addColumn<QByteArray>("readOverride");   // empty: none
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("pdfTitle");          // empty: no file left
        const QString noReport = QStringLiteral("The PDF report is not saved: this test has no report.");
        const QString damaged = QStringLiteral("The report on the tester is damaged or of an unknown format.");
        const QString notRead = QStringLiteral("The report could not be read from the tester.");
        const int warning = QMessageBox::Warning;
        const int critical = QMessageBox::Critical;
        QTest::newRow("traffic report written") << ReportFixture(TestTraffic).bytes() << QByteArray() << ""
                                                << "The PDF report is saved."
                                                << int(QMessageBox::Information) << "Traffic test report";
        for (quint8 id : {quint8(TestDeviceSettings), quint8(TestOam), quint8(18), quint8(TestInterfaceSettings),
                          quint8(TestLoopback)}) {
            QTest::addRow("test %d without a report", id) << reportOf(id) << QByteArray() << "Error" << noReport
                                                          << warning << QString();
        }
        // A file of no bytes reads whole but holds no test: damaged.
        QTest::newRow("empty report file") << QByteArray(1, '\0').left(0) << QByteArray() << "Error" << damaged
                                           << critical << QString();
        // Long enough for its layout, but the header's port byte is 0x5A.
        QTest::newRow("traffic report, port byte 90") << reportOf(TestTraffic) << QByteArray() << "Error" << damaged
                                                      << critical << QString();
        QTest::newRow("traffic report cut short") << ReportFixture(TestTraffic).bytes().left(303) << QByteArray() << "Error"
                                                  << damaged << critical << QString();
        QTest::newRow("byte 0 names no test") << reportOf(22) << QByteArray() << "Error" << damaged << critical
                                              << QString();
        QTest::newRow("deleted on the tester") << QByteArray() << QByteArray() << "Error" << notRead << critical
                                               << QString();
        // 10 of the 512 bytes asked for.
        QTest::newRow("read cut short") << reportOf(TestOam, 1200) << QByteArray(11, '\0') << "Error" << notRead
                                        << critical << QString();
        QTest::newRow("read error byte") << reportOf(TestOam, 1200) << QByteArray(513, '\x03') << "Error"
                                         << notRead << critical << QString();
    }
    void pdfOutcomeIsShownAndAFailureLeavesNoFile()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QByteArray, readOverride);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, icon);
        QFETCH(QString, pdfTitle);
        // The list was read while the file was still there.
        rig->tester([&](SimRemoteResponder &r) {
            r.files = {simFile("REP", FileTypeReport, contents, 0, 0)};
        });
        QVERIFY(refreshed());
        rig->tester([&](SimRemoteResponder &r) {
            if (contents.isNull())
                r.files.clear();
            if (!readOverride.isEmpty())
                r.replyOverride[0x06] = readOverride;
        });
        ModalScript script;
        script.then(ModalScript::choose(QStringLiteral("out.pdf")));
        savePdf({0});
        QCOMPARE(sent(), QStringList{"open REP"});
        QTRY_COMPARE_WITH_TIMEOUT(script.seen.size(), 2, EventuallyMs);
        QCOMPARE(script.seen.at(1).className, QString("QMessageBox"));
        QCOMPARE(script.seen.at(1).title, title);
        QCOMPARE(script.seen.at(1).text, text);
        QCOMPARE(script.seen.at(1).icon, icon);
        if (pdfTitle.isEmpty()) {
            QCOMPARE(filesIn(folder.path()), QStringList());
            return;
        }
        QCOMPARE(filesIn(folder.path()), QStringList{"out.pdf"});
        const QString rendered = pdfText(QDir(folder.path()).filePath(QStringLiteral("out.pdf")));
        QVERIFY2(rendered.contains(pdfTitle), qPrintable(rendered));
    }

    void anExistingFileIsReplacedOnlyAfterConfirmation_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("replace") << true;
        QTest::newRow("keep") << false;
    }
    void anExistingFileIsReplacedOnlyAfterConfirmation()
    {
        QFETCH(bool, confirm);
        const QString existing = QDir(folder.path()).filePath(QStringLiteral("old.pdf"));
        {
            QFile f(existing);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("earlier report");
        }
        ModalScript script;
        script.then(ModalScript::choose(existing));
        script.then(confirm ? ModalScript::press(QMessageBox::Yes) : ModalScript::refuseAndCancel());
        savePdf({0});
        QTRY_VERIFY2_WITH_TIMEOUT(script.seen.size() == (confirm ? 3 : 2), qPrintable(script.log()), EventuallyMs);
        // The dialog's own question.
        QVERIFY2(script.seen.at(1).text.contains("already exists"), qPrintable(script.log()));
        QVERIFY(!confirm || script.seen.at(2).text == QString("The PDF report is not saved: this test has no report."));
        QCOMPARE(sent(), confirm ? QStringList{"open OAM 1"} : QStringList{});
        // OAM has no report: confirmed or not, the file keeps what it held.
        QFile f(existing);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("earlier report"));
    }

    void twoReportsGetTwoDialogsTheSecondWhereTheFirstEnded()
    {
        QTemporaryDir other;
        QVERIFY(other.isValid());
        const QString otherPath = QDir(other.path()).absolutePath();
        ModalScript script;
        // The first dialog is moved to another folder and cancelled.
        script.then(ModalScript::forFileDialog([&](QWidget *w) {
            qobject_cast<QFileDialog *>(w)->setDirectory(otherPath);
            ModalScript::close(w);
        }));
        script.then(ModalScript::choose(QStringLiteral("second")));
        savePdf({2, 0});
        QTRY_VERIFY2_WITH_TIMEOUT(script.seen.size() == 3, qPrintable(script.log()), EventuallyMs);
        const QList<ModalScript::Seen> dialogs = script.of("QFileDialog");
        QCOMPARE(dialogs.size(), 2);
        QCOMPARE(dialogs.at(0).proposedName, QString("LB 3.pdf"));
        QCOMPARE(dialogs.at(0).directory, QDir(folder.path()).absolutePath());
        QCOMPARE(dialogs.at(1).proposedName, QString("OAM 1.pdf"));
        QCOMPARE(dialogs.at(1).directory, otherPath);
        QCOMPARE(script.of("QMessageBox").value(0).text, QString("The PDF report is not saved: this test has no report."));
        // Only the second report was asked for.
        QCOMPARE(sent(), QStringList{"open OAM 1"});
        QCOMPARE(QSettings().value(PdfKey).toString(), otherPath);
    }

    void aListArrivingWhileTheDialogIsOpenDoesNotChangeTheReport()
    {
        ModalScript script;
        script.then(ModalScript::forFileDialog([this](QWidget *w) {
            // The report list is read again and its items replaced.
            setFiles({simFile("OAM 1", FileTypeReport, reportOf(TestOam), 0, TestOam),
                      simFile("NEW 9", FileTypeReport, reportOf(TestOam), 0, TestOam)});
            form->activate();
            QVERIFY(QTest::qWaitFor([this] { return shownNames().contains(QStringLiteral("NEW 9")); },
                                    EventuallyMs));
            ModalScript::choose(QStringLiteral("first")).run(w);
        }));
        script.then(ModalScript::choose(QStringLiteral("second")));
        savePdf({0, 1});
        QTRY_VERIFY2_WITH_TIMEOUT(script.seen.size() == 4, qPrintable(script.log()), EventuallyMs);
        // The names selected when the button was clicked, in that order.
        const QList<ModalScript::Seen> dialogs = script.of("QFileDialog");
        QCOMPARE(dialogs.size(), 2);
        QCOMPARE(dialogs.at(0).proposedName, QString("OAM 1.pdf"));
        QCOMPARE(dialogs.at(1).proposedName, QString("TRAF 2.pdf"));
        // One outcome per request: TRAF 2 went from the tester meanwhile.
        QStringList outcomes;
        for (const ModalScript::Seen &box : script.of("QMessageBox"))
            outcomes << box.text;
        outcomes.sort();
        QCOMPARE(outcomes, (QStringList{"The PDF report is not saved: this test has no report.",
                                        "The report could not be read from the tester."}));
        QCOMPARE(sent(), (QStringList{"list 6", "open OAM 1", "open TRAF 2"}));
        QCOMPARE(shownNames(), (QStringList{"OAM 1", "NEW 9"}));
        QVERIFY(!buttonsEnabled());
    }

    void outcomeMessages_data()
    {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::newRow("written") << int(PDFCreator::Outcome::Written) << "" << "The PDF report is saved."
                                 << int(QMessageBox::Information);
        QTest::newRow("no report") << int(PDFCreator::Outcome::NoReport) << "Error"
                                   << "The PDF report is not saved: this test has no report." << int(QMessageBox::Warning);
        QTest::newRow("unreadable") << int(PDFCreator::Outcome::Unreadable) << "Error"
                                    << "The report on the tester is damaged or of an unknown format."
                                    << int(QMessageBox::Critical);
        QTest::newRow("not read") << int(PDFCreator::Outcome::NotRead) << "Error"
                                  << "The report could not be read from the tester." << int(QMessageBox::Critical);
        QTest::newRow("write failed") << int(PDFCreator::Outcome::WriteFailed) << "Error"
                                      << "Cannot open the file for writing." << int(QMessageBox::Critical);
    }
    void outcomeMessages()
    {
        QFETCH(int, outcome);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, icon);
        ModalScript script;
        form->pdfReportFinished(PDFCreator::Outcome(outcome));
        QCOMPARE(script.seen.size(), 1);
        QCOMPARE(script.seen.first().title, title);
        QCOMPARE(script.seen.first().text, text);
        QCOMPARE(script.seen.first().icon, icon);
    }
};

QTEST_MAIN(TestReportFilesForm)
#include "tst_reportfilesform.moc"
