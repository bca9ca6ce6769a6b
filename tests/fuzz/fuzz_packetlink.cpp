// The packet link receiving whatever a peer sends: every frame it accepts
// fits the buffer, carries the right CRC and survives a round trip; a frame
// it refuses never writes past the buffer.

#include "../streams/memorystream.h"
#include "crc8.h"
#include "fuzztarget.h"
#include "packetlink.h"

#include <memory>

namespace {

constexpr int MaxFramesPerInput = 4096;

} // namespace

VYR_FUZZ_TARGET(packetlink)
{
    vyrfuzz::quietDebugOutput();
    if (size < 1)
        return 0;
    // The first byte sizes the receive buffer (0 to 765 bytes), the rest is
    // what the peer sends.
    const int capacity = int(data[0]) * 3;
    auto peer = std::make_shared<MemoryPeer>();
    peer->input = vyrfuzz::bytes(data + 1, size - 1);
    peer->hangUpWhenDrained = true;

    PacketLink link;
    link.setStream(new MemoryStream(peer));
    VYR_FUZZ_CHECK(link.open(QStringLiteral("fuzz")));

    // Exactly the capacity, so that the sanitizer sees any write past it.
    std::unique_ptr<char[]> buffer(new char[size_t(capacity) + (capacity == 0)]);
    for (int frames = 0; frames < MaxFramesPerInput; ++frames) {
        const int before = peer->input.size();
        quint16 length = 0;
        const PacketLink::Receive got = link.receiveFrame(buffer.get(), capacity, &length);
        if (got == PacketLink::Receive::Closed)
            break;
        switch (got) {
        case PacketLink::Receive::Frame: {
            VYR_FUZZ_CHECK(length <= capacity);
            VYR_FUZZ_CHECK(before - peer->input.size() == length + PacketLink::FrameOverhead);
            // What was taken goes out again as the very same frame.
            const QByteArray payload(buffer.get(), length);
            auto echo = std::make_shared<MemoryPeer>();
            PacketLink out;
            out.setStream(new MemoryStream(echo));
            VYR_FUZZ_CHECK(out.open(QStringLiteral("echo")));
            VYR_FUZZ_CHECK(out.sendPackage(payload.constData(), payload.size()));
            VYR_FUZZ_CHECK(echo->output.size() == length + PacketLink::FrameOverhead);
            VYR_FUZZ_CHECK(echo->output.mid(PacketLink::LengthFieldSize, length) == payload);
            VYR_FUZZ_CHECK(quint8(crc8(echo->output.constData(), echo->output.size(), 0)) == 0);
            break;
        }
        case PacketLink::Receive::TooLong:
            // Refused on its length field alone: nothing more was read.
            VYR_FUZZ_CHECK(length > capacity);
            VYR_FUZZ_CHECK(before - peer->input.size() == PacketLink::LengthFieldSize);
            break;
        default:
            break;
        }
        VYR_FUZZ_CHECK(peer->input.size() <= before);
    }
    return 0;
}
