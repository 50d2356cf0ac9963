#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace quillon::test
{

// A throwaway PostgreSQL 15 cluster for one test program: made with initdb in a temporary
// folder, reached only through a Unix socket there (no TCP), fsync off, every local role trusted.
// When the test runs as root the server runs as the unprivileged `postgres` user, as PostgreSQL
// insists. Stopped and removed when the object goes.
class PgCluster
{
public:
    PgCluster() = default;
    ~PgCluster();
    PgCluster(const PgCluster&) = delete;
    PgCluster& operator=(const PgCluster&) = delete;

    // Makes the cluster and starts it; false with the reason in `why`.
    bool create(QString* why);
    bool start(QString* why);
    bool stop(QString* why);
    bool isRunning() const { return m_running; }

    // A connection string for `database` as `role` (the superuser "postgres" by default).
    QString conninfo(const QString& database = QStringLiteral("postgres"),
                     const QString& role = QStringLiteral("postgres")) const;
    // Runs `sql` on `database` as `role`; false with the server's words in `why`.
    bool run(const QString& sql, const QString& database = QStringLiteral("postgres"),
             QString* why = nullptr, const QString& role = QStringLiteral("postgres")) const;
    // A new empty database of this name (dropped first when it is there).
    bool freshDatabase(const QString& name, QString* why = nullptr) const;

private:
    bool pgTool(const QString& tool, const QStringList& args, QString* why) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    bool m_running = false;
};

} // namespace quillon::test
