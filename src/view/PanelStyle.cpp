#include "view/PanelStyle.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>

namespace quillon
{

QFont panelFont(bool bold)
{
    static const QString family = [] {
        const QString wanted = QStringLiteral("MS Sans Serif");
        if (QFontDatabase::families().contains(wanted, Qt::CaseInsensitive))
            return wanted;
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    QFont font(family);
    font.setPointSizeF(kPanelFontSize);
    font.setBold(bold);
    return font;
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
