#pragma once

#include "link/PortDescription.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <chrono>

namespace quillon
{

// Watches the serial ports while someone needs it: the ports the system lists (adapters
// plugged in or out) and one device path besides, such as a symlink to a pseudo-terminal, which
// the system never lists. Looks once a period on a timer; it runs only while held.
class PortWatcher : public QObject
{
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kPollInterval{1000};

    explicit PortWatcher(QObject* parent = nullptr);

    // Looking goes on while at least one holder wants it; the first hold looks at once.
    void hold();
    void release();
    bool isWatching() const { return m_timer.isActive(); }

    // The device path watched besides the listed ports; empty for none.
    void setWatchedDevice(const QString& device);
    QString watchedDevice() const { return m_watched; }
    // The watched device exists (a symlink: its target exists).
    bool watchedPresent() const { return m_present; }
    // The device the watched path leads to now; empty while it is absent.
    QString watchedTarget() const { return m_target; }

    // The listed ports, then the watched device while it exists and is not among them.
    QList<PortDescription> ports() const;

    // One look now.
    void poll();

signals:
    // The ports() list changed.
    void portsChanged();
    // The watched device appeared, went, now leads elsewhere or changed whether it may be used.
    void watchedDeviceChanged();

private:
    void lookAtWatched(bool* listChanged);

    QTimer m_timer;
    int m_holders = 0;
    QList<PortDescription> m_listed;
    QString m_watched;
    bool m_present = false;
    QString m_target;
    bool m_usable = false;
};

} // namespace quillon
