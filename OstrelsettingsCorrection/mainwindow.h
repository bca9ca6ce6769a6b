#pragma once

#include "updater.h"

#include <QMainWindow>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QThread>

class MainMenu;
class QTranslator;

namespace Ui {
class MainWindow;
}

// The one window of the settings correction program. It owns the worker
// thread and the Updater that runs in it; every request reaches the Updater
// by a queued signal, and the only direct call across the threads is
// Updater::isConnected (an atomic read).
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

signals:
    void connectUpdater(QString portName, QString logon, QString passw, bool fromRcMode);
    void disconnectUpdater();
    void refreshPorts();
    void reset(bool toUpdate);
    void sendIPdata(bool dhcp, QString IP, QString NM, QString GW);

public slots:
    void portsReceived(QStringList portNames);
    void updaterConnected(uchar deviceType, QString releaseName, ushort deviceSerial);
    void updaterConnectionFailed();
    void updaterDisconnected();
    // Logs whether the IP settings request of Apply went out.
    void ipSettingsSent(bool sent);

private slots:
    void bEngClicked();
    void bRusClicked();
    void bConnectClicked();
    void bRefreshPortsClicked();
    void bDisconnectClicked();
    void setIPtoOstrel();
    void ResetOstrel();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeMenu();
    void setConnectedState(bool connected);
    void retranslate();
    void appendLog(const QString &line);
    // Reads a text setting; an empty or absent one takes the default, which
    // is written back when writeDefault is set.
    QString readSetting(const QString &key, const QString &defaultValue, bool writeDefault);

    Ui::MainWindow *ui;
    MainMenu *menu = nullptr;
    QTranslator *translator = nullptr;   // "vyrup_ru"
    QTranslator *qtTranslator = nullptr; // "qt_ru"

    // Destroyed in reverse order after the destructor body has stopped the
    // thread: the settings store, then the Updater (closing the port), then
    // the thread.
    QThread workerThread;
    Updater updater;
    QSettings settings;

    QString dhcpText;
    QString ipText;
    QString maskText;
    QString gatewayText;
};
