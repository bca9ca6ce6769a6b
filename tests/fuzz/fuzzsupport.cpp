#include "fuzztarget.h"

#include <QString>
#include <QtGlobal>

namespace {

void dropDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

void vyrfuzz::quietDebugOutput()
{
    static const bool installed = (qInstallMessageHandler(dropDebug), true);
    Q_UNUSED(installed)
}
