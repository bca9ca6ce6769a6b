#pragma once

// A Device in a real worker thread, connected over TCP to the simulated
// tester, and a log of its signals as the GUI thread receives them (queued,
// in emission order).

#include "../support/deviceworker.h"

#include <QAbstractEventDispatcher>
#include <QHostAddress>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QVariantList>

// A short text per request: "0F", "11:p0:id20", "13:p1:t3", "09:start:p0:t2".
inline QString describe(const QByteArray &r)
{
    const quint8 c = command(r);
    QString s = QString::asprintf("%02X", c);
    if ((c == 0x11 || c == 0x12 || c == 0x14) && r.size() >= 6)
        s += QString::asprintf(":p%u:id%u", u32At(r, 1), quint8(r.at(5)));
    else if (c == 0x13 && r.size() >= 6)
        s += QString::asprintf(":p%u:t%u", u32At(r, 1), quint8(r.at(5)));
    else if (c == 0x09 && r.size() >= 7)
        s += QString::asprintf(":%s:p%u:t%u", r.at(1) ? "start" : "stop", u32At(r, 2), quint8(r.at(6)));
    return s;
}

inline QStringList describeAll(const QList<QByteArray> &requests)
{
    QStringList out;
    for (const QByteArray &r : requests)
        out << describe(r);
    return out;
}

class SignalLog : public QObject
{
public:
    struct Entry {
        QString name;
        QVariantList args;
    };
    QList<Entry> entries;

    void record(const QString &name, const QVariantList &args = {}) { entries << Entry{name, args}; }
    int count(const QString &name) const
    {
        int n = 0;
        for (const Entry &e : entries)
            n += e.name == name;
        return n;
    }
    QVariantList lastArgs(const QString &name) const
    {
        for (int i = entries.size() - 1; i >= 0; --i) {
            if (entries.at(i).name == name)
                return entries.at(i).args;
        }
        return {};
    }
    void clear() { entries.clear(); }
};

class DeviceRig : public DeviceWorker
{
public:
    explicit DeviceRig(quint8 deviceType = 0)
        : DeviceWorker(deviceType)
    {
        // Nothing has been asked of the worker yet, so no signal is missed.
        watchSignals();
    }

    ~DeviceRig() { stopWorker(); }

    bool connectDevice(const QString &target = QString())
    {
        const QString to = target.isEmpty() ? address() : target;
        const int before = log.count("connected");
        inWorker([this, to] { device->connectByTcpIp(to); });
        return QTest::qWaitFor([&] { return log.count("connected") > before; }, EventuallyMs) && drain();
    }

    // Waits for count more status requests than there are now.
    bool waitForPolls(int count) { return waitForStatusRequests(count); }

    SignalLog log;

private:
    void watchSignals()
    {
        const auto q = Qt::QueuedConnection;
        auto plain = [this, q](void (Device::*signal)(), const char *name) {
            QObject::connect(device, signal, &log, [this, name] { log.record(name); }, q);
        };
        plain(&Device::connected, "connected");
        plain(&Device::disconnected, "disconnected");
        plain(&Device::deviceInfoUpdated, "deviceInfoUpdated");
        plain(&Device::deviceStatusUpdated, "deviceStatusUpdated");
        plain(&Device::deviceSettingsReceived, "deviceSettingsReceived");
        plain(&Device::configSaved, "configSaved");
        plain(&Device::reportSaved, "reportSaved");
        plain(&Device::screenshotReceived, "screenshotReceived");
        // The names, then how their listing ended (int of FileListEnd).
        QObject::connect(device, &Device::settingsFilesNamesReceived, &log, [this] {
            const FileListing l = device->getSettingsFilesListing();
            log.record("settingsFilesNamesReceived", {l.names, int(l.end)});
        }, q);
        QObject::connect(device, &Device::reportsFilesNamesReceived, &log, [this] {
            const FileListing l = device->getReportsFilesListing();
            log.record("reportsFilesNamesReceived", {l.names, int(l.end)});
        }, q);
        QObject::connect(device, &Device::currentprocessChanged, &log,
                         [this](port_t p) { log.record("currentprocessChanged", {p}); }, q);
        QObject::connect(device, &Device::fileSaveError, &log,
                         [this](uchar e) { log.record("fileSaveError", {int(e)}); }, q);
        QObject::connect(device, &Device::fpgaValueReaded, &log,
                         [this](uchar v) { log.record("fpgaValueReaded", {int(v)}); }, q);
        QObject::connect(device, &Device::reportLoaded, &log,
                         [this](port_t p, int t) { log.record("reportLoaded", {p, t}); }, q);
        QObject::connect(device, &Device::pdfReportCreated, &log,
                         [this](bool ok) { log.record("pdfReportCreated", {ok}); }, q);
        QObject::connect(device, &Device::startTestError, &log, [this](error_t e) {
            log.record("startTestError", {e.type, e.value});
        }, q);
        QObject::connect(device, &Device::newFileNameReceived, &log,
                         [this](QString n) { log.record("newFileNameReceived", {n}); }, q);
        QObject::connect(device, &Device::syncStatusUpdated, &log, [this](uchar s, uchar a, uchar c) {
            log.record("syncStatusUpdated", {int(s), int(a), int(c)});
        }, q);
        QObject::connect(device, &Device::corrResult, &log,
                         [this](int r) { log.record("corrResult", {r}); }, q);
        QObject::connect(device, &Device::vyrupInform, &log,
                         [this](QString t) { log.record("vyrupInform", {t}); }, q);
        QObject::connect(device, &Device::linkFailed, &log,
                         [this](LinkFailure f) { log.record("linkFailed", {QVariant::fromValue(f)}); }, q);
    }
};

// A TCP relay in the GUI thread between the device and the simulated tester.
// stopListening() makes the tester unreachable for new connections while the
// current one keeps working, as a tester does that restarts after a request
// it has already received; listenAgain() brings it back on the same port.
class TcpRelay : public QObject
{
public:
    explicit TcpRelay(quint16 upstreamPort)
        : m_upstreamPort(upstreamPort)
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] { accept(); });
    }

    quint16 listen()
    {
        if (!m_server.listen(QHostAddress::LocalHost, m_port))
            return 0;
        m_port = m_server.serverPort();
        return m_port;
    }
    void stopListening() { m_server.close(); }
    bool listenAgain() { return listen() != 0; }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

private:
    void accept()
    {
        while (QTcpSocket *down = m_server.nextPendingConnection()) {
            down->setParent(this);
            auto *up = new QTcpSocket(this);
            up->connectToHost(QHostAddress::LocalHost, m_upstreamPort);
            QPointer<QTcpSocket> d(down), u(up);
            QObject::connect(down, &QTcpSocket::readyRead, this, [d, u] {
                if (d && u)
                    u->write(d->readAll());
            });
            QObject::connect(up, &QTcpSocket::readyRead, this, [d, u] {
                if (d && u)
                    d->write(u->readAll());
            });
            QObject::connect(down, &QTcpSocket::disconnected, this, [d, u] {
                if (u)
                    u->disconnectFromHost();
                if (d)
                    d->deleteLater();
            });
            QObject::connect(up, &QTcpSocket::disconnected, this, [d, u] {
                if (d)
                    d->disconnectFromHost();
                if (u)
                    u->deleteLater();
            });
        }
    }

    QTcpServer m_server;
    quint16 m_upstreamPort;
    quint16 m_port = 0;
};
