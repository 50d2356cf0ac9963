#include "support/RegisterLines.h"

#include <QDebug>

namespace quillon::test
{

QStringList registerLines(const std::vector<DefectLocation>& locations)
{
    QStringList lines;
    for (const DefectLocation& l : locations) {
        const RegisterTest& t = l.latest();
        lines << QStringLiteral("%1 %2 %3 %4 %5 %6 | %7 %8 %9 %10")
                     .arg(l.key, historyText(l))
                     .arg(l.worsened)
                     .arg(l.prevMismatch)
                     .arg(l.inspections)
                     .arg(l.firstMs)
                     .arg(t.entry)
                     .arg(t.testedMs)
                     .arg(t.memory)
                     .arg(t.origin)
              << QStringList{t.defectClass, t.flawCode, t.operatorName, t.previousClass}.join('|');
        for (const RegisterTest& t : l.tests)
            lines << QStringLiteral("  %1 %2 %3 %4 %5 %6 %7")
                         .arg(t.entry)
                         .arg(t.testedMs)
                         .arg(t.dateFromArchive)
                         .arg(t.memory)
                         .arg(t.flawCode, t.operatorName, t.previousClass);
    }
    return lines;
}

QStringList registerLines(const DefectRegister& reg)
{
    return registerLines(reg.locations());
}

QStringList summaryLines(ArchiveStore& archive)
{
    std::vector<DefectLocation> kept;
    if (const ArchiveFailure f = archive.registerLocations(kept))
        qWarning() << "not read:" << f.text;
    return registerLines(kept);
}

QStringList summaryLines(const DefectRegister& reg)
{
    std::vector<DefectLocation> made = reg.locations();
    for (DefectLocation& l : made)
        l.tests.clear();
    return registerLines(made);
}

} // namespace quillon::test
