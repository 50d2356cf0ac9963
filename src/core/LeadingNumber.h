#pragma once

#include <QStringView>

namespace quillon
{

// How a panel text becomes a number: spaces anywhere are ignored; an optional sign, digits and
// at most one decimal point are taken from the start up to the first other character; no
// leading digits give 0. "30%    " -> 30, "12.5ab" -> 12.5, "       " -> 0.
double leadingNumber(QStringView text);

} // namespace quillon
