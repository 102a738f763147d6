#include "data/compression.h"

#include <array>

namespace qv {

namespace {

constexpr std::size_t kGrowthStep = 500;
constexpr int kGroupSize = 7;        // positions described by one bit-flag byte
constexpr int kLiteralRunMax = 134;  // literals described by the flag 0xFF, with no M
constexpr std::uint32_t kAlwaysAcceptCount = 1100;

void Append24(ByteBuffer& out, std::size_t& index, std::uint32_t value) {
    AppendByte(out, index, static_cast<std::uint8_t>(value >> 16 & 0xFF));
    AppendByte(out, index, static_cast<std::uint8_t>(value >> 8 & 0xFF));
    AppendByte(out, index, static_cast<std::uint8_t>(value & 0xFF));
}

std::uint32_t Read24(const ByteBuffer& in, std::size_t offset) {
    return static_cast<std::uint32_t>(in[offset]) << 16 |
           static_cast<std::uint32_t>(in[offset + 1]) << 8 | in[offset + 2];
}

// Among equally frequent values the highest one wins.
std::uint8_t MostFrequentValue(const ByteBuffer& input, std::uint32_t& count) {
    std::array<std::uint32_t, 256> counts{};
    for (std::uint8_t b : input) ++counts[b];
    int best = 0;
    for (int v = 0; v < 256; ++v) {
        if (counts[static_cast<std::size_t>(v)] >= counts[static_cast<std::size_t>(best)]) best = v;
    }
    count = counts[static_cast<std::size_t>(best)];
    return static_cast<std::uint8_t>(best);
}

}  // namespace

void AppendByte(ByteBuffer& buffer, std::size_t& index, std::uint8_t value) {
    if (index >= buffer.size()) buffer.resize(index + kGrowthStep + 1);
    buffer[index++] = value;
}

bool EncodePass(ByteBuffer& buffer) {
    const std::size_t n = buffer.size();
    std::uint32_t count = 0;
    const std::uint8_t m = MostFrequentValue(buffer, count);

    ByteBuffer flags(kGrowthStep + 1);
    ByteBuffer literals(kGrowthStep + 1);
    std::size_t flagLen = 0;
    std::size_t literalLen = 0;
    AppendByte(flags, flagLen, m);
    Append24(flags, flagLen, count);

    int k = 0;
    std::uint8_t accumulator = 0;
    std::uint32_t met = 0;
    std::size_t i = 0;
    for (; i < n && met < count; ++i) {
        const std::uint8_t b = buffer[i];
        if (b == m) {
            if (k < kGroupSize) {
                accumulator |= static_cast<std::uint8_t>(1 << (6 - k));
            } else {
                // k literals in a row, then M: 0x80 | (k - 7), k from 7 to 133.
                AppendByte(flags, flagLen, static_cast<std::uint8_t>(0x80 | (k - kGroupSize)));
                accumulator = 0;
                k = -1;
            }
            ++met;
        } else {
            AppendByte(literals, literalLen, b);
        }
        ++k;
        if (k == kGroupSize && accumulator != 0) {
            AppendByte(flags, flagLen, accumulator);
            accumulator = 0;
            k = 0;
        }
        if (k == kLiteralRunMax) {
            AppendByte(flags, flagLen, 0xFF);
            accumulator = 0;
            k = 0;
        }
    }
    if (accumulator != 0) AppendByte(flags, flagLen, accumulator);
    // Bytes after the last M need no flags: the decoder copies whatever literals remain.
    for (; i < n; ++i) AppendByte(literals, literalLen, buffer[i]);

    // Decline when the pass does not pay, unless M is so frequent that it is taken anyway.
    const auto encodedCost = static_cast<long long>(flagLen + literalLen + 1);
    if (encodedCost > static_cast<long long>(n) - 1 && count < kAlwaysAcceptCount) return false;

    ByteBuffer out;
    out.reserve(flagLen + literalLen + 3);
    std::size_t outLen = 0;
    Append24(out, outLen, static_cast<std::uint32_t>(flagLen));
    out.resize(outLen);
    out.insert(out.end(), flags.begin(), flags.begin() + static_cast<std::ptrdiff_t>(flagLen));
    out.insert(out.end(), literals.begin(),
               literals.begin() + static_cast<std::ptrdiff_t>(literalLen));
    buffer.swap(out);
    return true;
}

void EncodeBuffer(ByteBuffer& buffer, int maxPasses) {
    const int limit = maxPasses < kMaxPasses ? maxPasses : kMaxPasses;
    int accepted = 0;
    while (EncodePass(buffer)) {
        if (++accepted > limit) {
            throw CompressionError("Overflow: the compression pass count does not fit in its byte");
        }
    }
    buffer.push_back(static_cast<std::uint8_t>(accepted));
}

void DecodePass(ByteBuffer& buffer, std::size_t maxDecodedSize) {
    const std::size_t n = buffer.size();
    if (n < 7) throw CompressionError("Encoded pass shorter than its header");
    const std::size_t flagSectionLen = Read24(buffer, 0);
    const std::uint8_t m = buffer[3];
    const std::uint32_t count = Read24(buffer, 4);
    const std::size_t literalStart = flagSectionLen + 3;
    if (flagSectionLen < 4 || literalStart > n) {
        throw CompressionError("Encoded pass with a flag section outside the buffer");
    }
    const std::size_t outSize = (n - literalStart) + count;
    if (outSize > maxDecodedSize)
        throw CompressionError("Encoded pass decodes to an implausible size");

    ByteBuffer out;
    out.reserve(outSize);
    std::size_t flagPos = 7;
    std::size_t literalPos = literalStart;
    std::uint32_t written = 0;

    auto copyLiterals = [&](std::size_t howMany) {
        if (howMany > n - literalPos) throw CompressionError("Encoded pass runs out of literals");
        out.insert(out.end(), buffer.begin() + static_cast<std::ptrdiff_t>(literalPos),
                   buffer.begin() + static_cast<std::ptrdiff_t>(literalPos + howMany));
        literalPos += howMany;
    };

    while (written < count) {
        if (flagPos >= literalStart) throw CompressionError("Encoded pass runs out of flags");
        const std::uint8_t flag = buffer[flagPos++];
        if (flag & 0x80) {
            const std::size_t run = static_cast<std::size_t>(flag & 0x7F) + kGroupSize;
            copyLiterals(run);
            if (run != kLiteralRunMax) {
                out.push_back(m);
                ++written;
            }
        } else {
            for (int bit = 6; bit >= 0 && written < count; --bit) {
                if (flag & (1 << bit)) {
                    out.push_back(m);
                    ++written;
                } else {
                    copyLiterals(1);
                }
            }
        }
    }
    copyLiterals(n - literalPos);
    buffer.swap(out);
}

void DecodeBuffer(ByteBuffer& buffer, std::size_t maxDecodedSize) {
    if (buffer.empty()) throw CompressionError("Empty buffer has no pass count");
    const int passes = buffer.back();
    buffer.pop_back();
    for (int p = 0; p < passes; ++p) DecodePass(buffer, maxDecodedSize);
}

}  // namespace qv
