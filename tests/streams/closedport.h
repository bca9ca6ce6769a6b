#pragma once

// A TCP port on 127.0.0.1 on which nothing listens: the address of a tester
// that is not there, for the tests of a connect that fails.

#include <QHostAddress>
#include <QTcpServer>

// 0 when no port could be had.
inline quint16 closedTcpPort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        return 0;
    const quint16 port = server.serverPort();
    server.close();
    return port;
}
