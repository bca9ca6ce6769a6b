#include "updater.h"

#include "serialport.h"
#include "updatepackage.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QtEndian>

#include <cstring>

namespace {

// Draining stale input stops after this much, so a line that never falls
// silent cannot hold the worker forever.
constexpr int DrainMaxBytes = 64 * 1024;
constexpr int DrainMaxMs = 3000;

void putLe32(QByteArray &buf, int at, quint32 value)
{
    qToLittleEndian<quint32>(value, reinterpret_cast<uchar *>(buf.data()) + at);
}

} // namespace

Updater::Updater(QObject *parent)
    // The SerialPort creates its Qt port object only when it is opened, so
    // nothing thread-bound exists before the window moves us to the worker.
    : Updater(new SerialPort, parent)
{
}

Updater::Updater(IVyrStream *stream, QObject *parent)
    : QObject(parent)
    , m_rx(MaxShortReplySize, '\0')
{
    m_link.setStream(stream);
    registerMetaType();
}

Updater::~Updater()
{
    closeLink();
}

void Updater::registerMetaType()
{
    qRegisterMetaType<UpdaterState>("UpdaterState");
}

quint32 Updater::parseIpAddress(const QString &text)
{
    if (text.isEmpty())
        return 0;
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    quint32 value = 0;
    for (int i = 0; i < parts.size() && i < 4; ++i) {
        bool ok = false;
        const quint32 part = parts.at(i).toUShort(&ok, 10);
        if (ok)
            value += part << (24 - 8 * i);   // unsigned: wraps modulo 2^32
    }
    return value;
}

// --- link ----------------------------------------------------------------

void Updater::openLink(const QString &portName)
{
    m_link.open(portName);
    m_dirty = false;   // the port purges both directions when it opens
    m_open.store(m_link.isOpen(), std::memory_order_release);
}

void Updater::closeLink()
{
    m_link.close();
    m_open.store(false, std::memory_order_release);
}

void Updater::discardStaleInput()
{
    // A reply that came too late, a frame refused half-read or an answer to a
    // request that awaits none is still in the input; it must not be read as
    // the reply to the next request. The stream offers only blocking reads,
    // so read byte by byte until one read finds the line silent.
    IVyrStream *stream = m_link.stream();
    if (!stream || !stream->isOpen())
        return;
    if (auto *serial = dynamic_cast<SerialPort *>(stream)) {
        // Cheap and complete: drop everything, before every request.
        serial->discardInput();
        return;
    }
    // Other streams can only be drained by blocking reads, so only when
    // something may be left over.
    if (!m_dirty)
        return;
    QElapsedTimer timer;
    timer.start();
    char byte;
    int dropped = 0;
    while (dropped < DrainMaxBytes && timer.elapsed() < DrainMaxMs && stream->read(&byte, 1) == 1)
        ++dropped;
    if (dropped)
        qDebug() << "dropped" << dropped << "stale input bytes";
}

bool Updater::sendRequest(const QByteArray &payload)
{
    if (!m_link.isOpen())
        return false;
    // Start every request on a clean line: a duplicate or late OK must
    // never pass for the answer to this one.
    discardStaleInput();
    m_dirty = false;
    if (!m_link.sendPackage(payload.constData(), payload.size())) {
        m_dirty = true;
        return false;
    }
    return true;
}

PacketLink::Receive Updater::receiveFrame(int capacity, int &len)
{
    quint16 length = 0;
    len = -1;
    const PacketLink::Receive got = m_link.receiveFrame(m_rx.data(), capacity, &length);
    if (got != PacketLink::Receive::Frame) {
        // Silence, a broken frame or one too long to take: whatever of it is
        // left must be dropped before the next request.
        m_dirty = true;
        return got;
    }
    len = length;
    return got;
}

bool Updater::isOk(int len) const
{
    return len == 1 && quint8(m_rx.at(0)) == ReplyOk;
}

bool Updater::readOk()
{
    int len = 0;
    return receiveFrame(1, len) == PacketLink::Receive::Frame && isOk(len);
}

bool Updater::waitForOkMs(int time)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        int len = 0;
        const PacketLink::Receive got = receiveFrame(1, len);
        if (got == PacketLink::Receive::Frame && isOk(len))
            return true;
        if (got == PacketLink::Receive::Closed || timer.elapsed() >= time)
            return false;
    }
}

Updater::Ack Updater::awaitAck(int limitMs)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        int len = 0;
        switch (receiveFrame(1, len)) {
        case PacketLink::Receive::Frame:
            return isOk(len) ? Ack::Ok : Ack::Refused;
        case PacketLink::Receive::Closed:
            return Ack::Lost;
        case PacketLink::Receive::Silence:
            // Each try blocks for the stream's own read time-out, so this
            // loop waits rather than spins.
            if (timer.elapsed() >= limitMs)
                return Ack::Silent;
            break;
        case PacketLink::Receive::Truncated:
        case PacketLink::Receive::TooLong:
        case PacketLink::Receive::BadCrc:
            // Something other than an intact OK came: that is the answer.
            return Ack::Refused;
        }
    }
}

