#include "ifsetform.h"
#include "ui_ifsetform.h"

#include "device.h"
#include "ifaceform.h"

#include <QMessageBox>

IfsetForm::IfsetForm(QObject *device, QWidget *parent)
    : IRetranslatable(parent)
    , ui(new Ui::IfsetForm)
    , device(qobject_cast<Device *>(device))
{
    ui->setupUi(this);
    Q_ASSERT(this->device);

    QWidget *const pages[PortIndexes] = {ui->tabA, ui->tabB, ui->tabRC};
    for (int p = 0; p < PortIndexes; ++p) {
        editors[p] = new IFaceForm(this->device, p, this);
        pages[p]->layout()->addWidget(editors[p]);
        connect(editors[p], &IFaceForm::dataChanged, this, &IfsetForm::dataAreChanged);
    }

    connect(ui->bApply, &QPushButton::clicked, this, &IfsetForm::bApplyClicked);
    connect(ui->bReset, &QPushButton::clicked, this, &IfsetForm::bResetClicked);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &IfsetForm::tabWidgetChangeIndex);
    connect(this->device, &Device::deviceStatusUpdated, this, &IfsetForm::deviceStatusUpdated,
            Qt::QueuedConnection);
    // Queued behind the settings blocks that the same Apply sent: the
    // tester has them before it restarts.
    connect(this, &IfsetForm::resetAndConnect, this->device, &Device::resetAndConnect, Qt::QueuedConnection);
}

IfsetForm::~IfsetForm()
{
    delete ui;
}

void IfsetForm::retranslate()
{
    ui->retranslateUi(this);
    for (IFaceForm *editor : editors)
        editor->retranslate();
}

QString IfsetForm::busyPortText(int port)
{
    switch (port) {
    case PortA: return tr("Port A is busy.");
    case PortB: return tr("Port B is busy.");
    default: return tr("Port RC is busy with remote control.");
    }
}

QString IfsetForm::notReadPortText(int port)
{
    switch (port) {
    case PortA: return tr("The settings of Port A have not been read.");
    case PortB: return tr("The settings of Port B have not been read.");
    default: return tr("The settings of Port RC have not been read.");
    }
}

bool IfsetForm::portBusy(int port) const
{
    if (port == int(PortRC))
        return device->getConnectionType() == RemoteControl::TcpIpConnection;
    const port_process_t process = device->getDeviceStatus().process[port];
    return process.tx != 0 || process.rx != 0;
}

void IfsetForm::activate()
{
    emit editors[PortA]->receiveSettings();
    ui->bApply->setEnabled(!device->anyTestInProcess() || edited[PortA]);
    const bool twoPorts = device->getPortsCount() > 1;
    ui->tabWidget->setTabEnabled(ui->tabWidget->indexOf(ui->tabB), twoPorts);
    if (twoPorts)
        emit editors[PortB]->receiveSettings();
    ui->tabWidget->setTabEnabled(ui->tabWidget->indexOf(ui->tabRC), true);
    editors[PortRC]->setEnabled(true);
    emit editors[PortRC]->receiveSettings();
    show();
}

void IfsetForm::deviceStatusUpdated()
{
    if (isHidden())
        return;
    ui->tabWidget->setTabEnabled(ui->tabWidget->indexOf(ui->tabB), device->getPortsCount() > 1);
    editors[PortA]->setEnabled(!portBusy(PortA));
    editors[PortB]->setEnabled(!portBusy(PortB));
    editors[PortRC]->setEnabled(!portBusy(PortRC));
}

void IfsetForm::disableApply()
{
    ui->bApply->setEnabled(false);
}

void IfsetForm::dataAreChanged(int p)
{
    if (p < 0 || p >= PortIndexes)
        return;
    edited[p] = true;
    ui->bApply->setEnabled(true);
}

void IfsetForm::tabWidgetChangeIndex(int index)
{
    ui->bApply->setEnabled(index >= 0 && index < PortIndexes && edited[index]);
}

void IfsetForm::bResetClicked()
{
    for (IFaceForm *editor : editors)
        emit editor->receiveSettings();
}

bool IfsetForm::applyPort(int port)
{
    IFaceForm *editor = editors[port];
    if (!editor->fillAndSendSettings())
        return false;
    editor->resetColors();
    edited[port] = false;
    ui->bApply->setEnabled(false);
    return true;
}

void IfsetForm::bApplyClicked()
{
    // Only the port of the shown tab is reported when it is left out; a
    // port without a record is reported too when it holds edits, which
    // would otherwise be lost without a word.
    QString message;
    bool macChanged = false;
    const int shown = ui->tabWidget->currentIndex();
    const bool twoPorts = device->getPortsCount() > 1;
    for (int port = 0; port < PortIndexes; ++port) {
        if (port == int(PortB) && !twoPorts)
            continue;
        const QString lineEnd = port == int(PortRC) ? QString() : QStringLiteral("\n");
        if (portBusy(port)) {
            if (port == shown)
                message += busyPortText(port) + QLatin1Char(' ') + tr("Settings were not sent.") + lineEnd;
            continue;
        }
        if (!applyPort(port)) {
            if (port == shown || edited[port])
                message += notReadPortText(port) + QLatin1Char(' ') + tr("Settings were not sent.") + lineEnd;
            continue;
        }
        macChanged = macChanged || editors[port]->macChanged;
    }

    message = message.trimmed();
    if (!message.isEmpty())
        QMessageBox::warning(this, tr("Interface settings"), message, QMessageBox::Ok);

    if (macChanged
        && QMessageBox::question(this, tr("MAC Change"), tr("The new MAC applies after a reboot. Reboot now?"),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               == QMessageBox::Yes)
        emit resetAndConnect();
}
