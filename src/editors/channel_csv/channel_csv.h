// Channel plans as CSV: the channel editor's columns in English, one row per channel, so a plan
// can live in a spreadsheet. Import applies the channel editor's own rules cell by cell and is
// all or nothing.
#pragma once

#include <QByteArray>
#include <QString>

#include "data/radio_image.h"

namespace qv {

// The header row and the 16 channel rows: frequencies with "." and five decimals, tones as
// "67.0", "D023N" or empty, an empty channel as its number alone.
QByteArray ExportChannelsCsv(const RadioData& data);

struct CsvImportResult {
    bool ok = true;
    QString error;  // "line 4, column "RX CTCSS/DCS": ..." when not ok
};

// Applies the rows of the CSV to the channels of data.image. Columns are found by their header
// and may come in any order; unknown columns are ignored, Mode is derived, never read. A channel
// not listed keeps what it has. On any error the image is left exactly as it was.
CsvImportResult ImportChannelsCsv(const QByteArray& csv, RadioData& data);

}  // namespace qv
