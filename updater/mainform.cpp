#include "mainform.h"
#include "ui_mainform.h"

#include "deviceidentity.h"
#include "mainmenu.h"
#include "sharedwidth.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTextCursor>
#include <QTextDocument>
#include <QtMath>
#include <QTranslator>

namespace {

// Settings keys and the values taken when a key is absent or empty.
const char KeyLogonId[] = "Logonid";
const char KeyPassword[] = "Password";
const char KeyDhcp[] = "DHCP";
const char KeyIpAddress[] = "IPaddr";
const char KeyGateway[] = "Gateway";
const char KeySubnetMask[] = "Submasc";
const char KeyPathPackage[] = "Paths/VYRUP";
const char KeyPathCpu[] = "Paths/CPU";
const char KeyPathFpga[] = "Paths/FPGA";
const char KeyPathFs[] = "Paths/FS";
const char KeyPathGps[] = "Paths/GPS";

const char DefaultCredential[] = "tuvex";
const char DefaultDhcp[] = "false";
const char DefaultIpAddress[] = "192.168.001.202";
const char DefaultGateway[] = "192.168.001.001";
const char DefaultSubnetMask[] = "255.255.255.000";

const char TranslationDir[] = ":/";

// The lines a connection and a full update from a package write to the log:
// four of the connection, sixteen of the update (CPU, FPGA, file system, GPS
// module, the resets and the end).
constexpr int WholeUpdateLines = 20;

} // namespace

// The resources live in the static VyrupGui library; without these calls the
// linker may drop them. Q_INIT_RESOURCE must stand outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(vyrup);
    Q_INIT_RESOURCE(vyrup_translations);
}

