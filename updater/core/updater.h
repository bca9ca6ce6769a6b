#pragma once

#include "packetlink.h"

#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>

class IVyrStream;

// Steps and outcomes of the update client, in the order of their values.
// The windows log a text per value and decide by them when an operation has
// ended. Registered as the meta-type "UpdaterState" (registerMetaType()).
enum class UpdaterState : int {
    CpuUpdating = 0,
    CpuUpdated = 1,
    CpuUpdateFailed = 2,
    FpgaErasing = 3,
    FpgaErased = 4,
    FpgaEraseFailed = 5,
    FpgaUpdating = 6,
    FpgaUpdated = 7,
    FpgaUpdateFailed = 8,
    Resetting = 9,
    ResetDone = 10,
    ResetFailed = 11,
    FsUpdating = 12,
    FsUpdated = 13,
    FsUpdateFailed = 14,
    GpsUpdating = 15,
    GpsUpdated = 16,
    GpsUpdateFailed = 17,
    InvalidDeviceType = 18,
    WaitAfterResetFailed = 19,
    WrongFileFormat = 20,
    FullUpdateFinished = 21,
};
Q_DECLARE_METATYPE(UpdaterState)

// Client of the tester's update firmware over a serial port.
//
// Update-mode protocol: every request and reply is one packet-link frame
// (u16 LE payload length, payload, CRC-8); byte 0 of a request is the
// command code; multi-byte fields are little-endian. "OK" is a reply whose
// payload is exactly the single byte 0x01.
//
//   0x80 [target]                      reset: 1 = into update mode, 0 = into
//                                      normal firmware; one OK try
//   0x81                               identify; reply 13 bytes:
//                                      0 type, 1-10 release (Latin-1, NUL
//                                      ends it), 11-12 u16 serial
//   0x82                               erase FPGA flash; OK within 41 s
//   0x83 [u32 offset][256 bytes]       CPU block; OK within 2010 ms for
//                                      offset 0, 10 ms for later blocks
//   0x84 [u32 offset][256 bytes]       FPGA block; OK within 10 ms
//   0x85 [260 bytes]                   file-system slice; OK within 10 ms
//   0x86 [u32 offset][256 bytes]       GPS block; OK within 5000 ms
//   0x87 [logon 20][password 20]       logon; reply <= 13 bytes: [0x00]
//                                      refused, any other single byte
//                                      accepted, longer and starting 0x02:
//                                      normal firmware is running
//   0x88 [logon 20][password 20]       new logon; no reply
//   0x89 [dhcp][u32 ip][u32 mask][u32 gw]  IP settings; no reply
//
// Text fields are Latin-1, NUL-padded to 20 bytes, cut at 20 without a
// terminator. The last block or slice of an image is padded with 0xFF.
//
// Acknowledgements: a block, slice, erase or reset step passes only on an
// intact reply that is exactly 0x01. Silence is waited out up to the step's
// limit; anything else that arrives (another byte, a longer frame, a broken
// frame) ends the step as failed at once, even if an OK follows. Input left
// over from earlier (a duplicate or late OK) is dropped before every
// request, so it never passes for the reply to the next one.
//
// A line that is gone (a serial line that hung up, an adapter pulled out)
// ends every wait at once: the step fails, the link is closed and
// disconnected() follows the failure state.
//
// Threading: constructed in the GUI thread and moved to a worker thread
// before any slot runs; every slot blocks that thread until it ends. The
// serial port object is created here, but its Qt port object only inside
// the first open, i.e. in the worker. isConnected() is the one member safe
// to call from another thread.
class Updater : public QObject
{
    Q_OBJECT
public:
    static constexpr quint8 CmdReset = 0x80;
    static constexpr quint8 CmdIdentify = 0x81;
    static constexpr quint8 CmdFpgaErase = 0x82;
    static constexpr quint8 CmdCpuBlock = 0x83;
    static constexpr quint8 CmdFpgaBlock = 0x84;
    static constexpr quint8 CmdFsSlice = 0x85;
    static constexpr quint8 CmdGpsBlock = 0x86;
    static constexpr quint8 CmdLogon = 0x87;
    static constexpr quint8 CmdLogonChange = 0x88;
    static constexpr quint8 CmdIpSettings = 0x89;

    static constexpr quint8 ReplyOk = 0x01;
    static constexpr quint8 ReplyLogonRefused = 0x00;
    static constexpr quint8 ReplyNormalFirmware = 0x02;

    static constexpr quint8 ResetToNormal = 0;
    static constexpr quint8 ResetToUpdate = 1;

    static constexpr int BlockSize = 256;        // image bytes per 0x83/0x84/0x86 block
    static constexpr int SliceSize = 260;        // image bytes per 0x85 slice
    static constexpr int RequestSize = 261;      // every block and slice request
    static constexpr int TextFieldSize = 20;     // logon id and password fields
    static constexpr int LogonRequestSize = 41;
    static constexpr int IpRequestSize = 14;
    static constexpr int IdentifyReplySize = 13;
    static constexpr int MaxShortReplySize = 13; // logon and identify replies
    static constexpr int ReleaseNameSize = 10;
    static constexpr quint8 ImagePadByte = 0xFF;

