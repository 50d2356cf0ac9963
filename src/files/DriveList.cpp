#include "files/DriveList.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>

namespace quillon
{

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("Drive1"));
    refresh();
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit driveChosen(itemText(index)); });
}

void DriveList::refresh()
{
    const QString shown = drive();
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            roots << QDir::toNativeSeparators(volume.rootPath());
    roots.removeDuplicates();
    std::sort(roots.begin(), roots.end());
    clear();
    addItems(roots);
    if (!shown.isEmpty())
        showDriveOf(shown);
}

void DriveList::showDriveOf(const QString& folder)
{
    const QString root = QDir::toNativeSeparators(QStorageInfo(folder).rootPath());
    if (root.isEmpty())
        return;
    int index = findText(root);
    if (index < 0) {
        addItem(root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

QString DriveList::drive() const
{
    return currentText();
}

void DriveList::choose(const QString& root)
{
    int index = findText(root);
    if (index < 0) {
        addItem(root);
        index = count() - 1;
    }
    setCurrentIndex(index);
    emit driveChosen(root);
}

} // namespace quillon
