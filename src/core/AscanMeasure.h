#pragma once

#include "core/PanelTexts.h"
#include "core/Record.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace quillon
{

// The width of the displayed range in drawing units: the range scale reads the delay at x = 0
// and delay + range at x = 250, 2.5 units per percent of the width.
inline constexpr double kRangeSpan = 250;

// One sample as the trace shows it: amplitude in percent of full screen height (clipped at 100
// like the drawn trace), its x on the surface and its sound path in the record's own units
// (absent when the range box holds no number or zero, as the range scale then shows nothing).
struct SampleReading {
    int sample = 0;
    double x = 0;
    int amplitude = 0;
    std::optional<double> soundPath;
};

// The highest sample inside an active gate (the first of equal ones), measured against the gate
// level and, where DAC is on, against the DAC curve at the peak's x.
struct GatePeak {
    SampleReading reading;
    std::optional<double> dbToLevel; // 20 log10(amplitude / level); absent for zeros
    std::optional<double> dacAmplitude;
    std::optional<double> dbToDac;
};

// An active gate: its bar from x1 to x2 at `level` percent, and its peak when any sample lies
// between x1 and x2.
struct GateReading {
    int gate = 1; // 1 or 2
    double x1 = 0;
    double x2 = 0;
    double level = 0;
    std::optional<GatePeak> peak;
};

// The measurement rules of the A-scan tools, for one record and the panel that shows it. Reads
// the same panel texts and DAC points as the drawing builder, so what it measures is what the
// surface shows.
class AscanMeasure
{
public:
    AscanMeasure() = default;
    AscanMeasure(const Record& record, const PanelTexts& panel);

    bool hasSoundPath() const { return m_range != 0; }
    double delay() const { return m_delay; }
    double range() const { return m_range; }

    // Sample 0..249 (others are clamped).
    SampleReading sample(int i) const;
    // The sound path at surface x (x = 0 is the delay, x = 250 is delay + range).
    std::optional<double> soundPathAt(double x) const;
    // The DAC curve's amplitude in percent at x, where DAC is on and the drawn curve covers x.
    std::optional<double> dacAmplitudeAt(double x) const;

    // The active gates, gate 1 first.
    const std::vector<GateReading>& gates() const { return m_gates; }

private:
    GateReading measureGate(int gate, const GateBoxes& boxes) const;

    std::array<int, kDrawnSamples> m_amplitudes{};
    double m_delay = 0;
    double m_range = 0;
    bool m_dacOn = false;
    std::vector<std::array<double, 4>> m_dacSegments; // xa, amplitude a, xb, amplitude b
    std::vector<GateReading> m_gates;
};

// 20 log10(amplitude / reference), absent unless both are above zero.
std::optional<double> decibels(double amplitude, double reference);

// The cursor's readout on screen: "Sample 100   Path 40.4   Amplitude 60 %" (no path without a
// range), in the interface's language with the numbers written as `locale` writes them.
QString sampleReadout(const SampleReading& reading, const QLocale& locale = QLocale());
// A gate's readout as the cells of a table row, in the order of GateColumn: "1", "60 %", "40.4",
// "100", "+3.5 dB", "50 %", "+1.6 dB". A value that does not apply (no range, DAC off, a level
// of 0) is an empty cell; a gate off the trace has its number only. Numbers as `locale` writes
// them (the readouts are the screen's).
enum class GateColumn { Gate, Amplitude, SoundPath, Sample, DbToLevel, DacHeight, DbToDac };
inline constexpr int kGateColumnCount = 7;
std::array<QString, kGateColumnCount> gateReadoutCells(const GateReading& gate,
                                                       const QLocale& locale = QLocale());
// A number with at most `decimals` decimals, trailing zeros dropped. The C locale's point is what
// images and files carry; the screen's readouts pass the interface's locale.
QString measureNumber(double value, int decimals = 2, const QLocale& locale = QLocale::c());

} // namespace quillon
