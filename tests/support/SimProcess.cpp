#include "SimProcess.h"

#include "support/FileBytes.h"

namespace quillon::test
{

SimProcess::SimProcess(const QStringList& options) : m_options(options) {}

SimProcess::~SimProcess()
{
    stop();
}

QString SimProcess::binary()
{
    return qEnvironmentVariable("QUILLON_BIN_DIR") + QStringLiteral("/tools/sim/vantor-sim");
}

QString SimProcess::cliBinary()
{
    return qEnvironmentVariable("QUILLON_BIN_DIR") + QStringLiteral("/tools/cli/quillon-cli");
}

bool SimProcess::start(const QStringList& options, QString* error)
{
    m_options = options;
    return start(error);
}

bool SimProcess::start(QString* error)
{
    QString problem;
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->start(binary(), QStringList(m_options)
                                   << QStringLiteral("--quiet") << QStringLiteral("--log")
                                   << m_dir.filePath(QStringLiteral("commands.log")));
    if (!m_process->waitForStarted(5000))
        problem = binary() + QStringLiteral(": ") + m_process->errorString();
    while (problem.isEmpty() && !m_process->canReadLine())
        if (!m_process->waitForReadyRead(5000))
            problem = QStringLiteral("vantor-sim printed no device path");
    if (problem.isEmpty()) {
        m_device = QString::fromLocal8Bit(m_process->readLine()).trimmed();
        if (!m_device.startsWith(u'/'))
            problem = QStringLiteral("vantor-sim printed no device path but ") + m_device;
    }
    if (error)
        *error = problem;
    return problem.isEmpty();
}

void SimProcess::control(const QString& line)
{
    m_process->write(line.toLocal8Bit() + '\n');
    m_process->waitForBytesWritten(1000);
}

QStringList SimProcess::commands() const
{
    const QByteArray log = contentsOf(m_dir.filePath(QStringLiteral("commands.log")));
    return QString::fromLatin1(log).split(u'\n', Qt::SkipEmptyParts);
}

void SimProcess::stop()
{
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    control(QStringLiteral("quit"));
    if (!m_process->waitForFinished(3000))
        kill();
}

void SimProcess::kill()
{
    m_process->kill();
    m_process->waitForFinished(3000);
}

bool holdsRecord(const Record& row, const Record& source, QString* why)
{
    *why = recordDifference(row, source);
    return why->isEmpty();
}

QString recordDifference(const Record& row, const Record& source)
{
    for (int p = 0; p <= 801; ++p)
        if ((p < 251 || p > 259) && row[p] != source[p])
            return QStringLiteral("position %1 holds %2, the instrument sent %3")
                .arg(p)
                .arg(row[p])
                .arg(source[p]);
    return {};
}

} // namespace quillon::test
