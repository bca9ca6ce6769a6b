// The link OAM form driven through its real widgets, offscreen, against the
// simulated tester over TCP with a real Device in a worker thread.

#include "formrig.h"
#include "formtexts.h"
#include "../support/widgetlookup.h"
#include "oamform.h"
#include "oamrecords.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

using fieldstyle::Black;
using fieldstyle::Blue;

oam_settings_t settingsOf(int32_t mode)
{
    oam_settings_t s;
    s.mode = mode;
    return s;
}

oam_results_t resultsFixture(uint8_t flags)
{
    oam_results_t r;
    memset(&r, 0x5C, sizeof r);   // the bytes the form does not read
    r.present = 1;
    r.flags = flags;
    const uint8_t vendor[4] = {0x00, 0x1B, 0x2C, 0x3D};
    const uint8_t mac[6] = {0x00, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F};
    memcpy(r.vendor, vendor, 4);
    memcpy(r.mac, mac, 6);
    return r;
}

} // namespace

class TestOamForm : public QObject, private FormUnderTest<OamForm>
{
    Q_OBJECT

private:
    void store(const oam_settings_t &s, port_t port = PortA) { rig->storeSettings(port, TestOam, recordBytes(s)); }
    void storeResults(const oam_results_t &q, port_t port = PortA) { rig->storeResults(port, TestOam, recordBytes(q)); }

    // The form reads its record and results again, as on activation.
    void reload()
    {
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
    }

    QList<QByteArray> sentSettings() { return rig->sentSettings(PortA, TestOam); }

    QStringList resultTexts()
    {
        QStringList out;
        for (const char *name : {"lMAC", "lVendor", "lRemoteLB", "lMode", "lUnidirectional", "lLinkev"})
            out << child<QLineEdit>(name)->text();
        return out;
    }

private slots:
    void initTestCase()
    {
        loadFormResources();
        QVERIFY(startForm(QSize(900, 420), [](FormRig &r) {
            r.storeSettings(PortA, TestOam, recordBytes(settingsOf(OamModePassive)));
            r.storeSettings(PortB, TestOam, recordBytes(settingsOf(OamModeActive)));
        }));
    }

    void cleanupTestCase() { stopForm(); }

    void init()
    {
        store(settingsOf(OamModePassive));
        storeResults(resultsFixture(0x05));
        QVERIFY(resetForm());
    }

