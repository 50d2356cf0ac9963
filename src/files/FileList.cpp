#include "files/FileList.h"

#include <QDir>

namespace quillon
{

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("File1"));
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit fileClicked(item->text()); });
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit fileDoubleClicked(item->text()); });
}

void FileList::setFolder(const QString& folder)
{
    m_folder = folder;
    refresh();
}

void FileList::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    refresh();
}

void FileList::refresh()
{
    clear();
    if (m_folder.isEmpty())
        return;
    const QDir dir(m_folder);
    addItems(dir.entryList(filtersOf(m_pattern), QDir::Files,
                           QDir::Name | QDir::IgnoreCase | QDir::LocaleAware));
}

QStringList FileList::filtersOf(const QString& pattern)
{
    QStringList filters;
    for (const QString& part : pattern.split(u';', Qt::SkipEmptyParts)) {
        const QString filter = part.trimmed();
        if (filter.isEmpty())
            continue;
        filters << (filter == QStringLiteral("*.*") ? QStringLiteral("*") : filter);
    }
    if (filters.isEmpty())
        filters << QStringLiteral("*");
    return filters;
}

} // namespace quillon
