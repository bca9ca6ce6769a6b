// Every form of the main window that writes a settings record it read from
// the tester, pressed while it holds none: the link was lost and came back
// while the form stayed on screen, so it has nothing to write its fields
// into. One rule for all of them: a start either goes out with the tester's
// own settings (which the form then reads back) or is refused with a
// message, and an Apply is always refused with a message. A start that
// would run with the tester's settings is refused too while the operator
// has edited a field: the record read back would overwrite the edit. Nothing
// is dropped without a word, a refusal sends nothing, and edits stay.

#include "formrig.h"
#include "../support/widgetlookup.h"

#include "asymtrafficform.h"
#include "bertform.h"
#include "cableform.h"
#include "dnsform.h"
#include "iretranslatable.h"
#include "ipscannerform.h"
#include "jitterform.h"
#include "lbform.h"
#include "mainform.h"
#include "mdiform.h"
#include "multiform.h"
#include "oamform.h"
#include "pingform.h"
#include "ptpform.h"
#include "rfcform.h"
#include "scaleadjform.h"
#include "statsform.h"
#include "traceform.h"
#include "trafficform.h"
#include "y1564form.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <map>

namespace {

// What a press does without a record.
enum Outcome {
    Refused,            // a box, and no request at all
    StartsSamePort,     // the start goes out (topology 1) without settings
    StartsOtherPort,    // the same towards the other port (topology 0)
};

struct Press
{
    const char *form;
    const char *button;
    Outcome outcome;
};

// Every button of the main window's forms that sends or starts what the
// form holds, and what it does without a record.
QList<Press> presses()
{
    QList<Press> out;
    // Forms whose start on the same port checks the record's "Auto IP
    // destination" flag, and those whose tests take settings the tester
    // cannot be left to choose: nothing starts without the record.
    for (const char *form : {"TrafficForm", "MultiForm", "JitterForm", "Y1564Form", "RfcForm"})
        out << Press{form, "bStartXX", Refused} << Press{form, "bStartXY", Refused} << Press{form, "bApply", Refused};
    for (const char *form : {"AsymTrafficForm", "PTPForm", "ScaleAdjForm"})
        out << Press{form, "bStartXX", Refused} << Press{form, "bApply", Refused};
    for (const char *form : {"DnsForm", "IpScannerForm"})
        out << Press{form, "bStart", Refused} << Press{form, "bApply", Refused};
    // Tests that run with the settings the tester holds.
    out << Press{"BertForm", "bStartXX", StartsSamePort} << Press{"BertForm", "bStartXY", StartsOtherPort}
        << Press{"BertForm", "bApply", Refused};
    out << Press{"OamForm", "bStart", StartsSamePort} << Press{"OamForm", "bApply", Refused};
    // The start on the same port needs the record's Auto IP flag.
    out << Press{"MdiForm", "bStartXX", Refused} << Press{"MdiForm", "bStartXY", StartsOtherPort}
        << Press{"MdiForm", "bApply", Refused};
    for (const char *form : {"PingForm", "TraceForm"})
        out << Press{form, "bStart", StartsSamePort} << Press{form, "bApply", Refused};
    // The cable test has no settings record: its start needs none.
    out << Press{"CableForm", "bStart", StartsSamePort};
    out << Press{"LbForm", "bApply", Refused} << Press{"StatsForm", "bApply", Refused};
    return out;
}

struct FormKind
{
    std::function<QWidget *(Device *)> make;
    quint8 test;
    bool hasFields;   // fields the operator edits (and an Apply for them)
};

template <class Form>
FormKind kind(quint8 test, bool hasFields = true)
{
    return {[](Device *device) -> QWidget * { return new Form(device); }, test, hasFields};
}

// The forms by class name, with the test id of the record they write.
const std::map<QString, FormKind> &formKinds()
{
    static const std::map<QString, FormKind> kinds = {
        {"TrafficForm", kind<TrafficForm>(TestTraffic)},
        {"AsymTrafficForm", kind<AsymTrafficForm>(TestAsymTraffic)},
        {"MultiForm", kind<MultiForm>(TestMultistream)},
        {"JitterForm", kind<JitterForm>(TestJitter)},
        {"Y1564Form", kind<Y1564Form>(TestY1564)},
        {"RfcForm", kind<RfcForm>(TestRfc2544)},
        {"BertForm", kind<BertForm>(TestBert)},
        {"CableForm", kind<CableForm>(TestCable, false)},
        {"LbForm", kind<LbForm>(TestLoopback)},
        {"OamForm", kind<OamForm>(TestOam)},
        {"MdiForm", kind<MdiForm>(TestMdi)},
        {"PingForm", kind<PingForm>(TestPing)},
        {"TraceForm", kind<TraceForm>(TestTraceRoute)},
        {"DnsForm", kind<DnsForm>(TestDns)},
        {"IpScannerForm", kind<IpScannerForm>(TestIpScanner)},
        {"PTPForm", kind<PTPForm>(TestPtp)},
        {"ScaleAdjForm", kind<ScaleAdjForm>(TestSync)},
        {"StatsForm", kind<StatsForm>(TestStatistics)},
    };
    return kinds;
}

bool isApply(const QString &button)
{
    return button == QLatin1String("bApply");
}

// Buttons that send or start what the form holds.
const QStringList PressedButtons = {"bStart", "bStartXX", "bStartXY", "bApply"};

// A field the operator changed, and what it shows.
struct Edit
{
    QString field;
    std::function<QString()> shown;
};

// Changes one field of a form as an operator does (an arrow key on a spin,
// time or combo box, a click on a check box, a digit typed at the end of a
// line edit), trying the fields in sight in turn until one turns Apply on.
Edit editAField(QWidget *form, QPushButton *apply)
{
    auto inSight = [](QWidget *w) { return w->isVisible() && w->isEnabled(); };
    for (QAbstractSpinBox *box : form->findChildren<QAbstractSpinBox *>()) {
        if (!inSight(box) || box->isReadOnly())
            continue;
        const QString before = box->text();
        QTest::keyClick(box, Qt::Key_Up);
        if (box->text() == before)
            QTest::keyClick(box, Qt::Key_Down);
        if (apply->isEnabled())
            return {box->objectName(), [box] { return box->text(); }};
    }
    for (QCheckBox *box : form->findChildren<QCheckBox *>()) {
        if (!inSight(box))
            continue;
        box->click();
        if (apply->isEnabled())
            return {box->objectName(), [box] { return QString::number(box->isChecked()); }};
    }
    for (QComboBox *box : form->findChildren<QComboBox *>()) {
        if (!inSight(box) || box->count() < 2)
            continue;
        const int before = box->currentIndex();
        QTest::keyClick(box, Qt::Key_Down);
        if (box->currentIndex() == before)
            QTest::keyClick(box, Qt::Key_Up);
        if (apply->isEnabled())
            return {box->objectName(), [box] { return box->currentText(); }};
    }
    for (QLineEdit *edit : form->findChildren<QLineEdit *>()) {
        if (!inSight(edit) || edit->isReadOnly() || qobject_cast<QAbstractSpinBox *>(edit->parentWidget()))
            continue;
        const QString before = edit->text();
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, QStringLiteral("1"));
        if (edit->text() == before)   // full: one character less instead
            QTest::keyClick(edit, Qt::Key_Backspace);
        if (apply->isEnabled())
            return {edit->objectName(), [edit] { return edit->text(); }};
    }
    return {};
}

