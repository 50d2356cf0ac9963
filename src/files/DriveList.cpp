#include "files/DriveList.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace quillon
{

namespace
{
QString rootOf(const QString& folder)
{
    return QDir::toNativeSeparators(QStorageInfo(folder).rootPath());
}
} // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("Drive1"));
    // As wide as the longest drive's name.
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    refresh();
    connect(this, &QComboBox::activated, this, [this](int index) {
        const QString root = itemText(index);
        if (root == m_shown)
            return;
        m_shown = root;
        emit driveChosen(root);
    });
}

void DriveList::refresh()
{
    const QString shown = drive();
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            roots << QDir::toNativeSeparators(volume.rootPath());
    roots.removeDuplicates();
    roots.sort();
    const QSignalBlocker quiet(this);
    clear();
    addItems(roots);
    if (!shown.isEmpty())
        setCurrentIndex(indexOf(shown));
}

void DriveList::showDriveOf(const QString& folder)
{
    const QString root = rootOf(folder);
    if (root.isEmpty())
        return;
    setCurrentIndex(indexOf(root));
    m_shown = root;
    m_current.insert(root, QDir::toNativeSeparators(folder));
}

QString DriveList::currentFolderOn(const QString& root) const
{
    const QString last = m_current.value(root);
    if (!last.isEmpty() && QFileInfo(last).isDir() && rootOf(last) == root)
        return last;
    const QString here = QDir::toNativeSeparators(QDir::currentPath());
    return rootOf(here) == root ? here : root;
}

QString DriveList::drive() const
{
    return currentText();
}

void DriveList::choose(const QString& root)
{
    const int index = indexOf(root);
    setCurrentIndex(index);
    emit activated(index);
}

int DriveList::indexOf(const QString& root)
{
    const int index = findText(root);
    if (index >= 0)
        return index;
    addItem(root);
    return count() - 1;
}

} // namespace quillon
