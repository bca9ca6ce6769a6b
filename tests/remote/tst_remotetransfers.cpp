// The bulk transfers of RemoteControl: file contents in chunks, the screen
// image, and the update package written through the remote link.

#include "remoterig.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

namespace {

QByteArray le32(quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray image(int size, int seed)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 7 + seed + i / 256) & 0xFF);
    return b;
}

QByteArray package(const QByteArray &cpu, const QByteArray &fpga)
{
    return le32(0xC0FFEE42u) + QByteArray(1, '\x06') + le32(quint32(cpu.size())) + le32(quint32(fpga.size()))
        + le32(0) + cpu + fpga;
}

quint32 u32At(const QByteArray &b, int offset)
{
    return qFromLittleEndian<quint32>(b.constData() + offset);
}

QStringList texts(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &args : spy)
        out << args.at(0).toString();
    return out;
}

QList<int> phasesOf(SimRemoteResponder &r)
{
    QList<int> out;
    for (const SimRemoteResponder::Phase &p : r.phases)
        out << p.phase;
    return out;
}

} // namespace

class TestRemoteTransfers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fileReadInChunks_data();
    void fileReadInChunks();
    void fileThatCannotBeOpened();
    void shortChunkFailsTheRead();
    void replyTooShortToMeanAnything_data();
    void replyTooShortToMeanAnything();
    void uniformScreenInTwoRequests();
    void screenColoursDecoded();
    void surplusPixelsDropped();
    void emptyRepliesEndTheScreenshot();
    void emptyRectangleNeedsNoRequest();
    void packageWritten();
    void packageWithoutCpuImage();
    void progressReachesHundredAndNoMore_data();
    void progressReachesHundredAndNoMore();
    void brokenPackageSendsNothing_data();
    void brokenPackageSendsNothing();
    void refusedBlockFailsImage_data();
    void refusedBlockFailsImage();
    void refusedStartOrFinishIsFailure_data();
    void refusedStartOrFinishIsFailure();
    void unansweredFinish();

private:
    RemoteRig *rig = nullptr;
};

void TestRemoteTransfers::init()
{
    rig = new RemoteRig;
    QVERIFY(rig->connectTcp());
}

void TestRemoteTransfers::cleanup()
{
    delete rig;
    rig = nullptr;
}

void TestRemoteTransfers::fileReadInChunks_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("chunks");
    QTest::newRow("empty") << 0 << QList<int>{0};
    QTest::newRow("1") << 1 << QList<int>{1};
    QTest::newRow("512") << 512 << QList<int>{512};
    QTest::newRow("1024") << 1024 << QList<int>{512, 512};
    QTest::newRow("1025") << 1025 << QList<int>{512, 512, 1};
    QList<int> largest;
    for (int i = 0; i < 127; ++i)
        largest << 512;
    largest << 511;
    QTest::newRow("65535") << 65535 << largest;
}

void TestRemoteTransfers::fileReadInChunks()
{
    QFETCH(int, size);
    QFETCH(QList<int>, chunks);
    const QByteArray contents = image(size, 3);
    rig->with([&](SimRemoteResponder &r) {
        SimRemoteResponder::File f;
        f.name = "report7";
        f.type = FileTypeReport;
        f.contents = contents;
        r.files << f;
    });

    QByteArray data("head");
    unsigned char error = 0xAA;
    QVERIFY(rig->rc.getFileData("report7", data, error));
    QCOMPARE(int(error), 0);
    QCOMPARE(data, QByteArray("head") + contents);

    QList<int> asked;
    for (const QByteArray &r : rig->requestsWith(0x06))
        asked << qFromLittleEndian<quint16>(r.constData() + 1);
    QCOMPARE(asked, chunks);
}

void TestRemoteTransfers::fileThatCannotBeOpened()
{
    QByteArray data("keep");
    unsigned char error = 0;
    QVERIFY(!rig->rc.getFileData("missing", data, error));
    QCOMPARE(int(error), 1);
    QCOMPARE(data, QByteArray("keep"));
    QCOMPARE(rig->requestsWith(0x06).size(), 0);
    QCOMPARE(rig->rc.getConnectionType(), RemoteControl::TcpIpConnection);
}

