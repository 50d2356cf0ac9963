#include "archive/RegisterReading.h"

namespace quillon
{

ArchiveFailure readRegister(ArchiveStore& store, DefectRegister& reg)
{
    return store.registerTests([&reg](RegisterEntry&& e) { reg.add(std::move(e)); });
}

} // namespace quillon
