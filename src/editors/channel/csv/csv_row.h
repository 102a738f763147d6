// One row of a channel plan, whatever format it came in: the channel it goes to and its cells as
// the native CSV writes them, with the file's own column names so that errors speak the file's
// language.
#pragma once

#include <QMap>
#include <QString>
#include <optional>

namespace qv::csv {

struct ChannelRow {
    int line = 0;     // line of the file the row starts on
    int channel = 0;  // 1-16
    // Channel table column -> cell text, only for the columns the file gives.
    QMap<int, QString> cells;
    // Channel table column -> the file's column that gave it ("rToneFreq"); the native header
    // when absent.
    QMap<int, QString> sources;

    // Channel table column -> what the file's column said, where it differs from the cell
    // ("999" for "D999N").
    QMap<int, QString> sourceTexts;

    // The tone cells say each side's tone outright (the common format): a TX tone that followed
    // a changed RX tone on a Simplex channel is set back to what the row says.
    bool tonesAsGiven = false;

    bool Has(int column) const { return cells.contains(column); }
    void Set(int column, const QString& text, const QString& source,
             const QString& sourceText = QString()) {
        cells.insert(column, text);
        sources.insert(column, source);
        if (!sourceText.isEmpty()) sourceTexts.insert(column, sourceText);
    }
    // The text to quote in an error about a cell.
    QString SourceText(int column) const {
        return sourceTexts.value(column, cells.value(column)).trimmed();
    }
};

// "line 4, column "RX CTCSS/DCS": ..." or, without a column, "line 4: ...".
struct CsvError {
    int line = 0;
    QString column;
    QString reason;

    QString Text() const {
        if (column.isEmpty()) return QStringLiteral("line %1: %2").arg(line).arg(reason);
        return QStringLiteral("line %1, column \"%2\": %3").arg(line).arg(column, reason);
    }
};

using MaybeError = std::optional<CsvError>;

}  // namespace qv::csv
