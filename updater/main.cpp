#include "commandline.h"
#include "mainform.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Halvorsk"));
    QCoreApplication::setApplicationName(QStringLiteral("Ostrel Updater"));

    MainForm window;
    // The raw argv, as the program always saw it: QApplication has already
    // taken its own options out of it.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    applyCommandLine(window, arguments);

    window.show();
    return app.exec();
}
