#pragma once

#include "archive/ArchiveStore.h"

#include <QAbstractTableModel>
#include <QDate>

#include <vector>

namespace quillon
{

// The entries of an archive that a query finds, newest first, for a list: a heading row at the
// start of each day (local time), then the day's entries with time, kind, memory, source and
// their first note lines. Rows are read a page at a time as the list scrolls (canFetchMore /
// fetchMore, each page starting past the last id read), so a list over a million entries opens
// as fast as one over a hundred.
class ArchiveListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { TimeColumn, KindColumn, MemoryColumn, SourceColumn, NotesColumn, ColumnCount };
    static constexpr int kPageSize = 200;

    explicit ArchiveListModel(ArchiveStore* store, QObject* parent = nullptr);

    // Reads the list anew for this query (its paging fields are the model's business).
    void setQuery(const ArchiveQuery& query);
    // The last read failure, empty when the reads worked.
    QString problem() const { return m_problem; }

    // The entry of a row, 0 for a day's heading.
    qint64 entryId(int row) const;
    bool isDayHeading(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    struct Row {
        qint64 id = 0; // 0: the heading of `day`
        QDate day;
        qint64 timeMs = 0;
        StoreKind kind = StoreKind::Received;
        int memory = 0;
        QString source;
        QString notes;
    };
    void readPage(std::vector<Row>& rows);

    ArchiveStore* m_store = nullptr;
    ArchiveQuery m_query;
    std::vector<Row> m_rows;
    ArchiveEntry m_last; // where the next page starts
    QDate m_lastDay;
    bool m_atEnd = true;
    QString m_problem;
};

} // namespace quillon