MainForm::MainForm(QWidget *parent)
    : QWidget(parent)
{
    initResources();

    ui = new Ui::MainForm;

    m_qtDe = new QTranslator;
    m_qtRu = new QTranslator;
    m_appDe = new QTranslator;
    m_appRu = new QTranslator;
    // A missing catalog leaves its texts in English; nothing else to do.
    m_qtDe->load("qt_de", TranslationDir);
    m_qtRu->load("qt_ru", TranslationDir);
    m_appDe->load("vyrup_de", TranslationDir);
    m_appRu->load("vyrup_ru", TranslationDir);
    QCoreApplication::installTranslator(m_qtRu);
    QCoreApplication::installTranslator(m_appRu);

    ui->setupUi(this);
    ui->bDisconnect->hide();
    ui->grAUpdate->hide();
    // Connect and Disconnect take turns in the connection row; sharing one
    // width, the window the start size is taken from is already as wide as
    // the connected one.
    giveSharedWidth({ui->bConnect, ui->bDisconnect});

    m_menu = new MainMenu(this);
    ui->verticalLayout->setMenuBar(m_menu);
    QObject::connect(this, &MainForm::enableLogon, m_menu, &MainMenu::enableLogon);

    ui->bDeu->hide();

    QObject::connect(ui->bEng, &QPushButton::clicked, this, &MainForm::bEngClicked);
    QObject::connect(ui->bDeu, &QPushButton::clicked, this, &MainForm::bDeuClicked);
    QObject::connect(ui->bRus, &QPushButton::clicked, this, &MainForm::bRusClicked);
    QObject::connect(ui->bConnect, &QPushButton::clicked, this, &MainForm::bConnectClicked);
    QObject::connect(ui->bDisconnect, &QPushButton::clicked, this, &MainForm::bDisconnectClicked);
    QObject::connect(ui->bRefreshPorts, &QPushButton::clicked, this, &MainForm::bRefreshPortsClicked);
    QObject::connect(ui->bOpenROM, &QPushButton::clicked, this, &MainForm::bOpenROMClicked);
    QObject::connect(ui->bOpenBIN, &QPushButton::clicked, this, &MainForm::bOpenBINClicked);
    QObject::connect(ui->bOpenRPD, &QPushButton::clicked, this, &MainForm::bOpenRPDClicked);
    QObject::connect(ui->bOpenFS, &QPushButton::clicked, this, &MainForm::bOpenFSClicked);
    QObject::connect(ui->bUpdate, &QPushButton::clicked, this, &MainForm::bUpdateClicked);
    QObject::connect(ui->bUpdateBIN, &QPushButton::clicked, this, &MainForm::bUpdateBINClicked);
    QObject::connect(ui->bUpdateRPD, &QPushButton::clicked, this, &MainForm::bUpdateRPDClicked);
    QObject::connect(ui->bUpdateFS, &QPushButton::clicked, this, &MainForm::bUpdateFSClicked);

    // The logon fields show the stored credentials but never write the
    // defaults back: only a logon change through the menu stores them.
    const QString storedPassword = readSetting(KeyPassword, DefaultCredential, false);
    const QString storedLogon = readSetting(KeyLogonId, DefaultCredential, false);
    ui->lLogonId->setText(storedLogon);
    ui->lPsw->setText(storedPassword);

    m_dhcp = readSetting(KeyDhcp, DefaultDhcp, true);
    m_ipAddress = readSetting(KeyIpAddress, DefaultIpAddress, true);
    m_gateway = readSetting(KeyGateway, DefaultGateway, true);
    m_subnetMask = readSetting(KeySubnetMask, DefaultSubnetMask, true);

    QObject::connect(this, &MainForm::logonUpdate, &m_updater, &Updater::logonUpdate, Qt::QueuedConnection);
    QObject::connect(this, &MainForm::IPsetUpdate, &m_updater, &Updater::IPsetUpdate, Qt::QueuedConnection);

    sizeForAWholeUpdate();

    m_updater.moveToThread(&m_worker);
    m_worker.start(QThread::InheritPriority);

    using ConnectSlot = void (Updater::*)(QString, QString, QString, bool);
    QObject::connect(this, &MainForm::connectUpdater, &m_updater,
                     static_cast<ConnectSlot>(&Updater::connect), Qt::QueuedConnection);
    QObject::connect(this, &MainForm::disconnectUpdater, &m_updater, &Updater::disconnect, Qt::QueuedConnection);
    QObject::connect(this, &MainForm::refreshPorts, &m_updater, &Updater::getPortsNames, Qt::QueuedConnection);
    QObject::connect(this, &MainForm::updateCpu, &m_updater, &Updater::updateCPU, Qt::QueuedConnection);
    QObject::connect(this, &MainForm::reset, &m_updater, &Updater::reset, Qt::QueuedConnection);
    QObject::connect(this, &MainForm::fpgaUpdate, &m_updater, &Updater::updateFPGA, Qt::QueuedConnection);
    QObject::connect(this, &MainForm::fsUpdate, &m_updater, &Updater::updateFS, Qt::QueuedConnection);
    QObject::connect(this, &MainForm::gpsUpdate, &m_updater, &Updater::updateGPS, Qt::QueuedConnection);
    QObject::connect(this, &MainForm::fullUpdate, &m_updater, &Updater::fullUpdate, Qt::QueuedConnection);

    QObject::connect(&m_updater, &Updater::connected, this, &MainForm::updaterConnected, Qt::QueuedConnection);
    QObject::connect(&m_updater, &Updater::connectionFailed, this, &MainForm::updaterConnectionFailed, Qt::QueuedConnection);
    QObject::connect(&m_updater, &Updater::disconnected, this, &MainForm::updaterDisconnected, Qt::QueuedConnection);
    QObject::connect(&m_updater, &Updater::notInUpdateMode, this, &MainForm::notInUpdateMode, Qt::QueuedConnection);
    QObject::connect(&m_updater, &Updater::portsNamesReceived, this, &MainForm::portsReceived, Qt::QueuedConnection);
    QObject::connect(&m_updater, &Updater::cpuUpdateProgress, this, &MainForm::cpuUpdateProgress, Qt::QueuedConnection);
    QObject::connect(&m_updater, &Updater::fpgaUpdateProgress, this, &MainForm::fpgaUpdateProgress, Qt::QueuedConnection);
    QObject::connect(&m_updater, &Updater::fsUpdateProgress, this, &MainForm::fsUpdateProgress, Qt::QueuedConnection);
    QObject::connect(&m_updater, &Updater::gpsUpdateProgress, this, &MainForm::gpsUpdateProgress, Qt::QueuedConnection);
    Updater::registerMetaType();
    QObject::connect(&m_updater, &Updater::stateChanged, this, &MainForm::updaterStateChanged, Qt::QueuedConnection);

    emit refreshPorts();
}

