#include "device.h"

#include "deviceidentity.h"
#include "devicetexts.h"
#include "interfaceinfo.h"
#include "testinfo.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDebug>
#include <QMutexLocker>
#include <QRect>
#include <QSet>
#include <QThread>

#include <cstring>

namespace {
// Models whose clock is set to the PC's local time on every connect.
constexpr uint8_t DeviceTypeVyrBK = 3;
constexpr uint8_t DeviceTypeBR2410 = 5;

// Test ids whose process bit stands for a test with results to poll.
constexpr unsigned FirstPolledTest = TestTraffic;
constexpr unsigned LastPolledTest = TestBert;

// The whole screen of the tester, corners inclusive.
const QRect WholeScreen(QPoint(0, 0), QPoint(Device::ScreenWidth - 1, Device::ScreenHeight - 1));

// Settings block 0 of port 0 holds the device settings.
constexpr port_t DeviceSettingsPort = PortA;
constexpr uchar DeviceSettingsId = TestDeviceSettings;
} // namespace

Device::Device(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<get_device_info_resp_t>("get_device_info_resp_t");
    qRegisterMetaType<get_device_status_resp_t>("get_device_status_resp_t");
    qRegisterMetaType<port_t>("port_t");
    qRegisterMetaType<error_t>("error_t");
    qRegisterMetaType<eth_settings_t>("eth_settings_t");
    qRegisterMetaType<device_time_t>("device_time_t");
    qRegisterMetaType<device_time_t>("time_t");
    qRegisterMetaType<PDFCreator::Outcome>();
    qRegisterMetaType<LinkFailure>("LinkFailure");

    std::memset(&m_deviceInfo, 0, sizeof m_deviceInfo);
    std::memset(&m_status, 0, sizeof m_status);
    std::memset(&m_prevStatus, 0, sizeof m_prevStatus);
    std::memset(&m_deviceSettings, 0, sizeof m_deviceSettings);

    m_pollTimer.setInterval(PollIntervalMs);
    m_pollTimer.setSingleShot(false);

    auto make = [this](unsigned id) {
        return new TestInfo(&m_remote, testSettingsSize(id), testResultsSize(id), int(id), this);
    };
    // Poll order of the test records.
    m_statsInfo = make(TestStatistics);
    m_multiInfo = make(TestMultistream);
    m_jitterInfo = make(TestJitter);
    m_bertInfo = make(TestBert);
    m_oamInfo = make(TestOam);
    m_rfcInfo = make(TestRfc2544);
    m_pingInfo = make(TestPing);
    m_traceInfo = make(TestTraceRoute);
    m_dnsInfo = make(TestDns);
    m_ipScannerInfo = make(TestIpScanner);
    m_trafficInfo = make(TestTraffic);
    m_lbInfo = make(TestLoopback);
    m_optTestInfo = make(TestOptical);
    m_cableInfo = make(TestCable);
    m_ptpInfo = make(TestPtp);
    m_mdiInfo = make(TestMdi);
    m_asymTrafficInfo = make(TestAsymTraffic);
    m_y1564Info = make(TestY1564);
    m_scaleAdjInfo = make(TestSync);
    m_testInfos = {m_statsInfo, m_multiInfo,  m_jitterInfo, m_bertInfo,      m_oamInfo,
                   m_rfcInfo,   m_pingInfo,   m_traceInfo,  m_dnsInfo,       m_ipScannerInfo,
                   m_trafficInfo, m_lbInfo,   m_optTestInfo, m_cableInfo,    m_ptpInfo,
                   m_mdiInfo,   m_asymTrafficInfo, m_y1564Info, m_scaleAdjInfo};
    Q_ASSERT(m_testInfos.size() == TestInfoCount);

    for (int port = 0; port < InterfaceCount; ++port)
        m_interfaceInfo[port] = new InterfaceInfo(&m_remote, port, this);

    m_screenshot = QImage(m_screenSize, QImage::Format_RGB888);
    m_screenshot.fill(Qt::black);

    // RemoteControl emits in the worker thread, where Device lives: direct.
    connect(&m_remote, &RemoteControl::disconnected, this, &Device::remoteDisconnected);
    connect(&m_remote, &RemoteControl::vyrupInfo, this, &Device::vyrupInfo);
    // The timer stays in the constructing thread: ticks cross to the worker
    // queued, and start/stop cross back queued.
    connect(&m_pollTimer, &QTimer::timeout, this, &Device::updateDeviceStatus);
    connect(this, &Device::connected, &m_pollTimer, [this] { m_pollTimer.start(); });
    connect(this, &Device::disconnected, &m_pollTimer, [this] { m_pollTimer.stop(); });
    connect(this, &Device::disconnected, this, &Device::clear);
}

