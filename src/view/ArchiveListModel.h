#pragma once

#include "archive/ArchiveReader.h"
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
//
// The PC's own archive is read at once; the team archive through an ArchiveReader on another
// thread: each page arrives later (busyChanged tells while one is awaited) and the list grows.
class ArchiveListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        TimeColumn,
        KindColumn,
        MemoryColumn,
        SourceColumn,
        HostColumn,
        UserColumn,
        NotesColumn,
        ColumnCount
    };
    static constexpr int kPageSize = 200;

    explicit ArchiveListModel(ArchiveStore* store, QObject* parent = nullptr);

    // Reads through `reader` from now on (the team archive); null: the store again.
    void setReader(ArchiveReader* reader);
    bool readsTeam() const { return m_reader != nullptr; }
    bool isBusy() const { return m_ticket != m_answered; }

    // Reads the list anew for this query (its paging fields are the model's business).
    void setQuery(const ArchiveQuery& query);
    // The last read failure, empty when the reads worked.
    QString problem() const { return m_problem; }

    // The entry of a row, 0 for a day's heading.
    qint64 entryId(int row) const;
    EntryRef entryRef(int row) const;
    bool isDayHeading(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    void busyChanged(bool busy);
    // A page of the team archive came in (or its reading failed: problem() says why).
    void pageArrived();

private:
    struct Row {
        qint64 id = 0; // 0: the heading of `day`
        QDate day;
        qint64 timeMs = 0;
        StoreKind kind = StoreKind::Received;
        int memory = 0;
        QString source;
        QString notes;
        QString origin;
        QString host;
        QString user;
    };
    void readPage(std::vector<Row>& rows);
    void addRows(const std::vector<ArchiveEntry>& entries, std::vector<Row>& rows);
    void appendPage(const std::vector<Row>& page);
    void teamPage(quint64 ticket, const std::vector<ArchiveEntry>& entries);
    void teamFailure(quint64 ticket, const ArchiveFailure& failure);

    ArchiveStore* m_store = nullptr;
    ArchiveReader* m_reader = nullptr;
    quint64 m_ticket = 0;   // the last page asked for
    quint64 m_answered = 0; // the last page that came
    ArchiveQuery m_query;
    std::vector<Row> m_rows;
    ArchiveEntry m_last; // where the next page starts
    QDate m_lastDay;
    bool m_atEnd = true;
    QString m_problem;
};

} // namespace quillon
