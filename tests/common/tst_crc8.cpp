#include "crc8.h"

#include <QtTest>

class TestCrc8 : public QObject
{
    Q_OBJECT

private slots:
    void knownValues_data();
    void knownValues();
    void continuesAcrossBuffers();
    void emptyBufferKeepsStart();
    void singleBitErrorsAreSeen();
};

void TestCrc8::knownValues_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("crc");

    QTest::newRow("check value") << QByteArray("123456789") << 0xA1;
    // Length field and payload of the frames the tester sees most.
    QTest::newRow("empty frame header") << QByteArray::fromHex("0000") << 0x00;
    QTest::newRow("device info request") << QByteArray::fromHex("01000f") << 0xEA;
    QTest::newRow("status request") << QByteArray::fromHex("010000") << 0xAB;
    QTest::newRow("one byte 0x01") << QByteArray::fromHex("01") << 0x5E;
    QTest::newRow("one byte 0xff") << QByteArray::fromHex("ff") << 0x35;
}

void TestCrc8::knownValues()
{
    QFETCH(QByteArray, data);
    QFETCH(int, crc);
    QCOMPARE(int(crc8(data.constData(), data.size())), crc);
}

void TestCrc8::continuesAcrossBuffers()
{
    QByteArray data;
    for (int i = 0; i < 300; ++i)
        data.append(char((i * 37 + 11) & 0xFF));
    const quint8 whole = crc8(data.constData(), data.size());
    for (int split = 0; split <= data.size(); split += 7) {
        const quint8 first = crc8(data.constData(), split);
        QCOMPARE(crc8(data.constData() + split, data.size() - split, first), whole);
    }
}

void TestCrc8::emptyBufferKeepsStart()
{
    QCOMPARE(crc8(nullptr, 0, 0x5A), quint8(0x5A));
    QCOMPARE(crc8("", 0), quint8(0));
}

void TestCrc8::singleBitErrorsAreSeen()
{
    QByteArray data("\x05\x00\x12\x00\x02\x30\x41", 7);
    const quint8 good = crc8(data.constData(), data.size());
    for (int byte = 0; byte < data.size(); ++byte) {
        for (int bit = 0; bit < 8; ++bit) {
            QByteArray bad = data;
            bad[byte] = char(bad.at(byte) ^ (1 << bit));
            QVERIFY2(crc8(bad.constData(), bad.size()) != good,
                     qPrintable(QStringLiteral("byte %1 bit %2").arg(byte).arg(bit)));
        }
    }
}

QTEST_GUILESS_MAIN(TestCrc8)
#include "tst_crc8.moc"
