// Channel plans as CSV, in two formats: the native one (the channel editor's columns in English,
// one row per channel) and the common channel CSV of other radio programs and repeater
// directories (Location, Name, Frequency, Duplex, Offset, Tone, ...). Import applies the channel
// editor's own rules to what the file changes, leaves everything else byte for byte, and is all
// or nothing.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "data/radio_image.h"

namespace qv {

enum class CsvFormat { Native, Common };

// Native: the header row and the 16 channel rows: frequencies with "." and five decimals, tones
// as "67.0", "D023N" or empty, an empty channel as its number alone.
// Common: the full header and one row per non-empty channel, readable by those programs.
QByteArray ExportChannelsCsv(const RadioData& data, CsvFormat format = CsvFormat::Native);

// The format a file's header row names, nothing when it names neither.
std::optional<CsvFormat> DetectCsvFormat(const QByteArray& csv);

struct CsvImportOptions {
    // Common format: rows fill channels 1, 2, ... in file order instead of going to Location.
    bool renumber = false;
};

struct CsvImportResult {
    bool ok = true;
    QString error;  // "line 4, column "RX CTCSS/DCS": ..." when not ok
    CsvFormat format = CsvFormat::Native;
    // Common format: some row's Power or Mode differs from its channel's; they are not applied
    // because this radio's power and bandwidth are fixed. `note` says so in English, once;
    // `noteWhere` is its part that names the first such row: line 2: Power "5.0W", Mode "FM".
    bool powerOrModeNotApplied = false;
    QString note;
    QString noteWhere;
};

// Applies the rows of the CSV to the channels of data.image. Columns are found by their header
// and may come in any order; unknown ones are ignored, a missing one keeps the channel's value.
// A cell that still says what ExportChannelsCsv writes for the channel changes nothing, so
// exporting and importing the same file gives back every byte. A channel not listed keeps what
// it has. On any error the image is left exactly as it was.
CsvImportResult ImportChannelsCsv(const QByteArray& csv, RadioData& data,
                                  const CsvImportOptions& options = {});

}  // namespace qv
