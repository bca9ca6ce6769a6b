#include "mainform.h"
#include "ui_mainform.h"

#include "asymtrafficform.h"
#include "devsettingsform.h"
#include "opttestform.h"
#include "bertform.h"
#include "cableform.h"
#include "lbform.h"
#include "mdiform.h"
#include "oamform.h"
#include "passform.h"
#include "statsform.h"
#include "testtabform.h"
#include "trafficform.h"

#include "deviceidentity.h"
#include "ftransferform.h"
#include "ifsetform.h"
#include "iretranslatable.h"
#include "jitterform.h"
#include "mainmenu.h"
#include "multiform.h"
#include "portstatus.h"
#include "ptpform.h"
#include "rfcform.h"
#include "scaleadjform.h"
#include "serialport.h"
#include "tcpipform.h"
#include "tcpstream.h"
#include "testform.h"
#include "textfunctions.h"
#include "vyrupdialog.h"
#include "widgethelpers.h"
#include "y1564form.h"

#include <QDebug>
#include <QEvent>
#include <QLayout>
#include <QMessageBox>
#include <QMetaObject>
#include <QRegExp>
#include <QRegExpValidator>
#include <QTableView>
#include <QTranslator>
#include <QVariant>

namespace {

const char *const InitialAddress = "192.168.0.202";
constexpr int AddressMaxLength = 15;
// "-ip" may carry ":port" after the address.
constexpr int CommandLineAddressMaxLength = 21;

// The family this program is built for, and its release.
constexpr unsigned OwnFamilyType = 6;
constexpr unsigned SecondFamilyType = 8;
const char *const CompiledRelease = "1.0";

constexpr int SaveErrorMemoryFull = 1;
constexpr int SaveErrorFileExists = 2;

constexpr int SelectorTestIds = 20;   // buttonsByTest covers test ids 0-19

// The designed sizes of the top strip, its groups, the port cells and the
// FPGA box, kept while the font leaves the texts room in them.
constexpr int TopStripHeight = 120;
constexpr int ConnectionBoxWidth = 320;
constexpr int PortBoxWidth = 240;
constexpr int PortCellWidth = 52;
constexpr int PortRatesWidth = 150;
constexpr int DebugBoxWidth = 170;
// Model, serial number, versions and release.
constexpr int DeviceInfoLines = 4;

// The information labels: the device text on white, and in red on white the
// end of a link that the operator did not ask for.
const char *const InfoLabelStyle = "background-color: rgb(255, 255, 255);";
const char *const LinkFailureLabelStyle = "background-color: rgb(255, 255, 255);color: rgb(200, 0, 0);";

// Process-word bits 0-19 (up to TestBert) name what runs on a port; bit 18
// (TestRcl, the recall of a report) is no test of its own.
constexpr int NamedProcessBits = TestBert + 1;

const char *const LinkTimeFormat = "yyyy-MM-dd hh:mm:ss";

} // namespace

// The resources sit in a static library; naming their initialisers keeps the
// linker from dropping them.
static void initResources()
{
    Q_INIT_RESOURCE(vyrremote_translations);
#ifdef VYR_HAVE_ICON_RESOURCES
    Q_INIT_RESOURCE(icons);
#endif
}

