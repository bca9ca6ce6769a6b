// The tab form of the traffic tests: which form each activation reaches,
// the disabled "Asymmetric" tab, hiding, the disable-Apply relay and the
// language switch; the two forms are the real ones, talking to the
// simulated tester.

#include "formrig.h"
#include "formtexts.h"
#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "asymtrafficform.h"
#include "testtabform.h"
#include "trafficform.h"

#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// The test id of a results request (0x13), or -1 for any other request.
int resultsTest(const QByteArray &request)
{
    return command(request) == 0x13 && request.size() >= 6 ? quint8(request.at(5)) : -1;
}

} // namespace

class TestTestTabForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormRig> rig;
    // Built afresh for every test, so that no form holds a record yet.
    QWidget *host = nullptr;
    TestTabForm *tabForm = nullptr;
    TrafficForm *traffic = nullptr;
    AsymTrafficForm *asym = nullptr;

    QTabWidget *tabs() { return findWidget<QTabWidget>(tabForm, "tabWidget"); }

    // The results requests since the last clear, as test ids in order.
    QList<int> resultsRequests()
    {
        QList<int> out;
        for (const QByteArray &r : rig->requests()) {
            if (resultsTest(r) >= 0)
                out << resultsTest(r);
        }
        return out;
    }

    int settingsRequests(int test)
    {
        int n = 0;
        for (const QByteArray &r : rig->requestsOf(0x11))
            n += r.size() >= 6 && quint8(r.at(5)) == test;
        return n;
    }

