#pragma once

#include <QList>
#include <QString>

namespace quillon
{

// A list of memory numbers as the operator writes it: "3,7,10-12" (single numbers and ranges,
// separated by commas). Gives the memories ascending, each once; false with `error` set when a
// part is not a number or range of 1..200. Where `all` is given, the word "all" is accepted too:
// it sets *all and gives no numbers (the caller knows which memories hold a record).
bool parseMemoryList(const QString& text, QList<int>& memories, QString* error,
                     bool* all = nullptr);

} // namespace quillon
