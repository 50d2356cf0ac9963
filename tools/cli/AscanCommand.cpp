// quillon-cli ascan SOURCE [--format json|png|svg] [-o OUT]: the A-scan drawing of a record.
#include "CliCommand.h"
#include "CliFiles.h"
#include "core/AscanPainter.h"
#include "core/AscanRenderer.h"
#include "core/AscanSvg.h"
#include "JsonWriter.h"
#include "RecordSource.h"

namespace quillon::cli
{

namespace
{

const QString kUsage = QStringLiteral("ascan SOURCE [--format json|png|svg] [-o OUT]");

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

int runAscan(const QStringList& arguments)
{
    QStringList args = arguments;
    RecordSource source;
    QString problem;
    QString format = QStringLiteral("json");
    QString output;
    if (!RecordSource::parse(args, source, &problem) ||
        !takeOption(args, QStringLiteral("--format"), &format, &problem) ||
        !takeOption(args, QStringLiteral("-o"), &output, &problem))
        return usageError(kUsage, problem);
    const bool knownFormat = format == QLatin1String("json") || format == QLatin1String("png") ||
                             format == QLatin1String("svg");
    Record record{};
    if (const int status =
            source.loadFor(kUsage, args, record,
                           knownFormat ? QString() : QStringLiteral("unknown format ") + format);
        status != Success)
        return status;
    const AscanDrawing drawing = drawRecord(record);
    if (format == QLatin1String("svg"))
        return writeOutput(output, ascanSvg(drawing));
    return writeOutput(output,
                       format == QLatin1String("png") ? ascanPng(drawing) : drawingJson(drawing));
}

const bool registered = registerCommand({QStringLiteral("ascan"), kUsage, runAscan});

} // namespace

} // namespace quillon::cli
