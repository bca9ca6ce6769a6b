#pragma once

// A Device in a real worker thread, connected over TCP to the simulated
// tester, for driving forms offscreen in the GUI thread; and a closer for
// the message boxes the forms run with exec().

#include "../support/deviceworker.h"
#include "../support/widgetlookup.h"
#include "headersettings.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
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

    // A record the tester holds from now on for a port.
    template <class T>
    void storeSettings(port_t port, quint8 test, const T &record)
    {
        tester([&](SimRemoteResponder &r) { r.settingsBlock(port, test) = recordBytes(record); });
    }
    template <class T>
    void storeResults(port_t port, quint8 test, const T &record)
    {
        tester([&](SimRemoteResponder &r) { r.results[SimRemoteResponder::key(port, test)] = recordBytes(record); });
    }

    // The tester runs nothing (the form sees it at the next poll).
    void clearProcesses()
    {
        tester([](SimRemoteResponder &r) {
            for (auto &p : r.status.process)
                p.tx = p.rx = 0;
        });
    }

    // The settings records (without command, port and id) sent with 0x12
    // for one test and port since the last clearRequests().
    QList<QByteArray> sentSettings(quint8 test, port_t port) const
    {
        QList<QByteArray> out;
        for (const QByteArray &r : requestsOf(0x12)) {
            if (r.size() >= 6 && u32At(r, 1) == port && quint8(r.at(5)) == test)
                out << r.mid(6);
        }
        return out;
    }

    // Waits for the next such record and returns it (all zero on time-out).
    template <class T>
    T nextSentSettings(quint8 test, port_t port)
    {
        if (!QTest::qWaitFor([&] { return !sentSettings(test, port).isEmpty(); }, EventuallyMs))
            return T{};
        return recordFrom<T>(sentSettings(test, port).last());
    }
};

// What a test of one form holds: a simulated tester, a Device connected to
// it, and the form under test. A test class derives from QObject and this.
template <class Form>
class FormUnderTest
{
protected:
    std::unique_ptr<FormRig> rig;
    Form *form = nullptr;

    template <class T>
    T *child(const char *name) const
    {
        return findWidget<T>(form, name);
    }

    // A fresh tester (prepare stores what it holds before the link comes
    // up), connected, and the form built at the given size.
    bool startForm(const QSize &size, const std::function<void(FormRig &)> &prepare = nullptr)
    {
        rig.reset(new FormRig(0));
        if (prepare)
            prepare(*rig);
        if (!rig->connectDevice())
            return false;
        form = new Form(rig->device);
        form->resize(size);
        return true;
    }

    void stopForm()
    {
        delete form;
        form = nullptr;
        rig.reset();
    }

    // Before each test, after the fixtures are stored: Port A, nothing
    // running, plain records, the form shown and read again, nothing marked
    // and the request log empty.
    bool resetForm()
    {
        rig->device->setCurrentProcess(PortA);
        if (!rig->drain())
            return false;
        rig->clearProcesses();
        rig->tester([](SimRemoteResponder &r) {
            r.realistic = false;
            r.resultsValid = 1;
        });
        form->activate();
        if (!rig->drain())
            return false;
        form->bResetClicked();
        if (!rig->drain())
            return false;
        if (form->metaObject()->indexOfSlot("gotApplied()") >= 0)
            QMetaObject::invokeMethod(form, "gotApplied");
        if (auto *apply = form->template findChild<QPushButton *>(QStringLiteral("bApply")))
            apply->setEnabled(false);
        rig->sim.clearRequests();
        return true;
    }
};

constexpr uint32_t ipv4(int a, int b, int c, int d)
{
    return uint32_t(a) << 24 | uint32_t(b) << 16 | uint32_t(c) << 8 | uint32_t(d);
}

// A frame header with every field set and patterns in its reserved bytes,
// for the settings records that embed one.
inline header_settings_t headerFixture()
{
    header_settings_t h;
    memset(&h, 0, sizeof h);
    h.reserved1[0] = 0x11;
    h.reserved1[1] = 0x22;
    h.reserved1[2] = 0x33;
    h.ipDest = ipv4(172, 16, 0, 9);
    const uint8_t mac[6] = {0x02, 0x00, 0x5e, 0x10, 0x20, 0x30};
    memcpy(h.macDest, mac, 6);
    h.qosMode = QosTos;
    h.tos = uint8_t(3 << 5 | 2 << 1 | 1);
    h.ttl = 64;
    h.dscp = uint8_t(10 << 2);
    h.reserved2 = 0x44;
    h.udpSrc = 1234;
    h.udpDst = 4321;
    h.level3 = 1;
    h.level4 = 1;
    return h;
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
