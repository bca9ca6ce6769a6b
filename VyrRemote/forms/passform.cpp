#include "passform.h"
#include "ui_passform.h"

#include "device.h"

PassForm::PassForm(Device *device, QWidget *parent)
    : IRetranslatable(parent)
    , ui(new Ui::PassForm)
    , device(device)
{
    ui->setupUi(this);
    connect(ui->bStart, &QPushButton::clicked, this, &PassForm::bStartClicked);
    connect(ui->bStop, &QPushButton::clicked, this, &PassForm::bStopClicked);
    connect(this, &PassForm::setThruMode, device, &Device::setThruMode, Qt::QueuedConnection);
    connect(device, &Device::deviceStatusUpdated, this, &PassForm::deviceStatusUpdated, Qt::QueuedConnection);
}

PassForm::~PassForm()
{
    delete ui;
}

void PassForm::retranslate()
{
    ui->retranslateUi(this);
}

void PassForm::activate()
{
    show();
}

void PassForm::deviceStatusUpdated()
{
    const get_device_status_resp_t status = device->getDeviceStatus();
    const port_t p = device->getCurrentProcess();
    if (p > PortB)
        return;
    const port_process_t &words = status.process[p];
    ui->bStart->setEnabled(words.tx == 0 && words.rx == 0);
    ui->bStop->setEnabled((words.tx >> ProcessBitPassThrough) & 1u);
}

void PassForm::bStartClicked()
{
    emit setThruMode(true);
}

void PassForm::bStopClicked()
{
    emit setThruMode(false);
}
