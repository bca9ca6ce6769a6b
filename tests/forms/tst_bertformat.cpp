// The pure rules behind the BERT form: result texts, the user pattern, the
// offset limit and the codes the lists do not have.

#include "bertformat.h"
#include "rateunits.h"

#include <QtTest>

#include <cstring>
#include <limits>

namespace {

bert_results_t results(uint64_t bits, uint64_t errors, uint32_t lss, uint32_t los, uint32_t elapsed)
{
    bert_results_t r;
    memset(&r, 0xEE, sizeof r);   // the unread tail keeps a pattern
    r.bits = bits;
    r.errorBits = errors;
    r.lss = lss;
    r.los = los;
    r.elapsed = elapsed;
    return r;
}

bert_settings_t settings(uint32_t duration)
{
    bert_settings_t s;
    memset(&s, 0, sizeof s);
    s.duration = duration;
    return s;
}

} // namespace

class TestBertFormat : public QObject
{
    Q_OBJECT

private slots:
    void errorRate_data()
    {
        QTest::addColumn<quint64>("bits");
        QTest::addColumn<quint64>("errors");
        QTest::addColumn<QString>("text");
        QTest::newRow("no bits") << quint64(0) << quint64(0) << "0.00000e+00";
        QTest::newRow("no bits but errors") << quint64(0) << quint64(5) << "0.00000e+00";
        QTest::newRow("no errors") << quint64(1000000) << quint64(0) << "0.00000e+00";
        QTest::newRow("one in a million") << quint64(1000000) << quint64(1) << "1.00000e-06";
        QTest::newRow("all errored") << quint64(8) << quint64(8) << "1.00000e+00";
        QTest::newRow("more errors than bits") << quint64(2) << quint64(3) << "1.50000e+00";
        QTest::newRow("largest counts") << quint64(std::numeric_limits<quint64>::max())
                                        << quint64(std::numeric_limits<quint64>::max()) << "1.00000e+00";
    }
    void errorRate()
    {
        QFETCH(quint64, bits);
        QFETCH(quint64, errors);
        QFETCH(QString, text);
        QCOMPARE(bertErrorRate(bits, errors), text);
    }

    void eventRate_data()
    {
        QTest::addColumn<quint32>("count");
        QTest::addColumn<quint32>("elapsed");
        QTest::addColumn<QString>("text");
        QTest::newRow("3 in 60 s") << 3u << 60u << "0.050";
        QTest::newRow("no time yet") << 7u << 0u << "0.000";
        QTest::newRow("no events") << 0u << 100u << "0.000";
        QTest::newRow("no factor of 100") << 1u << 1u << "1.000";
        QTest::newRow("largest count in 1 s") << 4294967295u << 1u << "4294967295.000";
    }
    void eventRate()
    {
        QFETCH(quint32, count);
        QFETCH(quint32, elapsed);
        QFETCH(QString, text);
        QCOMPARE(bertEventRate(count, elapsed), text);
    }

    void resultsView()
    {
        const bert_results_t r = results(123456789012ull, 12, 3, 1, 60);
        const bert_settings_t s = settings(100);
        BertResultsView v = bertResultsView(&s, &r);
        QCOMPARE(v.elapsed, QString("00:01:00"));
        QCOMPARE(v.estimate, QString("00:00:40"));
        QCOMPARE(v.bits, QString("123456789012"));
        QCOMPARE(v.errorBits, QString("12"));
        QCOMPARE(v.ber, QString("9.72000e-11"));
        QCOMPARE(v.lss, QString("3"));
        QCOMPARE(v.los, QString("1"));
        QCOMPARE(v.lssRate, QString("0.050"));
        QCOMPARE(v.losRate, QString("0.017"));

        // Hours are not wrapped; past the duration nothing remains.
        const bert_results_t late = results(0, 0, 0, 0, 100000);
        v = bertResultsView(&s, &late);
        QCOMPARE(v.elapsed, QString("27:46:40"));
        QCOMPARE(v.estimate, QString("00:00:00"));

        // Without settings the remaining time is unknown.
        QCOMPARE(bertResultsView(nullptr, &r).estimate, QString("-"));
        QCOMPARE(bertResultsView(nullptr, &r).elapsed, QString("00:01:00"));

        // Without results every field is a dash.
        v = bertResultsView(&s, nullptr);
        for (const QString &t : {v.elapsed, v.estimate, v.bits, v.errorBits, v.ber, v.lss, v.los, v.lssRate,
                                 v.losRate})
            QCOMPARE(t, QString("-"));
    }

