#include "view/Latin1Validator.h"

#include "core/Record.h"

#include <algorithm>

namespace quillon
{

QValidator::State Latin1Validator::validate(QString& input, int&) const
{
    return std::all_of(input.cbegin(), input.cend(), isStorableChar) ? Acceptable : Invalid;
}

} // namespace quillon
