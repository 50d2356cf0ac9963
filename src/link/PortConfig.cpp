#include "link/PortConfig.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace quillon
{

namespace
{
bool endsNumber(char c)
{
    return c == ',' || c == ' ' || c == '\r' || c == '\n';
}

// The port number is a 16-bit integer: an optional sign and decimal digits.
std::optional<int> readPortNumber(QByteArrayView token)
{
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    const QString text = QString::fromLatin1(token);
    if (!integer.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return int(value);
}

bool looksLikeDeviceName(const QString& line)
{
    static const QRegularExpression windowsPort(QStringLiteral(R"(^(\\\\\.\\)?COM[0-9]+$)"),
                                                QRegularExpression::CaseInsensitiveOption);
    return line.startsWith(u'/') || windowsPort.match(line).hasMatch();
}
} // namespace

std::optional<PortSetting> PortConfig::parse(QByteArrayView contents)
{
    const char* start =
        std::find_if(contents.begin(), contents.end(), [](char c) { return c != ' '; });
    const char* numberEnd = std::find_if(start, contents.end(), endsNumber);
    if (const auto number = readPortNumber(QByteArrayView(start, numberEnd)))
        return PortSetting::numbered(*number);

    const char* lineEnd =
        std::find_if(start, contents.end(), [](char c) { return c == '\r' || c == '\n'; });
    const QString line = QString::fromUtf8(QByteArrayView(start, lineEnd)).trimmed();
    if (looksLikeDeviceName(line))
        return PortSetting::named(line);
    return std::nullopt;
}

QByteArray PortConfig::format(const PortSetting& setting)
{
    // Fixed: the file's bytes never follow the language or the locale.
    const QByteArray line =
        setting.isNamed() ? setting.device.toUtf8() : QByteArray::number(setting.portno);
    return line + "\r\n";
}

std::optional<PortSetting> PortConfig::read(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const auto setting = parse(file.readAll());
    if (!setting && error)
        *error = QCoreApplication::translate("quillon::PortConfig", "it names no port");
    return setting;
}

bool PortConfig::write(const QString& path, const PortSetting& setting, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(format(setting)) < 0 ||
        !file.flush()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace quillon
