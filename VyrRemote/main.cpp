#include "mainform.h"
#include "startremote.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvorsk"));
    QCoreApplication::setApplicationName(QStringLiteral("OstrelRemote"));

    MainForm window;
    const StartOutcome outcome = startRemote(window, QCoreApplication::arguments());
    if (outcome != StartOutcome::Run)
        return startExitCode(outcome);
    window.show();
    return app.exec();
}
