// The pure rules behind the Y.1564 form: units and their limits, the
// encodings of the stream fields, what untouched fields write back, VLAN
// tags, direction, the verdicts and texts of the results, the link line and
// the synchronisation text.

#include "records.h"
#include "y1564format.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

y1564_settings_t settings(uint8_t flags = Y1564FlagConfigTest | Y1564FlagStepLoad | Y1564FlagPolicy
                                          | Y1564FlagPerformanceTest)
{
    y1564_settings_t s;
    std::memset(&s, 0, sizeof s);
    s.flags = flags;
    s.streams[0].active = 1;
    s.streams[1].active = 1;
    return s;
}

y1564_results_t results()
{
    y1564_results_t r;
    std::memset(&r, 0, sizeof r);
    return r;
}

y1564_stream_settings_t stream()
{
    y1564_stream_settings_t s;
    std::memset(&s, 0, sizeof s);
    return s;
}

const float NaN = std::numeric_limits<float>::quiet_NaN();
const float Inf = std::numeric_limits<float>::infinity();

} // namespace

Q_DECLARE_METATYPE(Y1564Value)

class TestY1564Format : public QObject
{
    Q_OBJECT

private slots:
    void units_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("step");
        QTest::newRow("percent") << 0 << 0 << 0.001 << 100.0 << 0.001;
        QTest::newRow("bps shows as percent") << 1 << 0 << 0.001 << 100.0 << 0.001;
        QTest::newRow("kbps") << 2 << 1 << 1.0 << 10000.0 << 1.0;
        QTest::newRow("Mbps") << 3 << 2 << 0.001 << 1000.0 << 0.001;
        QTest::newRow("unknown 7 shows as percent") << 7 << 0 << 0.001 << 100.0 << 0.001;
        QTest::newRow("255") << 255 << 0 << 0.001 << 100.0 << 0.001;
    }
    void units()
    {
        QFETCH(int, code);
        QFETCH(int, index);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(double, step);
        QCOMPARE(y1564UnitIndex(uint8_t(code)), index);
        const Y1564RateLimits l = y1564RateLimits(uint8_t(code));
        QCOMPARE(l.minimum, minimum);
        QCOMPARE(l.maximum, maximum);
        QCOMPARE(l.step, step);
        // The list's own entry keeps the stored code; another entry writes its code.
        QCOMPARE(int(y1564WrittenUnit(uint8_t(code), index)), code);
        QCOMPARE(int(y1564WrittenUnit(uint8_t(code), (index + 1) % 3)), int(y1564UnitCode((index + 1) % 3)));
    }

    void unitCodes()
    {
        QCOMPARE(int(y1564UnitCode(0)), 0);
        QCOMPARE(int(y1564UnitCode(1)), 2);
        QCOMPARE(int(y1564UnitCode(2)), 3);
        QCOMPARE(int(y1564UnitCode(-1)), 0);
    }

    void shownValue_data()
    {
        QTest::addColumn<Y1564Value>("value");
        QTest::addColumn<int>("unit");
        QTest::addColumn<float>("floatField");
        QTest::addColumn<uint>("nsField");
        QTest::addColumn<double>("shown");
        QTest::newRow("CIR percent") << Y1564Value::Cir << 0 << 12.5f << 0u << 12.5;
        QTest::newRow("CIR rounded to 3 decimals") << Y1564Value::Cir << 3 << 12.34567f << 0u << 12.346;
        QTest::newRow("CIR kbps 5000") << Y1564Value::Cir << 2 << 5000.0f << 0u << 5000.0;
        QTest::newRow("CIR 5000 beyond percent") << Y1564Value::Cir << 0 << 5000.0f << 0u << 100.0;
        QTest::newRow("CIR NaN shows the minimum") << Y1564Value::Cir << 3 << NaN << 0u << 0.001;
        QTest::newRow("EIR +inf shows the maximum") << Y1564Value::Eir << 3 << Inf << 0u << 1000.0;
        QTest::newRow("M -inf shows the minimum") << Y1564Value::M << 2 << -Inf << 0u << 1.0;
        QTest::newRow("FLR") << Y1564Value::Flr << 0 << 0.001f << 0u << 0.001;
        QTest::newRow("FLR 0 below range") << Y1564Value::Flr << 0 << 0.0f << 0u << 0.00001;
        QTest::newRow("FTD 1500000 ns") << Y1564Value::Ftd << 0 << 0.0f << 1500000u << 1.5;
        QTest::newRow("FTD 100 ns") << Y1564Value::Ftd << 0 << 0.0f << 100u << 0.0001;
        QTest::newRow("FDV 4e9 ns beyond 1000 ms") << Y1564Value::Fdv << 0 << 0.0f << 4000000000u << 1000.0;
        QTest::newRow("AVAIL 0.9999") << Y1564Value::Avail << 0 << 0.9999f << 0u << 99.99;
        QTest::newRow("AVAIL 1.0") << Y1564Value::Avail << 0 << 1.0f << 0u << 100.0;
    }
    void shownValue()
    {
        QFETCH(Y1564Value, value);
        QFETCH(int, unit);
        QFETCH(float, floatField);
        QFETCH(uint, nsField);
        QFETCH(double, shown);
        y1564_stream_settings_t s = stream();
        s.rateUnit = uint8_t(unit);
        s.cir = s.eir = s.m = s.flr = s.avail = floatField;
        s.ftd = s.fdv = nsField;
        QVERIFY2(std::abs(y1564ShownValue(s, value) - shown) < 1e-9,
                 qPrintable(QString::number(y1564ShownValue(s, value), 'g', 17)));
    }

    // A field the operator left alone keeps the record's bits, whatever the
    // box could show of them; an edited one is encoded.
    void untouchedFieldsKeepTheirBits()
    {
        y1564_stream_settings_t stored = stream();
        stored.rateUnit = 0;
        stored.cir = NaN;
        stored.eir = 5000.0f;          // beyond percent
        stored.m = 12.34567f;          // more decimals than the box
        stored.flr = 0.0f;             // below the box
        stored.ftd = 123;              // below the box's 100 ns steps
        stored.fdv = 4000000000u;      // beyond 1000 ms
        stored.avail = 0.123456789f;
        y1564_stream_settings_t target = stored;
        std::memset(&target.cir, 0xAB, 4);
        for (Y1564Value v : {Y1564Value::Cir, Y1564Value::Eir, Y1564Value::M, Y1564Value::Flr, Y1564Value::Ftd,
                             Y1564Value::Fdv, Y1564Value::Avail})
            y1564WriteValue(target, stored, v, y1564ShownValue(stored, v));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&target), sizeof target),
                 QByteArray(reinterpret_cast<const char *>(&stored), sizeof stored));
    }

    // The unit and the three rates together: a code the list cannot show
    // stays only with its own rates; a rate typed or a unit picked puts the
    // code on show, and a changed code takes every rate as shown.
    void ratesAndTheirUnit_data()
    {
        QTest::addColumn<int>("stored");      // unit code
        QTest::addColumn<int>("index");       // list index on show
        QTest::addColumn<double>("cir");      // as the boxes show them
        QTest::addColumn<double>("eir");
        QTest::addColumn<double>("m");
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("rates");   // cir eir m sent; "kept" for the stored bits
        // Stored rates: CIR 2000000 (shows 100 in percent), EIR 64.125
        // (shows 64.125), M NaN (shows the minimum).
        QTest::newRow("bps untouched") << 1 << 0 << 100.0 << 64.125 << 0.001 << 1 << "kept kept kept";
        QTest::newRow("bps, CIR typed") << 1 << 0 << 42.5 << 64.125 << 0.001 << 0 << "42.5 64.125 0.001";
        QTest::newRow("bps, M typed") << 1 << 0 << 100.0 << 64.125 << 7.0 << 0 << "100 64.125 7";
        QTest::newRow("unknown 200, EIR typed") << 200 << 0 << 100.0 << 1.0 << 0.001 << 0 << "100 1 0.001";
        QTest::newRow("bps, Mbps picked") << 1 << 2 << 100.0 << 64.125 << 0.001 << 3 << "100 64.125 0.001";
        QTest::newRow("percent untouched") << 0 << 0 << 100.0 << 64.125 << 0.001 << 0 << "kept kept kept";
        QTest::newRow("percent, EIR typed") << 0 << 0 << 100.0 << 3.0 << 0.001 << 0 << "kept 3 kept";
        QTest::newRow("kbps, CIR typed") << 2 << 1 << 5.0 << 64.125 << 1.0 << 2 << "5 kept kept";
        QTest::newRow("percent, kbps picked") << 0 << 1 << 10000.0 << 64.125 << 1.0 << 2 << "10000 64.125 1";
    }
    void ratesAndTheirUnit()
    {
        QFETCH(int, stored);
        QFETCH(int, index);
        QFETCH(double, cir);
        QFETCH(double, eir);
        QFETCH(double, m);
        QFETCH(int, written);
        QFETCH(QString, rates);
        y1564_stream_settings_t s = stream();
        s.rateUnit = uint8_t(stored);
        s.cir = 2000000.0f;
        s.eir = 64.125f;
        s.m = NaN;
        y1564_stream_settings_t target = s;
        std::memset(&target.cir, 0xAB, 4);
        std::memset(&target.eir, 0xAB, 4);
        std::memset(&target.m, 0xAB, 4);
        target.rateUnit = 0xAB;
        y1564WriteRates(target, s, index, cir, eir, m);
        QCOMPARE(int(target.rateUnit), written);
        const QStringList expected = rates.split(' ');
        const float sent[] = {target.cir, target.eir, target.m};
        const float kept[] = {s.cir, s.eir, s.m};
        for (int i = 0; i < 3; ++i) {
            const QByteArray bytes(reinterpret_cast<const char *>(&sent[i]), 4);
            const float want = expected.at(i) == QLatin1String("kept") ? kept[i] : expected.at(i).toFloat();
            QCOMPARE(bytes.toHex(), QByteArray(reinterpret_cast<const char *>(&want), 4).toHex());
        }
    }

    void editedFieldsAreEncoded_data()
    {
        QTest::addColumn<Y1564Value>("value");
        QTest::addColumn<double>("shown");
        QTest::addColumn<QByteArray>("bytes");   // the four bytes of the field, little-endian
        auto f = [](float v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
        auto u = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); };
        QTest::newRow("CIR 55.5") << Y1564Value::Cir << 55.5 << f(55.5f);
        QTest::newRow("FLR 0.00002") << Y1564Value::Flr << 0.00002 << f(0.00002f);
        QTest::newRow("FTD 1000 ms") << Y1564Value::Ftd << 1000.0 << u(1000000000u);
        QTest::newRow("FTD 0.0001 ms") << Y1564Value::Ftd << 0.0001 << u(100u);
        QTest::newRow("FDV 0.0003 ms is 300 ns, not 299") << Y1564Value::Fdv << 0.0003 << u(300u);
        QTest::newRow("FDV 1.5 ms") << Y1564Value::Fdv << 1.5 << u(1500000u);
        QTest::newRow("AVAIL 100 %") << Y1564Value::Avail << 100.0 << f(1.0f);
        QTest::newRow("AVAIL 99.99 %") << Y1564Value::Avail << 99.99 << f(float(99.99 / 100.0));
    }
    void editedFieldsAreEncoded()
    {
        QFETCH(Y1564Value, value);
        QFETCH(double, shown);
        QFETCH(QByteArray, bytes);
        y1564_stream_settings_t stored = stream();
        stored.cir = stored.flr = 7.0f;     // shows something else than every row's value
        stored.avail = 0.5f;
        stored.ftd = stored.fdv = 7000000;
        y1564_stream_settings_t target = stored;
        y1564WriteValue(target, stored, value, shown);
        int offset = 0;
        switch (value) {
        case Y1564Value::Cir: offset = offsetof(y1564_stream_settings_t, cir); break;
        case Y1564Value::Flr: offset = offsetof(y1564_stream_settings_t, flr); break;
        case Y1564Value::Ftd: offset = offsetof(y1564_stream_settings_t, ftd); break;
        case Y1564Value::Fdv: offset = offsetof(y1564_stream_settings_t, fdv); break;
        case Y1564Value::Avail: offset = offsetof(y1564_stream_settings_t, avail); break;
        default: QFAIL("row without a field");
        }
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&target) + offset, 4).toHex(), bytes.toHex());
    }

    void nanoseconds_data()
    {
        QTest::addColumn<double>("ms");
        QTest::addColumn<uint>("ns");
        QTest::newRow("0.0003") << 0.0003 << 300u;
        QTest::newRow("0.0007") << 0.0007 << 700u;
        QTest::newRow("999.9999") << 999.9999 << 999999900u;
        QTest::newRow("4294.967296 wraps to its low 32 bits") << 4294.967296 << 0u;
        QTest::newRow("NaN") << double(NaN) << 0u;
        QTest::newRow("beyond 64 bits") << 1e300 << 0u;
        QTest::newRow("negative") << -0.0001 << uint(-100);
    }
    void nanoseconds()
    {
        QFETCH(double, ms);
        QFETCH(uint, ns);
        QCOMPARE(uint(y1564MsToNanoseconds(ms)), ns);
    }

    void tpidTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("tpid");
        QTest::addColumn<QString>("shown");
        QTest::newRow("8100") << "8100" << 0x8100u << "8100";
        QTest::newRow("upper case") << "88A8" << 0x88A8u << "88a8";
        QTest::newRow("short") << "1" << 0x0001u << "0001";
        QTest::newRow("not hexadecimal") << "zz" << 0u << "0000";
        QTest::newRow("empty") << "" << 0u << "0000";
    }
    void tpidTexts()
    {
        QFETCH(QString, text);
        QFETCH(uint, tpid);
        QFETCH(QString, shown);
        QCOMPARE(uint(y1564TpidFromText(text)), tpid);
        QCOMPARE(y1564TpidText(uint16_t(tpid)), shown);
    }

    void tagControl()
    {
        QCOMPARE(uint(y1564TagControl(7, 4095)), 0xEFFFu);
        QCOMPARE(uint(y1564TagControl(0, 5)), 0x0005u);
        QCOMPARE(y1564TagPcp(0x1005), 0);
        QCOMPARE(y1564TagVid(0x1005), 5);
        QCOMPARE(y1564TagPcp(0xEFFF), 7);
        QCOMPARE(y1564TagVid(0xEFFF), 4095);
    }

    void defaultTpids_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<uint>("t1");
        QTest::addColumn<uint>("t2");
        QTest::addColumn<uint>("t3");
        QTest::newRow("0 writes nothing") << 0 << 0x1111u << 0x2222u << 0x3333u;
        QTest::newRow("1") << 1 << 0x8100u << 0x2222u << 0x3333u;
        QTest::newRow("2") << 2 << 0x9100u << 0x8100u << 0x3333u;
        QTest::newRow("3") << 3 << 0x8100u << 0x8100u << 0x8100u;
        QTest::newRow("4 is beyond the record") << 4 << 0x1111u << 0x2222u << 0x3333u;
    }
    void defaultTpids()
    {
        QFETCH(int, count);
        QFETCH(uint, t1);
        QFETCH(uint, t2);
        QFETCH(uint, t3);
        y1564_stream_settings_t s = stream();
        s.tpid[0] = 0x1111;
        s.tpid[1] = 0x2222;
        s.tpid[2] = 0x3333;
        s.tagControl[0] = 0x4444;
        y1564SetDefaultTpids(s, count);
        QCOMPARE(uint(s.tpid[0]), t1);
        QCOMPARE(uint(s.tpid[1]), t2);
        QCOMPARE(uint(s.tpid[2]), t3);
        QCOMPARE(uint(s.tagControl[0]), 0x4444u);
        QCOMPARE(y1564VlanRows(uint8_t(count)), qMin(count, 3));
        QCOMPARE(y1564VlanRows(255), 3);
    }

    void direction_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("choice");
        QTest::newRow("both") << 3 << int(Y1564DirectionChoice::Both);
        QTest::newRow("output") << 1 << int(Y1564DirectionChoice::Output);
        QTest::newRow("input") << 2 << int(Y1564DirectionChoice::Input);
        QTest::newRow("0 leaves the buttons") << 0 << int(Y1564DirectionChoice::None);
        QTest::newRow("5 has bit 0") << 5 << int(Y1564DirectionChoice::Output);
        QTest::newRow("6 has bit 1") << 6 << int(Y1564DirectionChoice::Input);
        QTest::newRow("8") << 8 << int(Y1564DirectionChoice::None);
    }
    void direction()
    {
        QFETCH(int, code);
        QFETCH(int, choice);
        QCOMPARE(int(y1564DirectionChoice(uint8_t(code))), choice);
    }

    void directionCodes()
    {
        QCOMPARE(int(y1564DirectionCode(Y1564DirectionChoice::Both)), 3);
        QCOMPARE(int(y1564DirectionCode(Y1564DirectionChoice::Output)), 1);
        QCOMPARE(int(y1564DirectionCode(Y1564DirectionChoice::Input)), 2);
        QCOMPARE(int(y1564DirectionCode(Y1564DirectionChoice::None)), 3);
    }

    void resultState_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("stream");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("currentStep");
        QTest::addColumn<int>("stepStatus");     // of the step asked for
        QTest::addColumn<int>("ownFailures");    // of the entry asked for
        QTest::addColumn<int>("otherFailures");  // stream 1's entry of the same step
        QTest::addColumn<int>("criterion");
        QTest::addColumn<int>("state");
        const int all = Y1564FlagStepLoad | Y1564FlagPolicy;
        QTest::newRow("step load off: CIR 1 off") << int(Y1564FlagPolicy) << 0 << 0 << 3 << 0 << 0 << 0 << 1 << 8;
        QTest::newRow("step load off: CIR 3 off") << int(Y1564FlagPolicy) << 0 << 2 << 3 << 0 << 0 << 0 << 1 << 8;
        QTest::newRow("step load off: CIR 4 runs") << int(Y1564FlagPolicy) << 0 << 3 << 4 << 0 << 0 << 0 << 1 << 1;
        QTest::newRow("policy off: policy row off") << int(Y1564FlagStepLoad) << 0 << 5 << 6 << 0 << 0 << 0 << 1 << 8;
        QTest::newRow("inactive stream") << all << 2 << 3 << 6 << 0 << 0 << 0 << 1 << 8;
        QTest::newRow("step status wins over failures") << all << 0 << 1 << 3 << 5 << 0x0F << 0 << 1 << 5;
        QTest::newRow("IR failed") << all << 0 << 1 << 3 << 0 << int(Y1564FailIr) << 0 << 1 << 2;
        QTest::newRow("FL failed") << all << 0 << 1 << 3 << 0 << int(Y1564FailFl) << 0 << 2 << 2;
        QTest::newRow("FTD failed") << all << 0 << 1 << 3 << 0 << int(Y1564FailFtd) << 0 << 3 << 2;
        QTest::newRow("FDV failed") << all << 0 << 1 << 3 << 0 << int(Y1564FailFdv) << 0 << 4 << 2;
        QTest::newRow("FTD bit does not fail IR") << all << 0 << 1 << 3 << 0 << int(Y1564FailFtd) << 0 << 1 << 1;
        QTest::newRow("step done") << all << 0 << 2 << 3 << 0 << 0 << 0 << 1 << 1;
        QTest::newRow("step to come") << all << 0 << 4 << 3 << 0 << 0 << 0 << 1 << 0;
        QTest::newRow("current step, no failures") << all << 0 << 3 << 3 << 0 << 0 << 0 << 1 << 0;
        QTest::newRow("current step, another stream failed") << all << 0 << 3 << 3 << 0 << 0 << int(Y1564FailFdv) << 1 << 1;
        QTest::newRow("current step, AVAIL bit is no config failure") << all << 0 << 3 << 3 << 0 << 0 << int(Y1564FailAvail) << 1 << 0;
    }
    void resultState()
    {
        QFETCH(int, flags);
        QFETCH(int, stream);
        QFETCH(int, step);
        QFETCH(int, currentStep);
        QFETCH(int, stepStatus);
        QFETCH(int, ownFailures);
        QFETCH(int, otherFailures);
        QFETCH(int, criterion);
        QFETCH(int, state);
        y1564_settings_t s = settings(uint8_t(flags));
        y1564_results_t r = results();
        r.currentStep = uint8_t(currentStep);
        r.stepStatus[step] = uint8_t(stepStatus);
        r.config[step][stream].failures = uint8_t(ownFailures);
        r.config[step][1].failures |= uint8_t(otherFailures);
        QCOMPARE(int(y1564ResultState(&s, &r, step, stream, Y1564Criterion(criterion))), state);
    }

    void resultStateWithoutRecords()
    {
        const y1564_settings_t s = settings();
        const y1564_results_t r = results();
        QCOMPARE(int(y1564ResultState(nullptr, &r, 3, 0, Y1564Criterion::Ir)), 0);
        QCOMPARE(int(y1564ResultState(&s, nullptr, 3, 0, Y1564Criterion::Ir)), 0);
        QCOMPARE(int(y1564ResultState(&s, &r, 6, 0, Y1564Criterion::Ir)), 0);
        QCOMPARE(int(y1564ResultState(&s, &r, 3, 4, Y1564Criterion::Ir)), 0);
    }

    void missingRecordsShowDashes()
    {
        const y1564_settings_t s = settings();
        for (bool withSettings : {false, true}) {
            const Y1564ResultsView v = y1564ResultsView(withSettings ? &s : nullptr, nullptr, 0);
            QCOMPARE(v.elapsed, QString("-"));
            QCOMPARE(v.remaining, QString("-"));
            QCOMPARE(v.performanceStatus, QString("-"));
            for (int c = 0; c < Y1564ConfigSteps; ++c) {
                for (int col = 0; col < 4; ++col) {
                    QCOMPARE(v.rate[c][col], QString("-"));
                    QCOMPARE(v.jitter[c][col], QString("-"));
                }
                QCOMPARE(v.loss[c][2], QString("-"));
            }
            QCOMPARE(v.perf1[3][1], QString("-"));
            QCOMPARE(v.perf2[2][3], QString("-"));
        }
    }

    void configurationValues()
    {
        y1564_settings_t s = settings();
        y1564_results_t r = results();
        r.currentStep = 6;
        y1564_result_entry_t &e = r.config[3][1];
        e.irMin = 123456789;
        e.irMax = 1000000000;
        e.irAvg = 500000;
        e.ftdMin = 1500;
        e.ftdAvg = -2500000;
        e.ftdMax = 999;
        e.fdvMin = 0;
        e.fdvAvg = 1000;
        e.fdvMax = 1500000000;
        e.frameLoss = 5;
        e.frames = 100;
        r.config[4][1].frameLoss = 3;
        r.config[4][1].frames = 1000000;
        r.config[2][1].frameLoss = 7;   // no frames counted

        const Y1564ResultsView v = y1564ResultsView(&s, &r, 1);
        QCOMPARE(v.rate[3][0], QString("OK"));
        QCOMPARE(v.rate[3][1], QString("123.457 Mbps"));
        QCOMPARE(v.rate[3][2], QString("500.000 kbps"));    // average in the middle
        QCOMPARE(v.rate[3][3], QString("1000.000 Mbps"));
        QCOMPARE(v.delay[3][1], QString("1.500 us"));
        QCOMPARE(v.delay[3][2], QString("-2.500 ms"));
        QCOMPARE(v.delay[3][3], QString("999 ns"));
        QCOMPARE(v.jitter[3][1], QString("0"));
        QCOMPARE(v.jitter[3][2], QString("1.000 us"));
        QCOMPARE(v.jitter[3][3], QString("1.500 s"));
        QCOMPARE(v.loss[3][1], QString("5"));
        QCOMPARE(v.loss[3][2], QString("0.05000"));
        QCOMPARE(v.loss[4][1], QString("3"));
        QCOMPARE(v.loss[4][2], QString("0.00000"));
        QCOMPARE(v.loss[2][1], QString("7"));
        QCOMPARE(v.loss[2][2], QString("-"));
    }

    void offStepsShowDashes()
    {
        y1564_settings_t s = settings(Y1564FlagConfigTest);   // neither step load nor policy
        y1564_results_t r = results();
        r.config[0][0].irAvg = 1000;
        const Y1564ResultsView v = y1564ResultsView(&s, &r, 0);
        for (int c : {0, 1, 2, 5}) {
            QCOMPARE(v.rate[c][0], QString("Off"));
            QCOMPARE(v.loss[c][0], QString("Off"));
            for (int col = 1; col < 4; ++col) {
                QCOMPARE(v.rate[c][col], QString("-"));
                QCOMPARE(v.delay[c][col], QString("-"));
                QCOMPARE(v.jitter[c][col], QString("-"));
            }
            QCOMPARE(v.loss[c][1], QString("-"));
            QCOMPARE(v.loss[c][2], QString("-"));
        }
        QCOMPARE(v.rate[3][0], QString("Wait"));
        QCOMPARE(v.rate[3][1], QString("0 bps"));
        // An inactive stream: every row off.
        const Y1564ResultsView off = y1564ResultsView(&s, &r, 3);
        for (int c = 0; c < Y1564ConfigSteps; ++c)
            QCOMPARE(off.rate[c][0], QString("Off"));
    }

    void frameLossWithRxTx_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<uint>("frames");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("ratio");
        QTest::newRow("RxTx negates") << 9 << 1000u << "2" << "0.00200";
        QTest::newRow("OK shows it unsigned") << 1 << 1000u << "4294967294" << "4294967.50000";
        QTest::newRow("RxTx without frames") << 9 << 0u << "2" << "-";
    }
    void frameLossWithRxTx()
    {
        QFETCH(int, status);
        QFETCH(uint, frames);
        QFETCH(QString, count);
        QFETCH(QString, ratio);
        y1564_settings_t s = settings();
        y1564_results_t r = results();
        r.stepStatus[3] = uint8_t(status);
        r.config[3][0].frameLoss = 0xFFFFFFFEu;
        r.config[3][0].frames = frames;
        const Y1564ResultsView v = y1564ResultsView(&s, &r, 0);
        QCOMPARE(v.loss[3][1], count);
        QCOMPARE(v.loss[3][2], ratio);

        // The same on the performance page.
        r.performanceStatus = uint8_t(status);
        r.performance[0].frameLoss = 0xFFFFFFFEu;
        r.performance[0].frames = frames;
        const Y1564ResultsView p = y1564ResultsView(&s, &r, 0);
        QCOMPARE(p.perf1[PerfRowFl][1], count);
        QCOMPARE(p.perf1[PerfRowFlr][1], ratio);
    }

    void performancePage()
    {
        y1564_settings_t s = settings();
        y1564_results_t r = results();
        r.performanceStatus = StatusOk;
        y1564_result_entry_t &p = r.performance[0];
        p.failures = Y1564FailFdv | Y1564FailAvail;
        p.irMin = 123456789;
        p.irAvg = 100000000;
        p.irMax = 4294967295u;
        p.ftdMin = 1000;
        p.fdvMax = 2000000;
        p.frames = 1000000;
        p.frameLoss = 3;
        p.available = 3599;
        p.unavailable = 1;
        const Y1564ResultsView v = y1564ResultsView(&s, &r, 0);
        QCOMPARE(v.performanceStatus, QString("OK"));
        QCOMPARE(v.perf1[PerfRowFl][0], QString("OK"));
        QCOMPARE(v.perf1[PerfRowFl][1], QString("3"));
        QCOMPARE(v.perf1[PerfRowFlr][1], QString("0.00000"));
        QCOMPARE(v.perf1[PerfRowAvail][0], QString("Error"));
        QCOMPARE(v.perf1[PerfRowAvail][1], QString("3599"));
        QCOMPARE(v.perf1[PerfRowAvailPercent][1], QString("99.972"));
        QCOMPARE(v.perf2[PerfRowIr][0], QString("OK"));
        QCOMPARE(v.perf2[PerfRowIr][1], QString("123.457 Mbps"));
        QCOMPARE(v.perf2[PerfRowIr][2], QString("100.000 Mbps"));
        QCOMPARE(v.perf2[PerfRowIr][3], QString("4294.967 Mbps"));
        QCOMPARE(v.perf2[PerfRowFtd][1], QString("1.000 us"));
        QCOMPARE(v.perf2[PerfRowFdv][0], QString("Error"));
        QCOMPARE(v.perf2[PerfRowFdv][3], QString("2.000 ms"));

        // Running: every state is the common one, with the record's values.
        r.performanceStatus = StatusRunning;
        const Y1564ResultsView running = y1564ResultsView(&s, &r, 0);
        QCOMPARE(running.perf1[PerfRowAvail][0], QString("Running"));
        QCOMPARE(running.perf2[PerfRowFdv][0], QString("Running"));
        QCOMPARE(running.perf1[PerfRowAvail][1], QString("3599"));

        // An inactive stream keeps the common state but shows nothing.
        const Y1564ResultsView inactive = y1564ResultsView(&s, &r, 2);
        QCOMPARE(inactive.performanceStatus, QString("Running"));
        QCOMPARE(inactive.perf1[PerfRowFl][0], QString("Off"));
        QCOMPARE(inactive.perf2[PerfRowIr][1], QString("-"));

        // Performance test off: everything off.
        s.flags &= uint8_t(~Y1564FlagPerformanceTest);
        const Y1564ResultsView noTest = y1564ResultsView(&s, &r, 0);
        QCOMPARE(noTest.performanceStatus, QString("Off"));
        QCOMPARE(noTest.perf1[PerfRowAvailPercent][1], QString("-"));
    }

    void availability_data()
    {
        QTest::addColumn<uint>("available");
        QTest::addColumn<uint>("unavailable");
        QTest::addColumn<QString>("percent");
        QTest::newRow("3599 of 3600") << 3599u << 1u << "99.972";
        QTest::newRow("all available") << 100u << 0u << "100.000";
        QTest::newRow("none available") << 0u << 5u << "0.000";
        QTest::newRow("nothing counted") << 0u << 0u << "-";
        // Counters near 2^32: the sum must neither wrap to 0 nor overflow.
        QTest::newRow("sum beyond 32 bits") << 0xFFFFFFFFu << 1u << "100.000";
        QTest::newRow("both at the top") << 0xFFFFFFFFu << 0xFFFFFFFFu << "50.000";
        QTest::newRow("available times 100 beyond 32 bits") << 50000000u << 50000000u << "50.000";
    }
    void availability()
    {
        QFETCH(uint, available);
        QFETCH(uint, unavailable);
        QFETCH(QString, percent);
        QCOMPARE(y1564AvailabilityPercent(available, unavailable), percent);
    }

    void runTimes()
    {
        y1564_settings_t s = settings();
        y1564_results_t r = results();
        r.startTime = 1000;
        r.currentTime = 1060;
        r.plannedDuration = 3661;
        Y1564ResultsView v = y1564ResultsView(&s, &r, 0);
        QCOMPARE(v.elapsed, QString("00:01:00"));
        QCOMPARE(v.remaining, QString("01:00:01"));
        r.currentTime = 5000;
        v = y1564ResultsView(&s, &r, 0);
        QCOMPARE(v.remaining, QString("00:00:00"));
        // A tester clock behind the start counts as no time passed, not as
        // a wrapped four-billion-second run.
        r.currentTime = 999;
        v = y1564ResultsView(&s, &r, 0);
        QCOMPARE(v.elapsed, QString("00:00:00"));
        QCOMPARE(v.remaining, QString("01:01:01"));
    }

    void streamIndexIsBounded()
    {
        y1564_settings_t s = settings();
        y1564_results_t r = results();
        r.config[3][3].frameLoss = 42;
        s.streams[3].active = 1;
        QCOMPARE(y1564ResultsView(&s, &r, 9).loss[3][1], QString("42"));
        QCOMPARE(y1564ResultsView(&s, &r, -1).loss[3][1], QString("0"));
    }

    void link_data()
    {
        QTest::addColumn<int>("up");
        QTest::addColumn<int>("medium");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("duplex");
        QTest::addColumn<QString>("speedText");
        QTest::addColumn<QString>("duplexText");
        QTest::addColumn<QString>("interfaceText");
        QTest::newRow("down") << 0 << 1 << 2 << 1 << "-" << "-" << "-";
        QTest::newRow("gigabit copper") << 1 << 0 << 2 << 1 << "1000 Mbps" << "FDX" << "1000BASE-T";
        QTest::newRow("100 fibre half") << 1 << 1 << 1 << 0 << "100 Mbps" << "HDX" << "100BASE-X";
        QTest::newRow("10") << 1 << 5 << 0 << 7 << "10 Mbps" << "FDX" << "10BASE-T";
        QTest::newRow("unknown speed") << 1 << 1 << 3 << 0 << " Mbps" << "HDX" << "BASE-X";
    }
    void link()
    {
        QFETCH(int, up);
        QFETCH(int, medium);
        QFETCH(int, speed);
        QFETCH(int, duplex);
        QFETCH(QString, speedText);
        QFETCH(QString, duplexText);
        QFETCH(QString, interfaceText);
        const port_link_t l{uint8_t(up), uint8_t(medium), uint8_t(speed), uint8_t(duplex)};
        const Y1564LinkView v = y1564LinkView(l);
        QCOMPARE(v.speed, speedText);
        QCOMPARE(v.duplex, duplexText);
        QCOMPARE(v.interfaceType, interfaceText);
    }

    void syncText_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("active");
        QTest::addColumn<int>("correct");
        QTest::addColumn<QString>("text");
        QTest::newRow("ntp, all correct") << 2 << 1 << 3 << "sync NTP, active, NTP correct, RF correct";
        QTest::newRow("unknown source") << 9 << 2 << 0 << ", inactive, NTP not correct, RF not correct";
        QTest::newRow("none") << 0 << 0 << 1 << "no sync, inactive, NTP correct, RF not correct";
        QTest::newRow("ptp") << 1 << 1 << 2 << "sync PTP, active, NTP not correct, RF correct";
        QTest::newRow("ntp2") << 3 << 1 << 0 << "sync NTP2, active, NTP not correct, RF not correct";
        QTest::newRow("1pps, high bits ignored") << 4 << 1 << 0xFC << "sync 1PPS, active, NTP not correct, RF not correct";
    }
    void syncText()
    {
        QFETCH(int, status);
        QFETCH(int, active);
        QFETCH(int, correct);
        QFETCH(QString, text);
        QCOMPARE(y1564SyncStatusText(uint8_t(status), uint8_t(active), uint8_t(correct)), text);
    }
};

QTEST_MAIN(TestY1564Format)
#include "tst_y1564format.moc"
