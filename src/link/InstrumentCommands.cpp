#include "link/InstrumentCommands.h"

#include <QtGlobal>

namespace quillon
{

QByteArray instrumentCommand(char code)
{
    return code + QByteArray(kCommandLength - 1, 'Z');
}

MemoryDigits memoryDigits(int memory)
{
    Q_ASSERT(memory >= 0 && memory <= 999);
    return {memory / 100, memory / 10 % 10, memory % 10};
}

QByteArray memoryRequest(int memory)
{
    const MemoryDigits d = memoryDigits(memory);
    return instrumentCommand('R') + instrumentCommand('A') +
           instrumentCommand(char('0' + d.hundreds)) + instrumentCommand(char('0' + d.tens)) +
           instrumentCommand(char('0' + d.units));
}

QByteArray releaseCommands()
{
    return instrumentCommand('R') + instrumentCommand('F');
}

} // namespace quillon
