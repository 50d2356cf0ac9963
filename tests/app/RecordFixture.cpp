#include "RecordFixture.h"

#include "core/PanelTexts.h"

#include <cmath>

namespace quillon::fixture
{

Record startUpRow()
{
    Record row{};
    initialiseBankRow(row);
    return row;
}

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

} // namespace quillon::fixture
