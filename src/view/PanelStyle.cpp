#include "view/PanelStyle.h"

#include "core/FontFallback.h"

#include <QLabel>
#include <QLineEdit>

namespace quillon
{

QFont panelFont(bool bold)
{
    return designedFont(QStringLiteral("MS Sans Serif"), kPanelFontSize, bold);
}

QLabel* captionLabel(const QString& text, const QColor& color, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(panelFont(true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

QLineEdit* panelBox(const QString& objectName, QWidget* parent, bool bold)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setFont(panelFont(bold));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    box->setPalette(palette);
    return box;
}

} // namespace quillon
