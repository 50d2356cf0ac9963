#include "SimOptions.h"

#include "core/MemoryListParser.h"

namespace sim
{

namespace
{
// "N=M,N=M" with both sides memories 1..200 (or any count unless `valueIsMemory`).
bool parsePairs(const QString& text, QMap<int, int>& out, bool valueIsMemory)
{
    for (const QString& part : text.split(u',')) {
        const QStringList kv = part.split(u'=');
        if (kv.size() != 2)
            return false;
        bool okKey = false;
        bool okValue = false;
        const int key = kv[0].trimmed().toInt(&okKey);
        const int value = kv[1].trimmed().toInt(&okValue);
        if (!okKey || !okValue || key < 1 || key > 200 || value < 0 ||
            (valueIsMemory && (value < 1 || value > 200)))
            return false;
        out.insert(key, value);
    }
    return true;
}
} // namespace

QString SimOptions::helpText()
{
    return QStringLiteral(
        "usage: vantor-sim [OPTIONS]\n"
        "\n"
        "A simulated instrument on a pseudo-terminal. Prints the terminal's device path as the\n"
        "first line on stdout, then answers memory requests (R, A, hundreds, tens, units) with\n"
        "record frames and takes the release (R, F), at 9600 baud (960 bytes/s).\n"
        "\n"
        "options:\n"
        "  --link PATH          keep a symlink to the terminal at PATH (removed on exit)\n"
        "  --bank FILE          serve memories from a bank file (default: generated records)\n"
        "  --log FILE           append every 22-character command received, one per line\n"
        "  --no-pace            send as fast as the terminal takes it\n"
        "  --reply-delay MS     wait before answering a request (default 30)\n"
        "  --send-every SECONDS send the next memory of --send-list on its own, periodically\n"
        "  --send-list LIST     memories for periodic sends and SIGUSR1 (default 1-10)\n"
        "faults:\n"
        "  --no-reply LIST      never answer requests for these memories\n"
        "  --reply-as N=M,...   answer a request for N with memory M (carrying number M)\n"
        "  --cut N=BYTES,...    frames of memory N stop after BYTES bytes\n"
        "  --noise COUNT        COUNT noise bytes (never 255) before every start byte\n"
        "  --gap COUNT          bytes between part A and the second 255 (default 1)\n"
        "  --data-255           put 255 inside part A (a sample and byte 253) and part B\n"
        "  --quiet              no event lines on stderr\n"
        "  --timestamps         print \"end NS\" on stdout when the last byte of a frame (or of\n"
        "                       any other transmission) has gone out, NS the monotonic clock\n"
        "  --version            print the version and end\n"
        "\n"
        "LIST: memories such as 3,7,10-12.\n"
        "\n"
        "Sending on request: a line on stdin\n"
        "  send N [number TEXT] [cut BYTES] [pause AFTER MS] [noise COUNT] [tail BYTES]\n"
        "      sends memory N unsolicited; `number` rewrites its memory-number group (e.g. 0\n"
        "      or 250), `cut` stops the frame after BYTES bytes, `pause` stops for MS ms after\n"
        "      AFTER bytes, `noise` puts COUNT noise bytes before it, `tail` writes the first\n"
        "      BYTES bytes of memory N+1's frame right after it\n"
        "  noise COUNT          sends COUNT noise bytes\n"
        "  quit                 ends the simulator\n"
        "or the signal SIGUSR1, which sends the next memory of --send-list.\n"
        "SIGINT, SIGTERM and SIGHUP end it.\n");
}

std::optional<SimOptions> SimOptions::parse(const QStringList& args, QString* error)
{
    SimOptions o;
    o.sendList = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    auto fail = [error](const QString& why) {
        *error = why;
        return std::optional<SimOptions>();
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString* out) {
            if (i + 1 >= args.size())
                return false;
            *out = args[++i];
            return true;
        };
        auto count = [&](int* out) {
            QString v;
            bool ok = false;
            if (!value(&v))
                return false;
            *out = v.toInt(&ok);
            return ok && *out >= 0;
        };
        QString v;
        if (a == u"--link") {
            if (!value(&o.link))
                return fail(a + QStringLiteral(" needs a path"));
        } else if (a == u"--bank" || a == u"--log") {
            if (!value(a == u"--bank" ? &o.bank : &o.log))
                return fail(a + QStringLiteral(" needs a file"));
        } else if (a == u"--no-pace") {
            o.paced = false;
        } else if (a == u"--reply-delay") {
            if (!count(&o.replyDelayMs))
                return fail(a + QStringLiteral(" needs milliseconds"));
        } else if (a == u"--send-every") {
            bool ok = false;
            if (!value(&v) || (o.sendEverySeconds = v.toDouble(&ok), !ok) ||
                o.sendEverySeconds <= 0)
                return fail(a + QStringLiteral(" needs seconds above 0"));
        } else if (a == u"--send-list" || a == u"--no-reply") {
            QList<int> list;
            QString problem;
            if (!value(&v) || !quillon::parseMemoryList(v, list, &problem))
                return fail(a + QStringLiteral(" needs a list of memories 1..200"));
            if (a == u"--send-list")
                o.sendList = list;
            else
                o.noReply = QSet<int>(list.begin(), list.end());
        } else if (a == u"--reply-as") {
            if (!value(&v) || !parsePairs(v, o.replyAs, true))
                return fail(a + QStringLiteral(" needs N=M pairs of memories 1..200"));
        } else if (a == u"--cut") {
            if (!value(&v) || !parsePairs(v, o.cut, false))
                return fail(a + QStringLiteral(" needs N=BYTES pairs"));
        } else if (a == u"--noise" || a == u"--gap") {
            if (!count(a == u"--noise" ? &o.noise : &o.gap))
                return fail(a + QStringLiteral(" needs a count"));
        } else if (a == u"--data-255") {
            o.data255 = true;
        } else if (a == u"--quiet") {
            o.quiet = true;
        } else if (a == u"--timestamps") {
            o.timestamps = true;
        } else {
            return fail(QStringLiteral("unknown option: ") + a);
        }
    }
    return o;
}

} // namespace sim
