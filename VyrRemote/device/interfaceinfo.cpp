#include "interfaceinfo.h"

#include "remotecontrol.h"

#include <QMutexLocker>

#include <cstring>

namespace {
constexpr uchar InterfaceSettingsId = TestInterfaceSettings;
}

InterfaceInfo::InterfaceInfo(RemoteControl *remote, int port, QObject *parent)
    : QObject(parent)
    , m_remote(remote)
    , m_port(port)
{
}

std::optional<eth_settings_t> InterfaceInfo::getSettings() const
{
    QMutexLocker lock(&m_lock);
    return m_settings;
}

void InterfaceInfo::receiveSettings()
{
    // A private copy is read; a short reply keeps the tail of what was cached.
    eth_settings_t buffer;
    {
        QMutexLocker lock(&m_lock);
        if (m_settings)
            buffer = *m_settings;
        else
            std::memset(&buffer, 0, sizeof buffer);
    }
    const bool ok = m_remote->getSettings(port_t(m_port), InterfaceSettingsId, &buffer,
                                          int(sizeof buffer));
    {
        QMutexLocker lock(&m_lock);
        if (ok)
            m_settings = buffer;
        else
            m_settings.reset();
    }
    emit settingsReceived();
}

void InterfaceInfo::sendSettings(eth_settings_t settings)
{
    {
        QMutexLocker lock(&m_lock);
        if (!m_settings)
            return;
        m_settings = settings;
    }
    m_remote->setSettings(port_t(m_port), InterfaceSettingsId, &settings, int(sizeof settings));
}

void InterfaceInfo::clear()
{
    QMutexLocker lock(&m_lock);
    m_settings.reset();
}
