// The common channel CSV of open-source radio programmers and repeater directories:
// Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity,
// RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment, ... Each of its rows is mapped onto
// the cells of the native CSV, so both formats go through the same rules.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <vector>

#include "codecs/channel_record.h"
#include "editors/channel/csv/csv_row.h"
#include "editors/channel/csv/csv_text.h"

namespace qv {
class ChannelTable;
}

namespace qv::csv {

// Whether a header row is of the common format (it has "Frequency" and no "No.").
bool IsCommonHeader(const QStringList& header);

// A row of the common format as native cells, with what this radio does not apply.
struct CommonRow {
    ChannelRow row;
    QString power;  // "5.0W", "High", ...: describes the source radio
    QString mode;   // "FM", "NFM", ...
};

// The rows that hold a channel (a Frequency), each given its channel: Location, or with
// `renumber` the next channel in file order.
MaybeError ReadCommonRows(const std::vector<Record>& records, bool renumber,
                          std::vector<CommonRow>& rows);

// Whether Power and Mode say something other than the channel has: this radio's power and
// bandwidth are fixed, so they are not applied.
bool PowerOrModeDiffers(const CommonRow& row, const ChannelRecord& record);

// The non-empty channels of a loaded table in the common format, with the full header.
QByteArray ExportCommonCsv(const ChannelTable& table);

}  // namespace qv::csv
