// quillon-cli bank FILE: the memory list a bank file gives.
#include "CliCommand.h"
#include "CliFiles.h"
#include "CommandLine.h"
#include "Commands.h"
#include "JsonWriter.h"

namespace quillon::cli
{

int runBank(const QStringList& args, const QString& usage)
{
    CommandLine line({}, args);
    const QStringList& files = line.rest();
    if (files.size() != 1 || files.first().startsWith(u'-'))
        return usageError(usage, QStringLiteral("give one bank file"));
    const auto contents = readBankInput(files.first());
    if (!contents)
        return BadInput;
    JsonWriter json;
    json.beginObject();
    json.key("memories");
    json.beginArray();
    for (int row = 0; row < kMemoryCount; ++row) {
        const int memory = row + 1;
        json.beginObject();
        json.member("memory", memory);
        json.member("item", memoryItemText(memory, contents->marks[row]));
        json.member("marked", contents->marks[row]);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return writeOutput(QString(), json.finish());
}

} // namespace quillon::cli
