// quillon-cli archive: lists, shows and exports the entries of a record archive; and the
// --archive option of the commands that store records.
#include "archive/ArchiveJournal.h"
#include "ArchiveOption.h"
#include "CliCommand.h"
#include "CliFiles.h"
#include "CommandLine.h"
#include "Commands.h"
#include "core/NoteLines.h"
#include "JsonWriter.h"
#include "RecordJson.h"

#include <QDateTime>

#include <memory>

namespace quillon::cli
{

namespace
{

// The archive of the command being run with --archive.
QString g_archivePath;
std::unique_ptr<ArchiveJournal> g_journal;
bool g_archiveFailed = false;

// A date (the whole day) or a date and time; UTC unless an offset is given. Null when the text
// is neither.
std::optional<qint64> parseTime(const QString& text, bool endOfDay)
{
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (date.isValid() && text.size() == 10)
        return QDateTime(endOfDay ? date.addDays(1) : date, QTime(0, 0), Qt::UTC)
            .toMSecsSinceEpoch();
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!time.isValid())
        return std::nullopt;
    if (time.timeSpec() == Qt::LocalTime)
        time.setTimeSpec(Qt::UTC);
    return time.toMSecsSinceEpoch() + (endOfDay ? 1 : 0);
}

QString utcText(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC)
        .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
}

// BadInput after one stderr line when DB is missing or cannot be read.
int openExisting(SqliteArchive& archive, const QString& path)
{
    if (const ArchiveFailure f = archive.open(path, SqliteArchive::Open::ExistingOnly))
        return fail(BadInput, path + QStringLiteral(": ") + f.text);
    return Success;
}

