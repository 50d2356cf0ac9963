#include "CliCommand.h"
#include "Commands.h"

#include <QGuiApplication>

using namespace quillon::cli;

namespace
{
// The commands, in the order the help lists them (those added later after the first ones).
constexpr CliCommand kCommands[] = {
    {"ascan", "ascan SOURCE [--format json|png|svg] [--caption] [-o OUT]", nullptr, runAscan},
    {"bank", "bank FILE", nullptr, runBank},
    {"capture", "capture --port DEVICE --memories LIST [--into BANK] [--archive DB] -o OUT",
     nullptr, runCapture},
    {"docx", "docx SOURCE -o OUT.docx", "test report as a Word document", runDocx},
    {"import-frames", "import-frames CAPTURE [--into BANK] [--archive DB] -o OUT", nullptr,
     runImportFrames},
    {"listen", "listen --port DEVICE [--count N] [--timeout SECONDS] [--archive DB] -o OUT",
     nullptr, runListen},
    {"record", "record SOURCE", nullptr, runRecord},
    {"report", "report (SOURCE | --bank FILE --memories LIST|all) -o OUT.pdf",
     "test report, one page per memory (LIST like 3,7,10-12)", runReport},
    {"table", "table BANK... [--memories LIST|all] [--format json|csv|xlsx] [-o OUT]",
     "the memories of bank files as one table", runTable},
    {"archive",
     "archive (list (--db DB | --server CONNINFO) [--memory N] [--search TEXT] "
     "[--since ISO-DATE] [--until ISO-DATE] [--limit N] | show (--db DB | --server CONNINFO) "
     "--id [ORIGIN:]ID | export (--db DB | --server CONNINFO) --ids LIST -o BANK | "
     "sync --db DB --server CONNINFO)",
     "the record archive", runArchive},
    {"register", "register (--db DB | --server CONNINFO) [--format json|csv|xlsx|pdf] [-o OUT]",
     "the defect register of a record archive", runRegister},
    {"server", "server init --server CONNINFO", "makes or upgrades the team archive", runServer},
};

constexpr char kSources[] = "sources: --frame FILE | --awv FILE | --bank FILE --memory N\n";
constexpr char kExitStatus[] =
    "exit status: 0 success, 1 usage, 2 unusable input, 3 device or output failure,\n"
    "             4 team archive unreachable or refusing\n";

void printHelp()
{
    QByteArray text = "usage: quillon-cli COMMAND [ARGS]\n\ncommands:\n";
    for (const CliCommand& c : kCommands) {
        text += QByteArray("  quillon-cli ") + c.usage;
        if (c.summary)
            text += QByteArray("   ") + c.summary;
        text += '\n';
    }
    out(text + '\n' + kSources + kExitStatus);
}

// `quillon-cli COMMAND --help`: the command's usage line, what it does and what its words mean.
void printCommandHelp(const CliCommand& c)
{
    QByteArray text = QByteArray("usage: quillon-cli ") + c.usage + '\n';
    if (c.summary)
        text += QByteArray(c.summary) + '\n';
    text += '\n';
    if (QByteArrayView(c.usage).contains("SOURCE"))
        text += kSources;
    out(text + kExitStatus);
}

bool asksForHelp(const QStringList& args)
{
    return args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"));
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
    for (const CliCommand& c : kCommands) {
        if (name != QLatin1String(c.name))
            continue;
        // Anywhere after the command ("archive list --help" too).
        if (asksForHelp(args)) {
            printCommandHelp(c);
            return Success;
        }
        return c.run(args, QString::fromLatin1(c.usage));
    }
    err(QStringLiteral("unknown command: ") + name);
    printHelp();
    return Usage;
}
