// The interface settings window in the main window: its selector, the
// tester's own settings per port, the language switch, a one-port model,
// and its texts where it lives.
#include "ifaceform.h"
#include "ifsetform.h"
#include "mainwinrig.h"
#include "../support/modalanswerer.h"
#include "textfit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

class TestMainWinIfset : public QObject
{
    Q_OBJECT

private:
    // The main window with a tester that holds its factory settings.
    struct Fixture : MainWindowRig
    {
        explicit Fixture(quint8 type = 0)
            : MainWindowRig(type, true)
        {
        }
        IfsetForm *form() const { return w->findChild<IfsetForm *>(); }
        IFaceForm *editor(int port) const
        {
            for (IFaceForm *e : w->findChildren<IFaceForm *>()) {
                if (e->port() == port)
                    return e;
            }
            return nullptr;
        }
        QTabWidget *tabs() const { return findWidget<QTabWidget>(form(), "tabWidget"); }

        // Opened through its selector button, the three records read.
        bool open()
        {
            auto *button = get<QPushButton>("bIfSettings");
            if (!QTest::qWaitFor([&] { return button->isEnabled(); }, MainWindowDeadlineMs))
                return false;
            button->click();
            return button->isChecked() && form()->isVisible()
                   && QTest::qWaitFor(
                       [&] { return findWidget<QLineEdit>(editor(PortA), "lIP")->text() == "192.168.0.1"; },
                       MainWindowDeadlineMs);
        }
    };

private slots:
    void selectorOpensTheWindow()
    {
        Fixture f(0);
        ModalAnswerer answerer;
        f.w->show();
        QVERIFY(f.connectToSim());
        QVERIFY(f.open());
        QVERIFY(f.tabs()->isTabEnabled(1));
        QTRY_COMPARE_WITH_TIMEOUT(findWidget<QLineEdit>(f.editor(PortB), "lIP")->text(), QString("192.168.0.2"),
                                  MainWindowDeadlineMs);
        QCOMPARE(findWidget<QLineEdit>(f.editor(PortRC), "lIP")->text(), QString("192.168.0.202"));
        // The link runs over TCP through Port RC: its editor is not for editing.
        QTRY_VERIFY_WITH_TIMEOUT(!f.editor(PortRC)->isEnabled(), MainWindowDeadlineMs);
        QVERIFY(f.editor(PortA)->isEnabled());

        // Switching the port disables Apply; another selector hides the window.
        auto *apply = findWidget<QPushButton>(f.form(), "bApply");
        QVERIFY(apply->isEnabled());
        f.get<QPushButton>("bProcB")->click();
        QVERIFY(!apply->isEnabled());
        f.get<QPushButton>("bTraffic")->click();
        QVERIFY(!f.get<QPushButton>("bIfSettings")->isChecked());
        QVERIFY(!f.form()->isVisible());
    }

    void languageSwitchRetextsTheWindow()
    {
        Fixture f(0);
        ModalAnswerer answerer;
        f.w->show();
        QVERIFY(f.connectToSim());
        QVERIFY(f.open());
        QVERIFY(f.tabs()->tabText(0) != QLatin1String("Interface settings (Port A)"));   // Russian at start
        f.get<QPushButton>("bEng")->click();
        QCOMPARE(f.tabs()->tabText(0), QStringLiteral("Interface settings (Port A)"));
        QCOMPARE(findWidget<QPushButton>(f.editor(PortB), "bDefaultMac")->text(), QStringLiteral("Default"));
        f.get<QPushButton>("bRus")->click();
        QCOMPARE(f.tabs()->tabText(2), QCoreApplication::translate("IfsetForm", "Interface settings (Port RC)"));
    }

    // Models 1, 3, 5, 6 and 7 have Port A only: Port B is neither shown
    // for editing nor written.
    void onePortModel()
    {
        // Model 7: one port, and the release this program is built for, so
        // no release warning comes up.
        Fixture f(7);
        ModalAnswerer answerer;
        f.w->show();
        QVERIFY(f.connectToSim());
        QVERIFY(f.open());
        QVERIFY(!f.tabs()->isTabEnabled(1));
        f.sim->clearRequests();
        typeInto(findWidget<QLineEdit>(f.editor(PortA), "lGate"), QStringLiteral("192.168.0.253"));
        findWidget<QPushButton>(f.form(), "bApply")->click();
        // Port A's block is the first that Apply sends; Port B's would follow it.
        QVERIFY(QTest::qWaitFor(
            [&] {
                for (const QByteArray &r : f.sim->requests()) {
                    if (quint8(r.at(0)) == 0x12 && r.at(1) == 0)
                        return true;
                }
                return false;
            },
            MainWindowDeadlineMs));
        for (const QByteArray &r : f.sim->requests())
            QVERIFY(!(quint8(r.at(0)) == 0x12 && r.at(1) == 1));
        QVERIFY(answerer.seen.isEmpty());
    }

    // The window where it lives, in the three languages, and a Russian picture.
    void textFitsInTheWindow()
    {
        Fixture f(0);
        ModalAnswerer answerer;
        f.w->showNormal();
        f.w->resize(1366, 768);
        QVERIFY(f.connectToSim());
        QVERIFY(f.open());

        f.get<QPushButton>("bEng")->click();
        IfsetForm *form = f.form();
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        const QStringList reports = textFitInAllLanguages(form, languages, [&] { form->retranslate(); });
        QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));

        // The whole window in Russian, as the operator's button makes it.
        languages.removeAll();
        f.get<QPushButton>("bRus")->click();
        QVERIFY(textfit::savePicture(f.w.get(), QStringLiteral("mainwin-ifset.png")));
    }
};

QTEST_MAIN(TestMainWinIfset)
#include "tst_mainwin_ifset.moc"
