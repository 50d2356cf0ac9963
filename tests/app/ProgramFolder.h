#pragma once

#include "ConfiguredPort.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace quillon::test
{

// Where each case of a test that starts the whole program begins: a new empty working directory
// (no settings left by an earlier case) whose "dfd.cfg" names a port that opens, and an archive of
// its own in it (QUILLON_ARCHIVE, also for the programs the case starts).
class ProgramFolder
{
public:
    // Makes the folder, enters it and writes "dfd.cfg"; a failure fails the case (call it from
    // init()).
    void enter()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
        qputenv("QUILLON_ARCHIVE", QFile::encodeName(archivePath()));
        QString error;
        QVERIFY2(m_port.create(&error), qPrintable(error));
    }
    // Deletes the folder and what the case left in it.
    void remove() { m_dir.reset(); }

    QString path() const { return m_dir->path(); }
    QString filePath(const QString& name) const { return m_dir->filePath(name); }
    QString archivePath() const { return filePath(QStringLiteral("archive.sqlite")); }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    ConfiguredPort m_port;
};

} // namespace quillon::test
