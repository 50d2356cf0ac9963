#pragma once

#include "archive/TeamStatus.h"
#include "view/TeamSettingsWindow.h"

#include <QObject>
#include <QPointer>
#include <QThread>

class QAction;
class QLabel;

namespace quillon
{

class ArchiveJournal;
class MainWindow;
class TeamUploader;

// The team archive in the main window: the uploader runs on a thread of its own and copies the
// local archive to the server set in "Team archive" (Tools menu); the status bar tells where it
// stands. The local archive is written first, as always: nothing here waits for the server.
class TeamController : public QObject
{
    Q_OBJECT
public:
    static constexpr char kServerKey[] = "team/server";

    TeamController(MainWindow& window, ArchiveJournal& journal);
    ~TeamController() override;

    QAction* mnuteam = nullptr;

    void showSettings();
    TeamSettingsWindow* settingsWindow() const { return m_settings; }
    TeamStatus status() const { return m_status; }
    // Uses `conninfo` from now on (empty: none) and keeps it in the settings.
    void setServer(const QString& conninfo);
    // Tries `conninfo` off the GUI thread; the settings window shows what it found.
    void testConnection(const QString& conninfo);

signals:
    void connectionTested(const QString& text);

private:
    void statusChanged(const TeamStatus& status);

    MainWindow& m_window;
    QThread m_thread;
    TeamUploader* m_uploader = nullptr; // lives on m_thread
    QLabel* m_statusLabel = nullptr;
    QPointer<TeamSettingsWindow> m_settings;
    TeamStatus m_status;
};

} // namespace quillon
