#include "core/AscanMeasure.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace quillon
{

namespace
{

constexpr double kUnitsPerPercentWidth = 2.5;
constexpr int kFullHeight = 100;
constexpr double kDacStopAmplitude = 5; // a DAC point below 5 % ends the drawn curve

} // namespace

std::optional<double> decibels(double amplitude, double reference)
{
    if (!(amplitude > 0) || !(reference > 0))
        return std::nullopt;
    return 20 * std::log10(amplitude / reference);
}

AscanMeasure::AscanMeasure(const Record& record, const PanelTexts& panel)
{
    for (int i = 0; i < kDrawnSamples; ++i)
        m_amplitudes[i] = std::clamp<int>(record[i], 0, kFullHeight);
    m_delay = panel.number(u"txtdelay");
    m_range = panel.number(u"txtrange");

    // The curve as the builder draws it: segments while both ends reach 5 % or more.
    const QString dac = panel.value(u"txtdac");
    m_dacOn = dac == QStringView(kOn) || dac == QStringView(kOn614);
    if (m_dacOn) {
        for (int k = 0; k + 1 < kDacPoints; ++k) {
            const double a = record[kDacFirst + 2 * k + 1];
            const double b = record[kDacFirst + 2 * k + 3];
            if (a < kDacStopAmplitude || b < kDacStopAmplitude)
                break;
            m_dacSegments.push_back(
                {double(record[kDacFirst + 2 * k]), a, double(record[kDacFirst + 2 * k + 2]), b});
        }
    }

    for (int g : {1, 2})
        if (const auto gate = panel.shownGate(g))
            m_gates.push_back(measureGate(g, *gate));
}

SampleReading AscanMeasure::sample(int i) const
{
    i = std::clamp(i, 0, kDrawnSamples - 1);
    const double x = i + 1;
    return SampleReading{i, x, m_amplitudes[i], soundPathAt(x)};
}

std::optional<double> AscanMeasure::soundPathAt(double x) const
{
    if (!hasSoundPath())
        return std::nullopt;
    return m_delay + m_range * x / kRangeSpan;
}

std::optional<double> AscanMeasure::dacAmplitudeAt(double x) const
{
    for (const auto& [xa, a, xb, b] : m_dacSegments) {
        if (x < std::min(xa, xb) || x > std::max(xa, xb))
            continue;
        if (xa == xb)
            return std::max(a, b);
        return a + (b - a) * (x - xa) / (xb - xa);
    }
    return std::nullopt;
}

GateReading AscanMeasure::measureGate(int gate, const GateBoxes& boxes) const
{
    // The bar runs from the start for the END width; a negative width runs to the left.
    const double xa = kUnitsPerPercentWidth * boxes.start;
    const double xb = xa + kUnitsPerPercentWidth * boxes.width;
    GateReading reading{gate, xa, xb, boxes.level, std::nullopt};
    const double lo = std::min(xa, xb);
    const double hi = std::max(xa, xb);
    // Sample i lies at x = i + 1: the samples inside are ceil(lo) - 1 .. floor(hi) - 1.
    // Clamped as doubles first: a gate far beyond the trace must not overflow an int.
    const int first = int(std::clamp(std::ceil(lo) - 1, 0.0, double(kDrawnSamples)));
    const int last = int(std::clamp(std::floor(hi) - 1, -1.0, double(kDrawnSamples - 1)));
    int best = -1;
    for (int i = first; i <= last; ++i)
        if (best < 0 || m_amplitudes[i] > m_amplitudes[best])
            best = i;
    if (best < 0)
        return reading;
    GatePeak peak;
    peak.reading = sample(best);
    peak.dbToLevel = decibels(peak.reading.amplitude, boxes.level);
    if (m_dacOn) {
        peak.dacAmplitude = dacAmplitudeAt(peak.reading.x);
        if (peak.dacAmplitude)
            peak.dbToDac = decibels(peak.reading.amplitude, *peak.dacAmplitude);
    }
    reading.peak = peak;
    return reading;
}

QString measureNumber(double value, int decimals, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    QString text = plain.toString(value, 'f', decimals);
    if (text.contains(plain.decimalPoint())) {
        while (text.endsWith(plain.zeroDigit()))
            text.chop(plain.zeroDigit().size());
        if (text.endsWith(plain.decimalPoint()))
            text.chop(plain.decimalPoint().size());
    }
    return text == plain.negativeSign() + plain.zeroDigit() ? plain.zeroDigit() : text;
}

namespace
{
QString signedDb(double db, const QLocale& locale)
{
    const QString n = measureNumber(db, 1, locale);
    return (db >= 0 && !n.startsWith(locale.negativeSign()) ? locale.positiveSign() : QString()) +
           n + QStringLiteral(" dB");
}
} // namespace

QString sampleReadout(const SampleReading& reading, const QLocale& locale)
{
    const QString sample = locale.toString(reading.sample);
    const QString amplitude = locale.toString(reading.amplitude);
    if (!reading.soundPath)
        return QCoreApplication::translate("AscanMeasure", "Sample %1   Amplitude %2 %")
            .arg(sample, amplitude);
    return QCoreApplication::translate("AscanMeasure", "Sample %1   Path %2   Amplitude %3 %")
        .arg(sample, measureNumber(*reading.soundPath, 2, locale), amplitude);
}

std::array<QString, kGateColumnCount> gateReadoutCells(const GateReading& gate,
                                                       const QLocale& locale)
{
    std::array<QString, kGateColumnCount> cells;
    const auto cell = [&](GateColumn c) -> QString& { return cells[std::size_t(c)]; };
    cell(GateColumn::Gate) = QString::number(gate.gate);
    if (!gate.peak)
        return cells;
    const GatePeak& peak = *gate.peak;
    const auto percent = [&locale](double v) {
        return measureNumber(v, 1, locale) + QStringLiteral(" %");
    };
    cell(GateColumn::Amplitude) = percent(peak.reading.amplitude);
    if (peak.reading.soundPath)
        cell(GateColumn::SoundPath) = measureNumber(*peak.reading.soundPath, 2, locale);
    cell(GateColumn::Sample) = locale.toString(peak.reading.sample);
    if (peak.dbToLevel)
        cell(GateColumn::DbToLevel) = signedDb(*peak.dbToLevel, locale);
    if (peak.dacAmplitude)
        cell(GateColumn::DacHeight) = percent(*peak.dacAmplitude);
    if (peak.dbToDac)
        cell(GateColumn::DbToDac) = signedDb(*peak.dbToDac, locale);
    return cells;
}

} // namespace quillon
