#pragma once

#include "core/BankFile.h"

#include <QByteArrayView>

namespace quillon
{

// Reads a bank file as its bytes arrive, in pieces of any size, by the rules of readBank: whole
// decimal numbers (an optional sign and digits) separated by spaces, commas or line ends,
// 168,000 of them, each 0..255. It is done as soon as the separator after the 168,000th number
// has arrived, so that reading can stop there; it fails as soon as the first unusable number is
// known (a number that is no number is known after its 13th character, enough to quote it).
// Whatever the pieces, it ends as readBank does on the whole file.
class BankReader
{
public:
    enum class State { Reading, Done, Failed };

    // Values go into `out` as they are read (rows 0..199, positions 0..839), and the list mark
    // of a row once all its values are in. Nothing else in `out` is touched.
    explicit BankReader(BankFileContents& out) : m_out(out) {}

    // Takes the next bytes of the file; returns how many it looked at: all of them while it
    // goes on reading, fewer when it gets done or fails within them.
    qsizetype feed(QByteArrayView bytes);
    // The file has ended: a number being read ends here, and a file that has not yet given
    // 168,000 numbers fails.
    State finish();

    State state() const { return m_state; }
    // Why the file cannot be used, once the state is Failed.
    const BankFileError& error() const { return m_error; }

private:
    void take(char c);
    void endNumber();
    void fail(const QString& problem);
    QString quoted() const;

    static constexpr int kQuoted = 12; // characters of a bad number an error message quotes

    BankFileContents& m_out;
    State m_state = State::Reading;
    BankFileError m_error;
    int m_field = 0; // numbers stored so far

    // The number being read.
    qint64 m_length = 0; // 0: between numbers
    char m_first[kQuoted + 1] = {};
    bool m_signed = false;
    bool m_negative = false;
    bool m_notANumber = false;
    bool m_tooLarge = false;
    int m_value = 0;
};

} // namespace quillon