    void userPattern_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<quint32>("value");
        QTest::newRow("eight digits") << "12ABCDEF" << true << 0x12ABCDEFu;
        QTest::newRow("lower case") << "aaaaaaaa" << true << 0xAAAAAAAAu;
        QTest::newRow("four digits") << "12AB" << false << 0xAAAAAAAAu;
        QTest::newRow("empty") << "" << false << 0xAAAAAAAAu;
        QTest::newRow("not hexadecimal") << "1234567G" << false << 0xAAAAAAAAu;
        QTest::newRow("nine digits") << "123456789" << false << 0xAAAAAAAAu;
        QTest::newRow("zeros") << "00000000" << true << 0u;
    }
    void userPattern()
    {
        QFETCH(QString, text);
        QFETCH(bool, complete);
        QFETCH(quint32, value);
        QCOMPARE(bertUserPatternComplete(text), complete);
        QCOMPARE(bertUserPatternValue(text), value);
    }

    void userPatternText()
    {
        QCOMPARE(bertUserPatternText(0xABCDu), QString("0000ABCD"));
        QCOMPARE(bertUserPatternText(0xaaaaaaaau), QString("AAAAAAAA"));
        QCOMPARE(bertUserPatternText(0), QString("00000000"));
    }

    void offsetLimit_data()
    {
        QTest::addColumn<int>("frameSize");
        QTest::addColumn<int>("limit");
        QTest::newRow("smallest frame") << 64 << 48;
        QTest::newRow("1000") << 1000 << 254;
        QTest::newRow("269") << 269 << 253;
        QTest::newRow("270 reaches 254") << 270 << 254;
        QTest::newRow("never 255") << 9600 << 254;
        QTest::newRow("below 16 is 0") << 10 << 0;
    }
    void offsetLimit()
    {
        QFETCH(int, frameSize);
        QFETCH(int, limit);
        QCOMPARE(bertOffsetLimit(frameSize), limit);
    }

    // Codes the lists have are shown and written as such; others leave the
    // list empty and are written back as stored.
    void patternCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("index");
        QTest::newRow("user") << 0 << 0;
        QTest::newRow("CRTP") << 1 << 1;
        QTest::newRow("2e31-1") << 7 << 7;
        QTest::newRow("unknown 8") << 8 << -1;
        QTest::newRow("unknown 255") << 255 << -1;
    }
    void patternCodes()
    {
        QFETCH(int, code);
        QFETCH(int, index);
        QCOMPARE(bertPatternIndex(uint8_t(code)), index);
        QCOMPARE(int(bertPatternCode(index, uint8_t(code))), code);
        QCOMPARE(int(bertPatternCode(3, uint8_t(code))), 3);   // the operator's choice wins
    }

    void unitCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("writtenBack");
        QTest::newRow("percent") << 0 << 0 << 0;
        QTest::newRow("bps shows as percent") << 1 << 0 << 0;
        QTest::newRow("kbps") << 2 << 1 << 2;
        QTest::newRow("Mbps") << 3 << 2 << 3;
        QTest::newRow("unknown 4 kept") << 4 << -1 << 4;
        QTest::newRow("unknown 200 kept") << 200 << -1 << 200;
    }
    void unitCodes()
    {
        QFETCH(int, code);
        QFETCH(int, index);
        QFETCH(int, writtenBack);
        QCOMPARE(bertUnitIndex(uint8_t(code)), index);
        QCOMPARE(int(bertUnitCode(index, uint8_t(code))), writtenBack);
        QCOMPARE(int(bertUnitCode(UnitIndexKbps, uint8_t(code))), int(RateUnitKbps));
    }
};

QTEST_MAIN(TestBertFormat)
#include "tst_bertformat.moc"
