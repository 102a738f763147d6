// Why a frequency is refused: it lies outside the band the image holds. Typed into the grid the
// text is the user's own ("4461 MHz is outside this radio's band, 400.00000 to 480.00000 MHz");
// in a channel plan it is the file's value with "." as the file writes it.
#pragma once

#include <QString>

#include "data/radio_image.h"
#include "language/ui_language.h"

namespace qv::channel {

// For a typed frequency, with the band in the locale's decimal separator.
QString TypedOutOfBandText(const QString& typed, const RadioData& band, const UiTexts& texts);
// For a frequency of a channel plan, `value` as the file gives it ("147.38000"); `transmit`
// names it as the TX frequency, for one that Duplex and Offset worked out.
QString PlanOutOfBandText(const QString& value, bool transmit, const RadioData& band,
                          const UiTexts& texts);

}  // namespace qv::channel
