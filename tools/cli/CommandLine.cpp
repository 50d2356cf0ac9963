#include "CommandLine.h"

#include "CliCommand.h"

#include <QSet>

namespace quillon::cli
{

namespace
{
QString nameOf(const QString& written)
{
    return written.mid(written.startsWith(QLatin1String("--")) ? 2 : 1);
}
} // namespace

CommandLine::CommandLine(const QStringList& options, const QStringList& args) : m_options(options)
{
    // "-o" is one option, not a group of one-letter ones.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString& option : options)
        m_parser.addOption(QCommandLineOption(nameOf(option), QString(), QStringLiteral("value")));
    // The parser's own verdict is not needed: a missing value and the arguments it does not take
    // are found below, in order, by the rules it reads by.
    m_parser.parse(QStringList{QStringLiteral("quillon-cli")} + args);
    QSet<QString> seen;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (optionsEnded || a == QLatin1String("-") || !a.startsWith(u'-')) {
            m_rest.append(a);
            continue;
        }
        if (a == QLatin1String("--")) {
            optionsEnded = true;
            m_rest.append(a);
            continue;
        }
        const QString name = nameOf(a).section(u'=', 0, 0);
        const QString option = spellingOf(name);
        if (option.isEmpty()) {
            m_rest.append(a);
            continue;
        }
        const bool repeated = seen.contains(name);
        seen.insert(name);
        if (repeated)
            m_rest.append(a);
        if (a.contains(u'='))
            continue;
        if (i + 1 < args.size())
            ++i;
        else if (!repeated)
            m_missing = option;
    }
}

bool CommandLine::isSet(const QString& option) const
{
    return m_parser.isSet(nameOf(option));
}

QString CommandLine::value(const QString& option) const
{
    const QStringList values = m_parser.values(nameOf(option));
    return values.isEmpty() ? QString() : values.first();
}

int CommandLine::refuseOthers(const QString& usage) const
{
    if (!m_missing.isEmpty())
        return usageError(usage, m_missing + QStringLiteral(" needs a value"));
    if (!m_rest.isEmpty())
        return usageError(usage, QStringLiteral("unexpected argument ") + m_rest.first());
    return Success;
}

QString CommandLine::spellingOf(const QString& name) const
{
    for (const QString& option : m_options)
        if (nameOf(option) == name)
            return option;
    return {};
}

} // namespace quillon::cli
