#pragma once

// A Device in a real worker thread, connected over TCP to the simulated
// tester, for driving forms offscreen in the GUI thread; and a closer for
// the message boxes the forms run with exec().

#include "../support/deviceworker.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

class FormRig : public DeviceWorker
{
    static QByteArray u32Bytes(quint32 v)
    {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    }


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

    // The records of test `test` sent to `port` with 0x12 since the last
    // clearRequests(), oldest first.
    QList<QByteArray> settingsSent(port_t port, quint8 test) const
    {
        QList<QByteArray> out;
        for (const QByteArray &r : requestsOf(0x12)) {
            if (r.size() >= 6 && u32At(r, 1) == port && quint8(r.at(5)) == test)
                out << r.mid(6);
        }
        return out;
    }

    // The requests of a start since the last clearRequests(): the settings
    // record (0x12), the topology (0x0A), the start (0x09, flag 1) and the
    // results request (0x13), in this order, each for port and test. Empty
    // when they are so; otherwise what differs.
    QString startMismatch(port_t port, quint8 test, quint8 topology, const QByteArray &settings) const
    {
        const QList<QByteArray> seq = requests();
        if (seq.size() < 4)
            return QStringLiteral("%1 requests").arg(seq.size());
        const QByteArray expected[4] = {
            QByteArray(1, '\x12') + u32Bytes(port) + char(test) + settings,
            QByteArray(1, '\x0A') + u32Bytes(port) + char(topology),
            QByteArray(1, '\x09') + char(1) + u32Bytes(port) + char(test),
            QByteArray(1, '\x13') + u32Bytes(port) + char(test),
        };
        for (int i = 0; i < 4; ++i) {
            if (!seq.at(i).startsWith(expected[i]) || (i < 3 && seq.at(i) != expected[i]))
                return QStringLiteral("request %1: %2, expected %3")
                    .arg(i)
                    .arg(QString::fromLatin1(seq.at(i).toHex(' ')), QString::fromLatin1(expected[i].toHex(' ')));
        }
        return QString();
    }

    // The stop request (0x09, flag 0) of a test on a port, as the first 0x09
    // since the last clearRequests().
    bool stopped(port_t port, quint8 test) const
    {
        const QList<QByteArray> stops = requestsOf(0x09);
        return !stops.isEmpty() && stops.first() == QByteArray(1, '\x09') + char(0) + u32Bytes(port) + char(test);
    }

    // Lets count more polls reach the GUI thread.
    bool waitForPolls(int count) { return waitForStatusRequests(count) && drain(); }
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

// Answers the file name dialogs that come up while it lives: once the
// tester's proposal is in the name field, types `name` over it (an empty
// name keeps the proposal) and accepts, or cancels when `name` is null.
class FileNameAnswer
{
public:
    explicit FileNameAnswer(const QString &name)
        : m_name(name)
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QLineEdit *field = dialog ? dialog->findChild<QLineEdit *>() : nullptr;
            if (!field)
                return;
            if (field->text().isEmpty()) {
                // No proposal from the tester (the link is down): give up
                // rather than leave the test waiting in the dialog.
                if (!m_waiting.isValid())
                    m_waiting.start();
                if (m_waiting.hasExpired(EventuallyMs)) {
                    ++unanswered;
                    m_waiting.invalidate();
                    dialog->reject();
                }
                return;
            }
            m_waiting.invalidate();
            ++answered;
            if (m_name.isNull()) {
                dialog->reject();
            } else {
                if (!m_name.isEmpty())
                    field->setText(m_name);
                dialog->accept();
            }
        });
        m_timer.start();
    }

    int answered = 0;
    int unanswered = 0;   // dialogs closed for want of a proposal

private:
    QString m_name;
    QTimer m_timer;
    QElapsedTimer m_waiting;
};
