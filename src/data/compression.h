// The data file's own compressor. One pass removes every occurrence of the most frequent byte
// value and records their positions as flag bytes; passes repeat while they pay, and the number of
// passes is appended as one trailing byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace qv {

using ByteBuffer = std::vector<std::uint8_t>;

// Raised by the decoder on a damaged or foreign buffer, and by the encoder when the pass count
// would not fit in its byte.
class CompressionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest buffer one decoding pass may produce. A genuine data file decodes to 16,400 bytes;
// the cap stops a crafted header from asking for gigabytes.
constexpr std::size_t kMaxDecodedSize = 1 << 20;

constexpr int kMaxPasses = 255;  // the pass count is stored in one byte

// Replaces the buffer by its encoded form: the accepted passes, then the pass count. A pass beyond
// maxPasses cannot be recorded and throws CompressionError instead of wrapping the count.
void EncodeBuffer(ByteBuffer& buffer, int maxPasses = kMaxPasses);
// Replaces an encoded buffer by the data it was made from; throws CompressionError when it is
// malformed.
void DecodeBuffer(ByteBuffer& buffer, std::size_t maxDecodedSize = kMaxDecodedSize);

// One pass each, in place. EncodePass returns false, leaving the buffer untouched, when it
// declines to compress.
bool EncodePass(ByteBuffer& buffer);
void DecodePass(ByteBuffer& buffer, std::size_t maxDecodedSize = kMaxDecodedSize);

// Stores value at index and advances it, growing the buffer in steps of 500 bytes past index.
void AppendByte(ByteBuffer& buffer, std::size_t& index, std::uint8_t value);

}  // namespace qv