MainForm::MainForm(QWidget *parent)
    : QWidget(parent), ui(new Ui::MainForm)
{
    initResources();
    qtTranslatorDe = new QTranslator;
    qtTranslatorRu = new QTranslator;
    translatorDe = new QTranslator;
    translatorRu = new QTranslator;
    // A catalogue that does not load leaves its texts English.
    qtTranslatorDe->load(QStringLiteral("qt_de"), QStringLiteral(":/"));
    qtTranslatorRu->load(QStringLiteral("qt_ru"), QStringLiteral(":/"));
    translatorDe->load(QStringLiteral("VyrRemote_de"), QStringLiteral(":/"));
    translatorRu->load(QStringLiteral("VyrRemote_ru"), QStringLiteral(":/"));

    updateMode = false;
    ipFromCommandLine = false;

    // Everything built from here on starts in Russian.
    QCoreApplication::installTranslator(qtTranslatorRu);
    QCoreApplication::installTranslator(translatorRu);

    ui->setupUi(this);

    // The field's validator and the Connect check use the same pattern.
    ui->iIP->setValidator(new QRegExpValidator(QRegExp(ipAddressPattern(), Qt::CaseSensitive), this));
    ui->iIP->setText(QLatin1String(InitialAddress));

    setWindowState(windowState() | Qt::WindowMaximized);
    updateWindowTitle();

    // Ethernet only, English and Russian only; the OAM and MDI forms are
    // reached only through a loaded report.
    ui->gSerial->hide();
    ui->bOAM->setEnabled(false);
    ui->bMDI->setEnabled(false);
    ui->bDeu->hide();

    connect(ui->bEng, &QPushButton::clicked, this, &MainForm::bEngClicked);
    connect(ui->bDeu, &QPushButton::clicked, this, &MainForm::bDeuClicked);
    connect(ui->bRus, &QPushButton::clicked, this, &MainForm::bRusClicked);

    device.moveToThread(&thread);
    thread.start(QThread::InheritPriority);

    menu = new MainMenu(nullptr);
    layout()->setMenuBar(menu);
    connect(menu, &MainMenu::change_font, this, &MainForm::change_font);

    ui->cSerPort->addItems(SerialPort::availablePorts());

    ui->gDebug->hide();
    ui->lAddress->setInputMask(QStringLiteral("HHHH;_"));
    ui->lValue->setInputMask(QStringLiteral("HH;_"));

    connect(ui->bRefreshPorts, &QPushButton::clicked, this, &MainForm::bRefreshPortsClicked);
    connect(ui->bRead, &QPushButton::clicked, this, &MainForm::bReadClicked);
    connect(ui->bWrite, &QPushButton::clicked, this, &MainForm::bWriteClicked);
    connect(ui->bProcA, &QPushButton::clicked, this, &MainForm::bProcAClicked);
    connect(ui->bProcB, &QPushButton::clicked, this, &MainForm::bProcBClicked);
    connect(ui->bSerConnect, &QPushButton::clicked, this, &MainForm::bSerConnectClicked);
    // A Disconnect is announced before it is queued, so that a file listing
    // it would wait behind ends first.
    connect(ui->bSerDisc, &QPushButton::clicked, this, [this] { device.announceDisconnect(); });
    connect(ui->bSerDisc, &QPushButton::clicked, &device, &Device::disconnect, Qt::QueuedConnection);
    connect(ui->bEthConnect, &QPushButton::clicked, this, &MainForm::bEthConnectClicked);
    connect(ui->bEthDisc, &QPushButton::clicked, this, [this] { device.announceDisconnect(); });
    connect(ui->bEthDisc, &QPushButton::clicked, &device, &Device::disconnect, Qt::QueuedConnection);
    connect(&device, &Device::connected, this, &MainForm::vyr_conn, Qt::QueuedConnection);
    connect(&device, &Device::disconnected, this, &MainForm::vyr_disc, Qt::QueuedConnection);
    connect(&device, &Device::linkFailed, this, &MainForm::linkFailed, Qt::QueuedConnection);

    buttonsByTest = {
        ui->bStats, ui->bStats, ui->bTraffic, ui->bRFC, ui->bY1564,
        ui->bMulti, ui->bJitter, ui->bPTP, ui->bTCPIP, ui->bTCPIP,
        ui->bTCPIP, ui->bTCPIP, ui->bCable, ui->bOptTest, ui->bOAM,
        ui->bMDI, ui->bTraffic, ui->bSync, ui->bStats, ui->bBert,
    };
    testButtons = {
        ui->bRFC, ui->bMulti, ui->bCable, ui->bLoopback, ui->bTCPIP,
        ui->bTraffic, ui->bJitter, ui->bBert, ui->bOAM, ui->bTransit,
        ui->bPTP, ui->bIfSettings, ui->bStats, ui->bFTransfer, ui->bOptTest,
        ui->bMDI, ui->bY1564, ui->bDevSettings, ui->bSync,
    };
    Q_ASSERT(testButtons.size() == FormCount);

    createForms();

    updateDialog = new vyrupDialog(nullptr);
    connect(updateDialog, &vyrupDialog::writeVYRUP, &device, &Device::writeVYRUP, Qt::QueuedConnection);
    connect(&device, &Device::corrResult, updateDialog, &vyrupDialog::corrResult, Qt::QueuedConnection);
    connect(&device, &Device::vyrupInform, updateDialog, &vyrupDialog::vyrupInfo, Qt::QueuedConnection);

    for (int i = 0; i < FormCount; ++i) {
        QPushButton *button = testButtons.at(i);
        IRetranslatable *form = formList.at(i);
        if (!form) {
            // Not part of this build yet.
            button->setEnabled(false);
            continue;
        }
        // The form area scrolls: a form larger than the room the screen
        // leaves scrolls inside it, and the window's minimum size does not
        // follow the form shown, so the window never grows past the screen
        // and a smaller form after a larger one leaves it as it was.
        ui->wForms->layout()->addWidget(form);
        connect(button, &QPushButton::clicked, this, &MainForm::bTestClicked);
        // The forms are reached through their common base: by signature.
        connect(button, SIGNAL(clicked()), form, SLOT(activate()));
        connect(this, SIGNAL(disableApply()), form, SLOT(disableApply()));
    }

    // Rows of the result tables grow with a larger font.
    for (QTableView *table : ui->wForms->findChildren<QTableView *>())
        keepRowsFitToFont(table);
    fitPanels();

    vyr_disc();

    // The TCP/IP window opens only for a loaded report of its tests.
    ui->bTCPIP->setEnabled(false);

    connect(this, &MainForm::connectBySerial, &device, &Device::connectBySerial, Qt::QueuedConnection);
    connect(this, &MainForm::connectByTCPIP, &device, &Device::connectByTcpIp, Qt::QueuedConnection);
    connect(&device, &Device::deviceInfoUpdated, this, &MainForm::updateDeviceInfo, Qt::QueuedConnection);
    connect(&device, &Device::deviceStatusUpdated, this, &MainForm::updateDeviceStatus, Qt::QueuedConnection);
    connect(this, &MainForm::readFpgaValue, &device, &Device::readFpgaValue, Qt::QueuedConnection);
    connect(this, &MainForm::writeFpgaValue, &device, &Device::writeFpgaValue, Qt::QueuedConnection);
    connect(&device, &Device::fpgaValueReaded, this, &MainForm::fpgaValueReaded, Qt::QueuedConnection);
    connect(&device, &Device::fileSaveError, this, &MainForm::fileSaveErrorMsg, Qt::QueuedConnection);
    connect(&device, &Device::reportSaved, this, &MainForm::openReportFilesForm, Qt::QueuedConnection);
    connect(&device, &Device::reportLoaded, this, &MainForm::reportLoaded, Qt::QueuedConnection);
    qRegisterMetaType<error_t>();
    qRegisterMetaType<error_t>("error_t");
    connect(&device, &Device::startTestError, this, &MainForm::startTestError, Qt::QueuedConnection);
}

