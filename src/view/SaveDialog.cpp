#include "view/SaveDialog.h"

#include "view/Widgets.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

namespace quillon
{

namespace
{
// "Bank files (*.dat)" -> "dat"; empty for "All files (*.*)" and the like.
QString suffixOf(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}
} // namespace

QFileDialog* saveDialog(QWidget* parent, const char* name, const QString& title,
                        const QStringList& filters, bool addSuffix)
{
    auto* dialog = named(new QFileDialog(parent, title, QDir::currentPath()), name);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(filters);
    if (!addSuffix)
        return dialog;
    if (!filters.isEmpty())
        dialog->setDefaultSuffix(suffixOf(filters.first()));
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& f) {
        if (const QString suffix = suffixOf(f); !suffix.isEmpty())
            dialog->setDefaultSuffix(suffix);
    });
    return dialog;
}

} // namespace quillon
