#pragma once

#include "packetlink.h"
#include "records.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>

class IVyrStream;

// Commands of the tester's remote-control protocol.
//
// Every request and every reply is one frame of the packet link (see
// packetlink.h): u16 little-endian payload length, payload, CRC-8/MAXIM over
// both. Byte 0 of a request payload is the command code; the fields after it
// follow without gaps, little-endian. u16/u32 are unsigned 16/32-bit values;
// name[21] is a file name field: the name in Latin-1, NUL-padded to 21 bytes,
// or its first 21 characters without a NUL when it is longer. A reply is the
// next frame that arrives; its size is given as "reply N" (E: the length must
// be exactly N, else the frame is skipped).
namespace RemoteCommand {
// -> nothing                         reply 107 E  get_device_status_resp_t
constexpr quint8 GetDeviceStatus = 0x00;
// -> u32 address                     reply 1      register byte
constexpr quint8 GetFpgaValue = 0x01;
// -> u32 address, u8 value           reply 1      ignored
constexpr quint8 SetFpgaValue = 0x02;
// -> u32 pixel index, u32 left, u32 top, u32 width, u32 height
//                                    reply 340    170 pairs (u8 run length, u8 colour)
constexpr quint8 GetScreenshot = 0x04;
// -> name[21]                        reply 3      u16 file length, u8 error
constexpr quint8 OpenFileToRead = 0x05;
// -> u16 count                       reply count+1  u8 error, count data bytes
constexpr quint8 ReadFile = 0x06;
// -> u8 first (1/0), u32 file type   reply 22     u8 notLast, name[21]
constexpr quint8 GetFile = 0x07;
// -> name[21]                        reply 1      error
constexpr quint8 DeleteFile = 0x08;
// -> u8 start (1/0), u32 port, u8 test id
//                                    reply 16     error_t (type 0: started)
constexpr quint8 SetTest = 0x09;
// -> u32 port, u8 topology code      reply 1      ignored
constexpr quint8 SetTopology = 0x0A;
// -> nothing                         reply 1      ignored
constexpr quint8 ResetStatistics = 0x0B;
// -> name[21]                        reply 1      error
constexpr quint8 SaveConfig = 0x0C;
// -> name[21]                        reply 1      error
constexpr quint8 LoadConfig = 0x0D;
// -> u32 file type                   reply 1      ignored
constexpr quint8 DeleteFilesByType = 0x0E;
// -> nothing                         reply 22 E   get_device_info_resp_t
constexpr quint8 GetDeviceInfo = 0x0F;
// -> u32 key code                    reply 1      response code
constexpr quint8 KeyPress = 0x10;
// -> u32 port, u8 block id           reply size   the settings block
constexpr quint8 GetSettings = 0x11;
// -> u32 port, u8 block id, block    reply 1      ignored
constexpr quint8 SetSettings = 0x12;
// -> u32 port, u8 test id, u32 param reply size+1 u8 valid (1), results record
constexpr quint8 GetResults = 0x13;
// -> u32 port, u8 block id           reply 1      ignored
constexpr quint8 LoadDefaultSettings = 0x14;
// -> u32 port, u8 test id, name[21]  reply 1      error
constexpr quint8 SaveReport = 0x15;
// -> name[21]                        reply 12     load_report_resp_t
constexpr quint8 LoadReport = 0x16;
// -> nothing                         no reply; the tester restarts its link
constexpr quint8 LoadDefaultConfig = 0x17;
// -> nothing                         reply 4      u32 menu id
constexpr quint8 GetMenuId = 0x18;
// -> u32 clock (local wall-clock)    reply 1      1 = accepted
constexpr quint8 SetClock = 0x19;
// -> u8 test id                      reply 21     proposed name, UTF-8, NUL-ended
constexpr quint8 GetNewFileName = 0x1A;
// -> u8 status                       reply 1      ignored
constexpr quint8 SetSyncStatus = 0x1B;
// -> nothing                         reply 3 E    get_sync_status_resp_t
constexpr quint8 GetSyncStatus = 0x1C;
// -> u8 phase, u32 CPU length, u32 FPGA length (each raised to a multiple
//    of 256), 2 reserved bytes (0)   reply 1      1 = accepted
constexpr quint8 UpdatePhase = 0x1D;
// -> u8 image kind, 256 image bytes (last block padded with 0xFF)
//                                    reply 1      1 = accepted
constexpr quint8 UpdateBlock = 0x1E;
// -> u32 watchdog time               reply 1      ignored
constexpr quint8 SetWatchdogTime = 0x1F;
// -> u8 0                            no reply
constexpr quint8 ResetNew = 0x20;
// -> u8 toUpdate (1/0)               no reply
constexpr quint8 Reset = 0x80;

constexpr int FileNameSize = 21;
constexpr int ScreenshotPairs = 170;
constexpr int ScreenshotReplySize = 2 * ScreenshotPairs;
constexpr int UpdateBlockSize = 256;

// Phases of UpdatePhase.
constexpr quint8 PhaseStart = 0;
constexpr quint8 PhaseFinish = 1;
constexpr quint8 PhaseCancel = 2;

// Image kinds of UpdateBlock.
constexpr quint8 ImageCpu = 0;
constexpr quint8 ImageFpga = 1;

// The one-byte reply that accepts a clock, a phase or a block.
constexpr quint8 Accepted = 1;
// Byte 0 of a results reply when the record that follows is valid.
constexpr quint8 ResultsValid = 1;
} // namespace RemoteCommand

