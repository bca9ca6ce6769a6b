// The pure rules behind the jitter form: the distribution's bin labels for
// a threshold and the texts of the "Measuring" page.

#include "jitterformat.h"

#include <QtTest>

#include <cstring>

class TestJitterFormat : public QObject
{
    Q_OBJECT

private:
    static jitter_settings_t settings(uint32_t duration)
    {
        jitter_settings_t s;
        memset(&s, 0, sizeof s);
        s.duration = duration;
        return s;
    }

    static jitter_results_t results(uint64_t all, uint64_t inOrder)
    {
        jitter_results_t r;
        memset(&r, 0, sizeof r);
        r.rxAll = all;
        r.rxInOrder = inOrder;
        return r;
    }

private slots:
    void binLabel_data()
    {
        QTest::addColumn<int>("threshold");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("label");
        QTest::newRow("10, first") << 10 << 0 << "0.000-1.250";
        QTest::newRow("10, eighth") << 10 << 7 << "8.750-10.000";
        QTest::newRow("10, open bin") << 10 << 8 << ">=10.000";
        QTest::newRow("20, second") << 20 << 1 << "2.500-5.000";
        QTest::newRow("20, eighth") << 20 << 7 << "17.500-20.000";
        QTest::newRow("20, open bin") << 20 << 8 << ">=20.000";
        QTest::newRow("3, first") << 3 << 0 << "0.000-0.375";
        QTest::newRow("1, second") << 1 << 1 << "0.125-0.250";
        QTest::newRow("999, sixth") << 999 << 5 << "624.375-749.250";
        QTest::newRow("1000, eighth") << 1000 << 7 << "875.000-1000.000";
        QTest::newRow("1000, open bin") << 1000 << 8 << ">=1000.000";
        QTest::newRow("row past the table") << 10 << 9 << "";
        QTest::newRow("negative row") << 10 << -1 << "";
    }
    void binLabel()
    {
        QFETCH(int, threshold);
        QFETCH(int, row);
        QFETCH(QString, label);
        QCOMPARE(jitterBinLabel(threshold, row), label);
    }

    void counts()
    {
        const jitter_settings_t s = settings(60);
        jitter_results_t r = results(1000, 990);
        r.passedTime = 15;
        r.bins[0] = 500;
        r.bins[8] = 3;
        const JitterResultsView v = jitterResultsView(&s, &r);
        QCOMPARE(v.count[JitterRowAll], QString("1000"));
        QVERIFY(v.percent[JitterRowAll].isNull());   // never written from results
        QCOMPARE(v.count[JitterRowInOrder], QString("990"));
        QCOMPARE(v.percent[JitterRowInOrder], QString("99.00"));
        QCOMPARE(v.count[JitterRowNotInOrder], QString("10"));
        QCOMPARE(v.percent[JitterRowNotInOrder], QString("1.00"));
        QCOMPARE(v.bins[0], QString("50.00"));
        QCOMPARE(v.bins[1], QString("0.00"));
        QCOMPARE(v.bins[8], QString("0.30"));
        QCOMPARE(v.testTime, QString("00:00:45"));
        QCOMPARE(v.passTime, QString("00:00:15"));
    }

    // The tester reporting more frames in order than it received: the
    // difference is shown as it comes out, not hidden.
    void moreInOrderThanReceived()
    {
        const jitter_settings_t s = settings(60);
        const jitter_results_t r = results(1000, 1010);
        const JitterResultsView v = jitterResultsView(&s, &r);
        QCOMPARE(v.count[JitterRowNotInOrder], QString("18446744073709551606"));
        QCOMPARE(v.count[JitterRowInOrder], QString("1010"));
        QCOMPARE(v.percent[JitterRowInOrder], QString("101.00"));
    }

    void largestCountsAreExact()
    {
        const jitter_settings_t s = settings(60);
        const jitter_results_t r = results(0xFFFFFFFFFFFFFFFFull, 0xFFFFFFFFFFFFFFF0ull);
        const JitterResultsView v = jitterResultsView(&s, &r);
        QCOMPARE(v.count[JitterRowAll], QString("18446744073709551615"));
        QCOMPARE(v.count[JitterRowNotInOrder], QString("15"));
    }

    void nothingReceived()
    {
        const jitter_settings_t s = settings(60);
        jitter_results_t r = results(0, 0);
        r.passedTime = 5;
        r.bins[2] = 7;   // counts without frames: no share to show
        const JitterResultsView v = jitterResultsView(&s, &r);
        for (int row = 0; row < JitterResultRows; ++row)
            QCOMPARE(v.count[row], QString("-"));
        QVERIFY(v.percent[JitterRowAll].isNull());
        QCOMPARE(v.percent[JitterRowInOrder], QString("-"));
        QCOMPARE(v.percent[JitterRowNotInOrder], QString("-"));
        for (const QString &bin : v.bins)
            QCOMPARE(bin, QString("-"));
        QCOMPARE(v.testTime, QString("00:00:55"));
        QCOMPARE(v.passTime, QString("00:00:05"));
    }

    void times_data()
    {
        QTest::addColumn<uint>("duration");
        QTest::addColumn<uint>("passed");
        QTest::addColumn<QString>("testTime");
        QTest::addColumn<QString>("passTime");
        QTest::newRow("running") << 60u << 20u << "00:00:40" << "00:00:20";
        QTest::newRow("at the end") << 60u << 60u << "00:00:00" << "00:01:00";
        QTest::newRow("past the end") << 60u << 75u << "00:00:00" << "00:01:15";
        QTest::newRow("no duration") << 0u << 10u << "00:00:00" << "00:00:10";
        QTest::newRow("largest passed time") << 0xFFFFFFFFu << 0xFFFFFFFFu << "00:00:00" << "1193046:28:15";
    }
    void times()
    {
        QFETCH(uint, duration);
        QFETCH(uint, passed);
        QFETCH(QString, testTime);
        QFETCH(QString, passTime);
        const jitter_settings_t s = settings(duration);
        jitter_results_t r = results(1, 1);
        r.passedTime = passed;
        const JitterResultsView v = jitterResultsView(&s, &r);
        QCOMPARE(v.testTime, testTime);
        QCOMPARE(v.passTime, passTime);
    }

    void withoutSettingsNoRemainingTime()
    {
        jitter_results_t r = results(1000, 1000);
        r.passedTime = 30;
        const JitterResultsView v = jitterResultsView(nullptr, &r);
        QCOMPARE(v.testTime, QString("-"));
        QCOMPARE(v.passTime, QString("00:00:30"));
        QCOMPARE(v.count[JitterRowAll], QString("1000"));
    }

    void withoutResultsDashesEverywhere()
    {
        const jitter_settings_t s = settings(60);
        const JitterResultsView v = jitterResultsView(&s, nullptr);
        QCOMPARE(v.testTime, QString("-"));
        QCOMPARE(v.passTime, QString("-"));
        for (int row = 0; row < JitterResultRows; ++row) {
            QCOMPARE(v.count[row], QString("-"));
            QCOMPARE(v.percent[row], QString("-"));
        }
        for (const QString &bin : v.bins)
            QCOMPARE(bin, QString("-"));
    }
};

QTEST_MAIN(TestJitterFormat)
#include "tst_jitterformat.moc"
