#include "app/LanguageController.h"

#include "app/Language.h"
#include "app/MainWindow.h"
#include "view/Widgets.h"

#include <QActionGroup>
#include <QMenu>

namespace quillon
{

LanguageController::LanguageController(MainWindow& window) : QObject(&window), m_window(window)
{
    mnulanguage = named(window.toolsMenu()->addMenu(tr("Language")), "mnulanguage");
    auto* group = new QActionGroup(mnulanguage);
    const QString chosen = Language::chosen();
    auto add = [&](const QString& code, const QString& text) {
        QAction* action = mnulanguage->addAction(text);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        action->setData(code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { choose(code); });
    };
    add(QString(), tr("System language"));
    mnulanguage->addSeparator();
    for (const QString& code : Language::codes())
        add(code, Language::nativeName(code));
}

void LanguageController::choose(const QString& code)
{
    if (code == Language::chosen())
        return;
    Language::choose(code);
    const QString name = code.isEmpty() ? tr("the system's language") : Language::nativeName(code);
    m_window.showStatus(tr("The window will be in %1 from the next start.").arg(name));
}

} // namespace quillon
