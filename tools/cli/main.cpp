#include "CliCommand.h"

#include <QGuiApplication>

using namespace quillon::cli;

namespace
{
void printHelp()
{
    QByteArray text = "usage: quillon-cli COMMAND [ARGS]\n\ncommands:\n";
    for (const CliCommand& c : commands())
        text += "  quillon-cli " + c.usage.toLocal8Bit() + '\n';
    text += "\nsources: --frame FILE | --awv FILE | --bank FILE --memory N\n"
            "exit status: 0 success, 1 usage, 2 unusable input, 3 device or output failure\n";
    out(text);
}

// Standard error carries the tool's own one-line messages; the platform's notes (such as a
// missing runtime directory) are dropped unless QUILLON_CLI_VERBOSE is set.
void platformMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg)
        return;
    err(message);
}
} // namespace

int main(int argc, char** argv)
{
    // Text and images are drawn without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QUILLON_CLI_VERBOSE"))
        qInstallMessageHandler(platformMessage);
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        printHelp();
        return args.isEmpty() ? Usage : Success;
    }
    if (args.first() == QLatin1String("--version")) {
        out("quillon-cli " QUILLON_VERSION "\n");
        return Success;
    }
    const QString name = args.takeFirst();
    for (const CliCommand& c : commands())
        if (c.name == name)
            return c.run(args);
    err(QStringLiteral("unknown command: ") + name);
    printHelp();
    return Usage;
}
