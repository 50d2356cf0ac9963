#pragma once

#include "archive/ServerArchive.h"

#include <QList>
#include <QMetaType>
#include <QObject>

#include <vector>

namespace quillon
{

// Reads the team archive for a window: lives on a thread of its own (the owner moves it there)
// with its own server connection, so that the window never waits on the network. Each request
// carries a ticket that comes back with its answer, so that the asker can drop what it no longer
// needs.
class ArchiveReader : public QObject
{
    Q_OBJECT
public:
    explicit ArchiveReader(QObject* parent = nullptr);
    // A ticket no other request has (for any asker).
    static quint64 newTicket();

    // The team archive to read; the connection is made with the next request.
    Q_INVOKABLE void useServer(const QString& conninfo);
    Q_INVOKABLE void read(quint64 ticket, const quillon::ArchiveQuery& query);
    // The entries named, in the order asked (those not found left out).
    Q_INVOKABLE void fetch(quint64 ticket, const QList<quillon::EntryRef>& refs);
    // The tests of one location of the register, oldest first.
    Q_INVOKABLE void readTests(quint64 ticket, const QString& locationKey);

signals:
    void pageRead(quint64 ticket, const std::vector<quillon::ArchiveEntry>& entries);
    void fetched(quint64 ticket, const std::vector<quillon::ArchiveEntry>& entries);
    void testsRead(quint64 ticket, const std::vector<quillon::RegisterTest>& tests);
    void failed(quint64 ticket, const quillon::ArchiveFailure& failure);

private:
    ArchiveFailure connected();
    void failedWith(quint64 ticket, const ArchiveFailure& failure);

    QString m_conninfo;
    ServerArchive m_server;
};

} // namespace quillon

Q_DECLARE_METATYPE(quillon::ArchiveQuery)
Q_DECLARE_METATYPE(quillon::EntryRef)
Q_DECLARE_METATYPE(quillon::ArchiveFailure)
Q_DECLARE_METATYPE(std::vector<quillon::ArchiveEntry>)
Q_DECLARE_METATYPE(std::vector<quillon::RegisterTest>)
