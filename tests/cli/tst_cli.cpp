// quillon-cli run as a user runs it, on frames, waveform files and bank files the test writes.
#include "core/BankFile.h"
#include "core/Module1.h"
#include "support/CliRun.h"
#include "support/FileBytes.h"
#include "support/Records.h"
#include "support/SimProcess.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <memory>

using namespace quillon;
using namespace quillon::test;

namespace
{
// A memory as the instrument stores it: samples, menu values, DAC points and notes.
Record instrumentRecord(QByteArrayView memoryNumber)
{
    Record r{};
    for (int i = 0; i <= 250; ++i)
        r[i] = std::int16_t((i * 3) % 90);
    r[3] = 150; // above full height
    putText(r, 260, "108    100    5920   0.0    25.0 xxON     30%    70%    40%    OFF    ");
    putText(r, 330, "30%    70%    40%    A Scan ");
    putText(r, 358, memoryNumber.toByteArray().leftJustified(7, ' '));
    putText(r, 365, "Send   25.000%    OFF    EnvelopSingle ON     OFF    OFF    50    ");
    putText(r, 431, "ON     001    001    ENTER QON     OFF    070    0100   OFF    OFF    ");
    putText(r, 501, "OFF    ENTER  1234280403123.4 45.6 78.9");
    for (int k = 0; k < 9; ++k)
        setDacPoint(r, k, 25 * k, 80 - 10 * k);
    putText(r, 558, "ABC");
    for (int p = 561; p <= 800; ++p)
        r[p] = ' ';
    putText(r, 561, "Op\xe9rator \x01\x85\"\\");
    putText(r, 601, "Section 4");
    r[801] = 'T';
    r[802] = 'W';
    return r;
}

QJsonObject parse(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << "JSON:" << error.errorString() << json.left(200);
    return doc.object();
}
} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(SimProcess::cliBinary()), qPrintable(SimProcess::cliBinary()));
        QVERIFY(m_dir.isValid());
        m_record = instrumentRecord("007");
        m_frame = write("memory7.bin",
                        QByteArray("\x01\x02junk", 6) + test::frameBytes(m_record) + "after");
        m_awv = write("memory7.awv", test::waveformBytes(m_record, 1500));

        auto m = std::make_unique<Module1>();
        m->startUp();
        m->recbuf = m_record;
        m->store(6, m->recbuf, {StoreKind::Received, {}});
        Record eleven = m->membank[11];
        putText(eleven, 358, "125"); // marked while read: "12" after two characters
        m->store(11, eleven, {StoreKind::Restored, {}, false});
        m_bank = write("bank.dat", writeBank(m->membank));
        m_badBank = write("bad.dat", writeBank(m->membank).left(400000));
    }

    void recordFromAFrame()
    {
        const CliResult r = runCli({"record", "--frame", m_frame});
        QCOMPARE(r.exit, 0);
        QVERIFY(r.err.isEmpty());
        const QJsonObject json = parse(r.out);
        QCOMPARE(json.value("memory").toInt(), 7);
        const QJsonArray positions = json.value("positions").toArray();
        QCOMPARE(positions.size(), 841);
        for (int p = 0; p <= 840; ++p) {
            // Untouched positions of a record that started at 0; 802 is not carried by a frame.
            const bool carried = p <= 250 || (p >= 260 && p <= 801);
            QCOMPARE(positions[p].toInt(-1), carried ? int(m_record[p]) : 0);
        }
        const QJsonObject panel = json.value("panel").toObject();
        QCOMPARE(panel.size(), 37 + 3 + 1);
        const std::pair<const char*, const char*> boxes[] = {
            {"txtzero", "108    "},   {"txtgain", "25.0 dB"},  {"txtrefg", "25.0"},
            {"txtreject", "00%    "}, {"txtmemno", "007    "}, {"txtbrt", "50    "},
            {"txtdac", "ON     "},    {"Txtent", "ENTER "},    {"txtangle", "070    "},
            {"txtblk2", "ENTER  "},   {"txtbeam", "123.4"},    {"txtsurf", " 45.6"},
            {"txtdpth", " 78.9"},
        };
        for (const auto& [box, text] : boxes)
            QCOMPARE(panel.value(QLatin1String(box)).toString(), QLatin1String(text));
        QCOMPARE(panel.value("txttmdt").toString(), QStringLiteral("Tm: 12:34 Dt:28/04/03"));
        const QJsonArray notes = json.value("notes").toArray();
        QCOMPARE(notes.size(), 12);
        QCOMPARE(notes[1].toString(), QString());
        QCOMPARE(notes[2].toString(), QStringLiteral("Section 4           "));
        QCOMPARE(notes[11].toString(), QString());
    }

    void recordFromAWaveformFile()
    {
        const CliResult r = runCli({"record", "--awv", m_awv});
        QCOMPARE(r.exit, 0);
        const QJsonArray positions = parse(r.out).value("positions").toArray();
        QCOMPARE(positions.size(), 841);
        for (int p = 0; p <= 840; ++p) {
            const bool carried = p <= 250 || (p >= 260 && p <= 802);
            QCOMPARE(positions[p].toInt(-1), carried ? int(m_record[p]) : 0);
        }
        QCOMPARE(parse(r.out).value("memory").toInt(), 7);
    }

    void recordFromABankFile()
    {
        const CliResult r = runCli({"record", "--bank", m_bank, "--memory", "7"});
        QCOMPARE(r.exit, 0);
        const QJsonArray positions = parse(r.out).value("positions").toArray();
        for (int p = 0; p <= 839; ++p)
            QCOMPARE(positions[p].toInt(-1), int(m_record[p]));
        QCOMPARE(positions[840].toInt(-1), 0); // bank files do not carry position 840

        const CliResult blank = runCli({"record", "--bank", m_bank, "--memory", "1"});
        QCOMPARE(blank.exit, 0);
        const QJsonObject json = parse(blank.out);
        QCOMPARE(json.value("memory").toInt(), 0);
        // A memory never received: position 260 holds 0, the rest of the setup area spaces.
        QCOMPARE(json.value("panel").toObject().value("txtzero").toString(),
                 QChar(u'\0') + QString(6, u' '));
    }

    void textsAreLatin1WithControlCharactersEscaped()
    {
        const CliResult r = runCli({"record", "--frame", m_frame});
        QCOMPARE(r.exit, 0);
        const QString note0 = parse(r.out).value("notes").toArray()[0].toString();
        QCOMPARE(note0, QStringLiteral("Op\u00e9rator \u0001\u0085\"\\") + QString(7, u' '));
        QVERIFY(r.out.contains("Op\xc3\xa9rator \\u0001\\u0085\\\"\\\\"));
        for (char c : r.out.left(r.out.size() - 1))
            QVERIFY(static_cast<unsigned char>(c) >= 0x20);
    }

    void ascanJson()
    {
        const CliResult r = runCli({"ascan", "--frame", m_frame, "--format", "json"});
        QCOMPARE(r.exit, 0);
        // Whole numbers print as integers.
        QVERIFY(r.out.contains(
            R"({"kind":"line","x1":0,"y1":210,"x2":252,"y2":210,"color":"#000000"})"));
        QVERIFY(r.out.contains(R"("points":[[0,210],[1,210],[2,204],[3,198],[4,10],[5,186],)"));
        const QJsonArray items = parse(r.out).value("items").toArray();
        QStringList kinds;
        for (const QJsonValue& v : items)
            kinds << v.toObject().value("kind").toString();
        // Baseline, trace, dots, gate 1 bar, DAC segments (80 down to 10: seven), six labels.
        QStringList expected{"line", "polyline", "dots", "line"};
        for (int i = 0; i < 7; ++i)
            expected << "line";
        for (int i = 0; i < 6; ++i)
            expected << "text";
        QCOMPARE(kinds, expected);
        const QJsonObject trace = items[1].toObject();
        QCOMPARE(trace.value("color").toString(), QStringLiteral("#00aa00"));
        const QJsonArray points = trace.value("points").toArray();
        QCOMPARE(points.size(), 251);
        QCOMPARE(points[250].toArray()[0].toInt(), 250);
        QCOMPARE(points[250].toArray()[1].toInt(), 210 - 2 * ((249 * 3) % 90));
        QCOMPARE(items[2].toObject().value("points").toArray().size(), 984);
        const QJsonObject bar = items[3].toObject();
        QCOMPARE(bar.value("x1").toDouble(), 75.0);
        QCOMPARE(bar.value("x2").toDouble(), 250.0);
        QCOMPARE(bar.value("y1").toDouble(), 130.0);
        QCOMPARE(bar.value("color").toString(), QStringLiteral("#00aa00"));
        const QJsonObject firstDac = items[4].toObject();
        QCOMPARE(firstDac.value("y1").toDouble(), 50.0);
        QCOMPARE(firstDac.value("x2").toDouble(), 25.0);
        QCOMPARE(firstDac.value("y2").toDouble(), 70.0);
        const QStringList labels{" 0", " 20", " 40", " 60", " 80", " 100"};
        const QList<int> xs{0, 41, 91, 141, 191, 239};
        for (int i = 0; i < 6; ++i) {
            const QJsonObject t = items[11 + i].toObject();
            QCOMPARE(t.value("text").toString(), labels[i]);
            QCOMPARE(t.value("x").toInt(-1), xs[i]);
            QCOMPARE(t.value("y").toInt(-1), 215);
            QCOMPARE(t.value("color").toString(), QStringLiteral("#000000"));
        }
    }

    void ascanPng()
    {
        const QString out = m_dir.filePath("memory7.png");
        const CliResult r = runCli({"ascan", "--awv", m_awv, "--format", "png", "-o", out});
        QCOMPARE(r.exit, 0);
        QVERIFY(r.out.isEmpty());
        QImage image(out, "PNG");
        QCOMPARE(image.size(), QSize(347, 311));
        const CliResult toStdout = runCli({"ascan", "--awv", m_awv, "--format", "png"});
        QCOMPARE(toStdout.exit, 0);
        QVERIFY(toStdout.out.startsWith("\x89PNG\r\n\x1a\n"));
        QCOMPARE(QImage::fromData(toStdout.out, "PNG").size(), QSize(347, 311));
    }

    void ascanSvg()
    {
        // The picture itself is checked against the PNG in tst_ascan_svg; here the command's file.
        const QString out = m_dir.filePath("memory7.svg");
        const CliResult r = runCli({"ascan", "--awv", m_awv, "--format", "svg", "-o", out});
        QCOMPARE(r.exit, 0);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QStringLiteral("svg"));
        // The surface and its single-line border, whole.
        QCOMPARE(xml.attributes().value("viewBox"), QStringLiteral("0 0 347 311"));
        int polylines = 0;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"polyline")
                ++polylines;
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(polylines >= 1); // the trace

        // --caption adds a line under the drawing: the memory and the file, wherever it stands.
        const CliResult captioned =
            runCli({"ascan", "--caption", "--awv", m_awv, "--format", "svg"});
        QCOMPARE(captioned.exit, 0);
        QVERIFY(captioned.out.contains("viewBox=\"0 0 347 330\""));
        QVERIFY(captioned.out.contains(">Mem 7   "));
        QVERIFY(captioned.out.contains("   memory7.awv</text>"));
    }

    void bankListsTheMemories()
    {
        const CliResult r = runCli({"bank", m_bank});
        QCOMPARE(r.exit, 0);
        const QJsonArray memories = parse(r.out).value("memories").toArray();
        QCOMPARE(memories.size(), 200);
        for (int row = 0; row < 200; ++row) {
            const QJsonObject m = memories[row].toObject();
            const bool marked = row == 6 || row == 11;
            QCOMPARE(m.value("memory").toInt(), row + 1);
            QCOMPARE(m.value("marked").toBool(), marked);
            QCOMPARE(m.value("item").toString(),
                     QStringLiteral("Mem %1%2").arg(row + 1).arg(marked ? " *" : ""));
        }
    }

    void importFramesStoresByCarriedNumber()
    {
        const Record a = instrumentRecord("007");
        Record b = instrumentRecord("12 ");
        b[0] = 44;
        Record c = instrumentRecord(" 7");
        c[100] = 66;
        const Record zero = instrumentRecord("000");
        const Record above = instrumentRecord("201");
        const QByteArray capture = QByteArray("noise") + test::frameBytes(a) +
                                   test::frameBytes(zero) + test::frameBytes(above) +
                                   test::frameBytes(b) + test::frameBytes(c) +
                                   test::frameBytes(a).left(500);
        const QString in = write("capture.bin", capture);
        const QString out = m_dir.filePath("imported.dat");
        const CliResult r = runCli({"import-frames", in, "-o", out});
        QCOMPARE(r.exit, 0);
        const QList<QByteArray> lines = r.err.trimmed().split('\n');
        QCOMPARE(lines.size(), 3); // two frames not stored, one frame cut short
        QVERIFY2(lines[0].contains("frame 2"), lines[0].constData());
        QVERIFY2(lines[1].contains("frame 3") && lines[1].contains("201"), lines[1].constData());

        QCOMPARE(contentsOf(out).size(), 672000);
        const auto contents = readBankFile(out);
        QVERIFY(contents);

        // The working record starts as after start-up (the sample echo's last value at 251) and
        // keeps, from frame to frame, the positions no frame writes.
        const auto stored = [](const Record& sent) {
            Record r{};
            for (int p = 0; p <= 839; ++p) {
                const bool carried = p <= 250 || (p >= 260 && p <= 801);
                r[p] = carried ? sent[p] : 0;
            }
            r[251] = 2;
            return r;
        };
        const Record expected7 = stored(c);
        const Record expected12 = stored(b);
        for (int p = 0; p <= 839; ++p) {
            QCOMPARE(int(contents->bank[6][p]), int(expected7[p]));
            QCOMPARE(int(contents->bank[11][p]), int(expected12[p]));
            QCOMPARE(int(contents->bank[0][p]), p <= 260 ? 0 : p <= 599 ? 32 : 0);
        }
        for (int row = 0; row < 200; ++row)
            QCOMPARE(contents->marks[row], row == 6 || row == 11);
    }

    void importFramesIntoABank()
    {
        const Record d = instrumentRecord("3");
        const QString in = write("capture3.bin", test::frameBytes(d));
        const QString out = m_dir.filePath("merged.dat");
        const CliResult r = runCli({"import-frames", in, "--into", m_bank, "-o", out});
        QCOMPARE(r.exit, 0);
        QVERIFY(r.err.isEmpty());
        const auto contents = readBankFile(out);
        QVERIFY(contents);
        QCOMPARE(int(contents->bank[2][0]), int(d[0]));
        QCOMPARE(int(contents->bank[2][360]), int(' '));
        for (int p = 0; p <= 839; ++p)
            QCOMPARE(int(contents->bank[6][p]), int(m_record[p])); // from BANK, kept
        QVERIFY(contents->marks[2] && contents->marks[6] && contents->marks[11]);
    }

    void tableOfBankFiles()
    {
        // JSON: the columns by name, a row per listed memory of each file in turn.
        CliResult r = runCli({"table", m_bank, m_bank, "--memories", "7,12-13"});
        QCOMPARE(r.exit, 0);
        const QJsonObject table = parse(r.out);
        const QJsonArray columns = table["columns"].toArray();
        QCOMPARE(columns.size(), 4 + 37 + 3 + 1 + 12);
        QCOMPARE(columns[0].toString(), QStringLiteral("file"));
        QCOMPARE(columns[3].toString(), QStringLiteral("tested"));
        QCOMPARE(columns[4].toString(), QStringLiteral("txtzero"));
        QCOMPARE(columns[41].toString(), QStringLiteral("txtbeam"));
        QCOMPARE(columns[44].toString(), QStringLiteral("txttmdt"));
        QCOMPARE(columns[56].toString(), QStringLiteral("note12"));
        const QJsonArray rows = table["rows"].toArray();
        QCOMPARE(rows.size(), 6);
        const QJsonArray seven = rows[0].toArray();
        QCOMPARE(seven[0].toString(), m_bank);
        QCOMPARE(seven[1].toInt(), 7);
        QCOMPARE(seven[2].toBool(), true);
        QCOMPARE(seven[3].toString(), QStringLiteral("2003-04-28T12:34"));
        QCOMPARE(rows[2].toArray()[1].toInt(), 13);
        QCOMPARE(rows[2].toArray()[2].toBool(), false);
        QCOMPARE(rows[2].toArray()[3].toString(), QString()); // no clock in a start-up row
        // Every text as the record command's panel and note boxes give it, without the padding.
        const QJsonObject record = parse(runCli({"record", "--bank", m_bank, "--memory", "7"}).out);
        for (int c = 4; c < 45; ++c)
            QCOMPARE(seven[c].toString(),
                     record["panel"].toObject()[columns[c].toString()].toString().trimmed());
        QCOMPARE(seven[4].toString(), QStringLiteral("108"));
        QCOMPARE(seven[47].toString(), QStringLiteral("Section 4"));

        // "all" (the default): the marked memories. CSV: BOM, CRLF, quoted where needed.
        r = runCli({"table", m_bank, "--format", "csv"});
        QCOMPARE(r.exit, 0);
        QVERIFY(r.out.startsWith("\xEF\xBB\xBF"
                                 "file,memory,marked,tested,txtzero,"));
        const QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines.size(), 4); // heading, memories 7 and 12, and the end after the last CRLF
        QVERIFY(lines[0].endsWith("note12\r"));
        QVERIFY2(lines[1].startsWith(m_bank.toUtf8() + ",7,true,2003-04-28T12:34,108,100,5920,"),
                 lines[1]);
        QVERIFY2(lines[1].contains(",25.0 dB,ON,30%,"), lines[1]); // units stay in the text
        QVERIFY2(lines[1].contains(",\"Op\xc3\xa9rator \x01\xc2\x85\"\"\\\",,Section 4,"),
                 lines[1]);
        QVERIFY(lines[2].startsWith(m_bank.toUtf8() + ",12,true,,"));
    }

    void tableAsSpreadsheet()
    {
        const QString xlsx = m_dir.filePath("bank.xlsx");
        QCOMPARE(runCli({"table", m_bank, "--format", "xlsx"}).exit, 1); // xlsx needs -o
        QCOMPARE(runCli({"table", m_bank, "--format", "xlsx", "-o", xlsx}).exit, 0);
        // Read back by a spreadsheet reader: which cells are numbers, dates and texts, how they
        // show and stand, and how the sheet prints.
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral(R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
bank, samples = book['Bank'], book['Samples']
head = [c.value for c in bank[1]]
row = {head[i]: c for i, c in enumerate(bank[2])}
print(book.sheetnames, bank.freeze_panes, bank.auto_filter.ref, bank['A1'].font.b)
for name in ('memory', 'marked', 'tested', 'txtvelo', 'txtdelay', 'txtgain', 'txtstart', 'note3'):
    c = row[name]
    print(name, c.data_type, repr(c.value), c.number_format, c.alignment.horizontal, c.alignment.indent)
print(repr(bank.cell(3, head.index('tested') + 1).value))
print(bank.max_row, samples.max_row, samples.max_column, [c.value for c in samples[1]][:3],
      [c.value for c in samples[2]][:2], samples['F2'].value, samples.freeze_panes)
p = bank.page_setup # a width of 1 page is the default, left out of the file
print(p.orientation, p.fitToWidth or 1, p.fitToHeight, bank.sheet_properties.pageSetUpPr.fitToPage,
      bank.print_title_rows, bank.print_options.gridLines)
print(bank.column_dimensions['D'].width > 16)
    )"),
                                                          xlsx});
        QVERIFY(python.waitForFinished(30000));
        const QString shown = QString::fromUtf8(python.readAll());
        QCOMPARE(python.exitCode(), 0);
        QCOMPARE(shown.split(u'\n'),
                 (QStringList{"['Bank', 'Samples'] C2 A1:BE3 True", "memory n 7 0 right 1.0",
                              "marked s 'true' General left 1.0",
                              "tested d datetime.datetime(2003, 4, 28, 12, 34) yyyy-mm-dd hh:mm "
                              "right 1.0",
                              "txtvelo n 5920 0 right 1.0", "txtdelay n 0 0.0 right 1.0",
                              "txtgain n 25 0.0\" dB\" right 1.0", "txtstart n 30 0\"%\" right 1.0",
                              "note3 s 'Section 4' General left 1.0", "None",
                              "3 3 253 ['file', 'memory', 0] ['" + m_bank + "', 7] 150 C2",
                              "landscape 1 0 True $1:$1 True", "True", ""}));
    }

    void tableRefusesABadFileAndWritesNothing()
    {
        const QString out = m_dir.filePath("refused.csv");
        const CliResult r = runCli({"table", m_bank, m_badBank, "--format", "csv", "-o", out});
        QCOMPARE(r.exit, 2);
        QVERIFY2(r.err.contains(m_badBank.toUtf8()), r.err);
        QVERIFY(!QFile::exists(out));
    }

    void exitStatuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QStringList>("said"); // what the one stderr line names (status 2 and 3)
        const QString missing = m_dir.filePath("missing.bin");
        const QString noFrame = write("noframe.bin", QByteArray(3000, 'x') + char(255) + "short");
        const QString shortAwv = write("short.awv", QByteArray(1140, ' '));
        const QString noDir = m_dir.filePath("no/such/dir/out");
        const QString cap = write("one.bin", test::frameBytes(instrumentRecord("5")));

        const auto row = [](const char* name, const QStringList& args, int exit,
                            const QStringList& said = {}) {
            QTest::newRow(name) << args << exit << said;
        };

        row("no command", {}, 1);
        row("unknown command", {"frobnicate"}, 1);
        row("record without a source", {"record"}, 1);
        row("two sources", {"record", "--frame", m_frame, "--awv", m_awv}, 1);
        row("bank without memory", {"record", "--bank", m_bank}, 1);
        row("memory 201", {"record", "--bank", m_bank, "--memory", "201"}, 1);
        row("unknown format", {"ascan", "--awv", m_awv, "--format", "bmp"}, 1);
        row("import without -o", {"import-frames", cap}, 1);
        row("bank without a file", {"bank"}, 1);

        row("missing frame file", {"record", "--frame", missing}, 2, {missing});
        row("no complete frame", {"record", "--frame", noFrame}, 2, {noFrame, "frame"});
        row("short waveform file", {"ascan", "--awv", shortAwv}, 2, {shortAwv, "1140"});
        row("truncated bank as a source", {"record", "--bank", m_badBank, "--memory", "1"}, 2,
            {m_badBank, "memory 120", "position 40"});
        row("truncated bank listed", {"bank", m_badBank}, 2,
            {m_badBank, "memory 120", "position 40"});
        row("truncated bank to import into",
            {"import-frames", cap, "--into", m_badBank, "-o", noDir}, 2, {m_badBank, "memory 120"});
        row("missing capture", {"import-frames", missing, "-o", noDir}, 2, {missing});

        row("folder as a bank", {"bank", m_dir.path()}, 2, {m_dir.path(), "directory"});
        // A device never ends: it is refused unread.
        const QString device = QStringLiteral("/dev/zero");
        row("device as a bank", {"bank", device}, 2, {device, "device"});
        row("device as frames", {"record", "--frame", device}, 2, {device, "device"});
        row("device as a waveform file", {"record", "--awv", device}, 2, {device, "device"});
        row("device as a capture", {"import-frames", device, "-o", noDir}, 2, {device, "device"});

        row("PNG into a missing folder", {"ascan", "--awv", m_awv, "--format", "png", "-o", noDir},
            3, {noDir});
        row("bank file into a missing folder", {"import-frames", cap, "-o", noDir}, 3, {noDir});
    }

    void exitStatuses()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        QFETCH(QStringList, said);
        const CliResult r = runCli(args);
        QCOMPARE(r.exit, exit);
        if (exit == 2 || exit == 3) {
            QCOMPARE(r.err.count('\n'), 1);
            for (const QString& s : said)
                QVERIFY2(QString::fromLocal8Bit(r.err).contains(s), r.err.constData());
            QVERIFY(r.out.isEmpty());
        }
    }

    void helpAndUsageErrorsWordedExactly_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        const QByteArray help =
            "usage: quillon-cli COMMAND [ARGS]\n\ncommands:\n"
            "  quillon-cli ascan SOURCE [--format json|png|svg] [--caption] [-o OUT]\n"
            "  quillon-cli bank FILE\n"
            "  quillon-cli capture --port DEVICE --memories LIST [--into BANK] [--archive DB] -o "
            "OUT\n"
            "  quillon-cli docx SOURCE -o OUT.docx   test report as a Word document\n"
            "  quillon-cli import-frames CAPTURE [--into BANK] [--archive DB] -o OUT\n"
            "  quillon-cli listen --port DEVICE [--count N] [--timeout SECONDS] [--archive DB] -o "
            "OUT\n"
            "  quillon-cli record SOURCE\n"
            "  quillon-cli report (SOURCE | --bank FILE --memories LIST|all) -o OUT.pdf   test "
            "report, one page per memory (LIST like 3,7,10-12)\n"
            "  quillon-cli table BANK... [--memories LIST|all] [--format json|csv|xlsx] [-o OUT]   "
            "the memories of bank files as one table\n"
            "  quillon-cli archive (list (--db DB | --server CONNINFO) [--memory N] [--search "
            "TEXT] "
            "[--since ISO-DATE] [--until ISO-DATE] [--limit N] | show (--db DB | --server "
            "CONNINFO) --id [ORIGIN:]ID | export (--db DB | --server CONNINFO) --ids LIST -o BANK "
            "| sync --db DB --server CONNINFO)   the record archive\n"
            "  quillon-cli register (--db DB | --server CONNINFO) [--format json|csv|xlsx|pdf] "
            "[-o OUT]   the defect register of a record archive\n"
            "  quillon-cli server init --server CONNINFO   makes or upgrades the team archive\n"
            "\nsources: --frame FILE | --awv FILE | --bank FILE --memory N\n"
            "exit status: 0 success, 1 usage, 2 unusable input, 3 device or output failure,\n"
            "             4 team archive unreachable or refusing\n";
        const QString x = m_dir.filePath("x");
        const auto row = [](const char* name, const QStringList& args, int exit,
                            const QByteArray& out, const QByteArray& err) {
            QTest::newRow(name) << args << exit << out << err;
        };
        row("no command", {}, 1, help, {});
        row("help", {"--help"}, 0, help, {});
        row("unknown command", {"frobnicate"}, 1, help, "unknown command: frobnicate\n");
        row("record without a source", {"record"}, 1, {},
            "no record source given (usage: quillon-cli record SOURCE)\n");
        row("a source without its file", {"record", "--frame"}, 1, {},
            "--frame needs a value (usage: quillon-cli record SOURCE)\n");
        row("an unknown option", {"record", "--frame", m_frame, "--foo"}, 1, {},
            "unexpected argument --foo (usage: quillon-cli record SOURCE)\n");
        row("an option twice", {"record", "--frame", m_frame, "--frame", m_frame}, 1, {},
            "unexpected argument --frame (usage: quillon-cli record SOURCE)\n");
        row("memory without a bank", {"record", "--memory", "7"}, 1, {},
            "--memory goes with --bank (usage: quillon-cli record SOURCE)\n");
        row("unknown format", {"ascan", "--awv", m_awv, "--format", "bmp"}, 1, {},
            "unknown format bmp (usage: quillon-cli ascan SOURCE [--format json|png|svg] "
            "[--caption] [-o OUT])\n");
        row("output without a name", {"ascan", "--awv", m_awv, "-o"}, 1, {},
            "-o needs a value (usage: quillon-cli ascan SOURCE [--format json|png|svg] "
            "[--caption] [-o OUT])\n");
        row("two bank files", {"bank", "a", "b"}, 1, {},
            "give one bank file (usage: quillon-cli bank FILE)\n");
        row("import without -o", {"import-frames", "a"}, 1, {},
            "-o OUT is required (usage: quillon-cli import-frames CAPTURE [--into BANK] [--archive "
            "DB] "
            "-o OUT)\n");
        row("capture of all", {"capture", "--port", "P", "--memories", "all", "-o", x}, 1, {},
            "--memories: \"all\" is not a memory or a range of memories from 1 to 200 (usage: "
            "quillon-cli capture --port DEVICE --memories LIST [--into BANK] [--archive DB] -o "
            "OUT)\n");
        row("listen for no records", {"listen", "--port", "P", "--count", "0", "-o", x}, 1, {},
            "--count needs a number of records above 0 (usage: quillon-cli listen --port DEVICE "
            "[--count N] [--timeout SECONDS] [--archive DB] -o OUT)\n");
        row("report without -o", {"report", "--awv", m_awv}, 1, {},
            "usage: quillon-cli report (SOURCE | --bank FILE --memories LIST|all) -o OUT.pdf\n");
        row("report of memories and a memory",
            {"report", "--bank", m_bank, "--memories", "7", "--memory", "7", "-o", x}, 1, {},
            "--memories goes with --bank and without --memory\n");
        row("report of a bad list", {"report", "--bank", m_bank, "--memories", "7-", "-o", x}, 1,
            {}, "--memories: \"7-\" is not a memory or a range of memories from 1 to 200\n");
        row("document without -o", {"docx", "--awv", m_awv}, 1, {},
            "usage: quillon-cli docx SOURCE -o OUT.docx\n");
        row("document source without its file", {"docx", "--awv"}, 1, {}, "--awv needs a value\n");
    }

    void helpAndUsageErrorsWordedExactly()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const CliResult r = runCli(args);
        QCOMPARE(r.exit, exit);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err, err);
        QVERIFY(!QFile::exists(m_dir.filePath("x")));
    }

    void commandHelp_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("command");
        for (const char* c : {"ascan", "bank", "capture", "docx", "import-frames", "listen",
                              "record", "report", "table", "archive"})
            QTest::newRow(c) << QStringList{c, "--help"} << QByteArray(c);
        QTest::newRow("archive list")
            << QStringList{"archive", "list", "--help"} << QByteArray("archive");
        QTest::newRow("-h among options")
            << QStringList{"table", "x.dat", "--format", "csv", "-h"} << QByteArray("table");
    }

    void commandHelp()
    {
        // The command's own line of the general help, then what the lines after it say.
        QFETCH(QStringList, args);
        QFETCH(QByteArray, command);
        const CliResult r = runCli(args);
        QCOMPARE(r.exit, 0);
        QVERIFY(r.err.isEmpty());
        QVERIFY2(r.out.startsWith("usage: quillon-cli " + command + ' '), r.out);
        const QByteArray usage = r.out.mid(7, r.out.indexOf('\n') - 7);
        const QByteArray general = runCli({"--help"}).out;
        QVERIFY2(general.contains("\n  " + usage), usage);
        QCOMPARE(r.out.contains("\nsources: "), usage.contains("SOURCE"));
        QVERIFY(r.out.endsWith("\nexit status: 0 success, 1 usage, 2 unusable input, 3 device or "
                               "output failure,\n             4 team archive unreachable or "
                               "refusing\n"));
    }

    void hugeFileRefusedUnread()
    {
        // A file picked by mistake: far larger than any bank file, refused by its size alone.
        const QString huge = m_dir.filePath("huge.dat");
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(3) << 30));
        file.close();
        const QByteArray tooLarge =
            huge.toLocal8Bit() +
            ": it holds 3221225472 bytes, far more than a bank file's 672000\n";
        const QString out = m_dir.filePath("from-huge.dat");
        const QList<QPair<QStringList, QByteArray>> cases{
            {{"bank", huge}, tooLarge},
            {{"record", "--bank", huge, "--memory", "1"}, tooLarge},
            {{"import-frames", m_frame, "--into", huge, "-o", out}, tooLarge},
            {{"record", "--awv", huge},
             huge.toLocal8Bit() +
                 ": a file of 3221225472 bytes is a bank file, not a waveform file "
                 "(waveform files have fewer than 10000 bytes)\n"},
        };
        for (const auto& [args, said] : cases) {
            const CliResult r = runCli(args);
            QCOMPARE(r.exit, 2);
            QCOMPARE(r.err, said);
            QVERIFY(r.out.isEmpty());
        }
        QVERIFY(!QFile::exists(out));
    }

private:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        if (!writeBytes(path, bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QTemporaryDir m_dir;
    Record m_record{};
    QString m_frame, m_awv, m_bank, m_badBank, m_capture;
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
