// quillon-cli table BANK...: the memories of bank files as one table, as JSON, CSV or XLSX.
#include "CliCommand.h"
#include "CliFiles.h"
#include "CommandLine.h"
#include "Commands.h"
#include "core/BankTable.h"
#include "core/LoadedFile.h"
#include "core/MemoryListParser.h"
#include "core/TestedTime.h"
#include "JsonWriter.h"
#include "report/TableExport.h"

#include <thread>
#include <vector>

namespace quillon::cli
{

namespace
{

// The rows of every file in turn: the listed memories, or for "all" the marked ones, ascending.
// Each file is read again as its rows are wanted, so that a season of files is never held at once.
class BankFilesTable : public TableRows
{
public:
    BankFilesTable(QStringList files, QList<int> memories)
        : m_files(std::move(files)), m_memories(std::move(memories))
    {
    }

    QStringList header() const override
    {
        return QStringList{QStringLiteral("file"), QStringLiteral("memory"),
                           QStringLiteral("marked"), QStringLiteral("tested")} +
               bankTableTextColumns();
    }
    int keyColumns() const override { return 2; }
    int testedColumn() const override { return 3; }

    void forEach(const Row& row) const override
    {
        forEachRecord([&row](const QString& file, int memory, bool marked, const Record& record) {
            QStringList texts{file, QString::number(memory),
                              marked ? QStringLiteral("true") : QStringLiteral("false"),
                              testedIsoText(record)};
            texts += bankTableTexts(record);
            row(texts, record);
        });
    }

    using Each = std::function<void(const QString&, int, bool, const Record&)>;
    void forEachRecord(const Each& each) const
    {
        for (const QString& file : m_files) {
            const auto contents = readBankInput(file);
            if (!contents)
                continue; // checked before the first row went out
            Record record{};
            for (int memory = 1; memory <= kMemoryCount; ++memory) {
                const bool marked = contents->marks[memory - 1];
                if (m_memories.isEmpty() ? !marked : !m_memories.contains(memory))
                    continue;
                std::copy_n(contents->bank[memory - 1].begin(), kRecordLength, record.begin());
                each(file, memory, marked, record);
            }
        }
    }

private:
    QStringList m_files;
    QList<int> m_memories; // empty: the marked memories
};

QByteArray tableJson(const BankFilesTable& table)
{
    JsonWriter json;
    json.beginObject();
    json.textsMember("columns", table.header());
    json.key("rows");
    json.beginArray();
    table.forEachRecord([&json](const QString& file, int memory, bool marked, const Record& r) {
        json.beginArray();
        json.value(file);
        json.value(memory);
        json.value(marked);
        json.value(testedIsoText(r));
        for (const QString& text : bankTableTexts(r))
            json.value(trimmedCell(text).toString());
        json.endArray();
    });
    json.endArray();
    json.endObject();
    return json.finish();
}

} // namespace

int runTable(const QStringList& args, const QString& usage)
{
    CommandLine line(
        {QStringLiteral("--memories"), QStringLiteral("--format"), QStringLiteral("-o")}, args);
    if (!line.missingValue().isEmpty())
        return usageError(usage, line.missingValue() + QStringLiteral(" needs a value"));
    const QStringList& files = line.rest();
    for (const QString& file : files)
        if (file.startsWith(u'-') && file != QLatin1String("-"))
            return usageError(usage, QStringLiteral("unknown option ") + file);
    if (files.isEmpty())
        return usageError(usage, QStringLiteral("give one or more bank files"));
    const QString format = line.value(QStringLiteral("--format"), QStringLiteral("json"));
    const QString output = line.value(QStringLiteral("-o"));
    if (!QStringList{u"json"_qs, u"csv"_qs, u"xlsx"_qs}.contains(format))
        return usageError(usage, QStringLiteral("--format is json, csv or xlsx"));
    if (format == QLatin1String("xlsx") && (output.isEmpty() || output == QLatin1String("-")))
        return usageError(usage, QStringLiteral("xlsx needs -o OUT"));
    QList<int> memories; // none: each file's marked memories
    QString problem;
    bool all = false;
    if (line.isSet(QStringLiteral("--memories")) &&
        !parseMemoryList(line.value(QStringLiteral("--memories")), memories, &problem, &all))
        return usageError(usage, QStringLiteral("--memories: ") + problem);

    // Every file is checked before anything is written, two at a time (reading is most of the
    // work); the first one in the order given that cannot be used is reported.
    std::vector<std::optional<FileFailure>> checks(std::size_t(files.size()));
    const auto check = [&files, &checks](qsizetype first) {
        auto contents = std::make_unique<BankFileContents>();
        for (qsizetype i = first; i < files.size(); i += 2)
            checks[std::size_t(i)] = readBankFile(files[i], *contents);
    };
    std::thread second(check, 1);
    check(0);
    second.join();
    for (const auto& failure : checks)
        if (failure) {
            err(briefText(*failure));
            return BadInput;
        }

    const BankFilesTable table(files, memories);
    if (format == QLatin1String("json"))
        return writeOutput(output, tableJson(table));
    if (format == QLatin1String("csv"))
        return writeOutput(output, csvOf(table));
    if (auto failure = writeXlsx(output, table))
        return fail(DeviceFailure, output + QStringLiteral(": ") + *failure);
    return Success;
}

} // namespace quillon::cli
