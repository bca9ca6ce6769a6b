// RemoteControl reading whatever a tester answers: the input is the byte
// stream of replies to a fixed round of requests, sent again while input is
// left. Every command must end (the stream hangs up when the input runs
// out), never write past its buffers, and hand out only what fits its
// record.

#include "../streams/memorystream.h"
#include "fuzztarget.h"
#include "remotecontrol.h"

#include <QImage>
#include <QRect>
#include <QtEndian>

#include <memory>

namespace {

constexpr int MaxRounds = 64;
constexpr int MaxListedNames = 64;

QByteArray smallPackage()
{
    QByteArray p(17, '\0');
    qToLittleEndian<quint32>(0xC0FFEE42u, p.data());
    qToLittleEndian<quint32>(300, p.data() + 5);   // CPU image
    qToLittleEndian<quint32>(10, p.data() + 9);    // FPGA image
    return p + QByteArray(310, '\x5A');
}

void oneRound(RemoteControl &rc)
{
    get_device_status_resp_t status{};
    rc.getDeviceStatus(status);
    get_device_info_resp_t info{};
    rc.getDeviceInfo(info);

    QString name;
    bool more = true;
    for (int i = 0; i < MaxListedNames && more; ++i) {
        if (!rc.getFile(i == 0, name, FileTypeConfig, more))
            break;
        VYR_FUZZ_CHECK(name.size() <= RemoteCommand::FileNameSize);
    }

    QByteArray file;
    unsigned char error = 0;
    if (rc.getFileData(QStringLiteral("REPORT_0001"), file, error))
        VYR_FUZZ_CHECK(file.size() <= 0xFFFF);

    QImage screen(4, 4, QImage::Format_RGB888);
    if (rc.getScreenshot(screen, QRect(QPoint(0, 0), QPoint(319, 239))))
        VYR_FUZZ_CHECK(screen.width() == 320 && screen.height() == 240);

    // Exactly the record sizes, so that the sanitizer sees any write past them.
    std::unique_ptr<char[]> results(new char[168]);
    rc.getResults(PortA, TestMultistream, 0, results.get(), 168, error);
    std::unique_ptr<char[]> settings(new char[76]);
    rc.getSettings(PortB, TestInterfaceSettings, settings.get(), 76);

    QByteArray chunk;
    if (rc.readFile(chunk, 300, error))
        VYR_FUZZ_CHECK(chunk.size() <= 300);
    if (rc.getNewFileName(TestTraffic, name))
        VYR_FUZZ_CHECK(name.size() <= RemoteCommand::FileNameSize);
    load_report_resp_t report{};
    rc.loadReport(QStringLiteral("R1"), report);
    get_sync_status_resp_t sync{};
    rc.getSyncStatus(sync);
    error_t refused{};
    rc.setTest(true, PortA, TestTraffic, refused);
    rc.setClock(0x5F000000u);
    uint menu = 0;
    rc.getMenuId(menu);

    const int result = rc.writeVYRUP(smallPackage());
    VYR_FUZZ_CHECK(result == RemoteControl::CpuFailed || result == RemoteControl::FpgaFailed
                   || result == RemoteControl::UpdateFailed || result == RemoteControl::UpdateComplete);
}

} // namespace

VYR_FUZZ_TARGET(remotereplies)
{
    vyrfuzz::quietDebugOutput();
    auto peer = std::make_shared<MemoryPeer>();
    peer->input = vyrfuzz::bytes(data, size);
    peer->hangUpWhenDrained = true;

    RemoteControl rc;
    rc.setStreamFactory([peer](RemoteControl::ConnectionType) { return new MemoryStream(peer); });
    for (int round = 0; round < MaxRounds && !peer->input.isEmpty(); ++round) {
        // A failed request has closed the link; the next round connects again.
        if (rc.getConnectionType() == RemoteControl::NoConnection)
            VYR_FUZZ_CHECK(rc.connectTo(QStringLiteral("fuzz")));
        const int before = peer->input.size();
        oneRound(rc);
        VYR_FUZZ_CHECK(peer->input.size() < before || peer->input.isEmpty());
    }
    return 0;
}
