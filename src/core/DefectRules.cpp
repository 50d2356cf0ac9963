#include "core/DefectRules.h"

#include "core/AscanMeasure.h"
#include "core/TestedTime.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QStringList>

namespace quillon
{

namespace
{
constexpr QChar kFieldSeparator = u'\x1f';

QString noteLine(const Record& record, int n)
{
    return textOf(record, kNoteFirst + kNoteLength * n, kNoteLength);
}
} // namespace

QString tidiedNote(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.isNull() || (c == u' ' && (out.isEmpty() || out.back() == u' ')))
            continue;
        out += c;
    }
    if (out.endsWith(u' '))
        out.chop(1);
    return out;
}

QString normalisedNote(QStringView text)
{
    return tidiedNote(text).toUpper();
}

DefectSeverity severityOf(QStringView normalisedClass)
{
    if (normalisedClass == u"OBS")
        return DefectSeverity::Obs;
    if (normalisedClass == u"REM")
        return DefectSeverity::Rem;
    if (normalisedClass == u"IMR")
        return DefectSeverity::Imr;
    return DefectSeverity::Other;
}

QString classShown(QStringView tidiedClass)
{
    const QString upper = tidiedClass.toString().toUpper();
    return severityOf(upper) == DefectSeverity::Other ? tidiedClass.toString() : upper;
}

QString comparedClass(QStringView text)
{
    const QString normalised = normalisedNote(text);
    return normalised == u"NONE" ? QString() : normalised;
}

EntryFacts entryFacts(const Record& record, qint64 archivedMs)
{
    EntryFacts facts;
    // The samples and the clock characters as they are kept, whatever their values.
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(record.data()),
                                kSampleCount * sizeof(Record::value_type)));
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(record.data() + kTimeDatePos),
                                10 * sizeof(Record::value_type)));
    facts.testKey = hash.result();

    QStringList fields;
    bool located = false;
    for (int n = DivisionLine; n < DivisionLine + kLocationLines; ++n) {
        fields.append(normalisedNote(noteLine(record, n)));
        located = located || (n <= RailLine && !fields.back().isEmpty());
    }
    if (located)
        facts.locationKey = fields.join(kFieldSeparator);
    facts.defectClass = classShown(tidiedNote(noteLine(record, ClassLine)));
    facts.severity = severityOf(facts.defectClass);
    facts.flawCode = tidiedNote(noteLine(record, FlawCodeLine));
    facts.operatorName = tidiedNote(noteLine(record, OperatorLine));
    facts.previousClass = tidiedNote(noteLine(record, PreviousClassLine));

    const QDateTime tested = testedAt(record);
    if (tested.isValid()) {
        facts.testedMs = tested.toMSecsSinceEpoch();
    } else {
        const QDateTime local = QDateTime::fromMSecsSinceEpoch(archivedMs).toLocalTime();
        facts.testedMs = QDateTime(local.date(), local.time(), Qt::UTC).toMSecsSinceEpoch();
        facts.dateFromArchive = true;
    }
    return facts;
}

QStringList locationFields(const QString& locationKey)
{
    QStringList fields = locationKey.split(kFieldSeparator);
    fields.resize(kLocationLines);
    return fields;
}

QString clockIsoText(qint64 testedMs)
{
    return QDateTime::fromMSecsSinceEpoch(testedMs, Qt::UTC)
        .toString(QStringLiteral("yyyy-MM-ddTHH:mm"));
}

std::optional<int> gateOnePeak(const Record& record)
{
    const AscanMeasure measure(record, panelTexts(record));
    for (const GateReading& gate : measure.gates())
        if (gate.gate == 1 && gate.peak)
            return gate.peak->reading.amplitude;
    return std::nullopt;
}

} // namespace quillon
