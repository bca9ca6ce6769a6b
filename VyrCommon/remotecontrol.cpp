#include "remotecontrol.h"

#include "serialport.h"
#include "tcpstream.h"
#include "updatepackage.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>
#include <QtEndian>

#include <cstring>

namespace {

// Request payloads are built field by field, little-endian.
class Request
{
public:
    explicit Request(quint8 command) { m_bytes.append(char(command)); }

    Request &u8(quint8 v)
    {
        m_bytes.append(char(v));
        return *this;
    }
    Request &u16(quint16 v)
    {
        char b[2];
        qToLittleEndian(v, b);
        m_bytes.append(b, 2);
        return *this;
    }
    Request &u32(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        m_bytes.append(b, 4);
        return *this;
    }
    Request &bytes(const void *data, int size)
    {
        m_bytes.append(static_cast<const char *>(data), size);
        return *this;
    }
    // name[21]: Latin-1, cut at an embedded NUL or after 21 characters,
    // NUL-padded to the full field.
    Request &fileName(const QString &name)
    {
        const QByteArray latin = name.toLatin1();
        int n = qMin(latin.size(), RemoteCommand::FileNameSize);
        const int nul = latin.indexOf('\0');
        if (nul >= 0 && nul < n)
            n = nul;
        m_bytes.append(latin.constData(), n);
        m_bytes.append(QByteArray(RemoteCommand::FileNameSize - n, '\0'));
        return *this;
    }