// The nearest hosted window a widget belongs to.
QWidget *ownerForm(QWidget *w)
{
    for (QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (dynamic_cast<IRetranslatable *>(p))
            return p;
    }
    return nullptr;
}

} // namespace

class TestFormsWithoutRecord : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormRig> rig;

private slots:
    void initTestCase()
    {
        rig.reset(new FormRig(0));
        // Records a tester holds: every value is one the form can show, so
        // a form that has just been filled holds no edit.
        rig->tester([](SimRemoteResponder &r) { r.realistic = true; });
        QVERIFY(rig->connectDevice());
    }

    void cleanupTestCase() { rig.reset(); }

    void pressedWithoutRecord_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("edited");       // a field was changed before the link went
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");   // empty: no box

        for (const Press &p : presses()) {
            const QString name = QStringLiteral("%1 %2").arg(p.form, p.button);
            // Apply is on only after an edit; a start is pressed both on an
            // untouched form and after an edit, where the form has fields.
            if (!isApply(p.button)) {
                QTest::newRow(qPrintable(name)) << QString(p.form) << QString(p.button) << false << int(p.outcome)
                                                << (p.outcome == Refused ? NotReadStart : QString());
            }
            if (formKinds().at(p.form).hasFields) {
                QTest::newRow(qPrintable(name + QStringLiteral(" edited")))
                    << QString(p.form) << QString(p.button) << true << int(Refused)
                    << (isApply(p.button) ? NotReadApply : NotReadStart);
            }
        }
    }
    void pressedWithoutRecord()
    {
        QFETCH(QString, form);
        QFETCH(QString, button);
        QFETCH(bool, edited);
        QFETCH(int, outcome);
        QFETCH(QString, message);

        const FormKind &k = formKinds().at(form);
        TestInfo *info = nullptr;
        for (TestInfo *i : rig->device->testInfos()) {
            if (i->getTestId() == k.test)
                info = i;
        }
        QVERIFY(info);
        rig->device->setCurrentProcess(PortA);
        rig->allIdle();
        QVERIFY(rig->drain());

        std::unique_ptr<QWidget> w(k.make(rig->device));
        w->resize(1200, 800);
        QVERIFY(QMetaObject::invokeMethod(w.get(), "activate"));
        QVERIFY(rig->drain());
        QVERIFY(rig->drain());
        QPushButton *pressed = findWidget<QPushButton>(w.get(), qPrintable(button));
        QVERIFY(pressed);
        if (!isApply(button))
            QTRY_VERIFY_WITH_TIMEOUT(pressed->isEnabled(), EventuallyMs);
        QPushButton *apply = k.hasFields ? findWidget<QPushButton>(w.get(), "bApply") : nullptr;
        Edit edit;
        QString editedValue;
        if (edited) {
            // Made while the form holds the tester's record, so it is an edit.
            QVERIFY(apply && !apply->isEnabled());
            edit = editAField(w.get(), apply);
            QVERIFY2(edit.shown, "no field of the form turns Apply on");
            editedValue = edit.shown();
        }

        // The link goes and comes back. While the form is away no poll can
        // have it read its record again (the PTP and synchronisation forms
        // re-read theirs at every poll while shown); it comes back without
        // one, as it stays after the link came back until it is reset.
        rig->disconnectDevice();
        w->hide();
        QVERIFY(rig->connectDevice());
        QVERIFY(rig->drain());
        QVERIFY(!info->getSettings(PortA));
        w->show();
        QVERIFY(pressed->isEnabled());
        rig->sim.clearRequests();

        MessageBoxCloser closer;
        pressed->click();
        QVERIFY(rig->drain());

        if (outcome == Refused) {
            QCOMPARE(closer.seen.size(), 1);
            QCOMPARE(closer.seen.at(0).title, QString("Error"));
            QCOMPARE(closer.seen.at(0).text, message);
            for (const quint8 code : {0x12, 0x0A, 0x09, 0x13})
                QVERIFY2(rig->requestsOf(code).isEmpty(), qPrintable(QString::number(code, 16)));
            // As it was: the edit stands and can still be applied.
            if (edited) {
                QCOMPARE(edit.shown(), editedValue);
                QVERIFY2(apply->isEnabled(), qPrintable(edit.field));
            }
            return;
        }

        // The start went out with what the tester holds, nothing of the
        // form's; the record is read back before the results.
        QCOMPARE(closer.seen.size(), 0);
        QVERIFY(rig->waitForRequest([](const QByteArray &r) { return command(r) == 0x13; }));
        QVERIFY(rig->drain());
        QStringList seq;
        for (const QByteArray &r : rig->requests())
            seq << QString::number(command(r), 16);
        QVERIFY2(rig->requestsOf(0x12).isEmpty(), qPrintable(seq.join(' ')));
        const QList<QByteArray> topologies = rig->requestsOf(0x0A);
        QCOMPARE(topologies.size(), 1);
        QCOMPARE(quint8(topologies.at(0).at(5)), quint8(outcome == StartsSamePort ? TopologySamePort
                                                                                  : TopologyToOtherPort));
        const QList<QByteArray> starts = rig->requestsOf(0x09);
        QCOMPARE(starts.size(), 1);
        QCOMPARE(quint8(starts.at(0).at(1)), quint8(1));
        QCOMPARE(quint8(starts.at(0).at(6)), k.test);
        if (info->settingsSize() > 0) {
            QVERIFY2(seq.indexOf("11") >= 0 && seq.indexOf("11") < seq.indexOf("13"), qPrintable(seq.join(' ')));
            // The form holds the record now: once the test is over, an edit
            // turns Apply on, and Apply sends the record without a box.
            QTRY_VERIFY_WITH_TIMEOUT(info->getSettings(PortA).has_value(), EventuallyMs);
            rig->clearProcesses();
            QVERIFY(rig->waitForPolls(1));
            QVERIFY(!apply->isEnabled());
            QVERIFY2(editAField(w.get(), apply).shown, "no field of the form turns Apply on");
            rig->sim.clearRequests();
            apply->click();
            QVERIFY(rig->waitForSettingsSent(PortA, k.test));
            QCOMPARE(closer.seen.size(), 0);
        }
        rig->clearProcesses();
        QVERIFY(rig->waitForPolls(1));
    }

    // The table holds every such button of the main window's forms, so that
    // a form added later cannot be left out. The interface and device
    // settings windows have their own refusals (tested with them); the
    // pass-through window writes no record.
    void tableCoversTheMainWindowsForms()
    {
        QSet<QString> inTable;
        for (const Press &p : presses())
            inTable << QStringLiteral("%1 %2").arg(p.form, p.button);

        QTemporaryDir dir;   // the window's user database goes there
        const QString oldDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QSet<QString> inWindow;
        {
            MainForm window;
            const QSet<QString> ownRefusals = {"IfsetForm", "DevSettingsForm", "PassForm"};
            for (QPushButton *b : window.findChildren<QPushButton *>()) {
                QWidget *owner = ownerForm(b);
                if (!owner || !PressedButtons.contains(b->objectName()))
                    continue;
                const QString form = QString::fromLatin1(owner->metaObject()->className());
                if (!ownRefusals.contains(form))
                    inWindow << QStringLiteral("%1 %2").arg(form, b->objectName());
            }
        }
        QDir::setCurrent(oldDir);
        QVERIFY2(!inWindow.isEmpty(), "no form found");
        QStringList missing = (inWindow - inTable).values();
        QStringList extra = (inTable - inWindow).values();
        missing.sort();
        extra.sort();
        QVERIFY2(missing.isEmpty(), qPrintable("not in the table: " + missing.join(", ")));
        QVERIFY2(extra.isEmpty(), qPrintable("not in the window: " + extra.join(", ")));
    }
};

QTEST_MAIN(TestFormsWithoutRecord)
#include "tst_formswithoutrecord.moc"
