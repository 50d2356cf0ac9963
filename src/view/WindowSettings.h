#pragma once

#include <QString>
#include <QVariant>

class QHeaderView;
class QWidget;

namespace quillon
{

// What a user expects to find again at the next start: window sizes and positions, column
// widths, the folders last used by the open and save forms. Kept in the program's QSettings,
// under the window's object name; "dfd.cfg" remains the port's one configuration. Nothing is
// read or written until the program has enabled them (the programs do at start-up), so tests
// and tools that do not ask for it leave the user's settings alone.
class WindowSettings
{
public:
    // From now on the settings are kept for `organisation` and the application's name (on Linux
    // in ~/.config/<organisation>/<application>.conf). The application's own organisation name
    // stays unset: it would move the per-user data folder other parts of the program use.
    static void enable(const QString& organisation);
    static bool enabled();

    // The window's size and position; false when none was kept (the window keeps its own).
    static bool restoreGeometry(QWidget* window);
    static void saveGeometry(const QWidget* window);
    // Restores the window's size and position now and saves them whenever it is hidden.
    static void keepGeometry(QWidget* window);

    // The columns' widths and order (and the sort column) of a table's header, under `key`.
    static bool restoreColumns(QHeaderView* header, const QString& key);
    static void saveColumns(const QHeaderView* header, const QString& key);

    static QVariant value(const QString& key);
    static void setValue(const QString& key, const QVariant& value);
};

} // namespace quillon
