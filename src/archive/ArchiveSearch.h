#pragma once

#include <QString>

namespace quillon
{

// The full-text match expression for what a user typed: every word must occur, a "quoted text"
// as a phrase; nothing typed is ever read as query syntax (quotes, AND, *, parentheses, slashes
// only separate words). Empty when the text holds no word at all.
QString archiveMatchExpression(const QString& typed);

} // namespace quillon
