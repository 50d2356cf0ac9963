#include "CliRun.h"

#include "support/FileBytes.h"
#include "support/SimProcess.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace quillon::test
{

CliResult finish(QProcess& process)
{
    CliResult r;
    if (!process.waitForFinished(60000)) {
        qWarning() << "quillon-cli did not finish" << process.arguments();
        process.kill();
        process.waitForFinished();
        return r;
    }
    r.exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

CliResult runCli(const QStringList& args)
{
    QProcess process;
    process.start(SimProcess::cliBinary(), args);
    return finish(process);
}

std::unique_ptr<BankFileContents> readBankFile(const QString& path)
{
    auto contents = std::make_unique<BankFileContents>();
    BankFileError error;
    if (!readBank(contentsOf(path), *contents, &error))
        return nullptr;
    return contents;
}

bool waitUntilOpened(const QProcess& process, const QString& device)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(process.processId());
    for (int i = 0; i < 500; ++i) {
        for (const QString& fd : QDir(fds).entryList(QDir::System | QDir::NoDotAndDotDot))
            if (QFileInfo(fds + u'/' + fd).symLinkTarget() == device)
                return true;
        QTest::qWait(20);
    }
    return false;
}

} // namespace quillon::test
