// The texts of the SFP module panel and the optical report, computed from
// one sfp_info_t: text fields, date code, wavelength, temperature and the
// powers in mW and dBm, also for records a module or the wire got wrong.

#include "records.h"
#include "sfpformat.h"
#include "simsfp.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

const SfpUnits Units{QStringLiteral("nm"), QStringLiteral("mW"), QStringLiteral("dBm")};

sfp_info_t module()
{
    sfp_info_t m = sfpModuleWithDdm();
    m.rxPower = 0.5f;
    return m;
}

const float NaN = std::numeric_limits<float>::quiet_NaN();
const float Inf = std::numeric_limits<float>::infinity();

} // namespace

class TestSfpFormat : public QObject
{
    Q_OBJECT

private slots:
    void power_data()
    {
        QTest::addColumn<float>("mW");
        QTest::addColumn<QString>("milliwatts");
        QTest::addColumn<QString>("decibels");
        QTest::newRow("half a milliwatt") << 0.5f << "0.5000 mW" << "-3.01 dBm";
        QTest::newRow("one milliwatt") << 1.0f << "1.0000 mW" << "0.00 dBm";
        QTest::newRow("-3 dBm") << 0.5012f << "0.5012 mW" << "-3.00 dBm";
        QTest::newRow("two milliwatts") << 2.0f << "2.0000 mW" << "3.01 dBm";
        QTest::newRow("a microwatt") << 0.001f << "0.0010 mW" << "-30.00 dBm";
        QTest::newRow("below four decimals") << 0.00001f << "0.0000 mW" << "-50.00 dBm";
        QTest::newRow("exactly 0") << 0.0f << "0.0000 mW" << "0.00 dBm";
        QTest::newRow("minus 0") << -0.0f << "0.0000 mW" << "0.00 dBm";
        QTest::newRow("negative reads as 0") << -0.25f << "0.0000 mW" << "0.00 dBm";
        QTest::newRow("smallest float") << std::numeric_limits<float>::denorm_min() << "0.0000 mW"
                                        << "-448.53 dBm";
        QTest::newRow("NaN") << NaN << "-" << "-";
        QTest::newRow("infinite") << Inf << "-" << "-";
        QTest::newRow("minus infinite") << -Inf << "-" << "-";
    }
    void power()
    {
        QFETCH(float, mW);
        QFETCH(QString, milliwatts);
        QFETCH(QString, decibels);
        QCOMPARE(sfpPowerText(mW, Units.mW), milliwatts);
        QCOMPARE(sfpPowerDbmText(mW, Units.dBm), decibels);
        QVERIFY(!decibels.contains(QLatin1String("nan"), Qt::CaseInsensitive));
        QVERIFY(!decibels.contains(QLatin1String("inf"), Qt::CaseInsensitive));
    }

    void temperature_data()
    {
        QTest::addColumn<float>("celsius");
        QTest::addColumn<QString>("text");
        QTest::newRow("36.5") << 36.5f << QString::fromUtf8("36.5 °C");
        QTest::newRow("40") << 40.0f << QString::fromUtf8("40.0 °C");
        QTest::newRow("-5.5") << -5.5f << QString::fromUtf8("-5.5 °C");
        QTest::newRow("NaN") << NaN << "-";
        QTest::newRow("infinite") << Inf << "-";
    }
    void temperature()
    {
        QFETCH(float, celsius);
        QFETCH(QString, text);
        QCOMPARE(sfpTemperatureText(celsius), text);
    }

