// quillon-cli docx: the test report as a word-processing document.

#include "CliCommand.h"
#include "core/DisplaySnapshot.h"
#include "RecordSource.h"
#include "report/DocxWriter.h"

namespace quillon::cli
{

namespace
{

int runDocx(const QStringList& arguments)
{
    QStringList args = arguments;
    QString output, error;
    const qsizetype o = args.indexOf(QStringLiteral("-o"));
    if (o >= 0 && o + 1 < args.size()) {
        output = args.at(o + 1);
        args.remove(o, 2);
    }
    RecordSource source;
    if (!RecordSource::parse(args, source, &error)) {
        err(error);
        return Usage;
    }
    if (output.isEmpty() || !args.isEmpty() || source.kind == RecordSource::Kind::None) {
        err(QStringLiteral("usage: quillon-cli docx SOURCE -o OUT.docx"));
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

const bool registered = registerCommand(
    {QStringLiteral("docx"),
     QStringLiteral("docx SOURCE -o OUT.docx   test report as a Word document"), runDocx});

} // namespace

} // namespace quillon::cli
