#pragma once

// What the tests of the file transfer window and of the main window's file
// roads share: the file requests the simulated tester saw, read back as
// short texts, files to store on it, and the names a file form lists.

#include "deviceworker.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QListWidget>
#include <QString>
#include <QStringList>

// The 21-byte name field that follows the command code of a file request
// (0x05, 0x08, 0x0C, 0x0D, 0x16), up to its first NUL.
inline QString requestedName(const QByteArray &request)
{
    QByteArray field = request.mid(1, 21);
    const int nul = field.indexOf('\0');
    if (nul >= 0)
        field.truncate(nul);
    return QString::fromLatin1(field);
}

// The file type of a listing (0x07) or delete-by-type (0x0E) request; -1
// for any other request.
inline int requestedType(const QByteArray &request)
{
    if (command(request) == 0x07 && request.size() >= 6)
        return int(u32At(request, 2));
    if (command(request) == 0x0E && request.size() >= 5)
        return int(u32At(request, 1));
    return -1;
}

// The file-related requests since the last clear, as short texts in order:
// "list 1" (a listing's first request of type 1), "delete NAME",
// "deleteAll 6", "save NAME", "load NAME", "loadReport NAME", "open NAME",
// "name 0" (a proposed name for test 0). Listing continuations, reads and
// status polls are left out.
inline QStringList fileRequests(const QList<QByteArray> &requests)
{
    QStringList out;
    for (const QByteArray &r : requests) {
        switch (command(r)) {
        case 0x07:
            if (r.size() >= 2 && r.at(1) != 0)
                out << QStringLiteral("list %1").arg(requestedType(r));
            break;
        case 0x08: out << QStringLiteral("delete ") + requestedName(r); break;
        case 0x0E: out << QStringLiteral("deleteAll %1").arg(requestedType(r)); break;
        case 0x0C: out << QStringLiteral("save ") + requestedName(r); break;
        case 0x0D: out << QStringLiteral("load ") + requestedName(r); break;
        case 0x16: out << QStringLiteral("loadReport ") + requestedName(r); break;
        case 0x05: out << QStringLiteral("open ") + requestedName(r); break;
        case 0x1A: out << QStringLiteral("name %1").arg(r.size() >= 2 ? quint8(r.at(1)) : -1); break;
        default: break;
        }
    }
    return out;
}

// The listings among the requests (the first request of each), as file
// types in order: 1 configuration, 6 reports.
inline QList<int> listings(const QList<QByteArray> &requests)
{
    QList<int> out;
    for (const QByteArray &r : requests) {
        if (command(r) == 0x07 && r.size() >= 6 && r.at(1) != 0)
            out << requestedType(r);
    }
    return out;
}

inline SimRemoteResponder::File simFile(const QString &name, quint32 type, const QByteArray &contents = QByteArray(),
                                        quint32 port = 0, quint32 test = 0)
{
    SimRemoteResponder::File f;
    f.name = name;
    f.type = type;
    f.contents = contents;
    f.port = port;
    f.test = test;
    return f;
}

// The names a file form's list shows, top to bottom.
inline QStringList listedNames(const QWidget *form)
{
    QStringList names;
    const auto *list = form->findChild<QListWidget *>(QStringLiteral("listWidget"));
    for (int i = 0; list && i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

// The forms' QSettings objects reach the store VyrRemote uses (under the
// test's private HOME).
inline void useProgramSettingsStore()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Halvorsk"));
    QCoreApplication::setApplicationName(QStringLiteral("OstrelRemote"));
}
