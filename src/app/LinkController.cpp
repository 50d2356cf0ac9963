#include "app/LinkController.h"

#include "app/CaptureProgress.h"
#include "app/MainWindow.h"
#include "app/PortSelectionWindow.h"
#include "link/InstrumentLink.h"
#include "link/PortConfig.h"
#include "link/PortWatcher.h"
#include "link/Reception.h"
#include "view/MessageBox.h"
#include "view/Widgets.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QStatusBar>

namespace quillon
{

namespace
{
// How long the note that a record arrived stays in the status bar.
constexpr int kReceivedNoteMs = 5000;

} // namespace

LinkController::LinkController(MainWindow& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("linkController"));
    m_link = new InstrumentLink(window.module(), this);
    m_watcher = new PortWatcher(this);
    // Queued: the port is never reopened from within the report that it was lost.
    connect(m_watcher, &PortWatcher::watchedDeviceChanged, this,
            &LinkController::watchedDeviceChanged, Qt::QueuedConnection);
    m_progress = new CaptureProgress(&window);
    window.statusBar()->addPermanentWidget(m_progress);

    window.mnuoption->setEnabled(true);
    window.cmdcapture->setEnabled(true);
    connect(window.mnuoption, &QAction::triggered, this, &LinkController::showPortSelection);
    connect(window.cmdcapture, &QPushButton::clicked, this, &LinkController::cmdcapture_Click);
    connect(m_progress, &CaptureProgress::cancelRequested, this,
            [this] { m_link->capture().cancel(); });
    connectLink();
}

LinkController::~LinkController() = default;

void LinkController::connectLink()
{
    // The list item follows the bank by itself. A record sent by the instrument or captured is
    // drawn at once; the trace before it stays until then.
    connect(&m_window.module(), &Module1::rowChanged, this, [this](int row, StoreKind kind) {
        if (kind != StoreKind::Received && kind != StoreKind::Captured)
            return;
        m_window.showRecord(row);
        if (kind == StoreKind::Received)
            m_window.showStatus(m_window.withDraftNote(tr("Mem %1 received").arg(row + 1)),
                                m_window.lastKeptDraft() == MainWindow::kNoRow ? kReceivedNoteMs
                                                                               : 0);
    });
    // A lost port is told with what happens next; the reader's problems as they are.
    connect(m_link, &InstrumentLink::portLost, this, [this](const QString& text) {
        portLost();
        m_window.showStatus(tr("%1. It opens again by itself when it comes back, or choose "
                               "another port under Option.")
                                .arg(text));
    });
    auto showText = [this](const QString& text) { m_window.showStatus(text); };
    connect(&m_link->reception(), &Reception::frameRejected, this, showText);
    connect(&m_link->reception(), &Reception::frameAbandoned, this, showText);
    connect(m_link, &InstrumentLink::memoryRequested, this, &LinkController::memoryRequested);
    connect(m_link, &InstrumentLink::captureProgress, m_progress, &CaptureProgress::setProgress);
    connect(m_link, &InstrumentLink::captureFinished, this, &LinkController::captureFinished);
}

bool LinkController::openConfiguredPort()
{
    Module1& module = m_window.module();
    const QString config = QString::fromLatin1(PortConfig::kFileName);
    QString reason;
    const auto setting = PortConfig::read(config, &reason);
    if (setting) {
        setPort(*setting);
        module.portno = setting->portno;
        if (m_link->open(setting->deviceName(), &reason)) {
            m_window.showStatus(tr("Port %1 is open.").arg(setting->deviceName()));
            return true;
        }
    }

    // The operator picks a port before the main window appears, the configured one chosen.
    // Below the message: what went wrong, with the device (and, for a port refused for lack of
    // permission, what to do).
    const QString detail =
        setting ? (reason.contains(setting->deviceName())
                       ? reason
                       : tr("%1: %2").arg(setting->deviceName(), reason))
                : tr("\"%1\": %2").arg(QDir::current().absoluteFilePath(config), reason);
    const PortSetting chosen = setting ? *setting : PortSetting::numbered(1);
    module.portno = chosen.portno;
    setPort(chosen);
    m_startUpPending = true;
    m_window.hide();
    showMessage(
        &m_window, tr(kConfigLost), tr(kConfigLostTitle),
        [this, guard = QPointer<LinkController>(this)] {
            if (guard)
                showPortSelectionFor(m_port, {});
        },
        detail);
    return false;
}

void LinkController::finishStartUp()
{
    // Start-up ends as it does with a port that opens: the sample echo on display.
    if (!std::exchange(m_startUpPending, false))
        return;
    m_window.showSampleEcho();
}

void LinkController::showPortSelection()
{
    if (m_portWindow && m_portWindow->isVisible())
        showInFront(m_portWindow);
    else
        showPortSelectionFor(m_port, {});
}