    const QByteArray &data() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

quint32 le32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

quint16 le16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

// A name field of a reply: up to its first NUL, never past the field.
int nameLength(const char *p, int field)
{
    const void *nul = memchr(p, 0, size_t(field));
    return nul ? int(static_cast<const char *>(nul) - p) : field;
}

quint32 roundUpToBlock(quint32 length)
{
    const quint64 block = RemoteCommand::UpdateBlockSize;
    return quint32((quint64(length) + block - 1) / block * block);
}

// 6-bit colour: two bits each of red (0-1), green (2-3), blue (4-5).
QRgb screenColour(quint8 c)
{
    static const int level[4] = {0, 85, 170, 255};
    return qRgb(level[c & 3], level[(c >> 2) & 3], level[(c >> 4) & 3]);
}

} // namespace

RemoteControl::RemoteControl(QObject *parent)
    : QObject(parent)
{
}

RemoteControl::~RemoteControl() = default;

// --- connection -----------------------------------------------------------

void RemoteControl::setStreamFactory(StreamFactory factory)
{
    m_streamFactory = std::move(factory);
}

IVyrStream *RemoteControl::makeStream(ConnectionType type) const
{
    if (m_streamFactory)
        return m_streamFactory(type);
    if (type == TcpIpConnection)
        return new TCPStream;
    return new SerialPort;
}

bool RemoteControl::connectBySerial(const QString &portName)
{
    m_portName = portName;
    m_link.setStream(makeStream(SerialConnection));
    if (!m_link.open(portName))
        return false;
    m_connectionType = SerialConnection;
    return true;
}

bool RemoteControl::connectByTcpIp(const QString &portName)
{
    m_portName = portName;
    m_link.setStream(makeStream(TcpIpConnection));
    if (!m_link.open(portName))
        return false;
    m_connectionType = TcpIpConnection;
    return true;
}

bool RemoteControl::connectTo(const QString &portName)
{
    static const QRegularExpression ipv4(
        QRegularExpression::anchoredPattern(QStringLiteral("\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}.*")));
    if (ipv4.match(portName).hasMatch())
        return connectByTcpIp(portName);
    return connectBySerial(portName);
}

void RemoteControl::dropConnection()
{
    m_connectionType = NoConnection;
    m_link.close();
    emit disconnected();
}

void RemoteControl::disconnect()
{
    dropConnection();
}

bool RemoteControl::reconnect(int timeoutMs)
{
    dropConnection();
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (connectTo(m_portName))
            return true;
        if (clock.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(ReconnectPauseMs);
    }
}

bool RemoteControl::reset(bool toUpdate)
{
    const QByteArray request = Request(RemoteCommand::Reset).u8(toUpdate ? 1 : 0).data();
    const bool sent = m_link.sendPackage(request.constData(), request.size());
    if (sent && toUpdate)
        dropConnection();
    return sent;
}

bool RemoteControl::resetNew(bool toUpdate)
{
    const QByteArray request = Request(RemoteCommand::ResetNew).u8(0).data();
    const bool sent = m_link.sendPackage(request.constData(), request.size());
    if (sent && toUpdate)
        dropConnection();
    return sent;
}

// --- request/reply --------------------------------------------------------

bool RemoteControl::sendReceiveBytes(const void *request, int requestLength, void *reply, int replySize,
                                     bool exactSize)
{
    return exchange(request, requestLength, reply, replySize, exactSize, nullptr);
}

bool RemoteControl::exchange(const void *request, int requestLength, void *reply, int replySize, bool exactSize,
                             int *receivedLength)
{
    // Frames are received into a scratch buffer so that a frame with a bad
    // CRC or a skipped length never reaches the caller's buffer.
    QByteArray scratch(qMax(replySize, 0), '\0');
    const int frameLength = requestLength & 0xFFFF;

    for (int attempt = 1; attempt <= Attempts; ++attempt) {
        // The attempt's deadline covers the send and the whole reply, so a
        // tester that trickles bytes cannot stretch one attempt.
        QElapsedTimer clock;
        clock.start();
        const QDeadlineTimer deadline(ReplyTimeoutMs, Qt::PreciseTimer);
        if (!m_link.sendPackage(request, frameLength)) {
            qDebug() << "sendPackage fail" << attempt;
            continue;
        }
        if (replySize <= 0)
            return true;

        while (!deadline.hasExpired()) {
            quint16 received = 0;
            const PacketLink::Receive got = m_link.receiveFrame(scratch.data(), replySize, &received, deadline);
            // A dead link fails every receive at once; do not spin on it.
            if (got == PacketLink::Receive::Closed)
                break;
            if (got != PacketLink::Receive::Frame)
                continue;
            if (exactSize && int(received) != replySize)
                continue;
            if (reply && received > 0)
                memcpy(reply, scratch.constData(), received);
            if (receivedLength)
                *receivedLength = received;
            return true;
        }
        qDebug() << "receivePackage fail" << attempt << "; Latency =" << clock.elapsed();
    }

    qDebug() << "sendReceive fail. Disconnect";
    dropConnection();
    return false;
}

bool RemoteControl::requestByte(const QByteArray &request, quint8 &reply)
{
    quint8 byte = 0;
    if (!sendReceiveBytes(request.constData(), request.size(), &byte, 1))
        return false;
    reply = byte;
    return true;
}

// --- commands ---------------------------------------------------------------

bool RemoteControl::getDeviceStatus(get_device_status_resp_t &status)
{
    const QByteArray request = Request(RemoteCommand::GetDeviceStatus).data();
    get_device_status_resp_t reply{};
    if (!sendReceiveBytes(request.constData(), request.size(), &reply, sizeof reply, true))
        return false;
    status = reply;
    return true;
}

bool RemoteControl::getFpgaValue(uint address, unsigned char &value)
{
    quint8 byte = 0;
    if (!requestByte(Request(RemoteCommand::GetFpgaValue).u32(address).data(), byte))
        return false;
    value = byte;
    return true;
}

bool RemoteControl::setFpgaValue(uint address, uchar value)
{
    quint8 ignored = 0;
    return requestByte(Request(RemoteCommand::SetFpgaValue).u32(address).u8(value).data(), ignored);
}

bool RemoteControl::openFileToRead(const QString &fileName, unsigned short &fileLength, unsigned char &error)
{
    const QByteArray request = Request(RemoteCommand::OpenFileToRead).fileName(fileName).data();
    char reply[OpenFileReplySize] = {};
    int received = 0;
    if (!exchange(request.constData(), request.size(), reply, sizeof reply, false, &received))
        return false;
    if (received < OpenFileReplySize) {
        // Without its length and error byte the reply opens nothing: taken
        // as "0 bytes, no error" it would pass for an empty file.
        qDebug() << "openFileToRead: reply of" << received << "bytes";
        return false;
    }
    fileLength = le16(reply);
    error = quint8(reply[2]);
    return true;
}

bool RemoteControl::readFile(QByteArray &buffer, ushort byteCount, unsigned char &error)
{
    const QByteArray request = Request(RemoteCommand::ReadFile).u16(byteCount).data();
    QByteArray reply(int(byteCount) + 1, '\0');
    int received = 0;
    if (!exchange(request.constData(), request.size(), reply.data(), reply.size(), false, &received))
        return false;
    if (received < 1) {
        // No error byte: nothing says the chunk was read.
        qDebug() << "readFile: empty reply";
        return false;
    }
    error = quint8(reply.at(0));
    if (received > 1)
        buffer.append(reply.constData() + 1, received - 1);
    return true;
}

bool RemoteControl::getFile(bool first, QString &fileName, int file_type, bool &notLast)
{
    const QByteArray request =
        Request(RemoteCommand::GetFile).u8(first ? 1 : 0).u32(quint32(file_type)).data();
    char reply[1 + RemoteCommand::FileNameSize] = {};
    int received = 0;
    if (!exchange(request.constData(), request.size(), reply, sizeof reply, false, &received))
        return false;
    if (received < 1) {
        qDebug() << "getFile: empty reply";
        return false;
    }
    const bool more = reply[0] != 0;
    const QString name = QString::fromLatin1(reply + 1, nameLength(reply + 1, RemoteCommand::FileNameSize));
    if (more && name.isEmpty()) {
        // A reply that names no file cannot be listed: taken as is it would
        // stand as an empty name among the files. The link stays up.
        qDebug() << "getFile: reply of" << received << "bytes names no file";
        return false;
    }
    notLast = more;
    fileName = name;
    return true;
}

bool RemoteControl::deleteFile(const QString &fileName, unsigned char &error)
{
    quint8 byte = 0;
    if (!requestByte(Request(RemoteCommand::DeleteFile).fileName(fileName).data(), byte))
        return false;
    error = byte;
    return true;
}

bool RemoteControl::setTest(bool start, port_t port, uchar test, error_t &error)
{
    const QByteArray request = Request(RemoteCommand::SetTest).u8(start ? 1 : 0).u32(port).u8(test).data();
    error_t reply{};
    if (!sendReceiveBytes(request.constData(), request.size(), &reply, sizeof reply))
        return false;
    error = reply;
    return true;
}

bool RemoteControl::setTopology(port_t port, uchar topology)
{
    quint8 ignored = 0;
    return requestByte(Request(RemoteCommand::SetTopology).u32(port).u8(topology).data(), ignored);
}

bool RemoteControl::resetStatistics()
{
    quint8 ignored = 0;
    return requestByte(Request(RemoteCommand::ResetStatistics).data(), ignored);
}

bool RemoteControl::saveConfig(const QString &fileName, unsigned char &error)
{
    quint8 byte = 0;
    if (!requestByte(Request(RemoteCommand::SaveConfig).fileName(fileName).data(), byte))
        return false;
    error = byte;
    return true;
}

bool RemoteControl::loadConfig(const QString &fileName, unsigned char &error)
{
    quint8 byte = 0;
    if (!requestByte(Request(RemoteCommand::LoadConfig).fileName(fileName).data(), byte))
        return false;
    error = byte;
    return true;
}

bool RemoteControl::deleteFilesByType(uint file_type)
{
    quint8 ignored = 0;
    return requestByte(Request(RemoteCommand::DeleteFilesByType).u32(file_type).data(), ignored);
}

bool RemoteControl::getDeviceInfo(get_device_info_resp_t &device_info)
{
    const QByteArray request = Request(RemoteCommand::GetDeviceInfo).data();
    get_device_info_resp_t reply{};
    if (!sendReceiveBytes(request.constData(), request.size(), &reply, sizeof reply, true))
        return false;
    device_info = reply;
    return true;
}

bool RemoteControl::keyPress(ukey_t key, unsigned char &resp_code)
{
    quint8 byte = 0;
    if (!requestByte(Request(RemoteCommand::KeyPress).u32(key).data(), byte))
        return false;
    resp_code = byte;
    return true;
}

bool RemoteControl::getSettings(port_t port, uchar id, void *settings, int settingsSize)
{
    if (settingsSize < 0 || (settingsSize > 0 && !settings))
        return false;
    const QByteArray request = Request(RemoteCommand::GetSettings).u32(port).u8(id).data();
    return sendReceiveBytes(request.constData(), request.size(), settings, settingsSize);
}

bool RemoteControl::setSettings(port_t port, uchar id, const void *settings, int settingsSize)
{
    if (settingsSize < 0 || (settingsSize > 0 && !settings))
        return false;
    quint8 ignored = 0;
    return requestByte(Request(RemoteCommand::SetSettings).u32(port).u8(id).bytes(settings, settingsSize).data(),
                       ignored);
}

bool RemoteControl::getDeviceSettings(device_settings_t &deviceSettings)
{
    return getSettings(0, TestDeviceSettings, &deviceSettings, sizeof deviceSettings);
}

bool RemoteControl::getResults(port_t port, uchar test, int param, void *results, int resultsSize,
                               unsigned char &error)
{
    if (resultsSize < 0 || (resultsSize > 0 && !results))
        return false;
    const QByteArray request =
        Request(RemoteCommand::GetResults).u32(port).u8(test).u32(quint32(param)).data();
    QByteArray reply(resultsSize + 1, '\0');
    if (!sendReceiveBytes(request.constData(), request.size(), reply.data(), reply.size()))
        return false;
    error = quint8(reply.at(0));
    if (error == RemoteCommand::ResultsValid && resultsSize > 0)
        memcpy(results, reply.constData() + 1, size_t(resultsSize));
    return true;
}

bool RemoteControl::loadDefaultSettings(port_t port, uchar id)
{
    quint8 ignored = 0;
    return requestByte(Request(RemoteCommand::LoadDefaultSettings).u32(port).u8(id).data(), ignored);
}

bool RemoteControl::saveReport(port_t port, uchar test, const QString &fileName, unsigned char &error)
{
    quint8 byte = 0;
    if (!requestByte(Request(RemoteCommand::SaveReport).u32(port).u8(test).fileName(fileName).data(), byte))
        return false;
    error = byte;
    return true;
}

bool RemoteControl::loadReport(const QString &fileName, load_report_resp_t &response)
{
    const QByteArray request = Request(RemoteCommand::LoadReport).fileName(fileName).data();
    load_report_resp_t reply{};
    if (!sendReceiveBytes(request.constData(), request.size(), &reply, sizeof reply))
        return false;
    response = reply;
    return true;
}

bool RemoteControl::loadDefaultConfig()
{
    const QByteArray request = Request(RemoteCommand::LoadDefaultConfig).data();
    if (!sendReceiveBytes(request.constData(), request.size(), nullptr, 0))
        return false;
    return reconnect(DefaultConfigReconnectMs);
}

bool RemoteControl::getMenuId(uint &id)
{
    const QByteArray request = Request(RemoteCommand::GetMenuId).data();
    char reply[4] = {};
    if (!sendReceiveBytes(request.constData(), request.size(), reply, sizeof reply))
        return false;
    id = le32(reply);
    return true;
}

bool RemoteControl::setClock(quint32 time)
{
    quint8 byte = 0;
    if (!requestByte(Request(RemoteCommand::SetClock).u32(time).data(), byte))
        return false;
    return byte == RemoteCommand::Accepted;
}

bool RemoteControl::getNewFileName(uint test, QString &fileName)
{
    const QByteArray request = Request(RemoteCommand::GetNewFileName).u8(quint8(test)).data();
    char reply[RemoteCommand::FileNameSize] = {};
    if (!sendReceiveBytes(request.constData(), request.size(), reply, sizeof reply)) {
        fileName.clear();
        return false;
    }
    fileName = QString::fromUtf8(reply, nameLength(reply, RemoteCommand::FileNameSize));
    return true;
}

bool RemoteControl::setSyncStatus(unsigned char status)
{
    quint8 ignored = 0;
    return requestByte(Request(RemoteCommand::SetSyncStatus).u8(status).data(), ignored);
}

bool RemoteControl::getSyncStatus(get_sync_status_resp_t &sync_status)
{
    const QByteArray request = Request(RemoteCommand::GetSyncStatus).data();
    get_sync_status_resp_t reply{};
    if (!sendReceiveBytes(request.constData(), request.size(), &reply, sizeof reply, true))
        return false;
    sync_status = reply;
    return true;
}

bool RemoteControl::setWDtime(uint time)
{
    quint8 ignored = 0;
    return requestByte(Request(RemoteCommand::SetWatchdogTime).u32(time).data(), ignored);
}

// --- waits ------------------------------------------------------------------

bool RemoteControl::waitForLink(port_t port, int timeoutMs)
{
    return waitForSpeed(port, -1, timeoutMs);
}

bool RemoteControl::waitForSpeed(port_t port, int speed, int timeoutMs)
{
    // speed -1: any speed (waitForLink).
    if (port > PortB)
        return false;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        get_device_status_resp_t status{};
        if (!getDeviceStatus(status))
            return false;
        const port_link_t &link = status.link[port];
        if (link.up != 0 && (speed < 0 || link.speed == speed))
            return true;
        QThread::msleep(StatusPollPauseMs);
    }
    return false;
}