MainForm::~MainForm()
{
    // Outside update mode the update dialog never joined the form area and
    // has no parent to delete it.
    if (updateDialog && !updateDialog->parent())
        delete updateDialog;
    delete menu;
    delete qtTranslatorDe;
    delete qtTranslatorRu;
    delete translatorDe;
    delete translatorRu;
    delete ui;
    // The worker may be inside an exchange with the tester: let it finish
    // before Device (a member, destroyed after this body) goes away. Asked
    // to stop, a file listing ends after its current request.
    thread.requestInterruption();
    thread.quit();
    thread.wait();
}

void MainForm::createForms()
{
    // One entry per selector button, in FormIndex order. The forms of the
    // test, settings and file windows slot in here as they are built into
    // the program: formList[FormRfc] = new RfcForm(&device); and so on.
    formList.clear();
    for (int i = 0; i < FormCount; ++i)
        formList.append(nullptr);
    // The traffic and asymmetric traffic forms are pages of the tab form,
    // which owns them from here on.
    auto *trafficForm = new TrafficForm(&device);
    auto *asymTrafficForm = new AsymTrafficForm(&device);
    formList[FormTestTab] = new TestTabForm(&device, trafficForm, asymTrafficForm);
    formList[FormMulti] = new MultiForm(&device);
    formList[FormJitter] = new JitterForm(&device);
    formList[FormY1564] = new Y1564Form(&device);
    formList[FormRfc] = new RfcForm(&device);
    formList[FormOptTest] = new OptTestForm(&device);
    formList[FormDevSettings] = new DevSettingsForm(&device);
    formList[FormBert] = new BertForm(&device);
    formList[FormPass] = new PassForm(&device);
    formList[FormStats] = new StatsForm(&device);
    formList[FormCable] = new CableForm(&device);
    formList[FormLoopback] = new LbForm(&device);
    formList[FormOam] = new OamForm(&device);
    formList[FormMdi] = new MdiForm(&device);
    formList[FormIfset] = new IfsetForm(&device);
    formList[FormTcpIp] = new TCPIPForm(&device);
    formList[FormPtp] = new PTPForm(&device);
    formList[FormScaleAdj] = new ScaleAdjForm(&device);
    formList[FormFTransfer] = new FTransferForm(&device);
}

bool MainForm::checkUser(const QString &login, const QString &password)
{
    return database.checkUser(login, password);
}

bool MainForm::databaseIsOpen() const
{
    return database.isOpen();
}

void MainForm::showFpgaBox()
{
    ui->gDebug->setVisible(true);
}

void MainForm::enterUpdateMode()
{
    updateMode = true;
    for (QPushButton *b : qAsConst(testButtons))
        b->hide();
    ui->bProcA->hide();
    ui->bProcB->hide();
    ui->wForms->layout()->addWidget(updateDialog);
    ui->fMain->setEnabled(false);
    connect(updateDialog, &vyrupDialog::closeUpdate, this, &MainForm::closeUpdate);
    connect(updateDialog, &vyrupDialog::closeRemote, this, &MainForm::closeRemote);
}

void MainForm::closeUpdate()
{
    // Leaving the update dialog returns the window to normal mode, so that
    // the port buttons and the form area follow the link again.
    updateMode = false;
    for (QPushButton *b : qAsConst(testButtons))
        b->show();
    const bool connectedNow = device.getConnectionType() != RemoteControl::NoConnection;
    const bool twoPorts = !connectedNow || device.getPortsCount() != 1;
    ui->bProcA->setVisible(twoPorts);
    ui->bProcB->setVisible(twoPorts);
    ui->fMain->setEnabled(true);
}

void MainForm::closeRemote()
{
    close();
}

void MainForm::setIpFromCommandLine(const QString &address)
{
    forgetLinkFailure();
    ipFromCommandLine = true;
    ui->iIP->setValidator(nullptr);
    ui->iIP->setMaxLength(CommandLineAddressMaxLength);
    ui->iIP->setText(address);
    quint32 ip = 0;
    quint16 port = 0;
    const TCPStream::TargetFault fault = TCPStream::parseTarget(address, ip, port);
    if (fault == TCPStream::TargetFault::None)
        return;
    // Told before anything is tried, as Connect would refuse it.
    LinkFailure failure;
    failure.kind = LinkFailure::BadAddress;
    failure.addressFault = fault;
    failure.target = address;
    failure.connectionType = RemoteControl::TcpIpConnection;
    failure.at = QDateTime::currentDateTime();
    lastLinkFailure = failure;
    showLinkState();
}

