#pragma once

#include "pdfcreator.h"
#include "records.h"
#include "remotecontrol.h"
#include "tcpstream.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QMutex>
#include <QObject>
#include <QSize>
#include <QStringList>
#include <QTimer>

#include <atomic>

class InterfaceInfo;
class TestInfo;

// Why a link ended without the operator asking, for the main window to tell
// (Device::linkFailed). A copy travels with the signal.
struct LinkFailure
{
    enum Kind {
        Lost,        // the connected tester stopped answering or went away
        NotOpened,   // a connect found no tester: the link did not open
        NoAnswer,    // a connect opened the link, but the device information never came
        BadAddress,  // a TCP connect refused before any socket opened: the target is no address
    };
    Kind kind = Lost;
    // BadAddress only: what is wrong with the target (TCPStream::parseTarget).
    TCPStream::TargetFault addressFault = TCPStream::TargetFault::None;
    // The address or port name given to the connect, and how it was reached.
    QString target;
    int connectionType = 0;   // RemoteControl::ConnectionType of the attempt
    // Local time at which the failure was found.
    QDateTime at;
    // Lost only: whether a status was polled on this link, the last one
    // polled before the loss (its process words tell which tests were
    // running) and the tester's port count.
    bool statusKnown = false;
    get_device_status_resp_t lastStatus{};
    int ports = 0;
};

// How a listing of the tester's files ended. Only Complete means the list
// holds every file of the type; every other end keeps the names read until
// then, and the file windows say why the list is incomplete.
enum class FileListEnd {
    Complete,     // the tester's closing reply came
    LinkLost,     // a request got no answer (or the link dropped): the link is closed
    BadReply,     // a reply could not be read (empty, or "more" without a name); the link stays
    Repeated,     // the tester named a file the list already held
    TooMany,      // Device::MaxListedFiles names came; none further was asked for
    TimeLimit,    // the listing took longer than its time limit
    Disconnect,   // the operator asked for a disconnect
    Closing,      // the program is closing
};

// A list of the tester's files of one type and how its listing ended. A copy
// travels to the GUI thread (Device::getSettingsFilesListing ...).
struct FileListing
{
    QStringList names;
    FileListEnd end = FileListEnd::Complete;
};

// The tester's clock: 32-bit seconds holding local wall-clock time (shown as
// UTC). Registered as a metatype under this name and as "time_t".
typedef quint32 device_time_t;

// The model of the connected tester in VyrRemote.
//
// Threads. The main window moves Device (with its TestInfo and InterfaceInfo
// children) into its worker thread. Every slot runs there, one at a time, so
// requests to the tester never overlap; windows reach the slots only through
// queued connections and learn of results, refusals and completions only
// through signals. RemoteControl, the poll timer and the PDF writer are
// members without a parent and keep the constructing (GUI) thread as their
// thread; RemoteControl and PDFCreator are nonetheless called only from the
// slots, in the worker thread.
//
// Handover rule, for every record the worker owns: the GUI thread never
// holds a pointer into a buffer that the worker rewrites or frees.
//  - Getters return copies: getDeviceInfo(), getDeviceStatus(),
//    getDeviceSettings(), getScreenshot(), the file-name lists, and
//    TestInfo::getSettings()/getResults() and InterfaceInfo::getSettings()
//    (std::optional copies, empty while the record is absent).
//  - Each copy is taken under the lock of the object that holds the record;
//    the worker holds the same lock whenever it replaces, takes out or frees
//    that record, and never while it waits for the tester.
//  - Edited records travel back as copies through queued slots
//    (TestInfo::sendSettings(port, bytes), InterfaceInfo::sendSettings(record),
//    sendCheckDeviceSettings()); no window writes into a worker buffer.
//  - The current port is an atomic: written by the GUI thread
//    (setCurrentProcess), read by the worker during the poll.
// A record read after the signal that announces it (deviceStatusUpdated,
// settingsReceived, resultsReceived ...) is that record or a newer one.
class Device : public QObject
{
    Q_OBJECT
public:
    static constexpr int PollIntervalMs = 1000;
    static constexpr int ReconnectTimeoutMs = 5000;
    static constexpr int ScreenWidth = 320;
    static constexpr int ScreenHeight = 240;
    static constexpr int TestInfoCount = 19;
    static constexpr int InterfaceCount = 3;
    // Names a file listing takes at most. A tester stores far fewer files
    // of one type; the margin keeps every real list whole while a tester
    // that never ends its list cannot hold the worker.
    static constexpr int MaxListedFiles = 1000;
    // Time a file listing takes at most. A tester answers each name within
    // milliseconds, so even MaxListedFiles names come well inside this
    // limit. A peer that answers every request just inside the reply timeout
    // with a new name would otherwise hold the worker (and a Disconnect
    // queued behind it) for MaxListedFiles such replies, over half an hour.
    static constexpr int MaxListingMs = 60000;
    // A shorter limit for the file listings that follow (tests only: there
    // a whole minute of trickling replies is too long to wait for).
    void setListingTimeLimit(int ms) { m_listingLimitMs = ms; }