bool RemoteControl::waitForTestFinished(port_t port, uchar testId)
{
    if (port > PortB)
        return false;
    const quint32 bit = 1u << (testId % 32);
    for (;;) {
        get_device_status_resp_t status{};
        if (!getDeviceStatus(status))
            return false;
        if ((status.process[port].tx & bit) == 0)
            return true;
    }
}

// --- bulk transfers ---------------------------------------------------------

bool RemoteControl::getScreenshot(QImage &result, QRect rect)
{
    const int width = qMax(0, rect.width());
    const int height = qMax(0, rect.height());
    QImage image(width, height, QImage::Format_RGB888);
    const qint64 total = qint64(width) * height;
    if (total == 0) {
        result = image;
        return true;
    }

    qint64 index = 0;
    int idleReplies = 0;
    while (index < total) {
        const QByteArray request = Request(RemoteCommand::GetScreenshot)
                                       .u32(quint32(index))
                                       .u32(quint32(rect.left()))
                                       .u32(quint32(rect.top()))
                                       .u32(quint32(width))
                                       .u32(quint32(height))
                                       .data();
        quint8 pairs[RemoteCommand::ScreenshotReplySize] = {};
        if (!sendReceiveBytes(request.constData(), request.size(), pairs, sizeof pairs))
            return false;

        const qint64 before = index;
        for (int i = 0; i < RemoteCommand::ScreenshotPairs; ++i) {
            const int run = pairs[2 * i];
            const QRgb colour = screenColour(pairs[2 * i + 1]);
            for (int k = 0; k < run; ++k, ++index) {
                const qint64 x = index % width;
                const qint64 y = index / width;
                if (y < height)
                    image.setPixel(int(x), int(y), colour);
            }
        }
        if (index == before) {
            if (++idleReplies >= MaxIdleScreenshotReplies) {
                qDebug() << "screenshot: no pixels in" << idleReplies << "replies";
                return false;
            }
        } else {
            idleReplies = 0;
        }
    }
    result = image;
    return true;
}

