// Packed BCD, as the radio stores frequencies and CTCSS tones: two decimal digits to a byte, the
// tens in the high nibble.
#pragma once

#include <cstdint>

namespace qv {

inline bool IsDecimalByte(std::uint8_t b) {
    return (b >> 4) <= 9 && (b & 0x0F) <= 9;
}

inline int FromBcd(std::uint8_t b) {
    return (b >> 4) * 10 + (b & 0x0F);
}

inline std::uint8_t ToBcd(int twoDigits) {
    return static_cast<std::uint8_t>((twoDigits / 10) << 4 | (twoDigits % 10));
}

}  // namespace qv
