#include "opttestform.h"
#include "ui_opttestform.h"

#include "device.h"
#include "filenamedialog.h"
#include "sfprecords.h"
#include "testinfo.h"

#include <optional>

static_assert(sizeof(sfp_info_t) == testResultsSize(TestOptical), "optical results size");

OptTestForm::OptTestForm(QObject *device, QWidget *parent)
    : IRetranslatable(parent)
    , ui(new Ui::OptTestForm)
    , device(qobject_cast<Device *>(device))
{
    Q_ASSERT(this->device);
    optTestInfo = this->device->getOptTestInfo();
    ui->setupUi(this);
    ui->sfp1->setPanelIndex(1);

    const auto q = Qt::QueuedConnection;
    connect(this, &OptTestForm::receiveResults, optTestInfo, &TestInfo::receiveResults, q);
    connect(optTestInfo, &TestInfo::resultsReceived, this, &OptTestForm::resultsReceived, q);
    connect(this->device, &Device::deviceStatusUpdated, this, &OptTestForm::deviceStatusUpdated, q);
    connect(this, &OptTestForm::saveReportToFile, this->device, &Device::saveReportToFile, q);
}

OptTestForm::~OptTestForm()
{
    delete ui;
}

void OptTestForm::retranslate()
{
    ui->sfp0->retranslate();
    ui->sfp1->retranslate();
    ui->saveReportButton->setText(tr("Save Report"));
}

void OptTestForm::activate()
{
    ui->sfp0->setDdmVisible(true);
    const bool twoPorts = device->getPortsCount() > 1;
    ui->sfp1->setVisible(twoPorts);
    emit receiveResults(PortA);
    if (twoPorts)
        emit receiveResults(PortB);
    show();
}

void OptTestForm::resultsReceived()
{
    // A port without a valid record keeps what its panel shows.
    if (const std::optional<sfp_info_t> a = optTestInfo->getResultsAs<sfp_info_t>(PortA))
        ui->sfp0->setInfo(&*a);
    if (device->getPortsCount() > 1) {
        if (const std::optional<sfp_info_t> b = optTestInfo->getResultsAs<sfp_info_t>(PortB))
            ui->sfp1->setInfo(&*b);
    }
}

void OptTestForm::deviceStatusUpdated()
{
    // Every poll asks again while the form is on show, so the panels follow
    // modules being plugged and unplugged.
    if (!isHidden())
        activate();
}

void OptTestForm::on_saveReportButton_clicked()
{
    const QString name = FileNameDialog::askFileName(device, TestOptical);
    if (!name.isEmpty())
        emit saveReportToFile(device->getCurrentProcess(), TestOptical, name);
}
