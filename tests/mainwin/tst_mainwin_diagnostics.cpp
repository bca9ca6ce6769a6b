// The link OAM, loopback, MDI and cable forms in the main window: how they
// are reached (selector buttons, loaded reports), the port switch, the
// language switch, one-port models, and whether their texts fit the window.
#include "cableform.h"
#include "cablerecords.h"
#include "lbform.h"
#include "mainwinrig.h"
#include "mdiform.h"
#include "mdirecords.h"
#include "../support/modalanswerer.h"
#include "oamform.h"
#include "oamrecords.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QPushButton>
#include <QtTest>

#include <cstring>
#include <functional>

namespace {

QString testFormText(const char *text)
{
    return QCoreApplication::translate("TestForm", text);
}

// The settings a tester holds, and long values in every results record so
// that the widest texts are on show.
void storeLongResults(SimRemoteResponder &r)
{
    r.realistic = true;
    for (quint32 port : {0u, 1u}) {
        for (quint8 test : {TestOam, TestMdi, TestLoopback})
            r.settingsBlock(port, test);
    }
    r.realistic = false;
    for (quint32 port : {0u, 1u}) {
        cable_results_t c;
        memset(&c, 0, sizeof c);
        c.detailsValid = 1;
        for (int i = 0; i < CablePairCount; ++i)
            c.pair[i] = {quint8(i == 3 ? 200 : CablePairImmi), 0, 255};
        c.detail[0].latency = 255;
        r.results[SimRemoteResponder::key(port, TestCable)] = QByteArray(reinterpret_cast<const char *>(&c), sizeof c);

        oam_results_t o;
        memset(&o, 0, sizeof o);
        o.present = 1;
        memset(o.mac, 0xdd, sizeof o.mac);
        memset(o.vendor, 0xdd, sizeof o.vendor);
        r.results[SimRemoteResponder::key(port, TestOam)] = QByteArray(reinterpret_cast<const char *>(&o), sizeof o);

        mdi_results_t m;
        memset(&m, 0, sizeof m);
        m.status = StatusIncompatibleFw;
        m.startTime = 1;
        m.delayFactor = -0.123456f;
        m.lostFrames = 1;
        m.expectedFrames = 0xFFFFFFFFu;
        m.rxRate = 0xFFFFFFFFu;
        r.results[SimRemoteResponder::key(port, TestMdi)] = QByteArray(reinterpret_cast<const char *>(&m), sizeof m);
    }
}

} // namespace

class TestMainWinDiagnostics : public QObject
{
    Q_OBJECT

private:
    // The window at the tests' size, connecting to a simulated tester of
    // the given model that holds long results.
    struct Window : MainWindowRig
    {
        ModalAnswerer answerer;   // the release warning of some models

        explicit Window(quint8 type = 0)
            : MainWindowRig(type, false)
        {
            tester(storeLongResults);
            showAtTestSize();
            startConnect();
        }
        bool connected() { return waitConnected(); }
        template <class T>
        T *form() const
        {
            T *f = w->findChild<T *>();
            if (!f)
                qFatal("no form %s", T::staticMetaObject.className());
            return f;
        }
        // The form is on show and what it shows has arrived.
        static bool filled(QWidget *f, const char *field)
        {
            return QTest::qWaitFor([&] {
                if (!f->isVisible())
                    return false;
                if (auto *table = qobject_cast<QTableWidget *>(f->findChild<QWidget *>(QLatin1String(field))))
                    return table->item(0, 0) && !table->item(0, 0)->text().isEmpty();
                const QString text = findWidget<QLineEdit>(f, field)->text();
                return !text.isEmpty() && text != QLatin1String("-");
            }, MainWindowDeadlineMs);
        }
    };

private slots:
    void selectorsReachCableAndLoopbackOnly()
    {
        Window win;
        QVERIFY(win.connected());
        QTRY_VERIFY(win.get<QPushButton>("bCable")->isEnabled());
        QVERIFY(win.get<QPushButton>("bLoopback")->isEnabled());
        QVERIFY(!win.get<QPushButton>("bOAM")->isEnabled());
        QVERIFY(!win.get<QPushButton>("bMDI")->isEnabled());

        win.get<QPushButton>("bCable")->click();
        QVERIFY(win.form<CableForm>()->isVisible());
        QVERIFY(win.get<QPushButton>("bCable")->isChecked());
        win.get<QPushButton>("bLoopback")->click();
        QVERIFY(win.form<LbForm>()->isVisible());
        QVERIFY(!win.form<CableForm>()->isVisible());
        QVERIFY(!win.get<QPushButton>("bCable")->isChecked());
        QVERIFY(win.get<QPushButton>("bLoopback")->isChecked());
    }

