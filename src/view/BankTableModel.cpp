#include "view/BankTableModel.h"

#include "core/AscanDrawingBuilder.h"
#include "core/AscanDrawingPainter.h"
#include "core/BankTable.h"
#include "core/TestedTime.h"

namespace quillon
{

namespace
{
// Fixed: the headings of the first columns as the table files write them; the screen shows them
// translated.
constexpr const char* kHeadings[BankTableModel::FirstText] = {
    QT_TRANSLATE_NOOP("quillon::BankTableModel", "A-scan"),
    QT_TRANSLATE_NOOP("quillon::BankTableModel", "Memory"),
    QT_TRANSLATE_NOOP("quillon::BankTableModel", "Marked"),
    QT_TRANSLATE_NOOP("quillon::BankTableModel", "Tested")};
} // namespace

BankTableModel::BankTableModel(const Module1& module, QObject* parent)
    : QAbstractTableModel(parent), m_module(module)
{
    connect(&module, &Module1::rowChanged, this, [this](int row) {
        m_cache[row] = {};
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(&module, &Module1::bankReplaced, this, [this] {
        beginResetModel();
        m_cache.fill({});
        endResetModel();
    });
}

int BankTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kMemoryCount;
}

int BankTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FirstText + int(overviewColumns().size());
}

const BankTableModel::RowCache& BankTableModel::cached(int row) const
{
    RowCache& cache = m_cache[row];
    if (!cache.texts) {
        const Record& record = m_module.membank[row];
        cache.texts = bankTableTexts(record);
        cache.tested = testedAt(record);
        QStringList shown;
        for (int column = Memory; column < columnCount(); ++column)
            shown << shownText(row, column);
        cache.search = shown.join(u'\n').toLower();
    }
    return cache;
}

QString BankTableModel::cellText(int row, int column) const
{
    switch (column) {
    case Thumbnail:
        return {};
    case Memory:
        return QString::number(row + 1);
    case Marked:
        return m_module.marked[row] ? QStringLiteral("yes") : QString(); // fixed: the file's value
    case Tested:
        return testedIsoText(m_module.membank[row]);
    default:
        return cached(row).texts->at(overviewColumns().at(column - FirstText).text);
    }
}

QString BankTableModel::shownText(int row, int column) const
{
    if (column == Tested) {
        const QDateTime& at = cached(row).tested;
        return at.isValid() ? at.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
    }
    if (column == Marked)
        //: A marked memory in the bank overview's "Marked" column
        return m_module.marked[row] ? tr("yes") : QString();
    return cellText(row, column);
}

QVariant BankTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= kMemoryCount)
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == Memory)
            return row + 1;
        return shownText(row, index.column());
    case Qt::DecorationRole:
        if (index.column() == Thumbnail) {
            RowCache& cache = m_cache[row];
            if (cache.thumbnail.isNull())
                cache.thumbnail =
                    renderAscan(drawRecord(m_module.membank[row]), kThumbnailWidth / kAscanWidth);
            return cache.thumbnail;
        }
        return {};
    case Qt::ToolTipRole:
        if (index.column() >= FirstText)
            return headerData(index.column(), Qt::Horizontal).toString() + QStringLiteral(": ") +
                   cellText(row, index.column());
        return {};
    case kSearchTextRole:
        return cached(row).search;
    case kTestedRole:
        return cached(row).tested;
    case kMarkedRole:
        return bool(m_module.marked[row]);
    default:
        return {};
    }
}

QVariant BankTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section >= 0 && section < FirstText)
        return tr(kHeadings[section]);
    if (section - FirstText < overviewColumns().size())
        return overviewColumnLabel(overviewColumns().at(section - FirstText));
    return {};
}

QString BankTableModel::columnHeading(int column)
{
    if (column >= 0 && column < FirstText)
        return QString::fromLatin1(kHeadings[column]);
    if (column - FirstText < overviewColumns().size())
        return overviewColumns().at(column - FirstText).heading;
    return {};
}

} // namespace quillon
