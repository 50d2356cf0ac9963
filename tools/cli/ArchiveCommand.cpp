// quillon-cli archive: lists, shows and exports the entries of a record archive (a PC's file or
// the team archive on a server), sends a PC's archive to the team archive; and the --archive
// option of the commands that store records.
#include "archive/ArchiveJournal.h"
#include "archive/TeamSync.h"
#include "ArchiveOption.h"
#include "ArchiveStoreOption.h"
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

int runList(Store& s, const CommandLine& line, const QString& usage)
{
    const QStringList values{
        line.value(QStringLiteral("--memory")), line.value(QStringLiteral("--search")),
        line.value(QStringLiteral("--since")), line.value(QStringLiteral("--until")),
        line.value(QStringLiteral("--limit"))};
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
    if (!values[4].isEmpty()) {
        bool ok = false;
        q.limit = values[4].toInt(&ok);
        if (!ok || q.limit <= 0)
            return usageError(usage, QStringLiteral("--limit needs a number of entries"));
    }
    if (const int status = openStore(s, line, usage); status != Success)
        return status;
    std::vector<ArchiveEntry> entries;
    if (const ArchiveFailure f = s.store->query(q, entries))
        return storeFailure(s, f);
    JsonWriter json;
    json.beginObject();
    json.key("entries");
    json.beginArray();
    for (const ArchiveEntry& e : entries) {
        json.beginObject();
        json.member("id", double(e.id));
        json.member("origin", e.origin);
        json.member("time", utcText(e.timeMs));
        json.member("kind", kindName(e.kind));
        json.member("memory", e.memory);
        json.member("source", e.source);
        json.member("host", e.host);
        json.member("user", e.user);
        json.textsMember("notes", noteTexts(e.record));
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return writeOutput(QString(), json.finish());
}

// An entry named as ORIGIN:ID, or by its bare id in a PC's own archive (not on a server).
std::optional<EntryRef> entryRef(const CommandLine& line, const QString& text)
{
    const std::optional<EntryRef> ref = EntryRef::parse(text.trimmed());
    if (ref && ref->origin.isEmpty() && !line.value(QStringLiteral("--server")).isEmpty())
        return std::nullopt;
    return ref;
}

// One entry; BadInput after one stderr line when there is none.
int fetchEntry(Store& s, const EntryRef& ref, ArchiveEntry& e)
{
    bool found = false;
    if (const ArchiveFailure f = s.store->fetch(ref, e, found))
        return storeFailure(s, f);
    if (!found)
        return fail(BadInput, s.name + QStringLiteral(": no entry %1").arg(ref.text()));
    return Success;
}

int runShow(Store& s, const CommandLine& line, const QString& usage)
{
    const std::optional<EntryRef> ref = entryRef(line, line.value(QStringLiteral("--id")));
    if (!ref)
        return usageError(usage, QStringLiteral("--id needs an entry: ORIGIN:ID (or ID in --db)"));
    if (const int status = openStore(s, line, usage); status != Success)
        return status;
    ArchiveEntry e;
    if (const int status = fetchEntry(s, *ref, e); status != Success)
        return status;
    return writeOutput(QString(), recordJson(e.record));
}

int runExport(Store& s, const CommandLine& line, const QString& usage)
{
    const QStringList values{line.value(QStringLiteral("--ids")), line.value(QStringLiteral("-o"))};
    if (values[0].isEmpty() || values[1].isEmpty())
        return usageError(usage, QStringLiteral("--ids and -o are needed"));
    std::vector<EntryRef> refs;
    for (const QString& item : values[0].split(QLatin1Char(','))) {
        const std::optional<EntryRef> ref = entryRef(line, item);
        if (!ref)
            return usageError(usage,
                              QStringLiteral("--ids needs entries: 1,5,9 or ORIGIN:ID,ORIGIN:ID"));
        refs.push_back(*ref);
    }
    if (const int status = openStore(s, line, usage); status != Success)
        return status;
    std::vector<ArchiveEntry> entries(refs.size());
    for (size_t i = 0; i < refs.size(); ++i)
        if (const int status = fetchEntry(s, refs[i], entries[i]); status != Success)
            return status;
    // The later entry of a memory wins: in the order they were made.
    std::ranges::sort(entries, [](const ArchiveEntry& a, const ArchiveEntry& b) {
        return std::tie(a.timeMs, a.origin, a.id) < std::tie(b.timeMs, b.origin, b.id);
    });
    return writeOutput(values[1], bankFileOf(entries));
}

// Sends what the server lacks; the local archive is only read.
int runSync(Store& s, const CommandLine& line, const QString& usage)
{
    const QString db = line.value(QStringLiteral("--db"));
    const QString conninfo = line.value(QStringLiteral("--server"));
    if (db.isEmpty() || conninfo.isEmpty())
        return usageError(usage, QStringLiteral("--db DB and --server CONNINFO are needed"));
    if (const int status = openServer(s, conninfo, usage); status != Success)
        return status;
    if (const ArchiveFailure f = s.local.open(db, SqliteArchive::Open::ExistingOnly))
        return fail(BadInput, db + QStringLiteral(": ") + f.text);
    TeamSync::Count count;
    if (const ArchiveFailure f = TeamSync(s.local, s.server).run(count))
        return f.kind == ArchiveFailure::Damaged || f.kind == ArchiveFailure::Unwritable
                   ? fail(BadInput, db + QStringLiteral(": ") + f.text)
                   : storeFailure(s, f);
    JsonWriter json;
    json.beginObject();
    json.member("sent", double(count.sent));
    json.member("already", double(count.already));
    json.endObject();
    return writeOutput(QString(), json.finish());
}

} // namespace

int runArchive(const QStringList& args, const QString& usage)
{
    if (args.isEmpty())
        return usageError(usage, QStringLiteral("give list, show, export or sync"));
    const QString what = args.first();
    QStringList options{QStringLiteral("--db"), QStringLiteral("--server")};
    if (what == QLatin1String("list"))
        options << QStringLiteral("--memory") << QStringLiteral("--search")
                << QStringLiteral("--since") << QStringLiteral("--until")
                << QStringLiteral("--limit");
    else if (what == QLatin1String("show"))
        options << QStringLiteral("--id");
    else if (what == QLatin1String("export"))
        options << QStringLiteral("--ids") << QStringLiteral("-o");
    else if (what != QLatin1String("sync"))
        return usageError(usage, QStringLiteral("unknown archive command: ") + what);
    CommandLine line(options, args.mid(1));
    if (const int status = line.refuseOthers(usage); status != Success)
        return status;
    Store store;
    if (what == QLatin1String("list"))
        return runList(store, line, usage);
    if (what == QLatin1String("show"))
        return runShow(store, line, usage);
    if (what == QLatin1String("sync"))
        return runSync(store, line, usage);
    return runExport(store, line, usage);
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