MainForm::~MainForm()
{
    // The client may be inside a long transfer; it must finish before the
    // client (a member) is destroyed, so wait without a limit.
    m_worker.quit();
    m_worker.wait();

    QCoreApplication::removeTranslator(m_appDe);
    QCoreApplication::removeTranslator(m_qtDe);
    QCoreApplication::removeTranslator(m_appRu);
    QCoreApplication::removeTranslator(m_qtRu);
    delete m_qtDe;
    delete m_qtRu;
    delete m_appDe;
    delete m_appRu;
    delete m_menu;
    delete ui;
}

QString MainForm::readSetting(const char *key, const QString &fallback, bool storeFallback)
{
    QString value = m_settings.value(key).toString();
    if (value.isEmpty()) {
        value = fallback;
        if (storeFallback)
            m_settings.setValue(key, value);
    }
    return value;
}

void MainForm::enableDevMode()
{
    ui->grAUpdate->show();
    // The developer group takes its room from the log: the window keeps the
    // height it starts with as far as its layout allows, so that it stays
    // on the screen a whole update is sized for; made taller, it gives the
    // log the room back.
    resize(width(), qMax(height(), minimumSizeHint().height()));
}

void MainForm::sizeForAWholeUpdate()
{
    // The log as high as the lines of a whole update need, so that they are
    // read without scrolling, and the rest of the window as its layout asks.
    // The log keeps its smaller least height, so that the window can still
    // be made smaller, and it takes whatever room is added.
    QTextDocument lines;
    lines.setDefaultFont(ui->teStatus->font());
    lines.setDocumentMargin(ui->teStatus->document()->documentMargin());
    QString text = QStringLiteral("X\n").repeated(WholeUpdateLines);
    text.chop(1);
    lines.setPlainText(text);
    const int logHeight = qCeil(lines.size().height()) + 2 * ui->teStatus->frameWidth();
    const int logShare = qMax(ui->teStatus->sizeHint().height(), ui->teStatus->minimumHeight());
    const QSize hint = sizeHint().expandedTo(minimumSizeHint());
    resize(hint.width(), qMax(minimumSizeHint().height(), hint.height() - logShare + logHeight));
}

QString MainForm::logonId() const
{
    return ui->lLogonId->text();
}

QString MainForm::password() const
{
    return ui->lPsw->text();
}

void MainForm::setLogon(const QString &logon, const QString &passw)
{
    ui->lLogonId->setText(logon);
    ui->lPsw->setText(passw);
    m_settings.setValue(KeyPassword, passw);
    m_settings.setValue(KeyLogonId, logon);
    emit logonUpdate(logon, passw);
}

void MainForm::setIpSettings(bool dhcp, const QString &ip, const QString &mask, const QString &gateway)
{
    m_dhcp = dhcp ? QStringLiteral("true") : QStringLiteral("false");
    m_ipAddress = ip;
    m_subnetMask = mask;
    m_gateway = gateway;
    m_settings.setValue(KeyDhcp, m_dhcp);
    m_settings.setValue(KeyIpAddress, m_ipAddress);
    m_settings.setValue(KeyGateway, m_gateway);
    m_settings.setValue(KeySubnetMask, m_subnetMask);
    emit IPsetUpdate(dhcp, ip, mask, gateway);
}

// ---- languages ----

void MainForm::bEngClicked()
{
    QCoreApplication::removeTranslator(m_appDe);
    QCoreApplication::removeTranslator(m_qtDe);
    QCoreApplication::removeTranslator(m_appRu);
    QCoreApplication::removeTranslator(m_qtRu);
    retranslate();
}

void MainForm::bDeuClicked()
{
    QCoreApplication::removeTranslator(m_appRu);
    QCoreApplication::removeTranslator(m_qtRu);
    QCoreApplication::installTranslator(m_qtDe);
    QCoreApplication::installTranslator(m_appDe);
    retranslate();
}

void MainForm::bRusClicked()
{
    QCoreApplication::removeTranslator(m_appDe);
    QCoreApplication::removeTranslator(m_qtDe);
    QCoreApplication::installTranslator(m_qtRu);
    QCoreApplication::installTranslator(m_appRu);
    retranslate();
}

