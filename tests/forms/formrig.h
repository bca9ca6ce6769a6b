#pragma once

// A Device in a real worker thread, connected over TCP to the simulated
// tester, for driving forms offscreen in the GUI thread; and a closer for
// the message boxes the forms run with exec().

#include "device.h"
#include "interfaceinfo.h"
#include "simremote.h"
#include "simtester.h"
#include "testinfo.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <atomic>
#include <functional>
#include <memory>

// Generous: the machine may be loaded.
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

template <class T>
T recordFrom(const QByteArray &bytes)
{
    T record{};
    if (bytes.size() == int(sizeof(T)))
        memcpy(&record, bytes.constData(), sizeof(T));
    return record;
}

class FormRig
{
public:
    explicit FormRig(quint8 deviceType = 0)
        : sim(new SimRemoteResponder(deviceType))
    {
        tcpPort = sim.listenTcp();
        device = new Device;
        device->moveToThread(&worker);
        worker.start(QThread::InheritPriority);
    }

    ~FormRig()
    {
        worker.quit();
        worker.wait();
        delete device;
    }

    FormRig(const FormRig &) = delete;
    FormRig &operator=(const FormRig &) = delete;

    void inWorker(std::function<void()> f)
    {
        QMetaObject::invokeMethod(device, std::move(f), Qt::QueuedConnection);
    }

    // Everything queued to the worker so far has run, and what it emitted
    // meanwhile has reached the GUI thread.
    bool drain()
    {
        auto done = std::make_shared<std::atomic<bool>>(false);
        inWorker([done] { done->store(true); });
        if (!QTest::qWaitFor([&] { return done->load(); }, EventuallyMs))
            return false;
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return true;
    }

    bool connectDevice()
    {
        auto connected = std::make_shared<std::atomic<bool>>(false);
        QObject::connect(device, &Device::connected, device, [connected] { connected->store(true); },
                         Qt::DirectConnection);
        const QString to = QStringLiteral("127.0.0.1:%1").arg(tcpPort);
        inWorker([this, to] { device->connectByTcpIp(to); });
        return QTest::qWaitFor([&] { return connected->load(); }, EventuallyMs) && drain()
               && QTest::qWaitFor([&] { return device->getInterfaceInfo(PortB)->getSettings().has_value(); },
                                  EventuallyMs);
    }

    void disconnectDevice()
    {
        inWorker([this] { device->disconnect(); });
        drain();
    }

    template <class F>
    void tester(F f)
    {
        sim.with<SimRemoteResponder>(f);
    }

    // Requests since the last clearRequests(), without the status polls.
    QList<QByteArray> requests() const
    {
        QList<QByteArray> out;
        for (const QByteArray &r : sim.requests()) {
            if (command(r) != 0x00)
                out << r;
        }
        return out;
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

    // Waits until a request matching pred has been logged.
    bool waitForRequest(const std::function<bool(const QByteArray &)> &pred)
    {
        return QTest::qWaitFor([&] {
            for (const QByteArray &r : sim.requests()) {
                if (pred(r))
                    return true;
            }
            return false;
        }, EventuallyMs);
    }

    int statusRequests() const { return requestsOf(0x00).size(); }

    // Lets count more polls reach the GUI thread.
    bool waitForPolls(int count)
    {
        const int target = statusRequests() + count;
        return QTest::qWaitFor([&] { return statusRequests() >= target; }, EventuallyMs) && drain();
    }

    SimTester sim;
    quint16 tcpPort = 0;
    QThread worker;
    Device *device = nullptr;
};

// Closes every message box that comes up while it lives, remembering its
// title and text.
class MessageBoxCloser
{
public:
    struct Seen
    {
        QString title;
        QString text;
    };

    MessageBoxCloser()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen.append({box->windowTitle(), box->text()});
                box->done(QMessageBox::Ok);
            }
        });
        m_timer.start();
    }

    QList<Seen> seen;

private:
    QTimer m_timer;
};
