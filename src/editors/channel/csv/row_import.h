// Applies one row of a channel plan to a channel of the channel table, as a user would type it:
// RX Freq., RX tone, TX Freq., TX tone, the options, then the name. Each cell is read into a
// typed value first; a cell that still says what the export wrote for the channel is left alone,
// so an unchanged plan changes no byte, and a changed one goes through the table's own rules.
#pragma once

#include "data/radio_image.h"
#include "editors/channel/csv/csv_row.h"

namespace qv {
class ChannelTable;
}

namespace qv::csv {

// `band` gives the band limits frequencies must lie in: a changed frequency outside them is
// refused, never moved to the band edge. Reasons are in the language of `texts`. On an error
// the table may hold part of the row: the caller drops or restores it.
MaybeError ApplyChannelRow(ChannelTable& table, const RadioData& band, const ChannelRow& row,
                           const UiTexts& texts = UiTexts());

}  // namespace qv::csv