    // Called from the GUI thread (thread-safe) when the operator asks for a
    // disconnect, before the queued disconnect() is sent: a file listing
    // running in the worker ends before its next request, and the polls
    // queued meanwhile ask nothing, so the disconnect waits for one request
    // at most. disconnect() clears the mark.
    void announceDisconnect() { m_disconnectAnnounced.store(true); }

    explicit Device(QObject *parent = nullptr);
    ~Device() override;

    // --- Called directly from the GUI thread (thread-safe) ---

    port_t getCurrentProcess() const;
    // Stores the port and emits currentprocessChanged() when it differs.
    void setCurrentProcess(port_t port);

    get_device_info_resp_t getDeviceInfo() const;
    get_device_status_resp_t getDeviceStatus() const;
    device_settings_t getDeviceSettings() const;
    RemoteControl::ConnectionType getConnectionType() const;
    // 1 for device types 1, 3, 5, 6 and 7, else 2.
    int getPortsCount() const;

    // Bit testId of the port's transmit process word, for test ids 2 to 19
    // only (false for every other id and for ports above 1).
    bool testInProcess(port_t port, uchar testId) const;
    bool testInProcessPrev(port_t port, uchar testId) const;
    // Port A's words (and Port B's on a two-port model) non-zero.
    bool anyTestInProcess() const;

    // Port index 0, 1 or 2; null for any other index. The objects live as
    // long as Device.
    InterfaceInfo *getInterfaceInfo(int port) const;
    TestInfo *getStatsInfo() const { return m_statsInfo; }
    TestInfo *getTrafficInfo() const { return m_trafficInfo; }
    TestInfo *getRfcInfo() const { return m_rfcInfo; }
    TestInfo *getY1564Info() const { return m_y1564Info; }
    TestInfo *getMultiInfo() const { return m_multiInfo; }
    TestInfo *getJitterInfo() const { return m_jitterInfo; }
    TestInfo *getPtpInfo() const { return m_ptpInfo; }
    TestInfo *getPingInfo() const { return m_pingInfo; }
    TestInfo *getTraceInfo() const { return m_traceInfo; }
    TestInfo *getDnsInfo() const { return m_dnsInfo; }
    TestInfo *getIpScannerInfo() const { return m_ipScannerInfo; }
    TestInfo *getCableInfo() const { return m_cableInfo; }
    TestInfo *getOptTestInfo() const { return m_optTestInfo; }
    TestInfo *getOamInfo() const { return m_oamInfo; }
    TestInfo *getMdiInfo() const { return m_mdiInfo; }
    TestInfo *getAsymTrafficInfo() const { return m_asymTrafficInfo; }
    TestInfo *getScaleAdjInfo() const { return m_scaleAdjInfo; }
    TestInfo *getBertInfo() const { return m_bertInfo; }
    TestInfo *getLbInfo() const { return m_lbInfo; }
    // The 19 test records in poll order; the list never changes after
    // construction (read it, never modify it, from any thread).
    const QList<TestInfo *> &testInfos() const { return m_testInfos; }