Device::~Device()
{
    // RemoteControl goes last of the members; it must not call back into a
    // half-destroyed Device while it closes its link.
    QObject::disconnect(&m_remote, nullptr, this, nullptr);
}

// --- Getters (GUI thread) ---

port_t Device::getCurrentProcess() const
{
    return m_currentPort.load();
}

void Device::setCurrentProcess(port_t port)
{
    if (m_currentPort.exchange(port) != port)
        emit currentprocessChanged(port);
}

get_device_info_resp_t Device::getDeviceInfo() const
{
    QMutexLocker lock(&m_lock);
    return m_deviceInfo;
}

get_device_status_resp_t Device::getDeviceStatus() const
{
    QMutexLocker lock(&m_lock);
    return m_status;
}

device_settings_t Device::getDeviceSettings() const
{
    QMutexLocker lock(&m_lock);
    return m_deviceSettings;
}

RemoteControl::ConnectionType Device::getConnectionType() const
{
    return RemoteControl::ConnectionType(m_connectionType.load());
}

int Device::getPortsCount() const
{
    return devicePortCount(getDeviceInfo().deviceType);
}

bool Device::processBit(const get_device_status_resp_t &status, port_t port, uchar testId)
{
    if (testId < FirstPolledTest || testId > LastPolledTest || port > PortB)
        return false;
    return (status.process[port].tx >> testId) & 1u;
}

bool Device::testInProcess(port_t port, uchar testId) const
{
    QMutexLocker lock(&m_lock);
    return processBit(m_status, port, testId);
}

bool Device::testInProcessPrev(port_t port, uchar testId) const
{
    QMutexLocker lock(&m_lock);
    return processBit(m_prevStatus, port, testId);
}

bool Device::anyTestInProcess() const
{
    QMutexLocker lock(&m_lock);
    bool busy = m_status.process[PortA].tx != 0 || m_status.process[PortA].rx != 0;
    if (devicePortCount(m_deviceInfo.deviceType) > 1)
        busy = busy || m_status.process[PortB].tx != 0 || m_status.process[PortB].rx != 0;
    return busy;
}

InterfaceInfo *Device::getInterfaceInfo(int port) const
{
    return port >= 0 && port < InterfaceCount ? m_interfaceInfo[port] : nullptr;
}

QImage Device::getScreenshot() const
{
    QMutexLocker lock(&m_lock);
    return m_screenshot.copy();
}

QStringList Device::getSettingsFilesNames() const
{
    return getSettingsFilesListing().names;
}

QStringList Device::getReportsFilesNames() const
{
    return getReportsFilesListing().names;
}

FileListing Device::getSettingsFilesListing() const
{
    QMutexLocker lock(&m_lock);
    return m_settingsFiles;
}

FileListing Device::getReportsFilesListing() const
{
    QMutexLocker lock(&m_lock);
    return m_reportsFiles;
}

QString Device::testStatusText(unsigned status)
{
    return ::testStatusText(status);
}

QString Device::startTestErrorText(const error_t &error) const
{
    std::optional<eth_settings_t> portSettings;
    if (InterfaceInfo *info = getInterfaceInfo(error.portIndex()))
        portSettings = info->getSettings();
    return ::startTestErrorText(error, portSettings ? &*portSettings : nullptr);
}

TestInfo *Device::findTestInfo(unsigned testId) const
{
    for (TestInfo *info : qAsConst(m_testInfos)) {
        if (info->getTestId() == testId)
            return info;
    }
    return nullptr;
}

// --- Connection (worker thread) ---

void Device::publishConnectionType()
{
    m_connectionType.store(m_remote.getConnectionType());
}

