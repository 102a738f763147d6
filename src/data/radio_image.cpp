#include "data/radio_image.h"

namespace qv {

namespace {

// Three decimal digits packed as hundreds|tens in the first byte and units in the upper half of
// the second; the low half of the second byte is ignored. Returns -1 when a nibble is not a digit.
int DecodeMHz(std::uint8_t first, std::uint8_t second) {
    const int hundreds = first >> 4;
    const int tens = first & 0x0F;
    const int units = second >> 4;
    if (hundreds > 9 || tens > 9 || units > 9) return -1;
    return 100 * hundreds + 10 * tens + units;
}

void EncodeMHz(float mhz, std::uint8_t& first, std::uint8_t& second) {
    const int value = static_cast<int>(mhz);
    const int tensPart = value / 10;  // two decimal digits: hundreds and tens
    first = static_cast<std::uint8_t>(((tensPart / 10) % 10) << 4 | (tensPart % 10));
    second = static_cast<std::uint8_t>((value % 10) << 4);
}

}  // namespace

void RadioData::CopyToBaseline() {
    baseline = image;
}

bool RadioData::ImageModified() const {
    return !(image == baseline);
}

void RadioData::SetDefaultBandLimits() {
    BandUpperMHz = kDefaultBandUpperMHz;
    BandLowerMHz = kDefaultBandLowerMHz;
}

void RadioData::StoreBandLimits() {
    EncodeMHz(BandUpperMHz, image[kBandLimitsAddress], image[kBandLimitsAddress + 1]);
    EncodeMHz(BandLowerMHz, image[kBandLimitsAddress + 2], image[kBandLimitsAddress + 3]);
}

void RadioData::LoadBandLimits() {
    const int upper = DecodeMHz(image[kBandLimitsAddress], image[kBandLimitsAddress + 1]);
    const int lower = DecodeMHz(image[kBandLimitsAddress + 2], image[kBandLimitsAddress + 3]);
    if (upper < 0 || lower < 0 || upper < lower) {
        SetDefaultBandLimits();
        StoreBandLimits();
        return;
    }
    BandUpperMHz = static_cast<float>(upper);
    BandLowerMHz = static_cast<float>(lower);
}

}  // namespace qv
