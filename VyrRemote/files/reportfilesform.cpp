#include "reportfilesform.h"
#include "ui_reportfilesform.h"

#include "device.h"
#include "filelist.h"
#include "localfiles.h"

#include <QListWidgetItem>
#include <QMessageBox>

const char *const ReportFilesForm::PdfPathKey = "Paths/PDF";

namespace {
const QString PdfSuffix = QStringLiteral("pdf");
} // namespace

ReportFilesForm::ReportFilesForm(Device *device, QWidget *parent)
    : IRetranslatable(parent)
    , ui(new Ui::ReportFilesForm)
    , device(device)
{
    ui->setupUi(this);
    showFileListNote(ui->lListNote, listEnd);

    connect(this, &ReportFilesForm::receiveReportsFilesNames, device,
            &Device::receiveReportsFilesNames, Qt::QueuedConnection);
    connect(this, &ReportFilesForm::loadReportFromFile, device, &Device::loadReportFromFile,
            Qt::QueuedConnection);
    connect(this, &ReportFilesForm::deleteReportFile, device, &Device::deleteFile, Qt::QueuedConnection);
    connect(this, &ReportFilesForm::deleteAllReportFiles, device, &Device::deleteAllReportFiles,
            Qt::QueuedConnection);
    connect(this, &ReportFilesForm::createPdfReport, device, &Device::createPdfReport,
            Qt::QueuedConnection);

    connect(device, &Device::reportsFilesNamesReceived, this, &ReportFilesForm::reportsFilesNamesReceived,
            Qt::QueuedConnection);
    // The outcome rather than pdfReportCreated(bool): a test without a
    // report is not a PDF written.
    connect(device, &Device::pdfReportFinished, this, &ReportFilesForm::pdfReportFinished,
            Qt::QueuedConnection);

    connect(ui->listWidget, &QListWidget::clicked, this, &ReportFilesForm::listWidgetClicked);
}

ReportFilesForm::~ReportFilesForm()
{
    delete ui;
}

void ReportFilesForm::retranslate()
{
    ui->retranslateUi(this);
    showFileListNote(ui->lListNote, listEnd);
}

void ReportFilesForm::activate()
{
    emit receiveReportsFilesNames();
}

QStringList ReportFilesForm::selectedNames() const
{
    QStringList names;
    for (const QListWidgetItem *item : ui->listWidget->selectedItems())
        names << item->text();
    return names;
}

void ReportFilesForm::dropSelection()
{
    ui->listWidget->clearSelection();
    ui->listWidget->setCurrentRow(-1);
}

void ReportFilesForm::reportsFilesNamesReceived()
{
    // No current item after the refill: Load, Delete and "Save PDF report"
    // end disabled.
    const FileListing listing = device->getReportsFilesListing();
    listEnd = listing.end;
    showFileNames(ui->listWidget, listing, ui->lListNote, ui->bRefresh, ui->bDeleteAll);
}

void ReportFilesForm::on_listWidget_currentRowChanged(int)
{
    const bool current = ui->listWidget->currentItem() != nullptr;
    ui->bLoad->setEnabled(current);
    ui->bDelete->setEnabled(current);
    ui->bDown->setEnabled(current);
}

void ReportFilesForm::listWidgetClicked()
{
    // A click that deselected the last selected item leaves nothing to act on.
    if (ui->listWidget->selectedItems().isEmpty())
        dropSelection();
}

void ReportFilesForm::on_bRefresh_clicked()
{
    ui->bRefresh->setEnabled(false);
    emit receiveReportsFilesNames();
}

void ReportFilesForm::on_bLoad_clicked()
{
    if (!ui->listWidget->currentItem())
        return;
    const QStringList names = selectedNames();
    if (names.size() != 1) {
        QMessageBox::critical(this, tr("Error"), tr("It is impossible to load several files at the same time."),
                              QMessageBox::Ok);
    } else if (device->anyTestInProcess()) {
        QMessageBox::critical(this, tr("Error"), tr("Stop all processes to load a file."),
                              QMessageBox::Ok);
    } else {
        emit loadReportFromFile(names.first());
    }
    dropSelection();
}

void ReportFilesForm::on_bDelete_clicked()
{
    if (!ui->listWidget->currentItem())
        return;
    for (const QString &name : selectedNames()) {
        emit deleteReportFile(name);
        emit receiveReportsFilesNames();
    }
}

void ReportFilesForm::on_bDeleteAll_clicked()
{
    if (!confirmDeleteAll(this, tr("Delete all files"), tr("Are you sure you want to delete all files?")))
        return;
    emit deleteAllReportFiles();
    emit receiveReportsFilesNames();
}

void ReportFilesForm::on_bDown_clicked()
{
    if (!ui->listWidget->currentItem())
        return;
    // Each dialog runs an event loop, in which a new list may replace the
    // items and an earlier report's message may come up.
    const QStringList names = selectedNames();
    for (const QString &name : names) {
        const QString pdfFileName =
            askSaveFileName(this, settings, QLatin1String(PdfPathKey), tr("PDF files (*.pdf)"), PdfSuffix,
                            proposedPdfFileName(name));
        if (!pdfFileName.isEmpty())
            emit createPdfReport(name, pdfFileName);
    }
    dropSelection();
}

void ReportFilesForm::pdfReportFinished(PDFCreator::Outcome outcome)
{
    switch (outcome) {
    case PDFCreator::Outcome::Written:
        QMessageBox::information(this, QString(), tr("The PDF report is saved."), QMessageBox::Ok);
        break;
    case PDFCreator::Outcome::NoReport:
        QMessageBox::warning(this, tr("Error"), tr("The PDF report is not saved: this test has no report."),
                             QMessageBox::Ok);
        break;
    case PDFCreator::Outcome::Unreadable:
        QMessageBox::critical(this, tr("Error"),
                              tr("The report on the tester is damaged or of an unknown format."),
                              QMessageBox::Ok);
        break;
    case PDFCreator::Outcome::NotRead:
        QMessageBox::critical(this, tr("Error"), tr("The report could not be read from the tester."),
                              QMessageBox::Ok);
        break;
    case PDFCreator::Outcome::WriteFailed:
        // Only a PDF that could not be written: a reading fault has its own text.
        QMessageBox::critical(this, tr("Error"), tr("Cannot open the file for writing."), QMessageBox::Ok);
        break;
    }
}