// A chunk reply shorter than asked for must not be padded into the file.
void TestRemoteTransfers::shortChunkFailsTheRead()
{
    rig->with([](SimRemoteResponder &r) {
        SimRemoteResponder::File f;
        f.name = "cut";
        f.type = FileTypeReport;
        f.contents = QByteArray(100, 'x');
        r.files << f;
        r.replyOverride[0x06] = QByteArray(1, '\0') + QByteArray(10, 'y');
    });
    QByteArray data;
    unsigned char error = 0xAA;
    QVERIFY(!rig->rc.getFileData("cut", data, error));
    QCOMPARE(data, QByteArray(10, 'y'));
    QCOMPARE(rig->requestsWith(0x06).size(), 1);
}

// A reply to "open file" or "read file" that lacks the bytes that say what
// happened is a failure: an empty one read as "0 bytes, no error" would pass
// for an empty report. The tester did answer, so the link stays.
void TestRemoteTransfers::replyTooShortToMeanAnything_data()
{
    QTest::addColumn<quint8>("command");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("chunkRequests");
    QTest::newRow("open: empty") << quint8(0x05) << QByteArray("") << 0;
    QTest::newRow("open: error byte missing") << quint8(0x05) << hexBytes("0000") << 0;
    QTest::newRow("open: one byte") << quint8(0x05) << hexBytes("00") << 0;
    QTest::newRow("read: empty") << quint8(0x06) << QByteArray("") << 1;
}

void TestRemoteTransfers::replyTooShortToMeanAnything()
{
    QFETCH(quint8, command);
    QFETCH(QByteArray, reply);
    QFETCH(int, chunkRequests);
    // A file of no bytes: its one read asks for 0 bytes and gets the error
    // byte alone.
    rig->with([&](SimRemoteResponder &r) {
        r.files << SimRemoteResponder::File{QStringLiteral("empty"), FileTypeReport, QByteArray(""), 0, 0};
        r.replyOverride[command] = reply;
    });
    QSignalSpy lost(&rig->rc, &RemoteControl::disconnected);
    QByteArray data("keep");
    unsigned char error = 0xAA;
    QVERIFY(!rig->rc.getFileData("empty", data, error));
    QCOMPARE(data, QByteArray("keep"));
    QCOMPARE(rig->requestsWith(0x05).size(), 1);
    QCOMPARE(rig->requestsWith(0x06).size(), chunkRequests);
    QCOMPARE(lost.count(), 0);
    QCOMPARE(rig->rc.getConnectionType(), RemoteControl::TcpIpConnection);

    // The whole replies of the same file read it as the empty file it is.
    rig->with([&](SimRemoteResponder &r) { r.replyOverride.clear(); });
    error = 0xAA;
    QVERIFY(rig->rc.getFileData("empty", data, error));
    QCOMPARE(int(error), 0);
    QCOMPARE(data, QByteArray("keep"));
}

void TestRemoteTransfers::uniformScreenInTwoRequests()
{
    rig->with([](SimRemoteResponder &r) { r.fillScreen(0x30); });
    QImage shot;
    QVERIFY(rig->rc.getScreenshot(shot, QRect(QPoint(0, 0), QPoint(319, 239))));
    QCOMPARE(shot.size(), QSize(320, 240));
    QCOMPARE(shot.format(), QImage::Format_RGB888);
    for (int y = 0; y < 240; y += 7) {
        for (int x = 0; x < 320; x += 5)
            QCOMPARE(shot.pixel(x, y), qRgb(0, 0, 255));
    }
    QCOMPARE(shot.pixel(319, 239), qRgb(0, 0, 255));

    const QList<QByteArray> asked = rig->requestsWith(0x04);
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked.at(0), hexBytes("04 00000000 00000000 00000000 40010000 F0000000"));
    QCOMPARE(u32At(asked.at(1), 1), 170u * 255u);
}

void TestRemoteTransfers::screenColoursDecoded()
{
    // Runs of 8 pixels whose colour byte counts up through all 256 values,
    // so bits 6 and 7 are exercised as well.
    rig->with([](SimRemoteResponder &r) {
        for (int i = 0; i < r.screen.size(); ++i)
            r.screen[i] = quint8(i / 8);
    });
    QImage shot;
    QVERIFY(rig->rc.getScreenshot(shot, QRect(0, 0, 320, 240)));
    const int level[4] = {0, 85, 170, 255};
    for (int i = 0; i < 320 * 240; i += 3) {
        const quint8 c = quint8(i / 8);
        const QRgb expected = qRgb(level[c & 3], level[(c >> 2) & 3], level[(c >> 4) & 3]);
        QCOMPARE(shot.pixel(i % 320, i / 320), expected);
    }
    QCOMPARE(shot.pixel(8, 0), qRgb(85, 0, 0));       // colour 0x01
    QCOMPARE(shot.pixel(63 * 8 % 320, 63 * 8 / 320), qRgb(255, 255, 255));   // 0x3F
    QCOMPARE(shot.pixel(192 * 8 % 320, 192 * 8 / 320), qRgb(0, 0, 0));      // 0xC0
}