// ---- connection panel -------------------------------------------------------

void MainForm::updateWindowTitle()
{
    setWindowTitle(tr("%1 Remote Control").arg(deviceFamilyName(OwnFamilyType)));
}

void MainForm::bSerConnectClicked()
{
    const QString port = ui->cSerPort->currentText();
    if (port.isEmpty())
        return;
    forgetLinkFailure();
    emit connectBySerial(port);
    // One attempt at a time: vyr_conn or vyr_disc ends it.
    ui->bSerConnect->setEnabled(false);
    ui->gEthernet->setEnabled(false);
    device.setCurrentProcess(PortA);
    ui->bProcA->setChecked(true);
    ui->bProcB->setChecked(false);
}

void MainForm::bEthConnectClicked()
{
    if (updateMode)
        ui->fMain->setEnabled(true);
    // The device refuses a text that is no address before any socket opens,
    // and says why as for any failed connect; the text stays in the field
    // to be corrected. A typed address loses its leading zeros.
    quint32 address = 0;
    quint16 port = 0;
    if (!ipFromCommandLine && TCPStream::parseTarget(ui->iIP->text(), address, port) == TCPStream::TargetFault::None)
        ui->iIP->setText(ipToString(address, false));
    forgetLinkFailure();
    emit connectByTCPIP(ui->iIP->text());
    // One attempt at a time: vyr_conn or vyr_disc ends it.
    ui->bEthConnect->setEnabled(false);
    ui->iIP->setEnabled(false);
    ui->gSerial->setEnabled(false);
    device.setCurrentProcess(PortA);
    ui->bProcA->setChecked(true);
    ui->bProcB->setChecked(false);
}

void MainForm::bRefreshPortsClicked()
{
    const int index = ui->cSerPort->currentIndex();
    ui->cSerPort->clear();
    ui->cSerPort->addItems(SerialPort::availablePorts());
    if (index < ui->cSerPort->count())
        ui->cSerPort->setCurrentIndex(index);
}

void MainForm::vyr_conn()
{
    // A link is up: what the panel and the notice said of the last one is over.
    forgetLinkFailure();
    const RemoteControl::ConnectionType kind = device.getConnectionType();
    if (updateMode) {
        ui->bProcA->hide();
        ui->bProcB->hide();
        ui->fMain->setEnabled(true);
    }
    if (kind == RemoteControl::SerialConnection) {
        ui->gEthernet->setEnabled(false);
        ui->bSerConnect->hide();
        ui->bSerDisc->show();
        ui->bRefreshPorts->setEnabled(false);
        ui->cSerPort->setEnabled(false);
    } else if (kind == RemoteControl::TcpIpConnection) {
        ui->gSerial->setEnabled(false);
        ui->bEthConnect->hide();
        ui->bEthDisc->show();
        ui->iIP->setEnabled(false);
    }
}

void MainForm::vyr_disc()
{
    qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "vyr_disc";
    if (updateMode) {
        ui->bProcA->hide();
        ui->bProcB->hide();
        ui->fMain->setEnabled(false);
    } else {
        ui->bProcA->show();
        ui->bProcB->show();
        ui->fMain->setEnabled(true);
    }
    ui->gSerial->setEnabled(true);
    ui->bSerConnect->show();
    ui->bSerConnect->setEnabled(true);
    ui->bRefreshPorts->setEnabled(true);
    ui->bSerDisc->hide();
    ui->cSerPort->setEnabled(true);

    ui->gEthernet->setEnabled(true);
    ui->bEthConnect->show();
    ui->bEthConnect->setEnabled(true);
    ui->bEthDisc->hide();
    ui->iIP->setEnabled(true);

    ui->gDebug->setEnabled(false);
    ui->gPortA->hide();
    ui->gPortB->hide();
    ui->fControl->setEnabled(false);
    ui->lSerInfo->clear();
    ui->lEthInfo->clear();
    // A failure already told stays told: a later report of the same loss
    // must not wipe it.
    showLinkState();
    hideAllForms();
    uncheckTestButtons();
}

void MainForm::linkFailed(LinkFailure failure)
{
    lastLinkFailure = failure;
    showLinkState();
    if (!linkNotice) {
        linkNotice = new QMessageBox(QMessageBox::Warning, windowTitle(), QString(), QMessageBox::Ok, this);
        linkNotice->setObjectName(QStringLiteral("linkNotice"));
        // The window stays usable: the operator reconnects or looks at the
        // window while the notice is up.
        linkNotice->setModal(false);
        linkNotice->setWindowModality(Qt::NonModal);
    }
    linkNotice->setWindowTitle(windowTitle());
    linkNotice->setText(linkNoticeText(failure));
    linkNotice->show();
    linkNotice->raise();
}

