#include "codecs/frequency.h"

#include <algorithm>
#include <cmath>

#include "codecs/number_text.h"

namespace qv {

namespace {

constexpr long long kRaster5k = 500;
constexpr long long kRaster6k25 = 625;

int FirstColumn(FrequencyField which) {
    return which == FrequencyField::Rx ? 0 : 4;
}

std::uint8_t Bcd(int tens, int units) {
    return static_cast<std::uint8_t>(tens << 4 | units);
}

long long ToUnits(float mhz) {
    return static_cast<long long>(std::llround(static_cast<double>(mhz) * kUnitsPerMHz));
}

// Multiples of a raster step at or below / at or above a value, for values of either sign.
long long FloorTo(long long value, long long step) {
    const long long q = value / step;
    return (q * step > value ? q - 1 : q) * step;
}

long long CeilTo(long long value, long long step) {
    const long long q = value / step;
    return (q * step < value ? q + 1 : q) * step;
}

// The nearer of the two raster steps at or below x rounded to 10 Hz; on a tie the 5 kHz one.
long long SnapToRaster(double x) {
    const auto n = static_cast<long long>(RoundHalfEven(x));
    const long long a = FloorTo(n, kRaster5k);
    const long long b = FloorTo(n, kRaster6k25);
    return std::fabs(x - static_cast<double>(b)) < std::fabs(x - static_cast<double>(a)) ? b : a;
}

long long LowestRasterAtOrAbove(long long units) {
    return std::min(CeilTo(units, kRaster5k), CeilTo(units, kRaster6k25));
}

long long HighestRasterAtOrBelow(long long units) {
    return std::max(FloorTo(units, kRaster5k), FloorTo(units, kRaster6k25));
}

}  // namespace

// Snaps to the raster first and clamps afterwards, both in whole 10 Hz units, so that the stored
// value always lies on the raster and inside the band: 399.99999 snaps to 399.99500 and is then
// lifted to 400.00000 rather than stored below the lower limit.
int NormalizeFrequencyUnits(double megahertz, float bandUpperMHz, float bandLowerMHz) {
    const long long lowest = LowestRasterAtOrAbove(ToUnits(bandLowerMHz));
    const long long highest = std::max(lowest, HighestRasterAtOrBelow(ToUnits(bandUpperMHz)));

    // Far outside the band only the clamp matters; bounding x first keeps the integer maths exact.
    double x = megahertz * kUnitsPerMHz;
    if (!std::isfinite(x)) x = 0.0;
    x = std::clamp(x, static_cast<double>(lowest - kRaster5k),
                   static_cast<double>(highest + kRaster5k));

    return static_cast<int>(std::clamp(SnapToRaster(x), lowest, highest));
}

QString NormalizeFrequency(const QString& text, float bandUpperMHz, float bandLowerMHz,
                           const QLocale& locale) {
    const int units = NormalizeFrequencyUnits(ReadNumber(text, locale), bandUpperMHz, bandLowerMHz);
    return FormatFixed(static_cast<double>(units) / kUnitsPerMHz, 5, locale);
}

QString DecodeFrequency(const RadioImage& image, FrequencyField which, int row,
                        const QLocale& locale) {
    const int first = FirstColumn(which);
    long long units = 0;
    for (int column = first + 3; column >= first; --column) {
        const std::uint8_t b = image.at(row, column);
        if (b == 0xFF) return QString();
        if ((b >> 4) > 9 || (b & 0x0F) > 9) return QString();
        units = units * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    return FormatFixed(static_cast<double>(units) / kUnitsPerMHz, 5, locale);
}

void EncodeFrequency(RadioImage& image, FrequencyField which, int row, const QString& text,
                     const QLocale& locale) {
    const int first = FirstColumn(which);
    const double mhz = text.isEmpty() ? -1.0 : ReadNumber(text, locale);
    const auto units = static_cast<long long>(RoundHalfEven(mhz * kUnitsPerMHz));
    if (text.isEmpty() || units < 0 || units > kMaxFrequencyUnits) {
        // No frequency, or one no 8-digit field can hold.
        for (int column = first; column < first + 4; ++column) image.at(row, column) = 0xFF;
        return;
    }
    // Eight decimal digits, most significant first: d1 d2 | d3 d5 | d6 d7 | d8 d9 of "000.00000".
    int digits[8];
    long long rest = units;
    for (int i = 7; i >= 0; --i) {
        digits[i] = static_cast<int>(rest % 10);
        rest /= 10;
    }
    image.at(row, first + 3) = Bcd(digits[0], digits[1]);
    image.at(row, first + 2) = Bcd(digits[2], digits[3]);
    image.at(row, first + 1) = Bcd(digits[4], digits[5]);
    image.at(row, first) = Bcd(digits[6], digits[7]);
}

}  // namespace qv
