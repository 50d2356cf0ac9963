// quillon-cli bank FILE: the memory list a bank file gives.
#include "CliCommand.h"
#include "CliFiles.h"
#include "core/BankFile.h"
#include "JsonWriter.h"

#include <memory>

namespace quillon::cli
{

namespace
{

const QString kUsage = QStringLiteral("bank FILE");

int runBank(const QStringList& args)
{
    if (args.size() != 1 || args.first().startsWith(u'-'))
        return usageError(kUsage, QStringLiteral("give one bank file"));
    const QString path = args.first();
    const auto contents = readBankFile(path);
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

const bool registered = registerCommand({QStringLiteral("bank"), kUsage, runBank});

} // namespace

} // namespace quillon::cli
