// quillon-cli docx: the test report as a word-processing document.

#include "CliCommand.h"
#include "CommandLine.h"
#include "Commands.h"
#include "core/DisplaySnapshot.h"
#include "RecordSource.h"
#include "report/DocxWriter.h"

namespace quillon::cli
{

int runDocx(const QStringList& args, const QString& usage)
{
    CommandLine line(RecordSource::options() << QStringLiteral("-o"));
    line.parse(args);
    RecordSource source;
    QString error;
    if (!RecordSource::parse(line, source, &error)) {
        err(error);
        return Usage;
    }
    const QString output = line.value(QStringLiteral("-o"));
    if (output.isEmpty() || !line.rest().isEmpty() || source.kind == RecordSource::Kind::None) {
        err(QStringLiteral("usage: quillon-cli ") + usage);
        return Usage;
    }
    Record record{};
    const int status = source.load(record);
    if (status != Success)
        return status;
    const ReportError written = DocxWriter::write(output, snapshotOf(record));
    if (written != ReportError::None) {
        err(output + QStringLiteral(": ") + reportErrorText(written));
        return DeviceFailure;
    }
    return Success;
}

} // namespace quillon::cli
