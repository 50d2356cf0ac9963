#pragma once

#include "core/Record.h"

#include <QAnyStringView>
#include <QString>

#include <array>
#include <optional>

namespace quillon
{

// One box of the setup panel: its control name, the caption above it, where its characters
// start in the record and how many the box shows.
struct PanelField {
    const char* control;
    const char* caption;
    const char* initialText; // shown from start-up until the first record is displayed
    int position;
    int read;
};

inline constexpr int kPanelFieldCount = 37; // txtzero .. txtblk2
inline constexpr int kReadoutCount = 3;     // txtbeam, txtsurf, txtdpth
extern const std::array<PanelField, kPanelFieldCount> kPanelFields;
extern const std::array<PanelField, kReadoutCount> kReadoutFields;
// A field's caption as the window shows it, in the interface's language.
QString panelCaptionLabel(const char* caption);

// The index in kPanelFields of the box named `control` ("txtgain" gives 4); -1 for any other
// name. The one place a panel box is found by its name.
int panelFieldIndex(QAnyStringView control);
inline constexpr int kTimeDatePos = 515;   // hh mm dd mm yy
extern const char* const kInitialTimeDate; // "Tm: 7:55  Dt: 28/4/2003"

// Texts compared exactly (seven characters, case included).
inline constexpr char16_t kOff[] = u"OFF    ";
inline constexpr char16_t kOn[] = u"ON     ";
inline constexpr char16_t kOn614[] = u"ON 6/14";
inline constexpr char16_t kDac12[] = u"DAC -12";
inline constexpr char16_t kDac6[] = u"DAC -6 ";

// A gate as its boxes set it, in percent of the trace: where it starts, how wide it is and the
// height of its line.
struct GateBoxes {
    double start, width, level;
};

// Everything the setup panel shows for one record: the 37 boxes, the three readouts (already
// blanked when MEASURE is off) and the caption of the time and date line.
struct PanelTexts {
    std::array<QString, kPanelFieldCount> boxes;
    std::array<QString, kReadoutCount> readouts;
    QString txttmdt;

    // Any box by its control name ("txtgain", "txtbeam", "txttmdt", ...); empty when unknown.
    QString value(QStringView control) const;
    // The number a box's text starts with, as the drawing reads it (0 when there is none).
    double number(QStringView control) const;
    // Sets a box by its control name; false when the name is unknown.
    bool setValue(QStringView control, const QString& text);
    // Gate 1 or 2 when it is shown: gate 2 unless it reads "OFF    ", gate 1 unless it reads that
    // or names a DAC curve ("DAC -12", "DAC -6 ").
    std::optional<GateBoxes> shownGate(int gate) const;
};

// The panel as start-up shows it.
PanelTexts initialPanelTexts();

// The panel as the record on display fills it: every box verbatim (the gain box followed by
// "dB"), the time and date caption, the readouts, and the readouts blanked when MEASURE is off.
PanelTexts panelTexts(const Record& record);

// "Tm: " alone when the clock box reads "OFF    ", else "Tm: hh:mm Dt:dd/mm/yy".
QString timeDateCaption(const Record& record, const QString& clockBox);

} // namespace quillon
