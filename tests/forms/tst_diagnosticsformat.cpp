// The pure rules behind the link OAM, loopback, MDI and cable forms: code
// tables, kept codes, distances, delay factors, loss rates, address texts
// and the threshold change marker.

#include "../support/fieldstyle.h"
#include "cableformat.h"
#include "lbformat.h"
#include "mdiformat.h"
#include "oamformat.h"
#include "records.h"
#include "textfunctions.h"
#include "widgethelpers.h"

#include <QDoubleSpinBox>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

template <class T>
T zeroed()
{
    T r;
    std::memset(&r, 0, sizeof r);
    return r;
}

float bitsToFloat(uint32_t bits)
{
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

} // namespace

class TestDiagnosticsFormat : public QObject
{
    Q_OBJECT

private slots:
    // ---- OAM ----------------------------------------------------------------

    void oamModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("index");
        QTest::newRow("disabled") << 0 << 0;
        QTest::newRow("passive") << 1 << 1;
        QTest::newRow("active") << 2 << 2;
        QTest::newRow("unknown 3") << 3 << -1;
        QTest::newRow("negative") << -1 << -1;
        QTest::newRow("huge") << std::numeric_limits<int>::max() << -1;
    }
    void oamModes()
    {
        QFETCH(int, mode);
        QFETCH(int, index);
        QCOMPARE(oamModeIndex(mode), index);
        // Shown and written back unchanged; a chosen item replaces it.
        QCOMPARE(oamModeFromIndex(oamModeIndex(mode), mode), int32_t(mode));
        QCOMPARE(oamModeFromIndex(1, mode), int32_t(1));
    }

    void oamResults_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("remoteLb");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("unidirectional");
        QTest::addColumn<QString>("linkEvents");
        QTest::newRow("0x05") << 0x05 << "Supported" << "Active" << "Unsupported" << "Unsupported";
        QTest::newRow("none") << 0x00 << "Unsupported" << "Passive" << "Unsupported" << "Unsupported";
        QTest::newRow("all four") << 0x0F << "Supported" << "Active" << "Supported" << "Supported";
        QTest::newRow("high bits ignored") << 0xF2 << "Unsupported" << "Passive" << "Supported" << "Unsupported";
    }
    void oamResults()
    {
        QFETCH(int, flags);
        auto r = zeroed<oam_results_t>();
        r.present = 1;
        r.flags = uint8_t(flags);
        const uint8_t vendor[4] = {0x00, 0x1B, 0x2C, 0x3D};
        const uint8_t mac[6] = {0x00, 0x1B, 0x2C, 0x3D, 0x4E, 0xFF};
        memcpy(r.vendor, vendor, 4);
        memcpy(r.mac, mac, 6);
        const OamResultsView v = oamResultsView(&r);
        QCOMPARE(v.vendor, QString("00 1b 2c 3d "));
        QCOMPARE(v.mac, QString("00:1b:2c:3d:4e:ff"));
        QTEST(v.remoteLoopback, "remoteLb");
        QTEST(v.mode, "mode");
        QTEST(v.unidirectional, "unidirectional");
        QTEST(v.linkEvents, "linkEvents");
    }

    void oamNoResult()
    {
        auto r = zeroed<oam_results_t>();
        memset(&r, 0x5A, sizeof r);
        r.present = 0;
        for (const OamResultsView &v : {oamResultsView(&r), oamResultsView(nullptr)}) {
            for (const QString &text : {v.mac, v.vendor, v.remoteLoopback, v.mode, v.unidirectional, v.linkEvents})
                QCOMPARE(text, QString("-"));
        }
    }

    // ---- cable ---------------------------------------------------------------

    void cableDistance_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("metres");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("36 below zero") << 36 << 0;
        QTest::newRow("37") << 37 << 1;
        QTest::newRow("100") << 100 << 51;
        QTest::newRow("255") << 255 << 176;
    }
    void cableDistance()
    {
        QFETCH(int, raw);
        QTEST(cableDistanceMetres(uint8_t(raw)), "metres");
    }

    void cableStatus_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("good") << 0 << "Good";
        QTest::newRow("short") << 1 << "Short";
        QTest::newRow("open") << 2 << "Open";
        QTest::newRow("fault") << 3 << "Fault";
        QTest::newRow("immi") << 4 << "Mismatch";
        // Not wrapped round to "Good": an unknown state is no good pair.
        QTest::newRow("5") << 5 << "Unknown (5)";
        QTest::newRow("255") << 255 << "Unknown (255)";
    }
    void cableStatus()
    {
        QFETCH(int, status);
        QTEST(cableStatusText(uint8_t(status)), "text");
    }

    void cableTable()
    {
        auto r = zeroed<cable_results_t>();
        r.detailsValid = 1;
        r.abStraight = 0;
        r.cdStraight = 1;
        r.detail[1].polarity = 1;
        r.detail[1].latency = 3;
        r.detail[3].latency = 255;
        r.pair[0].status = CablePairGood;
        r.pair[0].distance = 200;
        r.pair[1].status = CablePairShort;
        r.pair[1].distance = 100;
        r.pair[2].status = 9;
        r.pair[2].distance = 37;
        r.pair[3].status = CablePairImmi;
        r.pair[3].distance = 255;
        const CableResultsView v = cableResultsView(&r);
        const QStringList rows[CableResultRows] = {
            {"Good", "Short", "Unknown (9)", "Mismatch"},
            {"...", "51", "1", "176"},
            {"B", "A", "C", "D"},
            {"+", "-", "+", "+"},
            {"0", "24", "0", "2040"},
        };
        for (int row = 0; row < CableResultRows; ++row) {
            for (int pair = 0; pair < CablePairCount; ++pair)
                QCOMPARE(v.cell[row][pair], rows[row].at(pair));
        }

        r.abStraight = 1;
        r.cdStraight = 0;
        const CableResultsView crossed = cableResultsView(&r);
        QCOMPARE(QStringList({crossed.cell[CableRowChannel][0], crossed.cell[CableRowChannel][1],
                              crossed.cell[CableRowChannel][2], crossed.cell[CableRowChannel][3]}),
                 QStringList({"A", "B", "D", "C"}));
    }

    void cableWithoutDetails()
    {
        auto r = zeroed<cable_results_t>();
        memset(&r, 0x77, sizeof r);
        r.detailsValid = 0;
        r.pair[0].status = CablePairShort;
        r.pair[0].distance = 100;
        const CableResultsView v = cableResultsView(&r);
        QCOMPARE(v.cell[CableRowStatus][0], QString("Short"));
        QCOMPARE(v.cell[CableRowLength][0], QString("51"));
        for (int pair = 0; pair < CablePairCount; ++pair) {
            for (int row : {CableRowChannel, CableRowPolarity, CableRowLatency})
                QCOMPARE(v.cell[row][pair], QString("..."));
        }

        const CableResultsView none = cableResultsView(nullptr);
        for (int row = 0; row < CableResultRows; ++row) {
            for (int pair = 0; pair < CablePairCount; ++pair)
                QCOMPARE(none.cell[row][pair], QString());
        }
    }

    // ---- MDI -----------------------------------------------------------------

    void mdiUnits_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("maximum");
        QTest::newRow("kbps") << 2 << 0 << 9999;
        QTest::newRow("Mbps") << 3 << 1 << 1000;
        QTest::newRow("percent is not listed") << 0 << -1 << 0;
        QTest::newRow("bps is not listed") << 1 << -1 << 0;
        QTest::newRow("unknown") << 200 << -1 << 0;
    }
    void mdiUnits()
    {
        QFETCH(int, code);
        QFETCH(int, index);
        QFETCH(int, maximum);
        QCOMPARE(mdiUnitIndex(uint8_t(code)), index);
        QCOMPARE(mdiRateMaximum(index), maximum);
        QCOMPARE(int(mdiUnitCode(index, uint8_t(code))), code);   // kept when not listed
        QCOMPARE(int(mdiUnitCode(MdiUnitIndexMbps, uint8_t(code))), 3);
    }

    void delayFactor_data()
    {
        QTest::addColumn<float>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("2.5 ms") << 0.0025f << "2.500 ms";
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("1.5 s") << 1.5f << "1.500 s";
        QTest::newRow("40 us") << 0.00004f << "40.000 us";
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << "-";
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << "-";
        QTest::newRow("beyond float once scaled") << 1e30f << "-";
    }
    void delayFactor()
    {
        QFETCH(float, seconds);
        QTEST(delayFactorText(seconds), "text");
    }

    void mlr_data()
    {
        QTest::addColumn<uint>("lost");
        QTest::addColumn<uint>("expected");
        QTest::addColumn<QString>("text");
        QTest::newRow("1/8") << 1u << 8u << "0.125";
        QTest::newRow("none lost") << 0u << 8u << "0.000";
        QTest::newRow("nothing expected") << 5u << 0u << "-";
        QTest::newRow("more lost than expected") << 9u << 8u << "1.125";
    }
    void mlr()
    {
        QFETCH(uint, lost);
        QFETCH(uint, expected);
        QTEST(mlrText(lost, expected), "text");
    }

    void mdiResults_data()
    {
        QTest::addColumn<uint>("start");
        QTest::addColumn<uint>("current");
        QTest::addColumn<uint>("estimate");
        QTest::addColumn<uint>("lost");
        QTest::addColumn<uint>("expected");
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<QString>("remaining");
        QTest::addColumn<QString>("rxFrames");
        QTest::newRow("past the estimate") << 100u << 160u << 50u << 1u << 8u << "00:01:00" << "00:00:00" << "7";
        QTest::newRow("running") << 1000u << 1010u << 3661u << 0u << 100u << "00:00:10" << "01:00:51" << "100";
        QTest::newRow("at the estimate") << 0u << 60u << 60u << 0u << 0u << "00:01:00" << "00:00:00" << "0";
        QTest::newRow("more lost than expected") << 0u << 0u << 0u << 9u << 8u << "00:00:00" << "00:00:00" << "0";
        // A clock that went backwards shows as the unsigned difference.
        QTest::newRow("clock backwards") << 10u << 9u << 60u << 0u << 1u << "1193046:28:15" << "00:00:00" << "1";
    }
    void mdiResults()
    {
        QFETCH(uint, start);
        QFETCH(uint, current);
        QFETCH(uint, estimate);
        QFETCH(uint, lost);
        QFETCH(uint, expected);
        auto r = zeroed<mdi_results_t>();
        r.status = StatusRunning;
        r.startTime = start;
        r.currentTime = current;
        r.estimate = estimate;
        r.delayFactor = 0.0025f;
        r.lostFrames = lost;
        r.expectedFrames = expected;
        r.rxRate = 125001;
        const MdiResultsView v = mdiResultsView(&r);
        QTEST(v.testTime, "elapsed");
        QTEST(v.passTime, "remaining");
        QTEST(v.value[MdiRowRxFrames], "rxFrames");
        QCOMPARE(v.status, QString("Running"));
        QCOMPARE(v.value[MdiRowDf], QString("2.500 ms"));
        QCOMPARE(v.value[MdiRowVrx], QString("1.000 Mbps"));
    }

    void mdiWithoutResults()
    {
        const MdiResultsView v = mdiResultsView(nullptr);
        for (const QString &text : {v.passTime, v.testTime, v.status, v.value[0], v.value[1], v.value[2], v.value[3]})
            QCOMPARE(text, QString("-"));
    }

    void mdiUnknownStatus()
    {
        auto r = zeroed<mdi_results_t>();
        r.status = 200;
        r.delayFactor = bitsToFloat(0x7FC00001u);   // a NaN from the wire
        const MdiResultsView v = mdiResultsView(&r);
        QCOMPARE(v.status, QString("Unknown status"));
        QCOMPARE(v.value[MdiRowDf], QString("-"));
    }

    // One step of the threshold field is always a change; values that show
    // the same number are not, also through the record's single precision.
    void mlrMarker_data()
    {
        QTest::addColumn<double>("shown");
        QTest::addColumn<float>("stored");
        QTest::addColumn<bool>("marked");
        QTest::newRow("same through float") << 0.00001 << 0.00001f << false;
        QTest::newRow("one step up at the bottom") << 0.00002 << 0.00001f << true;
        QTest::newRow("one step down near one") << 0.99998 << 0.99999f << true;
        QTest::newRow("one step up mid-range") << 0.12346 << 0.12345f << true;
        QTest::newRow("one step down mid-range") << 0.12345 << 0.12346f << true;
        QTest::newRow("same mid-range") << 0.12345 << 0.12345f << false;
        QTest::newRow("NaN stored") << 0.5 << std::numeric_limits<float>::quiet_NaN() << true;
    }
    void mlrMarker()
    {
        QFETCH(double, shown);
        QFETCH(float, stored);
        QFETCH(bool, marked);
        QDoubleSpinBox box;
        QCOMPARE(markChangedDouble(&box, shown, double(stored), MlrTolerance), marked);
        QCOMPARE(box.styleSheet(), marked ? fieldstyle::Blue : fieldstyle::Black);
    }

    // ---- loopback ------------------------------------------------------------

    void lbTos_data()
    {
        QTest::addColumn<int>("octet");
        QTest::addColumn<int>("tosIndex");
        QTest::addColumn<int>("precedence");
        QTest::newRow("nothing") << 0x00 << 0 << 0;
        QTest::newRow("bit 1 of the field") << 0x02 << 1 << 0;
        QTest::newRow("0100 with precedence 5, bit 0 set") << (5 << 5 | 4 << 1 | 1) << 3 << 5;
        QTest::newRow("1000") << (8 << 1) << 4 << 0;
        QTest::newRow("two bits: not listed") << (3 << 1) << -1 << 0;
        QTest::newRow("all bits") << 0xFF << -1 << 7;
    }
    void lbTos()
    {
        QFETCH(int, octet);
        QFETCH(int, tosIndex);
        QFETCH(int, precedence);
        QCOMPARE(lbTosIndex(uint8_t(octet)), tosIndex);
        QCOMPARE(lbPrecedence(uint8_t(octet)), precedence);
        // What is shown is written back byte for byte, bit 0 included.
        QCOMPARE(int(lbTosOctet(uint8_t(octet), tosIndex, precedence)), octet);
        // Choosing another item replaces only its own bits.
        QCOMPARE(int(lbTosOctet(uint8_t(octet), 2, precedence)), (octet & 0xE1) | (2 << 1));
        QCOMPARE(int(lbTosOctet(uint8_t(octet), tosIndex, (precedence + 1) % 8)) & 0xE0,
                 ((precedence + 1) % 8) << 5);
    }

    void lbTosIndexOutsideTheBox()
    {
        // No negative shift, no index past the box: the stored bits stay.
        QCOMPARE(int(lbTosOctet(0x2B, -1, -1)), 0x2B);
        QCOMPARE(int(lbTosOctet(0x2B, 5, 8)), 0x2B);
        QCOMPARE(int(lbTosOctet(0x2B, 99, -7)), 0x2B);
    }

    void lbDscp_data()
    {
        QTest::addColumn<int>("octet");
        QTest::addColumn<int>("index");
        QTest::newRow("AF11") << (10 << 2) << 0;
        QTest::newRow("EF") << (46 << 2) << 20;
        QTest::newRow("default") << 0 << 19;
        QTest::newRow("CS1") << (8 << 2) << 12;
        QTest::newRow("code 7 not in the table") << (7 << 2) << -1;
        QTest::newRow("code 63 not in the table") << 0xFC << -1;
        QTest::newRow("AF11 with low bits") << (10 << 2 | 1) << 0;
    }
    void lbDscp()
    {
        QFETCH(int, octet);
        QFETCH(int, index);
        QCOMPARE(lbDscpIndex(uint8_t(octet)), index);
        QCOMPARE(int(lbDsOctet(uint8_t(octet), index)), octet);      // kept
        QCOMPARE(int(lbDsOctet(uint8_t(octet), 20)), index == 20 ? octet : 46 << 2);
        QCOMPARE(int(lbDsOctet(uint8_t(octet), -1)), octet);
        QCOMPARE(int(lbDsOctet(uint8_t(octet), DscpTableSize)), octet);
    }

    void lbFlagsAndModes()
    {
        QCOMPARE(int(lbFlag(0, false)), 0);
        QCOMPARE(int(lbFlag(0, true)), 1);
        QCOMPARE(int(lbFlag(1, false)), 0);
        QCOMPARE(int(lbFlag(7, true)), 7);     // read as set, kept while still set
        QCOMPARE(int(lbFlag(7, false)), 0);

        QCOMPARE(int(lbQosMode(0, false, false)), 0);
        QCOMPARE(int(lbQosMode(0, true, false)), 1);
        QCOMPARE(int(lbQosMode(1, false, true)), 2);
        QCOMPARE(int(lbQosMode(2, false, false)), 0);
        QCOMPARE(int(lbQosMode(9, false, false)), 9);  // a mode the groups cannot show
        QCOMPARE(int(lbQosMode(9, true, false)), 1);
    }

    void addressTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("mac");
        QTest::addColumn<bool>("ip");
        QTest::newRow("mac") << "00:1b:2C:3d:4e:5f" << true << false;
        QTest::newRow("mac with dashes") << "00-1B-2C-3D-4E-5F" << true << false;
        QTest::newRow("mac, one group short") << "00:1b:2c:3d:4e" << false << false;
        QTest::newRow("mac with a newline") << "00:1b:2c:3d:4e:5f\n" << false << false;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("ip") << "192.168.0.2" << false << true;
        QTest::newRow("ip 255") << "255.255.255.255" << false << true;
        QTest::newRow("ip 256") << "256.1.1.1" << false << false;
        QTest::newRow("ip, three parts") << "10.0.1" << false << false;
        QTest::newRow("ip, trailing dot") << "10.0.1.2." << false << false;
    }
    void addressTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, mac);
        QFETCH(bool, ip);
        QCOMPARE(isMacText(text), mac);
        QCOMPARE(isIpText(text), ip);
        QCOMPARE(completeMacOr(text), mac ? text : QString("00:00:00:00:00:00"));
        QCOMPARE(completeIpOr(text, LbDefaultIpDst), ip ? text : QString("192.168.0.2"));
        // The edits' validators accept what Apply keeps.
        QCOMPARE(QRegExp(macAddressPattern()).exactMatch(text), mac);
        QCOMPARE(QRegExp(ipAddressPattern()).exactMatch(text), ip);
    }

    void patternsAreTheEditors()
    {
        QCOMPARE(macAddressPattern(), QString("^([0-9A-Fa-f]{2}[:-]){5}([0-9A-Fa-f]{2})$"));
        QCOMPARE(ipAddressPattern().size(), 172);
        QVERIFY(ipAddressPattern().startsWith("^(?:[0-1]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])\\.(?:"));
    }
};

QTEST_MAIN(TestDiagnosticsFormat)
#include "tst_diagnosticsformat.moc"
