// quillon-cli record SOURCE: the record as numbers, the setup panel, the note boxes.
#include "CliCommand.h"
#include "CliFiles.h"
#include "core/NoteLines.h"
#include "core/PanelTexts.h"
#include "JsonWriter.h"
#include "RecordJson.h"
#include "RecordSource.h"

namespace quillon::cli
{

QByteArray recordJson(const Record& record)
{
    const PanelTexts panel = panelTexts(record);
    JsonWriter json;
    json.beginObject();
    json.member("memory", memoryNumberOf(record));
    json.key("positions");
    json.beginArray();
    for (int p = 0; p < kRecordLength; ++p)
        json.value(int(record[p]));
    json.endArray();
    json.key("panel");
    json.beginObject();
    for (int i = 0; i < kPanelFieldCount; ++i)
        json.member(kPanelFields[i].control, panel.boxes[i]);
    for (int i = 0; i < kReadoutCount; ++i)
        json.member(kReadoutFields[i].control, panel.readouts[i]);
    json.member("txttmdt", panel.txttmdt);
    json.endObject();
    json.key("notes");
    json.beginArray();
    for (const QString& line : noteTexts(record))
        json.value(line);
    json.endArray();
    json.endObject();
    return json.finish();
}

namespace
{

const QString kUsage = QStringLiteral("record SOURCE");

int runRecord(const QStringList& arguments)
{
    QStringList args = arguments;
    RecordSource source;
    QString problem;
    if (!RecordSource::parse(args, source, &problem))
        return usageError(kUsage, problem);
    Record record{};
    if (const int status = source.loadFor(kUsage, args, record); status != Success)
        return status;
    return writeOutput(QString(), recordJson(record));
}

const bool registered = registerCommand({QStringLiteral("record"), kUsage, runRecord});

} // namespace

} // namespace quillon::cli