void MainForm::retranslate()
{
    // The form's texts put the hint "Connect to device." back into the log.
    // Once the window has written to the log, the log is the record of what
    // happened and stays as it is, in the language each line was written in.
    const QString log = ui->teStatus->toHtml();
    ui->retranslateUi(this);
    giveSharedWidth({ui->bConnect, ui->bDisconnect});
    if (m_logWritten) {
        ui->teStatus->setHtml(log);
        ui->teStatus->moveCursor(QTextCursor::End);
    }
    m_menu->retranslate();
}

// ---- connection ----

void MainForm::bRefreshPortsClicked()
{
    ui->bRefreshPorts->setEnabled(false);
    ui->bConnect->setEnabled(false);
    ui->cbCOM->setEnabled(false);
    emit refreshPorts();
}

void MainForm::portsReceived(QStringList portNames)
{
    const int previous = ui->cbCOM->currentIndex();
    ui->cbCOM->clear();
    ui->cbCOM->insertItems(0, portNames);
    if (previous >= 0 && previous < ui->cbCOM->count())
        ui->cbCOM->setCurrentIndex(previous);
    else if (ui->cbCOM->count() > 0)
        ui->cbCOM->setCurrentIndex(0);
    ui->bRefreshPorts->setEnabled(true);
    ui->bConnect->setEnabled(true);
    ui->cbCOM->setEnabled(true);
}

void MainForm::bConnectClicked()
{
    m_operation = NoOperation;
    ui->teStatus->clear();
    m_logWritten = true;
    ui->bConnect->setEnabled(false);
    if (m_updater.isConnected())
        return;
    requestConnection(false);
}

void MainForm::requestConnection(bool fromRcMode)
{
    ++m_pendingConnects;
    emit connectUpdater(ui->cbCOM->currentText(), ui->lLogonId->text(), ui->lPsw->text(), fromRcMode);
}

bool MainForm::connectionAnswered()
{
    if (m_pendingConnects > 0)
        --m_pendingConnects;
    return m_pendingConnects == 0;
}

void MainForm::bDisconnectClicked()
{
    if (m_updater.isConnected())
        emit disconnectUpdater();
}

void MainForm::updaterConnected(uchar deviceType, QString releaseName, ushort deviceSerial)
{
    connectionAnswered();
    // Hidden first: a child shown in a shown window lays the window out at
    // once, and with both buttons in the row for that moment the window
    // would widen and stay wider.
    ui->bConnect->hide();
    ui->bDisconnect->show();
    resetProgressBars();
    appendLog(tr("Connected to device."));
    appendLog(tr("Device type:") + QLatin1Char(' ') + deviceModelName(deviceType));
    appendLog(tr("Device serial:") + QLatin1Char(' ') + QString::number(deviceSerial));
    appendLog(tr("Release:") + QLatin1Char(' ') + releaseName);
    setConnectedState(true);
}

void MainForm::updaterConnectionFailed()
{
    const bool last = connectionAnswered();
    // The attempt that found the normal firmware: the question tells the
    // operator, and the answer decides what the log says.
    if (m_normalFirmwareFound)
        m_normalFirmwareFound = false;
    else
        appendLog(tr("Connecting to the device failed."));
    // A failure that arrives after Yes started the switch into update mode
    // leaves the controls to the answer of that switch.
    if (!last)
        return;
    ui->bConnect->setEnabled(true);
    setConnectedState(false);
}

void MainForm::updaterDisconnected()
{
    appendLog(tr("Disconnected from the device."));
    ui->bDisconnect->hide();
    ui->bConnect->setEnabled(true);
    ui->bConnect->show();
    setConnectedState(false);
}

