// The device settings form's rules without widgets: which button shows a
// stored checking code, which code a button sends, and the tester's clock
// (local wall-clock time kept as if it were UTC).

#include "devsettingsformat.h"

#include <QTimeZone>
#include <QtTest>

class TestDevSettingsFormat : public QObject
{
    Q_OBJECT

private slots:
    void codeToIndex_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("index");
        QTest::newRow("0 Swich Off") << 0 << 0;
        QTest::newRow("1 Clock frequency") << 1 << 1;
        QTest::newRow("2 Velocities") << 2 << 2;
        QTest::newRow("3 unused shows Velocities") << 3 << 2;
        QTest::newRow("4 Output 1PPS GNSS") << 4 << 3;
        QTest::newRow("5 PPS difference check") << 5 << 4;
        QTest::newRow("6 Output 1PPS PTP") << 6 << 5;
        QTest::newRow("7 Output 2048 kHz") << 7 << 6;
        QTest::newRow("8 Output 1PPS NTP1") << 8 << 7;
        QTest::newRow("9 Output 1PPS NTP2") << 9 << 8;
        QTest::newRow("10 is 1") << 10 << 1;
        QTest::newRow("12 is 3") << 12 << 2;
        QTest::newRow("18 is 0") << 18 << 0;
        QTest::newRow("255 is 3") << 255 << 2;
    }
    void codeToIndex()
    {
        QFETCH(int, code);
        QFETCH(int, index);
        QCOMPARE(checkingCodeToIndex(uint8_t(code)), index);
    }

    void indexToCode_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("code");
        const int codes[] = {0, 1, 2, 4, 5, 6, 7, 8, 9};
        for (int i = 0; i < 9; ++i)
            QTest::addRow("index %d", i) << i << codes[i];
        QTest::newRow("below the list") << -1 << 0;
        QTest::newRow("past the list") << 9 << 9;
    }
    void indexToCode()
    {
        QFETCH(int, index);
        QFETCH(int, code);
        QCOMPARE(int(checkingIndexToCode(index)), code);
        // Every code a button sends shows that button again.
        if (index >= 0 && index < CheckingModeCount)
            QCOMPARE(checkingCodeToIndex(uint8_t(code)), index);
    }

    void clockIsShownAsUtc()
    {
        const QDateTime t = testerClockToDateTime(1700000000u);
        QCOMPARE(t.timeSpec(), Qt::UTC);
        QCOMPARE(t.date(), QDate(2023, 11, 14));
        QCOMPARE(t.time(), QTime(22, 13, 20));
        QCOMPARE(testerClockToDateTime(0xFFFFFFFFu).date(), QDate(2106, 2, 7));
    }

    void clockFromDateAndTime_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<uint>("clock");
        QTest::newRow("epoch") << QDate(1970, 1, 1) << QTime(0, 0) << 0u;
        QTest::newRow("2023") << QDate(2023, 11, 14) << QTime(22, 13, 20) << 1700000000u;
        QTest::newRow("last second of 2035") << QDate(2035, 12, 31) << QTime(23, 59, 59) << 2082758399u;
        QTest::newRow("before the epoch") << QDate(1969, 12, 31) << QTime(23, 0) << 0u;
        QTest::newRow("past 32 bits") << QDate(2200, 1, 1) << QTime(0, 0) << 0xFFFFFFFFu;
    }
    void clockFromDateAndTime()
    {
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(uint, clock);
        QCOMPARE(testerClockFromDateTime(date, time), uint32_t(clock));
    }

    // The tester reads the PC's local wall-clock time: a PC two hours east
    // of UTC at 12:00 local sets 12:00, not 10:00.
    void localTimeIsKeptAsWallClock()
    {
        const QDateTime local(QDate(2024, 6, 1), QTime(12, 0), QTimeZone(7200));
        const uint32_t clock = testerClockFromLocal(local);
        QCOMPARE(testerClockToDateTime(clock), QDateTime(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC));
        const QDateTime west(QDate(2024, 6, 1), QTime(12, 0), QTimeZone(-5 * 3600));
        QCOMPARE(testerClockToDateTime(testerClockFromLocal(west)).time(), QTime(12, 0));
    }
};

QTEST_GUILESS_MAIN(TestDevSettingsFormat)
#include "tst_devsettingsformat.moc"
