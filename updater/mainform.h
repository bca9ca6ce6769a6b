#pragma once

#include "updater.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QWidget>

class QLineEdit;
class QPushButton;
class QTranslator;
class MainMenu;

namespace Ui {
class MainForm;
}

// The one window of vyrup. It owns the update client and the worker thread
// the client runs in; the client is reached only through the queued signals
// below (plus Updater::isConnected, which is safe from this thread). Firmware
// files are read here and handed over by value, so the worker never sees a
// buffer of the window.
class MainForm : public QWidget
{
    Q_OBJECT
public:
    // What a Flash button started; 0 while nothing runs.
    enum Operation {
        NoOperation = 0,
        CpuOperation = 1,
        FpgaOperation = 2,
        FsOperation = 3,
        GpsOperation = 4,
        PackageOperation = 5,
    };

    explicit MainForm(QWidget *parent = nullptr);
    ~MainForm() override;

    // Shows the per-part update group, in the room of the log.
    void enableDevMode();

    // Read and written by the menu bar and its dialogs (GUI thread).
    QString logonId() const;
    QString password() const;
    void setLogon(const QString &logon, const QString &passw);
    QString dhcp() const { return m_dhcp; }
    QString ipAddress() const { return m_ipAddress; }
    QString subnetMask() const { return m_subnetMask; }
    QString gateway() const { return m_gateway; }
    void setIpSettings(bool dhcp, const QString &ip, const QString &mask, const QString &gateway);

    int operation() const { return m_operation; }
    // The log text for a state; empty for the state that adds no line.
    static QString stateText(UpdaterState state);
    // Whether the state ends the given operation.
    static bool isOperationFinished(int operation, UpdaterState state);

signals:
    void connectUpdater(QString portName, QString logon, QString passw, bool fromRcMode);
    void disconnectUpdater();
    void refreshPorts();
    void updateCpu(QByteArray data);
    void reset(bool toUpdate);
    void fpgaUpdate(QByteArray data);
    void fsUpdate(QByteArray data);
    void gpsUpdate(QByteArray data);
    void fullUpdate(QByteArray data);
    void logonUpdate(QString logon, QString passw);
    void IPsetUpdate(bool s1, QString s2, QString s3, QString s4);
    void enableLogon(bool enabled);

private slots:
    void bEngClicked();
    void bDeuClicked();
    void bRusClicked();
    void bConnectClicked();
    void bDisconnectClicked();
    void bRefreshPortsClicked();
    void bOpenROMClicked();
    void bOpenBINClicked();
    void bOpenRPDClicked();
    void bOpenFSClicked();
    void bUpdateClicked();
    void bUpdateBINClicked();
    void bUpdateRPDClicked();
    void bUpdateFSClicked();
    void on_bReset_clicked();
    void on_bResetUpdate_clicked();
    void on_bOpenGPS_clicked();
    void on_bUpdateGPS_clicked();

    void updaterConnected(uchar deviceType, QString releaseName, ushort deviceSerial);
    void updaterConnectionFailed();
    void updaterDisconnected();
    void notInUpdateMode();
    void portsReceived(QStringList portNames);
    void cpuUpdateProgress(float progress);
    void fpgaUpdateProgress(float progress);
    void fsUpdateProgress(float progress);
    void gpsUpdateProgress(float progress);
    void updaterStateChanged(UpdaterState state);

private:
    // Asks the client to connect; every request is answered by exactly one
    // connected() or connectionFailed().
    void requestConnection(bool fromRcMode);
    // Counts one answer off; true when no other connection request waits.
    bool connectionAnswered();
    void setConnectedState(bool connected);
    void setUpdateControlsEnabled(bool enabled);
    bool isOperationFinished(UpdaterState state) const;
    void retranslate();
    // Starts the window at the size its layout needs with the log showing a
    // whole update; it can be resized, never below its layout's minimum (a
    // language with longer texts widens it), and the log takes the room.
    void sizeForAWholeUpdate();
    void appendLog(const QString &text);
    void pickFile(const char *key, const QString &caption, const QString &filter,
                  QLineEdit *pathField, QPushButton *flashButton);
    // Reads the whole file of a path field; false (and "Open file error" in
    // the log) when it cannot be opened or read to its end.
    bool readFirmware(const QLineEdit *pathField, QByteArray &data);
    void startOperation(int operation, const QLineEdit *pathField,
                        void (MainForm::*request)(QByteArray), bool resetBars);
    void resetProgressBars();
    QString readSetting(const char *key, const QString &fallback, bool storeFallback);

    Ui::MainForm *ui = nullptr;
    MainMenu *m_menu = nullptr;
    QTranslator *m_qtDe = nullptr;
    QTranslator *m_qtRu = nullptr;
    QTranslator *m_appDe = nullptr;
    QTranslator *m_appRu = nullptr;
    // Lives in m_worker from construction on; destroyed only after the
    // thread has ended (declared before m_worker, so destroyed after it).
    Updater m_updater;
    QThread m_worker;
    QSettings m_settings;
    int m_operation = NoOperation;
    // Connection requests sent and not yet answered (GUI thread).
    int m_pendingConnects = 0;
    // Set by notInUpdateMode() until the connection failure that follows it.
    bool m_normalFirmwareFound = false;
    // Whether the log holds the window's own lines rather than the form's hint.
    bool m_logWritten = false;
    QString m_dhcp;
    QString m_ipAddress;
    QString m_subnetMask;
    QString m_gateway;
};