void MainForm::notInUpdateMode()
{
    // The client follows this report with connectionFailed(), which arrives
    // while the question is open (or, at the latest, before anything of a
    // new attempt): it is not logged as a failure of its own.
    m_normalFirmwareFound = true;
    const auto answer = QMessageBox::question(
        this, QString(), tr("Cannot update the device in remote control mode.\nSwitch to update mode?"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        ui->bConnect->setEnabled(false);
        requestConnection(true);
    } else {
        appendLog(tr("Connecting to the device failed."));
    }
}

void MainForm::setConnectedState(bool connected)
{
    ui->bRefreshPorts->setEnabled(!connected);
    ui->cbCOM->setEnabled(!connected);
    ui->bDisconnect->setVisible(connected);
    ui->grUpdate->setEnabled(connected);
    ui->grAUpdate->setEnabled(connected);
    setUpdateControlsEnabled(connected);
    emit enableLogon(connected);
}

void MainForm::setUpdateControlsEnabled(bool enabled)
{
    const struct {
        QPushButton *flash;
        QLineEdit *path;
    } flashButtons[] = {
        {ui->bUpdate, ui->lROMpath},
        {ui->bUpdateRPD, ui->lRPDpath},
        {ui->bUpdateBIN, ui->lBINpath},
        {ui->bUpdateFS, ui->lFSpath},
        {ui->bUpdateGPS, ui->lGPSpath},
    };
    for (const auto &b : flashButtons)
        b.flash->setEnabled(enabled && !b.path->text().isEmpty());

    for (QPushButton *b : {ui->bDisconnect, ui->bOpenROM, ui->bOpenRPD, ui->bOpenBIN, ui->bOpenFS,
                           ui->bOpenGPS, ui->bReset, ui->bResetUpdate})
        b->setEnabled(enabled);
}

// ---- file pickers ----

void MainForm::pickFile(const char *key, const QString &caption, const QString &filter,
                        QLineEdit *pathField, QPushButton *flashButton)
{
    const QString start = m_settings.value(key).toString();
    const QString chosen = QFileDialog::getOpenFileName(this, caption, start, filter);
    if (!chosen.isEmpty()) {
        pathField->setText(chosen);
        m_settings.setValue(key, chosen);
    }
    flashButton->setEnabled(!pathField->text().isEmpty());
}

void MainForm::bOpenROMClicked()
{
    pickFile(KeyPathPackage, tr("Select ROM file"), tr("Update file (*.vyrup)"), ui->lROMpath, ui->bUpdate);
}

void MainForm::bOpenBINClicked()
{
    pickFile(KeyPathCpu, tr("Select BIN file."), tr("CPU update file (*.bin)"), ui->lBINpath, ui->bUpdateBIN);
}

void MainForm::bOpenRPDClicked()
{
    pickFile(KeyPathFpga, tr("Select RPD file."), tr("FPGA update file (*.rpd)"), ui->lRPDpath, ui->bUpdateRPD);
}

void MainForm::bOpenFSClicked()
{
    pickFile(KeyPathFs, tr("Select IMG file."), tr("Image file (*.img)"), ui->lFSpath, ui->bUpdateFS);
}

void MainForm::on_bOpenGPS_clicked()
{
    pickFile(KeyPathGps, tr("Select BIN file."), tr("GPS module update file (*.bin)"), ui->lGPSpath, ui->bUpdateGPS);
}

// ---- flash buttons ----

bool MainForm::readFirmware(const QLineEdit *pathField, QByteArray &data)
{
    QFile file(pathField->text());
    bool ok = file.open(QIODevice::ReadOnly);
    if (ok) {
        const qint64 expected = file.size();
        data = file.readAll();
        // A short read would send a cut image that the tester takes as whole.
        ok = file.error() == QFileDevice::NoError && data.size() == expected;
    }
    if (!ok) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "cannot read" << pathField->text() << file.errorString();
        data.clear();
        appendLog(tr("Open file error"));
    }
    return ok;
}

void MainForm::startOperation(int operation, const QLineEdit *pathField,
                              void (MainForm::*request)(QByteArray), bool resetBars)
{
    QByteArray data;
    if (!readFirmware(pathField, data))
        return;
    if (resetBars)
        resetProgressBars();
    setUpdateControlsEnabled(false);
    m_operation = operation;
    emit (this->*request)(data);
}

void MainForm::bUpdateClicked()
{
    startOperation(PackageOperation, ui->lROMpath, &MainForm::fullUpdate, true);
}

void MainForm::bUpdateBINClicked()
{
    startOperation(CpuOperation, ui->lBINpath, &MainForm::updateCpu, false);
}

void MainForm::bUpdateRPDClicked()
{
    startOperation(FpgaOperation, ui->lRPDpath, &MainForm::fpgaUpdate, false);
}

void MainForm::bUpdateFSClicked()
{
    startOperation(FsOperation, ui->lFSpath, &MainForm::fsUpdate, false);
}

void MainForm::on_bUpdateGPS_clicked()
{
    startOperation(GpsOperation, ui->lGPSpath, &MainForm::gpsUpdate, false);
}

void MainForm::on_bReset_clicked()
{
    emit reset(false);
}

void MainForm::on_bResetUpdate_clicked()
{
    emit reset(true);
}

