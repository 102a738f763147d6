// The tone vocabulary and the numbered tone choices the channel editor offers.
#pragma once

#include <QStringList>
#include <array>

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
constexpr double kCustomCtcssMin = 67.0;
constexpr double kCustomCtcssMax = 254.1;

// 205 texts: the None text, the 38 CTCSS tones ("67.0"), the 83 DCS codes with "N", then with "I".
QStringList ToneTable(const UiTexts& texts);

// The numbered choices: the None text; "1 - 67.0Hz" ... "38 - 250.3Hz"; "39 - D023N" ...
// "121 - D754N"; the filled customized CTCSS slots as 122-127; "128 - D023I" ... "210 - D754I";
// the filled customized DCS slots as 211-216. An empty slot leaves a gap in the numbering.
QStringList BuildToneList(const RadioImage& image, const UiTexts& texts);

}  // namespace qv
