#pragma once

#include "core/DisplaySnapshot.h"
#include "support/Records.h"

#include <QString>
#include <QStringList>

namespace quillon::test
{

// A panel whose every box shows its own control name ("txtzero", ..., "txttmdt").
PanelTexts namedPanel();

// Runs an external tool; its standard output, or an empty text when it failed.
QByteArray runTool(const QString& program, const QStringList& arguments);

// pdftotext of one page (1-based) or of all pages (0), laid out as on the page.
QString pdfText(const QString& pdf, int page = 0);
int pdfPageCount(const QString& pdf);

// Where a word lies on a PDF page (points from the top-left corner of the paper), from
// pdftotext -bbox: the first occurrence on `page`. An empty rectangle when absent.
struct PdfWord {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    bool found = false;
};
PdfWord pdfWord(const QString& pdf, const QString& word, int page = 1);

// The text with runs of white space made single spaces (text extraction does not keep them).
QString simplified(const QString& text);

// The names of a zip archive's entries, in order, and one entry's bytes (empty when absent).
QStringList zipEntries(const QString& archive);
QByteArray zipEntry(const QString& archive, const QString& name);

} // namespace quillon::test