void Device::connectBySerial(QString portName)
{
    beginConnect(portName, RemoteControl::SerialConnection);
    finishConnect(m_remote.connectBySerial(portName));
}

void Device::connectByTcpIp(QString portName)
{
    beginConnect(portName, RemoteControl::TcpIpConnection);
    quint32 address = 0;
    quint16 port = 0;
    const TCPStream::TargetFault fault = TCPStream::parseTarget(portName, address, port);
    if (fault != TCPStream::TargetFault::None) {
        // Nothing is tried: a text that is no address would otherwise reach
        // this PC or another port than the one typed.
        failConnect(LinkFailure::BadAddress, fault);
        return;
    }
    finishConnect(m_remote.connectByTcpIp(portName));
}

void Device::beginConnect(const QString &target, RemoteControl::ConnectionType type)
{
    m_settingsRead = false;
    m_statusPolled = false;
    m_target = target;
    m_targetType = type;
    m_linkPhase = LinkPhase::Connecting;
}

void Device::finishConnect(bool opened)
{
    publishConnectionType();
    if (!opened) {
        failConnect(LinkFailure::NotOpened);
        return;
    }
    // A device information request that fails ends in remoteDisconnected,
    // which tells the connect's failure.
    if (updateDeviceInfo())
        onConnectSteps();
}

void Device::failConnect(LinkFailure::Kind kind, TCPStream::TargetFault fault)
{
    m_connectionType.store(RemoteControl::NoConnection);
    m_linkPhase = LinkPhase::Down;
    emit disconnected();
    reportLinkFailure(kind, fault);
}

void Device::reportLinkFailure(LinkFailure::Kind kind, TCPStream::TargetFault fault)
{
    LinkFailure failure;
    failure.kind = kind;
    failure.addressFault = fault;
    failure.target = m_target;
    failure.connectionType = m_targetType;
    failure.at = QDateTime::currentDateTime();
    if (kind == LinkFailure::Lost) {
        QMutexLocker lock(&m_lock);
        // A status of an earlier link says nothing about this one.
        failure.statusKnown = m_statusPolled;
        if (m_statusPolled)
            failure.lastStatus = m_status;
        failure.ports = devicePortCount(m_deviceInfo.deviceType);
    }
    qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "link failure" << int(kind) << m_target;
    emit linkFailed(failure);
}

void Device::onConnectSteps()
{
    m_linkPhase = LinkPhase::Up;
    emit connected();
    updateDeviceStatus();
    for (InterfaceInfo *info : m_interfaceInfo) {
        if (getConnectionType() == RemoteControl::NoConnection)
            return;   // the link went down meanwhile; Device::disconnected is out
        info->receiveSettings();
    }
    if (getConnectionType() == RemoteControl::NoConnection)
        return;   // lost on the last interface read: no request on a closed link
    const uint8_t type = getDeviceInfo().deviceType;
    if (type == DeviceTypeVyrBK || type == DeviceTypeBR2410)
        setTesterClock();
}

void Device::setTesterClock()
{
    // The tester's clock holds local wall-clock time: seconds since the
    // epoch plus the local offset from UTC.
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 local = now.toSecsSinceEpoch() + now.offsetFromUtc();
    m_remote.setClock(device_time_t(local));
}

void Device::disconnect()
{
    // The operator's own ending: no failure to tell.
    m_disconnectAnnounced.store(false);
    m_linkPhase = LinkPhase::Down;
    m_remote.disconnect();
}

void Device::reconnectSequence()
{
    // The caller has set LinkPhase::Restarting: the disconnect that starts
    // the reconnect is no failure.
    const bool ok = m_remote.reconnect(ReconnectTimeoutMs);
    publishConnectionType();
    if (!ok) {
        m_linkPhase = LinkPhase::Down;
        reportLinkFailure(LinkFailure::Lost);
        return;
    }
    m_linkPhase = LinkPhase::Up;
    m_statusPolled = false;
    // The settings-read flag stays as it is: a reset does not read the
    // device settings again.
    if (updateDeviceInfo())
        onConnectSteps();
}

void Device::resetAndConnect()
{
    m_linkPhase = LinkPhase::Restarting;
    m_remote.reset(false);
    reconnectSequence();
}

