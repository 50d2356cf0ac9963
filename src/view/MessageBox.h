#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quillon
{

// The program's messages: an OK box with a fixed text and, where given, a title. Shown window-
// modal without blocking the caller (no nested event loop); `closed` runs when the operator
// has pressed OK. Every box has the object name "quillonMessage" so tests can find and close it.
// `detail`, when given, is shown below the text (the box's informative text).
void showMessage(QWidget* parent, const QString& text, const QString& title = {},
                 std::function<void()> closed = {}, const QString& detail = {});

} // namespace quillon