void TestRemoteTransfers::surplusPixelsDropped()
{
    QByteArray pairs;
    for (int i = 0; i < 170; ++i)
        pairs += hexBytes("FF 3F");
    rig->with([&](SimRemoteResponder &r) { r.replyOverride[0x04] = pairs; });

    QImage shot;
    QVERIFY(rig->rc.getScreenshot(shot, QRect(QPoint(0, 0), QPoint(319, 239))));
    QCOMPARE(rig->requestsWith(0x04).size(), 2);
    QCOMPARE(shot.pixel(319, 239), qRgb(255, 255, 255));

    QImage small;
    QVERIFY(rig->rc.getScreenshot(small, QRect(5, 6, 10, 4)));
    QCOMPARE(small.size(), QSize(10, 4));
    QCOMPARE(small.pixel(9, 3), qRgb(255, 255, 255));
    QCOMPARE(rig->requestsWith(0x04).last(), hexBytes("04 00000000 05000000 06000000 0A000000 04000000"));
}

// A tester that keeps answering runs of length 0 would otherwise be asked
// for the same pixel forever.
void TestRemoteTransfers::emptyRepliesEndTheScreenshot()
{
    rig->with([](SimRemoteResponder &r) { r.screenStalls = true; });
    QImage shot(4, 4, QImage::Format_RGB888);
    shot.fill(Qt::red);
    QVERIFY(!rig->rc.getScreenshot(shot, QRect(0, 0, 320, 240)));
    QCOMPARE(shot.size(), QSize(4, 4));
    QCOMPARE(shot.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(rig->requestsWith(0x04).size(), RemoteControl::MaxIdleScreenshotReplies);
    QCOMPARE(rig->rc.getConnectionType(), RemoteControl::TcpIpConnection);

    // The same link serves the next screenshot once the tester sends pixels.
    rig->with([](SimRemoteResponder &r) {
        r.screenStalls = false;
        r.fillScreen(0x3F);
    });
    QVERIFY(rig->rc.getScreenshot(shot, QRect(0, 0, 320, 240)));
    QCOMPARE(shot.pixel(100, 100), qRgb(255, 255, 255));
}

void TestRemoteTransfers::emptyRectangleNeedsNoRequest()
{
    QImage shot(4, 4, QImage::Format_RGB888);
    QVERIFY(rig->rc.getScreenshot(shot, QRect()));
    QVERIFY(shot.isNull() || shot.size().isEmpty());
    QCOMPARE(rig->requests().size(), 0);
}

void TestRemoteTransfers::packageWritten()
{
    const QByteArray cpu = image(300, 1);
    const QByteArray fpga = image(600, 2);
    QSignalSpy info(&rig->rc, &RemoteControl::vyrupInfo);

    QCOMPARE(rig->rc.writeVYRUP(package(cpu, fpga)), int(RemoteControl::UpdateComplete));

    // Progress counts the image's own bytes: the last block, padded, ends at
    // 100 %. The update is complete once the finish is answered.
    QCOMPARE(texts(info), QStringList({"CPU updated 85 %", "CPU updated 100 %", "CPU update complete",
                                       "FPGA updated 42 %", "FPGA updated 85 %", "FPGA updated 100 %",
                                       "FPGA update complete", "Update finished",
                                       "Full update complete"}));
    rig->with([&](SimRemoteResponder &r) {
        QCOMPARE(phasesOf(r), QList<int>({0, 1}));
        for (const SimRemoteResponder::Phase &p : r.phases) {
            QCOMPARE(p.cpuLength, 512u);
            QCOMPARE(p.fpgaLength, 768u);
            QCOMPARE(p.raw.size(), 12);
            QCOMPARE(p.raw.right(2), QByteArray(2, '\0'));
        }
        QCOMPARE(r.blocks.size(), 5);
        QCOMPARE(r.image(0, 300), cpu);
        QCOMPARE(r.image(1, 600), fpga);
        const QByteArray second = r.blocks.at(1).data;
        QCOMPARE(second.left(44), cpu.mid(256));
        QCOMPARE(second.mid(44), QByteArray(212, '\xFF'));
    });
    // Blocks go in order: CPU first, then FPGA.
    const QList<QByteArray> blocks = rig->requestsWith(0x1E);
    QCOMPARE(blocks.size(), 5);
    QCOMPARE(blocks.at(0).size(), 258);
    QCOMPARE(int(blocks.at(1).at(1)), 0);
    QCOMPARE(int(blocks.at(2).at(1)), 1);
}

void TestRemoteTransfers::packageWithoutCpuImage()
{
    QSignalSpy info(&rig->rc, &RemoteControl::vyrupInfo);
    QCOMPARE(rig->rc.writeVYRUP(package(QByteArray(), image(512, 4))), int(RemoteControl::UpdateComplete));
    const QStringList t = texts(info);
    QCOMPARE(t.first(), QStringLiteral("CPU update complete"));
    QVERIFY(!t.join('|').contains("CPU updated"));
    rig->with([](SimRemoteResponder &r) {
        QCOMPARE(r.blocks.size(), 2);
        QCOMPARE(int(r.blocks.at(0).kind), 1);
        QCOMPARE(r.phases.at(0).cpuLength, 0u);
    });
}

// Whatever the image size, the progress texts of one image rise, end at
// exactly 100 % with its last block and never pass it.
void TestRemoteTransfers::progressReachesHundredAndNoMore_data()
{
    QTest::addColumn<int>("cpuSize");
    QTest::addColumn<int>("fpgaSize");
    QTest::newRow("one byte each") << 1 << 1;
    QTest::newRow("one whole block each") << 256 << 256;
    QTest::newRow("a block and a byte") << 257 << 513;
    QTest::newRow("short images, last block padded") << 300 << 600;
    QTest::newRow("just past 100 blocks") << 25700 << 25601;
    QTest::newRow("a few hundred blocks") << 70000 << 65536;
}

void TestRemoteTransfers::progressReachesHundredAndNoMore()
{
    QFETCH(int, cpuSize);
    QFETCH(int, fpgaSize);
    QSignalSpy info(&rig->rc, &RemoteControl::vyrupInfo);
    QCOMPARE(rig->rc.writeVYRUP(package(image(cpuSize, 1), image(fpgaSize, 2))), int(RemoteControl::UpdateComplete));
    const QStringList all = texts(info);
    for (const char *part : {"CPU", "FPGA"}) {
        const QRegularExpression progress(QStringLiteral("^%1 updated (\\d+) %$").arg(QLatin1String(part)));
        QList<int> values;
        for (const QString &t : all) {
            const QRegularExpressionMatch m = progress.match(t);
            if (m.hasMatch())
                values << m.captured(1).toInt();
        }
        QVERIFY2(!values.isEmpty(), part);
        QCOMPARE(values.last(), 100);
        for (int i = 0; i < values.size(); ++i) {
            QVERIFY2(values.at(i) >= 0 && values.at(i) <= 100, qPrintable(all.join('|')));
            if (i > 0)
                QVERIFY2(values.at(i) > values.at(i - 1), qPrintable(all.join('|')));
        }
    }
    QCOMPARE(all.mid(all.size() - 2), QStringList({"Update finished", "Full update complete"}));
}

void TestRemoteTransfers::brokenPackageSendsNothing_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = package(image(10, 1), image(20, 2));
    QByteArray badMagic = good;
    badMagic[0] = 0x43;
    QTest::newRow("bad magic") << badMagic;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("magic only") << le32(0xC0FFEE42u);
    QTest::newRow("16 bytes") << good.left(16);
    QTest::newRow("fpga image cut") << good.left(good.size() - 1);
    QTest::newRow("cpu length past the end")
        << le32(0xC0FFEE42u) + QByteArray(1, '\0') + le32(0xFFFFFFF0u) + le32(0) + le32(0) + QByteArray(64, 'c');
    QTest::newRow("fpga length past the end")
        << le32(0xC0FFEE42u) + QByteArray(1, '\0') + le32(4) + le32(0x7FFFFFFFu) + le32(0) + QByteArray(64, 'c');
}

