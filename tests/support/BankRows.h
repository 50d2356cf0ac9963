#pragma once

#include "core/Module1.h"

#include <optional>

// A test's set-up of bank rows: put in the way a restored record goes in, through the bank's one
// entry, with the row's list mark as given (unchanged by default).
namespace quillon::test
{

inline void putRow(Module1& module, int row, const Record& record, std::optional<bool> mark = {})
{
    module.store(row, record, {StoreKind::Restored, {}, mark.value_or(module.marked[row])});
}

inline void putValue(Module1& module, int row, int position, int value)
{
    Record record = module.membank[row];
    record[position] = std::int16_t(value);
    putRow(module, row, record);
}

} // namespace quillon::test
