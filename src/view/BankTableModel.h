#pragma once

#include "core/Module1.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QImage>

#include <array>
#include <optional>

namespace quillon
{

// The bank as a table: one row per memory (row N-1 is memory N), a thumbnail of its A-scan, the
// memory number, its mark, when it was tested (the instrument's clock as a date and time), then
// the columns of overviewColumns() as the panel and the note boxes show them. Follows the bank
// row by row; texts and thumbnails are made when first asked for.
class BankTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Thumbnail, Memory, Marked, Tested, FirstText };
    // On any index: the row's texts, lower case, joined, for matching a filter.
    static constexpr int kSearchTextRole = Qt::UserRole + 1;
    // On any index: true when the memory carries its list mark.
    static constexpr int kMarkedRole = Qt::UserRole + 2;
    // On any index: when the memory was tested (testedAt); invalid when its clock holds no date.
    static constexpr int kTestedRole = Qt::UserRole + 3;

    explicit BankTableModel(const Module1& module, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text of a cell as a table file keeps it: the memory number as digits, the mark as "yes"
    // or "", the tested time as "2024-09-01T10:00" or "", the other texts as shown.
    QString cellText(int row, int column) const;
    // The heading of a column as a table file keeps it: fixed English, whatever the interface's
    // language (headerData gives the screen's label).
    static QString columnHeading(int column);
    // Thumbnails are drawn this many pixels wide.
    static constexpr int kThumbnailWidth = 80;

private:
    struct RowCache {
        std::optional<QStringList> texts; // bankTableTexts of the row's record
        QDateTime tested;
        QString search;
        QImage thumbnail;
    };
    // The row's cache with its texts made.
    const RowCache& cached(int row) const;
    // The text the table shows in a cell.
    QString shownText(int row, int column) const;

    const Module1& m_module;
    mutable std::array<RowCache, kMemoryCount> m_cache;
};

} // namespace quillon
