#include "files/FileList.h"

#include <QDir>
#include <QKeyEvent>

namespace quillon
{

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("File1"));
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit filePicked(item->text()); });
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit fileOpened(item->text()); });
}

void FileList::keyPressEvent(QKeyEvent* event)
{
    QListWidgetItem* current = currentItem();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && current) {
        event->accept();
        emit fileOpened(current->text());
        return;
    }
    QListWidget::keyPressEvent(event);
    // Only a move the operator made counts: the list taking the focus, or being refilled, also
    // sets a current item, and that names no file.
    if (currentItem() && currentItem() != current)
        emit filePicked(currentItem()->text());
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
