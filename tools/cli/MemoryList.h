#pragma once

#include <QList>
#include <QString>

namespace quillon::cli
{

// A list of memory numbers as the operator writes it: "3,7,10-12" (single numbers and ranges,
// separated by commas). Gives the memories ascending, each once; false with `error` set when a
// part is not a number or range of 1..200.
bool parseMemoryList(const QString& text, QList<int>& memories, QString* error);

} // namespace quillon::cli