void TestRemoteTransfers::brokenPackageSendsNothing()
{
    QFETCH(QByteArray, data);
    QSignalSpy info(&rig->rc, &RemoteControl::vyrupInfo);
    QCOMPARE(rig->rc.writeVYRUP(data), int(RemoteControl::UpdateFailed));
    QCOMPARE(info.count(), 0);
    // The link is still usable and nothing reached the tester before this.
    get_device_info_resp_t di{};
    QVERIFY(rig->rc.getDeviceInfo(di));
    QCOMPARE(rig->requests(), QList<QByteArray>({hexBytes("0F")}));
}

void TestRemoteTransfers::refusedBlockFailsImage_data()
{
    QTest::addColumn<int>("refuse");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("failText");
    QTest::addColumn<int>("blocksSent");
    QTest::newRow("first cpu block") << 0 << int(RemoteControl::CpuFailed) << "CPU update failed" << 1;
    QTest::newRow("last cpu block") << 1 << int(RemoteControl::CpuFailed) << "CPU update failed" << 2;
    QTest::newRow("fpga block") << 3 << int(RemoteControl::FpgaFailed) << "FPGA update failed" << 4;
}

void TestRemoteTransfers::refusedBlockFailsImage()
{
    QFETCH(int, refuse);
    QFETCH(int, result);
    QFETCH(QString, failText);
    QFETCH(int, blocksSent);

    rig->with([&](SimRemoteResponder &r) { r.refuseBlock = refuse; });
    QSignalSpy info(&rig->rc, &RemoteControl::vyrupInfo);
    QSignalSpy lost(&rig->rc, &RemoteControl::disconnected);
    QCOMPARE(rig->rc.writeVYRUP(package(image(300, 1), image(600, 2))), result);
    QCOMPARE(texts(info).last(), failText);
    QVERIFY(!texts(info).contains("Full update complete"));
    QCOMPARE(lost.count(), 0);
    rig->with([&](SimRemoteResponder &r) {
        QCOMPARE(phasesOf(r), QList<int>({0, 2}));
        QCOMPARE(r.phases.at(1).cpuLength, 512u);
        QCOMPARE(r.phases.at(1).fpgaLength, 768u);
        QCOMPARE(r.blocks.size(), blocksSent);
    });
}

