// The traffic window in the main window: the traffic button and a loaded
// report of the traffic or asymmetric traffic test open the tab form, the
// port buttons reach both of its forms, and the language buttons re-text
// it. Against the simulated tester over TCP.

#include "asymtrafficform.h"
#include "mainwinrig.h"
#include "../support/modalanswerer.h"
#include "testtabform.h"
#include "trafficform.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtEndian>
#include <QtTest>

#include <memory>

class TestMainWinTraffic : public QObject
{
    Q_OBJECT

private:
    // Each test: a fresh working folder (its own db.sqlite), a simulated
    // tester, and the window connected to it.
    std::unique_ptr<MainWindowRig> rig;
    std::unique_ptr<ModalAnswerer> answerer;

    template <class T>
    T *widget(const char *name)
    {
        return rig->get<T>(name);
    }
    TestTabForm *tabForm() { return rig->w->findChild<TestTabForm *>(); }
    TrafficForm *traffic() { return rig->w->findChild<TrafficForm *>(); }
    AsymTrafficForm *asym() { return rig->w->findChild<AsymTrafficForm *>(); }
    QTabWidget *tabs() { return findWidget<QTabWidget>(tabForm(), "tabWidget"); }

    // The results requests (0x13) since the last clear, as (port, test).
    QList<QPair<int, int>> resultsRequests()
    {
        QList<QPair<int, int>> out;
        for (const QByteArray &r : rig->sim->requests()) {
            if (r.size() >= 6 && quint8(r.at(0)) == 0x13)
                out << qMakePair(int(qFromLittleEndian<quint32>(r.constData() + 1)), int(quint8(r.at(5))));
        }
        return out;
    }

private slots:
    void init()
    {
        rig = std::make_unique<MainWindowRig>(0, false);
        answerer = std::make_unique<ModalAnswerer>();
        rig->w->show();
        rig->startConnect();
        QVERIFY(rig->waitConnected());
        QTRY_VERIFY_WITH_TIMEOUT(widget<QPushButton>("bTraffic")->isEnabled(), MainWindowDeadlineMs);
    }

    void cleanup()
    {
        rig.reset();
        answerer.reset();
    }

    void trafficButtonOpensTheTabForm()
    {
        QVERIFY(tabForm());
        QVERIFY(!tabForm()->isVisible());
        rig->sim->clearRequests();
        widget<QPushButton>("bTraffic")->click();
        QVERIFY(widget<QPushButton>("bTraffic")->isChecked());
        QVERIFY(tabForm()->isVisible());
        QVERIFY(traffic()->isVisible());
        QCOMPARE(tabs()->currentIndex(), 0);
        QVERIFY(!tabs()->isTabEnabled(1));
        QTRY_VERIFY_WITH_TIMEOUT(resultsRequests().contains(qMakePair(0, int(TestTraffic))), MainWindowDeadlineMs);
        QVERIFY(!resultsRequests().contains(qMakePair(0, int(TestAsymTraffic))));
    }

    void reportLoadedOpensTheTabForm_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("test");
        QTest::newRow("traffic on A") << 0 << 2;
        QTest::newRow("traffic on B") << 1 << 2;
        QTest::newRow("asymmetric on A") << 0 << 16;
        QTest::newRow("asymmetric on B") << 1 << 16;
    }
    void reportLoadedOpensTheTabForm()
    {
        QFETCH(int, port);
        QFETCH(int, test);
        rig->sim->clearRequests();
        rig->w->reportLoaded(port_t(port), test);
        QVERIFY(widget<QPushButton>("bTraffic")->isChecked());
        QCOMPARE(rig->w->getDevice()->getCurrentProcess(), port_t(port));
        QVERIFY(tabForm()->isVisible());
        QCOMPARE(tabs()->currentIndex(), 0);
        QVERIFY(traffic()->isVisible());

        // The traffic form reads its results last; the asymmetric form read
        // its own on the way when the report was of its test.
        const auto trafficRead = qMakePair(port, int(TestTraffic));
        QTRY_VERIFY_WITH_TIMEOUT(resultsRequests().count(trafficRead) >= (test == TestAsymTraffic ? 2 : 1),
                                 MainWindowDeadlineMs);
        const QList<QPair<int, int>> reads = resultsRequests();
        const int asymRead = reads.indexOf(qMakePair(port, int(TestAsymTraffic)));
        QCOMPARE(asymRead >= 0, test == TestAsymTraffic);
        if (asymRead >= 0)
            QVERIFY(asymRead < reads.lastIndexOf(trafficRead));
        // No message of its own (the release warning of the connect may
        // come at any time).
        const QString release = MainForm::releaseWarningText(rig->w->getDevice()->getDeviceInfo());
        for (const ModalAnswerer::Seen &box : answerer->seen)
            QVERIFY2(box.text == release, qPrintable(box.title + ": " + box.text));
    }

    void portButtonsDisableApplyInBothForms()
    {
        widget<QPushButton>("bTraffic")->click();
        traffic()->enableApply();
        asym()->enableApply();
        auto *trafficApply = findWidget<QPushButton>(traffic(), "bApply");
        auto *asymApply = findWidget<QPushButton>(asym(), "bApply");
        QVERIFY(trafficApply->isEnabledTo(traffic()));
        QVERIFY(asymApply->isEnabledTo(asym()));
        widget<QPushButton>("bProcB")->click();
        QVERIFY(!trafficApply->isEnabledTo(traffic()));
        QVERIFY(!asymApply->isEnabledTo(asym()));
    }

    void languageButtonsRetextTheTabForm()
    {
        widget<QPushButton>("bTraffic")->click();
        const QString russian = tabs()->tabText(0);
        QCOMPARE(russian, QCoreApplication::translate("TestTabForm", "Symmetric"));
        QVERIFY(russian != QLatin1String("Symmetric"));

        widget<QPushButton>("bEng")->click();
        QCOMPARE(tabs()->tabText(0), QString("Symmetric"));
        QCOMPARE(tabs()->tabText(1), QString("Asymmetric"));
        QCOMPARE(findWidget<QPushButton>(asym(), "bStartXX")->text(), QString("Start A->R"));
        QCOMPARE(findWidget<QPushButton>(traffic(), "bStartXY")->text(), QString("Start A->B"));

        widget<QPushButton>("bRus")->click();
        QCOMPARE(tabs()->tabText(0), russian);
        QCOMPARE(findWidget<QPushButton>(asym(), "bStartXX")->text(),
                 QCoreApplication::translate("AsymTrafficForm", "Start A->R"));
    }

    // In the window's own size and language (Russian) the tab texts and the
    // asymmetric page fit; pictures of both pages for a person to look at.
    void textsFitInTheWindow()
    {
        widget<QPushButton>("bTraffic")->click();
        QVERIFY(rig->drain());
        QStringList cut = textfit::cutTexts(tabs()->tabBar());
        QVERIFY(textfit::savePicture(rig->w.get(), QStringLiteral("mainwin-symmetric-ru.png")));
        tabs()->setCurrentIndex(1);
        QVERIFY(rig->drain());
        cut += textfit::cutTexts(asym());
        QVERIFY(textfit::savePicture(rig->w.get(), QStringLiteral("mainwin-asymmetric-ru.png")));
        QVERIFY2(cut.isEmpty(), qPrintable(textfit::report(QStringLiteral("ru"), cut)));
    }
};

QTEST_MAIN(TestMainWinTraffic)
#include "tst_mainwin_traffic.moc"
