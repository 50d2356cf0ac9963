// The bank reader fed arbitrary bytes as a bank file.
//
// Checked: it returns (no crash, no exception); it accepts exactly the files whose first
// 168,000 blank-separated fields are whole numbers 0..255, with the values a plain reading of
// the fields gives; otherwise it names the memory and position of the first bad field (or of the
// first missing one) and says what is wrong. A good file written back gives the same bank and
// marks, is the fixed-width layout, and equals the file itself up to the 168,000th number when
// the file was already in that layout. The incremental reader fed the same bytes in pieces of
// random sizes (drawn from the input, so a run can be replayed) ends as the one-shot reader does:
// the same verdict, the same message, the same values and marks; and where it stops taking bytes
// before the end, the bytes it took decide alone (the one-shot reader says the same of them).
#include "FuzzCheck.h"

#include "core/BankFile.h"
#include "core/BankReader.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using namespace quillon;

namespace
{

enum class Verdict { Good, Missing, NotANumber, OutOfRange };

struct Reading {
    Verdict verdict = Verdict::Good;
    int field = 0;          // the first bad or missing field
    bool fixedWidth = true; // every field at byte 4i, canonical text, only spaces around
    std::vector<std::int16_t> values;
};

// A value 0..255 as its decimal text: no sign, no leading zeros.
std::string_view decimal(int value)
{
    static const auto texts = [] {
        std::vector<std::string> t;
        for (int v = 0; v < 256; ++v)
            t.push_back(std::to_string(v));
        return t;
    }();
    return texts[std::size_t(value)];
}

bool isBlank(char c)
{
    return c == ' ' || c == ',' || c == '\r' || c == '\n';
}

Verdict judge(std::string_view field, int* value)
{
    std::size_t k = 0;
    bool negative = false;
    if (field[0] == '+' || field[0] == '-') {
        negative = field[0] == '-';
        k = 1;
    }
    if (k == field.size())
        return Verdict::NotANumber;
    long long v = 0;
    for (; k < field.size(); ++k) {
        if (field[k] < '0' || field[k] > '9')
            return Verdict::NotANumber;
        v = std::min<long long>(v * 10 + (field[k] - '0'), 1000);
    }
    if (negative)
        v = -v;
    if (v < 0 || v > 255)
        return Verdict::OutOfRange;
    *value = int(v);
    return Verdict::Good;
}

// The file read field by field, written independently of the reader.
Reading readPlainly(std::string_view file)
{
    Reading r;
    r.values.reserve(kBankFileFields);
    std::size_t i = 0;
    for (int n = 0; n < kBankFileFields; ++n) {
        while (i < file.size() && isBlank(file[i])) {
            if (file[i] != ' ')
                r.fixedWidth = false;
            ++i;
        }
        if (i == file.size())
            return {Verdict::Missing, n, false, {}};
        const std::size_t start = i;
        while (i < file.size() && !isBlank(file[i]))
            ++i;
        const std::string_view field = file.substr(start, i - start);
        int value = 0;
        const Verdict v = judge(field, &value);
        if (v != Verdict::Good)
            return {v, n, false, {}};
        r.values.push_back(std::int16_t(value));
        if (start != std::size_t(n) * 4 || field != decimal(value))
            r.fixedWidth = false;
    }
    // The last field's padding, up to where the writer stops.
    if (file.size() < std::size_t(kBankFileSize))
        r.fixedWidth = false;
    for (; r.fixedWidth && i < std::size_t(kBankFileSize); ++i)
        r.fixedWidth = file[i] == ' ';
    return r;
}

// The fixed-width layout: each value left-aligned in four characters.
const std::string& fixedWidthText(const std::vector<std::int16_t>& values)
{
    static std::string text;
    text.clear();
    for (std::int16_t v : values) {
        const std::string_view digits = decimal(v);
        text += digits;
        text.append(4 - digits.size(), ' ');
    }
    return text;
}

void clear(BankFileContents& contents)
{
    contents.bank.fill(Record{});
    contents.marks.fill(false);
}

// Piece sizes for one input: mostly small, some large, from a generator seeded by the input.
class PieceSizes
{
public:
    explicit PieceSizes(std::string_view file)
    {
        for (unsigned char c : file.substr(0, 64))
            m_state = (m_state ^ c) * 1099511628211ull;
        m_state ^= file.size();
    }
    std::size_t next()
    {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        const std::uint64_t r = m_state >> 33;
        return r % 4 == 0 ? 1 + r % 70000 : 1 + r % 16;
    }

private:
    std::uint64_t m_state = 14695981039346656037ull;
};

// The file fed to a BankReader in pieces; checked against the one-shot result.
void checkPieces(std::string_view file, bool ok, const BankFileError& error,
                 const BankFileContents& whole)
{
    static auto pieces = std::make_unique<BankFileContents>();
    clear(*pieces);
    BankReader reader(*pieces);
    PieceSizes sizes(file);
    std::size_t at = 0;
    while (at < file.size() && reader.state() == BankReader::State::Reading) {
        const std::size_t n = std::min(sizes.next(), file.size() - at);
        const qsizetype used = reader.feed(QByteArrayView(file.data() + at, qsizetype(n)));
        FUZZ_CHECK(used >= 0 && std::size_t(used) <= n);
        if (reader.state() == BankReader::State::Reading)
            FUZZ_CHECK(std::size_t(used) == n);
        at += std::size_t(used);
    }
    FUZZ_CHECK((reader.finish() == BankReader::State::Done) == ok);
    if (!ok) {
        FUZZ_CHECK(reader.error().memory == error.memory);
        FUZZ_CHECK(reader.error().position == error.position);
        FUZZ_CHECK(reader.error().problem == error.problem);
    }
    FUZZ_CHECK(pieces->bank == whole.bank);
    FUZZ_CHECK(pieces->marks == whole.marks);
    if (at < file.size()) {
        static auto taken = std::make_unique<BankFileContents>();
        BankFileError takenError;
        FUZZ_CHECK(readBank(QByteArrayView(file.data(), qsizetype(at)), *taken, &takenError) == ok);
        if (!ok) {
            FUZZ_CHECK(takenError.memory == error.memory);
            FUZZ_CHECK(takenError.position == error.position);
            FUZZ_CHECK(takenError.problem == error.problem);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    static auto contents = std::make_unique<BankFileContents>();
    static auto again = std::make_unique<BankFileContents>();

    BankFileError error;
    error.memory = -1;
    clear(*contents);
    const bool ok =
        readBank(QByteArrayView(file.data(), qsizetype(file.size())), *contents, &error);
    const Reading plain = readPlainly(file);
    checkPieces(file, ok, error, *contents);

    if (!ok) {
        FUZZ_CHECK(plain.verdict != Verdict::Good);
        FUZZ_CHECK(error.memory == plain.field / kBankFilePositions + 1);
        FUZZ_CHECK(error.position == plain.field % kBankFilePositions);
        FUZZ_CHECK(!error.problem.isEmpty());
        const QString message = error.message(QStringLiteral("x.dat"));
        FUZZ_CHECK(message.startsWith(QStringLiteral("x.dat: memory %1, position %2: ")
                                          .arg(error.memory)
                                          .arg(error.position)));
        if (plain.verdict == Verdict::Missing)
            FUZZ_CHECK(error.problem.contains(QString::number(plain.field)));
        else if (plain.verdict == Verdict::NotANumber)
            FUZZ_CHECK(error.problem.contains(QStringLiteral("not a number")));
        else
            FUZZ_CHECK(error.problem.contains(QStringLiteral("from 0 to 255")));
        return 0;
    }

    FUZZ_CHECK(plain.verdict == Verdict::Good);
    for (int n = 0; n < kBankFileFields; ++n)
        FUZZ_CHECK(contents->bank[n / kBankFilePositions][n % kBankFilePositions] ==
                   plain.values[std::size_t(n)]);

    const QByteArray written = writeBank(contents->bank);
    FUZZ_CHECK(written.size() == kBankFileSize);
    FUZZ_CHECK(std::string_view(written.data(), std::size_t(written.size())) ==
               fixedWidthText(plain.values));
    if (plain.fixedWidth) {
        // Already in the writer's layout: written back byte for byte (and so reads the same).
        FUZZ_CHECK(file.substr(0, std::size_t(kBankFileSize)) ==
                   std::string_view(written.data(), std::size_t(written.size())));
        return 0;
    }
    FUZZ_CHECK(readBank(written, *again, nullptr));
    for (int row = 0; row < kMemoryCount; ++row) {
        FUZZ_CHECK(std::equal(again->bank[row].begin(),
                              again->bank[row].begin() + kBankFilePositions,
                              contents->bank[row].begin()));
        FUZZ_CHECK(again->marks[row] == contents->marks[row]);
    }
    return 0;
}
