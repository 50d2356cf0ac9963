#pragma once

#include <QDir>
#include <QString>

namespace quillon
{

// The path of a file in a folder: folder, separator, name; a folder path that already ends
// with the separator (a drive root such as "/" or "C:\") is followed by the name directly.
// This is the file that is written or read.
QString buildPath(const QString& folder, const QString& name, QChar separator = QDir::separator());

// What the save form's full-path box shows after the file name was edited: folder, separator,
// name, always; at a drive root this shows two separators in a row ("C:\\temp.dat").
QString pathBoxText(const QString& folder, const QString& name,
                    QChar separator = QDir::separator());

} // namespace quillon
