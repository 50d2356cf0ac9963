#include "archive/TeamUploader.h"

#include "archive/TeamSync.h"

#include <QTimer>

#include <limits>

namespace quillon
{

TeamUploader::TeamUploader(const QString& archivePath, QObject* parent)
    : QObject(parent), m_archivePath(archivePath), m_settle(new QTimer(this)),
      m_period(new QTimer(this)), m_retry(new QTimer(this))
{
    qRegisterMetaType<TeamStatus>();
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettle);
    m_retry->setSingleShot(true);
    m_period->setInterval(kPeriod);
    for (QTimer* timer : {m_settle, m_period, m_retry})
        connect(timer, &QTimer::timeout, this, &TeamUploader::pass);
}

TeamUploader::~TeamUploader() = default;

void TeamUploader::setServer(const QString& conninfo)
{
    m_conninfo = conninfo.trimmed();
    m_server.close();
    m_retryAfter = kFirstRetry;
    m_retry->stop();
    if (m_conninfo.isEmpty()) {
        m_period->stop();
        tell({});
        return;
    }
    m_period->start();
    pass();
}

void TeamUploader::entriesAppended()
{
    // While the server is away, the retry's pause holds: the count of waiting entries follows.
    if (!m_conninfo.isEmpty())
        m_settle->start();
}

void TeamUploader::sendNow()
{
    if (!m_conninfo.isEmpty())
        pass();
}

TeamStatus TeamUploader::offline(const ArchiveFailure& failure)
{
    TeamStatus status{TeamStatus::Offline, 0, failure};
    qint64 all = 0;
    qint64 sent = 0;
    const qint64 known = m_local.origin() == m_serverHasOrigin ? m_serverHas : 0;
    if (!m_local.countUpTo(std::numeric_limits<qint64>::max(), all) &&
        !m_local.countUpTo(known, sent))
        status.waiting = all - sent;
    return status;
}

void TeamUploader::pass()
{
    m_settle->stop();
    m_retry->stop();
    if (m_conninfo.isEmpty())
        return;
    // Opened for each pass: a damaged file the journal moved aside is not read on.
    struct Closer {
        SqliteArchive& archive;
        ~Closer() { archive.close(); }
    } closer{m_local};
    ArchiveFailure f = m_local.open(m_archivePath, SqliteArchive::Open::ExistingOnly);
    if (f) {
        tell({TeamStatus::Failed, 0, f});
        return;
    }
    if (!m_server.isOpen())
        f = m_server.open(m_conninfo);
    TeamSync::Count count;
    TeamSync sync(m_local, m_server);
    if (!f)
        f = sync.run(count);
    if (!f) {
        m_serverHas = count.upTo;
        m_serverHasOrigin = m_local.origin();
        m_retryAfter = kFirstRetry;
        qint64 waiting = 0;
        f = sync.waiting(waiting); // appended while the pass ran: the next one takes them
        if (!f) {
            tell({TeamStatus::UpToDate, 0, {}});
            if (waiting > 0)
                m_settle->start();
            return;
        }
    }
    m_server.close();
    if (f.kind != ArchiveFailure::Unreachable) {
        tell({TeamStatus::Failed, 0, f});
        return;
    }
    tell(offline(f));
    m_retry->start(m_retryAfter);
    m_retryAfter = std::min(m_retryAfter * 2, kLongestRetry);
}

void TeamUploader::tell(const TeamStatus& status)
{
    if (status == m_status)
        return;
    m_status = status;
    emit statusChanged(status);
}

} // namespace quillon