    // The last screen read in full; a null image after a read that broke
    // off, until the next one succeeds (nothing stale passes for new).
    QImage getScreenshot() const;
    QStringList getSettingsFilesNames() const;
    QStringList getReportsFilesNames() const;
    // The names with how their listing ended (Complete before any listing).
    FileListing getSettingsFilesListing() const;
    FileListing getReportsFilesListing() const;

    static QString testStatusText(unsigned status);
    // Reads the interface settings of the error's port (a copy) for the
    // VLAN and MPLS lines of a stream error.
    QString startTestErrorText(const error_t &error) const;

    // Lists the tester's files of one type into list (worker thread only).
    // Ends at the tester's last reply, at a failed request, at a name the
    // list already holds, after MaxListedFiles names or MaxListingMs, when
    // a disconnect has been announced, or when the worker thread has been
    // asked to stop (QThread::requestInterruption: the program is closing);
    // list keeps what came until then, and the result says which end it was.
    FileListEnd receiveFilesNames(int file_type, QStringList &list);

public slots:
    // --- Connection (worker thread) ---
    void connectBySerial(QString portName);
    // A target that TCPStream::parseTarget faults opens no socket: the
    // connect ends at once in disconnected() and linkFailed(BadAddress).
    void connectByTcpIp(QString portName);
    void disconnect();
    void resetAndConnect();
    void resetNew();
    void loadDefaultConfig();
    bool updateDeviceInfo();
    // One poll; the poll timer calls it every second while connected.
    void updateDeviceStatus();
    void receiveDeviceSetting();
    void sendDeviceSettings();
    void remoteDisconnected();
    // Drops every test and interface record.
    void clear();

    // --- Tests and ports ---
    error_t startTest(uchar test, uchar topology);
    void stopTest(uchar test);
    void setTopology(uchar topology);
    void setThruMode(bool on);
    void resetStatistics();

    // --- Configuration and report files ---
    void receiveSettingsFilesNames();
    void receiveReportsFilesNames();
    void saveConfigToFile(QString fileName);
    void loadConfigFromFile(QString fileName);
    void saveReportToFile(port_t port, uchar test, QString fileName);
    void loadReportFromFile(QString fileName);
    void deleteFile(QString fileName);
    void deleteAllConfigFiles();
    void deleteAllReportFiles();
    void getNewFileName(uint test);
    void createPdfReport(QString reportFileName, QString pdfFileName);

    // --- Screen and FPGA registers ---
    void receeiveScreenshot();
    void readFpgaValue(uint address);
    void writeFpgaValue(uint address, uchar value);

    // --- Clock, synchronisation, watchdog, device settings ---
    void setClock(device_time_t time);
    void sendSyncStatus(uchar status);
    void getSyncStatus();
    void sendCheckDeviceSettings(uchar checking);
    void sendWDtime(uint time);

    // --- Update package ---
    void writeVYRUP(QByteArray data);
    void vyrupInfo(QString text);

signals:
    void connected();
    void disconnected();
    // Follows the disconnected() of a link that ended without the operator
    // asking: a connected tester lost, or a connect that failed. Not sent
    // for a Disconnect, nor while a reset or a default configuration load
    // reconnects (sent when that reconnect fails).
    void linkFailed(LinkFailure failure);
    void currentprocessChanged(port_t port);
    void deviceInfoUpdated();
    void deviceStatusUpdated();
    void deviceSettingsReceived();
    void settingsFilesNamesReceived();
    void reportsFilesNamesReceived();
    void fileSaveError(uchar error);
    void configSaved();
    void reportSaved();
    void screenshotReceived();
    void fpgaValueReaded(uchar value);
    void reportLoaded(port_t port, int test);
    // A PDF report request ended: PDFCreator::succeeded(outcome).
    void pdfReportCreated(bool result);
    // Emitted with every pdfReportCreated, just before it, with the outcome
    // the bool cannot tell: a test without a report is no PDF written, and
    // a report not read, not readable or not written are three failures.
    void pdfReportFinished(PDFCreator::Outcome outcome);
    void startTestError(error_t error);
    void newFileNameReceived(QString fileName);
    void syncStatusUpdated(uchar status, uchar active, uchar correct);
    void corrResult(int result);
    void vyrupInform(QString text);

private:
    void onConnectSteps();
    void reconnectSequence();
    void setTesterClock();
    void publishConnectionType();
    // Common start and end of a connect by serial port or TCP.
    void beginConnect(const QString &target, RemoteControl::ConnectionType type);
    void finishConnect(bool opened);
    // A connect that did not open the link: disconnected(), then linkFailed.
    void failConnect(LinkFailure::Kind kind, TCPStream::TargetFault fault = TCPStream::TargetFault::None);
    // Emits linkFailed(kind) for the current target.
    void reportLinkFailure(LinkFailure::Kind kind, TCPStream::TargetFault fault = TCPStream::TargetFault::None);
    // Empties the stored listing, lists the files of the type into it.
    void listFiles(int fileType, FileListing Device::*listing);
    TestInfo *findTestInfo(unsigned testId) const;
    static bool processBit(const get_device_status_resp_t &status, port_t port, uchar testId);

