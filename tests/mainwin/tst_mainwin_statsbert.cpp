// The statistics, pass-through and BERT windows in the main window: their
// selector buttons, one-port models, loaded reports, the language switch
// and the fit of their texts in the window.
#include "mainwinrig.h"
#include "../support/deviceworker.h"
#include "bertform.h"
#include "bertrecords.h"
#include "../support/modalanswerer.h"
#include "passform.h"
#include "statsform.h"
#include "statsrecords.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <cstring>
#include <functional>

class TestMainWinStatsBert : public QObject
{
    Q_OBJECT

private:
    // The window at the tests' size, connecting to a simulated tester of the
    // given type; the release warning is answered.
    struct Connected : MainWindowRig
    {
        ModalAnswerer answerer;

        explicit Connected(quint8 type)
            : MainWindowRig(type, false)
        {
            showAtTestSize();
            startConnect();
        }
        bool up() { return waitConnected(); }
        QPushButton *button(const char *name) { return get<QPushButton>(name); }
        template <class T>
        T *form() const
        {
            T *f = w->findChild<T *>();
            if (!f)
                qFatal("no form");
            return f;
        }
    };

private slots:
    void selectorsOpenTheirForms()
    {
        Connected c(0);
        QVERIFY(c.up());
        for (const char *name : {"bStats", "bBert", "bTransit"})
            QTRY_VERIFY2(c.button(name)->isEnabled(), name);

        c.button("bStats")->click();
        QVERIFY(c.button("bStats")->isChecked());
        QVERIFY(c.form<StatsForm>()->isVisible());
        QVERIFY(findWidget<QWidget>(c.form<StatsForm>(), "gPortB")->isVisible());

        c.button("bBert")->click();
        QVERIFY(c.button("bBert")->isChecked());
        QVERIFY(!c.button("bStats")->isChecked());
        QVERIFY(c.form<BertForm>()->isVisible());
        QVERIFY(!c.form<StatsForm>()->isVisible());
        QCOMPARE(findWidget<QGroupBox>(c.form<BertForm>(), "gBert")->title(),
                 QCoreApplication::translate("TestForm", "BERT test") + QStringLiteral(" (")
                     + QCoreApplication::translate("TestForm", "Port A") + QLatin1Char(')'));

        c.button("bTransit")->click();
        QVERIFY(c.form<PassForm>()->isVisible());
        QVERIFY(!c.form<BertForm>()->isVisible());
    }

    // Port A only: no pass-through, no start towards the other port, and the
    // statistics show Port A's rows alone.
    void onePortModel()
    {
        Connected c(6);
        QVERIFY(c.up());
        QTRY_VERIFY(c.button("bBert")->isEnabled());
        QVERIFY(c.button("bStats")->isEnabled());
        QVERIFY(!c.button("bTransit")->isEnabled());

        c.button("bStats")->click();
        auto *stats = c.form<StatsForm>();
        QVERIFY(stats->isVisible());
        QVERIFY(!findWidget<QWidget>(stats, "gPortB")->isVisible());
        QVERIFY(findWidget<QTableWidget>(stats, "tCommon")->isRowHidden(2));

        c.button("bBert")->click();
        QTRY_VERIFY(findWidget<QPushButton>(c.form<BertForm>(), "bStartXY")->isHidden());
    }