void Updater::noticeLinkLoss()
{
    if (m_open.load(std::memory_order_acquire) && !m_link.isOpen()) {
        qDebug() << "update link lost";
        closeLink();
        emit disconnected();
    }
}

void Updater::stepFailed(UpdaterState failed)
{
    emitState(failed);
    noticeLinkLoss();
}

void Updater::putText(QByteArray &request, int at, const QString &text)
{
    const QByteArray latin = text.toLatin1();
    std::memcpy(request.data() + at, latin.constData(), size_t(qMin(latin.size(), int(TextFieldSize))));
}

bool Updater::sendLogon(quint8 command)
{
    QByteArray request(LogonRequestSize, '\0');
    request[0] = char(command);
    putText(request, 1, m_logon);
    putText(request, 1 + TextFieldSize, m_password);
    return sendRequest(request);
}

// --- connection -----------------------------------------------------------

void Updater::failConnection()
{
    closeLink();
    emit connectionFailed();
}

void Updater::connect(QString portName, QString logon, QString passw, bool fromRcMode)
{
    connect(portName, logon, passw, fromRcMode, false);
}

void Updater::connect(QString portName, QString logon, QString passw, bool fromRcMode, bool waitForOK)
{
    m_logon = logon;
    m_password = passw;

    openLink(portName);
    if (!m_link.isOpen())
        return failConnection();

    if (waitForOK && !waitForOkMs(AfterResetOkMs))
        return failConnection();

    if (fromRcMode) {
        // A tester in its normal firmware restarts into the update firmware,
        // which then reports with an OK. Either may be missing (the normal
        // firmware does not acknowledge, and the update firmware's OK may be
        // read as the restart's answer or after it); the logon below tells.
        // So the restart reports only that it began: its acknowledgement, or
        // the lack of one, is no outcome of its own. A line found gone is
        // still closed and disconnected() emitted.
        emitState(UpdaterState::Resetting);
        if (sendReset(true))
            awaitAck(0);
        noticeLinkLoss();
        waitForOkMs(AfterResetOkMs);
    }

    if (!sendLogon(CmdLogon))
        return failConnection();
    int len = 0;
    if (receiveFrame(MaxShortReplySize, len) != PacketLink::Receive::Frame)
        return failConnection();
    if (len == 1) {
        if (quint8(m_rx.at(0)) == ReplyLogonRefused)
            return failConnection();
    } else {
        if (len > 0 && quint8(m_rx.at(0)) == ReplyNormalFirmware)
            emit notInUpdateMode();
        return failConnection();
    }

    if (!sendRequest(QByteArray(1, char(CmdIdentify))))
        return failConnection();
    if (receiveFrame(MaxShortReplySize, len) != PacketLink::Receive::Frame)
        return failConnection();
    if (len != IdentifyReplySize) {
        if (len > 0 && quint8(m_rx.at(0)) == ReplyNormalFirmware)
            emit notInUpdateMode();
        return failConnection();
    }

    const char *reply = m_rx.constData();
    m_deviceType = quint8(reply[0]);
    m_releaseName = QString::fromLatin1(reply + 1, int(qstrnlen(reply + 1, ReleaseNameSize)));
    m_deviceSerial = qFromLittleEndian<quint16>(reinterpret_cast<const uchar *>(reply) + 1 + ReleaseNameSize);
    emit connected(m_deviceType, m_releaseName, m_deviceSerial);
}

void Updater::disconnect()
{
    if (m_link.isOpen())
        closeLink();
    emit disconnected();
}

void Updater::getPortsNames()
{
    emit portsNamesReceived(SerialPort::availablePorts());
}

// --- transfers -------------------------------------------------------------

bool Updater::writeBlocks(const QByteArray &image, const BlockKind &kind)
{
    const qint64 n = image.size();
    QByteArray request(RequestSize, char(ImagePadByte));
    request[0] = char(kind.command);
    for (qint64 offset = 0; offset < n; offset += BlockSize) {
        const int take = int(qMin<qint64>(BlockSize, n - offset));
        std::memcpy(request.data() + 5, image.constData() + offset, size_t(take));
        if (take < BlockSize)
            std::memset(request.data() + 5 + take, ImagePadByte, size_t(BlockSize - take));
        putLe32(request, 1, quint32(offset));
        if (!sendRequest(request) || awaitAck(offset == 0 ? kind.firstOkMs : kind.laterOkMs) != Ack::Ok) {
            stepFailed(kind.failed);
            return false;
        }
        emit(this->*kind.progress)(float(qMin<qint64>(offset + BlockSize, n)) / float(n));
    }
    emitState(kind.done);
    return true;
}

bool Updater::updateCPU(QByteArray data)
{
    emitState(UpdaterState::CpuUpdating);
    return writeBlocks(data, {CmdCpuBlock, UpdaterState::CpuUpdated, UpdaterState::CpuUpdateFailed,
                              FirstCpuBlockOkMs, CpuBlockOkMs, &Updater::cpuUpdateProgress});
}

