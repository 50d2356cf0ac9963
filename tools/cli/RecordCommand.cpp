// quillon-cli record SOURCE: the record as numbers, the setup panel, the note boxes.
#include "CliCommand.h"
#include "CliFiles.h"
#include "Commands.h"
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
    json.textsMember("notes", noteTexts(record));
    json.endObject();
    return json.finish();
}

int runRecord(const QStringList& args, const QString& usage)
{
    CommandLine line(RecordSource::options(), args);
    RecordSource source;
    if (const QString problem = source.parse(line); !problem.isEmpty())
        return usageError(usage, problem);
    Record record{};
    if (const int status = source.loadFor(usage, line.rest(), record); status != Success)
        return status;
    return writeOutput(QString(), recordJson(record));
}

} // namespace quillon::cli
