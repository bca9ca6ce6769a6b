#pragma once

// A Device in a real worker thread, connected over TCP to the simulated
// tester, for driving forms offscreen in the GUI thread; and a closer for
// the message boxes the forms run with exec().

#include "../support/deviceworker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

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

    // The settings records of a test written to a port (0x12) since the
    // last clearRequests(), oldest first.
    QList<QByteArray> settingsSent(port_t port, quint8 test) const
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
        return QTest::qWaitFor([&] { return !settingsSent(port, test).isEmpty(); }, EventuallyMs);
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

// A shown window holding the form in a layout, as the main window's form
// area does; the form itself starts hidden, as until its activate(). The
// window owns the form.
inline std::unique_ptr<QWidget> formHost(QWidget *form, const QSize &size)
{
    auto host = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(host.get());
    layout->addWidget(form);
    host->resize(size);
    host->show();
    form->hide();
    return host;
}

// Clicks the button and answers the file-name dialog it opens, once the
// tester's proposal is in: with the typed text (a null text cancels, an
// empty one keeps the proposal; the text is not checked, so blanks go
// through). True when the dialog came up and was answered.
inline bool answerFileNameDialog(QAbstractButton *button, const QString &typed)
{
    bool answered = false;
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto *edit = dialog->findChild<QLineEdit *>();
        if (!edit || edit->text().isEmpty())
            return;   // the proposal has not arrived yet
        answered = true;
        if (typed.isNull()) {
            dialog->reject();
            return;
        }
        if (!typed.isEmpty())
            edit->setText(typed);
        dialog->accept();
    });
    answer.start();
    button->click();
    return answered;
}
