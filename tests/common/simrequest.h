#pragma once

// Requests put straight to a simulated tester's responder, without a link:
// the request bytes of the remote-control commands, and the records their
// replies carry.

#include "simremote.h"
#include "simtests.h"

#include <QByteArray>
#include <QtEndian>

inline QByteArray le32(quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

// The payload of the first reply; empty when the request got none.
inline QByteArray answer(SimRemoteResponder &r, const QByteArray &req)
{
    const QList<SimReply> replies = r.handle(req);
    return replies.isEmpty() ? QByteArray() : replies.first().payload;
}

// The request for the settings record of a test on a port (0x11).
inline QByteArray settingsRequest(quint32 port, quint8 test)
{
    return QByteArray(1, '\x11') + le32(port) + QByteArray(1, char(test));
}

// That record; all zero when the reply is not a record of that size.
template <class T>
T readSettings(SimRemoteResponder &r, quint32 port, quint8 test)
{
    return simRecordOf<T>(answer(r, settingsRequest(port, test)));
}

// Writes a test's settings record of a port (0x12).
template <class T>
void writeSettings(SimRemoteResponder &r, quint32 port, quint8 test, const T &record)
{
    answer(r, QByteArray(1, '\x12') + le32(port) + QByteArray(1, char(test)) + simBytesOf(record));
}

// The results record of a test on a port (0x13), after the reply's status
// byte; all zero when the reply holds no record of that size.
template <class T>
T readResults(SimRemoteResponder &r, quint32 port, quint8 test)
{
    const QByteArray reply = answer(r, QByteArray(1, '\x13') + le32(port) + QByteArray(1, char(test)) + le32(0));
    return simRecordOf<T>(reply.mid(1));
}

// Starts a test on a port (0x09, flag 1), after its topology (0x0A) when
// one is given.
inline void startTest(SimRemoteResponder &r, quint32 port, quint8 test, int topology = -1)
{
    if (topology >= 0)
        answer(r, QByteArray(1, '\x0A') + le32(port) + QByteArray(1, char(topology)));
    answer(r, QByteArray(1, '\x09') + QByteArray(1, '\1') + le32(port) + QByteArray(1, char(test)));
}

// Stops a test on a port (0x09, flag 0).
inline void stopTest(SimRemoteResponder &r, quint32 port, quint8 test)
{
    answer(r, QByteArray(1, '\x09') + QByteArray(1, '\0') + le32(port) + QByteArray(1, char(test)));
}
