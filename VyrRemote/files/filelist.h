#pragma once

#include "device.h"

#include <QString>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// What the configuration-file and report-file forms do alike with their
// list of names on the tester. GUI thread only.

// A name list has arrived: Refresh enabled again, the list refilled with
// the names in the tester's order (which leaves no current item), Delete
// All enabled only while there is a name to delete, and the note under the
// list saying why the list is incomplete (hidden for a complete one).
void showFileNames(QListWidget *list, const FileListing &listing, QLabel *note, QPushButton *refresh,
                   QPushButton *deleteAll);

// The note for a listing that ended so, in the current language; empty for
// a complete list.
QString fileListNote(FileListEnd end);
// Shows that note in the label (hidden when it is empty).
void showFileListNote(QLabel *note, FileListEnd end);

// The question before every file of a type goes: Yes or No, No the default.
// The caller words it in its own translation context.
bool confirmDeleteAll(QWidget *parent, const QString &title, const QString &question);
