#include "PgCluster.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <libpq-fe.h>
#include <pwd.h>
#include <unistd.h>

namespace quillon::test
{

namespace
{
const QString kBinDir = QStringLiteral("/usr/lib/postgresql/15/bin/");
constexpr int kPatienceMs = 60000;

// The unprivileged account the server runs under when the test is root.
bool runAsPostgres()
{
    return geteuid() == 0;
}
} // namespace

PgCluster::~PgCluster()
{
    if (m_running)
        stop(nullptr);
}

bool PgCluster::pgTool(const QString& tool, const QStringList& args, QString* why) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(m_dir->path());
    if (runAsPostgres())
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                  QStringLiteral("--"), kBinDir + tool} +
                          args);
    else
        process.start(kBinDir + tool, args);
    const bool ended = process.waitForFinished(kPatienceMs);
    if (ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    if (why)
        *why = tool + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAll()).trimmed() +
               process.errorString();
    return false;
}

bool PgCluster::create(QString* why)
{
    m_dir =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/quillon-pg-XXXXXX"));
    if (!m_dir->isValid()) {
        *why = m_dir->errorString();
        return false;
    }
    if (runAsPostgres()) {
        const passwd* pw = getpwnam("postgres");
        if (!pw) {
            *why = QStringLiteral("there is no postgres user to run the server as");
            return false;
        }
        if (chown(QFile::encodeName(m_dir->path()).constData(), pw->pw_uid, pw->pw_gid) != 0) {
            *why = QStringLiteral("the cluster's folder cannot be given to postgres");
            return false;
        }
    }
    return pgTool(QStringLiteral("initdb"),
                  {QStringLiteral("-D"), m_dir->filePath(QStringLiteral("data")),
                   QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-A"),
                   QStringLiteral("trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                   QStringLiteral("--no-sync"), QStringLiteral("--locale=C")},
                  why) &&
           start(why);
}

bool PgCluster::start(QString* why)
{
    const QString options =
        QStringLiteral("-k %1 -c listen_addresses='' -c fsync=off -c full_page_writes=off "
                       "-c synchronous_commit=off")
            .arg(m_dir->path());
    m_running =
        pgTool(QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), m_dir->filePath(QStringLiteral("data")), QStringLiteral("-l"),
                m_dir->filePath(QStringLiteral("log")), QStringLiteral("-o"), options,
                QStringLiteral("-w"), QStringLiteral("start")},
               why);
    return m_running;
}

bool PgCluster::stop(QString* why)
{
    const bool stopped =
        pgTool(QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), m_dir->filePath(QStringLiteral("data")), QStringLiteral("-m"),
                QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("stop")},
               why);
    m_running = !stopped;
    return stopped;
}

QString PgCluster::conninfo(const QString& database, const QString& role) const
{
    return QStringLiteral("host=%1 dbname=%2 user=%3").arg(m_dir->path(), database, role);
}

bool PgCluster::run(const QString& sql, const QString& database, QString* why,
                    const QString& role) const
{
    PGconn* conn = PQconnectdb(conninfo(database, role).toUtf8().constData());
    bool ok = PQstatus(conn) == CONNECTION_OK;
    PQsetNoticeProcessor(
        conn, [](void*, const char*) {}, nullptr);
    if (ok) {
        PGresult* result = PQexec(conn, sql.toUtf8().constData());
        const ExecStatusType status = PQresultStatus(result);
        ok = status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
        PQclear(result);
    }
    if (!ok && why)
        *why = QString::fromUtf8(PQerrorMessage(conn)).trimmed();
    else if (why)
        why->clear();
    PQfinish(conn);
    return ok;
}

bool PgCluster::freshDatabase(const QString& name, QString* why) const
{
    return run(QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(name),
               QStringLiteral("postgres"), why) &&
           run(QStringLiteral("CREATE DATABASE \"%1\"").arg(name), QStringLiteral("postgres"), why);
}

} // namespace quillon::test