void MainForm::showLinkState()
{
    if (!lastLinkFailure)
        return;
    QLabel *label = lastLinkFailure->connectionType == RemoteControl::SerialConnection ? ui->lSerInfo
                                                                                        : ui->lEthInfo;
    label->setStyleSheet(QLatin1String(LinkFailureLabelStyle));
    label->setText(linkStateText(*lastLinkFailure));
}

void MainForm::forgetLinkFailure()
{
    if (lastLinkFailure) {
        lastLinkFailure.reset();
        ui->lSerInfo->clear();
        ui->lEthInfo->clear();
    }
    ui->lSerInfo->setStyleSheet(QLatin1String(InfoLabelStyle));
    ui->lEthInfo->setStyleSheet(QLatin1String(InfoLabelStyle));
    if (linkNotice)
        linkNotice->hide();
}

QString MainForm::runningTestsText(const get_device_status_resp_t &status, int ports)
{
    QStringList perPort;
    const int shown = ports == 1 ? 1 : 2;
    for (int port = 0; port < shown; ++port) {
        const quint32 words = status.process[port].tx | status.process[port].rx;
        QStringList names;
        for (int bit = 0; bit < NamedProcessBits; ++bit) {
            if (!((words >> bit) & 1u) || bit == TestRcl)
                continue;
            QString name;
            if (bit == ProcessBitPassThrough)
                name = tr("Thru");
            else if (bit == ProcessBitLoopback)
                name = TestForm::testName(TestLoopback);
            else if (bit == TestOptical)
                name = tr("Optical\ntest").replace(QLatin1Char('\n'), QLatin1Char(' '));
            else
                name = TestForm::testName(bit);
            if (!names.contains(name))
                names << name;
        }
        if (!names.isEmpty())
            perPort << QStringLiteral("%1: %2").arg(port == 0 ? tr("Port A") : tr("Port B"),
                                                    names.join(QLatin1String(", ")));
    }
    return perPort.join(QLatin1String("; "));
}

QString MainForm::linkNoticeText(const LinkFailure &failure)
{
    QString text = failure.kind == LinkFailure::Lost ? tr("Connection to the tester lost.")
                                                     : tr("Could not connect to the tester.");
    text += QLatin1Char('\n') + tr("Address: %1").arg(failure.target);
    text += QLatin1Char('\n') + tr("Time: %1").arg(failure.at.toString(QLatin1String(LinkTimeFormat)));
    text += QStringLiteral("\n\n");
    switch (failure.kind) {
    case LinkFailure::Lost:
        if (failure.statusKnown) {
            const QString running = runningTestsText(failure.lastStatus, failure.ports);
            text += running.isEmpty() ? tr("No test was running.") : tr("Tests running: %1.").arg(running);
            text += QLatin1Char('\n');
        }
        text += tr("The test windows are closed and their results are no longer shown. "
                   "Connect again and open a test to read its results from the tester.");
        break;
    case LinkFailure::NotOpened:
        text += tr("Nothing answered at this address. Check the address, the cable and that the tester "
                   "is switched on.");
        break;
    case LinkFailure::NoAnswer:
        text += tr("A device took the connection but did not answer as a tester does.");
        break;
    case LinkFailure::BadAddress:
        text += addressFaultText(failure.addressFault, failure.target);
        break;
    }
    return text;
}

QString MainForm::addressFaultText(TCPStream::TargetFault fault, const QString &target)
{
    QString why;
    switch (fault) {
    case TCPStream::TargetFault::None:
        return QString();
    case TCPStream::TargetFault::Empty:
        why = tr("no address was given.");
        break;
    case TCPStream::TargetFault::NotAnAddress:
        why = tr("\"%1\" is not four numbers from 0 to 255 separated by dots.")
                  .arg(target.trimmed().section(QLatin1Char(':'), 0, 0));
        break;
    case TCPStream::TargetFault::NoPort:
        why = tr("no port number follows the colon.");
        break;
    case TCPStream::TargetFault::BadPort:
        why = tr("the port \"%1\" is not a number from 1 to 65535.")
                  .arg(target.trimmed().section(QLatin1Char(':'), 1));
        break;
    }
    return tr("Not a valid address: %1").arg(why) + QLatin1Char('\n')
        + tr("Nothing was connected. Enter an address such as 192.168.1.202, or 192.168.1.202:55555 "
             "with a port.");
}

QString MainForm::linkStateText(const LinkFailure &failure)
{
    QString first;
    switch (failure.kind) {
    case LinkFailure::Lost:
        first = tr("Connection to the tester lost.");
        break;
    case LinkFailure::NotOpened:
        first = tr("No tester at this address.");
        break;
    case LinkFailure::NoAnswer:
        first = tr("The tester did not answer.");
        break;
    case LinkFailure::BadAddress:
        first = tr("Not a valid address.");
        break;
    }
    const QString at = failure.at.toString(QLatin1String(LinkTimeFormat));
    return first + QLatin1Char('\n')
        + (failure.target.isEmpty() ? at : QStringLiteral("%1, %2").arg(failure.target, at));
}

