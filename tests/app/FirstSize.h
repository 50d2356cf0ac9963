#pragma once

#include "app/MainWindow.h"

#include <QCoreApplication>
#include <QScrollArea>

namespace quillon::test
{

// Shows the main window at the size a first start gives it on a screen with room for all of it:
// its page of controls whole, without scroll bars.
inline void showAtFirstSize(MainWindow& window)
{
    window.resize(window.sizeHint());
    window.show();
    auto* page = window.findChild<QScrollArea*>(QStringLiteral("scrmain"));
    for (int i = 0; i < 3 && page->viewport()->size() != page->widget()->sizeHint(); ++i) {
        window.resize(window.size() + page->widget()->sizeHint() - page->viewport()->size());
        QCoreApplication::processEvents();
    }
}

} // namespace quillon::test
