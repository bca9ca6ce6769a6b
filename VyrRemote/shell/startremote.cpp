#include "startremote.h"

#include "authenticationdialog.h"
#include "mainform.h"

#include <QCoreApplication>
#include <QMessageBox>

RemoteOptions parseRemoteOptions(const QStringList &arguments)
{
    enum class Expect { Option, Ip, Login, Password };
    RemoteOptions options;
    Expect expect = Expect::Option;
    for (const QString &arg : arguments) {
        switch (expect) {
        case Expect::Option:
            if (arg == QLatin1String("-dev"))
                options.dev = true;
            else if (arg == QLatin1String("-update"))
                options.update = true;
            else if (arg == QLatin1String("-ip"))
                expect = Expect::Ip;
            else if (arg == QLatin1String("-login"))
                expect = Expect::Login;
            else if (arg == QLatin1String("-password"))
                expect = Expect::Password;
            continue;
        case Expect::Ip:
            options.haveIp = true;
            options.ip = arg;
            break;
        case Expect::Login:
            options.login = arg;
            break;
        case Expect::Password:
            options.password = arg;
            break;
        }
        expect = Expect::Option;
    }
    return options;
}

StartOutcome startRemote(MainForm &window, const QStringList &arguments)
{
    const RemoteOptions options = parseRemoteOptions(arguments);
    if (options.dev)
        window.showFpgaBox();
    if (options.update)
        window.enterUpdateMode();
    if (options.haveIp)
        window.setIpFromCommandLine(options.ip);

    if (!window.databaseIsOpen()) {
        QMessageBox::critical(nullptr, window.windowTitle(),
                              QObject::tr("The database cannot be opened!\nThe program will close."),
                              QMessageBox::Ok);
        return StartOutcome::DatabaseFailed;
    }

    if (!options.login.isEmpty() && !options.password.isEmpty()
        && window.checkUser(options.login, options.password))
        return StartOutcome::Run;

    AuthenticationDialog dialog;
    dialog.setWindowTitle(window.windowTitle());
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return StartOutcome::Cancelled;
        if (window.checkUser(dialog.login(), dialog.password()))
            return StartOutcome::Run;
    }
}

int startExitCode(StartOutcome outcome)
{
    switch (outcome) {
    case StartOutcome::DatabaseFailed:
        return 1;
    case StartOutcome::Run:
    case StartOutcome::Cancelled:
        break;
    }
    return 0;
}