bool RemoteControl::getFileData(const QString &fileName, QByteArray &data, unsigned char &error)
{
    unsigned short length = 0;
    if (!openFileToRead(fileName, length, error) || error != 0)
        return false;

    int done = 0;
    do {
        const int chunk = done + FileChunkSize < int(length) ? FileChunkSize : int(length) - done;
        const int before = data.size();
        if (!readFile(data, ushort(chunk), error) || error != 0)
            return false;
        if (data.size() - before != chunk) {
            // A short chunk would shift every byte after it; stop here.
            qDebug() << "readFile: short chunk" << data.size() - before << "of" << chunk;
            return false;
        }
        done += chunk;
    } while (done < int(length));
    return true;
}

int RemoteControl::updateImage(const QByteArray &image, quint8 kind, int doneCode, int failedCode,
                               const char *progressText)
{
    const qint64 length = image.size();
    if (length == 0)
        return doneCode;

    int previous = 0;
    for (qint64 offset = 0; offset < length; offset += RemoteCommand::UpdateBlockSize) {
        QByteArray block = image.mid(int(offset), RemoteCommand::UpdateBlockSize);
        if (block.size() < RemoteCommand::UpdateBlockSize)
            block.append(QByteArray(RemoteCommand::UpdateBlockSize - block.size(), char(0xFF)));
        quint8 reply = 0;
        if (!requestByte(Request(RemoteCommand::UpdateBlock).u8(kind).bytes(block.constData(), block.size()).data(),
                         reply))
            return failedCode;
        if (reply != RemoteCommand::Accepted) {
            // The tester refused the block: the image cannot be complete.
            qDebug() << "response error";
            return failedCode;
        }
        // The image bytes sent so far: the padding of the last block is no
        // progress, so the last block reaches 100 and never more.
        const qint64 sent = qMin(offset + RemoteCommand::UpdateBlockSize, length);
        const int progress = int(double(sent) * 100.0 / double(length));
        if (progress != previous) {
            emit vyrupInfo(tr(progressText).arg(progress));
            previous = progress;
        }
    }
    return doneCode;
}

