#pragma once

#include "iretranslatable.h"

class Device;
class ReportFilesForm;
class ScreenshotForm;
class SettingsFilesForm;

namespace Ui {
class FTransferForm;
}

// The "File transfer" window: a tab widget holding the configuration files
// ("Settings"), report files ("Reports") and screenshot ("Screenshot")
// forms. It activates the form of the tab on show, enables the tabs the
// connected tester model supports, and passes a language switch on to the
// three forms. It talks to the tester only through its forms.
//
// GUI thread only; reads Device only for the device type.
class FTransferForm : public IRetranslatable
{
    Q_OBJECT
public:
    // Tab indexes.
    enum Tab { SettingsTab = 0, ReportsTab = 1, ScreenshotTab = 2 };

    explicit FTransferForm(Device *device, QWidget *parent = nullptr);
    ~FTransferForm() override;

    void retranslate() override;

    // Which tabs a tester model offers: the report tab on every model, the
    // screenshot on types 0, 2, 4 (and unknown types), the configuration
    // files on every type but 6, 7 and 8.
    static bool hasScreenshotTab(unsigned deviceType);
    static bool hasSettingsTab(unsigned deviceType);

public slots:
    void activate();
    void activateReportsTab();
    void on_tabWidget_currentChanged(int index);

private:
    void activateCurrentForm();

    Ui::FTransferForm *ui;
    Device *device;                      // not owned
    SettingsFilesForm *settingsForm;     // owned by the page SettingsTab
    ReportFilesForm *reportsForm;        // owned by the page ReportsTab
    ScreenshotForm *screenshotForm;      // owned by the page ScreenshotTab
};
