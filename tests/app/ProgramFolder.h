#pragma once

#include "ConfiguredPort.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace quillon::test
{

// Where each case of a test that starts the whole program begins: a new empty working directory
// (no recovery file, no settings left by an earlier case) whose "dfd.cfg" names a port that opens.
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
        QString error;
        QVERIFY2(m_port.create(&error), qPrintable(error));
    }
    // Deletes the folder and what the case left in it.
    void remove() { m_dir.reset(); }

    QString path() const { return m_dir->path(); }
    QString filePath(const QString& name) const { return m_dir->filePath(name); }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    ConfiguredPort m_port;
};

} // namespace quillon::test
