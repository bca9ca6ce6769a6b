#pragma once

// Requests put straight to a simulated tester's responder, without a link.

#include "simremote.h"

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
