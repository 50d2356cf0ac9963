#include "core/FrameDecoder.h"

namespace quillon
{

namespace
{
constexpr unsigned char kStartByte = 255;
}

qsizetype FrameDecoder::feed(QByteArrayView bytes, bool* complete)
{
    *complete = false;
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(bytes[i++]);
        switch (m_state) {
        case State::Searching:
            if (b == kStartByte) {
                m_raw.fill(0);
                m_index = 0;
                m_state = State::PartA;
            }
            break;
        case State::PartA:
            m_raw[m_index++] = b;
            if (m_index == kPartALength)
                m_state = State::SkipByte;
            break;
        case State::SkipByte:
            m_state = State::Gap;
            break;
        case State::Gap:
            if (b == kStartByte) {
                m_index = 0;
                m_state = State::PartB;
            }
            break;
        case State::PartB:
            m_raw[kPartBRawStart + m_index++] = b;
            if (m_index == kPartBLength) {
                m_state = State::Searching;
                *complete = true;
                return i;
            }
            break;
        }
    }
    return i;
}

void FrameDecoder::reset()
{
    m_state = State::Searching;
    m_index = 0;
}

void applyFrame(const RawFrame& raw, Record& record)
{
    forEachCarriedPosition([&](int position, int index) { record[position] = raw[index]; });
}

void copyFrameInto(const RawFrame& frame, RawFrame& rawframe)
{
    std::copy_n(frame.begin(), kPartALength, rawframe.begin());
    std::copy_n(frame.begin() + kPartBRawStart, kPartBLength, rawframe.begin() + kPartBRawStart);
}

} // namespace quillon
