#include "core/MemoryListParser.h"

#include <QCoreApplication>

#include "core/Record.h"

#include <algorithm>

namespace quillon
{

namespace
{
bool memoryNumber(const QString& text, int& memory)
{
    bool ok = false;
    memory = text.trimmed().toInt(&ok);
    return ok && isStorableMemory(memory);
}
} // namespace

bool parseMemoryList(const QString& text, QList<int>& memories, QString* error, bool* all)
{
    memories.clear();
    if (all)
        *all = text == QLatin1String("all");
    if (all && *all)
        return true;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const qsizetype dash = part.indexOf(QLatin1Char('-'));
        int first = 0, last = 0;
        const bool ok = dash < 0 ? memoryNumber(part, first) && memoryNumber(part, last)
                                 : memoryNumber(part.left(dash), first) &&
                                       memoryNumber(part.mid(dash + 1), last) && first <= last;
        if (!ok) {
            *error = QCoreApplication::translate(
                         "MemoryListParser",
                         "\"%1\" is not a memory or a range of memories from 1 to 200")
                         .arg(part);
            memories.clear();
            return false;
        }
        for (int m = first; m <= last; ++m)
            memories.append(m);
    }
    std::sort(memories.begin(), memories.end());
    memories.erase(std::unique(memories.begin(), memories.end()), memories.end());
    return true;
}

} // namespace quillon
