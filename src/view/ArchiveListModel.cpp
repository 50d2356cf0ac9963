#include "view/ArchiveListModel.h"

#include "view/ArchiveKindLabel.h"

#include "core/NoteLines.h"

#include <QDateTime>
#include <QFont>
#include <QLocale>

namespace quillon
{

namespace
{
// The first two note lines that hold something, as one line.
QString firstNotes(const Record& record)
{
    QStringList lines;
    for (const QString& line : noteTexts(record)) {
        const QString text = line.trimmed();
        if (!text.isEmpty())
            lines << text;
        if (lines.size() == 2)
            break;
    }
    return lines.join(QStringLiteral(" / "));
}
} // namespace

ArchiveListModel::ArchiveListModel(ArchiveStore* store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store)
{
}

void ArchiveListModel::setQuery(const ArchiveQuery& query)
{
    beginResetModel();
    m_query = query;
    m_query.newestFirst = true;
    m_query.limit = kPageSize;
    m_rows.clear();
    m_last = {};
    m_lastDay = {};
    m_atEnd = false;
    m_problem.clear();
    readPage(m_rows);
    endResetModel();
}

void ArchiveListModel::setReader(ArchiveReader* reader)
{
    if (m_reader)
        disconnect(m_reader, nullptr, this, nullptr);
    m_reader = reader;
    if (isBusy()) { // what was awaited is no longer wanted
        m_answered = m_ticket;
        emit busyChanged(false);
    }
    if (m_reader) {
        connect(m_reader, &ArchiveReader::pageRead, this, &ArchiveListModel::teamPage);
        connect(m_reader, &ArchiveReader::failed, this, &ArchiveListModel::teamFailure);
    }
}

void ArchiveListModel::readPage(std::vector<Row>& rows)
{
    if (!m_store && !m_reader) {
        m_atEnd = true;
        return;
    }
    ArchiveQuery q = m_query;
    if (m_last.id > 0)
        q.startPast(m_last);
    if (m_reader) {
        const bool wasBusy = isBusy();
        m_ticket = ArchiveReader::newTicket();
        QMetaObject::invokeMethod(m_reader, "read", Q_ARG(quint64, m_ticket),
                                  Q_ARG(quillon::ArchiveQuery, q));
        if (!wasBusy)
            emit busyChanged(true);
        return;
    }
    std::vector<ArchiveEntry> entries;
    if (const ArchiveFailure f = m_store->query(q, entries)) {
        m_problem = f.text;
        m_atEnd = true;
        return;
    }
    addRows(entries, rows);
}

void ArchiveListModel::teamPage(quint64 ticket, const std::vector<ArchiveEntry>& entries)
{
    if (ticket != m_ticket)
        return; // asked for before the query changed
    m_answered = ticket;
    std::vector<Row> page;
    addRows(entries, page);
    appendPage(page);
    emit busyChanged(false);
    emit pageArrived();
}

void ArchiveListModel::teamFailure(quint64 ticket, const ArchiveFailure& failure)
{
    if (ticket != m_ticket)
        return;
    m_answered = ticket;
    m_problem = archiveFailureText(failure);
    m_atEnd = true;
    emit busyChanged(false);
    emit pageArrived();
}

void ArchiveListModel::addRows(const std::vector<ArchiveEntry>& entries, std::vector<Row>& rows)
{
    m_atEnd = int(entries.size()) < kPageSize;
    for (const ArchiveEntry& e : entries) {
        const QDate day = QDateTime::fromMSecsSinceEpoch(e.timeMs).date();
        if (day != m_lastDay) {
            Row heading;
            heading.day = day;
            rows.push_back(heading);
            m_lastDay = day;
        }
        rows.push_back({e.id, day, e.timeMs, e.kind, e.memory, e.source, firstNotes(e.record),
                        e.origin, e.host, e.user});
        m_last = e;
    }
}

bool ArchiveListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_atEnd && !isBusy();
}

void ArchiveListModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    std::vector<Row> page;
    readPage(page);
    appendPage(page);
}

void ArchiveListModel::appendPage(const std::vector<Row>& page)
{
    if (page.empty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(page.size()) - 1);
    m_rows.insert(m_rows.end(), page.begin(), page.end());
    endInsertRows();
}

qint64 ArchiveListModel::entryId(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].id : 0;
}

EntryRef ArchiveListModel::entryRef(int row) const
{
    if (row < 0 || row >= int(m_rows.size()))
        return {};
    return {m_rows[size_t(row)].origin, m_rows[size_t(row)].id};
}

bool ArchiveListModel::isDayHeading(int row) const
{
    return row >= 0 && row < int(m_rows.size()) && m_rows[size_t(row)].id == 0;
}

int ArchiveListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ArchiveListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ArchiveListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    const Row& r = m_rows[size_t(index.row())];
    if (r.id == 0) {
        if (role == Qt::DisplayRole && index.column() == 0)
            return QLocale().toString(r.day, QLocale::LongFormat);
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    if (role == Qt::UserRole)
        return r.id;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case TimeColumn:
        return QDateTime::fromMSecsSinceEpoch(r.timeMs).time().toString(QStringLiteral("HH:mm:ss"));
    case KindColumn:
        return archiveKindLabel(r.kind);
    case MemoryColumn:
        return r.memory;
    case SourceColumn:
        return r.source;
    case HostColumn:
        return r.host;
    case UserColumn:
        return r.user;
    case NotesColumn:
        return r.notes;
    default:
        return {};
    }
}

QVariant ArchiveListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == HostColumn)
        return tr("PC");
    if (section == UserColumn)
        return tr("User");
    static const char* const names[] = {
        QT_TR_NOOP("Time"), QT_TR_NOOP("Kind"), QT_TR_NOOP("Memory"), QT_TR_NOOP("Source"), "", "",
        QT_TR_NOOP("Notes")};
    return section >= 0 && section < ColumnCount ? tr(names[section]) : QVariant();
}

Qt::ItemFlags ArchiveListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return isDayHeading(index.row()) ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace quillon
