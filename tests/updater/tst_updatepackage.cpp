#include "updatepackage.h"

#include <QtEndian>
#include <QtTest>

namespace {

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, reinterpret_cast<uchar *>(b.data()));
    return b;
}

const QByteArray Magic = QByteArray::fromHex("42EEFFC0");

QByteArray header(quint8 type, quint32 c, quint32 f, quint32 s)
{
    return Magic + QByteArray(1, char(type)) + le32(c) + le32(f) + le32(s);
}

} // namespace

using Error = UpdatePackage::Error;
Q_DECLARE_METATYPE(UpdatePackage::Error)

class TestUpdatePackage : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void remoteLinkNeedsOnlyCpuAndFpga();
};

void TestUpdatePackage::parse_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Error>("error");
    QTest::addColumn<QByteArray>("cpu");
    QTest::addColumn<QByteArray>("fpga");
    QTest::addColumn<QByteArray>("fs");
    QTest::addColumn<bool>("gpsSection");
    QTest::addColumn<bool>("writeGps");
    QTest::addColumn<QByteArray>("gps");

    const QByteArray body = header(6, 3, 2, 4) + "CCC" + "FF" + "SSSS";
    const QByteArray none;

    QTest::newRow("header only") << header(6, 0, 0, 0) << Error::None << none << none << none << false << false << none;
    QTest::newRow("three images") << body << Error::None << QByteArray("CCC") << QByteArray("FF") << QByteArray("SSSS")
                                  << false << false << none;
    QTest::newRow("16 bytes") << header(6, 0, 0, 0).left(16) << Error::TooShort << none << none << none << false
                              << false << none;
    QTest::newRow("empty file") << QByteArray() << Error::TooShort << none << none << none << false << false << none;
    QTest::newRow("bad magic") << QByteArray::fromHex("42EEFFC1") + body.mid(4) << Error::BadMagic << none << none
                               << none << false << false << none;
    QTest::newRow("cpu past end") << header(6, 100, 0, 0) + "CCC" << Error::Truncated << none << none << none << false
                                  << false << none;
    QTest::newRow("fs one byte short") << body.left(body.size() - 1) << Error::Truncated << none << none << none
                                       << false << false << none;
    // In 32-bit arithmetic 0xFFFFFFFF + 2 + 0 wraps to 1 and would fit.
    QTest::newRow("sizes wrap in 32 bits") << header(6, 0xFFFFFFFFu, 2, 0) + "xyz" << Error::Truncated << none << none
                                           << none << false << false << none;
    QTest::newRow("fs size near 4 GiB") << header(6, 0, 0, 0xFFFFFFF0u) + "x" << Error::Truncated << none << none
                                        << none << false << false << none;

    QTest::newRow("gps image is the rest") << body + Magic + '\0' + le32(2) + "GGGGG" << Error::None
                                           << QByteArray("CCC") << QByteArray("FF") << QByteArray("SSSS") << true
                                           << true << QByteArray("GGGGG");
    QTest::newRow("gps flag set") << body + Magic + '\1' + le32(5) + "GGGGG" << Error::None << QByteArray("CCC")
                                  << QByteArray("FF") << QByteArray("SSSS") << true << false << QByteArray("GGGGG");
    QTest::newRow("gps header alone") << body + Magic + '\0' << Error::None << QByteArray("CCC") << QByteArray("FF")
                                      << QByteArray("SSSS") << true << true << none;
    QTest::newRow("4 bytes after fs") << body + Magic << Error::None << QByteArray("CCC") << QByteArray("FF")
                                      << QByteArray("SSSS") << false << false << none;
    QTest::newRow("no magic after fs") << body + "XXXX" + '\0' + "GG" << Error::None << QByteArray("CCC")
                                       << QByteArray("FF") << QByteArray("SSSS") << false << false << none;
}

void TestUpdatePackage::parse()
{
    QFETCH(QByteArray, file);
    QFETCH(Error, error);

    UpdatePackage p;
    p.cpu = "stale";
    QCOMPARE(UpdatePackage::parse(file, p, true), error);
    if (error != Error::None) {
        QVERIFY(p.cpu.isEmpty());   // nothing of an earlier parse survives a refusal
        return;
    }
    QFETCH(QByteArray, cpu);
    QFETCH(QByteArray, fpga);
    QFETCH(QByteArray, fs);
    QFETCH(bool, gpsSection);
    QFETCH(bool, writeGps);
    QFETCH(QByteArray, gps);
    QCOMPARE(int(p.deviceType), 6);
    QCOMPARE(p.cpu, cpu);
    QCOMPARE(p.fpga, fpga);
    QCOMPARE(p.fs, fs);
    QCOMPARE(p.hasGpsSection, gpsSection);
    QCOMPARE(p.writeGps(), writeGps);
    QCOMPARE(p.gps, gps);
}

void TestUpdatePackage::remoteLinkNeedsOnlyCpuAndFpga()
{
    const QByteArray cut = header(2, 3, 2, 1000) + "CCC" + "FF" + "S";
    UpdatePackage p;
    QCOMPARE(UpdatePackage::parse(cut, p, false), Error::None);
    QCOMPARE(p.cpu, QByteArray("CCC"));
    QCOMPARE(p.fpga, QByteArray("FF"));
    QVERIFY(p.fs.isEmpty());
    QVERIFY(!p.hasGpsSection);
    QCOMPARE(UpdatePackage::parse(cut, p, true), Error::Truncated);
    QCOMPARE(UpdatePackage::parse(cut.left(17 + 4), p, false), Error::Truncated);
}

QTEST_GUILESS_MAIN(TestUpdatePackage)
#include "tst_updatepackage.moc"
