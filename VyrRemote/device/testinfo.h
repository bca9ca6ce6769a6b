#pragma once

#include "records.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>

#include <atomic>
#include <cstring>
#include <optional>

class RemoteControl;

// The settings and results records of one test for Port A and Port B,
// cached from the tester. The records are opaque blocks of a fixed size;
// their layout belongs to the form that edits them.
//
// Thread ownership: the object lives in the worker thread with Device and its
// slots run there. The GUI thread never sees a buffer: getSettings() and
// getResults() hand out copies taken under the record's lock, and edited
// settings come back as a copy with sendSettings(port, bytes). The worker
// holds the same lock whenever it replaces, takes out or frees a buffer, so
// a reader gets either the whole old record, the whole new one, or nothing.
//
// Per port and kind a buffer is absent or present: settings are present once
// a settings read succeeded (until the next failed read or clear()); results
// only while the last results read succeeded and the tester marked it valid.
// Only ports 0 and 1 exist; any other port is refused (nothing read, sent or
// emitted, getters return nothing).
class TestInfo : public QObject
{
    Q_OBJECT
public:
    TestInfo(RemoteControl *remote, int settingsSize, int resultsSize, int testId,
             QObject *parent = nullptr);
    ~TestInfo() override;

    uchar getTestId() const { return uchar(m_testId); }
    int settingsSize() const { return m_settingsSize; }
    int resultsSize() const { return m_resultsSize; }

    // Copies of the port's records; nothing while absent. Thread-safe.
    std::optional<QByteArray> getSettings(port_t port) const;
    std::optional<QByteArray> getResults(port_t port) const;

    // Typed copies for a form that knows the record; nothing while absent
    // or when T does not have the record's size.
    template <class T>
    std::optional<T> getSettingsAs(port_t port) const { return asRecord<T>(getSettings(port)); }
    template <class T>
    std::optional<T> getResultsAs(port_t port) const { return asRecord<T>(getResults(port)); }

    // Sent with every results request (the trace route window pages with it).
    // Written by the GUI thread, read by the worker when it sends a request:
    // an atomic, so each request carries one whole value, the latest stored
    // before the request was queued.
    void setResultsParam(int param);
    int getResultsParam() const;

public slots:
    // Reads the port's settings; emits settingsReceived() after the read,
    // failed or not. Does nothing for a test without settings.
    void receiveSettings(port_t port);
    // Replaces the port's cached settings with the given copy and writes it
    // to the tester. Refused (nothing sent) while the port has no settings
    // or when the copy has the wrong size. No signal.
    void sendSettings(port_t port, QByteArray settings);
    // Reads the port's results (after its settings when those are absent);
    // emits resultsReceived() after the read. A test without results reads
    // only the missing settings.
    void receiveResults(port_t port);
    // Asks the tester for the default settings, then reads them.
    void loadDefaultSettings(port_t port);
    // Drops all four records.
    void clear();

signals:
    void settingsReceived();
    void resultsReceived();

private:
    template <class T>
    static std::optional<T> asRecord(const std::optional<QByteArray> &bytes)
    {
        static_assert(std::is_trivially_copyable<T>::value, "records are plain bytes");
        if (!bytes || bytes->size() != int(sizeof(T)))
            return std::nullopt;
        T record;
        std::memcpy(&record, bytes->constData(), sizeof(T));
        return record;
    }

    static bool validPort(port_t port) { return port <= PortB; }

    RemoteControl *m_remote;   // not owned
    const int m_settingsSize;
    const int m_resultsSize;
    const int m_testId;
    std::atomic<int> m_resultsParam{0};

    mutable QMutex m_lock;     // guards the buffers
    std::optional<QByteArray> m_settings[2];
    std::optional<QByteArray> m_results[2];
};
