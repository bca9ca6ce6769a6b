#include "filelist.h"

#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

void showFileNames(QListWidget *list, const QStringList &names, QPushButton *refresh, QPushButton *deleteAll)
{
    refresh->setEnabled(true);
    list->clear();
    list->addItems(names);
    deleteAll->setEnabled(list->count() > 0);
}

bool confirmDeleteAll(QWidget *parent, const QString &title, const QString &question)
{
    return QMessageBox::question(parent, title, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}
