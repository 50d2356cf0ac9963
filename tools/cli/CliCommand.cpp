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

int fail(int status, const QString& line)
{
    err(line);
    return status;
}

int usageError(const QString& usage, const QString& problem)
{
    return fail(Usage, problem + QStringLiteral(" (usage: quillon-cli ") + usage + u')');
}

} // namespace quillon::cli