    // Acknowledgement time limits, in milliseconds.
    static constexpr int FirstCpuBlockOkMs = 2010;
    static constexpr int CpuBlockOkMs = 10;
    static constexpr int FpgaEraseOkMs = 41000;
    static constexpr int FpgaBlockOkMs = 10;
    static constexpr int FsSliceOkMs = 10;
    static constexpr int GpsBlockOkMs = 5000;
    static constexpr int AfterResetOkMs = 2000;  // update firmware reporting after a restart

    // Talks over a SerialPort.
    explicit Updater(QObject *parent = nullptr);
    // Talks over `stream` (taken over; opened by connect() with the port
    // name as its target): tests and fuzz targets drive the client in memory.
    explicit Updater(IVyrStream *stream, QObject *parent = nullptr);
    ~Updater() override;

    // Registers UpdaterState under the name "UpdaterState" for queued signals.
    static void registerMetaType();

    // True while the link's port is open. Safe from any thread.
    bool isConnected() const { return m_open.load(std::memory_order_acquire); }

    // Dotted text to a 32-bit address, first octet in the top byte. Empty
    // text gives 0; parts that are not numbers count 0; a part above 255
    // carries into the byte above it; parts past the fourth are ignored.
    static quint32 parseIpAddress(const QString &text);

    // The settings correction program logs every IP settings request it
    // sends; the update program does not.
    void setLogIpSettings(bool on) { m_logIpSettings = on; }

    // Last identified tester (0 and empty until the first identify; kept
    // after a disconnection). Worker thread only.
    quint8 deviceType() const { return m_deviceType; }
    QString releaseName() const { return m_releaseName; }
    quint16 deviceSerial() const { return m_deviceSerial; }

    // Sends [command][logon id][password] with the stored credentials.
    bool sendLogon(quint8 command);
    // Receives one reply frame; true only for an intact frame whose payload
    // is the single byte 0x01.
    bool readOk();

public slots:
    // Waits for an OK; at least one receive try is always made. Replies
    // other than an OK are passed over until the time is up (the update
    // firmware announcing itself after a restart); a lost line ends it.
    bool waitForOkMs(int time);

    void connect(QString portName, QString logon, QString passw, bool fromRcMode, bool waitForOK);
    void connect(QString portName, QString logon, QString passw, bool fromRcMode);
    // Closes the link if open; emits disconnected() in any case.
    void disconnect();
    void getPortsNames();

    bool updateCPU(QByteArray data);
    bool reset(bool toUpdate);
    bool updateFPGA(QByteArray data);
    bool updateFS(QByteArray data);
    bool updateGPS(QByteArray data);
    // Writes a whole update package (see updatepackage.h for the layout).
    bool fullUpdate(QByteArray data);
    bool logonUpdate(QString logon, QString passw);
    // Sends request 0x89 and awaits no reply; ipSettingsSent tells whether
    // the request was written.
    bool IPsetUpdate(bool dhcp, QString ip, QString mask, QString gateway);

signals:
    void connected(uchar deviceType, QString releaseName, ushort deviceSerial);
    void connectionFailed();
    void disconnected();
    void notInUpdateMode();
    void portsNamesReceived(QStringList names);
    void cpuUpdateProgress(float progress);
    void fpgaUpdateProgress(float progress);
    void fsUpdateProgress(float progress);
    void gpsUpdateProgress(float progress);
    void stateChanged(UpdaterState state);
    // The outcome of IPsetUpdate: the request went out (the tester does not
    // answer it) or could not be written.
    void ipSettingsSent(bool sent);

private:
    struct BlockKind {
        quint8 command;
        UpdaterState done;
        UpdaterState failed;
        int firstOkMs;
        int laterOkMs;
        void (Updater::*progress)(float);
    };

    enum class Ack { Ok, Refused, Silent, Lost };

    bool writeBlocks(const QByteArray &image, const BlockKind &kind);
    // Waits up to limitMs for the acknowledgement of the request just sent.
    // Only silence is waited out; any other reply is final.
    Ack awaitAck(int limitMs);
    // Emits the failure state of a step; a line found gone is then closed
    // and disconnected() emitted.
    void stepFailed(UpdaterState failed);
    void noticeLinkLoss();
    // Sends one request after dropping unread input (on a serial port always;
    // on other streams when earlier input may still be unread: a reply that
    // did not arrive in time, a refused frame, a request that awaits no
    // reply), so a late or stray reply is never read as the answer to it.
    bool sendRequest(const QByteArray &payload);
    // Sends the restart request (into update mode or the normal firmware).
    bool sendReset(bool toUpdate);
    // Receives one frame of at most capacity (<= MaxShortReplySize) bytes
    // into m_rx; len gets the payload length (-1 unless a frame came).
    // Anything but a whole frame marks the input dirty.
    PacketLink::Receive receiveFrame(int capacity, int &len);
    bool isOk(int len) const;
    void discardStaleInput();
    void openLink(const QString &portName);
    void closeLink();
    void failConnection();
    static void putText(QByteArray &request, int at, const QString &text);
    void emitState(UpdaterState s) { emit stateChanged(s); }

    PacketLink m_link;
    std::atomic<bool> m_open{false};
    QByteArray m_rx;               // reply payload, MaxShortReplySize bytes
    bool m_dirty = false;          // unread input may be waiting; drop it before sending
    quint8 m_deviceType = 0;
    QString m_releaseName;
    QString m_logon;
    QString m_password;
    quint16 m_deviceSerial = 0;
    bool m_logIpSettings = false;
};
