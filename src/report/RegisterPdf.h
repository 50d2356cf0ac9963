#pragma once

#include "core/DefectLocation.h"
#include "report/ReportError.h"

#include <QDateTime>

#include <vector>

namespace quillon
{

// The "Defect register" report as a PDF: landscape, one line per location in the register's
// order, lines of worsened defects and of mismatched previous classes marked, the source and
// the date of the report in the heading of every page, page numbers at the foot. The file
// appears whole or not at all.
ReportError writeRegisterPdf(const QString& path, const std::vector<DefectLocation>& locations,
                             const QString& source, const QDateTime& madeAt);

} // namespace quillon
