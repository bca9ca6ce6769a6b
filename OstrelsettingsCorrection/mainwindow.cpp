#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "addressfields.h"
#include "mainmenu.h"
#include "sharedwidth.h"

#include <QApplication>
#include <QGuiApplication>
#include <QRegExp>
#include <QRegExpValidator>
#include <QTranslator>

namespace {
const char kKeyLogonId[] = "Logonid";
const char kKeyPassword[] = "Password";
const char kKeyDhcp[] = "DHCP";
const char kKeyIpAddress[] = "IPaddr";
const char kKeyGateway[] = "Gateway";
const char kKeyMask[] = "Submasc";

const char kDefaultLogonId[] = "tuvex";
const char kDefaultPassword[] = "tuvex";
const char kDefaultDhcp[] = "false";
const char kDefaultIpAddress[] = "192.168.001.202";
const char kDefaultGateway[] = "192.168.001.001";
const char kDefaultMask[] = "255.255.255.000";

const char kTrue[] = "true";
const char kFalse[] = "false";

const char kTranslation[] = "vyrup_ru";
const char kQtTranslation[] = "qt_ru";

// Loads a catalogue from the working folder, where the program has always
// looked, else from the program's own folder, where the build and the
// install put it: started from any folder, the program finds its texts.
bool loadCatalogue(QTranslator *translator, const QString &name)
{
    return translator->load(name) || translator->load(name, QCoreApplication::applicationDirPath());
}

// The tester is always asked to restart into update mode before the logon.
const bool kConnectFromRcMode = true;
// Reset restarts the tester into its normal firmware.
const bool kResetToUpdateMode = false;
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    translator = new QTranslator;
    qtTranslator = new QTranslator;
    // A missing file leaves English.
    if (loadCatalogue(translator, QLatin1String(kTranslation)))
        QCoreApplication::installTranslator(translator);
    if (loadCatalogue(qtTranslator, QLatin1String(kQtTranslation)))
        QCoreApplication::installTranslator(qtTranslator);

    ui->setupUi(this);
    // The program's name, as main sets it; not translated.
    setWindowTitle(QGuiApplication::applicationDisplayName());
    ui->bDisconnect->hide();
    // Connect and Disconnect take turns in the connection row; sharing one
    // width, the window starts as wide as the connected one.
    giveSharedWidth({ui->bConnect, ui->bDisconnect});

    // The logon is never written: an absent one stays absent.
    ui->lLogonId->setText(readSetting(QLatin1String(kKeyLogonId), QLatin1String(kDefaultLogonId), false));
    ui->lPsw->setText(readSetting(QLatin1String(kKeyPassword), QLatin1String(kDefaultPassword), false));
    dhcpText = readSetting(QLatin1String(kKeyDhcp), QLatin1String(kDefaultDhcp), true);
    ipText = readSetting(QLatin1String(kKeyIpAddress), QLatin1String(kDefaultIpAddress), true);
    gatewayText = readSetting(QLatin1String(kKeyGateway), QLatin1String(kDefaultGateway), true);
    maskText = readSetting(QLatin1String(kKeyMask), QLatin1String(kDefaultMask), true);

    const QRegExp addressRx(AddressFields::addressExpression());
    const QRegExp maskRx(AddressFields::maskExpression());
    ui->lIP->setValidator(new QRegExpValidator(addressRx, this));
    ui->lGW->setValidator(new QRegExpValidator(addressRx, this));
    ui->lNM->setValidator(new QRegExpValidator(maskRx, this));
    // Stored addresses are shown as an operator types them (the defaults
    // "192.168.001.202" and "255.255.255.000" as "192.168.1.202" and
    // "255.255.255.0"); a stored text that is no address stays as it is.
    ui->lIP->setText(AddressFields::shownText(ipText));
    ui->lNM->setText(AddressFields::shownText(maskText));
    ui->lGW->setText(AddressFields::shownText(gatewayText));
    ui->cDHCP->setChecked(dhcpText != QLatin1String(kFalse));

    // Not the window's menu bar: a child in front of the form's one. It
    // spans the window's width so the form's own menu, whose entries lead
    // nowhere, is not left half visible behind it.
    menu = new MainMenu(this);
    placeMenu();