void Device::resetNew()
{
    m_linkPhase = LinkPhase::Restarting;
    m_remote.resetNew(false);
    reconnectSequence();
}

void Device::loadDefaultConfig()
{
    m_linkPhase = LinkPhase::Restarting;
    const bool ok = m_remote.loadDefaultConfig();
    publishConnectionType();
    if (!ok) {
        m_connectionType.store(RemoteControl::NoConnection);
        m_linkPhase = LinkPhase::Down;
        emit disconnected();
        reportLinkFailure(LinkFailure::Lost);
        return;
    }
    m_linkPhase = LinkPhase::Up;
    m_statusPolled = false;
    if (updateDeviceInfo())
        onConnectSteps();
}

bool Device::updateDeviceInfo()
{
    get_device_info_resp_t info;
    std::memset(&info, 0, sizeof info);
    if (!m_remote.getDeviceInfo(info))
        return false;
    {
        QMutexLocker lock(&m_lock);
        m_deviceInfo = info;
    }
    emit deviceInfoUpdated();
    return true;
}

void Device::updateDeviceStatus()
{
    // Ticks that were queued before the timer stopped find the link closed;
    // a request then would only report the same loss again.
    if (getConnectionType() == RemoteControl::NoConnection)
        return;
    // Ticks that waited behind a long request go unasked when the operator's
    // Disconnect waits there too.
    if (m_disconnectAnnounced.load())
        return;

    get_device_status_resp_t status;
    std::memset(&status, 0, sizeof status);
    if (!m_remote.getDeviceStatus(status))
        return;
    get_device_status_resp_t previous;
    {
        QMutexLocker lock(&m_lock);
        m_status = status;
        previous = m_prevStatus;
    }
    m_statusPolled = true;
    emit deviceStatusUpdated();

    const port_t port = m_currentPort.load();
    for (TestInfo *info : qAsConst(m_testInfos)) {
        const uchar id = info->getTestId();
        if (processBit(status, port, id) || processBit(previous, port, id)) {
            info->receiveResults(port);
            if (getConnectionType() == RemoteControl::NoConnection)
                return;   // the link went down: this poll ends here
        }
    }

    if (!m_settingsRead) {
        device_settings_t settings;
        std::memset(&settings, 0, sizeof settings);
        if (m_remote.getDeviceSettings(settings)) {
            {
                QMutexLocker lock(&m_lock);
                m_deviceSettings = settings;
            }
            m_settingsRead = true;
            emit deviceSettingsReceived();
        }
    }

    QMutexLocker lock(&m_lock);
    m_prevStatus = status;
}

void Device::receiveDeviceSetting()
{
    device_settings_t settings;
    {
        QMutexLocker lock(&m_lock);
        settings = m_deviceSettings;
    }
    if (m_remote.getDeviceSettings(settings)) {
        QMutexLocker lock(&m_lock);
        m_deviceSettings = settings;
    }
    emit deviceSettingsReceived();
}

void Device::sendDeviceSettings()
{
    device_settings_t settings = getDeviceSettings();
    m_remote.setSettings(DeviceSettingsPort, DeviceSettingsId, &settings, int(sizeof settings));
}

void Device::remoteDisconnected()
{
    m_connectionType.store(RemoteControl::NoConnection);
    // A request on a link already closed reports the same loss again: only
    // the first report after the link was up (or being made) is a failure.
    const LinkPhase phase = m_linkPhase;
    if (phase != LinkPhase::Restarting)
        m_linkPhase = LinkPhase::Down;
    emit disconnected();
    if (phase == LinkPhase::Up)
        reportLinkFailure(LinkFailure::Lost);
    else if (phase == LinkPhase::Connecting)
        reportLinkFailure(LinkFailure::NoAnswer);
}

void Device::clear()
{
    for (TestInfo *info : qAsConst(m_testInfos))
        info->clear();
    for (InterfaceInfo *info : m_interfaceInfo)
        info->clear();
}

// --- Tests and ports ---

error_t Device::startTest(uchar test, uchar topology)
{
    error_t error;
    std::memset(&error, 0, sizeof error);
    const port_t port = m_currentPort.load();
    m_remote.setTopology(port, topology);
    if (getConnectionType() == RemoteControl::NoConnection)
        return error;   // the link went down with the topology request
    m_remote.setTest(true, port, test, error);
    if (error.type != StartErrorNone)
        emit startTestError(error);
    updateDeviceStatus();
    return error;
}

