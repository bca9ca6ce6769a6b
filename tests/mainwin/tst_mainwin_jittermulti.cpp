// The jitter and multistream forms in the main window: their selector
// buttons, loaded reports, the language switch, a one-port tester, and a
// whole run against the simulated tester's own jitter and multistream
// tests.
#include "jitterform.h"
#include "jitterformat.h"
#include "mainwinrig.h"
#include "../support/modalanswerer.h"
#include "multiform.h"
#include "multiformat.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimeEdit>
#include <QtTest>

#include <memory>

namespace {

QString translated(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

// The window in a fresh working folder (its own db.sqlite) and a simulated
// tester of the given type on 127.0.0.1; connected on request.
struct Window : MainWindowRig
{
    ModalAnswerer answerer;   // the release warning of the simulated model

    explicit Window(quint8 type = 0, bool realistic = false)
        : MainWindowRig(type, realistic)
    {
        w->show();
    }
};

} // namespace

class TestMainWinJitterMulti : public QObject
{
    Q_OBJECT

private slots:
    void selectorsShowTheirForms()
    {
        Window f;
        QVERIFY(f.connectToSim());
        auto *jitterButton = f.get<QPushButton>("bJitter");
        auto *multiButton = f.get<QPushButton>("bMulti");
        auto *jitter = f.w->findChild<JitterForm *>();
        auto *multi = f.w->findChild<MultiForm *>();
        QVERIFY(jitter && multi);
        QTRY_VERIFY_WITH_TIMEOUT(jitterButton->isEnabled() && multiButton->isEnabled(), MainWindowDeadlineMs);

        jitterButton->click();
        QVERIFY(jitter->isVisible());
        QVERIFY(!multi->isVisible());
        QVERIFY(jitterButton->isChecked());
        // The window starts in Russian.
        QCOMPARE(findWidget<QGroupBox>(jitter, "gJitter")->title(),
                 QStringLiteral("%1 (%2)").arg(translated("TestForm", "Jitter test"), translated("TestForm", "Port A")));
        QVERIFY(translated("TestForm", "Jitter test") != QLatin1String("Jitter test"));
        // Its records were asked for and arrive.
        QTRY_VERIFY_WITH_TIMEOUT(findWidget<QTableWidget>(jitter, "tRes")->item(JitterRowAll, 1), MainWindowDeadlineMs);

        multiButton->click();
        QVERIFY(multi->isVisible());
        QVERIFY(!jitter->isVisible());
        QVERIFY(!jitterButton->isChecked());
        QVERIFY(multiButton->isChecked());
        QCOMPARE(f.w->getDevice()->getCurrentProcess(), PortA);
    }

    void reportLoadedShowsTheForm_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("test");
        QTest::addColumn<QString>("button");
        QTest::newRow("jitter on B") << 1 << int(TestJitter) << "bJitter";
        QTest::newRow("multistream on A") << 0 << int(TestMultistream) << "bMulti";
        QTest::newRow("multistream on B") << 1 << int(TestMultistream) << "bMulti";
    }
    void reportLoadedShowsTheForm()
    {
        QFETCH(int, port);
        QFETCH(int, test);
        QFETCH(QString, button);
        Window f;
        f.w->updateDeviceInfo();
        f.w->reportLoaded(port_t(port), test);
        for (QPushButton *b : f.w->selectorButtons())
            QCOMPARE(b->isChecked(), b->objectName() == button);
        QCOMPARE(f.w->getDevice()->getCurrentProcess(), port_t(port));
        TestForm *shown = nullptr;
        for (TestForm *form : f.w->findChildren<TestForm *>()) {
            if (form->isVisible()) {
                QVERIFY(!shown);
                shown = form;
            }
        }
        QVERIFY(shown);
        QCOMPARE(shown->getTestId(), test);
        QCOMPARE(f.answerer.seen.size(), 0);
    }

    void languageSwitchRetextsBothForms()
    {
        Window f;
        QVERIFY(f.connectToSim());
        auto *jitterButton = f.get<QPushButton>("bJitter");
        QTRY_VERIFY_WITH_TIMEOUT(jitterButton->isEnabled(), MainWindowDeadlineMs);
        jitterButton->click();
        auto *jitter = f.w->findChild<JitterForm *>();
        auto *multi = f.w->findChild<MultiForm *>();

        f.get<QPushButton>("bEng")->click();
        QCOMPARE(findWidget<QGroupBox>(jitter, "gJitter")->title(), QStringLiteral("Jitter test (Port A)"));
        QCOMPARE(findWidget<QLabel>(jitter, "label_13")->text(), QStringLiteral("Threshold, ms"));
        QCOMPARE(findWidget<QGroupBox>(multi, "gMulti")->title(), QStringLiteral("Multistream test (Port A)"));
        QCOMPARE(findWidget<QLabel>(multi, "label_19")->text(), QStringLiteral("Learning int., ms"));

        f.get<QPushButton>("bRus")->click();
        QCOMPARE(findWidget<QLabel>(jitter, "label_13")->text(), translated("JitterForm", "Threshold, ms"));
        QVERIFY(translated("JitterForm", "Threshold, ms") != QLatin1String("Threshold, ms"));
        QCOMPARE(findWidget<QLabel>(multi, "label_19")->text(), translated("MultiForm", "Learning int., ms"));
        QVERIFY(translated("MultiForm", "Learning int., ms") != QLatin1String("Learning int., ms"));
    }

