#include "editors/channel_csv/channel_csv.h"

#include <QHash>
#include <QRegularExpression>
#include <vector>

#include "codecs/number_text.h"
#include "data/ui_language.h"
#include "editors/channel/channel_table.h"
#include "editors/channel_csv/csv_text.h"

namespace qv {

using namespace channel;

namespace {

constexpr int kFirstChannel = 1;
constexpr int kLastChannel = kTableRows - 1;

// The CSV speaks English with "." as decimal separator, whatever the user interface shows.
struct CsvConventions {
    ScopedUiLanguage language{kEnglish};
    ScopedUiLocale locale{QLocale::c()};
};

QString Header(int column) {
    return HeaderText(column);
}

// "1 - 67.0Hz" -> "67.0"; "39 - D023N" -> "D023N"; the None entry -> "".
QString ToneForCsv(const QString& cell, const QString& noneText) {
    if (cell.isEmpty() || cell == noneText) return QString();
    QString tone = cell.section(QStringLiteral(" - "), -1);
    if (tone.endsWith(QStringLiteral("Hz"))) tone.chop(2);
    return tone;
}

class RowImport {
public:
    RowImport(ChannelTable& table, const QHash<int, QString>& cells, int line)
        : table_(table), cells_(cells), line_(line) {}

    // Applies one CSV row to channel `row`; false with error set when a cell is refused.
    bool Apply(int row, QString& error);

private:
    bool Has(int column) const { return cells_.contains(column); }
    QString Value(int column) const { return cells_.value(column).trimmed(); }
    bool Fail(int column, const QString& reason, QString& error) const {
        error = QStringLiteral("line %1, column \"%2\": %3").arg(line_).arg(Header(column), reason);
        return false;
    }
    bool SetTone(int row, int column, QString& error);

    ChannelTable& table_;
    const QHash<int, QString>& cells_;
    int line_;
};

bool RowImport::SetTone(int row, int column, QString& error) {
    QString tone = Value(column);
    bool isNumber = false;
    const double hertz = tone.toDouble(&isNumber);
    if (tone.isEmpty()) {
        tone = table_.ToneDisplayList().value(0);
    } else if (isNumber) {
        // A spreadsheet saves 67.0 back as 67: a CTCSS tone is written with one decimal.
        tone = QString::number(hertz, 'f', 1) + QStringLiteral("Hz");
    } else if (!tone.startsWith(u'D')) {
        tone += QStringLiteral("Hz");
    }
    if (!table_.SetCellAsUser(row, column, tone)) {
        return Fail(column,
                    QStringLiteral("\"%1\" is not in the tone list (standard tones and the "
                                   "customized tones of this image)")
                        .arg(Value(column)),
                    error);
    }
    return true;
}

bool RowImport::Apply(int row, QString& error) {
    const QString rx = Value(kColRxFreq);
    if (rx.isEmpty()) {
        // An empty RX frequency deletes the channel; nothing else may be given for it.
        for (auto it = cells_.begin(); it != cells_.end(); ++it) {
            if (it.key() != kColNumber && it.key() != kColMode && !it.value().trimmed().isEmpty()) {
                return Fail(it.key(),
                            QStringLiteral("a channel without RX Freq. is empty and "
                                           "takes no other value"),
                            error);
            }
        }
        if (Has(kColRxFreq)) table_.SetRxFrequency(row, QString());
        return true;
    }
    static const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9]*)?$"));
    for (int column : {kColRxFreq, kColTxFreq}) {
        if (!Value(column).isEmpty() && !number.match(Value(column)).hasMatch()) {
            return Fail(column,
                        QStringLiteral("\"%1\" is not a frequency in MHz").arg(Value(column)),
                        error);
        }
    }
    if (Has(kColName)) {
        const QString name = cells_.value(kColName);
        if (name.size() > ChannelTable::kNameMaxLength) {
            return Fail(kColName, QStringLiteral("names have at most 6 characters"), error);
        }
        for (QChar c : name) {
            if (!ChannelTable::IsNameCharacter(c)) {
                return Fail(kColName, QStringLiteral("\"%1\" cannot be part of a name").arg(c),
                            error);
            }
        }
    }
    if (Has(kColTxFreq) && Value(kColTxFreq).isEmpty() && !Value(kColTxTone).isEmpty()) {
        return Fail(kColTxTone, QStringLiteral("a channel without TX Freq. has no TX tone"), error);
    }

