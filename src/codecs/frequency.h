// Frequencies: 4-byte little-endian BCD fields in 10 Hz units (FF = none), their text with five
// decimals, and the clean-up every typed frequency goes through.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

#include "data/radio_image.h"

namespace qv {

// A frequency field counts 10 Hz steps in eight BCD digits: 100,000 to the megahertz, 999.99999 MHz
// at most.
constexpr int kUnitsPerMHz = 100000;
constexpr int kHertzPerUnit = 10;
constexpr int kHertzPerMHz = kUnitsPerMHz * kHertzPerUnit;
constexpr int kMaxFrequencyUnits = 99999999;

enum class FrequencyField { Rx, Tx };  // columns 0-3 and 4-7 of a channel row

// The 4-byte field at an address (lowest digit pair first) in 10 Hz units; nothing when a byte is
// FF or a nibble is no decimal digit, which no frequency can hold.
std::optional<int> DecodeFrequencyUnits(const RadioImage& image, int address);
// Stores the units, or FF FF FF FF for none or a value no field holds.
void EncodeFrequencyUnits(RadioImage& image, int address, std::optional<int> units);

// A frequency in 10 Hz units as text with five decimals and the locale's decimal separator
// ("446.00625"), worked out in whole numbers so that every digit is exact.
QString FrequencyText(int units, const QLocale& locale);

// Reads a typed frequency, snaps it to the 5 kHz or 6.25 kHz raster (whichever lies nearer) and
// clamps it to the nearest raster value inside the band limits; the result has exactly five
// decimals. Whatever the text, the result lies in the band and on the raster.
QString NormalizeFrequency(const QString& text, float bandUpperMHz, float bandLowerMHz,
                           const QLocale& locale);
inline QString NormalizeFrequency(const QString& text, const RadioData& data,
                                  const QLocale& locale) {
    return NormalizeFrequency(text, data.BandUpperMHz, data.BandLowerMHz, locale);
}
// The same rule for a number of megahertz already read, giving 10 Hz units (as the frequency
// fields count them) instead of a text, so that no decimal separator is involved.
int NormalizeFrequencyUnits(double megahertz, float bandUpperMHz, float bandLowerMHz);
inline int NormalizeFrequencyUnits(double megahertz, const RadioData& data) {
    return NormalizeFrequencyUnits(megahertz, data.BandUpperMHz, data.BandLowerMHz);
}

// Whether a frequency belongs to the band: NormalizeFrequencyUnits moves it no further than
// snapping to the raster moves any value in the band (less than 5 kHz). So 399.99999 counts as
// the band edge 400.00000, while 399.99500, 480.00500 and everything beyond lie outside and would
// only reach the band by being clamped to its edge.
bool FrequencyInBand(double megahertz, float bandUpperMHz, float bandLowerMHz);
inline bool FrequencyInBand(double megahertz, const RadioData& data) {
    return FrequencyInBand(megahertz, data.BandUpperMHz, data.BandLowerMHz);
}
// A band limit in 10 Hz units, as the band texts of messages show it.
int BandLimitUnits(float megahertz);

// The field's frequency with five decimals and the locale's separator, or "" when any byte is FF
// (or a nibble is not a decimal digit, which no frequency can hold).
QString DecodeFrequency(const RadioImage& image, FrequencyField which, int row,
                        const QLocale& locale);

// Stores a frequency text (a NormalizeFrequency result); an empty text stores FF FF FF FF.
void EncodeFrequency(RadioImage& image, FrequencyField which, int row, const QString& text,
                     const QLocale& locale);

}  // namespace qv
