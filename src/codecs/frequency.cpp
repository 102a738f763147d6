#include "codecs/frequency.h"

#include <algorithm>
#include <cmath>

#include "codecs/bcd.h"
#include "codecs/number_text.h"

namespace qv {

namespace {

constexpr int kFrequencyDecimals = 5;
constexpr long long kRaster5k = 500;
constexpr long long kRaster6k25 = 625;

int FieldAddress(FrequencyField which, int row) {
    return row * kRowSize + (which == FrequencyField::Rx ? 0 : 4);
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

bool FrequencyInBand(double megahertz, float bandUpperMHz, float bandLowerMHz) {
    const double x = megahertz * kUnitsPerMHz;
    if (!std::isfinite(x)) return false;
    const int stored = NormalizeFrequencyUnits(megahertz, bandUpperMHz, bandLowerMHz);
    return std::fabs(x - static_cast<double>(stored)) < static_cast<double>(kRaster5k);
}

int BandLimitUnits(float megahertz) {
    return static_cast<int>(ToUnits(megahertz));
}

QString FrequencyText(int units, const QLocale& locale) {
    return QString::number(units / kUnitsPerMHz) + locale.decimalPoint() +
           QStringLiteral("%1").arg(units % kUnitsPerMHz, kFrequencyDecimals, 10, QChar(u'0'));
}

QString NormalizeFrequency(const QString& text, float bandUpperMHz, float bandLowerMHz,
                           const QLocale& locale) {
    const int units = NormalizeFrequencyUnits(ReadNumber(text, locale), bandUpperMHz, bandLowerMHz);
    return FrequencyText(units, locale);
}

std::optional<int> DecodeFrequencyUnits(const RadioImage& image, int address) {
    int units = 0;
    for (int i = 3; i >= 0; --i) {
        const std::uint8_t b = image[address + i];
        if (b == 0xFF || !IsDecimalByte(b)) return std::nullopt;
        units = units * 100 + FromBcd(b);
    }
    return units;
}

void EncodeFrequencyUnits(RadioImage& image, int address, std::optional<int> units) {
    if (!units || *units < 0 || *units > kMaxFrequencyUnits) {
        for (int i = 0; i < 4; ++i) image[address + i] = 0xFF;
        return;
    }
    int rest = *units;
    for (int i = 0; i < 4; ++i) {  // least significant pair first
        image[address + i] = ToBcd(rest % 100);
        rest /= 100;
    }
}

QString DecodeFrequency(const RadioImage& image, FrequencyField which, int row,
                        const QLocale& locale) {
    const std::optional<int> units = DecodeFrequencyUnits(image, FieldAddress(which, row));
    return units ? FrequencyText(*units, locale) : QString();
}

void EncodeFrequency(RadioImage& image, FrequencyField which, int row, const QString& text,
                     const QLocale& locale) {
    // No text, or one no 8-digit field can hold, stores no frequency.
    std::optional<int> units;
    if (!text.isEmpty()) {
        const double value = RoundHalfEven(ReadNumber(text, locale) * kUnitsPerMHz);
        if (value >= 0 && value <= kMaxFrequencyUnits) units = static_cast<int>(value);
    }
    EncodeFrequencyUnits(image, FieldAddress(which, row), units);
}

}  // namespace qv
