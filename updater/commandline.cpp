#include "commandline.h"

#include "mainform.h"

void applyCommandLine(MainForm &window, const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String(DevModeOption))
            window.enableDevMode();
    }
}
