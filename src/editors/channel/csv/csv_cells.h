// The cells of the native channel CSV: what the export writes for a channel record, how a cell a
// person or a spreadsheet typed is read into a typed value (case, "None", 67 for 67.0), and
// whether a cell still says what the export wrote, in which case the import leaves the channel's
// value alone. Only the file's own words and "." are used, whatever the user interface shows.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "codecs/channel_record.h"
#include "language/ui_language.h"

namespace qv::csv {

// The 13 texts the export writes for channel n as the channel table holds it: frequencies with
// "." and five decimals, tones as "67.0", "D023N" or "" (None), an empty channel as its number
// alone.
QStringList ExportedTexts(const ChannelRecord& record, int channel);

// A tone as the export writes it: "67.0", "D023N", "" for None.
QString ToneWord(const Tone& tone);

// What a cell says, as the value of its column.
struct CellValue {
    // "": no frequency, the None tone, or (option columns) the channel keeps its choice.
    bool blank = false;
    // Frequencies: the number of megahertz, and its value in 10 Hz units when the text names one
    // exactly ("446.1" and "0446.100000" are 44610000; "446.000001" is none).
    double megahertz = 0;
    std::optional<int> exactUnits;
    Tone tone;       // tones
    int option = 0;  // option columns: the value (see OptionValue)
    QString name;    // CH Name, exactly as written
};

struct CellRead {
    CellValue value;
    QString reason;  // why the text cannot be a value of its column; "" when it can
    bool ok() const { return reason.isEmpty(); }
};

// Frequencies: a plain decimal number in MHz ("446.1", "446.006250") or "" for none.
// Tones: "" or "None" (any case); "67" and "67.00" read as 67.0, but "67.04" is refused, since
//   the list has one decimal; "d023n" reads as D023N; a trailing "Hz" is allowed.
// Options, TX Power, Bandwidth: any case, "Carrier Squelch" as Carrier; "" keeps the choice.
// Names are taken exactly as written.
// Reasons are in the language of `texts`; the file's own words stay as written.
CellRead ReadCell(int column, const QString& text, const UiTexts& texts = UiTexts());

// Whether a read cell says what the export writes for the record (frequencies by value).
bool SameAsRecord(int column, const CellValue& cell, const ChannelRecord& record);

// Whether the channel editor can store a name: at most 6 characters with codes 32 to 122; the
// reason when it cannot, in the language of the texts.
QString NameProblem(const QString& name, const UiTexts& texts = UiTexts());

}  // namespace qv::csv
