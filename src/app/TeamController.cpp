#include "app/TeamController.h"

#include "app/MainWindow.h"
#include "archive/ArchiveJournal.h"
#include "archive/ServerArchive.h"
#include "archive/TeamUploader.h"
#include "view/TeamSettingsWindow.h"
#include "view/Widgets.h"
#include "view/WindowSettings.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

namespace quillon
{

TeamController::TeamController(MainWindow& window, ArchiveJournal& journal)
    : QObject(&window), m_window(window), m_uploader(new TeamUploader(journal.path()))
{
    setObjectName(QStringLiteral("teamController"));
    mnuteam = named(m_window.toolsMenu()->addAction(tr("Team archive")), "mnuteam");
    connect(mnuteam, &QAction::triggered, this, &TeamController::showSettings);
    m_statusLabel = named(new QLabel(&m_window), "lblteam");
    m_window.statusBar()->addPermanentWidget(m_statusLabel);

    m_thread.setObjectName(QStringLiteral("team uploads"));
    m_uploader->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_uploader, &QObject::deleteLater);
    connect(m_uploader, &TeamUploader::statusChanged, this, &TeamController::statusChanged);
    // Every entry the journal appends comes before the row's change: a pass follows it.
    connect(&m_window.module(), &Module1::rowChanged, m_uploader, &TeamUploader::entriesAppended);
    connect(&m_window.module(), &Module1::bankReplaced, m_uploader, &TeamUploader::entriesAppended);
    m_thread.start();
    const QString server = WindowSettings::value(QLatin1String(kServerKey)).toString();
    if (!server.isEmpty())
        QMetaObject::invokeMethod(m_uploader, "setServer", Q_ARG(QString, server));
}

TeamController::~TeamController()
{
    m_thread.quit();
    m_thread.wait();
}

void TeamController::statusChanged(const TeamStatus& status)
{
    m_status = status;
    const QString text = teamStatusText(status);
    m_statusLabel->setText(text);
    if (m_settings)
        m_settings->showStatus(text);
}

void TeamController::setServer(const QString& conninfo)
{
    WindowSettings::setValue(QLatin1String(kServerKey), conninfo);
    QMetaObject::invokeMethod(m_uploader, "setServer", Q_ARG(QString, conninfo));
}

void TeamController::testConnection(const QString& conninfo)
{
    QString why;
    if (!ServerArchive::parseable(conninfo, &why)) {
        emit connectionTested(tr("This is no connection string: %1").arg(why));
        return;
    }
    if (m_settings)
        m_settings->setTesting(true);
    QPointer<TeamController> self(this);
    QThread* test = QThread::create([self, conninfo] {
        ServerArchive server;
        const ArchiveFailure f = server.open(conninfo);
        QString text = archiveFailureText(f);
        if (!f)
            text = server.encrypted() ? tr("Connected; the connection is encrypted.")
                                      : tr("Connected; the connection is NOT encrypted.");
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, text] {
                if (self)
                    emit self->connectionTested(text);
            },
            Qt::QueuedConnection);
    });
    connect(test, &QThread::finished, test, &QObject::deleteLater);
    test->start();
}

void TeamController::showSettings()
{
    if (!m_settings) {
        m_settings = new TeamSettingsWindow(&m_window);
        connect(m_settings, &TeamSettingsWindow::testRequested, this,
                &TeamController::testConnection);
        connect(m_settings, &TeamSettingsWindow::saveRequested, this, &TeamController::setServer);
        connect(this, &TeamController::connectionTested, m_settings, [this](const QString& text) {
            m_settings->setTesting(false);
            m_settings->showTestResult(text);
        });
    }
    m_settings->setServer(WindowSettings::value(QLatin1String(kServerKey)).toString());
    m_settings->showStatus(m_status.state == TeamStatus::Off
                               ? tr("No team archive is set: the archive stays on this PC.")
                               : teamStatusText(m_status));
    showInFront(m_settings);
}

} // namespace quillon
