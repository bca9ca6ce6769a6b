#include "ftransferform.h"
#include "ui_ftransferform.h"

#include "device.h"
#include "reportfilesform.h"
#include "screenshotform.h"
#include "settingsfilesform.h"

#include <QLayout>
#include <QMetaObject>

FTransferForm::FTransferForm(Device *device, QWidget *parent)
    : IRetranslatable(parent)
    , ui(new Ui::FTransferForm)
    , device(device)
{
    // Wires on_tabWidget_currentChanged before the forms join the tree.
    ui->setupUi(this);
    settingsForm = new SettingsFilesForm(device);
    reportsForm = new ReportFilesForm(device);
    screenshotForm = new ScreenshotForm(device);
    ui->SettingsTab->layout()->addWidget(settingsForm);
    ui->ReportsTab->layout()->addWidget(reportsForm);
    ui->ScreenshotTab->layout()->addWidget(screenshotForm);
}

FTransferForm::~FTransferForm()
{
    delete ui;
}

bool FTransferForm::hasScreenshotTab(unsigned deviceType)
{
    switch (deviceType) {
    case 1: case 3: case 5: case 6: case 7: case 8:
        return false;
    default:
        return true;
    }
}

bool FTransferForm::hasSettingsTab(unsigned deviceType)
{
    return deviceType < 6 || deviceType > 8;
}

void FTransferForm::activateCurrentForm()
{
    QWidget *page = ui->tabWidget->currentWidget();
    QLayout *layout = page ? page->layout() : nullptr;
    QLayoutItem *item = layout && layout->count() > 0 ? layout->itemAt(0) : nullptr;
    if (QWidget *form = item ? item->widget() : nullptr)
        QMetaObject::invokeMethod(form, "activate");
}

void FTransferForm::activate()
{
    activateCurrentForm();
    const unsigned type = device->getDeviceInfo().deviceType;
    // Disabling the current tab makes another current, which activates its
    // form through on_tabWidget_currentChanged.
    ui->tabWidget->setTabEnabled(ScreenshotTab, hasScreenshotTab(type));
    ui->tabWidget->setTabEnabled(SettingsTab, hasSettingsTab(type));
    show();
}

void FTransferForm::activateReportsTab()
{
    ui->tabWidget->setCurrentIndex(ReportsTab);
}

void FTransferForm::on_tabWidget_currentChanged(int)
{
    activateCurrentForm();
}

void FTransferForm::retranslate()
{
    ui->retranslateUi(this);
    settingsForm->retranslate();
    reportsForm->retranslate();
    screenshotForm->retranslate();
}
