#pragma once

#include <QString>

class QDateTime;
class QSettings;
class QWidget;

// The PC side of the file forms: the names they propose for the files they
// write and the save dialog they ask with. GUI thread only (the dialog);
// the name functions are pure.

// The proposed PDF file name of a report stored on the tester: the report's
// name with ".pdf" appended, every character a file name cannot hold on the
// PC ('*', '?', ':', '/', '\\', '"', '<', '>', '|' and control characters)
// replaced by '_'. A name with nothing left to show gives "report.pdf".
QString proposedPdfFileName(const QString &reportName);

// The proposed PNG file name of a screenshot taken at the given local time:
// "yyyy-MM-dd hh-mm-ss.png" on a 24-hour clock.
QString screenshotFileName(const QDateTime &localTime);

// The folder a save dialog starts in: the remembered one (an absolute path)
// while it is still a folder the user can write to, else the user's
// Documents folder when there is one, else the home folder. Never the
// file-system root by default.
QString saveDialogStartFolder(const QString &remembered);

// Runs the save dialog of the file forms modally: parent as parent, no
// caption, starting in saveDialogStartFolder() of the folder stored under
// pathKey, files only, listing those nameFilter names ("PDF files (*.pdf)"),
// any file name, confirmation before an existing file is overwritten,
// defaultSuffix appended to a name typed without one, and proposedName
// filled in. Afterwards, accepted or not, the folder the dialog
// ended in is stored under pathKey. Returns the absolute path of the first
// chosen file; empty when the operator cancelled.
QString askSaveFileName(QWidget *parent, QSettings &settings, const QString &pathKey, const QString &nameFilter,
                        const QString &defaultSuffix, const QString &proposedName);
