#pragma once

// A simulated tester in remote-control mode and a RemoteControl connected
// to it over TCP on 127.0.0.1 (or over a pseudo-terminal).

#include "remotecontrol.h"
#include "simremote.h"
#include "simtester.h"

#include <QByteArray>
#include <QString>
#include <functional>

struct RemoteRig
{
    explicit RemoteRig(quint8 deviceType = 0)
        : sim(new SimRemoteResponder(deviceType))
    {
    }

    bool connectTcp()
    {
        const quint16 port = sim.listenTcp();
        if (port == 0)
            return false;
        target = QStringLiteral("127.0.0.1:%1").arg(port);
        return rc.connectByTcpIp(target);
    }

    bool connectPty()
    {
        target = sim.openPty();
        if (target.isEmpty())
            return false;
        return rc.connectBySerial(target);
    }

    void with(const std::function<void(SimRemoteResponder &)> &f) { sim.with<SimRemoteResponder>(f); }

    // Payloads the tester received, oldest first.
    QList<QByteArray> requests() const { return sim.requests(); }
    QByteArray lastRequest() const
    {
        const QList<QByteArray> all = sim.requests();
        return all.isEmpty() ? QByteArray() : all.last();
    }
    QList<QByteArray> requestsWith(quint8 command) const
    {
        QList<QByteArray> out;
        for (const QByteArray &r : sim.requests()) {
            if (!r.isEmpty() && quint8(r.at(0)) == command)
                out << r;
        }
        return out;
    }

    SimTester sim;
    RemoteControl rc;
    QString target;
};

inline QByteArray hexBytes(const char *hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}
