#pragma once

#include <QLocale>
#include <QPageSize>

namespace quillon
{

// The paper of the locale's territory: Letter where it is the usual size (the United States,
// Canada, Mexico, most of Central America, Chile, Colombia, Venezuela, the Philippines), A4
// everywhere else. The PDF and the document both lay their pages out on it.
QPageSize localPaper(const QLocale& locale = QLocale::system());

} // namespace quillon
