#include "editors/channel/csv/row_import.h"

#include <array>

#include "codecs/frequency.h"
#include "editors/channel/band_texts.h"
#include "editors/channel/channel_table.h"
#include "editors/channel/csv/csv_cells.h"
#include "editors/channel/csv/csv_words.h"

namespace qv::csv {

using namespace channel;

namespace {

// The order a user fills a channel in; errors are looked for in the same order.
constexpr std::array<int, 11> kTypingOrder = {
    kColRxFreq,       kColRxTone,     kColTxFreq, kColTxTone, kColScan,     kColBusyLock,
    kColReverseBurst, kColTalkAround, kColName,   kColPower,  kColBandwidth};
constexpr std::array<int, 4> kOptionColumns = {kColScan, kColBusyLock, kColReverseBurst,
                                               kColTalkAround};

class RowImport {
public:
    RowImport(ChannelTable& table, const RadioData& band, const ChannelRow& row,
              const UiTexts& texts)
        : table_(table), band_(band), row_(row), texts_(texts) {}

    MaybeError Apply();

private:
    MaybeError ReadCells();
    MaybeError Delete();
    MaybeError SetTone(int column);
    void SetOption(int column);
    MaybeError CheckFixedColumns();
    std::optional<int> Frequency(int column) const;

    bool Has(int column) const { return row_.Has(column); }
    const CellValue& Value(int column) const { return values_[column]; }
    // A given cell that no longer says what the export wrote. An empty option cell keeps the
    // channel's choice, so it never counts as a change.
    bool Changed(int column) const { return changed_[column]; }
    int Channel() const { return row_.channel; }
    const ChannelRecord& Record() const { return table_.Record(Channel()); }
    CsvError Error(int column, const QString& reason) const {
        return {row_.line, row_.sources.value(column, ColumnName(column)), reason};
    }
    CsvError NotInToneList(int column) const {
        return Error(column, texts_
                                 .UiText("ChannelCsv",
                                         "\"%1\" is not in the tone list (standard tones and "
                                         "the customized tones of this image)")
                                 .arg(row_.SourceText(column)));
    }
    MaybeError OutOfBand(int column) const;

