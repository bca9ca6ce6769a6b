#pragma once

// A Device in a real worker thread, connected over TCP to the simulated
// tester, for driving forms offscreen in the GUI thread; and a closer for
// the message boxes the forms run with exec().

#include "../support/deviceworker.h"
#include "../support/fieldstyle.h"
#include "../support/widgetlookup.h"
#include "headersettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

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

    // The tester runs nothing (the form sees it at the next poll).
    void clearProcesses()
    {
        tester([](SimRemoteResponder &r) {
            for (auto &p : r.status.process)
                p.tx = p.rx = 0;
        });
    }

    // Waits for the next settings record of a test sent to a port and
    // returns it (all zero on time-out).
    template <class T>
    T nextSentSettings(port_t port, quint8 test)
    {
        if (!waitForSettingsSent(port, test))
            return T{};
        return recordFrom<T>(sentSettings(port, test).last());
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

// Runs f, closing every message box it brings up; their texts, in order.
inline QStringList boxTextsWhile(const std::function<void()> &f)
{
    MessageBoxCloser closer;
    f();
    QStringList texts;
    for (const MessageBoxCloser::Seen &s : closer.seen)
        texts << s.text;
    return texts;
}

// The two boxes of a window that holds no settings record of the tester:
// an Apply refused, a start refused.
const QString NotReadApply = QStringLiteral(
    "The settings of this test have not been read from the tester, so nothing was sent.\n"
    "Press Reset to read them again; this replaces the values you changed with the tester's.");
const QString NotReadStart = QStringLiteral(
    "The settings of this test have not been read from the tester, so nothing was sent and the test "
    "was not started.\nPress Reset to read them again; this replaces the values you changed with the tester's.");
inline bool saysNothingApplied(const QString &text)
{
    return text == NotReadApply;
}
inline bool saysNotStarted(const QString &text)
{
    return text == NotReadStart;
}

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
