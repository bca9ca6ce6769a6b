#pragma once

// What the language tests of the settings correction window read: its
// About menu (its own child menu bar, not the window's menu bar) and one of
// Qt's own texts, which shows whether Qt's catalog is installed.

#include "mainwindow.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QString>

namespace osclanguage {

inline QMenu *aboutMenu(MainWindow &w)
{
    for (QMenuBar *bar : w.findChildren<QMenuBar *>())
        if (bar != w.menuBar() && !bar->actions().isEmpty())
            return bar->actions().at(0)->menu();
    return nullptr;
}

inline QString qtCancel()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

} // namespace osclanguage
