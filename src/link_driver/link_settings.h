// Where the link finds its settings: the file Radio.INI in the program's folder. Section [Setup]
// holds the clone dialog's receive timing; the optional section [Ports] names the device of each
// port number ("COM1=/dev/ttyUSB0").
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "link/link_timing.h"

namespace qv {

// A timing value as Radio.INI writes it: a number, rounded to the nearest whole number with
// halves to the even neighbour, that fits a signed 16-bit integer. Nothing for any other text.
std::optional<std::int16_t> TimingNumber(const QString& text);

// "ComInterval[ms]", "ComRecvCount " and "SessionGap[ms]" of section [Setup] of Radio.INI in
// `folder`. A missing file or key, a text that is not a number, an interval below 1 ms or a
// negative count or gap falls back to 50 ms, 40 polls and 500 ms.
LinkTiming ReadLinkTiming(const QString& folder);

}  // namespace qv
