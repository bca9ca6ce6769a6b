#pragma once

// An IVyrStream that lives in memory, for tests and fuzz targets that drive
// the packet link, RemoteControl or Updater without a socket. The far end is
// a MemoryPeer shared by every stream made for it (a reconnect makes a new
// stream on the same peer):
//  - `input` holds the bytes the far end has sent and nobody read yet; a
//    read takes what is there at once and never waits (what is missing is
//    silence);
//  - `answer`, when set, is called with every write and returns the bytes
//    the far end sends back;
//  - `hangUpWhenDrained`: a read that finds no byte left closes the stream,
//    as a line whose far end went away, so a script that has run out ends
//    the waits on it at once instead of letting them run to their limits.
// Header-only and free of widgets, so the fuzz targets can use it too.

#include "crc8.h"
#include "ivyrstream.h"

#include <QByteArray>
#include <QString>

#include <cstring>
#include <functional>
#include <memory>

struct MemoryPeer
{
    QByteArray input;
    QByteArray output;                                   // every byte written, in order
    std::function<QByteArray(const QByteArray &written)> answer;
    bool hangUpWhenDrained = false;
    bool refuseOpen = false;
    int opens = 0;

    // A payload as one frame on the wire: u16 LE length, payload, CRC-8.
    static QByteArray frame(const QByteArray &payload)
    {
        QByteArray f;
        f.append(char(payload.size() & 0xFF));
        f.append(char((payload.size() >> 8) & 0xFF));
        f.append(payload);
        f.append(char(crc8(f.constData(), f.size(), 0)));
        return f;
    }
};

class MemoryStream : public IVyrStream
{
public:
    explicit MemoryStream(std::shared_ptr<MemoryPeer> peer) : m_peer(std::move(peer)) {}

    bool open(const QString &target) override
    {
        close();
        m_target = target;
        ++m_peer->opens;
        m_open = !m_peer->refuseOpen;
        return m_open;
    }
    void close() override { m_open = false; }
    int write(const char *data, int len) override
    {
        if (!m_open || len < 0)
            return 0;
        const QByteArray written(data, len);
        m_peer->output.append(written);
        if (m_peer->answer)
            m_peer->input.append(m_peer->answer(written));
        return len;
    }
    int read(char *buffer, int len) override
    {
        if (!m_open || len <= 0)
            return 0;
        if (m_peer->input.isEmpty() && m_peer->hangUpWhenDrained) {
            m_open = false;
            return 0;
        }
        const int n = qMin(len, m_peer->input.size());
        std::memcpy(buffer, m_peer->input.constData(), size_t(n));
        m_peer->input.remove(0, n);
        return n;
    }
    bool isOpen() const override { return m_open; }
    void clearInput() override {}

    QString target() const { return m_target; }

private:
    std::shared_ptr<MemoryPeer> m_peer;
    QString m_target;
    bool m_open = false;
};