// ---- progress and states ----

void MainForm::resetProgressBars()
{
    for (QProgressBar *bar : {ui->progCPU, ui->progFPGA, ui->progFS, ui->progGPS})
        bar->setValue(0);
}

namespace {
void showProgress(QProgressBar *bar, float progress)
{
    bar->setValue(static_cast<int>(progress * bar->maximum()));
}
} // namespace

void MainForm::cpuUpdateProgress(float progress)
{
    showProgress(ui->progCPU, progress);
}

void MainForm::fpgaUpdateProgress(float progress)
{
    showProgress(ui->progFPGA, progress);
}

void MainForm::fsUpdateProgress(float progress)
{
    showProgress(ui->progFS, progress);
}

void MainForm::gpsUpdateProgress(float progress)
{
    showProgress(ui->progGPS, progress);
}

QString MainForm::stateText(UpdaterState state)
{
    switch (state) {
    case UpdaterState::CpuUpdating: return tr("Updating CPU memory.");
    case UpdaterState::CpuUpdated: return tr("CPU update finished.");
    case UpdaterState::CpuUpdateFailed: return tr("CPU update failed.");
    case UpdaterState::FpgaErasing: return tr("Erasing FPGA flash memory.");
    case UpdaterState::FpgaErased: return tr("Erasing FPGA flash memory finished.");
    case UpdaterState::FpgaEraseFailed: return tr("Erasing FPGA flash memory failed.");
    case UpdaterState::FpgaUpdating: return tr("Updating FPGA flash memory.");
    case UpdaterState::FpgaUpdated: return tr("FPGA update finished.");
    case UpdaterState::FpgaUpdateFailed: return tr("FPGA update failed.");
    case UpdaterState::Resetting: return tr("Resetting the device.");
    case UpdaterState::ResetDone: return tr("Device reset finished.");
    case UpdaterState::ResetFailed: return tr("Device reset failed.");
    case UpdaterState::FsUpdating: return tr("Updating FS.");
    case UpdaterState::FsUpdated: return tr("FS update finished.");
    case UpdaterState::FsUpdateFailed: return tr("FS update failed.");
    case UpdaterState::GpsUpdating: return tr("Updating GPS module.");
    case UpdaterState::GpsUpdated: return tr("GPS module update finished.");
    case UpdaterState::GpsUpdateFailed: return tr("GPS module update failed.");
    case UpdaterState::InvalidDeviceType: return tr("Invalid device type.");
    case UpdaterState::WaitAfterResetFailed: return tr("Wait after reset failed.");
    case UpdaterState::WrongFileFormat: return tr("Wrong file format.");
    case UpdaterState::FullUpdateFinished: return tr("Firmware update finished.");
    }
    return QString();
}

bool MainForm::isOperationFinished(int operation, UpdaterState state)
{
    using S = UpdaterState;
    switch (operation) {
    case CpuOperation:
        return state == S::CpuUpdated || state == S::CpuUpdateFailed;
    case FpgaOperation:
        return state == S::FpgaEraseFailed || state == S::FpgaUpdated || state == S::FpgaUpdateFailed;
    case FsOperation:
        return state == S::FsUpdated || state == S::FsUpdateFailed;
    case GpsOperation:
        return state == S::GpsUpdated || state == S::GpsUpdateFailed;
    case PackageOperation:
        // The single steps' successes and the GPS failure do not end a
        // package run: it goes on to the final reset.
        switch (state) {
        case S::CpuUpdateFailed:
        case S::FpgaEraseFailed:
        case S::FpgaUpdateFailed:
        case S::ResetFailed:
        case S::FsUpdateFailed:
        case S::InvalidDeviceType:
        case S::WaitAfterResetFailed:
        case S::WrongFileFormat:
        case S::FullUpdateFinished:
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

bool MainForm::isOperationFinished(UpdaterState state) const
{
    return isOperationFinished(m_operation, state);
}

void MainForm::updaterStateChanged(UpdaterState state)
{
    const QString text = stateText(state);
    if (!text.isEmpty())
        appendLog(text);
    if (isOperationFinished(state)) {
        m_operation = NoOperation;
        setUpdateControlsEnabled(true);
    }
}

void MainForm::appendLog(const QString &text)
{
    m_logWritten = true;
    ui->teStatus->append(text);
}
