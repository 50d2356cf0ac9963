#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace quillon::cli
{

// One command's arguments, read by a QCommandLineParser that knows the command's options. Every
// option takes a value, the next argument whatever it looks like; an option given more than
// once counts with its first value, and its repeats are left over like anything else no option
// takes. What each command makes of a missing value or of what is left over is its own rule.
class CommandLine
{
public:
    // The options as they are written ("--frame", "-o"), and the arguments to read.
    CommandLine(const QStringList& options, const QStringList& args);

    // The option (as written above) that ends the arguments without its value; empty if none.
    QString missingValue() const { return m_missing; }
    bool isSet(const QString& option) const;
    // The option's value; empty when it was not given.
    QString value(const QString& option) const;
    // The option's value, or `fallback` when it was not given.
    QString value(const QString& option, const QString& fallback) const
    {
        return isSet(option) ? value(option) : fallback;
    }
    // What no option took, in the order given: other arguments, unknown options, repeats of an
    // option, and a "--" with everything after it.
    const QStringList& rest() const { return m_rest; }

    // For a command that takes nothing but its options: the usage error (Usage, after the stderr
    // line) for a missing value or else for the first argument left over; Success otherwise.
    int refuseOthers(const QString& usage) const;

private:
    QString spellingOf(const QString& name) const;

    QCommandLineParser m_parser;
    QStringList m_options;
    QString m_missing;
    QStringList m_rest;
};

} // namespace quillon::cli
