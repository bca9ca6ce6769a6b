#pragma once

#include "device.h"
#include "iretranslatable.h"

#include <QString>

#include <optional>

class Device;

namespace Ui {
class SettingsFilesForm;
}

// The "Settings" tab of the file transfer window: the configuration files
// stored on the tester (file type 1). Lists them, saves the tester's
// configuration under a new name, loads one into the tester, deletes one or
// all. The files stay on the tester; the form handles names only.
//
// Threads. GUI thread only. Every operation is a queued request to Device
// (worker thread), answered by queued signals; the list shows the copy of
// Device's name list taken when settingsFilesNamesReceived() arrives.
// Requests leave in the order they are emitted, so a delete is carried out
// before the list request that follows it.
class SettingsFilesForm : public IRetranslatable
{
    Q_OBJECT
public:
    explicit SettingsFilesForm(Device *device, QWidget *parent = nullptr);
    ~SettingsFilesForm() override;

    void retranslate() override;

signals:
    void receiveSettingsFilesNames();
    void saveConfigToFile(QString fileName);
    void loadConfigFromFile(QString fileName);
    void deleteConfigFile(QString fileName);
    void deleteAllConfigFiles();

public slots:
    void activate();
    void settingsFilesNamesReceived();
    void configSaved();
    // The tester refused a save; the main window words the reason.
    void configSaveError();
    void on_bSave_clicked();
    void on_bLoad_clicked();
    void on_bDelete_clicked();
    void on_bDeleteAll_clicked();
    void on_bRefresh_clicked();
    void on_listWidget_currentRowChanged(int currentRow);

private:
    // A copy of the current item's name; none without a current item.
    std::optional<QString> currentName() const;

    Ui::SettingsFilesForm *ui;
    Device *device;   // not owned
    // How the list on show ended, for its note after a language switch.
    FileListEnd listEnd = FileListEnd::Complete;
};
