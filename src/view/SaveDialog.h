#pragma once

#include <QStringList>

class QFileDialog;
class QWidget;

namespace quillon
{

// A save dialog that is not modal to the program (open() it; the answer comes through
// fileSelected), starting in the current directory and gone once closed. With `addSuffix`, a
// name typed without an extension gets the one of the file type chosen ("PNG image (*.png)"
// gives .png); without it the name is used as typed.
QFileDialog* saveDialog(QWidget* parent, const char* name, const QString& title,
                        const QStringList& filters, bool addSuffix = true);

} // namespace quillon
