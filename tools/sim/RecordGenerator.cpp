#include "RecordGenerator.h"

#include "core/NoteLines.h"
#include "core/PanelTexts.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <random>

using namespace quillon;

namespace sim
{

namespace
{
void put(Record& record, int position, int width, const QString& text)
{
    for (int i = 0; i < width; ++i)
        record[position + i] = i < text.size() ? codeOf(text[i]) : std::int16_t(' ');
}

void addEcho(Record& record, double centre, double height, double width)
{
    for (int i = 0; i < kSampleCount; ++i) {
        const double d = (i - centre) / width;
        const double v = height * std::exp(-d * d);
        record[i] = std::int16_t(std::clamp<int>(int(std::lround(v)) + record[i], 0, 254));
    }
}
} // namespace

Record RecordGenerator::generate(int memory)
{
    Record record{};
    std::mt19937 random(std::uint32_t(memory) * 2654435761u + 17u);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };

    // Trace: a noise floor, the transmitter pulse, a flaw echo and the back wall.
    for (int i = 0; i < kSampleCount; ++i)
        record[i] = std::int16_t(pick(0, 3));
    addEcho(record, 6, 110, 3.5);
    const int flaw = 40 + (memory * 37) % 150;
    const int flawHeight = 35 + (memory * 13) % 60;
    addEcho(record, flaw, flawHeight, 3.0);
    addEcho(record, 215, 80, 4.0);

    // Menu settings as the instrument's screen shows them.
    const bool angled = memory % 3 != 0;
    const int range = angled ? 200 : 250;
    const bool gate1 = memory % 4 != 0;
    const bool dac = memory % 2 == 1;
    const bool measure = gate1;
    const int gateStart = std::clamp(flaw * 100 / 250 - 5, 5, 80);
    const QStringList groups = {
        QStringLiteral("108"),                                          // zero
        QString::number(range),                                         // range
        angled ? QStringLiteral("3240") : QStringLiteral("5920"),       // velocity
        QStringLiteral("0.0"),                                          // delay
        QString::number(38.0 + (memory % 10) * 0.5, 'f', 1),            // gain
        gate1 ? QStringLiteral("ON") : QStringLiteral("OFF"),           // gate 1
        QString::number(gateStart) + u'%',                              // start
        QString::number(gateStart + 15) + u'%',                         // end
        QStringLiteral("40%"),                                          // level
        memory % 5 == 0 ? QStringLiteral("ON") : QStringLiteral("OFF"), // gate 2
        QStringLiteral("60%"),
        QStringLiteral("85%"),
        QStringLiteral("30%"),
        QStringLiteral("A Scan"),                               // mem
        QString::number(memory),                                // memory number
        QStringLiteral("Send"),                                 // action
        QStringLiteral("25"),                                   // ref (4 characters)
        QStringLiteral("05%"),                                  // reject
        QStringLiteral("OFF"),                                  // set ref
        QStringLiteral("Envelop"),                              // video
        QStringLiteral("Single"),                               // mode
        QStringLiteral("ON"),                                   // clock
        QStringLiteral("OFF"),                                  // color
        QStringLiteral("ON"),                                   // horn
        QStringLiteral("50"),                                   // bright (6 characters)
        dac ? QStringLiteral("ON") : QStringLiteral("OFF"),     // DAC
        QStringLiteral("001"),                                  // cursor
        QStringLiteral("001"),                                  // point
        QStringLiteral("ENTER"),                                // press
        measure ? QStringLiteral("ON") : QStringLiteral("OFF"), // measure
        QStringLiteral("OFF"),                                  // x-off
        angled ? QStringLiteral("70") : QStringLiteral("000"),  // angle
        QStringLiteral("0100"),                                 // thickness
        QStringLiteral("OFF"),                                  // (blank 1)
        QStringLiteral("OFF"),                                  // HUD
        QStringLiteral("ON"),                                   // beep
        QStringLiteral("ENTER"),                                // (blank 2)
    };
    std::fill(record.begin() + kSetupFirst, record.begin() + kSetupLast + 1, ' ');
    for (qsizetype g = 0; g < groups.size(); ++g)
        put(record, kSetupGroups[g].record, kSetupGroups[g].count, groups[g]);

    // Clock (hh mm dd mm yy) and the readouts of the flaw echo.
    const QString clock = QStringLiteral("%1%2%3%4%5")
                              .arg(8 + memory % 9, 2, 10, QChar(u'0'))
                              .arg((memory * 7) % 60, 2, 10, QChar(u'0'))
                              .arg(1 + memory % 28, 2, 10, QChar(u'0'))
                              .arg(1 + memory % 12, 2, 10, QChar(u'0'))
                              .arg(24, 2, 10, QChar(u'0'));
    put(record, kTimeDatePos, 10, clock);
    const double beam = flaw * range / 250.0;
    const double angle = angled ? 70.0 : 0.0;
    const double rad = angle * M_PI / 180.0;
    put(record, 525, 5, QString::number(beam, 'f', 1).rightJustified(5));
    put(record, 530, 5, QString::number(beam * std::sin(rad), 'f', 1).rightJustified(5));
    put(record, 535, 5, QString::number(beam * std::cos(rad), 'f', 1).rightJustified(5));

    // DAC curve: nine points falling with distance.
    for (int k = 0; k < kDacPoints; ++k) {
        record[kDacFirst + 2 * k] = std::int16_t(10 + 28 * k);
        record[kDacFirst + 2 * k + 1] = std::int16_t(std::max(8, 90 - 9 * k));
    }
    std::fill_n(record.begin() + 558, 3, ' ');

    // Note lines.
    const QStringList divisions = {QStringLiteral("NORTH"), QStringLiteral("EAST"),
                                   QStringLiteral("SOUTH CENTRAL"), QStringLiteral("WEST")};
    const NoteTexts notes = {
        QStringLiteral("OPR %1").arg(100 + memory % 37),
        divisions[memory % divisions.size()],
        QStringLiteral("SEC %1-%2").arg(memory % 9 + 1).arg(QChar(u'A' + memory % 4)),
        QStringLiteral("KM %1/%2").arg(120 + memory).arg(memory % 10),
        memory % 2 ? QStringLiteral("LH UP") : QStringLiteral("RH DN"),
        QStringLiteral("%1 MM FROM JOINT").arg(40 + memory * 3),
        QStringLiteral("RM %1").arg(1990 + memory % 30),
        angled ? QStringLiteral("70 DEG 2 MHZ") : QStringLiteral("0 DEG 4 MHZ"),
        QStringLiteral("FC %1").arg(211 + memory % 5),
        memory % 3 == 0 ? QStringLiteral("IMR") : QStringLiteral("OBS"),
        QStringLiteral("NONE"),
        QStringLiteral("PEAK AT %1%").arg(flawHeight),
    };
    writeNoteLines(record, everyLine(notes));
    record[801] = ' ';
    return record;
}

void RecordGenerator::setMemoryNumberText(Record& record, const QString& text)
{
    put(record, kMemoryNumberPos, 7, text);
}

} // namespace sim
