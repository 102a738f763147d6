// Applies one row of a channel plan to a channel of the channel table, as a user would type it:
// RX Freq., RX tone, TX Freq., TX tone, the options, then the name. A cell that still says what
// the export wrote for the channel is left alone, so an unchanged plan changes no byte; a changed
// cell goes through the channel editor's own rules.
#pragma once

#include <QStringList>

#include "editors/channel/csv/csv_row.h"

namespace qv {
class ChannelTable;
}

namespace qv::csv {

// `exported` is what the export wrote for the channel before the import began (ExportedTexts).
MaybeError ApplyChannelRow(ChannelTable& table, const ChannelRow& row, const QStringList& exported);

}  // namespace qv::csv
