#include "filelist.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

void showFileNames(QListWidget *list, const FileListing &listing, QLabel *note, QPushButton *refresh,
                   QPushButton *deleteAll)
{
    refresh->setEnabled(true);
    list->clear();
    list->addItems(listing.names);
    deleteAll->setEnabled(list->count() > 0);
    showFileListNote(note, listing.end);
}

QString fileListNote(FileListEnd end)
{
    switch (end) {
    case FileListEnd::Complete:
        return QString();
    case FileListEnd::LinkLost:
        return QCoreApplication::translate("FileList",
                                           "The list is incomplete: the link to the tester was lost while it was read.");
    case FileListEnd::BadReply:
        return QCoreApplication::translate("FileList",
                                           "The list is incomplete: the tester sent a reply that could not be read.");
    case FileListEnd::Repeated:
        return QCoreApplication::translate("FileList",
                                           "The list is incomplete: the tester named a file twice, so reading stopped.");
    case FileListEnd::TooMany:
        return QCoreApplication::translate("FileList",
                                           "The list shows the first %1 files only; the tester may hold more.")
            .arg(Device::MaxListedFiles);
    case FileListEnd::TimeLimit:
        return QCoreApplication::translate("FileList",
                                           "The list is incomplete: the tester took longer than %1 s to list its files.")
            .arg(Device::MaxListingMs / 1000);
    case FileListEnd::Disconnect:
        return QCoreApplication::translate("FileList",
                                           "The list is incomplete: reading it stopped for the disconnect.");
    case FileListEnd::Closing:
        return QCoreApplication::translate("FileList",
                                           "The list is incomplete: reading it stopped as the program closed.");
    }
    return QString();
}

void showFileListNote(QLabel *note, FileListEnd end)
{
    const QString text = fileListNote(end);
    note->setText(text);
    note->setVisible(!text.isEmpty());
}

bool confirmDeleteAll(QWidget *parent, const QString &title, const QString &question)
{
    return QMessageBox::question(parent, title, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}
