#include "link/MemoryList.h"

#include "core/Record.h"

#include <QStringList>

#include <algorithm>

namespace quillon
{

std::optional<QList<int>> parseMemoryList(const QString& text)
{
    QList<int> memories;
    const QStringList parts = text.split(u',');
    for (const QString& raw : parts) {
        const QString part = raw.trimmed();
        const qsizetype dash = part.indexOf(u'-');
        bool okFirst = false;
        bool okLast = false;
        const int first = (dash < 0 ? part : part.left(dash)).trimmed().toInt(&okFirst);
        const int last = dash < 0 ? first : part.mid(dash + 1).trimmed().toInt(&okLast);
        if (!okFirst || (dash >= 0 && !okLast) || !isStorableMemory(first) ||
            !isStorableMemory(last) || last < first)
            return std::nullopt;
        for (int m = first; m <= last; ++m)
            memories.append(m);
    }
    std::sort(memories.begin(), memories.end());
    memories.erase(std::unique(memories.begin(), memories.end()), memories.end());
    return memories;
}

} // namespace quillon