int RemoteControl::updateCPU(const QByteArray &image)
{
    return updateImage(image, RemoteCommand::ImageCpu, CpuDone, CpuFailed, QT_TR_NOOP("CPU updated %1 %"));
}

int RemoteControl::updateFPGA(const QByteArray &image)
{
    return updateImage(image, RemoteCommand::ImageFpga, FpgaDone, FpgaFailed, QT_TR_NOOP("FPGA updated %1 %"));
}

bool RemoteControl::sendPhase(quint8 phase, quint32 cpuLength, quint32 fpgaLength, quint8 &reply)
{
    const QByteArray request = Request(RemoteCommand::UpdatePhase)
                                   .u8(phase)
                                   .u32(cpuLength)
                                   .u32(fpgaLength)
                                   .u16(0)   // reserved
                                   .data();
    return requestByte(request, reply);
}

int RemoteControl::cancelUpdate(quint32 cpuLength, quint32 fpgaLength, int failedCode)
{
    quint8 reply = 0;
    if (!sendPhase(RemoteCommand::PhaseCancel, cpuLength, fpgaLength, reply)) {
        qDebug() << "cancel update failed";
        return UpdateFailed;
    }
    if (reply != RemoteCommand::Accepted)
        qDebug() << "response error";
    return failedCode;
}

