#include "CliFiles.h"

#include "CliCommand.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace quillon::cli
{

bool readInputFile(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err(path + QStringLiteral(": ") + file.errorString());
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        err(path + QStringLiteral(": ") + file.errorString());
        return false;
    }
    return true;
}

std::unique_ptr<BankFileContents> readBankFile(const QString& path)
{
    QByteArray bytes;
    if (!readInputFile(path, bytes))
        return nullptr;
    auto contents = std::make_unique<BankFileContents>();
    BankFileError problem;
    if (!readBank(bytes, *contents, &problem)) {
        err(problem.message(path));
        return nullptr;
    }
    return contents;
}

int writeOutput(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty() || path == QLatin1String("-")) {
        out(bytes);
        if (std::ferror(stdout)) {
            err(QStringLiteral("standard output: write failed"));
            return DeviceFailure;
        }
        return Success;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        err(path + QStringLiteral(": ") + file.errorString());
        return DeviceFailure;
    }
    return Success;
}

bool takeOption(QStringList& args, const QString& name, QString* value, QString* error)
{
    const qsizetype i = args.indexOf(name);
    if (i < 0)
        return true;
    if (i + 1 >= args.size()) {
        *error = name + QStringLiteral(" needs a value");
        return false;
    }
    *value = args.at(i + 1);
    args.remove(i, 2);
    return true;
}

} // namespace quillon::cli