private slots:
    void initTestCase()
    {
        loadFormResources();
        rig.reset(new FormRig(0));
        QVERIFY(rig->connectDevice());
    }

    void cleanupTestCase()
    {
        rig.reset();
    }

    void init()
    {
        rig->device->setCurrentProcess(PortA);
        QVERIFY(rig->drain());
        host = new QWidget;
        auto *layout = new QVBoxLayout(host);
        traffic = new TrafficForm(rig->device);
        asym = new AsymTrafficForm(rig->device);
        tabForm = new TestTabForm(rig->device, traffic, asym);
        layout->addWidget(tabForm);
        host->resize(1100, 700);
        host->show();
        tabForm->hide();
        rig->sim.clearRequests();
    }

    void cleanup()
    {
        delete host;
        QVERIFY(rig->drain());
    }

    void builtWithBothTabsEnabledAndFormsHidden()
    {
        QCOMPARE(tabs()->count(), 2);
        QCOMPARE(tabs()->currentIndex(), 0);
        QCOMPARE(tabs()->tabText(0), QString("Symmetric"));
        QCOMPARE(tabs()->tabText(1), QString("Asymmetric"));
        QVERIFY(tabs()->isTabEnabled(1));
        QVERIFY(traffic->isHidden());
        QVERIFY(asym->isHidden());
        // The pages own the forms.
        QCOMPARE(traffic->parentWidget(), findWidget<QWidget>(tabForm, "sym_tab"));
        QCOMPARE(asym->parentWidget(), findWidget<QWidget>(tabForm, "asym_tab"));
        QVERIFY(rig->drain());
        QVERIFY(resultsRequests().isEmpty());
    }

    void activateShowsTheTrafficFormAndDisablesTheAsymmetricTab()
    {
        tabForm->activate();
        QVERIFY(tabForm->isVisible());
        QVERIFY(traffic->isVisible());
        QVERIFY(asym->isHidden());
        QVERIFY(!tabs()->isTabEnabled(1));
        QVERIFY(!findWidget<QWidget>(tabForm, "asym_tab")->isEnabled());
        QVERIFY(rig->drain());
        QCOMPARE(resultsRequests(), QList<int>{TestTraffic});

        // A click on the disabled tab changes nothing.
        QTabBar *bar = tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(tabs()->currentIndex(), 0);
        QVERIFY(rig->drain());
        QCOMPARE(resultsRequests(), QList<int>{TestTraffic});
    }

    // A loaded report of the asymmetric test: the asymmetric form reads its
    // records on the way, the traffic form is activated last and shown.
    void activateAsymmetricEndsOnTheSymmetricPage()
    {
        tabForm->activate(TestAsymTraffic);
        QCOMPARE(tabs()->currentIndex(), 0);
        QVERIFY(traffic->isVisible());
        QVERIFY(!tabs()->isTabEnabled(1));
        QVERIFY(rig->drain());
        const QList<int> order = resultsRequests();
        QCOMPARE(order.count(TestAsymTraffic), 1);
        QCOMPARE(order.first(), int(TestAsymTraffic));
        QCOMPARE(order.last(), int(TestTraffic));
        QCOMPARE(order.count(TestTraffic), 2);
        QCOMPARE(settingsRequests(TestAsymTraffic), 1);
        // Its records arrived while it was not on show: filled all the same.
        QCOMPARE(findWidget<QGroupBox>(asym, "groupBox")->title(), QString("Asymmetric traffic test (Port A)"));
    }

    void activateTrafficOrOtherIdsKeepTheSymmetricPage_data()
    {
        QTest::addColumn<uint>("test");
        QTest::newRow("traffic") << 2u;
        QTest::newRow("multistream") << 5u;
        QTest::newRow("far beyond") << 4000u;
    }
    void activateTrafficOrOtherIdsKeepTheSymmetricPage()
    {
        QFETCH(uint, test);
        tabForm->activate(test);
        QCOMPARE(tabs()->currentIndex(), 0);
        QVERIFY(traffic->isVisible());
        QVERIFY(rig->drain());
        QCOMPARE(resultsRequests(), QList<int>{TestTraffic});
    }

    // Another test selected: both forms hidden, and deaf to the polls.
    void hidingHidesBothFormsUntilTheNextActivation()
    {
        tabForm->activate(TestAsymTraffic);
        QVERIFY(!asym->isHidden());
        tabForm->hide();
        QVERIFY(traffic->isHidden());
        QVERIFY(asym->isHidden());
        QVERIFY(rig->drain());

        rig->sim.clearRequests();
        tabForm->activate();
        QVERIFY(traffic->isVisible());
        QVERIFY(asym->isHidden());
        QVERIFY(rig->drain());
        QCOMPARE(resultsRequests(), QList<int>{TestTraffic});
    }

    // The main window hidden (or minimised) and shown again brings the
    // traffic form back with it.
    void hiddenHostKeepsTheFormsForItsReturn()
    {
        tabForm->activate();
        host->hide();
        host->show();
        QVERIFY(tabForm->isVisible());
        QVERIFY(traffic->isVisible());
    }

    void disableApplyReachesBothForms()
    {
        tabForm->activate(TestAsymTraffic);
        QVERIFY(rig->drain());
        traffic->enableApply();
        asym->enableApply();
        auto *trafficApply = findWidget<QPushButton>(traffic, "bApply");
        auto *asymApply = findWidget<QPushButton>(asym, "bApply");
        // The asymmetric page itself is disabled: look at the buttons only.
        QVERIFY(trafficApply->isEnabledTo(traffic));
        QVERIFY(asymApply->isEnabledTo(asym));
        tabForm->disableApply();
        QVERIFY(!trafficApply->isEnabledTo(traffic));
        QVERIFY(!asymApply->isEnabledTo(asym));
    }

    void retranslateTextsTabsAndBothForms()
    {
        tabForm->activate();
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        QVERIFY(languages.use("ru"));
        tabForm->retranslate();
        const auto tr = [](const char *context, const char *text) {
            return QCoreApplication::translate(context, text);
        };
        QVERIFY(tr("TestTabForm", "Symmetric") != QLatin1String("Symmetric"));
        QCOMPARE(tabs()->tabText(0), tr("TestTabForm", "Symmetric"));
        QCOMPARE(tabs()->tabText(1), tr("TestTabForm", "Asymmetric"));
        QCOMPARE(findWidget<QGroupBox>(traffic, "gTraf")->title(),
                 tr("TestForm", "Traffic test") + " (" + tr("TestForm", "Port A") + ")");
        QCOMPARE(findWidget<QGroupBox>(asym, "groupBox")->title(),
                 tr("TestForm", "Asymmetric traffic test") + " (" + tr("AsymTrafficForm", "Port A") + ")");
        QCOMPARE(findWidget<QPushButton>(asym, "bStartXX")->text(), tr("AsymTrafficForm", "Start A->R"));
        languages.removeAll();
        tabForm->retranslate();
        QCOMPARE(tabs()->tabText(0), QString("Symmetric"));
        QCOMPARE(findWidget<QPushButton>(asym, "bStartXX")->text(), QString("Start A->R"));
    }

    // The tab texts and the asymmetric page, in its place, fit in every
    // language (the traffic form is checked with its own tests).
    void textsFit()
    {
        tabForm->activate();
        QVERIFY(rig->drain());
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        QStringList reports;
        for (const QString &lang : TextFitLanguages::all()) {
            QVERIFY(languages.use(lang));
            tabForm->retranslate();
            QStringList cut = textfit::cutTexts(tabs()->tabBar());
            tabs()->setCurrentIndex(1);
            cut += textfit::cutTexts(asym);
            tabs()->setCurrentIndex(0);
            if (!cut.isEmpty())
                reports << textfit::report(lang, cut);
        }
        QVERIFY2(reports.isEmpty(), qPrintable(reports.join('\n')));
        languages.removeAll();
        tabForm->retranslate();
    }
};

QTEST_MAIN(TestTestTabForm)
#include "tst_testtabform.moc"
