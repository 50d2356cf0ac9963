#pragma once

// The 22-character commands the program sends the instrument, written out independently of the
// program's own encoder so that a test compares against what the line must carry.

#include <QString>
#include <QStringList>

namespace quillon::test
{

// The command with code `c`: the code, then 21 'Z'.
inline QString command(char c)
{
    return QChar::fromLatin1(c) + QString(21, u'Z');
}

// What a request for `memory` sends: R, A, hundreds, tens, units.
inline QStringList requestLines(int memory)
{
    return {command('R'), command('A'), command(char('0' + memory / 100)),
            command(char('0' + memory / 10 % 10)), command(char('0' + memory % 10))};
}

// What ends a capture: R, F.
inline QStringList releaseLines()
{
    return {command('R'), command('F')};
}

} // namespace quillon::test
