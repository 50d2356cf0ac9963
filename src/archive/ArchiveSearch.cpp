#include "archive/ArchiveSearch.h"

#include <QStringList>

namespace quillon
{

namespace
{
// The words of a piece of text as the index splits them: runs of letters and digits.
QStringList wordsOf(QStringView text)
{
    QStringList words;
    QString word;
    for (QChar c : text) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}
} // namespace

QStringList archiveSearchTerms(const QString& typed)
{
    QStringList terms;
    // Outside quotes each word is a term of its own; inside a pair of quotes the words make one
    // phrase. An unpaired quote opens a phrase that runs to the end.
    const QStringList pieces = typed.split(QLatin1Char('"'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QStringList words = wordsOf(pieces[i]);
        if (words.isEmpty())
            continue;
        const QStringList phrases = i % 2 == 1 ? QStringList(words.join(QLatin1Char(' '))) : words;
        terms << phrases;
    }
    return terms;
}

QString archiveIndexWords(const QString& text)
{
    return wordsOf(text).join(QLatin1Char(' '));
}

QString archiveMatchExpression(const QString& typed)
{
    QStringList quoted;
    for (const QString& term : archiveSearchTerms(typed))
        quoted << QLatin1Char('"') + term + QLatin1Char('"');
    return quoted.join(QLatin1Char(' '));
}

} // namespace quillon
