#pragma once

#include "core/Record.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillon
{

// How bad a defect is, as the "Def. Class OBS/IMR/REM" line says: under observation, to be
// removed, to be removed immediately. Any other text ranks below OBS.
enum class DefectSeverity { Other, Obs, Rem, Imr };

// The note lines the register reads (numbered as the note boxes are, from 0).
enum RegisterLine {
    OperatorLine = 0,
    DivisionLine = 1,
    SectionLine = 2,
    KmPostLine = 3,
    RailLine = 4,
    DefectLocationLine = 5,
    FlawCodeLine = 8,
    ClassLine = 9,
    PreviousClassLine = 10,
};
// Division, section, km post, rail and defect location: where a defect lies.
inline constexpr int kLocationLines = 5;

// A note as written, tidied: characters of code 0 removed, trimmed, runs of spaces made one.
QString tidiedNote(QStringView text);
// The same in upper case: the form notes are compared in.
QString normalisedNote(QStringView text);

DefectSeverity severityOf(QStringView normalisedClass);
// A class as the register shows it: OBS, REM or IMR in capitals, any other text as written.
QString classShown(QStringView tidiedClass);
// A "Prev. Defect Class" or a class in the form two classes are compared in: empty and NONE
// both mean no class.
QString comparedClass(QStringView text);

// What one archive entry says for the register by itself, without the other entries: the
// values a store may keep beside each entry when it appends it.
struct EntryFacts {
    QByteArray testKey;  // equal for the entries of one test (same samples, same clock)
    QString locationKey; // the normalised location lines; empty when lines 1 to 4 are
    QString defectClass; // line 9 as the register shows it
    DefectSeverity severity = DefectSeverity::Other;
    QString flawCode;      // line 8, tidied
    QString operatorName;  // line 0, tidied
    QString previousClass; // line 10, tidied
    qint64 testedMs = 0;   // when tested, as a clock reading in milliseconds (UTC stands for
                           // "no zone"): the instrument's clock, else the archive's time in
                           // this computer's local time
    bool dateFromArchive = false;
};
EntryFacts entryFacts(const Record& record, qint64 archivedMs);

// The fields of a location key: division, section, km post, rail, defect location.
QStringList locationFields(const QString& locationKey);

// A clock reading as "2024-09-01T10:00".
QString clockIsoText(qint64 testedMs);

// The amplitude of the highest sample inside gate 1, in percent of full screen height, where
// gate 1 is on and covers a sample.
std::optional<int> gateOnePeak(const Record& record);

} // namespace quillon