    ChannelTable& table_;
    const RadioData& band_;
    const ChannelRow& row_;
    const UiTexts& texts_;
    std::array<CellValue, kTableColumns> values_;
    std::array<bool, kTableColumns> changed_{};
};

MaybeError RowImport::ReadCells() {
    for (int column : kTypingOrder) {
        if (!Has(column)) continue;
        const CellRead cell = ReadCell(column, row_.cells.value(column), texts_);
        if (!cell.ok()) return Error(column, cell.reason);
        values_[column] = cell.value;
        const bool keepsChoice = cell.value.blank && column >= kColPower;
        // On a channel that is still empty every given cell is news: the export wrote nothing
        // for it, while the new channel's defaults say something.
        changed_[column] =
            !keepsChoice && (Record().IsEmpty() || !SameAsRecord(column, cell.value, Record()));
        if (!changed_[column]) continue;
        // What the editor cannot take is refused here, so the first bad cell in typing order
        // is the one named.
        if ((column == kColRxTone || column == kColTxTone) &&
            !table_.HasToneChoice(cell.value.tone)) {
            return NotInToneList(column);
        }
        if (column == kColRxFreq || column == kColTxFreq) {
            if (MaybeError error = OutOfBand(column)) return error;
        }
        if (column == kColName && !NameProblem(cell.value.name, texts_).isEmpty()) {
            return Error(column, NameProblem(cell.value.name, texts_));
        }
    }
    return std::nullopt;
}

// A changed frequency must lie in the band: clamping it to the edge would store a frequency
// nobody chose. A TX frequency the common format worked out from Duplex and Offset is named as
// the TX frequency, since its column holds something else.
MaybeError RowImport::OutOfBand(int column) const {
    const CellValue& value = Value(column);
    if (value.blank || FrequencyInBand(value.megahertz, band_)) return std::nullopt;
    const QString text =
        value.exactUnits ? FrequencyText(*value.exactUnits, QLocale::c()) : row_.SourceText(column);
    const bool computed = column == kColTxFreq && row_.tonesAsGiven;
    return Error(column, PlanOutOfBandText(text, computed, band_, texts_));
}

// A frequency cell in 10 Hz units, put on the raster and into the band; none when empty.
std::optional<int> RowImport::Frequency(int column) const {
    if (Value(column).blank) return std::nullopt;
    return NormalizeFrequencyUnits(Value(column).megahertz, band_);
}

MaybeError RowImport::Apply() {
    if (MaybeError error = ReadCells()) return error;
    const bool wasEmpty = Record().IsEmpty();
    const bool endsEmpty = Has(kColRxFreq) ? Value(kColRxFreq).blank : wasEmpty;
    if (endsEmpty) return Delete();

    if (Changed(kColRxFreq)) table_.SetRxFrequencyUnits(Channel(), Frequency(kColRxFreq));
    if (Changed(kColRxTone)) {
        if (MaybeError error = SetTone(kColRxTone)) return error;
    }
    if (Changed(kColTxFreq)) {
        // The TX cells are opened as on a repeater row; DeriveMode locks them again where the
        // final cells make the channel Simplex or RX only.
        table_.ApplyMode(ChannelMode::Repeater, Channel(), kColRxFreq);
        table_.SetTxFrequencyUnits(Channel(), Frequency(kColTxFreq));
        table_.DeriveMode(Channel());
    }
    if (Has(kColTxTone) && !Value(kColTxTone).blank && !Record().tx) {
        return Error(kColTxTone,
                     texts_.UiText("ChannelCsv", "a channel without TX Freq. has no TX tone"));
    }
    const bool txToneFollowedAway = row_.tonesAsGiven && Has(kColTxTone) && Record().tx &&
                                    !SameAsRecord(kColTxTone, Value(kColTxTone), Record());
    // Without TX frequency the TX tone is None already (checked above).
    if ((Changed(kColTxTone) || txToneFollowedAway) && Record().tx) {
        table_.ApplyMode(ChannelMode::Repeater, Channel(), kColRxFreq);
        if (MaybeError error = SetTone(kColTxTone)) return error;
    }
    if (Changed(kColRxFreq) || Changed(kColRxTone) || Changed(kColTxFreq) || Changed(kColTxTone)) {
        table_.DeriveMode(Channel());
    }

    for (int column : kOptionColumns) {
        if (Changed(column)) SetOption(column);
    }
    if (Changed(kColName)) table_.SetName(Channel(), NameBytes(Value(kColName).name));
    return CheckFixedColumns();
}

// An empty RX frequency deletes the channel. The other cells may still say what the export
// wrote (a spreadsheet user empties the RX cell alone), but they may not give new values.
MaybeError RowImport::Delete() {
    const bool wasEmpty = Record().IsEmpty();
    for (int column : kTypingOrder) {
        if (column == kColRxFreq || !Changed(column)) continue;
        const bool blank = column == kColName ? Value(column).name.isEmpty() : Value(column).blank;
        if (blank) continue;
        return Error(
            column,
            wasEmpty ? texts_.UiText("ChannelCsv", "channel %1 is empty: give its RX Freq. first")
                           .arg(Channel())
                     : texts_.UiText("ChannelCsv",
                                     "a channel without RX Freq. is empty and takes no "
                                     "other value"));
    }
    if (!wasEmpty) table_.SetRxFrequencyUnits(Channel(), std::nullopt);
    return std::nullopt;
}

MaybeError RowImport::SetTone(int column) {
    if (table_.SetTone(Channel(), column, Value(column).tone)) return std::nullopt;
    return NotInToneList(column);
}

void RowImport::SetOption(int column) {
    const int value = Value(column).option;
    switch (column) {
        case kColScan:
            table_.SetScan(Channel(), value == 1);
            break;
        case kColBusyLock:
            table_.SetBusyLock(Channel(), static_cast<BusyLock>(value));
            break;
        case kColReverseBurst:
            table_.SetReverseBurst(Channel(), value == 1);
            break;
        case kColTalkAround:
            table_.SetTalkAround(Channel(), value == 1);
            break;
        default:
            break;
    }
}

// TX Power and Bandwidth are shown, never edited: a file that names them must agree.
MaybeError RowImport::CheckFixedColumns() {
    for (int column : {kColPower, kColBandwidth}) {
        if (!Has(column) || Value(column).blank) continue;
        const int current = OptionValue(Record(), column);
        if (Value(column).option != current) {
            return Error(column, texts_
                                     .UiText("ChannelCsv",
                                             "the channel editor cannot change this column (the "
                                             "channel has %1)")
                                     .arg(OptionWord(column, current)));
        }
    }
    return std::nullopt;
}

}  // namespace

MaybeError ApplyChannelRow(ChannelTable& table, const RadioData& band, const ChannelRow& row,
                           const UiTexts& texts) {
    return RowImport(table, band, row, texts).Apply();
}

}  // namespace qv::csv
