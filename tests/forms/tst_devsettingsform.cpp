// The device settings form through its real widgets, offscreen, against the
// simulated tester over TCP with a real Device in a worker thread: the
// checking mode shown and written (0x11/0x12 block 0), the watch-dog time
// (0x1F), the synchronisation start (0x1B), the clock (0x19) and the reset
// to default settings (0x17).

#include "formrig.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "datetimedialog.h"
#include "devsettingsform.h"
#include "devsettingsformat.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>
#include "../support/modalanswerer.h"
#include <QtTest>

namespace {

const char *const ModeButtons[] = {"radioButton_1", "radioButton_2", "radioButton_3",
                                   "radioButton_4", "radioButton_5", "radioButton_6",
                                   "radioButton_7", "radioButton_8", "radioButton_9"};

// The tester's record, with patterns in the bytes nobody may change.
device_settings_t testerSettings(uint8_t checking)
{
    device_settings_t s;
    for (int i = 0; i < 6; ++i)
        s.reserved1[i] = uint8_t(0xA0 + i);
    s.checking = checking;
    s.reserved2 = 0x5C;
    return s;
}

} // namespace

class TestDevSettingsForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormRig> rig;
    std::unique_ptr<QWidget> host;
    DevSettingsForm *form = nullptr;

    template <class T>
    T *child(const char *name)
    {
        return findWidget<T>(form, name);
    }
    QRadioButton *modeButton(int index) { return child<QRadioButton>(ModeButtons[index]); }

    // A click on the button's indicator, as an operator chooses a mode.
    static void choose(QRadioButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    // Index of the checked mode button, -1 for none.
    int checkedMode()
    {
        for (int i = 0; i < CheckingModeCount; ++i) {
            if (modeButton(i)->isChecked())
                return i;
        }
        return -1;
    }

    void storeOnTester(uint8_t checking)
    {
        rig->tester([&](SimRemoteResponder &r) { r.deviceSettings = testerSettings(checking); });
    }

    // The tester's record read again, as after a connect.
    bool readFromTester()
    {
        rig->inWorker([this] { rig->device->receiveDeviceSetting(); });
        return rig->drain();
    }

    QList<QByteArray> settingsWritten() { return rig->sentSettings(PortA, TestDeviceSettings); }

    // Device settings reads (0x11, port 0, block 0) since the last clear.
    int settingsReads()
    {
        int n = 0;
        for (const QByteArray &r : rig->requestsOf(0x11))
            n += r.size() >= 6 && u32At(r, 1) == 0 && quint8(r.at(5)) == TestDeviceSettings;
        return n;
    }

    QList<quint32> u32Requests(quint8 command)
    {
        QList<quint32> out;
        for (const QByteArray &r : rig->requestsOf(command)) {
            if (r.size() >= 5)
                out << u32At(r, 1);
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(vyrremote_translations);
        rig.reset(new FormRig(0));
        rig->tester([](SimRemoteResponder &r) { r.deviceSettings = testerSettings(6); });
        QVERIFY(rig->connectDevice());
    }

    void cleanupTestCase()
    {
        rig.reset();
    }

    void init()
    {
        storeOnTester(6);
        QVERIFY(rig->drain());
        form = new DevSettingsForm(rig->device);
        host = formHost(form, QSize(600, 560));
        rig->sim.clearRequests();
    }

    void cleanup()
    {
        host.reset();
        QVERIFY(rig->drain());
    }

    void built()
    {
        QVERIFY(form->isHidden());
        QCOMPARE(child<QGroupBox>("groupBox")->geometry(), QRect(9, 9, 230, 241));
        QCOMPARE(modeButton(8)->geometry().topLeft(), QPoint(10, 180));
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QVERIFY(child<QRadioButton>("rbSyncNTP")->isChecked());
        QVERIFY(!child<QRadioButton>("rbSync1PPS")->isChecked());
        QVERIFY(child<QGroupBox>("gDevSettings")->isHidden());
        QCOMPARE(checkedMode(), -1);
        QSpinBox *wd = child<QSpinBox>("sWD");
        QCOMPARE(wd->minimum(), 0);
        QCOMPARE(wd->maximum(), 1000000);
        QCOMPARE(wd->value(), 0);
    }

    // The form opened before it heard of the record asks for it.
    void activateWithoutRecordReadsIt()
    {
        form->activate();
        QVERIFY(form->isVisible());
        QVERIFY(rig->drain());
        QCOMPARE(settingsReads(), 1);
        QCOMPARE(checkedMode(), 5);   // code 6, "Output 1PPS PTP"
        for (int i : {3, 4, 8})
            QVERIFY2(!modeButton(i)->isEnabled(), ModeButtons[i]);
        for (int i : {0, 1, 2, 5, 6, 7})
            QVERIFY2(modeButton(i)->isEnabled(), ModeButtons[i]);
    }

    void storedCodeChecksItsButton_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("index");
        for (int c = 0; c <= 9; ++c)
            QTest::addRow("code %d", c) << c << checkingCodeToIndex(uint8_t(c));
        QTest::newRow("code 12 is Velocities") << 12 << 2;
        QTest::newRow("code 255") << 255 << 2;
    }
    void storedCodeChecksItsButton()
    {
        QFETCH(int, code);
        QFETCH(int, index);
        form->activate();
        QVERIFY(rig->drain());
        storeOnTester(uint8_t(code));
        QVERIFY(readFromTester());
        QCOMPARE(checkedMode(), index);
        // Disabled or not, the tester's mode is the one checked.
        QVERIFY(modeButton(index)->isChecked());
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        // Opening the form again shows the same.
        form->hide();
        form->activate();
        QCOMPARE(checkedMode(), index);
    }

    // Choosing a mode and Apply writes the whole record with its code and
    // every other byte as the tester sent it; the modes that cannot be
    // chosen send nothing.
    void applyWritesTheChosenCode_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("offered");
        const int codes[] = {0, 1, 2, 4, 5, 6, 7, 8, 9};
        for (int i = 0; i < CheckingModeCount; ++i)
            QTest::addRow("%s", ModeButtons[i]) << i << codes[i] << (i != 3 && i != 4 && i != 8);
    }
    void applyWritesTheChosenCode()
    {
        QFETCH(int, index);
        QFETCH(int, code);
        QFETCH(bool, offered);
        storeOnTester(index == 0 ? 1 : 0);
        form->activate();
        QVERIFY(rig->drain());
        rig->sim.clearRequests();
        choose(modeButton(index));
        QPushButton *apply = child<QPushButton>("bApply");
        if (!offered) {
            QVERIFY(!modeButton(index)->isChecked());
            QVERIFY(!apply->isEnabled());
            return;
        }
        QVERIFY(modeButton(index)->isChecked());
        QVERIFY(apply->isEnabled());
        apply->click();
        QVERIFY(!apply->isEnabled());
        QVERIFY(rig->waitForSettingsSent(PortA, TestDeviceSettings));
        QVERIFY(rig->drain());
        const QList<QByteArray> sent = settingsWritten();
        QCOMPARE(sent.size(), 1);
        const device_settings_t expected = testerSettings(uint8_t(code));
        QCOMPARE(sent.first(), recordBytes(expected));
        QCOMPARE(rig->device->getDeviceSettings().checking, uint8_t(code));
    }

    // After Apply the form shows what the tester holds now: it reads the
    // record back, and opening the form again shows the new mode, not the
    // one read at the start.
    void afterApplyTheNewModeStays()
    {
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(checkedMode(), 5);
        rig->sim.clearRequests();
        choose(modeButton(1));
        child<QPushButton>("bApply")->click();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(settingsReads(), 1);
        const QList<QByteArray> all = rig->requests();
        int write = -1, read = -1;
        for (int i = 0; i < all.size(); ++i) {
            if (command(all.at(i)) == 0x12 && write < 0)
                write = i;
            if (command(all.at(i)) == 0x11 && read < 0)
                read = i;
        }
        QVERIFY(write >= 0 && read > write);
        QCOMPARE(checkedMode(), 1);
        form->hide();
        form->activate();
        QCOMPARE(checkedMode(), 1);

        // The tester changed its mode meanwhile (its own keys): the read-back
        // of the next Apply shows what it holds.
        choose(modeButton(6));
        rig->tester([](SimRemoteResponder &r) { r.replyOverride[0x11] = recordBytes(testerSettings(8)); });
        child<QPushButton>("bApply")->click();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        rig->tester([](SimRemoteResponder &r) { r.replyOverride.remove(0x11); });
        QCOMPARE(checkedMode(), 7);
    }

    // Apply without the tester's record sends nothing (Device would write a
    // record it never read) and says so.
    void applyWithoutRecordSendsNothing()
    {
        form->show();   // shown without activate(): nothing was asked for
        choose(modeButton(1));
        QPushButton *apply = child<QPushButton>("bApply");
        QVERIFY(apply->isEnabled());
        MessageBoxCloser closer;
        apply->click();
        QVERIFY(rig->drain());
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(closer.seen.first().title, QString("Checking"));
        QVERIFY(closer.seen.first().text.contains(QLatin1String("Nothing was sent.")));
        QVERIFY(rig->requestsOf(0x12).isEmpty());
        QVERIFY(apply->isEnabled());
    }

    void watchDog_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<quint32>("sent");
        QTest::newRow("0") << 0 << 0u;
        QTest::newRow("1") << 1 << 1u;
        QTest::newRow("largest") << 1000000 << 1000000u;
        // The last key is refused: nothing above the largest gets in.
        QTest::newRow("above the largest") << 1000001 << 100000u;
    }
    void watchDog()
    {
        QFETCH(int, value);
        QFETCH(quint32, sent);
        form->activate();
        QSpinBox *wd = child<QSpinBox>("sWD");
        wd->setFocus();
        wd->selectAll();
        QTest::keyClicks(wd, QString::number(value));
        QTest::keyClick(wd, Qt::Key_Enter);
        child<QPushButton>("bSetWD")->click();
        QVERIFY(rig->drain());
        QCOMPARE(u32Requests(0x1F), QList<quint32>{sent});
        quint32 held = 0;
        rig->tester([&](SimRemoteResponder &r) { held = r.watchdogTime; });
        QCOMPARE(held, sent);
    }

    void syncStart()
    {
        form->activate();
        QPushButton *run = child<QPushButton>("bRunSync");
        run->click();
        choose(child<QRadioButton>("rbSync1PPS"));
        QVERIFY(!child<QRadioButton>("rbSyncNTP")->isChecked());
        run->click();
        choose(child<QRadioButton>("rbSyncNTP"));
        run->click();
        QVERIFY(rig->drain());
        QList<quint8> sent;
        for (const QByteArray &r : rig->requestsOf(0x1B))
            sent << quint8(r.at(1));
        QCOMPARE(sent, (QList<quint8>{2, 4, 2}));
        // The synchronisation buttons and the mode buttons do not exclude
        // each other.
        QCOMPARE(checkedMode(), 5);
    }

    // The clock shows the tester's status clock as UTC, and only while the
    // form is on show.
    void clockFollowsThePolls()
    {
        form->activate();
        QVERIFY(rig->waitForPolls(1));
        const QDateTime shown(child<QDateEdit>("dateEdit")->date(), child<QTimeEdit>("timeEdit")->time(), Qt::UTC);
        QCOMPARE(shown, testerClockToDateTime(rig->device->getDeviceStatus().clock));
        QCOMPARE(child<QDateEdit>("dateEdit")->text(), shown.toString(QStringLiteral("dd.MM.yy")));

        form->hide();
        child<QDateEdit>("dateEdit")->setDate(QDate(2001, 2, 3));
        rig->tester([](SimRemoteResponder &r) { r.status.clock = 1800000000u; });
        QVERIFY(rig->waitForPolls(2));
        QCOMPARE(child<QDateEdit>("dateEdit")->date(), QDate(2001, 2, 3));
        form->activate();
        QVERIFY(rig->waitForPolls(1));
        QCOMPARE(child<QDateEdit>("dateEdit")->date(), QDate(2027, 1, 15));
        QCOMPARE(child<QTimeEdit>("timeEdit")->time(), QTime(8, 0));
    }

    void changeDateAndTime_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void changeDateAndTime()
    {
        QFETCH(bool, accept);
        rig->tester([](SimRemoteResponder &r) { r.status.clock = 1700000000u; });
        QVERIFY(rig->waitForPolls(1));
        form->activate();
        bool filled = false;
        ModalAnswerer answerer;
        answerer.then([&](QWidget *w) {
            auto *dialog = qobject_cast<DateTimeDialog *>(w);
            if (!dialog)
                return;
            filled = dialog->dateTime() == 1700000000u;
            findWidget<QDateEdit>(dialog, "dateEdit")->setDate(QDate(2030, 6, 1));
            findWidget<QTimeEdit>(dialog, "timeEdit")->setTime(QTime(12, 30, 5));
            accept ? dialog->accept() : dialog->reject();
        });
        child<QPushButton>("bChangeDateTime")->click();
        QVERIFY(filled);
        QVERIFY(rig->drain());
        const QList<quint32> sent = u32Requests(0x19);
        if (!accept) {
            QVERIFY(sent.isEmpty());
            return;
        }
        QCOMPARE(sent, QList<quint32>{uint32_t(QDateTime(QDate(2030, 6, 1), QTime(12, 30, 5), Qt::UTC)
                                                   .toSecsSinceEpoch())});
    }

    void setFromComputer_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void setFromComputer()
    {
        QFETCH(bool, yes);
        form->activate();
        bool yesIsDefault = false;
        ModalAnswerer answerer;
        answerer.then([&](QWidget *w) {
            if (auto *box = qobject_cast<QMessageBox *>(w)) {
                yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
                box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
            }
        });
        const uint32_t before = testerClockFromLocal(QDateTime::currentDateTime());
        child<QPushButton>("bSetFromComputer")->click();
        const uint32_t after = testerClockFromLocal(QDateTime::currentDateTime());
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().title, QString("Clock"));
        QCOMPARE(answerer.seen.first().text, QString("Are you sure you want to set date and time from computer?"));
        QVERIFY(yesIsDefault);
        QVERIFY(rig->drain());
        const QList<quint32> sent = u32Requests(0x19);
        if (!yes) {
            QVERIFY(sent.isEmpty());
            return;
        }
        QCOMPARE(sent.size(), 1);
        QVERIFY(sent.first() >= before && sent.first() <= after);
    }

    void resetAsksFirst()
    {
        form->activate();
        bool noIsDefault = false;
        ModalAnswerer answerer;
        answerer.then([&](QWidget *w) {
            if (auto *box = qobject_cast<QMessageBox *>(w)) {
                noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
                QTest::keyClick(box, Qt::Key_Return);   // the default
            }
        });
        child<QPushButton>("bReset")->click();
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().title, QString("Reset device settings"));
        QCOMPARE(answerer.seen.first().text, QString("Are you sure you want to reset all device settings?"));
        QVERIFY(noIsDefault);
        QVERIFY(rig->drain());
        int loads = -1;
        rig->tester([&](SimRemoteResponder &r) { loads = r.defaultConfigLoads; });
        QCOMPARE(loads, 0);
    }

    // Yes loads the tester's defaults; the link comes back, the form has let
    // go of the old record and reads the tester's anew when opened.
    void resetLoadsDefaultsAndRereads()
    {
        FormRig own(0);
        own.tester([](SimRemoteResponder &r) { r.deviceSettings = testerSettings(7); });
        QVERIFY(own.connectDevice());
        QVERIFY(own.waitForPolls(1));
        auto *f = new DevSettingsForm(own.device);
        const std::unique_ptr<QWidget> box = formHost(f, QSize(600, 560));
        f->activate();
        QVERIFY(own.drain());
        QVERIFY(findWidget<QRadioButton>(f, "radioButton_7")->isChecked());

        auto reconnected = std::make_shared<std::atomic<int>>(0);
        QObject::connect(own.device, &Device::connected, own.device, [reconnected] { ++*reconnected; },
                         Qt::DirectConnection);
        ModalAnswerer answerer;
        answerer.then([](QWidget *w) {
            if (auto *m = qobject_cast<QMessageBox *>(w))
                m->button(QMessageBox::Yes)->click();
        });
        findWidget<QPushButton>(f, "bReset")->click();
        own.tester([](SimRemoteResponder &r) { r.deviceSettings = testerSettings(1); });
        QVERIFY(QTest::qWaitFor([&] { return reconnected->load() > 0; }, EventuallyMs));
        QVERIFY(own.drain());
        int loads = -1;
        own.tester([&](SimRemoteResponder &r) { loads = r.defaultConfigLoads; });
        QCOMPARE(loads, 1);

        own.sim.clearRequests();
        f->hide();
        f->activate();
        QVERIFY(own.drain());
        QVERIFY(findWidget<QRadioButton>(f, "radioButton_2")->isChecked());
        own.stopWorker();
    }

    // A lost link takes the record with it: Apply then sends nothing.
    void lostLinkDropsTheRecord()
    {
        FormRig own(0);
        QVERIFY(own.connectDevice());
        auto *f = new DevSettingsForm(own.device);
        const std::unique_ptr<QWidget> box = formHost(f, QSize(600, 560));
        f->activate();
        QVERIFY(own.drain());
        choose(findWidget<QRadioButton>(f, "radioButton_2"));
        own.disconnectDevice();
        QVERIFY(own.drain());
        own.sim.clearRequests();
        MessageBoxCloser closer;
        findWidget<QPushButton>(f, "bApply")->click();
        QVERIFY(own.drain());
        QCOMPARE(closer.seen.size(), 1);
        QVERIFY(own.requestsOf(0x12).isEmpty());
        own.stopWorker();
    }

    void disableApplyDoesNothing()
    {
        form->activate();
        QVERIFY(rig->drain());
        choose(modeButton(1));
        form->disableApply();
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
    }

    void retranslate()
    {
        form->activate();
        QVERIFY(rig->drain());
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        QVERIFY(languages.use("ru"));
        form->retranslate();
        const auto tr = [](const char *text) { return QCoreApplication::translate("DevSettingsForm", text); };
        QVERIFY(tr("Checking") != QLatin1String("Checking"));
        QCOMPARE(child<QGroupBox>("groupBox")->title(), tr("Checking"));
        QCOMPARE(modeButton(5)->text(), tr("Output 1PPS PTP"));
        QCOMPARE(child<QPushButton>("bRunSync")->text(), tr("Sync 1PPS/NTP"));
        QCOMPARE(child<QPushButton>("bSetFromComputer")->text(), tr("Set from computer"));
        // Checked states and values stay.
        QCOMPARE(checkedMode(), 5);
        QVERIFY(child<QRadioButton>("rbSyncNTP")->isChecked());
        languages.removeAll();
        form->retranslate();
        QCOMPARE(child<QGroupBox>("groupBox")->title(), QString("Checking"));
    }

    // Every text fits in the fixed geometry, the hidden device settings
    // group included (shown here for the check only).
    void textsFit()
    {
        form->activate();
        QVERIFY(rig->drain());
        child<QSpinBox>("sWD")->setValue(1000000);
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        QStringList reports = textFitInAllLanguages(form, languages, [&] { form->retranslate(); });
        child<QGroupBox>("gDevSettings")->show();
        reports += textFitInAllLanguages(child<QGroupBox>("gDevSettings"), languages,
                                         [&] { form->retranslate(); });
        QVERIFY(languages.use("ru"));
        form->retranslate();
        QVERIFY(textfit::savePicture(form, QStringLiteral("devsettingsform_all.png")));
        child<QGroupBox>("gDevSettings")->hide();
        QVERIFY(textfit::savePicture(form, QStringLiteral("devsettingsform.png")));
        languages.removeAll();
        form->retranslate();
        QVERIFY2(reports.isEmpty(), qPrintable(reports.join('\n')));
    }
};

QTEST_MAIN(TestDevSettingsForm)
#include "tst_devsettingsform.moc"
