#include "settingsfilesform.h"
#include "ui_settingsfilesform.h"

#include "device.h"
#include "filelist.h"
#include "filenamedialog.h"

#include <QListWidgetItem>
#include <QMessageBox>

SettingsFilesForm::SettingsFilesForm(Device *device, QWidget *parent)
    : IRetranslatable(parent)
    , ui(new Ui::SettingsFilesForm)
    , device(device)
{
    ui->setupUi(this);
    showFileListNote(ui->lListNote, listEnd);

    connect(this, &SettingsFilesForm::receiveSettingsFilesNames, device,
            &Device::receiveSettingsFilesNames, Qt::QueuedConnection);
    connect(this, &SettingsFilesForm::saveConfigToFile, device, &Device::saveConfigToFile,
            Qt::QueuedConnection);
    connect(this, &SettingsFilesForm::loadConfigFromFile, device, &Device::loadConfigFromFile,
            Qt::QueuedConnection);
    connect(this, &SettingsFilesForm::deleteConfigFile, device, &Device::deleteFile,
            Qt::QueuedConnection);
    connect(this, &SettingsFilesForm::deleteAllConfigFiles, device, &Device::deleteAllConfigFiles,
            Qt::QueuedConnection);

    connect(device, &Device::settingsFilesNamesReceived, this,
            &SettingsFilesForm::settingsFilesNamesReceived, Qt::QueuedConnection);
    connect(device, &Device::configSaved, this, &SettingsFilesForm::configSaved, Qt::QueuedConnection);
    connect(device, &Device::fileSaveError, this, &SettingsFilesForm::configSaveError,
            Qt::QueuedConnection);
}

SettingsFilesForm::~SettingsFilesForm()
{
    delete ui;
}

void SettingsFilesForm::retranslate()
{
    ui->retranslateUi(this);
    showFileListNote(ui->lListNote, listEnd);
}

void SettingsFilesForm::activate()
{
    emit receiveSettingsFilesNames();
}

std::optional<QString> SettingsFilesForm::currentName() const
{
    if (const QListWidgetItem *item = ui->listWidget->currentItem())
        return item->text();
    return std::nullopt;
}

void SettingsFilesForm::settingsFilesNamesReceived()
{
    // No current item after the refill: Load and Delete end disabled.
    const FileListing listing = device->getSettingsFilesListing();
    listEnd = listing.end;
    showFileNames(ui->listWidget, listing, ui->lListNote, ui->bRefresh, ui->bDeleteAll);
    ui->bSave->setEnabled(true);
}

void SettingsFilesForm::on_listWidget_currentRowChanged(int)
{
    const bool current = ui->listWidget->currentItem() != nullptr;
    ui->bLoad->setEnabled(current);
    ui->bDelete->setEnabled(current);
}

void SettingsFilesForm::on_bRefresh_clicked()
{
    // One list request at a time from this button: the list enables it.
    ui->bRefresh->setEnabled(false);
    emit receiveSettingsFilesNames();
}

void SettingsFilesForm::on_bSave_clicked()
{
    // Save stays disabled from here until the tester answers the save (or
    // the operator gives no name).
    ui->bSave->setEnabled(false);
    const QString name = FileNameDialog::askFileName(device, uint(TestDeviceSettings));
    if (!name.isEmpty())
        emit saveConfigToFile(name);
    else
        ui->bSave->setEnabled(true);
}

void SettingsFilesForm::configSaved()
{
    if (!isHidden())
        emit receiveSettingsFilesNames();
}

void SettingsFilesForm::configSaveError()
{
    if (!isHidden())
        ui->bSave->setEnabled(true);
}

void SettingsFilesForm::on_bLoad_clicked()
{
    // Taken before any message box: a list that arrives meanwhile replaces
    // the items.
    const std::optional<QString> name = currentName();
    if (!name)
        return;
    if (device->anyTestInProcess()) {
        QMessageBox::critical(this, tr("Error"), tr("Stop all processes to load a file."),
                              QMessageBox::Ok);
        return;
    }
    emit loadConfigFromFile(*name);
}

void SettingsFilesForm::on_bDelete_clicked()
{
    const std::optional<QString> name = currentName();
    if (!name)
        return;
    emit deleteConfigFile(*name);
    emit receiveSettingsFilesNames();
}

void SettingsFilesForm::on_bDeleteAll_clicked()
{
    if (!confirmDeleteAll(this, tr("Delete all files"), tr("Are you sure you want to delete all files?")))
        return;
    emit deleteAllConfigFiles();
    emit receiveSettingsFilesNames();
}
