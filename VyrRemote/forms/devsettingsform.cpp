#include "devsettingsform.h"
#include "ui_devsettingsform.h"

#include "datetimedialog.h"
#include "devsettingsformat.h"

#include <QDebug>
#include <QMessageBox>

namespace {
// Synchronisation start codes of command 0x1B.
constexpr uchar SyncStart1Pps = 4;
constexpr uchar SyncStartNtp = 2;
} // namespace

DevSettingsForm::DevSettingsForm(Device *device, QWidget *parent)
    : IRetranslatable(parent)
    , ui(new Ui::DevSettingsForm)
    , device(device)
{
    ui->setupUi(this);
    m_modeButtons = {ui->radioButton_1, ui->radioButton_2, ui->radioButton_3,
                     ui->radioButton_4, ui->radioButton_5, ui->radioButton_6,
                     ui->radioButton_7, ui->radioButton_8, ui->radioButton_9};
    Q_ASSERT(m_modeButtons.size() == CheckingModeCount);

    const auto q = Qt::QueuedConnection;
    connect(this, &DevSettingsForm::loadDefaultConfig, device, &Device::loadDefaultConfig, q);
    connect(this, &DevSettingsForm::setClock, device, &Device::setClock, q);
    connect(this, &DevSettingsForm::sendCheckDeviceSettings, device, &Device::sendCheckDeviceSettings, q);
    connect(this, &DevSettingsForm::sendSyncStatus, device, &Device::sendSyncStatus, q);
    connect(this, &DevSettingsForm::sendWDtime, device, &Device::sendWDtime, q);
    connect(this, &DevSettingsForm::receiveDeviceSettings, device, &Device::receiveDeviceSetting, q);
    connect(device, &Device::deviceStatusUpdated, this, &DevSettingsForm::deviceStatusUpdated, q);
    connect(device, &Device::deviceSettingsReceived, this, &DevSettingsForm::deviceSettingsReceived, q);
    connect(device, &Device::disconnected, this, &DevSettingsForm::dropSettings, q);

    connect(ui->bReset, &QPushButton::clicked, this, &DevSettingsForm::onResetClicked);
    connect(ui->bChangeDateTime, &QPushButton::clicked, this, &DevSettingsForm::onChangeDateTimeClicked);
    connect(ui->bSetFromComputer, &QPushButton::clicked, this, &DevSettingsForm::onSetFromComputerClicked);
    connect(ui->bApply, &QPushButton::clicked, this, &DevSettingsForm::bApplyClicked);
    connect(ui->bRunSync, &QPushButton::clicked, this, &DevSettingsForm::bRunSyncClicked);
    for (QRadioButton *b : qAsConst(m_modeButtons))
        connect(b, &QRadioButton::clicked, this, &DevSettingsForm::buttonClicked);
    connect(ui->bSetWD, &QPushButton::clicked, this, &DevSettingsForm::onWDclicked);

    ui->bApply->setEnabled(false);
    ui->rbSync1PPS->setChecked(false);
    ui->rbSyncNTP->setChecked(true);
    // The reset and clock controls are kept up to date but not offered.
    ui->gDevSettings->hide();
}

DevSettingsForm::~DevSettingsForm()
{
    delete ui;
}

void DevSettingsForm::retranslate()
{
    ui->retranslateUi(this);
}

// ---- checking mode ----------------------------------------------------------

void DevSettingsForm::activate()
{
    // These modes are shown when the tester reports them, but not offered.
    ui->radioButton_9->setEnabled(false);
    ui->radioButton_4->setEnabled(false);
    ui->radioButton_5->setEnabled(false);
    showHeldMode();
    if (!m_settings && device->getConnectionType() != RemoteControl::NoConnection)
        emit receiveDeviceSettings();
    updateClock();
    show();
}

void DevSettingsForm::showHeldMode()
{
    if (m_settings) {
        m_selectedIndex = uchar(checkingCodeToIndex(m_settings->checking));
        m_modeButtons.at(m_selectedIndex)->setChecked(true);
        return;
    }
    // Nothing known of the tester's mode: no button stands for it.
    for (QRadioButton *b : qAsConst(m_modeButtons)) {
        if (b->isChecked()) {
            b->setAutoExclusive(false);
            b->setChecked(false);
            b->setAutoExclusive(true);
        }
    }
}

void DevSettingsForm::deviceSettingsReceived()
{
    // A read that failed on a lost link announces a record that is not the
    // tester's.
    if (device->getConnectionType() == RemoteControl::NoConnection)
        return;
    m_settings = device->getDeviceSettings();
    showHeldMode();
}

void DevSettingsForm::dropSettings()
{
    m_settings.reset();
}

void DevSettingsForm::buttonClicked()
{
    for (int i = 0; i < m_modeButtons.size(); ++i) {
        if (m_modeButtons.at(i)->isChecked()) {
            m_selectedIndex = uchar(i);
            break;
        }
    }
    ui->bApply->setEnabled(true);
}

void DevSettingsForm::bApplyClicked()
{
    if (!m_settings) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "no device settings record: nothing sent";
        QMessageBox::warning(this, tr("Checking"),
                             tr("The device settings have not been read from the tester yet.\n"
                                "Nothing was sent."),
                             QMessageBox::Ok);
        return;
    }
    const uchar code = checkingIndexToCode(m_selectedIndex);
    emit sendCheckDeviceSettings(code);
    m_settings->checking = code;
    ui->bApply->setEnabled(false);
    // What the tester now holds comes back with deviceSettingsReceived().
    emit receiveDeviceSettings();
}

// ---- watch-dog and synchronisation ------------------------------------------

void DevSettingsForm::onWDclicked()
{
    emit sendWDtime(uint(ui->sWD->value()));
}

void DevSettingsForm::bRunSyncClicked()
{
    emit sendSyncStatus(ui->rbSync1PPS->isChecked() ? SyncStart1Pps : SyncStartNtp);
}

// ---- device settings group: reset and clock ---------------------------------

void DevSettingsForm::updateClock()
{
    const QDateTime clock = testerClockToDateTime(device->getDeviceStatus().clock);
    ui->dateEdit->setDate(clock.date());
    ui->timeEdit->setTime(clock.time());
}

void DevSettingsForm::deviceStatusUpdated()
{
    if (!isHidden())
        updateClock();
}

void DevSettingsForm::onResetClicked()
{
    const auto answer = QMessageBox::question(this, tr("Reset device settings"),
                                              tr("Are you sure you want to reset all device settings?"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        emit loadDefaultConfig();
}

void DevSettingsForm::onChangeDateTimeClicked()
{
    DateTimeDialog dialog(this);
    dialog.setDateTime(device->getDeviceStatus().clock);
    if (dialog.exec() == QDialog::Accepted)
        emit setClock(dialog.dateTime());
}

void DevSettingsForm::onSetFromComputerClicked()
{
    const auto answer = QMessageBox::question(this, tr("Clock"),
                                              tr("Are you sure you want to set date and time from computer?"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        emit setClock(testerClockFromLocal(QDateTime::currentDateTime()));
}
