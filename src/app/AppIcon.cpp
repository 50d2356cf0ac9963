#include "app/AppIcon.h"

// The resources live in a static library: register them once before first use.
static void registerAppResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(app);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace quillon
{

QIcon appIcon()
{
    registerAppResources();
    return QIcon(QStringLiteral(":/quillon/icon.png"));
}

} // namespace quillon
