// Channel names (6 single-byte characters, FF-padded, at 0x110 + 6 x (n - 1)) and the scan bitmap
// (bit (n - 1) mod 8 of 0x170 + (n - 1) div 8).
#pragma once

#include <QString>

#include "data/radio_image.h"

namespace qv {

constexpr int kChannelCount = 16;
constexpr int kNameAddress = 0x110;
constexpr int kNameLength = 6;
constexpr int kScanBitmapAddress = 0x170;

// Stores at most six characters; a character without a single-byte code is stored as "?".
void EncodeChannelName(RadioImage& image, int channel, const QString& name);
// The bytes of the slot up to the first FF.
QString DecodeChannelName(const RadioImage& image, int channel);

int GetScanFlag(const RadioImage& image, int channel);
// 1 sets the bit, 0 clears it, any other value leaves it alone.
void SetScanFlag(RadioImage& image, int channel, int value);

}  // namespace qv