void MainForm::updateDeviceInfo()
{
    updateDeviceInfoText();

    const int ports = device.getPortsCount();
    ui->gPortA->show();
    ui->gPortB->setVisible(ports != 1);
    ui->fControl->setEnabled(true);
    ui->bProcA->setVisible(ports != 1);
    ui->bProcB->setVisible(ports != 1);
    ui->bProcB->setEnabled(true);
    setSelectorEnabled(ui->bTransit, ports != 1);
    if (ports == 1) {
        for (QPushButton *b : {ui->bBert, ui->bRFC, ui->bTraffic, ui->bCable, ui->bFTransfer})
            setSelectorEnabled(b, true);
    }
    for (QPushButton *b : {ui->bJitter, ui->bMulti, ui->bPTP, ui->bSync, ui->bY1564})
        setSelectorEnabled(b, true);
    ui->bTCPIP->setEnabled(false);

    // The warning box runs an event loop of its own: show it only after the
    // window has reached its connected state, so that a link lost while the
    // box is open is not undone by the rest of this update.
    QMetaObject::invokeMethod(this, &MainForm::checkReleaseVersion, Qt::QueuedConnection);
}

void MainForm::updateDeviceInfoText()
{
    QLabel *label = nullptr;
    switch (device.getConnectionType()) {
    case RemoteControl::SerialConnection:
        label = ui->lSerInfo;
        break;
    case RemoteControl::TcpIpConnection:
        label = ui->lEthInfo;
        break;
    default:
        // Unconnected: the panel may still tell how the last link ended.
        showLinkState();
        return;
    }
    label->setText(deviceInfoText(device.getDeviceInfo()));
}

QString MainForm::deviceInfoText(const get_device_info_resp_t &info)
{
    const QByteArray release(info.releaseName, int(qstrnlen(info.releaseName, sizeof info.releaseName)));
    QString text;
    text += tr("Device") + QStringLiteral(": %1\n").arg(deviceModelName(info.deviceType));
    text += tr("Serial") + QStringLiteral(": %1\n").arg(info.serialNumber);
    text += QStringLiteral("CPU: %1.").arg(info.cpuVersion[0]);
    text += QStringLiteral("%1.").arg(info.cpuVersion[1]);
    text += QStringLiteral("%1 ").arg(info.cpuVersion[2]);
    text += QStringLiteral("FPGA: %1.").arg(info.fpgaVersion[0]);
    text += QStringLiteral("%1.").arg(info.fpgaVersion[1]);
    text += QStringLiteral("%1 \n").arg(info.fpgaVersion[2]);
    text += tr("Release") + QStringLiteral(": ") + QString::fromUtf8(release);
    return text;
}

QString MainForm::releaseWarningText(const get_device_info_resp_t &info)
{
    const QString release = QString::fromLatin1(info.releaseName,
                                                int(qstrnlen(info.releaseName, sizeof info.releaseName)));
    const unsigned type = info.deviceType;
    unsigned family = OwnFamilyType;
    if (type == 6 || type == 7 || type == 8) {
        if (release == QLatin1String(CompiledRelease))
            return QString();
        if (type == 8)
            family = SecondFamilyType;
    }
    return tr("Compiled for %1 release version %2")
        .arg(deviceFamilyName(family), QLatin1String(CompiledRelease));
}

void MainForm::checkReleaseVersion()
{
    // The link may have gone while this call waited in the queue.
    if (device.getConnectionType() == RemoteControl::NoConnection)
        return;
    const QString warning = releaseWarningText(device.getDeviceInfo());
    if (!warning.isEmpty())
        QMessageBox::warning(this, windowTitle(), warning, QMessageBox::Ok);
}

// ---- port status panels -----------------------------------------------------

void MainForm::updateDeviceStatus()
{
    const get_device_status_resp_t status = device.getDeviceStatus();
    const int ports = device.getPortsCount();
    if (ports < 1)
        return;
    QLabel *const rates[2] = {ui->lARxTxSpeed, ui->lBRxTxSpeed};
    for (int p = 0; p < ports && p < 2; ++p) {
        showPortLink(p, status.link[p]);
        showRxIndicator(p, status.process[p].rx);
        showTxIndicator(p, status.process[p].tx);
        showPortProcess(p, status.process[p].tx, status.process[p].rx, status.loopback[p].level, status.alarm[p]);
        showTopology(p, status.topology[p]);
        rates[p]->setText(portRatesText(status.txRate[p], status.rxRate[p]));
    }
}

void MainForm::showPortLink(int port, const port_link_t &link)
{
    QLabel *label = port == 0 ? ui->lAlink : ui->lBlink;
    const PortCellLook look = portLinkLook(link.up, link.speed, link.duplex);
    label->setText(look.text);
    label->setStyleSheet(look.styleSheet);
}

void MainForm::showRxIndicator(int port, quint32 rxProcess)
{
    (port == 0 ? ui->lArx : ui->lBrx)->setStyleSheet(rxLampStyle(rxProcess));
}

void MainForm::showTxIndicator(int port, quint32 txProcess)
{
    (port == 0 ? ui->lAtx : ui->lBtx)->setStyleSheet(txLampStyle(txProcess));
}

void MainForm::showPortProcess(int port, quint32 txProcess, quint32 rxProcess, quint8 level, quint8 alarm)
{
    QLabel *label = port == 0 ? ui->lAtest : ui->lBtest;
    const PortCellLook look = portProcessLook(txProcess, rxProcess, alarm, level);
    label->setStyleSheet(look.styleSheet);
    label->setText(look.text);
}