    // This program writes each IP settings request to the debug output.
    updater.setLogIpSettings(true);

    connect(ui->bEng, &QPushButton::clicked, this, &MainWindow::bEngClicked);
    connect(ui->bRus, &QPushButton::clicked, this, &MainWindow::bRusClicked);
    connect(ui->bConnect, &QPushButton::clicked, this, &MainWindow::bConnectClicked);
    connect(ui->bRefreshPorts, &QPushButton::clicked, this, &MainWindow::bRefreshPortsClicked);
    connect(ui->bDisconnect, &QPushButton::clicked, this, &MainWindow::bDisconnectClicked);
    connect(ui->bReset, &QPushButton::clicked, this, &MainWindow::ResetOstrel);
    connect(ui->bApply, &QPushButton::clicked, this, &MainWindow::setIPtoOstrel);
    // Automatic: queues once the Updater lives in the worker thread.
    connect(this, &MainWindow::reset, &updater, &Updater::reset);

    updater.moveToThread(&workerThread);
    workerThread.start(QThread::InheritPriority);

    connect(this, &MainWindow::connectUpdater, &updater,
            qOverload<QString, QString, QString, bool>(&Updater::connect), Qt::QueuedConnection);
    connect(this, &MainWindow::disconnectUpdater, &updater, &Updater::disconnect, Qt::QueuedConnection);
    connect(this, &MainWindow::refreshPorts, &updater, &Updater::getPortsNames, Qt::QueuedConnection);
    connect(this, &MainWindow::sendIPdata, &updater, &Updater::IPsetUpdate);

    connect(&updater, &Updater::connected, this, &MainWindow::updaterConnected, Qt::QueuedConnection);
    connect(&updater, &Updater::connectionFailed, this, &MainWindow::updaterConnectionFailed,
            Qt::QueuedConnection);
    connect(&updater, &Updater::disconnected, this, &MainWindow::updaterDisconnected, Qt::QueuedConnection);
    connect(&updater, &Updater::portsNamesReceived, this, &MainWindow::portsReceived, Qt::QueuedConnection);
    connect(&updater, &Updater::ipSettingsSent, this, &MainWindow::ipSettingsSent, Qt::QueuedConnection);

    ui->grUpdate->setEnabled(false);
    // The port controls wait for the first list like after a refresh, so no
    // port is picked or connected from a list that is about to be replaced.
    bRefreshPortsClicked();
}

MainWindow::~MainWindow()
{
    // Requests already queued run to their end before the thread stops; only
    // then may the Updater go (with the members, after this body).
    workerThread.quit();
    workerThread.wait();
    QCoreApplication::removeTranslator(translator);
    QCoreApplication::removeTranslator(qtTranslator);
    delete translator;
    delete qtTranslator;
    delete ui;
}

QString MainWindow::readSetting(const QString &key, const QString &defaultValue, bool writeDefault)
{
    QString value = settings.value(key).toString();
    if (value.isEmpty()) {
        value = defaultValue;
        if (writeDefault)
            settings.setValue(key, value);
    }
    return value;
}

void MainWindow::appendLog(const QString &line)
{
    ui->teStatus->append(line);
}

void MainWindow::setConnectedState(bool connected)
{
    ui->bRefreshPorts->setEnabled(!connected);
    ui->cbCOM->setEnabled(!connected);
    ui->bDisconnect->setVisible(connected);
    ui->bDisconnect->setEnabled(connected);
    ui->grUpdate->setEnabled(connected);
}

void MainWindow::retranslate()
{
    menu->retranslate();
    placeMenu();
    ui->retranslateUi(this);
    giveSharedWidth({ui->bConnect, ui->bDisconnect});
}

void MainWindow::bEngClicked()
{
    QCoreApplication::removeTranslator(translator);
    QCoreApplication::removeTranslator(qtTranslator);
    retranslate();
}

void MainWindow::bRusClicked()
{
    // An empty translator (its file was missing) is not installed.
    if (!translator->isEmpty())
        QCoreApplication::installTranslator(translator);
    if (!qtTranslator->isEmpty())
        QCoreApplication::installTranslator(qtTranslator);
    retranslate();
}

