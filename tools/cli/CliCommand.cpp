#include "CliCommand.h"

#include <cstdio>

namespace quillon::cli
{

namespace
{
QList<CliCommand>& registry()
{
    static QList<CliCommand> list;
    return list;
}
} // namespace

bool registerCommand(CliCommand command)
{
    registry().append(std::move(command));
    return true;
}

const QList<CliCommand>& commands()
{
    return registry();
}

void out(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void err(const QString& line)
{
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

int usageError(const QString& usage, const QString& problem)
{
    err(problem + QStringLiteral(" (usage: quillon-cli ") + usage + u')');
    return Usage;
}

} // namespace quillon::cli
