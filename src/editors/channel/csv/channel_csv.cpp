#include "editors/channel/csv/channel_csv.h"

#include <array>
#include <vector>

#include "editors/channel/channel_table.h"
#include "editors/channel/csv/changed_fields.h"
#include "editors/channel/csv/channel_numbers.h"
#include "editors/channel/csv/common_csv.h"
#include "editors/channel/csv/csv_cells.h"
#include "editors/channel/csv/csv_text.h"
#include "editors/channel/csv/csv_words.h"
#include "editors/channel/csv/native_csv.h"
#include "editors/channel/csv/row_import.h"

namespace qv {

using namespace channel;

namespace {

constexpr int kFirstChannel = 1;
constexpr int kLastChannel = kChannelRows;

// The table the CSV works through reads and writes records only; its screen texts (English, "."
// as decimal separator) never reach the file, so the CSV is the same in every language.
const UiTexts kTableTexts;

std::optional<CsvFormat> FormatOfHeader(const QStringList& header) {
    if (csv::IsNativeHeader(header)) return CsvFormat::Native;
    if (csv::IsCommonHeader(header)) return CsvFormat::Common;
    return std::nullopt;
}

// A row with more cells than the header would lose the extra ones without a word. Empty cells
// after the last column, as some spreadsheets write them, lose nothing.
csv::MaybeError CheckRowWidths(const std::vector<csv::Record>& records, const UiTexts& texts) {
    const qsizetype width = records.front().fields.size();
    for (std::size_t i = 1; i < records.size(); ++i) {
        const QStringList& fields = records[i].fields;
        for (qsizetype field = width; field < fields.size(); ++field) {
            if (fields[field].trimmed().isEmpty()) continue;
            return csv::CsvError{records[i].line,
                                 {},
                                 texts
                                     .UiText("ChannelCsv",
                                             "the row has %1 cells but the header only %2 (quote "
                                             "a cell that holds a comma)")
                                     .arg(fields.size())
                                     .arg(width)};
        }
    }
    return std::nullopt;
}

CsvImportResult Failed(const QString& error, CsvFormat format) {
    CsvImportResult result;
    result.ok = false;
    result.error = error;
    result.errorReason = error;
    result.format = format;
    return result;
}

CsvImportResult Failed(const csv::CsvError& error, CsvFormat format, const UiTexts& texts) {
    CsvImportResult result = Failed(error.Text(texts), format);
    result.errorLine = error.line;
    result.errorColumn = error.column;
    result.errorReason = error.reason;
    return result;
}

// What an import says beyond its error: Power and Mode not applied (the first row that gives
// other ones, and every AM row), names cut to six characters.
class ImportNotes {
public:
    explicit ImportNotes(const UiTexts& texts) : texts_(texts) {}

    void Applied(const csv::CommonRow& row, const ChannelRecord& channel) {
        const csv::ChannelRow& cells = row.row;
        const bool named = !where_.isEmpty() && csv::IsAmRow(row);
        if ((where_.isEmpty() && csv::PowerOrModeDiffers(row, channel)) || named) {
            QStringList said;
            if (!named && !row.power.isEmpty())
                said << QStringLiteral("Power \"%1\"").arg(row.power);
            if (!row.mode.isEmpty()) said << QStringLiteral("Mode \"%1\"").arg(row.mode);
            where_ << Line(cells.line, said.join(", "));
        }
        if (!cells.nameAsWritten.isEmpty()) {
            shortened_ << Line(cells.line,
                               texts_.UiText("ChannelCsv", "\"%1\" stored as \"%2\"")
                                   .arg(cells.nameAsWritten, cells.cells.value(kColName)));
        }
    }

    void Into(CsvImportResult& result) const {
        result.shortenedNames = shortened_;
        if (!shortened_.isEmpty()) {
            result.namesNote =
                texts_.UiText("ChannelCsv", "Names longer than six characters are cut to six: %1")
                    .arg(shortened_.join("; "));
        }
        if (where_.isEmpty()) return;
        result.powerOrModeNotApplied = true;
        result.noteWhere = where_.join("; ");
        result.note = texts_
                          .UiText("ChannelCsv",
                                  "Power and Mode are not applied: this radio's power and "
                                  "bandwidth are fixed (%1)")
                          .arg(result.noteWhere);
    }

private:
    QString Line(int line, const QString& text) const {
        return texts_.UiText("ChannelCsv", "line %1: %2").arg(QString::number(line), text);
    }