void LinkController::showPortSelectionFor(const PortSetting& current, const QString& otherDevice)
{
    if (!m_portWindow) { // frmoption, made on first use
        m_portWindow = new PortSelectionWindow(m_window.module(), *m_link, &m_window);
        m_portWindow->setPortWatcher(m_watcher);
        connect(m_portWindow, &PortSelectionWindow::portOpened, this, &LinkController::portChosen);
        connect(m_portWindow, &PortSelectionWindow::closedWithoutChoice, this,
                &LinkController::portSelectionClosed);
    }
    // The list shows the device "dfd.cfg" named, once it is there, even when the system does
    // not list it (a symlink to a pseudo-terminal).
    if (!m_waiting)
        m_watcher->setWatchedDevice(otherDevice.isEmpty() ? current.deviceName() : otherDevice);
    m_portWindow->load(current, otherDevice);
    showInFront(m_portWindow);
}

void LinkController::portChosen(const PortSetting& setting)
{
    setPort(setting);
    finishStartUp();
    showInFront(&m_window);
    m_window.showStatus(tr("Port %1 is open.").arg(setting.deviceName()));
}

void LinkController::portSelectionClosed()
{
    if (m_link->isOpen())
        return;
    // Without a port the program still opens, saves and prints bank files.
    finishStartUp();
    m_window.show();
    m_window.showStatus(tr("No serial port is open: records can be neither received nor captured. "
                           "Choose a port under Option."));
}

void LinkController::cmdcapture_Click()
{
    Capture& capture = m_link->capture();
    if (capture.isRunning())
        return;
    const QList<int> rows = m_window.selectedRows();
    m_window.cmdcapture->setEnabled(false);
    m_progress->begin(int(rows.size()));
    QString error;
    if (!capture.start(rows, &error)) {
        m_progress->end();
        m_window.cmdcapture->setEnabled(true);
        m_window.showStatus(error);
    }
}

void LinkController::memoryRequested(int memory)
{
    m_progress->setMemory(memory);
}

void LinkController::captureFinished(int stored, int failed)
{
    const bool cancelled = m_link->capture().wasCancelled();
    m_progress->end();
    m_window.cmdcapture->setEnabled(true);
    // The working record drawn again (each captured memory was shown as it came).
    m_window.restoreDisplay(m_window.displayMemo());

    const CaptureEnd end = !m_link->isOpen()                          ? CaptureEnd::PortClosed
                           : stored == 0 && failed == 0 && !cancelled ? CaptureEnd::NothingSelected
                           : cancelled                                ? CaptureEnd::Cancelled
                                                                      : CaptureEnd::Ended;
    const QString text = captureEndText(end, stored, failed);
    m_window.showStatus(text);
}

QString LinkController::captureEndText(CaptureEnd end, int stored, int failed)
{
    switch (end) {
    case CaptureEnd::PortClosed:
        return tr("Capture stopped, the port is closed: %1 stored, %2 not captured.")
            .arg(stored)
            .arg(failed);
    case CaptureEnd::NothingSelected:
        return tr("No memory is selected: the instrument was released.");
    case CaptureEnd::Cancelled:
        return failed > 0
                   ? tr("Capture cancelled: %1 stored, %2 without reply (still selected).")
                         .arg(stored)
                         .arg(failed)
                   : tr("Capture cancelled: %1 stored, %2 without reply.").arg(stored).arg(failed);
    case CaptureEnd::Ended:
        break;
    }
    return failed > 0 ? tr("Capture ended: %1 stored, %2 without reply (still selected).")
                            .arg(stored)
                            .arg(failed)
                      : tr("Capture ended: %1 stored, %2 without reply.").arg(stored).arg(failed);
}

void LinkController::setPort(const PortSetting& setting)
{
    m_port = setting;
    stopWaiting(); // the operator's choice ends waiting for the port lost before
    m_watcher->setWatchedDevice(setting.deviceName());
}

void LinkController::portLost()
{
    if (m_waiting)
        return;
    m_waiting = true;
    m_sawGone = false;
    m_lostTarget = QFileInfo(m_link->deviceName()).canonicalFilePath();
    m_watcher->setWatchedDevice(m_link->deviceName());
    m_watcher->hold();
}

void LinkController::watchedDeviceChanged()
{
    if (!m_waiting)
        return;
    if (!m_watcher->watchedPresent()) {
        m_sawGone = true;
        return;
    }
    // The same name back on a device that never went (a line that failed but stayed) is not
    // tried again and again: only a device that went and came, or a name that now leads to
    // another device (a new pseudo-terminal behind the symlink).
    if (!m_sawGone && m_watcher->watchedTarget() == m_lostTarget)
        return;
    const QString device = m_watcher->watchedDevice();
    if (!m_link->open(device))
        return; // tried again when it changes (a device whose permissions udev sets late)
    stopWaiting();
    m_window.showStatus(tr("Port %1 is back and open again.").arg(device));
}

void LinkController::stopWaiting()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    m_watcher->release();
}

} // namespace quillon
