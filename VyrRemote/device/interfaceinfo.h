#pragma once

#include "records.h"

#include <QMutex>
#include <QObject>

#include <optional>

class RemoteControl;

// The interface settings (eth_settings_t, settings block 20) of one port
// index: 0 Port A, 1 Port B, 2 Port RC.
//
// Thread ownership as for TestInfo: the object and its slots live in the
// worker thread; the GUI thread gets a copy from getSettings() and hands an
// edited copy back with sendSettings(settings). The lock is held by the
// worker whenever it replaces or frees the record.
class InterfaceInfo : public QObject
{
    Q_OBJECT
public:
    InterfaceInfo(RemoteControl *remote, int port, QObject *parent = nullptr);

    int getPort() const { return m_port; }

    // A copy of the record; nothing until it has been read, after a failed
    // read and after clear(). Thread-safe.
    std::optional<eth_settings_t> getSettings() const;

public slots:
    // Reads the record; emits settingsReceived() after the read, failed or not.
    void receiveSettings();
    // Replaces the cached record with the copy and writes it to the tester;
    // refused while the record is absent. No signal.
    void sendSettings(eth_settings_t settings);
    void clear();

signals:
    void settingsReceived();

private:
    RemoteControl *m_remote;   // not owned
    const int m_port;

    mutable QMutex m_lock;     // guards m_settings
    std::optional<eth_settings_t> m_settings;
};
