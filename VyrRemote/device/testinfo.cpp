#include "testinfo.h"

#include "remotecontrol.h"

#include <QDebug>
#include <QMutexLocker>

namespace {
// Valid byte of a results reply: the tester marks complete records with 1.
constexpr unsigned char ResultsValid = 1;
}

TestInfo::TestInfo(RemoteControl *remote, int settingsSize, int resultsSize, int testId,
                   QObject *parent)
    : QObject(parent)
    , m_remote(remote)
    , m_settingsSize(settingsSize)
    , m_resultsSize(resultsSize)
    , m_testId(testId)
{
}

TestInfo::~TestInfo() = default;

std::optional<QByteArray> TestInfo::getSettings(port_t port) const
{
    if (!validPort(port))
        return std::nullopt;
    QMutexLocker lock(&m_lock);
    return m_settings[port];
}

std::optional<QByteArray> TestInfo::getResults(port_t port) const
{
    if (!validPort(port))
        return std::nullopt;
    QMutexLocker lock(&m_lock);
    return m_results[port];
}

void TestInfo::setResultsParam(int param)
{
    m_resultsParam.store(param);
}

int TestInfo::getResultsParam() const
{
    return m_resultsParam.load();
}

void TestInfo::receiveSettings(port_t port)
{
    if (m_settingsSize == 0)
        return;
    if (!validPort(port)) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "refused port" << port;
        return;
    }
    // Read into a private copy so the GUI never sees a half-written record;
    // a short reply keeps the tail of what was cached (zeros when new).
    QByteArray buffer;
    {
        QMutexLocker lock(&m_lock);
        buffer = m_settings[port] ? *m_settings[port] : QByteArray(m_settingsSize, '\0');
    }
    const bool ok = m_remote->getSettings(port, uchar(m_testId), buffer.data(), m_settingsSize);
    {
        QMutexLocker lock(&m_lock);
        if (ok)
            m_settings[port] = std::move(buffer);
        else
            m_settings[port].reset();
    }
    emit settingsReceived();
}

void TestInfo::sendSettings(port_t port, QByteArray settings)
{
    if (m_settingsSize == 0 || !validPort(port))
        return;
    if (settings.size() != m_settingsSize) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "test" << m_testId
                 << "refused settings of" << settings.size() << "bytes";
        return;
    }
    {
        QMutexLocker lock(&m_lock);
        // Settings edited from a record that has since been dropped (link
        // lost, configuration loaded) are stale: do not send them.
        if (!m_settings[port])
            return;
        m_settings[port] = settings;
    }
    m_remote->setSettings(port, uchar(m_testId), settings.data(), m_settingsSize);
}

void TestInfo::receiveResults(port_t port)
{
    if (!validPort(port)) {
        qDebug() << __FILE__ << __LINE__ << Q_FUNC_INFO << "refused port" << port;
        return;
    }
    bool haveSettings;
    {
        QMutexLocker lock(&m_lock);
        haveSettings = m_settings[port].has_value();
    }
    if (!haveSettings)
        receiveSettings(port);
    if (m_resultsSize == 0)
        return;

    // Take the buffer out: while the request runs the record shows no results.
    QByteArray buffer;
    const int param = m_resultsParam.load();
    {
        QMutexLocker lock(&m_lock);
        if (m_results[port]) {
            buffer = std::move(*m_results[port]);
            m_results[port].reset();
        }
    }
    if (buffer.size() != m_resultsSize)
        buffer = QByteArray(m_resultsSize, '\0');

    unsigned char valid = 0;
    const bool ok = m_remote->getResults(port, uchar(m_testId), param, buffer.data(),
                                         m_resultsSize, valid);
    if (ok && valid == ResultsValid) {
        QMutexLocker lock(&m_lock);
        m_results[port] = std::move(buffer);
    }
    emit resultsReceived();
}

void TestInfo::loadDefaultSettings(port_t port)
{
    if (!validPort(port))
        return;
    m_remote->loadDefaultSettings(port, uchar(m_testId));
    receiveSettings(port);
}

void TestInfo::clear()
{
    QMutexLocker lock(&m_lock);
    for (auto &s : m_settings)
        s.reset();
    for (auto &r : m_results)
        r.reset();
}
