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

void points(JsonWriter& json, const QVector<QPointF>& list)
{
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
        json.member("kind", "polyline");
        json.member("color", poly.color.name());
        points(json, poly.points);
    }
    void operator()(const DotsItem& dots) const
    {
        json.member("kind", "dots");
        json.member("color", dots.color.name());
        points(json, dots.points);
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
    CommandLine line(RecordSource::options() << QStringLiteral("--format") << QStringLiteral("-o"));
    line.parse(args);
    RecordSource source;
    QString problem;
    if (!RecordSource::parse(line, source, &problem))
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