void MainWindow::bConnectClicked()
{
    ui->bConnect->setEnabled(false);
    if (updater.isConnected())
        return;
    emit connectUpdater(ui->cbCOM->currentText(), ui->lLogonId->text(), ui->lPsw->text(), kConnectFromRcMode);
}

void MainWindow::bDisconnectClicked()
{
    if (updater.isConnected())
        emit disconnectUpdater();
}

void MainWindow::bRefreshPortsClicked()
{
    ui->bRefreshPorts->setEnabled(false);
    ui->bConnect->setEnabled(false);
    ui->cbCOM->setEnabled(false);
    emit refreshPorts();
}

void MainWindow::portsReceived(QStringList portNames)
{
    const int index = ui->cbCOM->currentIndex();
    ui->cbCOM->clear();
    ui->cbCOM->addItems(portNames);
    if (index < ui->cbCOM->count())
        ui->cbCOM->setCurrentIndex(index);
    if (ui->cbCOM->currentIndex() < 0 && ui->cbCOM->count() > 0)
        ui->cbCOM->setCurrentIndex(0);
    ui->bRefreshPorts->setEnabled(true);
    ui->bConnect->setEnabled(true);
    ui->cbCOM->setEnabled(true);
}

void MainWindow::updaterConnected(uchar deviceType, QString releaseName, ushort deviceSerial)
{
    Q_UNUSED(deviceType)
    // Hidden first: a child shown in a shown window lays the window out at
    // once, and with both buttons in the row for that moment the window
    // would widen and stay wider.
    ui->bConnect->hide();
    ui->bDisconnect->show();
    appendLog(tr("Connected to device."));
    appendLog(tr("Device serial:") + QLatin1Char(' ') + QString::number(deviceSerial));
    appendLog(tr("Release:") + QLatin1Char(' ') + releaseName);
    setConnectedState(true);
}

void MainWindow::updaterConnectionFailed()
{
    ui->bConnect->setEnabled(true);
    appendLog(tr("Connecting to the device failed."));
    setConnectedState(false);
}

void MainWindow::updaterDisconnected()
{
    appendLog(tr("Disconnected from the device."));
    ui->bDisconnect->hide();
    ui->bConnect->setEnabled(true);
    ui->bConnect->show();
    setConnectedState(false);
}

void MainWindow::ipSettingsSent(bool sent)
{
    // The tester does not answer the request: written is all there is to tell.
    appendLog(sent ? tr("IP settings sent.") : tr("Sending the IP settings failed."));
}

void MainWindow::setIPtoOstrel()
{
    const QString ip = ui->lIP->text();
    const QString mask = ui->lNM->text();
    const QString gateway = ui->lGW->text();

    // A half-typed field would go out as another address (192.168 becomes
    // 192.168.0.0) and be stored as the operator's choice: refuse the whole
    // request instead, naming each field that is not complete.
    bool complete = true;
    const auto refuse = [&](const QLabel *caption, const QString &text) {
        appendLog(tr("%1 \"%2\" is not complete. The IP settings were not sent.").arg(caption->text(), text));
        complete = false;
    };
    if (!AddressFields::isCompleteAddress(ip))
        refuse(ui->label_2, ip);
    if (!AddressFields::isCompleteMask(mask))
        refuse(ui->label_3, mask);
    if (!AddressFields::isCompleteAddress(gateway))
        refuse(ui->label_4, gateway);
    if (!complete)
        return;

    const bool dhcp = ui->cDHCP->isChecked();
    emit sendIPdata(dhcp, ip, mask, gateway);
    settings.setValue(QLatin1String(kKeyDhcp), QLatin1String(dhcp ? kTrue : kFalse));
    settings.setValue(QLatin1String(kKeyIpAddress), ip);
    settings.setValue(QLatin1String(kKeyGateway), gateway);
    settings.setValue(QLatin1String(kKeyMask), mask);
}

void MainWindow::ResetOstrel()
{
    emit reset(kResetToUpdateMode);
}

void MainWindow::placeMenu()
{
    menu->adjustSize();
    menu->setGeometry(0, 0, qMax(width(), menu->width()), menu->height());
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placeMenu();
}
