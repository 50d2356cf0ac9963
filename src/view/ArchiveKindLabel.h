#pragma once

#include "core/BankJournal.h"

#include <QString>

namespace quillon
{

// How the archive window names an entry's kind, in the interface's language. The archive keeps
// and writes the kind by its fixed name (kindName); this is only the label.
QString archiveKindLabel(StoreKind kind);

} // namespace quillon
