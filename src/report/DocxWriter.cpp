#include "report/DocxWriter.h"

#include "report/DocxLayout.h"
#include "report/LocalPaper.h"
#include "report/ReportComposer.h"
#include "report/ReportLines.h"
#include "report/ReportPainter.h"
#include "report/ZipWriter.h"

#include <QSaveFile>

namespace quillon::DocxWriter
{

DocxContent content(const DisplaySnapshot& snapshot)
{
    DocxContent c;
    c.heading = reportHeadingText().split(QStringLiteral("\r\n"));
    c.menuLines = menuTextLines(snapshot.panel);
    c.noteLines = noteTextLines(snapshot.notes);
    c.picturePng = ReportPainter::blockPng(ReportComposer::ascanBlock(snapshot),
                                           DocxLayout::kPictureDotsPerInch);
    c.page = localPaper();
    return c;
}

bool package(const DocxContent& content, QByteArray& bytes, QString* error)
{
    ZipWriter zip;
    // The content types part comes first, as readers of the format expect.
    const bool added =
        zip.add(QStringLiteral("[Content_Types].xml"), DocxDocument::contentTypes()) &&
        zip.add(QStringLiteral("_rels/.rels"), DocxDocument::packageRelationships()) &&
        zip.add(QStringLiteral("word/document.xml"), DocxDocument::document(content)) &&
        zip.add(QStringLiteral("word/_rels/document.xml.rels"),
                DocxDocument::documentRelationships()) &&
        zip.add(QStringLiteral("word/styles.xml"), DocxDocument::styles()) &&
        zip.add(QStringLiteral("word/settings.xml"), DocxDocument::settings()) &&
        zip.add(QLatin1String(DocxDocument::kPicturePart), content.picturePng, false) &&
        zip.add(QStringLiteral("docProps/core.xml"), DocxDocument::coreProperties()) &&
        zip.add(QStringLiteral("docProps/app.xml"), DocxDocument::appProperties());
    if (!added || !zip.finish(bytes)) {
        if (error)
            *error = zip.errorString();
        return false;
    }
    return true;
}

ReportError write(const QString& path, const DisplaySnapshot& snapshot)
{
    QByteArray bytes;
    if (!package(content(snapshot), bytes))
        return ReportError::DocumentNotBuilt;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return ReportError::OutputNotWritable;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return ReportError::OutputNotCommitted;
    }
    return file.commit() ? ReportError::None : ReportError::OutputNotCommitted;
}

} // namespace quillon::DocxWriter