void Device::stopTest(uchar test)
{
    error_t error;
    std::memset(&error, 0, sizeof error);
    m_remote.setTest(false, m_currentPort.load(), test, error);
}

void Device::setTopology(uchar topology)
{
    m_remote.setTopology(m_currentPort.load(), topology);
}

void Device::setThruMode(bool on)
{
    m_remote.setTopology(m_currentPort.load(),
                         on ? TopologyPassThroughOn : TopologyPassThroughOff);
}

void Device::resetStatistics()
{
    m_remote.resetStatistics();
}

// --- Configuration and report files ---

FileListEnd Device::receiveFilesNames(int file_type, QStringList &list)
{
    // The tester ends its list with a reply whose "more" flag is clear. A
    // tester that never does (or repeats itself) must not hold the worker:
    // the list ends at a name already listed, after MaxListedFiles names or
    // MaxListingMs, when the operator has asked for a disconnect (it waits
    // in the queue behind this list), or when the worker thread is asked to
    // stop (the program is closing).
    const QDeadlineTimer deadline(m_listingLimitMs.load());
    QSet<QString> seen;
    for (const QString &name : qAsConst(list))
        seen.insert(name);
    bool first = true;
    int listed = 0;
    for (;;) {
        if (QThread::currentThread()->isInterruptionRequested()) {
            qDebug() << "file list: stopped after" << listed << "names, the program is closing";
            return FileListEnd::Closing;
        }
        if (m_disconnectAnnounced.load()) {
            qDebug() << "file list: stopped after" << listed << "names for a disconnect";
            return FileListEnd::Disconnect;
        }
        QString name;
        bool notLast = false;
        if (!m_remote.getFile(first, name, file_type, notLast)) {
            // A failed request that closed the link got no answer (or lost
            // the link); one that left it up got a reply it could not read.
            const bool lost = m_remote.getConnectionType() == RemoteControl::NoConnection;
            qDebug() << "file list: a request failed after" << listed << "names"
                     << (lost ? "and the link is closed" : "on a reply that could not be read");
            return lost ? FileListEnd::LinkLost : FileListEnd::BadReply;
        }
        first = false;
        if (!notLast)
            return FileListEnd::Complete;   // the closing reply carries no name
        if (seen.contains(name)) {
            qDebug() << "file list: the tester repeats" << name << "after" << listed << "names; list ended";
            return FileListEnd::Repeated;
        }
        seen.insert(name);
        list.append(name);
        if (++listed >= MaxListedFiles) {
            qDebug() << "file list: ended after" << listed << "names, the most a tester holds";
            return FileListEnd::TooMany;
        }
        if (deadline.hasExpired()) {
            qDebug() << "file list: ended after" << listed << "names and" << m_listingLimitMs.load() << "ms";
            return FileListEnd::TimeLimit;
        }
    }
}

void Device::listFiles(int fileType, FileListing Device::*listing)
{
    {
        QMutexLocker lock(&m_lock);
        this->*listing = FileListing{};
    }
    FileListing read;
    read.end = receiveFilesNames(fileType, read.names);
    QMutexLocker lock(&m_lock);
    this->*listing = read;
}

void Device::receiveSettingsFilesNames()
{
    listFiles(int(FileTypeConfig), &Device::m_settingsFiles);
    emit settingsFilesNamesReceived();
}

void Device::receiveReportsFilesNames()
{
    listFiles(int(FileTypeReport), &Device::m_reportsFiles);
    emit reportsFilesNamesReceived();
}

void Device::saveConfigToFile(QString fileName)
{
    unsigned char error = 0;
    if (!m_remote.saveConfig(fileName, error))
        return;
    if (error != 0)
        emit fileSaveError(error);
    else
        emit configSaved();
}

void Device::loadConfigFromFile(QString fileName)
{
    unsigned char error = 0;
    m_remote.loadConfig(fileName, error);
    clear();
}