    const UiTexts& texts_;
    QStringList where_;
    QStringList shortened_;
};

// The channel each row of a common-format plan goes to: the one chosen for it, the next free one
// (renumbered) or its Location. A row given none is left out.
csv::MaybeError TargetOf(const csv::CommonRow& row, const CsvImportOptions& options,
                         csv::ChannelNumbers& numbers, int& channel) {
    const int line = row.row.line;
    if (!options.chosen.isEmpty()) {
        channel = options.chosen.value(line, 0);
        return std::nullopt;
    }
    if (options.renumber) return numbers.Next(line, QStringLiteral("Frequency"), channel);
    return numbers.Take(row.location, line, QStringLiteral("Location"), channel);
}

}  // namespace

// The CSV is written from the channel records alone, in its own words and with "." as decimal
// separator, whatever language and number format the user interface shows.
QByteArray ExportChannelsCsv(const RadioData& data, CsvFormat format) {
    RadioData copy = data;
    ChannelTable table(copy, kTableTexts);
    table.RefreshAll();
    if (format == CsvFormat::Common) return csv::ExportCommonCsv(table);

    QStringList header;
    for (int column = 0; column < kTableColumns; ++column) header << csv::ColumnName(column);
    std::vector<QStringList> records{header};
    for (int row = kFirstChannel; row <= kLastChannel; ++row) {
        records.push_back(csv::ExportedTexts(table.Record(row), row));
    }
    return csv::WriteRecords(records);
}

std::optional<CsvFormat> DetectCsvFormat(const QByteArray& csvText) {
    QString error;
    const std::vector<csv::Record> records = csv::ReadRecords(csvText, error);
    if (records.empty()) return std::nullopt;
    return FormatOfHeader(records.front().fields);
}

CsvImportResult ImportChannelsCsv(const QByteArray& csvText, RadioData& data,
                                  const CsvImportOptions& options) {
    const UiTexts& texts = options.texts;
    QString error;
    const std::vector<csv::Record> records = csv::ReadRecords(csvText, error, texts);
    if (!error.isEmpty()) return Failed(error, CsvFormat::Native);
    if (records.empty()) {
        return Failed(texts.UiText("ChannelCsv", "the file holds no header row"),
                      CsvFormat::Native);
    }
    const std::optional<CsvFormat> format = FormatOfHeader(records.front().fields);
    if (!format) {
        // Spreadsheets set to a comma decimal separator write ";" between cells.
        const bool semicolons =
            records.front().fields.size() == 1 && records.front().fields[0].contains(u';');
        return Failed(texts
                          .UiText("ChannelCsv",
                                  "line %1: the header names neither the channel editor's columns "
                                  "(No., CH Name, RX Freq., ...) nor those of the common channel "
                                  "CSV (Location, Name, Frequency, ...)%2")
                          .arg(records.front().line)
                          .arg(semicolons ? texts.UiText("ChannelCsv",
                                                         "; the cells are separated by \";\", "
                                                         "save the file with \",\" instead")
                                          : QString()),
                      CsvFormat::Native);
    }
    if (csv::MaybeError wide = CheckRowWidths(records, texts)) {
        return Failed(*wide, *format, texts);
    }

    const bool common = *format == CsvFormat::Common;
    const bool skipUnusable = common && options.skipUnusable && options.chosen.isEmpty();
    std::vector<csv::CommonRow> rows;
    if (!common) {
        std::vector<csv::ChannelRow> nativeRows;
        if (csv::MaybeError bad = csv::ReadNativeRows(records, nativeRows, texts)) {
            return Failed(*bad, *format, texts);
        }
        for (const csv::ChannelRow& row : nativeRows) rows.push_back({row, {}, {}, {}, {}});
    } else {
        if (csv::MaybeError bad = csv::ReadCommonRows(records, texts, rows)) {
            return Failed(*bad, *format, texts);
        }
        if (!options.renumber && options.chosen.isEmpty() &&
            !csv::HasLocationColumn(records.front())) {
            return Failed(csv::CsvError{records.front().line,
                                        {},
                                        texts.UiText("ChannelCsv",
                                                     "there is no column \"Location\"; fill the "
                                                     "channels in file order instead (renumber)")},
                          *format, texts);
        }
    }

    RadioData scratch = data;
    ChannelTable table(scratch, kTableTexts);
    table.RefreshAll();
    std::array<ChannelRecord, kTableRows> before;
    for (int row = kFirstChannel; row <= kLastChannel; ++row) before[row] = table.Record(row);

    CsvImportResult result;
    result.format = *format;
    ImportNotes notes(texts);
    csv::ChannelNumbers numbers(texts);
    for (csv::CommonRow& row : rows) {
        if (common) {
            csv::MaybeError problem = TargetOf(row, options, numbers, row.row.channel);
            if (!problem && row.row.channel == 0) continue;  // not chosen
            if (!problem) problem = row.problem;
            if (problem) {
                if (!skipUnusable) return Failed(*problem, *format, texts);
                numbers.Release(row.row.channel);
                result.skipped << problem->Text(texts);
                continue;
            }
        }
        const csv::ChannelRow& cells = row.row;
        const ChannelTableState untouched = table.State();
        if (csv::MaybeError bad = csv::ApplyChannelRow(table, scratch, cells, texts)) {
            if (!skipUnusable) return Failed(*bad, *format, texts);
            // The part of the row already applied goes, and so does its claim on the channel.
            table.RestoreState(untouched);
            numbers.Release(cells.channel);
            result.skipped << bad->Text(texts);
            continue;
        }
        ++result.rowsImported;
        if (common) notes.Applied(row, table.Record(cells.channel));
    }
    if (skipUnusable && result.rowsImported == 0) {
        CsvImportResult refused = Failed(
            texts.UiText("ChannelCsv", "no row of the plan can be stored in this radio"), *format);
        refused.skipped = result.skipped;
        return refused;
    }
    notes.Into(result);

    // Only what the plan changed reaches the image; every other byte stays as it was.
    table.SaveData();
    RadioImage image = data.image;
    for (int row = kFirstChannel; row <= kLastChannel; ++row) {
        csv::TakeChangedFields(image, scratch.image, row, before[row], table.Record(row));
    }
    data.image = image;
    return result;
}

QStringList CsvImportResult::Notes() const {
    QStringList notes;
    if (powerOrModeNotApplied) notes << note;
    if (!shortenedNames.isEmpty()) notes << namesNote;
    return notes;
}

}  // namespace qv
