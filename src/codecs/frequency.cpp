#include "codecs/frequency.h"

#include <cmath>

#include "codecs/number_text.h"

namespace qv {

namespace {

constexpr double kUnitsPerMHz = 100000.0;  // the field counts 10 Hz steps
constexpr long long kRaster5k = 500;
constexpr long long kRaster6k25 = 625;

int FirstColumn(FrequencyField which) {
    return which == FrequencyField::Rx ? 0 : 4;
}

std::uint8_t Bcd(int tens, int units) {
    return static_cast<std::uint8_t>(tens << 4 | units);
}

}  // namespace

QString NormalizeFrequency(const QString& text, float bandUpperMHz, float bandLowerMHz) {
    const double value = ReadNumber(text);
    const float single = static_cast<float>(value);
    if (single >= bandUpperMHz) return FormatFixed(bandUpperMHz, 5);
    if (single < bandLowerMHz) return FormatFixed(bandLowerMHz, 5);

    const double x = value * kUnitsPerMHz;
    const auto n = static_cast<long long>(RoundHalfEven(x));
    const long long a = n / kRaster5k * kRaster5k;
    const long long b = n / kRaster6k25 * kRaster6k25;
    const long long snapped =
        std::fabs(x - static_cast<double>(b)) < std::fabs(x - static_cast<double>(a)) ? b : a;
    return FormatFixed(static_cast<double>(snapped) / kUnitsPerMHz, 5);
}

QString DecodeFrequency(const RadioImage& image, FrequencyField which, int row) {
    const int first = FirstColumn(which);
    long long units = 0;
    for (int column = first + 3; column >= first; --column) {
        const std::uint8_t b = image.at(row, column);
        if (b == 0xFF) return QString();
        if ((b >> 4) > 9 || (b & 0x0F) > 9) return QString();
        units = units * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    return FormatFixed(static_cast<double>(units) / kUnitsPerMHz, 5);
}

void EncodeFrequency(RadioImage& image, FrequencyField which, int row, const QString& text) {
    const int first = FirstColumn(which);
    const double mhz = text.isEmpty() ? -1.0 : ReadNumber(text);
    const auto units = static_cast<long long>(RoundHalfEven(mhz * kUnitsPerMHz));
    if (text.isEmpty() || units < 0 || units > 99999999) {
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
