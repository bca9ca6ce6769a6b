#pragma once

// Helpers shared by the vyrup window tests: a window connected to a
// simulated tester on a pseudo-terminal, answering modal dialogs, building
// update packages.

#include "commandline.h"
#include "mainform.h"
#include "../support/widgetlookup.h"
#include "simtester.h"
#include "simupdate.h"

#include <QApplication>
#include <QComboBox>
#include <QDataStream>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <QtEndian>

#include <functional>
#include <memory>

namespace vyruptest {

// Generous: the machine may be loaded; only "it happened" is checked.
constexpr int EventTimeoutMs = 20000;

template <class T>
T *child(QWidget *w, const char *name)
{
    return findWidget<T>(w, name);
}

inline QStringList logLines(QWidget *w)
{
    const QString text = child<QTextEdit>(w, "teStatus")->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// Runs handler on the first modal widget of type T that shows up, from the
// event loop of whoever opened it. Stops after one hit.
template <class T>
QTimer *answerModal(std::function<void(T *)> handler)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, handler] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        handler(dialog);
    });
    timer->start();
    return timer;
}

inline QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian<quint32>(v, b.data());
    return b;
}

// gpsFlag < 0: no GPS section.
inline QByteArray makePackage(quint8 type, const QByteArray &cpu, const QByteArray &fpga,
                              const QByteArray &fs, int gpsFlag = -1, const QByteArray &gps = QByteArray())
{
    QByteArray p = le32(0xC0FFEE42u);
    p.append(char(type));
    p += le32(cpu.size()) + le32(fpga.size()) + le32(fs.size());
    p += cpu + fpga + fs;
    if (gpsFlag >= 0) {
        p += le32(0xC0FFEE42u);
        p.append(char(gpsFlag));
        p += le32(gps.size());
        p += gps;
    }
    return p;
}

// Bytes that differ from block to block, so a misplaced block shows.
inline QByteArray pattern(int size, int seed)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 7 + seed * 13 + i / 256) & 0xFF);
    return b;
}

inline bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

// Clicks an Open button and picks path in the file dialog it opens.
inline void pickFile(QWidget *w, const char *openButton, const QString &path)
{
    answerModal<QFileDialog>([path](QFileDialog *d) {
        // Typed as a person would: selectFile() leaves a focused name edit alone.
        d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(d)->accept();
    });
    QTest::mouseClick(child<QPushButton>(w, openButton), Qt::LeftButton);
}

// Counts the queued calls the client's reports make into the window.
class ReportCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::MetaCall)
            ++count;
        return false;
    }
};

// A shown window talking to a simulated tester in update mode; arguments
// are the program's command line ("-dev"), applied before the window shows.
struct Rig
{
    explicit Rig(quint8 deviceType = 6, const QStringList &arguments = QStringList())
        : sim(new SimUpdateResponder(deviceType))
    {
        ptyPath = sim.openPty();
        window.reset(new MainForm);
        applyCommandLine(*window, arguments);
        // Installed before any event is processed: the first report is the
        // answer to the port list the window asks for at once.
        window->installEventFilter(&reports);
        window->show();
    }

    SimTester sim;
    QString ptyPath;
    ReportCounter reports;
    std::unique_ptr<MainForm> window;

    QWidget *w() const { return window.get(); }

    template <class T>
    T *get(const char *name) const { return child<T>(window.get(), name); }

    void responder(const std::function<void(SimUpdateResponder &)> &f) { sim.with<SimUpdateResponder>(f); }

    // English texts; a log with nothing written yet shows the English hint.
    void english() { QTest::mouseClick(get<QPushButton>("bEng"), Qt::LeftButton); }

    // Waits for the port list asked for at start (it replaces the box's
    // entries), then types the pseudo-terminal's path into the box.
    bool selectPty()
    {
        if (!QTest::qWaitFor([&] { return reports.count > 0; }, EventTimeoutMs))
            return false;
        get<QComboBox>("cbCOM")->setEditText(ptyPath);
        return true;
    }

    bool connectDevice()
    {
        if (!selectPty())
            return false;
        QTest::mouseClick(get<QPushButton>("bConnect"), Qt::LeftButton);
        auto *disconnect = get<QPushButton>("bDisconnect");
        return QTest::qWaitFor([&] { return disconnect->isVisible(); }, EventTimeoutMs);
    }

    bool waitForLog(const QString &line)
    {
        return QTest::qWaitFor([&] { return logLines(w()).contains(line); }, EventTimeoutMs);
    }
};

} // namespace vyruptest
