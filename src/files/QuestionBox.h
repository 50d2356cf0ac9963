#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QObject;
class QWidget;

namespace quillon
{

// A question with a few answers ("Save", "Discard", "Cancel"), shown window-modal without
// blocking the caller. `answered` gets the index of the button pressed, unless `receiver` has
// gone by then; Escape and the window's close button give `escapeAnswer`. Every box has the
// object name "quillonQuestion" so tests can find it.
void askQuestion(QWidget* parent, const QString& text, const QString& title,
                 const QStringList& answers, int escapeAnswer, const QObject* receiver,
                 std::function<void(int)> answered);

} // namespace quillon
