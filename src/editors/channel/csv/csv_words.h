// The words of the channel CSV: its column names and the texts of modes and options. They are
// the file format's own vocabulary (the channel editor's English words), fixed whatever language
// and number format the user interface shows, so a file reads the same on every computer.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "codecs/channel_record.h"

namespace qv::csv {

// The name of a channel table column ("No.", "CH Name", ...); "" for no column.
QString ColumnName(int column);
// The column a header cell names (any case, blanks around it ignored); -1 for none.
int ColumnOfName(const QString& name);

QString ModeWord(ChannelMode mode);

// The option columns (TX Power, Bandwidth, Scan, Busy Lock, Reverse Burst, Talk Around) hold a
// small value each: 0 or 1 for Low/High, Narrow/Wide, No/Yes, Off/On and, for Talk Around, No/Yes;
// Busy Lock as stored (0 Off, 1 CTCSS/DCS, 2 Carrier).
int OptionValue(const ChannelRecord& record, int column);
// The word the export writes for a value.
QString OptionWord(int column, int value);
// The value a cell names, in any case; Busy Lock also takes its list word "Carrier Squelch".
std::optional<int> OptionOfWord(int column, const QString& word);
// The words offered for a column, in the order the channel editor lists them.
QStringList OfferedWords(int column);

}  // namespace qv::csv
