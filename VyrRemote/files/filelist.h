#pragma once

#include <QString>
#include <QStringList>

class QListWidget;
class QPushButton;
class QWidget;

// What the configuration-file and report-file forms do alike with their
// list of names on the tester. GUI thread only.

// A name list has arrived: Refresh enabled again, the list refilled with
// the names in the tester's order (which leaves no current item), Delete
// All enabled only while there is a name to delete.
void showFileNames(QListWidget *list, const QStringList &names, QPushButton *refresh, QPushButton *deleteAll);

// The question before every file of a type goes: Yes or No, No the default.
// The caller words it in its own translation context.
bool confirmDeleteAll(QWidget *parent, const QString &title, const QString &question);
