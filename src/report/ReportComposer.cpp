#include "report/ReportComposer.h"

#include "report/ReportLines.h"

namespace quillon::ReportComposer
{

namespace
{

// Rectangles are drawn two screen pixels wide.
constexpr double kPenPixels = 2;
constexpr double kScreenDpi = 96;

double penWidth(double unitsPerInch)
{
    return kPenPixels * unitsPerInch / kScreenDpi;
}

// The A-scan block: the beam path line and the places of its three values.
constexpr double kReadoutY = 240;
constexpr double kReadoutCaptionX = 4;
constexpr double kBeamX = 65;
constexpr double kSurfaceX = 150;
constexpr double kDepthX = 220;
const char* const kReadoutCaption = "Beam Path:      Surface:      Depth:";

// The menu data grid: four columns; y starts at 11 and grows by 12 from a caption row to its
// value row and by 17 from a value row to the next caption row.
constexpr std::array<double, 4> kMenuColumns{6, 63, 127, 184};
constexpr double kMenuFirstY = 11;
constexpr double kCaptionToValue = 12;
constexpr double kValueToCaption = 17;
constexpr int kMenuRows = 19;

// One cell of the grid: a literal caption, the text of a panel box, or nothing.
struct MenuCell {
    enum Kind { None, Caption, Box } kind = None;
    const char* text = nullptr;
};
using MenuRow = std::array<MenuCell, 4>;

constexpr MenuCell cap(const char* text)
{
    return {MenuCell::Caption, text};
}
constexpr MenuCell box(const char* control)
{
    return {MenuCell::Box, control};
}
constexpr MenuCell none()
{
    return {};
}

// Rows 1 to 18; row 19 (gain, reference gain, time and date) is built apart.
const std::array<MenuRow, kMenuRows - 1> kMenuGrid{{
    {cap("ZERO"), cap("RANGE"), cap("VELO"), cap("DELAY")},
    {box("txtzero"), box("txtrange"), box("txtvelo"), box("txtdelay")},
    {cap("GATE 1"), cap("START"), cap("END"), cap("LEVEL")},
    {box("txtgate"), box("txtstart"), box("txtend"), box("txtlevel")},
    {cap("GATE 2"), cap("START"), cap("END"), cap("LEVEL")},
    {box("txtgate2"), box("txtstart2"), box("txtend2"), box("txtlevel2")},
    {cap("MEM"), cap("MEM NO"), cap("ACTION"), cap("ENTER")},
    {box("txtmem"), box("txtmemno"), box("txtaction"), none()},
    {cap("REJECT"), cap("SET REF"), cap("VIDEO"), cap("MODE")},
    {box("txtreject"), box("txtsetref"), box("txtVideo"), box("txtmode")},
    {cap("CLOCK"), cap("COLOR"), cap("HORN"), cap("BRIGHT")},
    {box("txtclock"), box("txtcolor"), box("txthorn"), box("txtbrt")},
    {cap("DAC"), cap("CURSOR"), cap("POINT"), cap("PRESS")},
    {box("txtdac"), box("txtcur"), box("txtpoint"), box("Txtent")},
    {cap("MEASURE"), cap("X-OFF"), cap("ANGLE"), cap("THICK")},
    {box("txtmea"), box("txtxoff"), box("txtangle"), box("txtthick")},
    {none(), cap("HUD"), cap("BEEP"), none()},
    {none(), box("txthud"), box("txtbeep"), none()},
}};

// The designed faces; the program's fallback list stands in for them where they are missing.
const BlockFont kAscanFont{QStringLiteral("Courier"), 9.75, false};
const BlockFont kMenuFont{QStringLiteral("Arial"), 9.75, true};
const BlockFont kNotesFont{QStringLiteral("MS Sans Serif"), 9.75, true};
const BlockFont kHeaderFont{QStringLiteral("MS Sans Serif"), 12, true};

// Texts written one under the other from (0, 0), as the surface prints line after line.
std::vector<BlockText> linesFromTop(const QStringList& lines, double lineHeight)
{
    std::vector<BlockText> texts;
    double y = 0;
    for (const QString& line : lines) {
        texts.push_back({QPointF(0, y), line});
        y += lineHeight;
    }
    return texts;
}

// A block with its name, units, natural size and font, and nothing drawn on it yet.
ReportBlock emptyBlock(const char* name, double unitsPerInch, QSizeF size, const BlockFont& font)
{
    return {QString::fromLatin1(name), unitsPerInch, size, font, {}, {}, {}};
}

} // namespace

ReportBlock ascanBlock(const DisplaySnapshot& snapshot)
{
    ReportBlock b = emptyBlock("ascan", kPointsPerInch, kAscanBlockSize, kAscanFont);
    b.ascan = snapshot.drawing;
    b.texts = {
        {QPointF(kReadoutCaptionX, kReadoutY), QLatin1String(kReadoutCaption)},
        {QPointF(kBeamX, kReadoutY), snapshot.panel.value(u"txtbeam")},
        {QPointF(kSurfaceX, kReadoutY), snapshot.panel.value(u"txtsurf")},
        {QPointF(kDepthX, kReadoutY), snapshot.panel.value(u"txtdpth")},
    };
    b.rects = {{QRectF(QPointF(1, 1), QPointF(256, 288)), penWidth(b.unitsPerInch)}};
    return b;
}

ReportBlock menuDataBlock(const PanelTexts& panel)
{
    ReportBlock b = emptyBlock("menu", kPointsPerInch, kMenuBlockSize, kMenuFont);
    double y = kMenuFirstY;
    for (int row = 0; row < kMenuRows - 1; ++row) {
        for (int column = 0; column < 4; ++column) {
            const MenuCell& cell = kMenuGrid[row][column];
            if (cell.kind == MenuCell::None)
                continue;
            const QString text = cell.kind == MenuCell::Caption
                                     ? QString::fromLatin1(cell.text)
                                     : panel.value(QString::fromLatin1(cell.text));
            b.texts.push_back({QPointF(kMenuColumns[column], y), text});
        }
        y += row % 2 == 0 ? kCaptionToValue : kValueToCaption;
    }
    // Fixed: the report page's texts are the report's format, in every language.
    b.texts.push_back(
        {QPointF(kMenuColumns[0], y), QStringLiteral("Gain ") + panel.value(u"txtgain")});
    b.texts.push_back(
        {QPointF(kMenuColumns[1], y), QStringLiteral("    REF ") + panel.value(u"txtrefg")});
    b.texts.push_back({QPointF(kMenuColumns[2], y), panel.txttmdt});
    b.rects = {{QRectF(QPointF(1, 1), QPointF(255, 288)), penWidth(b.unitsPerInch)}};
    return b;
}

ReportBlock notesBlock(const NoteTexts& notes)
{
    ReportBlock b = emptyBlock("notes", kTwipsPerInch, kNotesBlockSize, kNotesFont);
    b.texts = linesFromTop(noteTextLines(notes), b.font.lineHeight(b.unitsPerInch));
    b.rects = {{QRectF(QPointF(10, 10), QPointF(10214, 2900)), penWidth(b.unitsPerInch)}};
    return b;
}

ReportBlock headerBlock()
{
    ReportBlock b = emptyBlock("header", kTwipsPerInch, kHeaderBlockSize, kHeaderFont);
    b.texts = linesFromTop({QLatin1String(kReportTitleLine), QLatin1String(kReportSubHeadingLine)},
                           b.font.lineHeight(b.unitsPerInch));
    return b;
}

ReportPage compose(const DisplaySnapshot& snapshot)
{
    ReportPage page;
    page.blocks.push_back({headerBlock(), kHeaderPlace});
    page.blocks.push_back({ascanBlock(snapshot), kAscanPlace});
    page.blocks.push_back({menuDataBlock(snapshot.panel), kMenuPlace});
    page.blocks.push_back({notesBlock(snapshot.notes), kNotesPlace});
    return page;
}

} // namespace quillon::ReportComposer
