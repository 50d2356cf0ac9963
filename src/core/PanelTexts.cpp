#include "core/PanelTexts.h"

#include "core/LeadingNumber.h"

#include <QCoreApplication>

namespace quillon
{

// Fixed: the captions are the report's and the table files' texts; the screen shows
// panelCaptionLabel().
const std::array<PanelField, kPanelFieldCount> kPanelFields{{
    {"txtzero", QT_TRANSLATE_NOOP("PanelTexts", "ZERO"), "108", 260, 7},
    {"txtrange", QT_TRANSLATE_NOOP("PanelTexts", "RANGE"), "100", 267, 7},
    {"txtvelo", QT_TRANSLATE_NOOP("PanelTexts", "VEL M/S"), "5920", 274, 7},
    {"txtdelay", QT_TRANSLATE_NOOP("PanelTexts", "DELAY"), "0.0", 281, 7},
    {"txtgain", QT_TRANSLATE_NOOP("PanelTexts", "Gain"), "25", 288, 5},
    {"txtgate", QT_TRANSLATE_NOOP("PanelTexts", "GATE 1"), "OFF", 295, 7},
    {"txtstart", QT_TRANSLATE_NOOP("PanelTexts", "START"), "30%", 302, 7},
    {"txtend", QT_TRANSLATE_NOOP("PanelTexts", "END"), "70%", 309, 7},
    {"txtlevel", QT_TRANSLATE_NOOP("PanelTexts", "LEVEL"), "40%", 316, 7},
    {"txtgate2", QT_TRANSLATE_NOOP("PanelTexts", "GATE 2"), "OFF", 323, 7},
    {"txtstart2", QT_TRANSLATE_NOOP("PanelTexts", "START"), "30%", 330, 7},
    {"txtend2", QT_TRANSLATE_NOOP("PanelTexts", "END"), "70%", 337, 7},
    {"txtlevel2", QT_TRANSLATE_NOOP("PanelTexts", "LEVEL"), "40%", 344, 7},
    {"txtmem", QT_TRANSLATE_NOOP("PanelTexts", "MEM"), "A Scan", 351, 7},
    {"txtmemno", QT_TRANSLATE_NOOP("PanelTexts", "MEM NO"), "1", 358, 7},
    {"txtaction", QT_TRANSLATE_NOOP("PanelTexts", "ACTION"), "Send", 365, 7},
    {"txtrefg", QT_TRANSLATE_NOOP("PanelTexts", "REF"), "25", 372, 4},
    {"txtreject", QT_TRANSLATE_NOOP("PanelTexts", "REJECT"), "00%", 376, 7},
    {"txtsetref", QT_TRANSLATE_NOOP("PanelTexts", "SET REF"), "OFF", 383, 7},
    {"txtVideo", QT_TRANSLATE_NOOP("PanelTexts", "VIDEO"), "Envelop", 390, 7},
    {"txtmode", QT_TRANSLATE_NOOP("PanelTexts", "MODE"), "Single", 397, 7},
    {"txtclock", QT_TRANSLATE_NOOP("PanelTexts", "CLOCK"), "OFF", 404, 7},
    {"txtcolor", QT_TRANSLATE_NOOP("PanelTexts", "COLOR"), "OFF", 411, 7},
    {"txthorn", QT_TRANSLATE_NOOP("PanelTexts", "HORN"), "OFF", 418, 7},
    {"txtbrt", QT_TRANSLATE_NOOP("PanelTexts", "BRIGHT"), "50", 425, 6},
    {"txtdac", QT_TRANSLATE_NOOP("PanelTexts", "DAC"), "OFF", 431, 7},
    {"txtcur", QT_TRANSLATE_NOOP("PanelTexts", "CURSOR"), "001", 438, 7},
    {"txtpoint", QT_TRANSLATE_NOOP("PanelTexts", "POINT"), "001", 445, 7},
    {"Txtent", QT_TRANSLATE_NOOP("PanelTexts", "PRESS"), "ENTER", 452, 6},
    {"txtmea", QT_TRANSLATE_NOOP("PanelTexts", "MEASURE"), "OFF", 459, 7},
    {"txtxoff", QT_TRANSLATE_NOOP("PanelTexts", "X-OFF"), "OFF", 466, 7},
    {"txtangle", QT_TRANSLATE_NOOP("PanelTexts", "ANGLE"), "000", 473, 7},
    {"txtthick", QT_TRANSLATE_NOOP("PanelTexts", "THICK"), "0100", 480, 7},
    {"txtblk1", "", "OFF", 487, 7},
    {"txthud", QT_TRANSLATE_NOOP("PanelTexts", "HUD"), "OFF", 494, 7},
    {"txtbeep", QT_TRANSLATE_NOOP("PanelTexts", "BEEP"), "OFF", 501, 7},
    {"txtblk2", "", "ENTER", 508, 7},
}};

const std::array<PanelField, kReadoutCount> kReadoutFields{{
    {"txtbeam", QT_TRANSLATE_NOOP("PanelTexts", "Beam Path"), "", 525, 5},
    {"txtsurf", QT_TRANSLATE_NOOP("PanelTexts", "Surface"), "", 530, 5},
    {"txtdpth", QT_TRANSLATE_NOOP("PanelTexts", "Depth"), "", 535, 5},
}};

const char* const kInitialTimeDate = "Tm: 7:55  Dt: 28/4/2003";

namespace
{
constexpr int kGainBox = 4;
constexpr int kClockBox = 21;
constexpr int kMeasureBox = 29;

// The text of `panel` (const or not) that the control named `control` shows; null for none.
template <typename Panel> auto textOfControl(Panel& panel, QStringView control)
{
    if (const int i = panelFieldIndex(control); i >= 0)
        return &panel.boxes[i];
    for (int i = 0; i < kReadoutCount; ++i)
        if (control == QLatin1String(kReadoutFields[i].control))
            return &panel.readouts[i];
    return control == u"txttmdt" ? &panel.txttmdt : nullptr;
}
} // namespace

QString panelCaptionLabel(const char* caption)
{
    return *caption ? QCoreApplication::translate("PanelTexts", caption) : QString();
}

int panelFieldIndex(QAnyStringView control)
{
    for (int i = 0; i < kPanelFieldCount; ++i)
        if (QAnyStringView::equal(control, QLatin1StringView(kPanelFields[i].control)))
            return i;
    return -1;
}

QString PanelTexts::value(QStringView control) const
{
    const QString* text = textOfControl(*this, control);
    return text ? *text : QString();
}

double PanelTexts::number(QStringView control) const
{
    return leadingNumber(value(control));
}

bool PanelTexts::setValue(QStringView control, const QString& text)
{
    QString* box = textOfControl(*this, control);
    if (box)
        *box = text;
    return box != nullptr;
}

std::optional<GateBoxes> PanelTexts::shownGate(int gate) const
{
    // Mode, start, width and level boxes of gates 1 and 2.
    static constexpr const char16_t* kBoxes[2][4] = {
        {u"txtgate", u"txtstart", u"txtend", u"txtlevel"},
        {u"txtgate2", u"txtstart2", u"txtend2", u"txtlevel2"}};
    const auto& boxes = kBoxes[gate == 1 ? 0 : 1];
    const QString mode = value(boxes[0]);
    if (mode == QStringView(kOff) ||
        (gate == 1 && (mode == QStringView(kDac12) || mode == QStringView(kDac6))))
        return std::nullopt;
    return GateBoxes{number(boxes[1]), number(boxes[2]), number(boxes[3])};
}

PanelTexts initialPanelTexts()
{
    PanelTexts panel;
    for (int i = 0; i < kPanelFieldCount; ++i)
        panel.boxes[i] = QString::fromLatin1(kPanelFields[i].initialText);
    panel.txttmdt = QString::fromLatin1(kInitialTimeDate);
    return panel;
}

QString timeDateCaption(const Record& record, const QString& clockBox)
{
    QString caption = QStringLiteral("Tm: ");
    if (clockBox == QStringView(kOff))
        return caption;
    const QString c = textOf(record, kTimeDatePos, 10);
    return caption + c.mid(0, 2) + u':' + c.mid(2, 2) + QStringLiteral(" Dt:") + c.mid(4, 2) +
           u'/' + c.mid(6, 2) + u'/' + c.mid(8, 2);
}

PanelTexts panelTexts(const Record& record)
{
    PanelTexts panel;
    for (int i = 0; i < kPanelFieldCount; ++i) {
        const PanelField& f = kPanelFields[i];
        panel.boxes[i] = textOf(record, f.position, f.read);
    }
    panel.boxes[kGainBox] += QStringLiteral("dB");
    panel.txttmdt = timeDateCaption(record, panel.boxes[kClockBox]);
    if (panel.boxes[kMeasureBox] != QStringView(kOff))
        for (int i = 0; i < kReadoutCount; ++i)
            panel.readouts[i] = textOf(record, kReadoutFields[i].position, kReadoutFields[i].read);
    return panel;
}

} // namespace quillon
