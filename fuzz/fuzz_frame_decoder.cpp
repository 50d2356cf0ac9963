// The frame decoder fed an arbitrary byte stream in arbitrary pieces, with an occasional reset
// between pieces. The first two input bytes choose the pieces; the rest is the stream.
//
// Checked: each feed consumes at most what it was given, all of it unless a frame ended, and
// stops exactly at the frame's last byte; the frames found (where they end, their raw bytes and
// the records made from them) are those of a one-shot decode of the same stream and those of a
// plain reading of the frame layout; raw positions a frame does not carry stay 0.
#include "FuzzCheck.h"

#include "core/FrameDecoder.h"

#include <cstdint>
#include <vector>

using namespace quillon;

namespace
{

struct Found {
    std::size_t end; // offset one past the frame's last byte
    RawFrame raw;
};

// The frame layout read straight off the stream: 255, 252 bytes kept, one skipped, anything up
// to the next 255, 876 bytes. Returns the frames that end within [from, to).
std::vector<Found> readLayout(const std::uint8_t* data, std::size_t from, std::size_t to)
{
    std::vector<Found> frames;
    std::size_t i = from;
    for (;;) {
        while (i < to && data[i] != 255)
            ++i;
        if (i == to)
            return frames;
        ++i; // the start byte
        Found f{0, {}};
        for (int k = 0; k < kPartALength; ++k, ++i) {
            if (i == to)
                return frames;
            f.raw[k] = data[i];
        }
        if (i == to)
            return frames;
        ++i; // part A byte 253
        while (i < to && data[i] != 255)
            ++i;
        if (i == to)
            return frames;
        ++i; // the second 255
        for (int k = 0; k < kPartBLength; ++k, ++i) {
            if (i == to)
                return frames;
            f.raw[kPartBRawStart + k] = data[i];
        }
        f.end = i;
        frames.push_back(f);
    }
}

// Deterministic piece lengths: mostly short, sometimes whole frames, sometimes the rest.
class Pieces
{
public:
    explicit Pieces(std::uint32_t seed) : m_state(seed * 2654435761u + 0x9e3779b9u) {}
    std::uint32_t next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    std::size_t length(std::size_t left)
    {
        const std::uint32_t r = next();
        std::size_t n;
        switch (r % 8) {
        case 0:
        case 1:
        case 2:
            n = 1;
            break;
        case 3:
        case 4:
            n = 1 + (r >> 8) % 16;
            break;
        case 5:
            n = 1 + (r >> 8) % 300;
            break;
        case 6:
            n = 1 + (r >> 8) % 2500;
            break;
        default:
            n = left;
            break;
        }
        return n < left ? n : left;
    }
    bool resetHere() { return next() % 32 == 0; }

private:
    std::uint32_t m_state;
};

void checkUncarriedZero(const RawFrame& raw)
{
    for (int p = kPartALength; p < kPartBRawStart; ++p)
        FUZZ_CHECK(raw[p] == 0);
    for (int p = kPartBRawStart + kPartBLength; p < kRawFrameSize; ++p)
        FUZZ_CHECK(raw[p] == 0);
    for (std::int16_t v : raw)
        FUZZ_CHECK(v >= 0 && v <= 255);
}

// The record a frame makes out of one that held -1 everywhere: samples from part A, the tail
// block from the end of part B, position 802 from the never-received raw position 1136, and the
// unassigned positions untouched.
Record recordOf(const RawFrame& raw)
{
    Record r;
    r.fill(-1);
    applyFrame(raw, r);
    for (int p = 0; p <= 250; ++p)
        FUZZ_CHECK(r[p] == raw[p + 1]);
    for (int p = 251; p <= 259; ++p)
        FUZZ_CHECK(r[p] == -1);
    for (int p = 260; p <= 539; ++p)
        FUZZ_CHECK(r[p] >= 0 && r[p] <= 255);
    for (int p = 540; p <= 801; ++p)
        FUZZ_CHECK(r[p] == raw[p + 334]);
    FUZZ_CHECK(r[802] == 0);
    for (int p = 803; p < kRecbufSize; ++p)
        FUZZ_CHECK(r[p] == -1);
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    Pieces pieces(std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8);
    const std::uint8_t* stream = data + 2;
    const std::size_t length = size - 2;

    // Fed in pieces; a reset forgets a partly read frame.
    std::vector<Found> chunked;
    std::vector<Found> expected;
    std::size_t segment = 0; // where the stream was last started afresh
    FrameDecoder decoder;
    std::size_t at = 0;
    while (at < length) {
        if (at > 0 && pieces.resetHere()) {
            for (const Found& f : readLayout(stream, segment, at))
                expected.push_back(f);
            segment = at;
            decoder.reset();
            FUZZ_CHECK(!decoder.inFrame());
        }
        const std::size_t n = pieces.length(length - at);
        std::size_t done = 0;
        while (done < n) {
            bool complete = true;
            const qsizetype used =
                decoder.feed(QByteArrayView(reinterpret_cast<const char*>(stream + at + done),
                                            qsizetype(n - done)),
                             &complete);
            FUZZ_CHECK(used >= 0 && std::size_t(used) <= n - done);
            if (!complete) {
                FUZZ_CHECK(std::size_t(used) == n - done);
            } else {
                FUZZ_CHECK(used >= 1);
                FUZZ_CHECK(!decoder.inFrame());
                checkUncarriedZero(decoder.frame());
                chunked.push_back({at + done + std::size_t(used), decoder.frame()});
            }
            done += std::size_t(used);
        }
        at += n;
    }
    for (const Found& f : readLayout(stream, segment, length))
        expected.push_back(f);

    FUZZ_CHECK(chunked.size() == expected.size());
    for (std::size_t k = 0; k < chunked.size(); ++k) {
        FUZZ_CHECK(chunked[k].end == expected[k].end);
        FUZZ_CHECK(chunked[k].raw == expected[k].raw);
    }

    // One-shot: the whole stream in one piece per frame, no resets.
    if (segment == 0) {
        FrameDecoder whole;
        std::size_t from = 0;
        std::size_t k = 0;
        while (from < length) {
            bool complete = false;
            const qsizetype used =
                whole.feed(QByteArrayView(reinterpret_cast<const char*>(stream + from),
                                          qsizetype(length - from)),
                           &complete);
            from += std::size_t(used);
            if (!complete)
                break;
            FUZZ_CHECK(k < chunked.size());
            FUZZ_CHECK(from == chunked[k].end);
            FUZZ_CHECK(recordOf(whole.frame()) == recordOf(chunked[k].raw));
            ++k;
        }
        FUZZ_CHECK(from == length);
        FUZZ_CHECK(k == chunked.size());
        FUZZ_CHECK(whole.inFrame() == decoder.inFrame());
    }
    return 0;
}
