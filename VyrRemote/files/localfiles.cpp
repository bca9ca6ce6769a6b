#include "localfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace {
// Characters that Windows refuses in a file name; '/' is also the folder
// separator everywhere else.
const QString ForbiddenInFileName = QStringLiteral("*?:/\\\"<>|");
const QChar Replacement = QLatin1Char('_');
} // namespace

QString proposedPdfFileName(const QString &reportName)
{
    QString base = reportName.trimmed();
    for (QChar &c : base) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || ForbiddenInFileName.contains(c))
            c = Replacement;
    }
    if (base.isEmpty())
        base = QStringLiteral("report");
    return base + QStringLiteral(".pdf");
}

QString screenshotFileName(const QDateTime &localTime)
{
    return localTime.toString(QStringLiteral("yyyy-MM-dd hh-mm-ss")) + QStringLiteral(".png");
}

QString saveDialogStartFolder(const QString &remembered)
{
    const QFileInfo folder(remembered);
    if (!remembered.isEmpty() && folder.isAbsolute() && folder.isDir() && folder.isWritable())
        return QDir::cleanPath(folder.absoluteFilePath());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return QDir::cleanPath(documents);
    return QDir::homePath();
}

QString askSaveFileName(QWidget *parent, QSettings &settings, const QString &pathKey, const QString &nameFilter,
                        const QString &defaultSuffix, const QString &proposedName)
{
    QFileDialog dialog(parent);
    dialog.setDirectory(saveDialogStartFolder(settings.value(pathKey).toString()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFilter(QDir::Files);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(nameFilter);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedName);

    QString chosen;
    if (dialog.exec() == QDialog::Accepted) {
        const QStringList files = dialog.selectedFiles();
        if (!files.isEmpty())
            chosen = files.first();
    }
    const QString folder = dialog.directory().absolutePath();
    if (!folder.isEmpty())
        settings.setValue(pathKey, folder);
    return chosen;
}
