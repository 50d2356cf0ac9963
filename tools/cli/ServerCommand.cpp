// quillon-cli server init: makes the team archive's schema, tables and roles on a PostgreSQL
// server, or brings them up to this program's version.
#include "archive/ServerArchive.h"
#include "CliCommand.h"
#include "CliFiles.h"
#include "CommandLine.h"
#include "Commands.h"
#include "JsonWriter.h"

namespace quillon::cli
{

int runServer(const QStringList& args, const QString& usage)
{
    if (args.value(0) != QLatin1String("init"))
        return usageError(usage, QStringLiteral("give init"));
    CommandLine line({QStringLiteral("--server")}, args.mid(1));
    if (const int status = line.refuseOthers(usage); status != Success)
        return status;
    const QString conninfo = line.value(QStringLiteral("--server"));
    QString why;
    if (conninfo.isEmpty())
        return usageError(usage, QStringLiteral("--server CONNINFO is needed"));
    if (!ServerArchive::parseable(conninfo, &why))
        return usageError(usage, QStringLiteral("--server: ") + why);
    ServerArchive server;
    ArchiveFailure f = server.connect(conninfo);
    if (!f)
        f = server.init();
    if (f)
        return fail(ServerFailure, QStringLiteral("team archive: ") + archiveFailureText(f));
    JsonWriter json;
    json.beginObject();
    json.member("schema", ServerArchive::kSchemaVersion);
    json.endObject();
    return writeOutput(QString(), json.finish());
}

} // namespace quillon::cli
