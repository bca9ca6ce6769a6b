// vyrsim: the simulated tester as a stand-alone program, for trying the
// desktop programs by hand against it.
//
//   vyrsim [--tcp PORT] [--pty] [--type N] [--update] [--verbose]

#include "deviceidentity.h"
#include "simdefaults.h"
#include "simremote.h"
#include "simtests.h"
#include "simtester.h"
#include "simupdate.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr quint16 DefaultTcpPort = 55555;

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vyrsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated tester on 127.0.0.1 and/or a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption tcpOption(QStringLiteral("tcp"),
        QStringLiteral("Listen on 127.0.0.1:PORT (default %1).").arg(DefaultTcpPort),
        QStringLiteral("PORT"), QString::number(DefaultTcpPort));
    const QCommandLineOption ptyOption(QStringLiteral("pty"),
        QStringLiteral("Open a pseudo-terminal and print its path."));
    const QCommandLineOption typeOption(QStringLiteral("type"),
        QStringLiteral("Device type 0-8 (default %1, the model VyrRemote is built for).").arg(SimDefaultDeviceType),
        QStringLiteral("N"), QString::number(SimDefaultDeviceType));
    const QCommandLineOption updateOption(QStringLiteral("update"),
        QStringLiteral("Answer as a tester in update mode."));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
        QStringLiteral("Print every request and reply as hex."));
    parser.addOptions({tcpOption, ptyOption, typeOption, updateOption, verboseOption});
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);

    bool ok = false;
    const uint type = parser.value(typeOption).toUInt(&ok);
    if (!ok || type > 255) {
        err << "vyrsim: bad device type " << parser.value(typeOption) << "\n";
        return 2;
    }
    const uint port = parser.value(tcpOption).toUInt(&ok);
    if (!ok || port > 65535) {
        err << "vyrsim: bad TCP port " << parser.value(tcpOption) << "\n";
        return 2;
    }

    SimResponder *responder = parser.isSet(updateOption)
            ? static_cast<SimResponder *>(new SimUpdateResponder(quint8(type)))
            : static_cast<SimResponder *>(new SimRemoteResponder(quint8(type)));
    if (!parser.isSet(updateOption)) {
        auto *remote = static_cast<SimRemoteResponder *>(responder);
        remote->realistic = true;
        remote->status.syncSources = SimSyncSources;
        // A cable between the test ports: every port has link.
        if (devicePortCount(type) > 1)
            remote->status.link[1] = remote->status.link[0];
        simDrawScreen(*remote);
    }
    SimTester sim(responder);
    sim.setVerbose(parser.isSet(verboseOption));

    // Without --pty the TCP listener is the point; with it, TCP only when asked.
    const bool wantTcp = parser.isSet(tcpOption) || !parser.isSet(ptyOption);
    if (wantTcp) {
        const quint16 listening = sim.listenTcp(quint16(port));
        if (listening == 0) {
            err << "vyrsim: cannot listen on 127.0.0.1:" << port << "\n";
            return 1;
        }
        out << "listening on 127.0.0.1:" << listening << "\n";
    }
    if (parser.isSet(ptyOption)) {
        const QString path = sim.openPty();
        if (path.isEmpty()) {
            err << "vyrsim: cannot open a pseudo-terminal\n";
            return 1;
        }
        out << "pseudo-terminal " << path << "\n";
    }
    out << (parser.isSet(updateOption) ? "update" : "remote-control") << " mode, device type " << type << "\n";
    out.flush();

    // Runs until killed; the system closes the listener and the terminal.
    return app.exec();
}
