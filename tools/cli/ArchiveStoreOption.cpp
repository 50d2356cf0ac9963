#include "ArchiveStoreOption.h"

#include "archive/ArchiveFailure.h"
#include "CliCommand.h"

namespace quillon::cli
{

int storeFailure(const Store& s, const ArchiveFailure& f)
{
    if (s.remote)
        return fail(f.kind == ArchiveFailure::Other ? BadInput : ServerFailure,
                    s.name + QStringLiteral(": ") + archiveFailureText(f));
    return fail(BadInput, s.name + QStringLiteral(": ") + f.text);
}

int openServer(Store& s, const QString& conninfo, const QString& usage)
{
    QString why;
    if (!ServerArchive::parseable(conninfo, &why))
        return usageError(usage, QStringLiteral("--server: ") + why);
    // The connection string may hold a password: it is never repeated.
    s.name = QStringLiteral("team archive");
    s.remote = true;
    if (const ArchiveFailure f = s.openServer(conninfo))
        return storeFailure(s, f);
    return Success;
}

int openStore(Store& s, const CommandLine& line, const QString& usage)
{
    const QString db = line.value(QStringLiteral("--db"));
    const QString conninfo = line.value(QStringLiteral("--server"));
    if (db.isEmpty() == conninfo.isEmpty())
        return usageError(usage, QStringLiteral("give --db DB or --server CONNINFO"));
    if (!conninfo.isEmpty())
        return openServer(s, conninfo, usage);
    s.name = db;
    if (const ArchiveFailure f = s.openFile(db))
        return storeFailure(s, f);
    return Success;
}

} // namespace quillon::cli
