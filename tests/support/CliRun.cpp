#include "CliRun.h"

#include "support/FileBytes.h"
#include "support/SimProcess.h"

#include <QDebug>

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

} // namespace quillon::test
