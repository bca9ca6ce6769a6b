// The traffic window in the main window: the traffic button and a loaded
// report of the traffic or asymmetric traffic test open the tab form, the
// port buttons reach both of its forms, and the language buttons re-text
// it. Against the simulated tester over TCP.

#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "asymtrafficform.h"
#include "mainform.h"
#include "modalanswerer.h"
#include "simremote.h"
#include "testtabform.h"
#include "trafficform.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>

namespace {

constexpr int DeadlineMs = 20000;

} // namespace

class TestMainWinTraffic : public QObject
{
    Q_OBJECT

private:
    // Each test: a fresh working folder (its own db.sqlite), a simulated
    // tester, and the window connected to it.
    QTemporaryDir folder;
    QString startFolder;
    std::unique_ptr<SimTester> sim;
    std::unique_ptr<MainForm> window;
    std::unique_ptr<ModalAnswerer> answerer;

    template <class T>
    T *widget(const char *name)
    {
        return findWidget<T>(window.get(), name);
    }
    TestTabForm *tabForm() { return window->findChild<TestTabForm *>(); }
    TrafficForm *traffic() { return window->findChild<TrafficForm *>(); }
    AsymTrafficForm *asym() { return window->findChild<AsymTrafficForm *>(); }
    QTabWidget *tabs() { return findWidget<QTabWidget>(tabForm(), "tabWidget"); }

    // The results requests (0x13) since the last clear, as (port, test).
    QList<QPair<int, int>> resultsRequests()
    {
        QList<QPair<int, int>> out;
        for (const QByteArray &r : sim->requests()) {
            if (r.size() >= 6 && quint8(r.at(0)) == 0x13)
                out << qMakePair(int(qFromLittleEndian<quint32>(r.constData() + 1)), int(quint8(r.at(5))));
        }
        return out;
    }

    // Lets the window's requests reach the tester and their answers come back.
    void settle()
    {
        const int polls = sim->requests().size();
        QTest::qWaitFor([&] { return sim->requests().size() > polls + 2; }, 3000);
        QTest::qWait(50);
    }

private slots:
    void initTestCase()
    {
        startFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
    }

    void cleanupTestCase()
    {
        QDir::setCurrent(startFolder);
    }

    void init()
    {
        QFile::remove(QStringLiteral("db.sqlite"));
        sim = std::make_unique<SimTester>(new SimRemoteResponder(0));
        const quint16 port = sim->listenTcp();
        window = std::make_unique<MainForm>();
        answerer = std::make_unique<ModalAnswerer>();
        window->show();
        window->setIpFromCommandLine(QStringLiteral("127.0.0.1:%1").arg(port));
        widget<QPushButton>("bEthConnect")->click();
        QLabel *info = widget<QLabel>("lEthInfo");
        QVERIFY(QTest::qWaitFor([&] { return !info->text().isEmpty(); }, DeadlineMs));
        QTRY_VERIFY_WITH_TIMEOUT(widget<QPushButton>("bTraffic")->isEnabled(), DeadlineMs);
    }

    void cleanup()
    {
        window.reset();
        answerer.reset();
        sim.reset();
    }

    void trafficButtonOpensTheTabForm()
    {
        QVERIFY(tabForm());
        QVERIFY(!tabForm()->isVisible());
        sim->clearRequests();
        widget<QPushButton>("bTraffic")->click();
        QVERIFY(widget<QPushButton>("bTraffic")->isChecked());
        QVERIFY(tabForm()->isVisible());
        QVERIFY(traffic()->isVisible());
        QCOMPARE(tabs()->currentIndex(), 0);
        QVERIFY(!tabs()->isTabEnabled(1));
        QTRY_VERIFY_WITH_TIMEOUT(resultsRequests().contains(qMakePair(0, int(TestTraffic))), DeadlineMs);
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
        sim->clearRequests();
        window->reportLoaded(port_t(port), test);
        QVERIFY(widget<QPushButton>("bTraffic")->isChecked());
        QCOMPARE(window->getDevice()->getCurrentProcess(), port_t(port));
        QVERIFY(tabForm()->isVisible());
        QCOMPARE(tabs()->currentIndex(), 0);
        QVERIFY(traffic()->isVisible());

        // The traffic form reads its results last; the asymmetric form read
        // its own on the way when the report was of its test.
        const auto trafficRead = qMakePair(port, int(TestTraffic));
        QTRY_VERIFY_WITH_TIMEOUT(resultsRequests().count(trafficRead) >= (test == TestAsymTraffic ? 2 : 1),
                                 DeadlineMs);
        const QList<QPair<int, int>> reads = resultsRequests();
        const int asymRead = reads.indexOf(qMakePair(port, int(TestAsymTraffic)));
        QCOMPARE(asymRead >= 0, test == TestAsymTraffic);
        if (asymRead >= 0)
            QVERIFY(asymRead < reads.lastIndexOf(trafficRead));
        // No message of its own (the release warning of the connect may
        // come at any time).
        const QString release = MainForm::releaseWarningText(window->getDevice()->getDeviceInfo());
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
        settle();
        textfit::settle(window.get());
        QStringList cut = textfit::cutTexts(tabs()->tabBar());
        const QString dir = qEnvironmentVariable("VYR_SHOTS");
        if (!dir.isEmpty())
            QVERIFY(window->grab().save(QDir(dir).filePath(QStringLiteral("mainwin_symmetric.png"))));
        tabs()->setCurrentIndex(1);
        settle();
        textfit::settle(window.get());
        cut += textfit::cutTexts(asym());
        if (!dir.isEmpty())
            QVERIFY(window->grab().save(QDir(dir).filePath(QStringLiteral("mainwin_asymmetric.png"))));
        QVERIFY2(cut.isEmpty(), qPrintable(textfit::report(QStringLiteral("ru"), cut)));
    }
};

QTEST_MAIN(TestMainWinTraffic)
#include "tst_mainwin_traffic.moc"
