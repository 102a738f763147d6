#include "editors/channel/csv/channel_csv.h"

#include <array>
#include <vector>

#include "editors/channel/channel_table.h"
#include "editors/channel/csv/changed_fields.h"
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
csv::MaybeError CheckRowWidths(const std::vector<csv::Record>& records) {
    const qsizetype width = records.front().fields.size();
    for (std::size_t i = 1; i < records.size(); ++i) {
        const QStringList& fields = records[i].fields;
        for (qsizetype field = width; field < fields.size(); ++field) {
            if (fields[field].trimmed().isEmpty()) continue;
            return csv::CsvError{records[i].line,
                                 {},
                                 QStringLiteral("the row has %1 cells but the header only %2 "
                                                "(quote a cell that holds a comma)")
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
    result.format = format;
    return result;
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
    QString error;
    const std::vector<csv::Record> records = csv::ReadRecords(csvText, error);
    if (!error.isEmpty()) return Failed(error, CsvFormat::Native);
    if (records.empty()) return Failed("the file holds no header row", CsvFormat::Native);
    const std::optional<CsvFormat> format = FormatOfHeader(records.front().fields);
    if (!format) {
        // Spreadsheets set to a comma decimal separator write ";" between cells.
        const bool semicolons =
            records.front().fields.size() == 1 && records.front().fields[0].contains(u';');
        return Failed(QStringLiteral("line %1: the header names neither the channel editor's "
                                     "columns (No., CH Name, RX Freq., ...) nor those of the "
                                     "common channel CSV (Location, Name, Frequency, ...)%2")
                          .arg(records.front().line)
                          .arg(semicolons ? QStringLiteral("; the cells are separated by \";\", "
                                                           "save the file with \",\" instead")
                                          : QString()),
                      CsvFormat::Native);
    }
    if (csv::MaybeError wide = CheckRowWidths(records)) return Failed(wide->Text(), *format);

    std::vector<csv::CommonRow> rows;
    if (*format == CsvFormat::Native) {
        std::vector<csv::ChannelRow> nativeRows;
        if (csv::MaybeError bad = csv::ReadNativeRows(records, nativeRows)) {
            return Failed(bad->Text(), *format);
        }
        for (const csv::ChannelRow& row : nativeRows) rows.push_back({row, {}, {}});
    } else if (csv::MaybeError bad = csv::ReadCommonRows(records, options.renumber, rows)) {
        return Failed(bad->Text(), *format);
    }

    RadioData scratch = data;
    ChannelTable table(scratch, kTableTexts);
    table.RefreshAll();
    std::array<ChannelRecord, kTableRows> before;
    for (int row = kFirstChannel; row <= kLastChannel; ++row) before[row] = table.Record(row);

    CsvImportResult result;
    result.format = *format;
    for (const csv::CommonRow& row : rows) {
        const csv::ChannelRow& cells = row.row;
        if (csv::MaybeError bad = csv::ApplyChannelRow(table, scratch, cells)) {
            return Failed(bad->Text(), *format);
        }
        if (!result.powerOrModeNotApplied &&
            csv::PowerOrModeDiffers(row, table.Record(cells.channel))) {
            result.powerOrModeNotApplied = true;
            QStringList said;
            if (!row.power.isEmpty()) said << QStringLiteral("Power \"%1\"").arg(row.power);
            if (!row.mode.isEmpty()) said << QStringLiteral("Mode \"%1\"").arg(row.mode);
            result.noteWhere = QStringLiteral("line %1: %2").arg(cells.line).arg(said.join(", "));
            result.note = QStringLiteral(
                              "Power and Mode are not applied: this radio's power and "
                              "bandwidth are fixed (%1)")
                              .arg(result.noteWhere);
        }
    }

    // Only what the plan changed reaches the image; every other byte stays as it was.
    table.SaveData();
    RadioImage image = data.image;
    for (int row = kFirstChannel; row <= kLastChannel; ++row) {
        csv::TakeChangedFields(image, scratch.image, row, before[row], table.Record(row));
    }
    data.image = image;
    return result;
}

}  // namespace qv
