#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace quillon
{

// Memory numbers as an operator types them: "3,7,10-12". Returns them ascending without
// repeats, or nothing when a part is not a number or range of memories 1..200.
std::optional<QList<int>> parseMemoryList(const QString& text);

} // namespace quillon
