#pragma once

// Checks of the pictures a window shows, shared by the vyrup and settings
// correction window tests: every picture their sources name is compiled in,
// and an icon draws something. (Whether the texts fit is the suite's
// text-fit check, tests/support/textfit.h.)

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QRegularExpression>
#include <QStringList>

namespace windowlook {

// Image resource paths (":/x.png" or ":x.png") named in the designer forms
// and sources of the given folders (relative to the source tree in
// VYR_SOURCE_DIR), so a picture added to a form but not to the program's
// .qrc shows up.
inline QStringList imageResourcesNamedIn(const QStringList &folders)
{
    static const QRegularExpression path(
        QStringLiteral("(?<=[\"'>])(:/?[A-Za-z0-9_./-]+\\.(?:png|jpg|jpeg|gif|bmp|svg|ico))(?=[\"'<])"));
    const QString root = qEnvironmentVariable("VYR_SOURCE_DIR");
    QStringList found;
    for (const QString &folder : folders) {
        const QDir dir(root + QLatin1Char('/') + folder);
        for (const QString &name : dir.entryList({"*.ui", "*.cpp", "*.h"}, QDir::Files)) {
            QFile f(dir.filePath(name));
            if (!f.open(QIODevice::ReadOnly))
                continue;
            auto it = path.globalMatch(QString::fromUtf8(f.readAll()));
            while (it.hasNext()) {
                const QString p = it.next().captured(1);
                if (!found.contains(p))
                    found << p;
            }
        }
    }
    found.sort();
    return found;
}

// An icon made from a missing file is not null, it just draws nothing.
inline bool drawable(const QIcon &icon)
{
    return !icon.pixmap(16, 16).isNull();
}

} // namespace windowlook