void TestRemoteTransfers::refusedStartOrFinishIsFailure_data()
{
    QTest::addColumn<bool>("refuseStart");
    QTest::addColumn<QList<int>>("phases");
    QTest::addColumn<int>("blocks");
    QTest::newRow("start refused") << true << QList<int>{0} << 0;
    QTest::newRow("finish refused") << false << QList<int>{0, 1, 2} << 3;
}

void TestRemoteTransfers::refusedStartOrFinishIsFailure()
{
    QFETCH(bool, refuseStart);
    QFETCH(QList<int>, phases);
    QFETCH(int, blocks);

    rig->with([&](SimRemoteResponder &r) {
        if (refuseStart)
            r.startReply = 0;
        else
            r.finishReply = 0;
    });
    QSignalSpy info(&rig->rc, &RemoteControl::vyrupInfo);
    QCOMPARE(rig->rc.writeVYRUP(package(image(256, 1), image(512, 2))), int(RemoteControl::UpdateFailed));
    QVERIFY(!texts(info).contains("Update finished"));
    QVERIFY(!texts(info).contains("Full update complete"));
    if (!refuseStart)
        QCOMPARE(texts(info).last(), QStringLiteral("Finishing the update failed"));
    rig->with([&](SimRemoteResponder &r) {
        QCOMPARE(phasesOf(r), phases);
        QCOMPARE(r.blocks.size(), blocks);
    });
}

// The finish gets no answer: the link is gone, so the cancel cannot be
// answered either and reports a second loss.
void TestRemoteTransfers::unansweredFinish()
{
    rig->sim.dropAfter(1 + 1 + 2);   // start, one CPU block, two FPGA blocks
    QSignalSpy info(&rig->rc, &RemoteControl::vyrupInfo);
    QSignalSpy lost(&rig->rc, &RemoteControl::disconnected);
    QCOMPARE(rig->rc.writeVYRUP(package(image(256, 1), image(512, 2))), int(RemoteControl::UpdateFailed));
    QCOMPARE(texts(info).last(), QStringLiteral("Finishing the update failed"));
    QVERIFY(!texts(info).contains("Update finished"));
    QVERIFY(!texts(info).contains("Full update complete"));
    QCOMPARE(lost.count(), 2);
    QCOMPARE(rig->rc.getConnectionType(), RemoteControl::NoConnection);
}

QTEST_GUILESS_MAIN(TestRemoteTransfers)
#include "tst_remotetransfers.moc"
