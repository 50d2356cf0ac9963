// quillon-cli ascan SOURCE [--format json|png|svg] [--caption] [-o OUT]: the A-scan drawing of a
// record; an image framed as the window frames it, with a caption line when asked.
#include "CliCommand.h"
#include "CliFiles.h"
#include "Commands.h"
#include "core/AscanDrawingBuilder.h"
#include "core/AscanDrawingPainter.h"
#include "core/AscanImage.h"
#include "core/PanelTexts.h"
#include "JsonWriter.h"
#include "RecordSource.h"

namespace quillon::cli
{

namespace
{

// A polyline's or dots' members.
void pointsItem(JsonWriter& json, const char* kind, const QColor& color,
                const QVector<QPointF>& list)
{
    json.member("kind", kind);
    json.member("color", color.name());
    json.key("points");
    json.beginArray();
    for (const QPointF& p : list) {
        json.beginArray();
        json.value(p.x());
        json.value(p.y());
        json.endArray();
    }
    json.endArray();
}

struct ItemJson {
    JsonWriter& json;

    void operator()(const LineItem& line) const
    {
        json.member("kind", "line");
        json.member("x1", line.x1);
        json.member("y1", line.y1);
        json.member("x2", line.x2);
        json.member("y2", line.y2);
        json.member("color", line.color.name());
    }
    void operator()(const PolylineItem& poly) const
    {
        pointsItem(json, "polyline", poly.color, poly.points);
    }
    void operator()(const DotsItem& dots) const
    {
        pointsItem(json, "dots", dots.color, dots.points);
    }
    void operator()(const TextItem& text) const
    {
        json.member("kind", "text");
        json.member("x", text.x);
        json.member("y", text.y);
        json.member("text", text.text);
        json.member("color", text.color.name());
    }
};

QByteArray drawingJson(const AscanDrawing& drawing)
{
    JsonWriter json;
    json.beginObject();
    json.key("items");
    json.beginArray();
    for (const AscanItem& item : drawing.items) {
        json.beginObject();
        std::visit(ItemJson{json}, item);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.finish();
}

// "--caption", the one option without a value, taken out of the arguments before the others are
// read (not after a "--").
bool takeCaptionFlag(QStringList& args)
{
    const qsizetype end = args.indexOf(QStringLiteral("--"));
    const qsizetype at = args.indexOf(QStringLiteral("--caption"));
    if (at < 0 || (end >= 0 && at > end))
        return false;
    args.removeAt(at);
    return true;
}

} // namespace

int runAscan(const QStringList& arguments, const QString& usage)
{
    QStringList args = arguments;
    const bool caption = takeCaptionFlag(args);
    CommandLine line(RecordSource::options() << QStringLiteral("--format") << QStringLiteral("-o"),
                     args);
    RecordSource source;
    if (const QString problem = source.parse(line); !problem.isEmpty())
        return usageError(usage, problem);
    if (!line.missingValue().isEmpty())
        return usageError(usage, line.missingValue() + QStringLiteral(" needs a value"));
    const QString format = line.value(QStringLiteral("--format"), QStringLiteral("json"));
    const QString output = line.value(QStringLiteral("-o"));
    const bool knownFormat = QStringList{u"json"_qs, u"png"_qs, u"svg"_qs}.contains(format);
    Record record{};
    if (const int status =
            source.loadFor(usage, line.rest(), record,
                           knownFormat ? QString() : QStringLiteral("unknown format ") + format);
        status != Success)
        return status;
    const AscanDrawing drawing = drawRecord(record);
    if (format == QLatin1String("json"))
        return writeOutput(output, drawingJson(drawing));
    // The memory a bank gives, else the one the record's MEM NO box names.
    const int memory = source.kind == RecordSource::Kind::Bank
                           ? source.memory
                           : int(panelTexts(record).number(u"txtmemno"));
    constexpr double kPixelsPerUnit = 96.0 / 72.0; // the window's natural size
    const AscanImage image([&](QPainter& painter) { paintAscan(painter, drawing); },
                           caption ? ascanCaption(memory, record, source.file) : QString(),
                           kPixelsPerUnit);
    return writeOutput(output, format == QLatin1String("svg") ? image.svg() : image.png());
}

} // namespace quillon::cli
