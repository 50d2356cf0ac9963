#pragma once

// Data rows that many tests share.

#include <QTest>

namespace quillon::test
{

// A yes-or-no data column, one row for each answer, named for what each answer means.
inline void addBoolRows(const char* column, const char* whenTrue, const char* whenFalse)
{
    QTest::addColumn<bool>(column);
    QTest::newRow(whenTrue) << true;
    QTest::newRow(whenFalse) << false;
}

// Both editions: the column "pellisor" is true for the earlier one.
inline void addEditionRows()
{
    addBoolRows("pellisor", "Pellisor", "Quillon");
}

} // namespace quillon::test