    // The RX frequency first: it creates an empty channel with the defaults of a new one.
    table_.SetCellAsUser(row, kColRxFreq, rx);
    // The TX cells are opened as on a repeater row; the TX frequency commit below derives the
    // mode from the final cells and locks them again where the mode says so.
    table_.ApplyMode(RepeaterText(), row, kColRxFreq);
    if (Has(kColName)) table_.SetCellAsUser(row, kColName, cells_.value(kColName));
    if (Has(kColRxTone) && !SetTone(row, kColRxTone, error)) return false;
    const bool hasTx =
        Has(kColTxFreq) ? !Value(kColTxFreq).isEmpty() : !table_.Cell(row, kColTxFreq).isEmpty();
    if (Has(kColTxTone) && hasTx && !SetTone(row, kColTxTone, error)) return false;
    if (Has(kColTxFreq)) table_.SetCellAsUser(row, kColTxFreq, Value(kColTxFreq));
    table_.DeriveMode(row);

    for (int column : {kColScan, kColBusyLock, kColReverseBurst, kColTalkAround}) {
        // An empty option cell leaves the channel's choice (a new channel's default) alone.
        if (Value(column).isEmpty() || Value(column) == table_.Cell(row, column)) continue;
        if (!table_.SetCellAsUser(row, column, Value(column))) {
            return Fail(column,
                        QStringLiteral("\"%1\" is not one of: %2")
                            .arg(Value(column), ChannelTable::OptionList(column).join(", ")),
                        error);
        }
    }
    // TX Power and Bandwidth are shown, never edited: the file must agree with the channel.
    for (int column : {kColPower, kColBandwidth}) {
        if (!Value(column).isEmpty() && Value(column) != table_.Cell(row, column)) {
            return Fail(column,
                        QStringLiteral("the channel editor cannot change this column (the "
                                       "channel has %1)")
                            .arg(table_.Cell(row, column)),
                        error);
        }
    }
    return true;
}

}  // namespace

QByteArray ExportChannelsCsv(const RadioData& data) {
    CsvConventions conventions;
    RadioData copy = data;
    ChannelTable table(copy);
    table.RefreshAll();
    const QString none = table.ToneDisplayList().value(0);

    std::vector<QStringList> records;
    QStringList header;
    for (int column = 0; column < kTableColumns; ++column) header << Header(column);
    records.push_back(header);
    for (int row = kFirstChannel; row <= kLastChannel; ++row) {
        QStringList record = table.RowTexts(row);
        if (table.IsEmptyChannel(row)) {
            record = QStringList(kTableColumns, QString());
            record[kColNumber] = QString::number(row);
        } else {
            record[kColRxTone] = ToneForCsv(record[kColRxTone], none);
            record[kColTxTone] = ToneForCsv(record[kColTxTone], none);
        }
        records.push_back(record);
    }
    return csv::WriteRecords(records);
}

CsvImportResult ImportChannelsCsv(const QByteArray& csvText, RadioData& data) {
    CsvConventions conventions;
    QString error;
    const std::vector<csv::Record> records = csv::ReadRecords(csvText, error);
    if (!error.isEmpty()) return {false, error};
    if (records.empty()) return {false, QStringLiteral("the file holds no header row")};

    // Columns by header; unknown ones are ignored.
    QHash<int, int> fieldOf;  // table column -> field index
    const csv::Record& header = records.front();
    for (int field = 0; field < header.fields.size(); ++field) {
        const QString name = header.fields[field].trimmed();
        for (int column = 0; column < kTableColumns; ++column) {
            if (name != Header(column)) continue;
            if (fieldOf.contains(column)) {
                return {false, QStringLiteral("line %1: the column \"%2\" appears twice")
                                   .arg(header.line)
                                   .arg(name)};
            }
            fieldOf.insert(column, field);
        }
    }
    if (!fieldOf.contains(kColNumber)) {
        return {false, QStringLiteral("line %1: there is no column \"%2\"")
                           .arg(header.line)
                           .arg(Header(kColNumber))};
    }

    RadioData scratch = data;
    ChannelTable table(scratch);
    table.RefreshAll();
    QHash<int, int> lineOfChannel;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const csv::Record& record = records[i];
        QHash<int, QString> cells;
        for (auto it = fieldOf.begin(); it != fieldOf.end(); ++it) {
            cells.insert(it.key(), record.fields.value(it.value()));
        }
        bool isNumber = false;
        const int channel = cells.value(kColNumber).trimmed().toInt(&isNumber);
        if (!isNumber || channel < kFirstChannel || channel > kLastChannel) {
            return {false, QStringLiteral("line %1, column \"%2\": \"%3\" is not a channel "
                                          "number from 1 to 16")
                               .arg(record.line)
                               .arg(Header(kColNumber), cells.value(kColNumber))};
        }
        if (lineOfChannel.contains(channel)) {
            return {false, QStringLiteral("line %1, column \"%2\": channel %3 is already on "
                                          "line %4")
                               .arg(record.line)
                               .arg(Header(kColNumber))
                               .arg(channel)
                               .arg(lineOfChannel.value(channel))};
        }
        lineOfChannel.insert(channel, record.line);
        RowImport row(table, cells, record.line);
        if (!row.Apply(channel, error)) return {false, error};
    }
    table.SaveData();
    data.image = scratch.image;
    return {};
}

}  // namespace qv
