// quillon-cli ascan SOURCE [--format json|png|svg] [-o OUT]: the A-scan drawing of a record.
#include "CliCommand.h"
#include "CliFiles.h"
#include "Commands.h"
#include "core/AscanDrawingBuilder.h"
#include "core/AscanDrawingPainter.h"
#include "core/AscanSvg.h"
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

} // namespace

int runAscan(const QStringList& args, const QString& usage)
{
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
    if (format == QLatin1String("svg"))
        return writeOutput(output, ascanSvg(drawing));
    return writeOutput(output,
                       format == QLatin1String("png") ? ascanPng(drawing) : drawingJson(drawing));
}

} // namespace quillon::cli
