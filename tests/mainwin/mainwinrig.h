#pragma once

// The main window in a fresh working folder (its own db.sqlite) against a
// simulated tester, at the size the window tests look at it, with the
// helpers that show each hosted form in turn and run the text-fit check
// over the whole window in every language it carries.

#include "mainform.h"
#include "iretranslatable.h"
#include "simremote.h"
#include "simtester.h"
#include "textfit.h"
#include "../support/widgetlookup.h"

#include <QDir>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <functional>
#include <memory>

// The window starts maximized. The tests' offscreen screen (800 x 600) is
// smaller than any screen the program is used on, so the tests give the
// window the room it has maximized on the most common desktop screen,
// 1920 x 1080: the full width, and the height less a 40 px task bar and a
// 23 px title bar. Every layout has to stay sound at this size (the window
// must not need more), with every form of the form list shown.
constexpr int MainWindowTestWidth = 1920;
constexpr int MainWindowTestHeight = 1017;

constexpr int MainWindowDeadlineMs = 20000;

// What the check of the whole window allows: item views that scroll by
// design (the IP scanner's list of 256 rows).
inline textfit::Options mainWindowTextFitOptions()
{
    textfit::Options options;
    options.scrollingAllowed << QStringLiteral("twIPList");
    return options;
}

// Both ports busy, with the widest texts the port panels show: a Y.1564
// test from Port A, a level-4 loopback on Port B, full-rate counters.
inline void showBusyPorts(SimRemoteResponder &r)
{
    get_device_status_resp_t &s = r.status;
    s.topology[0] = 0;
    s.topology[1] = 1;
    s.process[0].tx = 1u << TestY1564;
    s.process[1].rx = 1u << 1;   // loopback
    s.loopback[1].level = 4;
    s.link[0] = port_link_t{1, 0, 2, 1};
    s.link[1] = port_link_t{1, 0, 2, 0};
    for (int p = 0; p < 2; ++p) {
        s.txRate[p] = 0xFFFFFFFFu;
        s.rxRate[p] = 0xFFFFFFFFu;
    }
}

struct MainWindowRig
{
    QTemporaryDir dir;
    QString oldDir = QDir::currentPath();
    std::unique_ptr<SimTester> sim;
    quint16 port = 0;
    std::unique_ptr<MainForm> w;

    // realistic: the simulated tester's settings are the ones a real tester
    // holds, and its results follow the tests it runs.
    explicit MainWindowRig(quint8 deviceType, bool realistic = true)
    {
        QDir::setCurrent(dir.path());
        auto *responder = new SimRemoteResponder(deviceType);
        responder->realistic = realistic;
        sim = std::make_unique<SimTester>(responder);
        port = sim->listenTcp();
        w = std::make_unique<MainForm>();
    }
    ~MainWindowRig()
    {
        w.reset();
        sim.reset();
        QDir::setCurrent(oldDir);
    }

    template <class T>
    T *get(const char *name) const
    {
        return findWidget<T>(w.get(), name);
    }

    // Shown at the tests' window size instead of maximized.
    void showAtTestSize()
    {
        w->showNormal();
        w->resize(MainWindowTestWidth, MainWindowTestHeight);
        textfit::settle(w.get());
    }

    template <class F>
    void tester(F f)
    {
        sim->with<SimRemoteResponder>(f);
    }

    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(port); }

    // Connect pressed with the simulated tester's address.
    void startConnect()
    {
        w->setIpFromCommandLine(address());
        get<QPushButton>("bEthConnect")->click();
    }

    // The device information has arrived.
    bool waitConnected()
    {
        QLabel *info = get<QLabel>("lEthInfo");
        return QTest::qWaitFor([&] { return !info->text().isEmpty(); }, MainWindowDeadlineMs);
    }

    bool connectToSim()
    {
        startConnect();
        return waitConnected() && drain();
    }

    // Waits until the worker has answered everything asked so far and its
    // signals (and what they asked for in turn) have been handled.
    bool drain()
    {
        for (int round = 0; round < 2; ++round) {
            auto done = std::make_shared<std::atomic<bool>>(false);
            QMetaObject::invokeMethod(w->getDevice(), [done] { done->store(true); }, Qt::QueuedConnection);
            if (!QTest::qWaitFor([&] { return done->load(); }, MainWindowDeadlineMs))
                return false;
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
        }
        textfit::settle(w.get());
        return true;
    }

    // The text-fit check of the whole window in every language it carries,
    // and the window's size: at the tests' size unless its layout needs more.
    QStringList cutTexts(const textfit::Options &options = mainWindowTextFitOptions());

    // Shows form i of the form list as the operator reaches it: through its
    // selector button, or, where the button stays disabled (forms reached
    // only through a loaded report), as the window does for a report.
    bool showForm(int i)
    {
        const QList<IRetranslatable *> forms = w->forms();
        IRetranslatable *form = forms.value(i);
        if (!form)
            return false;
        QPushButton *button = w->selectorButtons().value(i);
        if (button && button->isEnabled()) {
            button->click();
        } else {
            for (IRetranslatable *f : forms) {
                if (f)
                    f->hide();
            }
            QMetaObject::invokeMethod(form, "activate");
        }
        return form->isVisible() && drain();
    }
};

// Switches the window's language with its own slots: "ru", "en" or "de"
// (German is carried by the catalogues though its button is hidden).
inline void useWindowLanguage(MainForm *w, const QString &language)
{
    if (language == QLatin1String("ru"))
        w->bRusClicked();
    else if (language == QLatin1String("de"))
        w->bDeuClicked();
    else
        w->bEngClicked();
}

// The text-fit check of the whole window in Russian, English and German;
// one report per language with cut texts. Ends in Russian.
inline QStringList mainWindowCutTexts(MainForm *w, const textfit::Options &options = mainWindowTextFitOptions())
{
    const QStringList reports = textFitInEachLanguage(
        [w](const QString &language) {
            useWindowLanguage(w, language);
            return true;
        },
        [&] { return textfit::cutTexts(w, options); });
    useWindowLanguage(w, QStringLiteral("ru"));
    return reports;
}


inline QStringList MainWindowRig::cutTexts(const textfit::Options &options)
{
    QStringList reports = mainWindowCutTexts(w.get(), options);
    const QSize size = w->size();
    if (size != QSize(MainWindowTestWidth, MainWindowTestHeight))
        reports << QStringLiteral("the window needs %1 x %2 px, more than the %3 x %4 px it has")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(MainWindowTestWidth)
                       .arg(MainWindowTestHeight);
    return reports;
}
