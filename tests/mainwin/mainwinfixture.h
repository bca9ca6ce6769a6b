#pragma once

// The name the main-window fixture had in some tests: the window rig of
// mainwinrig.h. Kept for tests written against it; new tests use
// MainWindowRig.

#include "mainwinrig.h"

constexpr int MainWinDeadlineMs = MainWindowDeadlineMs;

struct MainWinFixture : MainWindowRig
{
    explicit MainWinFixture(quint8 type = 0, bool realistic = false)
        : MainWindowRig(type, realistic)
    {
    }
    bool connect() { return connectToSim(); }
};