    RemoteControl m_remote;

    mutable QMutex m_lock;   // guards the four records, the image and the lists
    get_device_info_resp_t m_deviceInfo;
    get_device_status_resp_t m_status;
    get_device_status_resp_t m_prevStatus;
    device_settings_t m_deviceSettings;

    QTimer m_pollTimer;
    std::atomic<port_t> m_currentPort{PortA};
    // Mirror of RemoteControl's connection type, which the worker changes.
    std::atomic<int> m_connectionType{RemoteControl::NoConnection};
    std::atomic<int> m_listingLimitMs{MaxListingMs};   // set from the GUI thread, read by the worker

    TestInfo *m_statsInfo;
    TestInfo *m_multiInfo;
    TestInfo *m_jitterInfo;
    TestInfo *m_bertInfo;
    TestInfo *m_oamInfo;
    TestInfo *m_rfcInfo;
    TestInfo *m_pingInfo;
    TestInfo *m_traceInfo;
    TestInfo *m_dnsInfo;
    TestInfo *m_ipScannerInfo;
    TestInfo *m_trafficInfo;
    TestInfo *m_lbInfo;
    TestInfo *m_optTestInfo;
    TestInfo *m_cableInfo;
    TestInfo *m_ptpInfo;
    TestInfo *m_mdiInfo;
    TestInfo *m_asymTrafficInfo;
    TestInfo *m_y1564Info;
    TestInfo *m_scaleAdjInfo;
    QList<TestInfo *> m_testInfos;
    InterfaceInfo *m_interfaceInfo[InterfaceCount];

    FileListing m_settingsFiles;
    FileListing m_reportsFiles;
    QImage m_screenshot;
    QSize m_screenSize{ScreenWidth, ScreenHeight};

    PDFCreator m_pdfCreator;

    bool m_settingsRead = false;   // worker thread only

    // Where the link stands, for telling a failure from an ending the
    // operator or a restart asked for (worker thread only).
    enum class LinkPhase {
        Down,         // no link, or the operator closed it
        Connecting,   // a connect is opening the link or waiting for the device information
        Up,           // connected
        Restarting,   // a reset or default configuration load is reconnecting
    };
    LinkPhase m_linkPhase = LinkPhase::Down;
    // A status has been polled since the link came up (worker thread only).
    bool m_statusPolled = false;
    QString m_target;                                                       // worker thread only
    RemoteControl::ConnectionType m_targetType = RemoteControl::NoConnection;   // worker thread only
    // Set by the GUI thread (announceDisconnect), read and cleared by the worker.
    std::atomic<bool> m_disconnectAnnounced{false};
};

Q_DECLARE_METATYPE(get_device_info_resp_t)
Q_DECLARE_METATYPE(get_device_status_resp_t)
Q_DECLARE_METATYPE(error_t)
Q_DECLARE_METATYPE(eth_settings_t)
Q_DECLARE_METATYPE(LinkFailure)
