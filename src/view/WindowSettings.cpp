#include "view/WindowSettings.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QSettings>
#include <QWidget>

namespace quillon
{

namespace
{
QString geometryKey(const QWidget* window)
{
    return window->objectName() + QStringLiteral("/geometry");
}

// Saves a window's size and position each time it is hidden.
class GeometryKeeper : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            WindowSettings::saveGeometry(static_cast<QWidget*>(watched));
        return false;
    }
};

QString& organisationName()
{
    static QString name;
    return name;
}
} // namespace

void WindowSettings::enable(const QString& organisation)
{
    organisationName() = organisation;
}

bool WindowSettings::enabled()
{
    return !organisationName().isEmpty();
}

bool WindowSettings::restoreGeometry(QWidget* window)
{
    const QByteArray geometry = value(geometryKey(window)).toByteArray();
    return !geometry.isEmpty() && window->restoreGeometry(geometry);
}

void WindowSettings::saveGeometry(const QWidget* window)
{
    setValue(geometryKey(window), window->saveGeometry());
}

void WindowSettings::keepGeometry(QWidget* window)
{
    restoreGeometry(window);
    window->installEventFilter(new GeometryKeeper(window));
}

bool WindowSettings::restoreColumns(QHeaderView* header, const QString& key)
{
    const QByteArray state = value(key).toByteArray();
    return !state.isEmpty() && header->restoreState(state);
}

void WindowSettings::saveColumns(const QHeaderView* header, const QString& key)
{
    setValue(key, header->saveState());
}

QVariant WindowSettings::value(const QString& key)
{
    if (!enabled())
        return {};
    return QSettings(organisationName(), QCoreApplication::applicationName()).value(key);
}

void WindowSettings::setValue(const QString& key, const QVariant& value)
{
    if (!enabled())
        return;
    QSettings(organisationName(), QCoreApplication::applicationName()).setValue(key, value);
}

} // namespace quillon
