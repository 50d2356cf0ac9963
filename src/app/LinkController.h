#pragma once

#include "link/PortSetting.h"

#include <QObject>
#include <QPointer>

namespace quillon
{

class CaptureProgress;
class InstrumentLink;
class MainWindow;
class PortSelectionWindow;
class PortWatcher;

// The instrument link in the main window: the port named in "dfd.cfg" opened at start-up (or
// the port selection offered when it cannot be), records the instrument sends marked in the list
// and drawn, "Capture" asking for the selected memories with its progress and Cancel in the
// status bar, and "Option" showing the port selection. Problems of the link (a record that could
// not be stored, a port that went away) are told in the status bar. A port that went away is
// opened again by itself when its device (or the symlink naming it) comes back.
class LinkController : public QObject
{
    Q_OBJECT
public:
    // The original program's message, its English kept as it was (misspellings included).
    static constexpr const char* kConfigLost = QT_TR_NOOP(
        "Port configuratin file is lost so select apropriate serial port which is necessary ");
    static constexpr const char* kConfigLostTitle = QT_TR_NOOP("File Error");

    // How a capture ended, as the status bar tells it.
    enum class CaptureEnd { PortClosed, NothingSelected, Cancelled, Ended };
    static QString captureEndText(CaptureEnd end, int stored, int failed);

    explicit LinkController(MainWindow& window);
    ~LinkController() override;

    InstrumentLink& link() { return *m_link; }
    // Watches the ports for the port selection's list and for a lost port's return.
    PortWatcher& portWatcher() { return *m_watcher; }
    // A lost port is waited for, to be opened again when it comes back.
    bool isWaitingForPort() const { return m_waiting; }

    // The port steps of start-up: "dfd.cfg" read, the port opened. When either fails the
    // "File Error" message is shown with the reason beneath it, and the port selection follows
    // with the configured port chosen (port 1 without one); the main window stays hidden until
    // the operator has chosen or cancelled, and then shows the sample echo. False on that path.
    bool openConfiguredPort();

    // "Option": the port selection, not modal.
    void showPortSelection();
    // cmdcapture_Click: asks the instrument for the selected memories.
    void cmdcapture_Click();

private:
    void connectLink();
    void memoryRequested(int memory);
    void captureFinished(int stored, int failed);
    void portChosen(const PortSetting& setting);
    void portSelectionClosed();
    void showPortSelectionFor(const PortSetting& current, const QString& otherDevice);
    void setPort(const PortSetting& setting);
    void portLost();
    void watchedDeviceChanged();
    void stopWaiting();
    void finishStartUp();

    MainWindow& m_window;
    InstrumentLink* m_link = nullptr;
    CaptureProgress* m_progress = nullptr;
    QPointer<PortSelectionWindow> m_portWindow;
    PortSetting m_port;
    PortWatcher* m_watcher = nullptr;
    bool m_waiting = false;        // the lost port is waited for
    bool m_sawGone = false;        // since it was lost, its device was seen absent
    QString m_lostTarget;          // the device the lost port's name led to when it was lost
    bool m_startUpPending = false; // start-up waits for the port selection
};

} // namespace quillon
