#pragma once

#include "ConfiguredPort.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace quillon::test
{

// Where a screenshot tool runs the program as an operator sees it with the instrument
// connected: a working folder of its own with a "dfd.cfg" naming a port that opens, and its
// archive there. ready() is false, after a line on stderr, when that cannot be set up.
class ScreenshotFolder
{
public:
    ScreenshotFolder()
    {
        QString error;
        m_ready = m_work.isValid() && QDir::setCurrent(m_work.path()) && m_port.create(&error);
        if (!m_ready) {
            std::fprintf(stderr, "cannot set up a working folder with a port: %s\n",
                         qPrintable(error));
            return;
        }
        qputenv("QUILLON_ARCHIVE",
                QFile::encodeName(m_work.filePath(QStringLiteral("archive.sqlite"))));
    }
    bool ready() const { return m_ready; }

private:
    QTemporaryDir m_work;
    ConfiguredPort m_port;
    bool m_ready = false;
};

} // namespace quillon::test