void MainForm::showTopology(int port, quint8 topology)
{
    (port == 0 ? ui->lAtopol : ui->lBtopol)->setText(topologyText(port, topology));
}

// ---- test selection ---------------------------------------------------------

void MainForm::hideAllForms()
{
    for (IRetranslatable *form : qAsConst(formList))
        if (form)
            form->hide();
}

void MainForm::uncheckTestButtons()
{
    for (QPushButton *b : qAsConst(testButtons))
        b->setChecked(false);
}

IRetranslatable *MainForm::formOf(QPushButton *button) const
{
    const int i = testButtons.indexOf(button);
    return i < 0 ? nullptr : formList.at(i);
}

void MainForm::setSelectorEnabled(QPushButton *button, bool enabled)
{
    button->setEnabled(enabled && formOf(button) != nullptr);
}

void MainForm::bTestClicked()
{
    auto *button = qobject_cast<QPushButton *>(sender());
    if (!button)
        return;
    uncheckTestButtons();
    hideAllForms();
    const bool portAOnly = button == ui->bPTP || button == ui->bSync;
    ui->bProcB->setEnabled(!portAOnly);
    if (portAOnly)
        bProcAClicked();
    button->setChecked(true);
}

void MainForm::bProcAClicked()
{
    emit disableApply();
    if (!ui->bProcA->isChecked())
        ui->bProcA->setChecked(true);
    ui->bProcB->setChecked(false);
    device.setCurrentProcess(PortA);
    setSelectorEnabled(ui->bPTP, true);
    setSelectorEnabled(ui->bSync, true);
}

void MainForm::bProcBClicked()
{
    emit disableApply();
    if (!ui->bProcB->isChecked())
        ui->bProcB->setChecked(true);
    ui->bProcA->setChecked(false);
    device.setCurrentProcess(PortB);
    ui->bPTP->setEnabled(false);
    ui->bSync->setEnabled(false);
}

void MainForm::reportLoaded(port_t port, int test)
{
    if (test == TestOptical) {
        QMessageBox::critical(this, tr("Error"), tr("This file cannot be loaded."), QMessageBox::Ok);
        return;
    }
    if (port != PortA)
        ui->bProcB->click();
    else
        ui->bProcA->click();

    // A test id without a selector button (interface settings, loopback, or
    // anything the tester sends beyond the table) selects the port only.
    if (test < 0 || test >= SelectorTestIds) {
        device.setCurrentProcess(port);
        return;
    }
    // One selector button checked at a time, whatever was checked before.
    uncheckTestButtons();
    buttonsByTest.at(test)->setChecked(true);
    device.setCurrentProcess(port);

    IRetranslatable *target = nullptr;
    switch (test) {
    case TestStatistics:
        if ((target = formList.at(FormStats))) {
            hideAllForms();
            QMetaObject::invokeMethod(target, "activate");
        }
        return;
    case TestTraffic:
    case TestAsymTraffic:
        // The tab form picks its page by the test id.
        target = formList.at(FormTestTab);
        if (target && target->metaObject()->indexOfMethod("activate(uint)") >= 0) {
            hideAllForms();
            QMetaObject::invokeMethod(target, "activate", Q_ARG(uint, uint(test)));
            return;
        }
        break;
    case TestPing:
    case TestTraceRoute:
    case TestDns:
    case TestIpScanner:
        if ((target = formList.at(FormTcpIp))) {
            hideAllForms();
            QMetaObject::invokeMethod(target, "activate", Q_ARG(int, test));
        }
        return;
    default:
        break;
    }
    // The first test form of this test; none: the form shown stays shown.
    for (IRetranslatable *form : qAsConst(formList)) {
        auto *testForm = qobject_cast<TestForm *>(form);
        if (testForm && testForm->getTestId() == test) {
            hideAllForms();
            testForm->activate();
            return;
        }
    }
}

void MainForm::openReportFilesForm()
{
    uncheckTestButtons();
    hideAllForms();
    if (IRetranslatable *files = formList.at(FormFTransfer)) {
        QMetaObject::invokeMethod(files, "activate");
        QMetaObject::invokeMethod(files, "activateReportsTab");
    }
    ui->bFTransfer->setChecked(true);
}

void MainForm::fileSaveErrorMsg(uchar error)
{
    QString text = tr("Cannot save the file.") + QLatin1Char('\n');
    if (error == SaveErrorMemoryFull)
        text += tr("The memory is full.");
    else if (error == SaveErrorFileExists)
        text += tr("File already exists.");
    // Every refusal is reported, whatever its reason code.
    QMessageBox::critical(this, tr("Error"), text, QMessageBox::Ok);
}

void MainForm::startTestError(error_t error)
{
    QMessageBox box;
    box.setIcon(QMessageBox::Critical);
    box.setWindowTitle(tr("Test start error"));
    box.setText(device.startTestErrorText(error));
    box.exec();
}

// ---- FPGA register box ------------------------------------------------------

void MainForm::bReadClicked()
{
    emit readFpgaValue(ui->lAddress->text().trimmed().toUShort(nullptr, 16));
}