int runList(SqliteArchive& archive, const QString& db, const CommandLine& line,
            const QString& usage)
{
    const QStringList values{
        line.value(QStringLiteral("--memory")), line.value(QStringLiteral("--search")),
        line.value(QStringLiteral("--since")), line.value(QStringLiteral("--until"))};
    ArchiveQuery q;
    q.limit = 0;
    q.newestFirst = false;
    q.search = values[1];
    if (!values[0].isEmpty()) {
        bool ok = false;
        const int memory = values[0].toInt(&ok);
        if (!ok || !isStorableMemory(memory))
            return usageError(usage, QStringLiteral("--memory needs a memory number 1..200"));
        q.memory = memory;
    }
    if (!values[2].isEmpty()) {
        q.sinceMs = parseTime(values[2], false);
        if (!q.sinceMs)
            return usageError(usage, QStringLiteral("--since needs an ISO date"));
    }
    if (!values[3].isEmpty()) {
        q.untilMs = parseTime(values[3], true);
        if (!q.untilMs)
            return usageError(usage, QStringLiteral("--until needs an ISO date"));
    }
    if (const int status = openExisting(archive, db); status != Success)
        return status;
    std::vector<ArchiveEntry> entries;
    if (const ArchiveFailure f = archive.query(q, entries))
        return fail(BadInput, db + QStringLiteral(": ") + f.text);
    JsonWriter json;
    json.beginObject();
    json.key("entries");
    json.beginArray();
    for (const ArchiveEntry& e : entries) {
        json.beginObject();
        json.member("id", int(e.id));
        json.member("time", utcText(e.timeMs));
        json.member("kind", kindName(e.kind));
        json.member("memory", e.memory);
        json.member("source", e.source);
        json.textsMember("notes", noteTexts(e.record));
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return writeOutput(QString(), json.finish());
}

// One entry; BadInput after one stderr line when there is none.
int fetchEntry(SqliteArchive& archive, const QString& db, qint64 id, ArchiveEntry& e)
{
    bool found = false;
    if (const ArchiveFailure f = archive.fetch(id, e, found))
        return fail(BadInput, db + QStringLiteral(": ") + f.text);
    if (!found)
        return fail(BadInput, db + QStringLiteral(": no entry %1").arg(id));
    return Success;
}

int runShow(SqliteArchive& archive, const QString& db, const CommandLine& line,
            const QString& usage)
{
    bool ok = false;
    const qint64 id = line.value(QStringLiteral("--id")).toLongLong(&ok);
    if (!ok || id <= 0)
        return usageError(usage, QStringLiteral("--id needs an entry number"));
    if (const int status = openExisting(archive, db); status != Success)
        return status;
    ArchiveEntry e;
    if (const int status = fetchEntry(archive, db, id, e); status != Success)
        return status;
    return writeOutput(QString(), recordJson(e.record));
}

int runExport(SqliteArchive& archive, const QString& db, const CommandLine& line,
              const QString& usage)
{
    const QStringList values{line.value(QStringLiteral("--ids")), line.value(QStringLiteral("-o"))};
    if (values[0].isEmpty() || values[1].isEmpty())
        return usageError(usage, QStringLiteral("--ids and -o are needed"));
    std::vector<qint64> ids;
    for (const QString& item : values[0].split(QLatin1Char(','))) {
        bool ok = false;
        const qint64 id = item.trimmed().toLongLong(&ok);
        if (!ok || id <= 0)
            return usageError(usage, QStringLiteral("--ids needs entry numbers: 1,5,9"));
        ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    if (const int status = openExisting(archive, db); status != Success)
        return status;
    std::vector<ArchiveEntry> entries(ids.size());
    for (size_t i = 0; i < ids.size(); ++i)
        if (const int status = fetchEntry(archive, db, ids[i], entries[i]); status != Success)
            return status;
    return writeOutput(values[1], bankFileOf(entries));
}

} // namespace

int runArchive(const QStringList& args, const QString& usage)
{
    if (args.isEmpty())
        return usageError(usage, QStringLiteral("give list, show or export"));
    const QString what = args.first();
    QStringList options{QStringLiteral("--db")};
    if (what == QLatin1String("list"))
        options << QStringLiteral("--memory") << QStringLiteral("--search")
                << QStringLiteral("--since") << QStringLiteral("--until");
    else if (what == QLatin1String("show"))
        options << QStringLiteral("--id");
    else if (what == QLatin1String("export"))
        options << QStringLiteral("--ids") << QStringLiteral("-o");
    else
        return usageError(usage, QStringLiteral("unknown archive command: ") + what);
    CommandLine line(options, args.mid(1));
    if (const int status = line.refuseOthers(usage); status != Success)
        return status;
    const QString db = line.value(QStringLiteral("--db"));
    if (db.isEmpty())
        return usageError(usage, QStringLiteral("--db DB is needed"));
    SqliteArchive archive;
    if (what == QLatin1String("list"))
        return runList(archive, db, line, usage);
    if (what == QLatin1String("show"))
        return runShow(archive, db, line, usage);
    return runExport(archive, db, line, usage);
}

int withArchive(CommandRun run, const QStringList& arguments, const QString& usage)
{
    // --archive DB is taken out; everything else goes to the command as given.
    QStringList args = arguments;
    const qsizetype at = args.indexOf(QStringLiteral("--archive"));
    if (at >= 0) {
        if (at + 1 >= args.size())
            return usageError(usage, QStringLiteral("--archive needs a value"));
        g_archivePath = args.at(at + 1);
        args.remove(at, 2);
    }
    g_archiveFailed = false;
    int status = run(args, usage);
    // The command wrote its bank file: nothing it stored is left unsaved.
    if (status == Success && g_journal)
        g_journal->bankSaved(QString());
    g_journal.reset();
    g_archivePath.clear();
    if (status == Success && g_archiveFailed)
        status = DeviceFailure;
    return status;
}

int useArchive(Module1& module)
{
    if (g_archivePath.isEmpty())
        return Success;
    g_journal = std::make_unique<ArchiveJournal>(module, g_archivePath);
    QObject::connect(g_journal.get(), &ArchiveJournal::archiveFailed, [](const QString& message) {
        g_archiveFailed = true;
        err(message);
    });
    QObject::connect(g_journal.get(), &ArchiveJournal::archiveReplaced, &err);
    return g_journal->open() ? Success : DeviceFailure;
}

} // namespace quillon::cli
