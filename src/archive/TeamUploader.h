#pragma once

#include "archive/ServerArchive.h"
#include "archive/SqliteArchive.h"
#include "archive/TeamStatus.h"

#include <QObject>

#include <chrono>

class QTimer;

namespace quillon
{

// Copies this PC's archive to the team archive in the background. It lives on a thread of its
// own (the owner moves it there) with its own connections to the local file and to the server,
// so that nothing the program does waits for the network: a pass runs shortly after entries are
// appended, every minute, and, while the server cannot be reached, again after a pause that
// grows up to five minutes. Each change of where it stands is told once.
class TeamUploader : public QObject
{
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kSettle{1500}; // appends come in bursts
    static constexpr std::chrono::minutes kPeriod{1};
    static constexpr std::chrono::seconds kFirstRetry{5};
    static constexpr std::chrono::seconds kLongestRetry{300};

    explicit TeamUploader(const QString& archivePath, QObject* parent = nullptr);
    ~TeamUploader() override;

    // Called through queued connections (or QMetaObject::invokeMethod) from other threads.
    // The team archive to use, as a libpq connection string or "service=NAME"; empty for none.
    Q_INVOKABLE void setServer(const QString& conninfo);
    // Entries were appended locally: a pass follows once they settle.
    Q_INVOKABLE void entriesAppended();
    Q_INVOKABLE void sendNow();

signals:
    void statusChanged(const quillon::TeamStatus& status);

private:
    void pass();
    void tell(const TeamStatus& status);
    TeamStatus offline(const ArchiveFailure& failure);

    QString m_archivePath;
    QString m_conninfo;
    SqliteArchive m_local;
    ServerArchive m_server;
    QTimer* m_settle;
    QTimer* m_period;
    QTimer* m_retry;
    std::chrono::seconds m_retryAfter = kFirstRetry;
    qint64 m_serverHas = 0;    // the highest local id the server was last known to hold
    QString m_serverHasOrigin; // of this archive file
    TeamStatus m_status;
};

} // namespace quillon
