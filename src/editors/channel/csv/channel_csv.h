// Channel plans as CSV, in two formats: the native one (the channel editor's columns in English,
// one row per channel) and the common channel CSV of other radio programs and repeater
// directories (Location, Name, Frequency, Duplex, Offset, Tone, ...). Import applies the channel
// editor's own rules to what the file changes, leaves everything else byte for byte, and is all
// or nothing.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

#include "data/radio_image.h"
#include "language/ui_language.h"

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
    // Common format: a row the radio cannot hold (a frequency outside the band, a tone it has
    // no code for, a name it cannot store, a Location that is no free channel) is left out and
    // named in `skipped` instead of refusing the file; with `renumber` the usable rows fill the
    // channels and those beyond the 16th are left out too. The file counts as refused only when
    // no row is left.
    bool skipUnusable = false;
    // Common format: the rows to import, by the line of the file each starts on, with the
    // channel each goes to; every other row is left out. Empty: the rows as above.
    QMap<int, int> chosen;
    // The language of errors and notes (English when not given).
    UiTexts texts = UiTexts();
};

struct CsvImportResult {
    bool ok = true;
    QString error;  // "line 4, column "RX CTCSS/DCS": ..." when not ok
    // The parts of the error: its line (0 for none), the file's column ("" for none), the reason.
    int errorLine = 0;
    QString errorColumn;
    QString errorReason;
    CsvFormat format = CsvFormat::Native;
    // Common format: some row's Power or Mode differs from its channel's; they are not applied
    // because this radio's power and bandwidth are fixed. `note` says so, once; `noteWhere` is
    // its part that names the first such row and every AM row (this radio receives FM only):
    // line 2: Power "5.0W", Mode "FM"; line 9: Mode "AM".
    bool powerOrModeNotApplied = false;
    QString note;
    QString noteWhere;
    // Common format: names longer than six characters, cut to six, each as
    // line 2: "National Simp" stored as "Nation"; `namesNote` says so in a sentence.
    QStringList shortenedNames;
    QString namesNote;
    // With skipUnusable: each row left out with its line and reason.
    QStringList skipped;
    // The rows applied.
    int rowsImported = 0;
    // Every note of an accepted import as whole sentences: Power and Mode, shortened names.
    QStringList Notes() const;
};

// Applies the rows of the CSV to the channels of data.image. Columns are found by their header
// and may come in any order; unknown ones are ignored, a missing one keeps the channel's value.
// A cell that still says what ExportChannelsCsv writes for the channel changes nothing, so
// exporting and importing the same file gives back every byte. A channel not listed keeps what
// it has. A changed frequency outside the band is refused. On any error the image is left exactly
// as it was.
CsvImportResult ImportChannelsCsv(const QByteArray& csv, RadioData& data,
                                  const CsvImportOptions& options = {});

}  // namespace qv