    void reportLoadedOpensTheForm_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("test");
        QTest::addColumn<QString>("button");
        QTest::newRow("statistics, Port B") << 1 << 1 << "bStats";
        QTest::newRow("BERT, Port B") << 1 << 19 << "bBert";
        QTest::newRow("BERT, Port A") << 0 << 19 << "bBert";
    }
    void reportLoadedOpensTheForm()
    {
        QFETCH(int, port);
        QFETCH(int, test);
        QFETCH(QString, button);
        Connected c(0);
        QVERIFY(c.up());
        c.w->reportLoaded(port_t(port), test);
        QVERIFY(c.button(button.toLatin1().constData())->isChecked());
        QCOMPARE(c.w->getDevice()->getCurrentProcess(), port_t(port));
        if (test == TestStatistics) {
            QVERIFY(c.form<StatsForm>()->isVisible());
            QVERIFY(!c.form<BertForm>()->isVisible());
            return;
        }
        QVERIFY(c.form<BertForm>()->isVisible());
        const QString portName = QCoreApplication::translate("TestForm", port ? "Port B" : "Port A");
        QTRY_VERIFY(findWidget<QGroupBox>(c.form<BertForm>(), "gBert")->title().endsWith(portName + ')'));
    }

    void languageSwitchRetextsTheForms()
    {
        Connected c(0);
        QVERIFY(c.up());
        c.button("bEng")->click();
        QCOMPARE(findWidget<QGroupBox>(c.form<StatsForm>(), "groupBox")->title(), QString("Statistics"));
        QCOMPARE(findWidget<QGroupBox>(c.form<PassForm>(), "groupBox")->title(), QString("Thru"));
        QCOMPARE(findWidget<QGroupBox>(c.form<BertForm>(), "gBert")->title(), QString("BERT test (Port A)"));
        QCOMPARE(findWidget<QPushButton>(c.form<BertForm>(), "bStartXY")->text(), QString("Start A->B"));

        c.button("bRus")->click();
        const QString russian = QCoreApplication::translate("StatsForm", "Statistics");
        QVERIFY(russian != QLatin1String("Statistics"));
        QCOMPARE(findWidget<QGroupBox>(c.form<StatsForm>(), "groupBox")->title(), russian);
        QCOMPARE(findWidget<QGroupBox>(c.form<PassForm>(), "groupBox")->title(),
                 QCoreApplication::translate("PassForm", "Thru"));
    }

    // Each window, shown in the main window at the tests' size, in every
    // language, with the largest values its fields can get.
    void textsFitInTheWindow()
    {
        Connected c(0);
        c.tester([](SimRemoteResponder &t) {
            stats_results_t s;
            std::memset(&s, 0xFF, sizeof s);
            t.results[SimRemoteResponder::key(PortA, TestStatistics)] = recordBytes(s);
            t.results[SimRemoteResponder::key(PortB, TestStatistics)] = recordBytes(s);
            bert_settings_t b;
            std::memset(&b, 0, sizeof b);
            b.pattern = BertPatternUser;
            b.frameSize = 9600;
            b.rate = 9999;
            b.rateUnit = 2;
            b.duration = 86399;
            b.userPattern = 0xDEADBEEF;
            b.syncWait = 10000;
            b.patternOffset = 254;
            t.settingsBlock(PortA, TestBert) = recordBytes(b);
            bert_results_t r;
            std::memset(&r, 0xFF, sizeof r);
            t.results[SimRemoteResponder::key(PortA, TestBert)] = recordBytes(r);
        });
        QVERIFY(c.up());
        QTRY_VERIFY(c.button("bStats")->isEnabled());
        auto *counters = findWidget<QTableWidget>(c.form<StatsForm>(), "tFrameErrors");
        auto *bits = findWidget<QLineEdit>(c.form<BertForm>(), "lBits");
        const struct {
            const char *button;
            QWidget *form;
            std::function<bool()> filled;
            const char *shot;
        } windows[] = {
            {"bStats", c.form<StatsForm>(), [&] { return counters->item(5, 0) != nullptr; }, "mainwin-stats-ru.png"},
            {"bBert", c.form<BertForm>(), [&] { return bits->text() == QLatin1String("18446744073709551615"); },
             "mainwin-bert-ru.png"},
            {"bTransit", c.form<PassForm>(), [] { return true; }, "mainwin-pass-ru.png"},
        };
        for (const auto &win : windows) {
            c.button(win.button)->click();
            QVERIFY(win.form->isVisible());
            QVERIFY(QTest::qWaitFor(win.filled, MainWindowDeadlineMs));
            const QStringList reports = c.cutTexts();
            QVERIFY(textfit::savePicture(c.w.get(), QLatin1String(win.shot)));
            QVERIFY2(reports.isEmpty(), qPrintable(textfit::logged(reports)));
        }
    }
};

QTEST_MAIN(TestMainWinStatsBert)
#include "tst_mainwin_statsbert.moc"
