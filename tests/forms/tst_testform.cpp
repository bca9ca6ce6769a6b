// The test-form base: activation, button rules against the polled status,
// titles, the refusals and the save-report sequence. TrafficForm stands in
// as a complete form; a minimal form without frame and second start button
// covers the DNS refusal.

#include "formrig.h"
#include "../support/widgetlookup.h"
#include "trafficform.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace {

constexpr quint32 bit(int test)
{
    return 1u << test;
}

// A form of the DNS test that never has a usable name.
class EmptyDnsForm : public TestForm
{
public:
    explicit EmptyDnsForm(Device *device)
        : TestForm(device, device->getDnsInfo())
        , start(new QPushButton(QStringLiteral("Start"), this))
        , stop(new QPushButton(QStringLiteral("Stop"), this))
        , apply(new QPushButton(QStringLiteral("Apply"), this))
    {
        initGui(start, nullptr, stop, apply, nullptr, nullptr, nullptr, nullptr);
    }
    void retranslate() override {}
    bool canStartXX() override { return false; }

    QPushButton *start;
    QPushButton *stop;
    QPushButton *apply;
};

} // namespace

class TestTestForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormRig> rig;
    TrafficForm *form = nullptr;

    template <class T>
    T *child(const char *name)
    {
        return findWidget<T>(form, name);
    }

    void setProcess(quint32 txA, quint32 rxA, quint32 txB, quint32 rxB)
    {
        rig->tester([&](SimRemoteResponder &r) {
            r.status.process[PortA] = {txA, rxA};
            r.status.process[PortB] = {txB, rxB};
        });
    }

    QStringList describedRequests()
    {
        QStringList out;
        for (const QByteArray &r : rig->requests()) {
            const quint8 c = command(r);
            if ((c == 0x11 || c == 0x13) && r.size() >= 6)
                out << QString::asprintf("%02X:p%u:t%u", c, u32At(r, 1), quint8(r.at(5)));
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        rig.reset(new FormRig(0));
        QVERIFY(rig->connectDevice());
        form = new TrafficForm(rig->device);
    }

    void cleanupTestCase()
    {
        delete form;
        rig.reset();
    }

    void testNames_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("2") << 2 << "Traffic test";
        QTest::newRow("14 untranslated") << 14 << "OAM";
        QTest::newRow("16") << 16 << "Asymmetric traffic test";
        QTest::newRow("21") << 21 << "Loopback";
        QTest::newRow("13 has no form") << 13 << "Unknown Test";
        QTest::newRow("above 21") << 40 << "Unknown Test";
    }
    void testNames()
    {
        QFETCH(int, id);
        QFETCH(QString, name);
        QCOMPARE(TestForm::testName(id), name);
    }

    void hiddenFormIgnoresRecords()
    {
        rig->sim.clearRequests();
        rig->device->setCurrentProcess(PortB);
        QVERIFY(rig->drain());
        rig->device->setCurrentProcess(PortA);
        QVERIFY(rig->drain());
        QVERIFY(describedRequests().isEmpty());
        QCOMPARE(child<QGroupBox>("gTraf")->title(), QString("Traffic test (Port A)"));
    }

    void firstActivationReadsSettingsLaterOnlyResults()
    {
        rig->sim.clearRequests();
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QCOMPARE(describedRequests(), QStringList({"11:p0:t2", "13:p0:t2"}));
        QVERIFY(child<QGroupBox>("groupBox")->isEnabled());   // header editor loaded

        form->hide();
        rig->sim.clearRequests();
        form->activate();
        QVERIFY(rig->drain());
        QCOMPARE(describedRequests(), QStringList({"13:p0:t2"}));
    }

    void buttonRules_data()
    {
        QTest::addColumn<quint32>("txA");
        QTest::addColumn<quint32>("rxA");
        QTest::addColumn<quint32>("txB");
        QTest::addColumn<quint32>("rxB");
        // start same, start other, stop, apply (form edited), reset, save report
        QTest::addColumn<QString>("enabled");
        QTest::newRow("both idle") << 0u << 0u << 0u << 0u << "XY-ARS";
        QTest::newRow("traffic runs here") << bit(2) << 0u << 0u << bit(2) << "--T---";
        QTest::newRow("other test runs here") << bit(3) << 0u << 0u << 0u << "---AR-";
        QTest::newRow("here only receiving") << 0u << bit(2) << bit(2) << 0u << "---AR-";
        QTest::newRow("other port busy") << 0u << 0u << bit(5) << 0u << "X--ARS";
        QTest::newRow("pass-through here") << bit(0) << 0u << 0u << 0u << "---AR-";
    }
    void buttonRules()
    {
        QFETCH(quint32, txA);
        QFETCH(quint32, rxA);
        QFETCH(quint32, txB);
        QFETCH(quint32, rxB);
        QFETCH(QString, enabled);
        form->activate();
        QVERIFY(rig->drain());
        child<QSpinBox>("sLen")->setValue(child<QSpinBox>("sLen")->value() + 1);   // edited
        setProcess(txA, rxA, txB, rxB);
        QVERIFY(rig->waitForPolls(1));
        QString shown;
        shown += child<QPushButton>("bStartXX")->isEnabled() ? 'X' : '-';
        shown += child<QPushButton>("bStartXY")->isEnabled() ? 'Y' : '-';
        shown += child<QPushButton>("bStop")->isEnabled() ? 'T' : '-';
        shown += child<QPushButton>("bApply")->isEnabled() ? 'A' : '-';
        shown += child<QPushButton>("bReset")->isEnabled() ? 'R' : '-';
        shown += child<QPushButton>("saveReportButton")->isEnabled() ? 'S' : '-';
        setProcess(0, 0, 0, 0);
        QVERIFY(!child<QPushButton>("bStartXY")->isHidden());
        QCOMPARE(shown, enabled);
    }

    void resetKeepsEdited()
    {
        setProcess(0, 0, 0, 0);
        form->activate();
        QVERIFY(rig->drain());
        auto *length = child<QSpinBox>("sLen");
        const int stored = length->value();
        length->setValue(stored + 10);
        child<QPushButton>("bReset")->click();
        QVERIFY(rig->drain());
        QCOMPARE(length->value(), stored);
        QCOMPARE(length->styleSheet(), fieldstyle::Black);
        QVERIFY(rig->waitForPolls(1));
        QVERIFY(child<QPushButton>("bApply")->isEnabled());
        form->bApplyClicked();
        QVERIFY(!child<QPushButton>("bApply")->isEnabled());
    }

    // An apply leaves nothing edited: Apply stays off at the next polls,
    // where a Reset keeps the edit (above) and with it Apply.
    void appliedFormHoldsNoEdit()
    {
        setProcess(0, 0, 0, 0);
        form->activate();
        QVERIFY(rig->drain());
        auto *apply = child<QPushButton>("bApply");
        form->enableApply();
        QVERIFY(apply->isEnabled());
        form->disableApply();
        QVERIFY(!apply->isEnabled());
        QVERIFY(rig->waitForPolls(1));
        QVERIFY(apply->isEnabled());   // still edited
        form->gotApplied();
        QVERIFY(!apply->isEnabled());
        QVERIFY(rig->waitForPolls(2));
        QVERIFY(!apply->isEnabled());
    }

    // initGui() starts a form with Apply off, whatever its designer form said.
    void newFormStartsWithApplyOff()
    {
        EmptyDnsForm dns(rig->device);
        QVERIFY(!dns.apply->isEnabled());
    }

    void saveReport_data()
    {
        QTest::addColumn<QString>("typed");    // null: cancel
        QTest::addColumn<QString>("saved");    // empty: nothing sent
        QTest::newRow("proposed name") << QString("") << "REPORT 0001";
        QTest::newRow("typed, trimmed") << " RUN 7 " << "RUN 7";
        QTest::newRow("cancelled") << QString() << QString();
    }
    void saveReport()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        setProcess(0, 0, 0, 0);
        form->activate();
        QVERIFY(rig->drain());
        QVERIFY(rig->waitForPolls(1));
        QPushButton *save = child<QPushButton>("saveReportButton");
        QVERIFY(save->isEnabled());
        rig->sim.clearRequests();

        const bool cancel = typed.isNull();
        bool answered = false;
        QTimer answer;
        answer.setInterval(20);
        connect(&answer, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto *edit = dialog->findChild<QLineEdit *>();
            if (!edit || edit->text().isEmpty())
                return;   // the proposal has not arrived yet
            answered = true;
            if (cancel) {
                dialog->reject();
                return;
            }
            if (!typed.isEmpty())
                edit->setText(typed);
            dialog->accept();
        });
        answer.start();
        save->click();
        answer.stop();
        QVERIFY(answered);
        QVERIFY(rig->drain());
        const QList<QByteArray> saves = rig->requestsOf(0x15);
        if (saved.isEmpty()) {
            QVERIFY(saves.isEmpty());
            return;
        }
        QCOMPARE(saves.size(), 1);
        QCOMPARE(u32At(saves.at(0), 1), quint32(PortA));
        QCOMPARE(quint8(saves.at(0).at(5)), quint8(TestTraffic));
        QCOMPARE(QString::fromLatin1(saves.at(0).mid(6).constData()), saved);
    }

    void onePortModelHidesStartTowardsOtherPort()
    {
        FormRig single(1);
        QVERIFY(single.connectDevice());
        TrafficForm f(single.device);
        f.activate();
        QVERIFY(single.drain());
        auto *other = f.findChild<QPushButton *>("bStartXY");
        QVERIFY(other->isHidden());
        QVERIFY(single.waitForPolls(1));
        QVERIFY(other->isHidden());
        QVERIFY(f.findChild<QPushButton *>("bStartXX")->isEnabled());
    }

    void emptyDnsNameRefusesBeforeSending()
    {
        EmptyDnsForm dns(rig->device);
        dns.activate();
        QVERIFY(rig->drain());
        QCOMPARE(dns.start->text(), QString("Start"));   // no frame: no titles
        rig->sim.clearRequests();
        MessageBoxCloser closer;
        QTRY_VERIFY_WITH_TIMEOUT(dns.start->isEnabled(), EventuallyMs);
        dns.start->click();
        QCOMPARE(closer.seen.size(), 1);
        QCOMPARE(closer.seen.at(0).title, QString("Wrong settings for DNS test"));
        QCOMPARE(closer.seen.at(0).text, QString("Cannot run the test: the DNS name is empty"));
        QVERIFY(rig->drain());
        QVERIFY(rig->requestsOf(0x12).isEmpty());
        QVERIFY(rig->requestsOf(0x09).isEmpty());
    }
};

QTEST_MAIN(TestTestForm)
#include "tst_testform.moc"
