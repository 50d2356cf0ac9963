#include "report/ReportLines.h"

namespace quillon
{

const char* const kReportTitleLine =
    "                                                 Ultrasonic  Test  Report ";
const char* const kReportSubHeadingLine = "                       A Scan                          "
                                          "                            Menu Data";

const std::array<const char*, kNoteLines> kReportNoteCaptions{
    "  Operator Name/Code........: ",
    "  Division ..............................: ",
    "  Section................................: ",
    "  Km. Post..............................: ",
    "  Rail LH/RH  &  Up/Dn .......: ",
    "  Deffect Location  ...............: ",
    "  Rolling Mark ......................: ",
    "  Type of Probe ...................: ",
    "  Flaw Code ..........................: ",
    "  Def. Class OBS/IMR/REM : ",
    "  Prev. Defect Class ............: ",
    "  Peak Patt. Detail ...............: ",
};

namespace
{

const QString kCrLf = QStringLiteral("\r\n");

QString spaces(int n)
{
    return QString(n, QLatin1Char(' '));
}

// A value line: box, run of spaces, box, run of spaces, ...
QString joined(const PanelTexts& panel, std::initializer_list<const char*> boxes,
               std::initializer_list<int> gaps)
{
    QString line;
    auto gap = gaps.begin();
    for (const char* box : boxes) {
        line += panel.value(QString::fromLatin1(box));
        if (gap != gaps.end())
            line += spaces(*gap++);
    }
    return line;
}

} // namespace

QString reportHeadingText()
{
    return kCrLf + kCrLf + QLatin1String(kReportTitleLine) + kCrLf + kCrLf +
           QLatin1String(kReportSubHeadingLine) + kCrLf;
}

// Fixed: the report's lines are its format, in every language (the page and the document).
QStringList menuTextLines(const PanelTexts& panel)
{
    return {
        QStringLiteral("ZERO          RANGE        VELO         DELAY   "),
        joined(panel, {"txtzero", "txtrange", "txtvelo", "txtdelay"}, {8, 7, 6}),
        QStringLiteral("GATE 1        START        END          LEVEL   "),
        joined(panel, {"txtgate", "txtstart", "txtend", "txtlevel"}, {11, 7, 7}),
        QStringLiteral("GATE 2        START        END          LEVEL   "),
        joined(panel, {"txtgate2", "txtstart2", "txtend2", "txtlevel2"}, {11, 7, 7}),
        QStringLiteral("MEM          MEM NO       ACTION       ENTER   "),
        joined(panel, {"txtmem", "txtmemno", "txtaction"}, {10, 10}),
        QStringLiteral("REJECT        SET REF      VIDEO        MODE    "),
        joined(panel, {"txtreject", "txtsetref", "txtVideo", "txtmode"}, {11, 8, 4}),
        QStringLiteral("CLOCK         COLOR        HORN         BRIGHT  "),
        joined(panel, {"txtclock", "txtcolor", "txthorn", "txtbrt"}, {13, 10, 7}),
        QStringLiteral("DAC           CURSOR       POINT        PRESS"),
        joined(panel, {"txtdac", "txtcur", "txtpoint", "Txtent"}, {10, 9, 6}),
        QStringLiteral("MEASURE     X-OFF        ANGLE        THICK"),
        joined(panel, {"txtmea", "txtxoff", "txtangle", "txtthick"}, {12, 7, 4}),
        spaces(21) + QStringLiteral("HUD               BEEP   "),
        spaces(20) + joined(panel, {"txthud", "txtbeep"}, {13}),
        QStringLiteral("Gain   ") + panel.value(u"txtgain") + QStringLiteral("   REF ") +
            panel.value(u"txtrefg") + spaces(5) + panel.txttmdt,
    };
}

QStringList noteTextLines(const NoteTexts& notes)
{
    QStringList lines;
    for (int n = 0; n < kNoteLines; ++n)
        lines.append(QLatin1String(kReportNoteCaptions[n]) + notes[n]);
    return lines;
}

} // namespace quillon
