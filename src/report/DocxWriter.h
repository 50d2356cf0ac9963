#pragma once

#include "core/DisplaySnapshot.h"
#include "report/DocxDocument.h"
#include "report/ReportError.h"

#include <QByteArray>
#include <QString>

namespace quillon
{

// Writes the report of what the main window shows as an Office Open XML word-processing document
// (.docx): the heading paragraph, the menu data and notes text boxes and the A-scan block picture.
namespace DocxWriter
{

// What the document holds for a snapshot.
DocxContent content(const DisplaySnapshot& snapshot);

// The whole package as bytes; false with `error` set when it cannot be assembled.
bool package(const DocxContent& content, QByteArray& bytes, QString* error = nullptr);

// Writes the document to `path`: into a temporary file beside it, renamed into place only when
// complete, so that nothing half-written is ever left under the name. An existing file of that
// name is replaced.
ReportError write(const QString& path, const DisplaySnapshot& snapshot);

} // namespace DocxWriter

} // namespace quillon
