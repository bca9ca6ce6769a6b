#pragma once

// One main window in a fresh working folder (its own db.sqlite) and one
// simulated tester of a given model listening on 127.0.0.1, for the
// main-window tests of the forms.

#include "mainform.h"
#include "simremote.h"
#include "simtester.h"
#include "../support/widgetlookup.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

constexpr int MainWinDeadlineMs = 20000;

struct MainWinFixture
{
    QTemporaryDir dir;
    QString oldDir = QDir::currentPath();
    std::unique_ptr<SimTester> sim;
    quint16 port = 0;
    std::unique_ptr<MainForm> w;

    // realistic: the tester holds its factory settings and runs the tests
    // it is asked to start (see tests/sim/simtests.h).
    explicit MainWinFixture(quint8 type = 0, bool realistic = false)
    {
        QDir::setCurrent(dir.path());
        auto *responder = new SimRemoteResponder(type);
        responder->realistic = realistic;
        sim = std::make_unique<SimTester>(responder);
        port = sim->listenTcp();
        w = std::make_unique<MainForm>();
    }
    ~MainWinFixture()
    {
        w.reset();
        sim.reset();
        QDir::setCurrent(oldDir);
    }
    MainWinFixture(const MainWinFixture &) = delete;
    MainWinFixture &operator=(const MainWinFixture &) = delete;

    template <class T>
    T *get(const char *name) const
    {
        return findWidget<T>(w.get(), name);
    }

    // Connects over TCP and waits for the device information.
    bool connect()
    {
        w->setIpFromCommandLine(QStringLiteral("127.0.0.1:%1").arg(port));
        get<QPushButton>("bEthConnect")->click();
        QLabel *info = get<QLabel>("lEthInfo");
        return QTest::qWaitFor([&] { return !info->text().isEmpty(); }, MainWinDeadlineMs);
    }
};
