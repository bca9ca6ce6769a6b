#pragma once

#include "device.h"
#include "iretranslatable.h"
#include "pdfcreator.h"

#include <QSettings>
#include <QString>
#include <QStringList>

class Device;

namespace Ui {
class ReportFilesForm;
}

// The "Reports" tab of the file transfer window: the report files stored on
// the tester (file type 6). Lists them, loads one back into its test,
// deletes some or all, and saves them as PDF documents on the PC: one save
// dialog and one request per selected report; Device reads the report from
// the tester and renders it in the worker thread, and the form shows the
// outcome of each request.
//
// Threads. GUI thread only. Requests are queued to Device in the order they
// are emitted; answers come back as queued signals. The names of the
// selected reports are copied before any dialog or message box runs: a list
// that arrives while one is open replaces the items, and no item is used
// after that.
class ReportFilesForm : public IRetranslatable
{
    Q_OBJECT
public:
    // Settings key of the folder the last PDF save dialog ended in.
    static const char *const PdfPathKey;

    explicit ReportFilesForm(Device *device, QWidget *parent = nullptr);
    ~ReportFilesForm() override;

    void retranslate() override;

signals:
    void receiveReportsFilesNames();
    void loadReportFromFile(QString fileName);
    void deleteReportFile(QString fileName);
    void deleteAllReportFiles();
    void createPdfReport(QString reportFileName, QString pdfFileName);

public slots:
    void activate();
    void reportsFilesNamesReceived();
    // One message per PDF request.
    void pdfReportFinished(PDFCreator::Outcome outcome);
    void on_bLoad_clicked();
    void on_bDelete_clicked();
    void on_bDown_clicked();
    void on_bDeleteAll_clicked();
    void on_bRefresh_clicked();
    void on_listWidget_currentRowChanged(int currentRow);
    void listWidgetClicked();

private:
    // Copies of the selected items' names, in the order of selectedItems().
    QStringList selectedNames() const;
    // No current item and nothing selected: Load, Delete and "Save pdf
    // report" go disabled.
    void dropSelection();

    Ui::ReportFilesForm *ui;
    Device *device;   // not owned
    // How the list on show ended, for its note after a language switch.
    FileListEnd listEnd = FileListEnd::Complete;
    QSettings settings;
};
