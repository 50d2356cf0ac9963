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
    CommandLine line(RecordSource::options() << QStringLiteral("-o"), args);
    RecordSource source;
    if (const QString error = source.parse(line); !error.isEmpty())
        return fail(Usage, error);
    const QString output = line.value(QStringLiteral("-o"));
    if (output.isEmpty() || !line.rest().isEmpty() || source.kind == RecordSource::Kind::None)
        return fail(Usage, QStringLiteral("usage: quillon-cli ") + usage);
    Record record{};
    if (const int status = source.load(record); status != Success)
        return status;
    const ReportError written = DocxWriter::write(output, snapshotOf(record));
    if (written != ReportError::None)
        return fail(DeviceFailure, output + QStringLiteral(": ") + reportErrorText(written));
    return Success;
}

} // namespace quillon::cli