    void date_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("text");
        QTest::newRow("5 April 2023") << 5 << 4 << 23 << "05.04.2023";
        QTest::newRow("5 March 2015") << 5 << 3 << 15 << "05.03.2015";
        QTest::newRow("all zero") << 0 << 0 << 0 << "00.00.2000";
        QTest::newRow("three-digit day") << 123 << 4 << 23 << "123.04.2023";
        QTest::newRow("largest bytes") << 255 << 255 << 255 << "255.255.20255";
    }
    void date()
    {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, text);
        QCOMPARE(sfpDateText(uint8_t(day), uint8_t(month), uint8_t(year)), text);
    }

    void wavelength()
    {
        QCOMPARE(sfpWavelengthText(1310, Units.nm), QString("1310 nm"));
        QCOMPARE(sfpWavelengthText(0, Units.nm), QString("0 nm"));
        QCOMPARE(sfpWavelengthText(65535, QStringLiteral("нм")), QString::fromUtf8("65535 нм"));
    }

    void fieldText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ends at the NUL") << QByteArray("AB\0CD", 5) << "AB";
        QTest::newRow("empty") << QByteArray("\0XYZ", 4) << "";
        QTest::newRow("no NUL: the whole field") << QByteArray("ABCDE") << "ABCDE";
        QTest::newRow("UTF-8") << QByteArray("M\xC3\xBCller\0", 8) << QString::fromUtf8("Müller");
    }
    void fieldText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(sfpFieldText(bytes.constData(), bytes.size()), text);
    }

    void viewOfAModuleWithMonitoring()
    {
        const SfpInfoView v = sfpInfoView(module(), Units);
        QVERIFY(v.present);
        QVERIFY(v.ddm);
        QCOMPARE(v.vendor, QString("KORVEL OPTICS"));
        QCOMPARE(v.serialNumber, QString("PVD4Q2N"));
        QCOMPARE(v.revision, QString("A"));
        QCOMPARE(v.date, QString("05.04.2023"));
        QCOMPARE(v.partNumber, QString("KOP-1310-LX20"));
        QCOMPARE(v.wavelength, QString("1310 nm"));
        QCOMPARE(v.temperature, QString::fromUtf8("36.5 °C"));
        QCOMPARE(v.rxPower, QString("0.5000 mW"));
        QCOMPARE(v.rxPowerDBm, QString("-3.01 dBm"));
        QCOMPARE(v.txPower, QString("0.5012 mW"));
        QCOMPARE(v.txPowerDBm, QString("-3.00 dBm"));
    }

    void viewWithoutMonitoringHasNoValues()
    {
        sfp_info_t m = module();
        m.ddmAvailable = 0;
        const SfpInfoView v = sfpInfoView(m, Units);
        QVERIFY(v.present);
        QVERIFY(!v.ddm);
        QCOMPARE(v.vendor, QString("KORVEL OPTICS"));
        for (const QString &s : {v.temperature, v.rxPower, v.rxPowerDBm, v.txPower, v.txPowerDBm})
            QVERIFY(s.isEmpty());
    }

    // No module: whatever the other 79 bytes hold, nothing of them is read.
    void viewWithoutModuleIsEmpty()
    {
        sfp_info_t m;
        std::memset(&m, 0xA5, sizeof m);
        m.vendorName[0] = '\0';
        const SfpInfoView v = sfpInfoView(m, Units);
        QVERIFY(!v.present);
        QVERIFY(!v.ddm);
        for (const QString &s : {v.vendor, v.serialNumber, v.revision, v.date, v.partNumber, v.wavelength,
                                 v.temperature, v.rxPower, v.rxPowerDBm, v.txPower, v.txPowerDBm})
            QVERIFY(s.isEmpty());
    }

    // Text fields filled to the brim end at their own field, not in the next.
    void fullFieldsStayInTheirField()
    {
        sfp_info_t m = module();
        std::memset(m.vendorName, 'V', sizeof m.vendorName);
        std::memset(m.partNumber, 'P', sizeof m.partNumber);
        std::memset(m.revision, 'R', sizeof m.revision);
        std::memset(m.serialNumber, 'S', sizeof m.serialNumber);
        const SfpInfoView v = sfpInfoView(m, Units);
        QCOMPARE(v.vendor, QString(17, QLatin1Char('V')));
        QCOMPARE(v.partNumber, QString(17, QLatin1Char('P')));
        QCOMPARE(v.revision, QString(6, QLatin1Char('R')));
        QCOMPARE(v.serialNumber, QString(17, QLatin1Char('S')));
    }

    void unitsComeFromTheCaller()
    {
        const SfpUnits ru{QStringLiteral("нм"), QStringLiteral("мВт"), QStringLiteral("дБм")};
        const SfpInfoView v = sfpInfoView(module(), ru);
        QCOMPARE(v.wavelength, QString::fromUtf8("1310 нм"));
        QCOMPARE(v.rxPower, QString::fromUtf8("0.5000 мВт"));
        QCOMPARE(v.txPowerDBm, QString::fromUtf8("-3.00 дБм"));
    }
};

QTEST_GUILESS_MAIN(TestSfpFormat)
#include "tst_sfpformat.moc"