// Client of the tester's remote-control protocol: opens the link (serial or
// TCP), sends each request as one frame and waits for its reply under the
// retry discipline of sendReceiveBytes, and offers one method per command.
//
// Thread ownership: created without a parent (as a member of Device) in the
// GUI thread, but every method is called from the worker thread that runs
// Device's slots, one at a time; all methods block that thread. Streams are
// created inside the connect calls, so they belong to the worker thread.
// disconnected and vyrupInfo are emitted in the worker thread.
//
// Any request that fails has closed the link and emitted disconnected()
// before the method returns false; the exceptions, replies that came but are
// too short to mean anything (openFileToRead, readFile, a short file chunk,
// a refused clock, an idle screenshot), say so where they are declared.
// Out-arguments are written only on success.
class RemoteControl : public QObject
{
    Q_OBJECT

public:
    enum ConnectionType {
        NoConnection = 0,
        SerialConnection = 1,
        TcpIpConnection = 2,
    };
    Q_ENUM(ConnectionType)

    // Result codes of writeVYRUP / updateCPU / updateFPGA (the update
    // client's state codes, shown by the update-package dialog).
    enum UpdateResult {
        CpuDone = 1,
        CpuFailed = 2,          // CPU image failed, the cancel was answered
        FpgaDone = 7,
        FpgaFailed = 8,         // FPGA image failed, the cancel was answered
        UpdateFailed = 20,
        UpdateComplete = 21,
    };

    static constexpr int Attempts = 3;
    // An attempt gives up once more than 1999 ms passed without an accepted reply.
    static constexpr int ReplyTimeoutMs = 2000;
    static constexpr int ReconnectPauseMs = 500;
    static constexpr int DefaultConfigReconnectMs = 5000;
    static constexpr int StatusPollPauseMs = 500;
    static constexpr int FileChunkSize = 512;
    // u16 file length, u8 error.
    static constexpr int OpenFileReplySize = 3;
    // A screenshot reply that places no pixel ends the transfer after this
    // many in a row, so a tester sending empty runs cannot keep us asking.
    static constexpr int MaxIdleScreenshotReplies = 3;

    explicit RemoteControl(QObject *parent = nullptr);
    ~RemoteControl() override;

    // Makes the stream of every new connection attempt (the link takes it
    // over). Without a factory: a SerialPort for a serial connection, a
    // TCPStream for TCP/IP. Tests and fuzz targets hand in streams that live
    // in memory; the connect, reconnect and request rules stay the same.
    using StreamFactory = std::function<IVyrStream *(ConnectionType type)>;
    void setStreamFactory(StreamFactory factory);

    // --- connection ---------------------------------------------------
    // Each connect stores the target, gives the link a new stream and opens
    // it; a failed connect leaves the connection type as it was.
    bool connectBySerial(const QString &portName);
    bool connectByTcpIp(const QString &portName);
    // TCP when the text is "d.d.d.d" (1-3 digits each) with anything after
    // it, else serial.
    bool connectTo(const QString &portName);
    // Closes the link and emits disconnected().
    void disconnect();
    // disconnect(), then connectTo() the stored target at once and every
    // 500 ms until it succeeds or timeoutMs have passed.
    bool reconnect(int timeoutMs);
    ConnectionType getConnectionType() const { return m_connectionType; }

    // Restart requests; no reply is awaited. With toUpdate the tester leaves
    // the link, so it is closed here and disconnected() emitted. Return
    // whether the frame was sent.
    bool reset(bool toUpdate);
    bool resetNew(bool toUpdate);

    // Sends the request and waits for its reply: up to three attempts, each
    // one send and then receives until a frame is accepted or more than
    // 1999 ms have passed since the attempt began; that limit covers the
    // whole reply, however slowly its bytes arrive, and a link found gone
    // ends the attempt at once. A frame is accepted when its CRC is right
    // and, with exactSize, its length equals replySize; a shorter reply is
    // accepted otherwise and writes only its own bytes into reply. A frame
    // that is not accepted writes nothing into reply. replySize 0: no reply
    // awaited. After the third failed attempt the link is closed,
    // disconnected() emitted, and false returned.
    bool sendReceiveBytes(const void *request, int requestLength, void *reply, int replySize,
                          bool exactSize = false);

