#include "editors/channel/csv/native_csv.h"

#include "editors/channel/channel_texts.h"
#include "editors/channel/csv/channel_numbers.h"
#include "editors/channel/csv/csv_words.h"

namespace qv::csv {

using namespace channel;

bool IsNativeHeader(const QStringList& header) {
    for (const QString& name : header) {
        if (ColumnOfName(name) == kColNumber) return true;
    }
    return false;
}

MaybeError ReadNativeRows(const std::vector<Record>& records, std::vector<ChannelRow>& rows,
                          const UiTexts& texts) {
    const Record& header = records.front();
    QMap<int, int> fieldOf;  // table column -> field index
    for (int field = 0; field < header.fields.size(); ++field) {
        const int column = ColumnOfName(header.fields[field]);
        if (column < 0) continue;
        if (fieldOf.contains(column)) {
            return CsvError{header.line,
                            {},
                            texts.UiText("ChannelCsv", "the column \"%1\" appears twice")
                                .arg(ColumnName(column))};
        }
        fieldOf.insert(column, field);
    }
    if (!fieldOf.contains(kColNumber)) {
        return CsvError{
            header.line,
            {},
            texts.UiText("ChannelCsv", "there is no column \"%1\"").arg(ColumnName(kColNumber))};
    }

    ChannelNumbers numbers(texts);
    for (std::size_t i = 1; i < records.size(); ++i) {
        const Record& record = records[i];
        ChannelRow row;
        row.line = record.line;
        for (auto it = fieldOf.begin(); it != fieldOf.end(); ++it) {
            // Mode is derived from the other cells, never read.
            if (it.key() == kColNumber || it.key() == kColMode) continue;
            row.Set(it.key(), record.fields.value(it.value()), ColumnName(it.key()));
        }
        const QString number = record.fields.value(fieldOf.value(kColNumber));
        if (MaybeError error =
                numbers.Take(number, record.line, ColumnName(kColNumber), row.channel)) {
            return error;
        }
        rows.push_back(row);
    }
    return std::nullopt;
}

}  // namespace qv::csv
