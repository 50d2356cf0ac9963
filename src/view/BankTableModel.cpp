#include "view/BankTableModel.h"

#include "core/AscanDrawingBuilder.h"
#include "core/AscanDrawingPainter.h"
#include "core/BankTable.h"

namespace quillon
{

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

const QStringList& BankTableModel::texts(int row) const
{
    RowCache& cache = m_cache[row];
    if (!cache.texts) {
        cache.texts = bankTableTexts(m_module.membank[row]);
        QStringList shown;
        for (int column = Memory; column < columnCount(); ++column)
            shown << cellText(row, column);
        cache.search = shown.join(u'\n').toLower();
    }
    return *cache.texts;
}

QString BankTableModel::cellText(int row, int column) const
{
    switch (column) {
    case Thumbnail:
        return {};
    case Memory:
        return QString::number(row + 1);
    case Marked:
        return m_module.marked[row] ? QStringLiteral("yes") : QString();
    default:
        return texts(row).at(overviewColumns().at(column - FirstText).text);
    }
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
        return cellText(row, index.column());
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
        texts(row);
        return m_cache[row].search;
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
    switch (section) {
    case Thumbnail:
        return QStringLiteral("A-scan");
    case Memory:
        return QStringLiteral("Memory");
    case Marked:
        return QStringLiteral("Marked");
    default:
        if (section - FirstText < overviewColumns().size())
            return overviewColumns().at(section - FirstText).heading;
        return {};
    }
}

} // namespace quillon
