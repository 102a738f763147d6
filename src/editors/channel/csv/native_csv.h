// The native channel CSV: the channel editor's columns in English, found by their header in any
// order; "No." says the channel, Mode is derived and never read, unknown columns are ignored.
#pragma once

#include <QStringList>
#include <vector>

#include "editors/channel/csv/csv_row.h"
#include "editors/channel/csv/csv_text.h"

namespace qv::csv {

// Whether a header row is the native one (it has "No.").
bool IsNativeHeader(const QStringList& header);

// The channel rows of the records after the header, each with its channel from "No.".
MaybeError ReadNativeRows(const std::vector<Record>& records, std::vector<ChannelRow>& rows,
                          const UiTexts& texts = UiTexts());

}  // namespace qv::csv
