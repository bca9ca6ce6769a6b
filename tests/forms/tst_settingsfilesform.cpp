// The configuration files form driven through its real widgets, offscreen,
// against the simulated tester with a real Device in a worker thread.

#include "filesrig.h"
#include "../support/modalscript.h"
#include "../support/widgetlookup.h"
#include "filenamedialog.h"
#include "settingsfilesform.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

// A name dialog given a name of blanks only, which leaves OK disabled.
ModalScript::Action typeBlanks()
{
    return [](QWidget *w) {
        if (auto *dialog = qobject_cast<FileNameDialog *>(w)) {
            auto *edit = findWidget<QLineEdit>(dialog, "lFileName");
            QVERIFY(QTest::qWaitFor([&] { return !edit->text().isEmpty(); }, EventuallyMs));
            typeInto(edit, QStringLiteral("   "));
            findWidget<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        }
        ModalScript::close(w);
    };
}

} // namespace

class TestSettingsFilesForm : public QObject, private FileFormTest<SettingsFilesForm>
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(vyrremote_translations);
        rig.reset(new FormRig(0));
        QVERIFY(rig->connectDevice());
    }

    void cleanupTestCase()
    {
        rig.reset();
    }

    void init()
    {
        setFiles({simFile("CFG ALPHA", FileTypeConfig), simFile("REP 1", FileTypeReport),
                  simFile("CFG BETA", FileTypeConfig)});
        rig->tester([](SimRemoteResponder &r) {
            r.fileError = 0;
            r.newFileName = QStringLiteral("CONFIG 7");
            for (auto &p : r.status.process)
                p.tx = p.rx = 0;
        });
        QVERIFY(rig->waitForPolls(1));
        form = new SettingsFilesForm(rig->device);
        form->resize(700, 400);
        form->show();
        // Active before any list arrives: the list view takes the focus on
        // activation, and focus on a filled list makes its first row current.
        QVERIFY(QTest::qWaitForWindowActive(form));
        rig->sim.clearRequests();
    }

    void cleanup()
    {
        delete form;
        form = nullptr;
        QVERIFY(rig->drain());
    }

    void startsWithTheButtonsOfAnEmptySelection()
    {
        QCOMPARE(child<QLabel>("label")->text(), QString("Files:"));
        QVERIFY(child<QPushButton>("bSave")->isEnabled());
        QVERIFY(!child<QPushButton>("bLoad")->isEnabled());
        QVERIFY(!child<QPushButton>("bDelete")->isEnabled());
        QVERIFY(child<QPushButton>("bDeleteAll")->isEnabled());
        QVERIFY(child<QPushButton>("bRefresh")->isEnabled());
        QCOMPARE(list()->selectionMode(), QAbstractItemView::SingleSelection);
        // Nothing is asked before the tab is shown.
        QVERIFY(rig->drain());
        QVERIFY(sent().isEmpty());
    }

    void activationListsConfigurationFilesInTheTestersOrder()
    {
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(sent(), QStringList{"list 1"});
        QCOMPARE(shownNames(), (QStringList{"CFG ALPHA", "CFG BETA"}));
        QVERIFY(child<QPushButton>("bDeleteAll")->isEnabled());
        QVERIFY(!child<QPushButton>("bLoad")->isEnabled());

        list()->setCurrentRow(1);
        QVERIFY(child<QPushButton>("bLoad")->isEnabled());
        QVERIFY(child<QPushButton>("bDelete")->isEnabled());
    }

    void emptyListLeavesOnlySaveAndRefresh()
    {
        setFiles({simFile("REP 1", FileTypeReport)});
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(list()->count(), 0);
        QVERIFY(child<QPushButton>("bSave")->isEnabled());
        QVERIFY(child<QPushButton>("bRefresh")->isEnabled());
        QVERIFY(!child<QPushButton>("bDeleteAll")->isEnabled());
        QVERIFY(!child<QPushButton>("bLoad")->isEnabled());
        QVERIFY(!child<QPushButton>("bDelete")->isEnabled());
    }

    void refreshStaysDisabledUntilTheListArrives()
    {
        QVERIFY(refreshed());
        // The worker is busy with something else until released.
        auto release = std::make_shared<std::atomic<bool>>(false);
        rig->inWorker([release] {
            while (!release->load())
                QThread::msleep(5);
        });
        list()->setCurrentRow(0);
        child<QPushButton>("bRefresh")->click();
        QVERIFY(!child<QPushButton>("bRefresh")->isEnabled());
        QTest::qWait(100);
        QVERIFY(!child<QPushButton>("bRefresh")->isEnabled());
        release->store(true);
        QTRY_VERIFY_WITH_TIMEOUT(child<QPushButton>("bRefresh")->isEnabled(), EventuallyMs);
        // The refill leaves no current item.
        QVERIFY(!child<QPushButton>("bLoad")->isEnabled());
        QCOMPARE(shownNames(), (QStringList{"CFG ALPHA", "CFG BETA"}));
    }

    void saveSendsTheProposedNameAndShowsTheNewList()
    {
        QVERIFY(refreshed());
        ModalScript script;
        script.then(ModalScript::acceptProposedName());
        child<QPushButton>("bSave")->click();
        QCOMPARE(script.seen.size(), 1);
        QCOMPARE(script.seen.first().className, QString("FileNameDialog"));
        QCOMPARE(script.seen.first().title, QString("Enter file name"));
        // Save waits for the tester's answer.
        QVERIFY(!child<QPushButton>("bSave")->isEnabled());
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(sent(), (QStringList{"name 0", "save CONFIG 7", "list 1"}));
        QCOMPARE(shownNames(), (QStringList{"CFG ALPHA", "CFG BETA", "CONFIG 7"}));
        QVERIFY(child<QPushButton>("bSave")->isEnabled());
    }

    void saveWithoutANameSendsNothing_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("cancelled") << true;
        QTest::newRow("blanks only") << false;
    }
    void saveWithoutANameSendsNothing()
    {
        QFETCH(bool, cancel);
        QVERIFY(refreshed());
        ModalScript script;
        script.then(cancel ? ModalScript::cancel() : ModalScript::Step{nullptr, typeBlanks()});
        child<QPushButton>("bSave")->click();
        QCOMPARE(script.seen.size(), 1);
        QVERIFY(child<QPushButton>("bSave")->isEnabled());
        QVERIFY(rig->drain());
        QVERIFY(!sent().contains("save CONFIG 7"));
        QCOMPARE(sent().filter("save").size(), 0);
    }

    void refusedSaveEnablesSaveAgain()
    {
        QVERIFY(refreshed());
        rig->tester([](SimRemoteResponder &r) { r.fileError = 2; });
        QSignalSpy refused(rig->device, &Device::fileSaveError);
        ModalScript script;
        script.then(ModalScript::acceptProposedName());
        child<QPushButton>("bSave")->click();
        QVERIFY(!child<QPushButton>("bSave")->isEnabled());
        QVERIFY(rig->drain());
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.first().first().value<uchar>(), uchar(2));
        QVERIFY(child<QPushButton>("bSave")->isEnabled());
        // No list is asked for after a refusal.
        QCOMPARE(sent(), (QStringList{"name 0", "save CONFIG 7"}));
    }

    void loadSendsTheCurrentName()
    {
        QVERIFY(refreshed());
        list()->setCurrentRow(1);
        child<QPushButton>("bLoad")->click();
        QVERIFY(rig->drain());
        QCOMPARE(sent(), QStringList{"load CFG BETA"});
    }

    void loadWhileATestRunsIsRefused_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("secondWord");
        QTest::newRow("Port A") << 0 << false;
        QTest::newRow("Port B, receive word") << 1 << true;
    }
    void loadWhileATestRunsIsRefused()
    {
        QFETCH(int, port);
        QFETCH(bool, secondWord);
        QVERIFY(refreshed());
        rig->tester([&](SimRemoteResponder &r) {
            (secondWord ? r.status.process[port].rx : r.status.process[port].tx) = 1u << TestTraffic;
        });
        QVERIFY(rig->waitForPolls(1));
        list()->setCurrentRow(0);
        rig->sim.clearRequests();
        ModalScript script;
        child<QPushButton>("bLoad")->click();
        QCOMPARE(script.seen.size(), 1);
        QCOMPARE(script.seen.first().title, QString("Error"));
        QCOMPARE(script.seen.first().text, QString("Stop all processes to load a file."));
        QVERIFY(rig->drain());
        QVERIFY(sent().isEmpty());
    }

    void deleteRemovesTheCurrentFileWithoutAQuestion()
    {
        QVERIFY(refreshed());
        list()->setCurrentRow(0);
        ModalScript script;
        child<QPushButton>("bDelete")->click();
        QVERIFY(rig->drain());
        QVERIFY(script.seen.isEmpty());
        QCOMPARE(sent(), (QStringList{"delete CFG ALPHA", "list 1"}));
        QCOMPARE(shownNames(), QStringList{"CFG BETA"});
        QVERIFY(!child<QPushButton>("bDelete")->isEnabled());
    }

    void deleteAllAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("Yes") << int(QMessageBox::Yes) << QStringList{"deleteAll 1", "list 1"} << QStringList{};
        QTest::newRow("No") << int(QMessageBox::No) << QStringList{} << QStringList{"CFG ALPHA", "CFG BETA"};
        // The box's own default: closed without a choice.
        QTest::newRow("closed") << -1 << QStringList{} << QStringList{"CFG ALPHA", "CFG BETA"};
    }
    void deleteAllAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, requests);
        QFETCH(QStringList, left);
        QVERIFY(refreshed());
        ModalScript script;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        script.then([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (box)
                defaultButton = box->standardButton(box->defaultButton());
            if (answer < 0)
                ModalScript::close(w);
            else
                ModalScript::press(QMessageBox::StandardButton(answer)).run(w);
        });
        child<QPushButton>("bDeleteAll")->click();
        QCOMPARE(script.seen.size(), 1);
        QCOMPARE(script.seen.first().title, QString("Delete all files"));
        QCOMPARE(script.seen.first().text, QString("Are you sure you want to delete all files?"));
        QCOMPARE(defaultButton, QMessageBox::No);
        QVERIFY(rig->drain());
        QCOMPARE(sent(), requests);
        QCOMPARE(shownNames(), left);
        // The report file is not touched by either answer.
        bool reportKept = false;
        rig->tester([&](SimRemoteResponder &r) { reportKept = r.fileIndex(QStringLiteral("REP 1")) >= 0; });
        QVERIFY(reportKept);
    }

    void listArrivingWhileTheNameDialogIsOpen()
    {
        // The dialog is open; another refresh replaces the list meanwhile.
        QVERIFY(refreshed());
        list()->setCurrentRow(1);
        ModalScript script;
        script.then([this](QWidget *w) {
            setFiles({simFile("CFG GAMMA", FileTypeConfig)});
            form->activate();
            QVERIFY(QTest::qWaitFor([this] { return list()->count() == 1; }, EventuallyMs));
            ModalScript::acceptProposedName().run(w);
        });
        child<QPushButton>("bSave")->click();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QVERIFY(sent().contains("save CONFIG 7"));
        QCOMPARE(shownNames(), (QStringList{"CFG GAMMA", "CONFIG 7"}));
    }
};

QTEST_MAIN(TestSettingsFilesForm)
#include "tst_settingsfilesform.moc"