int RemoteControl::writeVYRUP(const QByteArray &package)
{
    // A package that is too short, has no magic or whose images run past its
    // end is refused before anything is sent.
    UpdatePackage pkg;
    const UpdatePackage::Error parsed = UpdatePackage::parse(package, pkg, /*requireFileSystem=*/false);
    if (parsed != UpdatePackage::Error::None) {
        qDebug() << "update package refused, error" << int(parsed);
        return UpdateFailed;
    }

    const quint32 cpuLength = roundUpToBlock(pkg.cpuSize);
    const quint32 fpgaLength = roundUpToBlock(pkg.fpgaSize);

    quint8 reply = 0;
    if (!sendPhase(RemoteCommand::PhaseStart, cpuLength, fpgaLength, reply))
        return UpdateFailed;
    if (reply != RemoteCommand::Accepted) {
        qDebug() << "response error";
        return UpdateFailed;
    }

    if (updateCPU(pkg.cpu) != CpuDone) {
        emit vyrupInfo(tr("CPU update failed"));
        return cancelUpdate(cpuLength, fpgaLength, CpuFailed);
    }
    emit vyrupInfo(tr("CPU update complete"));

    if (updateFPGA(pkg.fpga) != FpgaDone) {
        emit vyrupInfo(tr("FPGA update failed"));
        return cancelUpdate(cpuLength, fpgaLength, FpgaFailed);
    }
    emit vyrupInfo(tr("FPGA update complete"));

    // The update is complete only once the tester has accepted the finish.
    const bool answered = sendPhase(RemoteCommand::PhaseFinish, cpuLength, fpgaLength, reply);
    if (!answered || reply != RemoteCommand::Accepted) {
        // A refused finish leaves the tester without a complete update.
        if (answered)
            qDebug() << "response error";
        emit vyrupInfo(tr("Finishing the update failed"));
        cancelUpdate(cpuLength, fpgaLength, UpdateFailed);
        return UpdateFailed;
    }
    emit vyrupInfo(tr("Update finished"));
    emit vyrupInfo(tr("Full update complete"));
    return UpdateComplete;
}
