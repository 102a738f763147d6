// Whole channels as tab-separated text, the way spreadsheets copy and paste rows: the columns
// and header line of the channel CSV, one line per channel. Pasting goes through the rules of the
// CSV import, all or nothing.
#pragma once

#include <QList>
#include <QString>

#include "data/radio_image.h"
#include "editors/channel/channel_table.h"

namespace qv {

// The header line and the lines of the given channels (rows 1-16), as the table holds them.
QString ChannelRowsText(const ChannelTable& table, const RadioData& data, const QList<int>& rows);

struct ChannelPasteResult {
    bool ok = true;
    QString error;    // names the channel and the column of the first bad cell
    QList<int> rows;  // the channels replaced
};

// Puts the channels of the text (with or without a header line) onto the table from firstRow
// on, one edit. Without a header line the fields follow the CSV's column order. On any error
// the table is left as it was.
ChannelPasteResult PasteChannelRows(ChannelTable& table, const RadioData& data, int firstRow,
                                    const QString& text);

}  // namespace qv
