// The tone vocabulary and the numbered tone choices the channel editor offers.
#pragma once

#include <QStringList>
#include <array>
#include <vector>

#include "codecs/tone.h"
#include "data/radio_image.h"
#include "language/ui_language.h"

namespace qv {

// The classic 38 CTCSS tones in tenths of a hertz, ascending.
extern const std::array<int, 38> kCtcssTenths;
// The 83 DCS codes (octal digits as written), in table order.
extern const std::array<const char*, 83> kDcsCodes;

constexpr int kCustomSlots = 6;
constexpr int kCustomCtcssAddress = 0x190;  // six tone fields, 0x190-0x19B
constexpr int kCustomDcsAddress = 0x1A0;    // six tone fields, 0x1A0-0x1AB
// The customized CTCSS tones the list offers, in tenths of a hertz and in hertz.
constexpr int kCustomCtcssMinTenths = 670;
constexpr int kCustomCtcssMaxTenths = 2541;
constexpr double kCustomCtcssMin = kCustomCtcssMinTenths / 10.0;
constexpr double kCustomCtcssMax = kCustomCtcssMaxTenths / 10.0;

// 205 texts: the None text, the 38 CTCSS tones ("67.0"), the 83 DCS codes with "N", then with "I".
QStringList ToneTable(const UiTexts& texts);

// One of the tone choices the channel editor offers: the tone and its number in the list (0 for
// the None entry, which has none).
struct NumberedTone {
    Tone tone;
    int number = 0;
};

// The numbered choices: None; 1-38 the CTCSS tones; 39-121 the DCS codes, normal; the filled
// customized CTCSS slots as 122-127; 128-210 the DCS codes, inverted; the filled customized DCS
// slots as 211-216. An empty slot leaves a gap in the numbering.
std::vector<NumberedTone> BuildToneChoices(const RadioImage& image);
// A choice as the list shows it: the None text, "1 - 67.0Hz", "39 - D023N".
QString ToneChoiceText(const NumberedTone& choice, const UiTexts& texts);
// The texts of BuildToneChoices, in its order.
QStringList BuildToneList(const RadioImage& image, const UiTexts& texts);

}  // namespace qv
