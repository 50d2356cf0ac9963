#include "view/Latin1Validator.h"

#include "core/Record.h"

namespace quillon
{

QValidator::State Latin1Validator::validate(QString& input, int&) const
{
    QString refusedCharacters;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (isStorableChar(input[i]))
            continue;
        // A character written with two UTF-16 units is named whole.
        const qsizetype units = input[i].isHighSurrogate() && i + 1 < input.size() ? 2 : 1;
        const QString c = input.mid(i, units);
        if (!refusedCharacters.contains(c))
            refusedCharacters += c;
        i += units - 1;
    }
    if (refusedCharacters.isEmpty())
        return Acceptable;
    emit refused(refusedCharacters);
    return Invalid;
}

} // namespace quillon