    void activationShowsModeAndPartner()
    {
        QCOMPARE(child<QGroupBox>("gOAM")->title(), QString("OAM (Port A)"));
        QCOMPARE(child<QComboBox>("cbMode")->currentIndex(), int(OamModePassive));
        QCOMPARE(child<QComboBox>("cbMode")->styleSheet(), Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(resultTexts(), QStringList({"00:1b:2c:3d:4e:5f", "00 1b 2c 3d ", "Supported", "Active",
                                             "Unsupported", "Unsupported"}));
    }

    void resultWithoutPresenceShowsDashes()
    {
        oam_results_t q = resultsFixture(0x0F);
        q.present = 0;
        storeResults(q);
        reload();
        QCOMPARE(resultTexts(), QVector<QString>(6, "-").toList());

        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 0; });
        storeResults(resultsFixture(0x0F));
        reload();
        rig->tester([](SimRemoteResponder &r) { r.resultsValid = 1; });
        QCOMPARE(resultTexts(), QVector<QString>(6, "-").toList());
    }

    // Every mode, listed or not, goes back exactly as the tester sent it.
    void settingsRoundTrip_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("index");
        QTest::newRow("disabled") << 0 << 0;
        QTest::newRow("passive") << 1 << 1;
        QTest::newRow("active") << 2 << 2;
        QTest::newRow("unknown 3") << 3 << -1;
        QTest::newRow("negative") << -5 << -1;
    }
    void settingsRoundTrip()
    {
        QFETCH(int, mode);
        QFETCH(int, index);
        store(settingsOf(mode));
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
        QCOMPARE(child<QComboBox>("cbMode")->currentIndex(), index);
        QCOMPARE(child<QComboBox>("cbMode")->styleSheet(), Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());

        form->bApplyClicked();
        QVERIFY(QTest::qWaitFor([&] { return !sentSettings().isEmpty(); }, EventuallyMs));
        QCOMPARE(sentSettings().last().toHex(' '), recordBytes(settingsOf(mode)).toHex(' '));
    }

    void startLoopbackAppliesTheModeAndStarts()
    {
        auto *mode = child<QComboBox>("cbMode");
        auto *apply = child<QPushButton>("bApply");
        mode->setCurrentIndex(OamModeActive);
        QCOMPARE(mode->styleSheet(), Blue);
        QVERIFY(apply->isEnabled());
        mode->setCurrentIndex(OamModePassive);     // back: black, Apply stays
        QCOMPARE(mode->styleSheet(), Black);
        QVERIFY(apply->isEnabled());
        mode->setCurrentIndex(OamModeActive);

        QPushButton *start = child<QPushButton>("bStart");
        QCOMPARE(start->text(), QString("Start loopback"));
        start->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x13; }));
        const QList<QByteArray> seq = rig->requests();
        QVERIFY(seq.size() >= 4);
        QCOMPARE(command(seq.at(0)), quint8(0x12));
        QCOMPARE(quint8(seq.at(0).at(5)), quint8(TestOam));
        QCOMPARE(seq.at(0).mid(6).toHex(' '), recordBytes(settingsOf(OamModeActive)).toHex(' '));
        QCOMPARE(command(seq.at(1)), quint8(0x0A));
        QCOMPARE(u32At(seq.at(1), 1), quint32(PortA));
        QCOMPARE(quint8(seq.at(1).at(5)), quint8(TopologySamePort));
        QCOMPARE(command(seq.at(2)), quint8(0x09));
        QCOMPARE(quint8(seq.at(2).at(1)), quint8(1));
        QCOMPARE(u32At(seq.at(2), 2), quint32(PortA));
        QCOMPARE(quint8(seq.at(2).at(6)), quint8(TestOam));
        QCOMPARE(command(seq.at(3)), quint8(0x13));
        QCOMPARE(mode->styleSheet(), Black);
        QVERIFY(!apply->isEnabled());

        // While test 14 runs each poll reads its results again.
        storeResults(resultsFixture(0x0A));
        QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>("lUnidirectional")->text(), QString("Supported"), EventuallyMs);
        QCOMPARE(child<QLineEdit>("lMode")->text(), QString("Passive"));

        rig->sim.clearRequests();
        child<QPushButton>("bStop")->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        const QByteArray stop = rig->requestsOf(0x09).first();
        QCOMPARE(quint8(stop.at(1)), quint8(0));
        QCOMPARE(u32At(stop, 2), quint32(PortA));
        QCOMPARE(quint8(stop.at(6)), quint8(TestOam));
    }

    // The simulated tester runs the test from its own record: Port A is
    // active, and its link partner answers discovery once the test runs.
    void simulatedTesterRunsTheTest()
    {
        rig->tester([](SimRemoteResponder &r) {
            r.realistic = true;
            r.settings.remove(SimRemoteResponder::key(PortA, TestOam));
            r.results.remove(SimRemoteResponder::key(PortA, TestOam));
            // No run left by an earlier test: no partner before Start.
            r.runs.remove(SimRemoteResponder::key(PortA, TestOam));
        });
        child<QPushButton>("bReset")->click();
        reload();
        QCOMPARE(child<QComboBox>("cbMode")->currentIndex(), int(OamModeActive));
        QCOMPARE(child<QComboBox>("cbMode")->styleSheet(), Black);
        QCOMPARE(resultTexts(), QVector<QString>(6, "-").toList());

        rig->sim.clearRequests();
        child<QPushButton>("bStart")->click();
        QTRY_COMPARE_WITH_TIMEOUT(resultTexts(),
                                  QStringList({"00:1b:2c:3d:4e:50", "00 1b 2c 3d ", "Supported", "Active",
                                               "Unsupported", "Supported"}),
                                  EventuallyMs);
        QCOMPARE(rig->sentSettings(PortA, TestOam).first().toHex(' '),
                 recordBytes(settingsOf(OamModeActive)).toHex(' '));
        child<QPushButton>("bStop")->click();
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x09 && r.at(1) == 0; }));
        rig->tester([](SimRemoteResponder &r) { r.realistic = false; });
    }

    // The status never disables this form's buttons.
    void buttonsStayUsableWhateverTheStatus()
    {
        rig->tester([](SimRemoteResponder &r) {
            r.status.process[0].tx = 1u << TestTraffic;
            r.status.process[0].rx = 1u << TestRfc2544;
        });
        QVERIFY(rig->waitForPolls(2));
        for (const char *name : {"bStart", "bStop", "bReset"})
            QVERIFY2(child<QPushButton>(name)->isEnabled(), name);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    void portBTitleKeepsStartText()
    {
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(child<QGroupBox>("gOAM")->title(), QString("OAM (Port B)"));
        QCOMPARE(child<QPushButton>("bStart")->text(), QString("Start loopback"));
        QTRY_COMPARE_WITH_TIMEOUT(child<QComboBox>("cbMode")->currentIndex(), int(OamModeActive), EventuallyMs);
        QCOMPARE(child<QComboBox>("cbMode")->styleSheet(), Black);
    }

    // A language switch keeps the mode on show and marks nothing.
    void retranslateKeepsTheMode()
    {
        auto *mode = child<QComboBox>("cbMode");
        form->retranslate();
        QCOMPARE(mode->currentIndex(), int(OamModePassive));
        QCOMPARE(mode->styleSheet(), Black);
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());

        mode->setCurrentIndex(OamModeDisabled);
        form->retranslate();
        QCOMPARE(mode->currentIndex(), int(OamModeDisabled));
        QCOMPARE(mode->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        QCOMPARE(mode->itemText(2), QString("Active"));
    }

    void applyWithoutRecordSendsNothing()
    {
        child<QComboBox>("cbMode")->setCurrentIndex(OamModeActive);
        QSignalSpy sent(form, &TestForm::sendSettings);
        rig->disconnectDevice();
        const QStringList boxes = boxTextsWhile([&] { child<QPushButton>("bApply")->click(); });
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(saysNothingApplied(boxes.at(0)), qPrintable(boxes.at(0)));
        QCOMPARE(sent.count(), 0);
        QCOMPARE(child<QComboBox>("cbMode")->styleSheet(), Blue);
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        QVERIFY(rig->connectDevice());
    }

    void textsFitInEveryLanguage()
    {
        // The longest words each field shows.
        storeResults(resultsFixture(0x00));
        reload();
        const QStringList cut = formTextFit(form, [this] { form->retranslate(); }, QStringLiteral("oam"));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }
};

QTEST_MAIN(TestOamForm)
#include "tst_oamform.moc"