    // A tester with Port A only: no start towards another port.
    void onePortTesterHidesStartTowardsTheOtherPort()
    {
        Window f(6);
        QVERIFY(f.connectToSim());
        for (const char *name : {"bJitter", "bMulti"}) {
            auto *button = f.get<QPushButton>(name);
            QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled(), MainWindowDeadlineMs);
            button->click();
            TestForm *shown = nullptr;
            for (TestForm *form : f.w->findChildren<TestForm *>())
                shown = form->isVisible() ? form : shown;
            QVERIFY2(shown, name);
            QVERIFY2(!findWidget<QPushButton>(shown, "bStartXY")->isVisible(), name);
            QVERIFY2(findWidget<QPushButton>(shown, "bStartXX")->isVisible(), name);
        }
    }

    // The simulated tester runs both tests from their factory settings: a
    // start shows counts that grow, and the run ends by itself.
    void simulatedTesterRunsBothTests()
    {
        Window f(0, true);
        QVERIFY(f.connectToSim());
        auto *jitterButton = f.get<QPushButton>("bJitter");
        QTRY_VERIFY_WITH_TIMEOUT(jitterButton->isEnabled(), MainWindowDeadlineMs);

        jitterButton->click();
        auto *jitter = f.w->findChild<JitterForm *>();
        auto *duration = findWidget<QTimeEdit>(jitter, "tDur");
        QTRY_COMPARE_WITH_TIMEOUT(duration->time(), QTime(0, 1, 0), MainWindowDeadlineMs);   // the factory minute
        duration->setTime(QTime(0, 0, 2));
        auto *stop = findWidget<QPushButton>(jitter, "bStop");
        findWidget<QPushButton>(jitter, "bStartXY")->click();
        QTRY_VERIFY_WITH_TIMEOUT(stop->isEnabled(), MainWindowDeadlineMs);
        auto *all = findWidget<QTableWidget>(jitter, "tRes");
        QTRY_VERIFY_WITH_TIMEOUT(all->item(JitterRowAll, 1) && all->item(JitterRowAll, 1)->text() != "-"
                                     && all->item(JitterRowAll, 1)->text().toULongLong() > 0,
                                 MainWindowDeadlineMs);
        QTRY_VERIFY_WITH_TIMEOUT(!stop->isEnabled(), MainWindowDeadlineMs);   // over by itself
        QTRY_COMPARE_WITH_TIMEOUT(findWidget<QLineEdit>(jitter, "lPassTime")->text(), QStringLiteral("00:00:02"),
                                  MainWindowDeadlineMs);
        QCOMPARE(findWidget<QLineEdit>(jitter, "lTestTime")->text(), QStringLiteral("00:00:00"));

        f.get<QPushButton>("bMulti")->click();
        auto *multi = f.w->findChild<MultiForm *>();
        auto *multiDuration = findWidget<QTimeEdit>(multi, "tDur");
        QTRY_COMPARE_WITH_TIMEOUT(multiDuration->time(), QTime(0, 1, 0), MainWindowDeadlineMs);
        multiDuration->setTime(QTime(0, 0, 2));
        auto *multiStop = findWidget<QPushButton>(multi, "bStop");
        findWidget<QPushButton>(multi, "bStartXX")->click();
        QTRY_VERIFY_WITH_TIMEOUT(multiStop->isEnabled(), MainWindowDeadlineMs);
        auto *table = findWidget<QTableWidget>(multi, "tRes");
        QTRY_VERIFY_WITH_TIMEOUT(table->item(MultiRowTxFrames, 0)
                                     && table->item(MultiRowTxFrames, 0)->text().toULongLong() > 0,
                                 MainWindowDeadlineMs);
        QTRY_VERIFY_WITH_TIMEOUT(!multiStop->isEnabled(), MainWindowDeadlineMs);
        QTRY_COMPARE_WITH_TIMEOUT(findWidget<QLineEdit>(multi, "lElapsedTime")->text(), QStringLiteral("00:00:02"),
                                  MainWindowDeadlineMs);
        QCOMPARE(table->item(MultiRowLoad, 0)->text(), QStringLiteral("10.0%"));
        // Stream 4 is off in the factory settings.
        findWidget<QSpinBox>(multi, "sStreamResults")->setValue(4);
        QCOMPARE(table->item(MultiRowTxFrames, 0)->text(), QStringLiteral("-"));
        QVERIFY(f.answerer.count(QStringLiteral("QMessageBox")) <= 1);   // the release warning only
    }
};

QTEST_MAIN(TestMainWinJitterMulti)
#include "tst_mainwin_jittermulti.moc"
