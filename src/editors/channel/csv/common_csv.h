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
    ChannelRow row;    // its channel is 0 until the caller gives it one
    QString location;  // as the file writes it ("" without the column)
    QString power;     // "5.0W", "High", ...: describes the source radio
    QString mode;      // "FM", "NFM", "AM", ...
    // Why the row cannot be read into cells (a Duplex or tone mode this radio has no use for).
    MaybeError problem;
};

// Every row that holds a channel (a Frequency), in file order, each with its own problem, so
// that a caller may refuse the file at the first one or leave such rows out. Only an error of
// the file as a whole (a column twice) is returned. Reasons are in the language of `texts`.
MaybeError ReadCommonRows(const std::vector<Record>& records, const UiTexts& texts,
                          std::vector<CommonRow>& rows);
// Whether the header has the column "Location".
bool HasLocationColumn(const Record& header);

// Whether the row says the source radio used AM, which this radio does not receive.
bool IsAmRow(const CommonRow& row);

// Whether Power and Mode say something other than the channel has: this radio's power and
// bandwidth are fixed, so they are not applied.
bool PowerOrModeDiffers(const CommonRow& row, const ChannelRecord& record);

// The non-empty channels of a loaded table in the common format, with the full header.
QByteArray ExportCommonCsv(const ChannelTable& table);

}  // namespace qv::csv
