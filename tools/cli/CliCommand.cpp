#include "CliCommand.h"

#include <cstdio>

namespace quillon::cli
{

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