void Device::saveReportToFile(port_t port, uchar test, QString fileName)
{
    unsigned char error = 0;
    if (!m_remote.saveReport(port, test, fileName, error))
        return;
    if (error != 0)
        emit fileSaveError(error);
    else
        emit reportSaved();
}

void Device::loadReportFromFile(QString fileName)
{
    load_report_resp_t reply;
    std::memset(&reply, 0, sizeof reply);
    if (!m_remote.loadReport(fileName, reply) || reply.result != 0)
        return;
    // Only Port A and Port B hold test records; a report naming another
    // port cannot be shown.
    if (reply.port > PortB) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "report names port" << reply.port;
        return;
    }
    TestInfo *info = findTestInfo(reply.test);
    if (!info)
        return;
    info->clear();
    emit reportLoaded(port_t(reply.port), int(reply.test));
}

void Device::deleteFile(QString fileName)
{
    unsigned char error = 0;
    m_remote.deleteFile(fileName, error);
}

void Device::deleteAllConfigFiles()
{
    m_remote.deleteFilesByType(FileTypeConfig);
}

void Device::deleteAllReportFiles()
{
    m_remote.deleteFilesByType(FileTypeReport);
}

void Device::getNewFileName(uint test)
{
    QString name;
    if (m_remote.getNewFileName(test, name))
        emit newFileNameReceived(name);
}

void Device::createPdfReport(QString reportFileName, QString pdfFileName)
{
    // A report that cannot be opened or read to its end is not rendered:
    // a PDF drawn from part of a file would show wrong values as a report.
    QByteArray report;
    unsigned char error = 0;
    PDFCreator::Outcome outcome = PDFCreator::Outcome::NotRead;
    if (m_remote.getFileData(reportFileName, report, error)) {
        const get_device_info_resp_t info = getDeviceInfo();
        outcome = m_pdfCreator.render(pdfFileName, report, &info);
    } else {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "report not read:" << reportFileName
                 << "error" << error;
    }
    emit pdfReportFinished(outcome);
    emit pdfReportCreated(PDFCreator::succeeded(outcome));
}

// --- Screen and FPGA registers ---

void Device::receeiveScreenshot()
{
    QImage image;
    const bool read = m_remote.getScreenshot(image, WholeScreen) && image.size() == m_screenSize;
    {
        QMutexLocker lock(&m_lock);
        // A read that broke off leaves no picture: the one held before is
        // not the screen that was asked for, and must not be shown or saved
        // as if it were.
        m_screenshot = read ? image : QImage();
    }
    emit screenshotReceived();
}

void Device::readFpgaValue(uint address)
{
    unsigned char value = 0;
    // A failed read has no register value: say nothing rather than a made-up 0.
    if (m_remote.getFpgaValue(address, value))
        emit fpgaValueReaded(value);
}

void Device::writeFpgaValue(uint address, uchar value)
{
    m_remote.setFpgaValue(address, value);
}

// --- Clock, synchronisation, watchdog, device settings ---

void Device::setClock(device_time_t time)
{
    m_remote.setClock(time);
}

void Device::sendSyncStatus(uchar status)
{
    qDebug().nospace() << "Send sync status, status is " << int(status);
    m_remote.setSyncStatus(status);
}

void Device::getSyncStatus()
{
    get_sync_status_resp_t sync;
    std::memset(&sync, 0, sizeof sync);
    if (m_remote.getSyncStatus(sync)) {
        qDebug() << "Get sync status";
        emit syncStatusUpdated(sync.status, sync.active, sync.correct);
    } else {
        qDebug() << "Can not get sync status";
    }
}

void Device::sendCheckDeviceSettings(uchar checking)
{
    device_settings_t settings;
    {
        QMutexLocker lock(&m_lock);
        m_deviceSettings.checking = checking;
        settings = m_deviceSettings;
    }
    qDebug().nospace() << "Send device settings, checking is " << int(checking);
    m_remote.setSettings(DeviceSettingsPort, DeviceSettingsId, &settings, int(sizeof settings));
}

void Device::sendWDtime(uint time)
{
    m_remote.setWDtime(time);
}

// --- Update package ---

void Device::writeVYRUP(QByteArray data)
{
    emit corrResult(m_remote.writeVYRUP(data));
}

void Device::vyrupInfo(QString text)
{
    emit vyrupInform(text);
}
