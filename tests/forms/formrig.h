#pragma once

// A Device in a real worker thread, connected over TCP to the simulated
// tester, for driving forms offscreen in the GUI thread; and a closer for
// the message boxes the forms run with exec().

#include "../support/deviceworker.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

class FormRig : public DeviceWorker
{
public:
    explicit FormRig(quint8 deviceType = 0)
        : DeviceWorker(deviceType)
    {
    }

    // Connected, and the interface settings of the connect sequence are in.
    bool connectDevice()
    {
        auto connected = std::make_shared<std::atomic<bool>>(false);
        QObject::connect(device, &Device::connected, device, [connected] { connected->store(true); },
                         Qt::DirectConnection);
        const QString to = address();
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

    // Lets count more polls reach the GUI thread.
    bool waitForPolls(int count) { return waitForStatusRequests(count) && drain(); }

    // The settings records of one test sent to a port (0x12) since the last
    // clearRequests(), oldest first.
    QList<QByteArray> sentSettings(port_t port, quint8 test) const
    {
        QList<QByteArray> out;
        for (const QByteArray &r : requestsOf(0x12)) {
            if (r.size() >= 6 && u32At(r, 1) == port && quint8(r.at(5)) == test)
                out << r.mid(6);
        }
        return out;
    }

    // The other port's own address, as "Auto IP destination" takes it.
    void setPortAddress(port_t port, quint32 address)
    {
        tester([&](SimRemoteResponder &r) {
            eth_settings_t b;
            memset(&b, 0, sizeof b);
            b.ip = address;
            r.settingsBlock(port, TestInterfaceSettings) = QByteArray(reinterpret_cast<const char *>(&b), sizeof b);
        });
    }
};

// Field colours of the edited forms, as their style sheets read.
inline QString styleBlack() { return QStringLiteral("color: #000000"); }
inline QString styleBlue() { return QStringLiteral("color: #0000ff"); }
inline QString styleGrey() { return QStringLiteral("color: #787878"); }

// An IPv4 address as the records hold it: first octet most significant.
constexpr quint32 ipv4(int a, int b, int c, int d)
{
    return quint32(a) << 24 | quint32(b) << 16 | quint32(c) << 8 | quint32(d);
}

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
