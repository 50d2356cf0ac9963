#include "link/PortWatcher.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace quillon
{

PortWatcher::PortWatcher(QObject* parent) : QObject(parent)
{
    m_timer.setInterval(kPollInterval);
    connect(&m_timer, &QTimer::timeout, this, &PortWatcher::poll);
}

void PortWatcher::hold()
{
    if (m_holders++ == 0) {
        poll();
        m_timer.start();
    }
}

void PortWatcher::release()
{
    if (m_holders > 0 && --m_holders == 0)
        m_timer.stop();
}

void PortWatcher::setWatchedDevice(const QString& device)
{
    if (device == m_watched)
        return;
    m_watched = device;
    bool listChanged = false;
    lookAtWatched(&listChanged);
    if (listChanged)
        emit portsChanged();
}

QList<PortDescription> PortWatcher::ports() const
{
    QList<PortDescription> list = m_listed;
    if (!m_present)
        return list;
    for (const PortDescription& port : list)
        if (port.device == m_watched || port.device == m_target)
            return list;
    const QString about = m_target != m_watched ? tr("link to %1").arg(m_target) : QString();
    list.append({m_watched, about});
    return list;
}

void PortWatcher::poll()
{
    QList<PortDescription> listed;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        listed.append(PortDescription::of(info));
    bool listChanged = listed != m_listed;
    m_listed = listed;
    lookAtWatched(&listChanged);
    if (listChanged)
        emit portsChanged();
}

void PortWatcher::lookAtWatched(bool* listChanged)
{
    bool present = false;
    QString target;
    bool usable = false;
    if (!m_watched.isEmpty()) {
        QFileInfo info(m_watched);
        info.setCaching(false);
        present = info.exists(); // a dangling symlink is absent
        if (present) {
            target = info.canonicalFilePath();
            usable = info.isReadable() && info.isWritable();
        }
    }
    if (present == m_present && target == m_target && usable == m_usable)
        return;
    if (present != m_present || target != m_target)
        *listChanged = true;
    m_present = present;
    m_target = target;
    m_usable = usable;
    emit watchedDeviceChanged();
}

} // namespace quillon