    // The OAM and MDI forms open only for a loaded report of their test.
    void reportsOpenTheirForms_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("test");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("frame");
        QTest::newRow("oam on B") << 1 << 14 << "bOAM" << "gOAM";
        QTest::newRow("mdi on A") << 0 << 15 << "bMDI" << "groupBox";
        QTest::newRow("cable on B") << 1 << 12 << "bCable" << "gCable";
    }
    void reportsOpenTheirForms()
    {
        QFETCH(int, port);
        QFETCH(int, test);
        QFETCH(QString, button);
        QFETCH(QString, frame);
        Window win;
        QVERIFY(win.connected());
        win.w->reportLoaded(port_t(port), test);
        TestForm *shown = nullptr;
        for (TestForm *f : win.w->findChildren<TestForm *>()) {
            if (f->isVisible())
                shown = shown ? nullptr : f;
        }
        QVERIFY(shown);
        QCOMPARE(shown->getTestId(), test);
        QVERIFY(win.get<QPushButton>(qPrintable(button))->isChecked());
        QCOMPARE(win.w->getDevice()->getCurrentProcess(), port_t(port));
        // The frame is the form's own child (the header editor has a
        // "groupBox" of its own further down).
        const QString title = findWidget<QGroupBox>(shown, qPrintable(frame))->title();
        QVERIFY2(title.endsWith(testFormText(port ? "Port B" : "Port A") + ')'), qPrintable(title));
    }

    // Reports loaded one after another: each leaves its own selector button
    // checked and no other; a report without a selector button of its own
    // (loopback) leaves the one before it.
    void reportsInARowLeaveOneSelectorChecked()
    {
        Window win;
        QVERIFY(win.connected());
        win.get<QPushButton>("bCable")->click();
        const QList<QPair<int, const char *>> reports = {
            {TestOam, "bOAM"},  {TestMdi, "bMDI"},   {TestTraffic, "bTraffic"},
            {TestCable, "bCable"}, {TestLoopback, "bCable"}, {TestStatistics, "bStats"},
        };
        for (const auto &report : reports) {
            win.w->reportLoaded(PortA, report.first);
            QStringList checked;
            for (QPushButton *b : win.w->selectorButtons()) {
                if (b->isChecked())
                    checked << b->objectName();
            }
            QCOMPARE(checked, QStringList{QLatin1String(report.second)});
        }
    }

    // A port switch disables Apply on every form that has one.
    void portSwitchDisablesApply()
    {
        Window win;
        QVERIFY(win.connected());
        QList<QPushButton *> applies;
        for (QWidget *f : {static_cast<QWidget *>(win.form<LbForm>()), static_cast<QWidget *>(win.form<OamForm>()),
                           static_cast<QWidget *>(win.form<MdiForm>())}) {
            applies << findWidget<QPushButton>(f, "bApply");
            applies.last()->setEnabled(true);
        }
        QTRY_VERIFY(win.get<QPushButton>("bProcB")->isEnabled());
        win.get<QPushButton>("bProcB")->click();
        for (QPushButton *b : applies)
            QVERIFY(!b->isEnabled());
        QCOMPARE(win.w->getDevice()->getCurrentProcess(), PortB);
    }

    void onePortModel()
    {
        Window win(1);
        QVERIFY(win.connected());
        QTRY_VERIFY(win.get<QPushButton>("bCable")->isEnabled());
        QVERIFY(win.get<QPushButton>("bLoopback")->isEnabled());
        win.w->reportLoaded(PortA, TestMdi);
        MdiForm *mdi = win.form<MdiForm>();
        QVERIFY(mdi->isVisible());
        QVERIFY(!findWidget<QPushButton>(mdi, "bStartXY")->isVisible());
        QVERIFY(findWidget<QPushButton>(mdi, "bStartXX")->isVisible());
    }

    void languageSwitchRetextsTheForms()
    {
        Window win;
        QVERIFY(win.connected());
        win.get<QPushButton>("bCable")->click();
        auto firstCell = [&] {
            QTableWidgetItem *item = findWidget<QTableWidget>(win.form<CableForm>(), "tRes")->item(0, 0);
            return item ? item->text() : QString();
        };
        QTRY_COMPARE(firstCell(), QCoreApplication::translate("CableForm", "Mismatch"));
        QVERIFY(QCoreApplication::translate("CableForm", "Mismatch") != QLatin1String("Mismatch"));
        win.get<QPushButton>("bEng")->click();
        QCOMPARE(win.get<QGroupBox>("gCable")->title(), QString("Cable test (Port A)"));
        QCOMPARE(firstCell(), QString("Mismatch"));   // redrawn in the new language
        QCOMPARE(win.get<QGroupBox>("gLB")->title(), QString("Loopback (Port A)"));
        QCOMPARE(win.get<QGroupBox>("gOAM")->title(), QString("OAM (Port A)"));
        QCOMPARE(findWidget<QGroupBox>(win.form<MdiForm>(), "groupBox")->title(), QString("MDI test (Port A)"));
        win.get<QPushButton>("bRus")->click();
        QCOMPARE(win.get<QGroupBox>("gCable")->title(),
                 QStringLiteral("%1 (%2)").arg(testFormText("Cable test"), testFormText("Port A")));
    }

    // Each form, on show in the window at the tests' size, in Russian,
    // English and German.
    void textsFitTheWindow()
    {
        Window win;
        QVERIFY(win.connected());
        QTRY_VERIFY(win.get<QPushButton>("bCable")->isEnabled());
        const struct {
            const char *name;
            const char *field;   // filled once the form's records are in
            std::function<QWidget *()> open;
        } pages[] = {
            {"window-cable", "tRes", [&] { win.get<QPushButton>("bCable")->click(); return win.form<CableForm>(); }},
            {"window-loopback", "lIPsrc", [&] { win.get<QPushButton>("bLoopback")->click(); return win.form<LbForm>(); }},
            {"window-oam", "lMAC", [&] { win.w->reportLoaded(PortA, TestOam); return win.form<OamForm>(); }},
            {"window-mdi", "statuslineEdit", [&] { win.w->reportLoaded(PortA, TestMdi); return win.form<MdiForm>(); }},
        };
        for (const auto &page : pages) {
            QWidget *form = page.open();
            QVERIFY2(Window::filled(form, page.field), page.name);
            const QStringList reports = win.cutTexts();
            QVERIFY(textfit::savePicture(win.w.get(), QStringLiteral("%1-ru.png").arg(QLatin1String(page.name))));
            QVERIFY2(reports.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(page.name, textfit::logged(reports))));
        }
    }
};

QTEST_MAIN(TestMainWinDiagnostics)
#include "tst_mainwin_diagnostics.moc"