bool Updater::updateFPGA(QByteArray data)
{
    emitState(UpdaterState::FpgaErasing);
    if (!sendRequest(QByteArray(1, char(CmdFpgaErase))) || awaitAck(FpgaEraseOkMs) != Ack::Ok) {
        stepFailed(UpdaterState::FpgaEraseFailed);
        return false;
    }
    emitState(UpdaterState::FpgaErased);
    emitState(UpdaterState::FpgaUpdating);
    return writeBlocks(data, {CmdFpgaBlock, UpdaterState::FpgaUpdated, UpdaterState::FpgaUpdateFailed,
                              FpgaBlockOkMs, FpgaBlockOkMs, &Updater::fpgaUpdateProgress});
}

bool Updater::updateGPS(QByteArray data)
{
    emitState(UpdaterState::GpsUpdating);
    return writeBlocks(data, {CmdGpsBlock, UpdaterState::GpsUpdated, UpdaterState::GpsUpdateFailed,
                              GpsBlockOkMs, GpsBlockOkMs, &Updater::gpsUpdateProgress});
}

bool Updater::updateFS(QByteArray data)
{
    emitState(UpdaterState::FsUpdating);
    const qint64 n = data.size();
    QByteArray request(RequestSize, char(ImagePadByte));
    request[0] = char(CmdFsSlice);
    for (qint64 sent = 0; sent < n;) {
        const int take = int(qMin<qint64>(SliceSize, n - sent));
        std::memcpy(request.data() + 1, data.constData() + sent, size_t(take));
        if (take < SliceSize)
            std::memset(request.data() + 1 + take, ImagePadByte, size_t(SliceSize - take));
        if (!sendRequest(request) || awaitAck(FsSliceOkMs) != Ack::Ok) {
            stepFailed(UpdaterState::FsUpdateFailed);
            return false;
        }
        sent += take;
        emit fsUpdateProgress(float(sent) / float(n));
    }
    emitState(UpdaterState::FsUpdated);
    return true;
}

bool Updater::sendReset(bool toUpdate)
{
    QByteArray request(2, '\0');
    request[0] = char(CmdReset);
    request[1] = char(toUpdate ? ResetToUpdate : ResetToNormal);
    return sendRequest(request);
}

bool Updater::reset(bool toUpdate)
{
    emitState(UpdaterState::Resetting);
    // One receive try: the limit 0 ends the wait after the first silence.
    if (!sendReset(toUpdate) || awaitAck(0) != Ack::Ok) {
        stepFailed(UpdaterState::ResetFailed);
        return false;
    }
    emitState(UpdaterState::ResetDone);
    if (!toUpdate) {
        closeLink();
        emit disconnected();
    }
    return true;
}

bool Updater::fullUpdate(QByteArray data)
{
    // Every size is checked against the file before anything is sent, so a
    // cut-off package never leaves the tester half written.
    UpdatePackage package;
    if (UpdatePackage::parse(data, package, true) != UpdatePackage::Error::None) {
        emitState(UpdaterState::WrongFileFormat);
        return false;
    }
    data = QByteArray();   // the images are copies; drop the file early

    if (package.deviceType != m_deviceType) {
        emitState(UpdaterState::InvalidDeviceType);
        return false;
    }
    if (!updateCPU(package.cpu))
        return false;
    if (!reset(true))
        return false;
    if (!waitForOkMs(AfterResetOkMs)) {
        stepFailed(UpdaterState::WaitAfterResetFailed);
        return false;
    }
    if (!updateFPGA(package.fpga))
        return false;
    if (!updateFS(package.fs))
        return false;
    if (package.writeGps())
        updateGPS(package.gps);   // a GPS module failure does not stop the update
    if (!reset(false))
        return false;
    emitState(UpdaterState::FullUpdateFinished);
    return true;
}

// --- settings ---------------------------------------------------------------

bool Updater::logonUpdate(QString logon, QString passw)
{
    QByteArray request(LogonRequestSize, '\0');
    request[0] = char(CmdLogonChange);
    putText(request, 1, logon);
    putText(request, 1 + TextFieldSize, passw);
    const bool sent = sendRequest(request);
    // No reply is awaited; should the tester answer anyway, that answer must
    // not meet the next request.
    m_dirty = true;
    if (!sent)
        noticeLinkLoss();
    return sent;
}

bool Updater::IPsetUpdate(bool dhcp, QString ip, QString mask, QString gateway)
{
    if (m_logIpSettings)
        qDebug().noquote() << QStringLiteral("updater got IP settings update %1,  %2,  %3,  %4")
                                  .arg(dhcp ? QStringLiteral("true") : QStringLiteral("false"), ip, mask, gateway);
    QByteArray request(IpRequestSize, '\0');
    request[0] = char(CmdIpSettings);
    request[1] = char(dhcp ? 1 : 0);
    putLe32(request, 2, parseIpAddress(ip));
    putLe32(request, 6, parseIpAddress(mask));
    putLe32(request, 10, parseIpAddress(gateway));
    const bool sent = sendRequest(request);
    m_dirty = true;
    emit ipSettingsSent(sent);
    if (!sent)
        noticeLinkLoss();
    return sent;
}
