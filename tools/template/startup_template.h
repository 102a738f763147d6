#pragma once

#include "data/radio_image.h"

namespace qv {

// The image of a newly programmed radio: the eight PMR446 channels, settings at their usual
// values, band limits 400-480 MHz, everything else blank (0xFF).
RadioImage BuildStartupTemplate();

}  // namespace qv
