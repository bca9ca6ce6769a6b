#pragma once

// What the device and form tests share: a Device in a real worker thread,
// talking over TCP to the simulated tester, and small helpers to read the
// requests the tester logged. The groups build their own rigs on top
// (tests/device/devicerig.h, tests/forms/formrig.h).

#include "device.h"
#include "interfaceinfo.h"
#include "simremote.h"
#include "simtester.h"
#include "testinfo.h"

#include <QCoreApplication>
#include <QList>
#include <QMetaObject>
#include <QString>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <atomic>
#include <cstring>
#include <functional>
#include <memory>

// Generous: the machine may be loaded; only time-out behaviours wait this long.
constexpr int EventuallyMs = 20000;

inline quint8 command(const QByteArray &request)
{
    return request.isEmpty() ? 0xFF : quint8(request.at(0));
}

inline quint32 u32At(const QByteArray &request, int offset)
{
    return qFromLittleEndian<quint32>(request.constData() + offset);
}

template <class T>
QByteArray recordBytes(const T &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(T)));
}

// The record in bytes; all zero when the size does not match.
template <class T>
T recordFrom(const QByteArray &bytes)
{
    T record{};
    if (bytes.size() == int(sizeof(T)))
        std::memcpy(&record, bytes.constData(), sizeof(T));
    return record;
}

// The simulated tester on a TCP port of its own and a Device moved into a
// started worker thread. Nothing is connected yet; the rigs decide how.
// Destruction ends the thread first, then deletes the Device, as the main
// window does.
class DeviceWorker
{
public:
    explicit DeviceWorker(quint8 deviceType)
        : sim(new SimRemoteResponder(deviceType))
    {
        tcpPort = sim.listenTcp();
        device = new Device;
        device->moveToThread(&worker);
        worker.start(QThread::InheritPriority);
    }

    ~DeviceWorker()
    {
        stopWorker();
        delete device;
    }

    // Ends the worker thread; a rig whose own members receive the Device's
    // signals calls it first, so that nothing is delivered while they go.
    void stopWorker()
    {
        worker.quit();
        worker.wait();
    }

    DeviceWorker(const DeviceWorker &) = delete;
    DeviceWorker &operator=(const DeviceWorker &) = delete;

    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(tcpPort); }

    // Runs f in the worker thread, queued behind whatever is already there.
    void inWorker(std::function<void()> f)
    {
        QMetaObject::invokeMethod(device, std::move(f), Qt::QueuedConnection);
    }

    // Waits until the worker has run everything queued so far and the
    // signals it emitted meanwhile have reached the GUI thread (and what
    // those queued in turn).
    bool drain(int timeoutMs = EventuallyMs)
    {
        auto done = std::make_shared<std::atomic<bool>>(false);
        inWorker([done] { done->store(true); });
        if (!QTest::qWaitFor([&] { return done->load(); }, timeoutMs))
            return false;
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return true;
    }

    template <class F>
    void tester(F f)
    {
        sim.with<SimRemoteResponder>(f);
    }

    QList<QByteArray> requestsOf(quint8 cmd) const
    {
        QList<QByteArray> out;
        for (const QByteArray &r : sim.requests()) {
            if (command(r) == cmd)
                out << r;
        }
        return out;
    }

    int statusRequests() const { return requestsOf(0x00).size(); }

    // Waits for count more status requests than there are now.
    bool waitForStatusRequests(int count)
    {
        const int target = statusRequests() + count;
        return QTest::qWaitFor([&] { return statusRequests() >= target; }, EventuallyMs);
    }

    SimTester sim;
    quint16 tcpPort = 0;
    QThread worker;
    Device *device = nullptr;
};
