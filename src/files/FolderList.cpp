#include "files/FolderList.h"

#include "view/Widgets.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace quillon
{

namespace
{
const QString kUp = QStringLiteral("..");
}

FolderList::FolderList(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Dir1"));
    m_pathLabel = named(new QLabel(this), "Dir1Path");
    m_pathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path does not widen the form: it is shortened in the middle to the room there is,
    // and shown whole as the line's tool tip.
    m_pathLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_list = named(new QListWidget(this), "Dir1List");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pathLabel);
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openEntry(item->text()); });
}

void FolderList::setPath(const QString& folder)
{
    const QString path = QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absolutePath()));
    const bool moved = path != m_path;
    m_path = path;
    fill();
    if (moved)
        emit pathChanged(m_path);
}

void FolderList::openEntry(const QString& entry)
{
    QDir dir(m_path);
    if (entry == kUp ? dir.cdUp() : dir.cd(entry))
        setPath(dir.path());
}

void FolderList::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    showPath();
}

void FolderList::showPath()
{
    m_pathLabel->setText(
        m_pathLabel->fontMetrics().elidedText(m_path, Qt::ElideMiddle, m_pathLabel->width()));
    m_pathLabel->setToolTip(m_path);
}

void FolderList::fill()
{
    showPath();
    m_list->clear();
    const QDir dir(m_path);
    if (!dir.isRoot())
        m_list->addItem(kUp);
    m_list->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                   QDir::Name | QDir::IgnoreCase | QDir::LocaleAware));
}

} // namespace quillon
