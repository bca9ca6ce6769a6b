// The SFP module panel through its real widgets, offscreen: what one record
// shows, what a missing module or missing monitoring leaves behind, the
// panel title, the language switch and the fit of its texts.

#include "../support/textfit.h"
#include "../support/widgetlookup.h"
#include "sfpinfowidget.h"
#include "simsfp.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <cstring>
#include <limits>

namespace {

// The longest texts a module realistically gives: every text field at its
// 16 characters, a cold module, a weak receiver and a strong transmitter.
sfp_info_t longestModule()
{
    sfp_info_t m = sfpModuleWithDdm();
    setSfpText(m.vendorName, "OPTOWAY TECH INC");
    setSfpText(m.partNumber, "SPS-43048H-CP-LD");
    setSfpText(m.revision, "10.01");
    setSfpText(m.serialNumber, "G2107150012ABCDE");
    m.wavelength = 1550;
    m.temperature = -40.0f;
    m.rxPower = 0.0001f;
    m.txPower = 8.8888f;
    return m;
}

const char *const ValueFields[] = {"vendor", "serialNumber", "revision", "date", "partNumber", "wavelength",
                                   "temperature", "rxPower", "rxPowerDBm", "txPower", "txPowerDBm"};

} // namespace

class TestSfpInfoWidget : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SFPInfoWidget> panel;

    QString field(const char *name) { return findWidget<QLineEdit>(panel.get(), name)->text(); }
    QGroupBox *group(const char *name) { return findWidget<QGroupBox>(panel.get(), name); }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(vyrremote_translations);
    }

    void init()
    {
        panel.reset(new SFPInfoWidget);
        panel->show();
    }

    void cleanup()
    {
        panel.reset();
    }

    void startsEmptyAsPanelA()
    {
        QCOMPARE(group("groupInfo")->title(), QString("SFP module A"));
        for (const char *name : ValueFields) {
            QVERIFY2(field(name).isEmpty(), name);
            QVERIFY2(findWidget<QLineEdit>(panel.get(), name)->isReadOnly(), name);
        }
    }

    void showsAModule()
    {
        const sfp_info_t m = sfpModuleWithDdm();
        panel->setInfo(&m);
        QCOMPARE(field("vendor"), QString("KORVEL OPTICS"));
        QCOMPARE(field("serialNumber"), QString("PVD4Q2N"));
        QCOMPARE(field("revision"), QString("A"));
        QCOMPARE(field("date"), QString("05.04.2023"));
        QCOMPARE(field("partNumber"), QString("KOP-1310-LX20"));
        QCOMPARE(field("wavelength"), QString("1310 nm"));
        QCOMPARE(field("temperature"), QString::fromUtf8("36.5 °C"));
        QCOMPARE(field("rxPower"), QString("0.3981 mW"));
        QCOMPARE(field("rxPowerDBm"), QString("-4.00 dBm"));
        QCOMPARE(field("txPower"), QString("0.5012 mW"));
        QCOMPARE(field("txPowerDBm"), QString("-3.00 dBm"));
    }

    void powersThatHaveNoLogarithm_data()
    {
        QTest::addColumn<float>("power");
        QTest::addColumn<QString>("mW");
        QTest::addColumn<QString>("dBm");
        QTest::newRow("0 mW") << 0.0f << "0.0000 mW" << "0.00 dBm";
        QTest::newRow("negative") << -1.5f << "0.0000 mW" << "0.00 dBm";
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << "-" << "-";
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << "-" << "-";
    }
    void powersThatHaveNoLogarithm()
    {
        QFETCH(float, power);
        QFETCH(QString, mW);
        QFETCH(QString, dBm);
        sfp_info_t m = sfpModuleWithDdm();
        m.rxPower = power;
        m.txPower = power;
        panel->setInfo(&m);
        QCOMPARE(field("rxPower"), mW);
        QCOMPARE(field("rxPowerDBm"), dBm);
        QCOMPARE(field("txPower"), mW);
        QCOMPARE(field("txPowerDBm"), dBm);
    }

    // A power field holds ten characters, the temperature sixteen: a cut
    // unit is harmless, but a number that does not fit shows "-" rather
    // than fewer digits.
    void valuesLongerThanTheirField_data()
    {
        QTest::addColumn<float>("temperature");
        QTest::addColumn<float>("power");
        QTest::addColumn<QString>("temperatureText");
        QTest::addColumn<QString>("mW");
        QTest::addColumn<QString>("dBm");
        QTest::newRow("unit cut") << 36.5f << 12345.678f << QString::fromUtf8("36.5 °C") << "12345.6777"
                                  << "40.92 dBm";
        QTest::newRow("tiny power: dBm unit cut") << 36.5f << 1e-30f << QString::fromUtf8("36.5 °C")
                                                  << "0.0000 mW" << "-300.00 dB";
        QTest::newRow("numbers too long") << 1e30f << 123456.0f << "-" << "-" << "50.92 dBm";
    }
    void valuesLongerThanTheirField()
    {
        QFETCH(float, temperature);
        QFETCH(float, power);
        QFETCH(QString, temperatureText);
        QFETCH(QString, mW);
        QFETCH(QString, dBm);
        sfp_info_t m = sfpModuleWithDdm();
        m.temperature = temperature;
        m.txPower = power;
        panel->setInfo(&m);
        QCOMPARE(field("temperature"), temperatureText);
        QCOMPARE(field("txPower"), mW);
        QCOMPARE(field("txPowerDBm"), dBm);
    }

    // Whatever the other 79 bytes hold, a module without a vendor name is
    // no module, and nothing of the record before it stays on show.
    void noModuleClearsEverything()
    {
        const sfp_info_t before = sfpModuleWithDdm();
        panel->setInfo(&before);
        sfp_info_t m;
        std::memset(&m, 0x41, sizeof m);
        m.vendorName[0] = '\0';
        panel->setInfo(&m);
        QCOMPARE(field("vendor"), QString("no SFP module"));
        for (const char *name : ValueFields) {
            if (qstrcmp(name, "vendor") != 0)
                QVERIFY2(field(name).isEmpty(), name);
        }
    }

    void noMonitoringLeavesNoOldPower()
    {
        const sfp_info_t before = sfpModuleWithDdm();
        panel->setInfo(&before);
        sfp_info_t m = sfpModuleWithDdm();
        m.ddmAvailable = 0;
        m.rxPower = 1.0f;
        panel->setInfo(&m);
        QCOMPARE(field("vendor"), QString("KORVEL OPTICS"));
        QCOMPARE(field("temperature"), QString("not available"));
        for (const char *name : {"rxPower", "rxPowerDBm", "txPower", "txPowerDBm"})
            QVERIFY2(field(name).isEmpty(), name);
    }

    void nullRecordChangesNothing()
    {
        const sfp_info_t m = sfpModuleWithDdm();
        panel->setInfo(&m);
        panel->setInfo(nullptr);
        QCOMPARE(field("vendor"), QString("KORVEL OPTICS"));
    }

    void title_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::newRow("0") << 0 << "SFP module A";
        QTest::newRow("1") << 1 << "SFP module B";
        QTest::newRow("7") << 7 << "SFP module B";
        QTest::newRow("-1") << -1 << "SFP module B";
    }
    void title()
    {
        QFETCH(int, index);
        QFETCH(QString, title);
        panel->setPanelIndex(index);
        QCOMPARE(group("groupInfo")->title(), title);
    }

    void monitoringGroupIsTheOwnersToShow()
    {
        panel->setDdmVisible(false);
        QVERIFY(group("groupDDM")->isHidden());
        const sfp_info_t m = sfpModuleWithDdm();
        panel->setInfo(&m);
        QVERIFY(group("groupDDM")->isHidden());
        QCOMPARE(field("rxPower"), QString("0.3981 mW"));
        panel->setDdmVisible(true);
        QVERIFY(!group("groupDDM")->isHidden());
    }

    // Labels, title and the words in the value fields follow the language.
    void retranslateRedrawsTheRecord()
    {
        panel->setPanelIndex(1);
        sfp_info_t m = sfpModuleWithDdm();
        m.ddmAvailable = 0;
        panel->setInfo(&m);
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        QVERIFY(languages.use("ru"));
        panel->retranslate();
        const auto tr = [](const char *text) { return QCoreApplication::translate("SFPInfoWidget", text); };
        QVERIFY(tr("not available") != QLatin1String("not available"));
        QCOMPARE(group("groupInfo")->title(), tr("SFP module") + " B");
        QCOMPARE(findWidget<QLabel>(panel.get(), "labelVendor")->text(), tr("Vendor"));
        QCOMPARE(group("groupDDM")->title(), tr("Monitoring (DDM)"));
        QCOMPARE(field("temperature"), tr("not available"));
        QCOMPARE(field("wavelength"), "1310 " + tr("nm"));
        languages.removeAll();
        panel->retranslate();
        QCOMPARE(group("groupInfo")->title(), QString("SFP module B"));
        QCOMPARE(field("temperature"), QString("not available"));
    }

    void textsFit_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("longest module") << 0;
        QTest::newRow("no monitoring") << 1;
        QTest::newRow("no module") << 2;
    }
    void textsFit()
    {
        QFETCH(int, kind);
        sfp_info_t m = longestModule();
        if (kind == 1)
            m.ddmAvailable = 0;
        if (kind == 2)
            m.vendorName[0] = '\0';
        panel->setInfo(&m);
        TextFitLanguages languages({":/VyrRemote", ":/qt"});
        const QStringList reports = textFitInAllLanguages(panel.get(), languages, [&] { panel->retranslate(); });
        QVERIFY(languages.use("ru"));
        panel->retranslate();
        QVERIFY(textfit::savePicture(panel.get(), QStringLiteral("sfppanel_%1.png").arg(kind)));
        languages.removeAll();
        QVERIFY2(reports.isEmpty(), qPrintable(reports.join('\n')));
    }
};

QTEST_MAIN(TestSfpInfoWidget)
#include "tst_sfpinfowidget.moc"