    // --- commands -----------------------------------------------------
    bool getDeviceStatus(get_device_status_resp_t &status);
    bool getFpgaValue(uint address, unsigned char &value);
    bool setFpgaValue(uint address, uchar value);
    // A reply shorter than its 3 bytes (length and error) fails without a
    // disconnect: the tester answered, but opened nothing.
    bool openFileToRead(const QString &fileName, unsigned short &fileLength, unsigned char &error);
    // Appends the data bytes of the reply to buffer: byteCount of them, or
    // fewer when the tester sent a shorter reply (never invented bytes). A
    // reply without even its error byte fails without a disconnect.
    bool readFile(QByteArray &buffer, ushort byteCount, unsigned char &error);
    // One name of the tester's file list. A reply that says more names
    // follow but carries none (no name bytes, or an empty name) fails
    // without a disconnect, as does an empty reply.
    bool getFile(bool first, QString &fileName, int file_type, bool &notLast);
    bool deleteFile(const QString &fileName, unsigned char &error);
    bool setTest(bool start, port_t port, uchar test, error_t &error);
    bool setTopology(port_t port, uchar topology);
    bool resetStatistics();
    bool saveConfig(const QString &fileName, unsigned char &error);
    bool loadConfig(const QString &fileName, unsigned char &error);
    bool deleteFilesByType(uint file_type);
    bool getDeviceInfo(get_device_info_resp_t &device_info);
    bool keyPress(ukey_t key, unsigned char &resp_code);
    // Copies the reply bytes into the front of settings (a short reply fills
    // only the front).
    bool getSettings(port_t port, uchar id, void *settings, int settingsSize);
    bool setSettings(port_t port, uchar id, const void *settings, int settingsSize);
    bool getDeviceSettings(device_settings_t &deviceSettings);
    // error = byte 0 of the reply; the record is copied into results only
    // when byte 0 is 1. True whenever the reply arrived.
    bool getResults(port_t port, uchar test, int param, void *results, int resultsSize,
                    unsigned char &error);
    bool loadDefaultSettings(port_t port, uchar id);
    bool saveReport(port_t port, uchar test, const QString &fileName, unsigned char &error);
    bool loadReport(const QString &fileName, load_report_resp_t &response);
    // The tester reloads its defaults and restarts its link: reconnects
    // within 5000 ms.
    bool loadDefaultConfig();
    bool getMenuId(uint &id);
    // True only when the tester accepted the clock (reply byte 1).
    bool setClock(quint32 time);
    // fileName is emptied on failure.
    bool getNewFileName(uint test, QString &fileName);
    bool setSyncStatus(unsigned char status);
    bool getSyncStatus(get_sync_status_resp_t &sync_status);
    bool setWDtime(uint time);

    // --- waits built on the status request ------------------------------
    // Poll every 500 ms until the port's link is up (and at the given speed
    // code), false when timeoutMs pass or a status read fails.
    bool waitForLink(port_t port, int timeoutMs);
    bool waitForSpeed(port_t port, int speed, int timeoutMs);
    // Reads the status without pause until bit testId (mod 32) of the port's
    // transmit process word is clear; false when a read fails.
    bool waitForTestFinished(port_t port, uchar testId);

    // --- bulk transfers -----------------------------------------------
    // Fetches the screen area (corners inclusive) as a 24-bit image. On
    // failure result keeps its previous content.
    bool getScreenshot(QImage &result, QRect rect);
    // Appends the whole file to data in chunks of 512 bytes; on failure what
    // was appended stays and error holds the failing command's error byte
    // (a chunk shorter than asked for also fails, with error 0).
    bool getFileData(const QString &fileName, QByteArray &data, unsigned char &error);
    // Writes an update package (CPU and FPGA images) and returns an
    // UpdateResult; progress texts go out through vyrupInfo: "... updated
    // N %" with N the share of the image's own bytes sent (never above 100),
    // and "Full update complete" only after the tester accepted the finish.
    int writeVYRUP(const QByteArray &package);
    // Block loops: CpuDone/CpuFailed and FpgaDone/FpgaFailed.
    int updateCPU(const QByteArray &image);
    int updateFPGA(const QByteArray &image);

signals:
    void disconnected();
    void vyrupInfo(const QString &text);

private:
    // sendReceiveBytes, also reporting the accepted frame's length.
    bool exchange(const void *request, int requestLength, void *reply, int replySize, bool exactSize,
                  int *receivedLength);
    // The link is gone: no connection, link closed, disconnected() emitted.
    void dropConnection();
    // One request with a one-byte reply; reply is written only on success.
    bool requestByte(const QByteArray &request, quint8 &reply);
    bool sendPhase(quint8 phase, quint32 cpuLength, quint32 fpgaLength, quint8 &reply);
    int updateImage(const QByteArray &image, quint8 kind, int doneCode, int failedCode,
                    const char *progressText);
    // Cancels a started update after a failed image: failedCode when the
    // cancel is answered, UpdateFailed when it is not.
    int cancelUpdate(quint32 cpuLength, quint32 fpgaLength, int failedCode);

    IVyrStream *makeStream(ConnectionType type) const;

    QString m_portName;
    PacketLink m_link;
    StreamFactory m_streamFactory;
    ConnectionType m_connectionType = NoConnection;
};
