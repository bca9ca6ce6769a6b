#pragma once

// A Device in a real worker thread, connected over TCP to the simulated
// tester, for driving forms offscreen in the GUI thread; and a closer for
// the message boxes the forms run with exec().

#include "../support/deviceworker.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <QTimer>

// Field colours of the forms as their style sheets read.
namespace fieldstyle {
const QString Black = QStringLiteral("color: #000000");
const QString Blue = QStringLiteral("color: #0000ff");
const QString Grey = QStringLiteral("color: #787878");
} // namespace fieldstyle

// An IPv4 address with the first octet in the most significant byte.
constexpr uint32_t ipv4(int a, int b, int c, int d)
{
    return uint32_t(a) << 24 | uint32_t(b) << 16 | uint32_t(c) << 8 | uint32_t(d);
}

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

    // The records of one test written to the tester (0x12) for a port
    // since the last clearRequests(), oldest first.
    QList<QByteArray> sentSettings(port_t port, quint8 test) const
    {
        QList<QByteArray> out;
        for (const QByteArray &r : requestsOf(0x12)) {
            if (r.size() >= 6 && u32At(r, 1) == port && quint8(r.at(5)) == test)
                out << r.mid(6);
        }
        return out;
    }

    bool waitForSettingsSent(port_t port, quint8 test)
    {
        return QTest::qWaitFor([&] { return !sentSettings(port, test).isEmpty(); }, EventuallyMs);
    }

    // Lets count more polls reach the GUI thread.
    bool waitForPolls(int count) { return waitForStatusRequests(count) && drain(); }

    // No test runs on either port, and results replies are valid.
    void allIdle()
    {
        tester([](SimRemoteResponder &r) {
            for (auto &p : r.status.process)
                p.tx = p.rx = 0;
            r.resultsValid = 1;
        });
    }

    // The tester's settings or results record of a test on a port.
    void storeSettings(port_t port, quint8 test, const QByteArray &record)
    {
        tester([&](SimRemoteResponder &r) { r.settingsBlock(port, test) = record; });
    }
    void storeResults(port_t port, quint8 test, const QByteArray &record)
    {
        tester([&](SimRemoteResponder &r) { r.results[SimRemoteResponder::key(port, test)] = record; });
    }

    // The tester's interface settings of a port name this address (what an
    // automatic destination resolves to).
    void setPortAddress(port_t port, quint32 ip)
    {
        eth_settings_t settings;
        std::memset(&settings, 0, sizeof settings);
        settings.ip = ip;
        tester([&](SimRemoteResponder &r) { r.settingsBlock(port, TestInterfaceSettings) = recordBytes(settings); });
    }

    // A start went out since the last clearRequests(): the settings record,
    // the topology, the start and the results request, in this order, all
    // for the port. Fails the running test otherwise. A form that re-reads
    // its settings while idle may have settings reads (0x11) anywhere in the
    // sequence: ignoreSettingsReads leaves them out.
    void expectStart(port_t port, quint8 test, quint8 topology, const QByteArray &settings,
                     bool ignoreSettingsReads = false)
    {
        QVERIFY(waitForRequest([](const QByteArray &r) { return command(r) == 0x13; }));
        QList<QByteArray> seq;
        for (const QByteArray &r : requests()) {
            if (!ignoreSettingsReads || command(r) != 0x11)
                seq << r;
        }
        QVERIFY(seq.size() >= 4);
        QCOMPARE(command(seq.at(0)), quint8(0x12));
        QCOMPARE(u32At(seq.at(0), 1), quint32(port));
        QCOMPARE(quint8(seq.at(0).at(5)), test);
        QCOMPARE(seq.at(0).mid(6).toHex(' '), settings.toHex(' '));
        QCOMPARE(command(seq.at(1)), quint8(0x0A));
        QCOMPARE(u32At(seq.at(1), 1), quint32(port));
        QCOMPARE(quint8(seq.at(1).at(5)), topology);
        QCOMPARE(command(seq.at(2)), quint8(0x09));
        QCOMPARE(quint8(seq.at(2).at(1)), quint8(1));
        QCOMPARE(u32At(seq.at(2), 2), quint32(port));
        QCOMPARE(quint8(seq.at(2).at(6)), test);
        QCOMPARE(command(seq.at(3)), quint8(0x13));
        QCOMPARE(u32At(seq.at(3), 1), quint32(port));
        QCOMPARE(quint8(seq.at(3).at(5)), test);
    }

    // Stop, once the running test has enabled it, stops the test on the
    // port, and the next polls disable it again.
    void expectStop(QPushButton *stop, port_t port, quint8 test)
    {
        QTRY_VERIFY_WITH_TIMEOUT(stop->isEnabled(), EventuallyMs);
        sim.clearRequests();
        stop->click();
        QVERIFY(waitForRequest([](const QByteArray &r) { return command(r) == 0x09; }));
        const QByteArray request = requestsOf(0x09).first();
        QCOMPARE(quint8(request.at(1)), quint8(0));
        QCOMPARE(u32At(request, 2), quint32(port));
        QCOMPARE(quint8(request.at(6)), test);
        QTRY_VERIFY_WITH_TIMEOUT(!stop->isEnabled(), EventuallyMs);
    }
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
