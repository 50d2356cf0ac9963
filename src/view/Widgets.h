#pragma once

#include <QWidget>

namespace quillon
{

// `object` (a new control, a menu item) under its object name, by which the tests find it and
// the settings keep what belongs to it.
template <class T> T* named(T* object, const char* name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

// Shows a window (again) in front of the others, with the keyboard focus.
inline void showInFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace quillon
