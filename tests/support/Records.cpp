#include "Records.h"

#include "core/NoteLines.h"
#include "core/PanelTexts.h"

#include <QRandomGenerator>

#include <cmath>

namespace quillon::test
{

namespace
{

const PanelField* fieldOf(const char* control)
{
    for (const PanelField& f : kPanelFields)
        if (qstrcmp(f.control, control) == 0)
            return &f;
    for (const PanelField& f : kReadoutFields)
        if (qstrcmp(f.control, control) == 0)
            return &f;
    qFatal("no panel box %s", control);
}

void writeText(Record& record, int first, int count, const QString& text)
{
    for (int i = 0; i < count; ++i)
        record[first + i] = i < text.size() ? codeOf(text[i]) : std::int16_t(' ');
}

} // namespace

Record startUpRow()
{
    Record row{};
    initialiseBankRow(row);
    return row;
}

Record filledRecord(std::int16_t value)
{
    Record r;
    r.fill(value);
    return r;
}

Record spaceRecord()
{
    Record r{};
    for (int p = 260; p <= 840; ++p)
        r[p] = ' ';
    return r;
}

Record randomRecord(quint32 seed)
{
    QRandomGenerator random(seed);
    Record r{};
    for (int p = 0; p <= 840; ++p)
        r[p] = std::int16_t(random.bounded(256));
    return r;
}

Record patternRecord(int seed, const char* number)
{
    Record r{};
    for (int p = 0; p < kRecordLength; ++p)
        r[p] = std::int16_t((p * 7 + seed * 13) % 256);
    for (int i = 0; i < 3; ++i)
        r[kMemoryNumberPos + i] = std::int16_t(number[i]);
    return r;
}

void setField(Record& record, const char* control, const QString& text)
{
    const PanelField* f = fieldOf(control);
    writeText(record, f->position, f->read, text);
}

void setTimeDate(Record& record, const QString& tenCharacters)
{
    writeText(record, kTimeDatePos, 10, tenCharacters);
}

void setNote(Record& record, int n, const QString& text)
{
    writeText(record, kNoteFirst + kNoteLength * n, kNoteLength, text);
}

void setDacPoint(Record& record, int k, int x, int amplitude)
{
    record[kDacFirst + 2 * k] = std::int16_t(x);
    record[kDacFirst + 2 * k + 1] = std::int16_t(amplitude);
}

Record gateRecord(QByteArrayView start, QByteArrayView width, QByteArrayView level)
{
    Record r = spaceRecord();
    for (int k = 0; k < kDacPoints; ++k)
        setDacPoint(r, k, 0, 0);
    setField(r, "txtrange", QStringLiteral("100"));
    setField(r, "txtdelay", QStringLiteral("0.0"));
    setField(r, "txtgate", QStringLiteral("ON"));
    setField(r, "txtstart", QString::fromLatin1(start));
    setField(r, "txtend", QString::fromLatin1(width));
    setField(r, "txtlevel", QString::fromLatin1(level));
    setField(r, "txtgate2", QStringLiteral("OFF"));
    setField(r, "txtdac", QStringLiteral("OFF"));
    return r;
}

Record realisticRecord(int memory)
{
    Record r = startUpRow();
    // Initial pulse, a flaw echo at 38 % of the range and the back wall at 80 %, over grass.
    auto echo = [](double i, double centre, double height, double width) {
        const double d = (i - centre) / width;
        return height * std::exp(-d * d);
    };
    for (int i = 0; i < kSampleCount; ++i) {
        const double grass = 2.5 + 2.0 * std::sin(i * 1.7) * std::sin(i * 0.31);
        const double v = grass + echo(i, 6, 104, 4.0) + echo(i, 95, 62, 3.2) +
                         echo(i, 101, 21, 2.5) + echo(i, 200, 78, 3.6) + echo(i, 207, 30, 3);
        r[i] = std::int16_t(std::clamp(std::lround(v), 0L, 255L));
    }

    const std::pair<const char*, const char*> fields[] = {
        {"txtzero", "108"},    {"txtrange", "200"},  {"txtvelo", "3230"},     {"txtdelay", "0.0"},
        {"txtgain", "42.0"},   {"txtgate", "ON"},    {"txtstart", "30%"},     {"txtend", "25%"},
        {"txtlevel", "40%"},   {"txtgate2", "OFF"},  {"txtstart2", "70%"},    {"txtend2", "20%"},
        {"txtlevel2", "30%"},  {"txtmem", "A Scan"}, {"txtaction", "Send"},   {"txtrefg", "36.0"},
        {"txtreject", "05%"},  {"txtsetref", "OFF"}, {"txtVideo", "Envelop"}, {"txtmode", "Single"},
        {"txtclock", "ON"},    {"txtcolor", "OFF"},  {"txthorn", "ON"},       {"txtbrt", "50"},
        {"txtdac", "ON 6/14"}, {"txtcur", "001"},    {"txtpoint", "004"},     {"Txtent", "ENTER"},
        {"txtmea", "ON"},      {"txtxoff", "OFF"},   {"txtangle", "070"},     {"txtthick", "0100"},
        {"txtblk1", "OFF"},    {"txthud", "OFF"},    {"txtbeep", "ON"},       {"txtblk2", "ENTER"},
        {"txtbeam", "138.6"},  {"txtsurf", "130.2"}, {"txtdpth", " 47.4"},
    };
    for (const auto& [control, text] : fields)
        setField(r, control, QString::fromLatin1(text));
    setField(r, "txtmemno", QString::number(memory));
    setTimeDate(r, QStringLiteral("1432150624"));

    const int dac[][2] = {{20, 88},  {60, 74},  {100, 61}, {140, 50}, {180, 41},
                          {220, 34}, {245, 30}, {250, 4},  {250, 0}};
    for (int k = 0; k < kDacPoints; ++k)
        setDacPoint(r, k, dac[k][0], dac[k][1]);

    const char* notes[kNoteLines] = {
        "R. Varga / 0412", "North",        "KM 112-118", "114/6", "LH  Up", "Weld +350 mm",
        "SAIL 2019",       "70 deg 2 MHz", "TDW",        "OBS",   "-",      "Single peak"};
    for (int n = 0; n < kNoteLines; ++n)
        setNote(r, n, QString::fromLatin1(notes[n]));
    return r;
}

Record reportRecord(int memory, const QString& note)
{
    Record r = startUpRow();
    for (int i = 0; i < 250; ++i)
        r[i] = std::int16_t((i * 7 + memory) % 60);
    putText(r, 260, "108    100    5920   0.0    45.5 dBON     30     40     40     ");
    putText(r, 323, "OFF    30%    70%    40%    A Scan ");
    putText(r, 358, QByteArray::number(memory).rightJustified(3, '0') + "    ");
    putText(r, 365, "Send   25  00%    OFF    EnvelopSingle ON     OFF    OFF    50    ");
    putText(r, 431, "OFF    001    001    ENTER  ON     OFF    070    0100   ");
    putText(r, 487, "OFF    OFF    OFF    ENTER  0755280403123.4 56.7 89.0");
    NoteTexts notes;
    notes[0] = note;
    notes[3] = QStringLiteral("Km 12/4");
    writeNoteLines(r, everyLine(notes));
    return r;
}

QByteArray frameBytes(const Record& r, const FrameOptions& o)
{
    QByteArray f;
    f += char(255);
    f += o.partAFirst;
    for (int i = 0; i <= 250; ++i)
        f += char(r[i]);
    f += o.partALast;
    f += o.gap;
    f += char(255);
    QByteArray b(876, o.filler);
    for (const Group& g : kGroups)
        for (int k = 0; k < g.count; ++k)
            b[g.partB + k] = char(r[g.record + k]);
    for (int k = 0; k < kTailFrameCount; ++k)
        b[kTailPartB + k] = char(r[540 + k]);
    return f + b;
}

QByteArray waveformBytes(const Record& r, int size, char filler)
{
    QByteArray f(size, filler);
    for (int i = 0; i <= 250; ++i)
        f[1 + i] = char(r[i]);
    for (const Group& g : kGroups)
        for (int k = 0; k < g.count; ++k)
            f[g.fileOffset + k] = char(r[g.record + k]);
    for (int k = 0; k < kTailFileCount; ++k)
        f[kTailFile + k] = char(r[540 + k]);
    return f;
}

} // namespace quillon::test
