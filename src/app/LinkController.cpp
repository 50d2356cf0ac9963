#include "app/LinkController.h"

#include "app/CaptureProgress.h"
#include "app/MainWindow.h"
#include "app/PortSelectionWindow.h"
#include "link/InstrumentLink.h"
#include "link/PortConfig.h"
#include "view/AscanView.h"
#include "view/MessageBox.h"

#include <QAction>
#include <QPushButton>
#include <QStatusBar>

namespace quillon
{

namespace
{
// How long the note that a record arrived stays in the status bar.
constexpr int kReceivedNoteMs = 5000;

QString noPortText()
{
    return QStringLiteral("No serial port is open: records can be neither received nor captured. "
                          "Choose a port under Option.");
}
} // namespace

LinkController::LinkController(MainWindow& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("linkController"));
    m_link = new InstrumentLink(window.module(), this);
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
    // The list item follows the bank by itself; a record sent by the instrument is drawn at once,
    // a captured one when the capture ends.
    connect(&m_window.module(), &Module1::rowChanged, this, [this](int row, StoreKind kind) {
        if (kind == StoreKind::Received)
            frameReceived(row);
        else if (kind == StoreKind::Captured)
            m_lastCaptured = row;
    });
    connect(m_link, &InstrumentLink::portLost, this,
            [this](const QString& text) { m_lostText = text; });
    connect(m_link, &InstrumentLink::statusMessage, this, [this](const QString& text) {
        showStatus(text == m_lostText && !m_link->isOpen()
                       ? text + QStringLiteral(". Choose the port again under Option.")
                       : text);
    });
    connect(m_link, &InstrumentLink::memoryRequested, this, &LinkController::memoryRequested);
    connect(m_link, &InstrumentLink::captureProgress, m_progress, &CaptureProgress::setProgress);
    connect(m_link, &InstrumentLink::captureFinished, this, &LinkController::captureFinished);
}

PortSelectionWindow* LinkController::portSelectionWindow()
{
    if (!m_portWindow) {
        m_portWindow = new PortSelectionWindow(m_window.module(), *m_link, &m_window);
        connect(m_portWindow, &PortSelectionWindow::portOpened, this, &LinkController::portChosen);
        connect(m_portWindow, &PortSelectionWindow::closedWithoutChoice, this,
                &LinkController::portSelectionClosed);
    }
    return m_portWindow;
}

bool LinkController::openConfiguredPort()
{
    Module1& module = m_window.module();
    const auto setting = PortConfig::read(QString::fromLatin1(PortConfig::kFileName));
    if (setting) {
        m_port = *setting;
        module.portno = setting->portno;
        if (m_link->open(setting->deviceName())) {
            showStatus(QStringLiteral("Port %1 is open.").arg(setting->deviceName()));
            return true;
        }
    }

    // The operator picks a port before the main window appears.
    const QString failedDevice = setting && setting->isNamed() ? setting->device : QString();
    module.portno = 1;
    m_port = PortSetting::numbered(1);
    m_window.hide();
    showMessage(&m_window, QString::fromLatin1(kConfigLost), QString::fromLatin1(kConfigLostTitle),
                [this, guard = QPointer<LinkController>(this), failedDevice] {
                    if (guard)
                        showPortSelectionFor(m_port, failedDevice);
                });
    return false;
}

void LinkController::showPortSelection()
{
    if (m_portWindow && m_portWindow->isVisible()) {
        m_portWindow->raise();
        m_portWindow->activateWindow();
        return;
    }
    showPortSelectionFor(m_port, {});
}

void LinkController::showPortSelectionFor(const PortSetting& current, const QString& otherDevice)
{
    PortSelectionWindow* form = portSelectionWindow();
    form->load(current, otherDevice);
    form->show();
    form->raise();
    form->activateWindow();
}

void LinkController::portChosen(const PortSetting& setting)
{
    m_port = setting;
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
    showStatus(QStringLiteral("Port %1 is open.").arg(setting.deviceName()));
}

void LinkController::portSelectionClosed()
{
    if (m_link->isOpen())
        return;
    // Without a port the program still opens, saves and prints bank files.
    m_window.show();
    showStatus(noPortText());
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
        showStatus(error);
    }
}

void LinkController::frameReceived(int row)
{
    m_window.showRecord(row);
    m_window.showStatus(QStringLiteral("Mem %1 received.").arg(row + 1), kReceivedNoteMs);
}

void LinkController::memoryRequested(int memory)
{
    // The A-scan area is cleared while the memory is asked for.
    m_window.picascan->setDrawing({});
    m_progress->setMemory(memory);
}

void LinkController::captureFinished(int stored, int failed)
{
    const bool cancelled = m_link->capture().wasCancelled();
    m_progress->end();
    m_window.cmdcapture->setEnabled(true);
    // The working record: the last memory received, or the previous record when none came.
    m_window.showRecord(m_lastCaptured >= 0 ? m_lastCaptured : m_window.shownRow());
    m_lastCaptured = -1;

    QString text;
    if (!m_link->isOpen())
        text = QStringLiteral("Capture stopped, the port is closed: %1 stored, %2 not captured.")
                   .arg(stored)
                   .arg(failed);
    else if (stored == 0 && failed == 0 && !cancelled)
        text = QStringLiteral("No memory is selected: the instrument was released.");
    else
        text = QStringLiteral("Capture %1: %2 stored, %3 without reply%4.")
                   .arg(cancelled ? QStringLiteral("cancelled") : QStringLiteral("ended"))
                   .arg(stored)
                   .arg(failed)
                   .arg(failed > 0 ? QStringLiteral(" (still selected)") : QString());
    showStatus(text);
}

void LinkController::showStatus(const QString& text)
{
    m_window.showStatus(text);
}

} // namespace quillon
