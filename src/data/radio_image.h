// The radio's programmable memory as the program keeps it while it runs, the snapshot that tells
// whether it has unsaved changes, and the band limits stored inside it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace qv {

constexpr int kImageSize = 16384;  // radio addresses 0x0000 to 0x3FFF
constexpr int kRowSize = 16;
constexpr int kRowCount = kImageSize / kRowSize;  // 1024 rows of 16 bytes

constexpr float kDefaultBandUpperMHz = 480.0f;
constexpr float kDefaultBandLowerMHz = 400.0f;
constexpr int kBandLimitsAddress = 0x1AB0;

// 16,384 bytes addressed the way the radio addresses them: the byte at address A is row A / 16,
// column A mod 16. Starts all zero.
class RadioImage {
public:
    std::uint8_t& operator[](int address) { return bytes_[static_cast<std::size_t>(address)]; }
    std::uint8_t operator[](int address) const { return bytes_[static_cast<std::size_t>(address)]; }
    std::uint8_t& at(int row, int column) { return (*this)[row * kRowSize + column]; }
    std::uint8_t at(int row, int column) const { return (*this)[row * kRowSize + column]; }

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    static constexpr int size() { return kImageSize; }

    bool operator==(const RadioImage&) const = default;

private:
    std::array<std::uint8_t, kImageSize> bytes_{};
};

using BaselineImage = RadioImage;

// The one store of the radio's settings: the image, its baseline and the band limits decoded from
// it. One instance lives for the whole run; everything else works on it in place.
struct RadioData {
    RadioImage image;
    BaselineImage baseline;
    float BandUpperMHz = kDefaultBandUpperMHz;
    float BandLowerMHz = kDefaultBandLowerMHz;

    // Makes the current image the reference for the unsaved-changes check.
    void CopyToBaseline();
    // True when any of the 16,384 bytes differs from the baseline.
    bool ImageModified() const;

    // Sets 480 / 400 MHz without touching the image.
    void SetDefaultBandLimits();
    // Writes the two limits to 0x1AB0-0x1AB3 as three packed decimal digits each.
    void StoreBandLimits();
    // Decodes the limits from 0x1AB0-0x1AB3. An inverted pair, or a nibble that is not a decimal
    // digit (a blank 0xFF area, say), falls back to 480 / 400 and writes the defaults back.
    void LoadBandLimits();
};

}  // namespace qv
