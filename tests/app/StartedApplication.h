#pragma once

#include "app/Application.h"

#include <QAction>
#include <QWidget>

namespace quillon::test
{

// The whole program as a case meets it: built for an edition and started, its window shown and
// the files named handed on.
class StartedApplication : public Application
{
public:
    explicit StartedApplication(const Edition& edition = Edition::quillon(),
                                const QStringList& files = {})
        : Application(edition)
    {
        start(files);
    }
    // Pellisor when `pellisor` holds, Quillon otherwise.
    explicit StartedApplication(bool pellisor)
        : StartedApplication(pellisor ? Edition::pellisor() : Edition::quillon())
    {
    }
};

// The texts of the items of a menu or a menu bar, separators left out.
inline QStringList itemTexts(const QWidget* menu)
{
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator())
            texts.append(a->text());
    return texts;
}

} // namespace quillon::test
