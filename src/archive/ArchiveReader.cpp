#include "archive/ArchiveReader.h"

#include <atomic>

namespace quillon
{

quint64 ArchiveReader::newTicket()
{
    static std::atomic<quint64> last{0};
    return ++last;
}

ArchiveReader::ArchiveReader(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<ArchiveQuery>();
    qRegisterMetaType<QList<EntryRef>>();
    qRegisterMetaType<ArchiveFailure>();
    qRegisterMetaType<std::vector<ArchiveEntry>>();
    qRegisterMetaType<std::vector<RegisterTest>>();
}

void ArchiveReader::useServer(const QString& conninfo)
{
    if (conninfo == m_conninfo)
        return;
    m_conninfo = conninfo;
    m_server.close();
}

ArchiveFailure ArchiveReader::connected()
{
    if (m_server.isOpen())
        return {};
    return m_server.open(m_conninfo);
}

void ArchiveReader::failedWith(quint64 ticket, const ArchiveFailure& failure)
{
    // A lost connection is made anew by the next request.
    if (failure.kind == ArchiveFailure::Unreachable)
        m_server.close();
    emit failed(ticket, failure);
}

void ArchiveReader::read(quint64 ticket, const ArchiveQuery& query)
{
    std::vector<ArchiveEntry> entries;
    ArchiveFailure f = connected();
    if (!f)
        f = m_server.query(query, entries);
    if (f)
        failedWith(ticket, f);
    else
        emit pageRead(ticket, entries);
}

void ArchiveReader::fetch(quint64 ticket, const QList<EntryRef>& refs)
{
    std::vector<ArchiveEntry> entries;
    ArchiveFailure f = connected();
    for (const EntryRef& ref : refs) {
        bool found = false;
        ArchiveEntry e;
        if (!f)
            f = m_server.fetch(ref, e, found);
        if (found)
            entries.push_back(e);
    }
    if (f)
        failedWith(ticket, f);
    else
        emit fetched(ticket, entries);
}

void ArchiveReader::readTests(quint64 ticket, const QString& locationKey)
{
    std::vector<RegisterTest> tests;
    ArchiveFailure f = connected();
    if (!f)
        f = m_server.locationTests(locationKey, tests);
    if (f)
        failedWith(ticket, f);
    else
        emit testsRead(ticket, tests);
}

} // namespace quillon
