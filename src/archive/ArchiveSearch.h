#pragma once

#include <QString>
#include <QStringList>

namespace quillon
{

// The full-text match expression for what a user typed: every word must occur, a "quoted text"
// as a phrase; nothing typed is ever read as query syntax (quotes, AND, *, parentheses, slashes
// only separate words). Empty when the text holds no word at all.
QString archiveMatchExpression(const QString& typed);
// The terms of what a user typed, each a word or a phrase of words separated by single spaces:
// every one must occur. The team archive matches each as a phrase of its own.
QStringList archiveSearchTerms(const QString& typed);
// The words of a text as the local index splits them, one space apart: what the team archive
// indexes, so that both find the same entries ("12/4" is the words 12 and 4 in both).
QString archiveIndexWords(const QString& text);

} // namespace quillon