void MainForm::bWriteClicked()
{
    const uint address = ui->lAddress->text().trimmed().toUShort(nullptr, 16);
    const uint value = ui->lValue->text().trimmed().toUInt(nullptr, 16);
    emit writeFpgaValue(address, uchar(value & 0xFFu));
}

void MainForm::fpgaValueReaded(uchar value)
{
    ui->lValue->setText(QStringLiteral("%1").arg(uint(value), 2, 16, QLatin1Char('0')));
}

// ---- language and font ------------------------------------------------------

void MainForm::bEngClicked()
{
    QCoreApplication::removeTranslator(translatorDe);
    QCoreApplication::removeTranslator(qtTranslatorDe);
    QCoreApplication::removeTranslator(translatorRu);
    QCoreApplication::removeTranslator(qtTranslatorRu);
    retranslateAll();
}

void MainForm::bDeuClicked()
{
    QCoreApplication::removeTranslator(translatorRu);
    QCoreApplication::removeTranslator(qtTranslatorRu);
    QCoreApplication::installTranslator(qtTranslatorDe);
    QCoreApplication::installTranslator(translatorDe);
    retranslateAll();
}

void MainForm::bRusClicked()
{
    QCoreApplication::removeTranslator(translatorDe);
    QCoreApplication::removeTranslator(qtTranslatorDe);
    QCoreApplication::installTranslator(qtTranslatorRu);
    QCoreApplication::installTranslator(translatorRu);
    retranslateAll();
}

void MainForm::retranslateAll()
{
    updateWindowTitle();
    ui->retranslateUi(this);
    menu->retranslate();
    updateDeviceInfoText();
    for (IRetranslatable *form : qAsConst(formList))
        if (form)
            form->retranslate();
    updateDialog->retranslate();
    if (linkNotice && lastLinkFailure)
        linkNotice->setText(linkNoticeText(*lastLinkFailure));
    // The port panels in the new language now, from the status already held
    // (no request); the next poll would leave the old unit words until then.
    updateDeviceStatus();
    fitPanels();
}

void MainForm::fitPanels()
{
    QStringList processTexts;
    for (int bit = 0; bit < 32; ++bit)
        processTexts << portProcessLook(1u << bit, 0, 0, 4).text;
    QStringList linkTexts{QStringLiteral("NS")};
    for (quint8 speed = 0; speed < 3; ++speed) {
        for (quint8 duplex = 0; duplex < 2; ++duplex)
            linkTexts << portLinkLook(1, speed, duplex).text;
    }
    const QStringList lampTexts{QStringLiteral("Rx"), QStringLiteral("Tx")};
    const QString rates = portRatesText(0xFFFFFFFFu, 0xFFFFFFFFu);
    for (int port = 0; port < 2; ++port) {
        reserveWidthFor(port == 0 ? ui->lAtest : ui->lBtest, processTexts, PortCellWidth);
        reserveWidthFor(port == 0 ? ui->lArx : ui->lBrx, lampTexts, PortCellWidth);
        reserveWidthFor(port == 0 ? ui->lAtx : ui->lBtx, lampTexts, PortCellWidth);
        reserveWidthFor(port == 0 ? ui->lAlink : ui->lBlink, linkTexts, PortCellWidth);
        reserveWidthFor(port == 0 ? ui->lARxTxSpeed : ui->lBRxTxSpeed, {rates}, PortRatesWidth);
    }
    for (QLabel *info : {ui->lSerInfo, ui->lEthInfo})
        reserveLinesFor(info, DeviceInfoLines);
    ui->gDebug->setMaximumWidth(qMax(DebugBoxWidth, ui->gDebug->minimumSizeHint().width()));
    // The strip gives its spare width to its spacer (stretch factors), so
    // each group stands at its minimum width: never less than its cells
    // need. Its height is the designed one unless a group needs more.
    reserveRoomFor(ui->gSerial, QSize(ConnectionBoxWidth, 0));
    reserveRoomFor(ui->gEthernet, QSize(ConnectionBoxWidth, 0));
    reserveRoomFor(ui->gPortA, QSize(PortBoxWidth, 0));
    reserveRoomFor(ui->gPortB, QSize(PortBoxWidth, 0));
    int stripHeight = TopStripHeight;
    for (QGroupBox *box : {ui->gSerial, ui->gEthernet, ui->gPortA, ui->gPortB, ui->gDebug})
        stripHeight = qMax(stripHeight, box->minimumSizeHint().height());
    ui->widget->setMinimumHeight(stripHeight);
}

void MainForm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    refitAfterFontChange(this, event, [this] { fitPanels(); });
}

QString MainForm::fontStyleSheet(const QFont &f)
{
    QString sheet = QStringLiteral("font: ");
    if (f.weight() > QFont::Normal)
        sheet += QStringLiteral("bold ");
    if (f.style() != QFont::StyleNormal)
        sheet += QStringLiteral("italic ");
    sheet += QStringLiteral("%1pt ").arg(f.pointSize());
    sheet += QStringLiteral("\"%1\";").arg(f.family());
    return sheet;
}

void MainForm::change_font(QFont font)
{
    setStyleSheet(fontStyleSheet(font));
}
