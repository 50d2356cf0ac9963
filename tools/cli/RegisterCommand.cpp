// quillon-cli register (--db DB | --server CONNINFO): the defect register of a record archive
// (a PC's file or the team archive), as JSON, CSV, XLSX or a PDF report.
#include "archive/RegisterReading.h"
#include "ArchiveStoreOption.h"
#include "CliCommand.h"
#include "CliFiles.h"
#include "CommandLine.h"
#include "Commands.h"
#include "JsonWriter.h"
#include "report/RegisterPdf.h"
#include "report/RegisterTable.h"

#include <QFileInfo>

namespace quillon::cli
{

namespace
{

QByteArray registerJson(const std::vector<DefectLocation>& locations)
{
    JsonWriter json;
    json.beginObject();
    json.key("locations");
    json.beginArray();
    for (const DefectLocation& l : locations) {
        const RegisterTest& last = l.latest();
        json.beginObject();
        json.member("division", l.division);
        json.member("section", l.section);
        json.member("km", l.km);
        json.member("rail", l.rail);
        json.member("location", l.location);
        json.member("class", last.defectClass);
        json.member("flaw_code", last.flawCode);
        json.member("inspections", l.inspections);
        json.textsMember("history", l.history());
        json.member("first", clockIsoText(l.firstMs));
        json.member("last", clockIsoText(last.testedMs));
        json.member("worsened", l.worsened);
        json.member("prev_mismatch", l.prevMismatch);
        json.member("memory", last.memory);
        json.member("entry", double(last.entry));
        json.member("operator", last.operatorName);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.finish();
}

} // namespace

int runRegister(const QStringList& args, const QString& usage)
{
    CommandLine line({QStringLiteral("--db"), QStringLiteral("--server"),
                      QStringLiteral("--format"), QStringLiteral("-o")},
                     args);
    if (const int status = line.refuseOthers(usage); status != Success)
        return status;
    const QString format = line.value(QStringLiteral("--format"), QStringLiteral("json"));
    const QString output = line.value(QStringLiteral("-o"));
    if (!QStringList{u"json"_qs, u"csv"_qs, u"xlsx"_qs, u"pdf"_qs}.contains(format))
        return usageError(usage, QStringLiteral("--format is json, csv, xlsx or pdf"));
    const bool toFile = format == QLatin1String("xlsx") || format == QLatin1String("pdf");
    if (toFile && (output.isEmpty() || output == QLatin1String("-")))
        return usageError(usage, format + QStringLiteral(" needs -o OUT"));

    Store store;
    if (const int status = openStore(store, line, usage); status != Success)
        return status;
    std::vector<DefectLocation> locations;
    if (const ArchiveFailure f = store.store->registerLocations(locations))
        return storeFailure(store, f);

    if (format == QLatin1String("json"))
        return writeOutput(output, registerJson(locations));
    if (format == QLatin1String("csv"))
        return writeOutput(output, registerCsv(locations));
    if (format == QLatin1String("xlsx")) {
        // Its "Tests" sheet lists every test of every location.
        if (const ArchiveFailure f = readLocationTests(*store.store, locations))
            return storeFailure(store, f);
        if (const auto failure = writeRegisterXlsx(output, locations))
            return fail(DeviceFailure, output + QStringLiteral(": ") + *failure);
        return Success;
    }
    // The heading names the file, or the team archive (never the connection string: it may hold
    // a password).
    const QString source = store.remote
                               ? store.name
                               : QFileInfo(line.value(QStringLiteral("--db"))).absoluteFilePath();
    const ReportError error =
        writeRegisterPdf(output, locations, source, QDateTime::currentDateTime());
    if (error != ReportError::None)
        return fail(DeviceFailure, output + QStringLiteral(": ") + reportErrorText(error));
    return Success;
}

} // namespace quillon::cli
