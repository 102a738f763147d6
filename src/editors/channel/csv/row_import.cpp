#include "editors/channel/csv/row_import.h"

#include <array>

#include "editors/channel/channel_table.h"
#include "editors/channel/csv/csv_cells.h"

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
    RowImport(ChannelTable& table, const ChannelRow& row, const QStringList& exported)
        : table_(table), row_(row), exported_(exported) {}

    MaybeError Apply();

private:
    MaybeError ReadCells();
    MaybeError Delete();
    MaybeError SetTone(int column);
    MaybeError CheckFixedColumns();

    bool Has(int column) const { return row_.Has(column); }
    const QString& Text(int column) const { return cells_[column]; }
    // A given cell that no longer says what the export wrote. An empty option cell keeps the
    // channel's choice, so it never counts as a change.
    bool Changed(int column) const { return changed_[column]; }
    int Channel() const { return row_.channel; }
    CsvError Error(int column, const QString& reason) const {
        return {row_.line, row_.sources.value(column, HeaderText(column)), reason};
    }

    ChannelTable& table_;
    const ChannelRow& row_;
    const QStringList& exported_;
    std::array<QString, kTableColumns> cells_;
    std::array<bool, kTableColumns> changed_{};
};

MaybeError RowImport::ReadCells() {
    for (int column : kTypingOrder) {
        if (!Has(column)) continue;
        const CellText cell = ReadCell(column, row_.cells.value(column));
        if (!cell.ok) return Error(column, cell.reason);
        cells_[column] = cell.text;
        const bool keepsChoice = cell.text.isEmpty() && column >= kColPower;
        // On a channel that is still empty every given cell is news: the export wrote nothing
        // for it, while the new channel's defaults say something.
        changed_[column] = !keepsChoice && (table_.IsEmptyChannel(Channel()) ||
                                            !SameAsExported(column, cell.text, exported_[column]));
        if (!changed_[column]) continue;
        // What the editor cannot take is refused here, so the first bad cell in typing order
        // is the one named.
        if ((column == kColRxTone || column == kColTxTone) && !cell.text.isEmpty() &&
            !ToneInList(table_.ToneDisplayList(), cell.text)) {
            return Error(column, QStringLiteral("\"%1\" is not in the tone list (standard tones "
                                                "and the customized tones of this image)")
                                     .arg(row_.SourceText(column)));
        }
        if (column == kColName && !NameProblem(cell.text).isEmpty()) {
            return Error(column, NameProblem(cell.text));
        }
    }
    return std::nullopt;
}

MaybeError RowImport::Apply() {
    if (MaybeError error = ReadCells()) return error;
    const bool wasEmpty = table_.IsEmptyChannel(Channel());
    const bool endsEmpty = Has(kColRxFreq) ? Text(kColRxFreq).isEmpty() : wasEmpty;
    if (endsEmpty) return Delete();

    if (Changed(kColRxFreq)) table_.SetCellAsUser(Channel(), kColRxFreq, Text(kColRxFreq));
    if (Changed(kColRxTone)) {
        if (MaybeError error = SetTone(kColRxTone)) return error;
    }
    if (Changed(kColTxFreq)) {
        // The TX cells are opened as on a repeater row; DeriveMode below locks them again where
        // the final cells make the channel Simplex or RX only.
        table_.ApplyMode(RepeaterText(), Channel(), kColRxFreq);
        table_.SetCellAsUser(Channel(), kColTxFreq, Text(kColTxFreq));
    }
    if (Has(kColTxTone) && !Text(kColTxTone).isEmpty() &&
        table_.Cell(Channel(), kColTxFreq).isEmpty()) {
        return Error(kColTxTone, QStringLiteral("a channel without TX Freq. has no TX tone"));
    }
    // Without TX frequency the TX tone is None already (checked above).
    if (Changed(kColTxTone) && !table_.Cell(Channel(), kColTxFreq).isEmpty()) {
        table_.ApplyMode(RepeaterText(), Channel(), kColRxFreq);
        if (MaybeError error = SetTone(kColTxTone)) return error;
    }
    if (Changed(kColRxFreq) || Changed(kColRxTone) || Changed(kColTxFreq) || Changed(kColTxTone)) {
        table_.DeriveMode(Channel());
    }

    for (int column : kOptionColumns) {
        if (Changed(column)) table_.SetCellAsUser(Channel(), column, Text(column));
    }
    if (Changed(kColName)) table_.SetCellAsUser(Channel(), kColName, Text(kColName));
    return CheckFixedColumns();
}

// An empty RX frequency deletes the channel. The other cells may still say what the export
// wrote (a spreadsheet user empties the RX cell alone), but they may not give new values.
MaybeError RowImport::Delete() {
    const bool wasEmpty = table_.IsEmptyChannel(Channel());
    for (int column : kTypingOrder) {
        if (column == kColRxFreq || !Changed(column) || Text(column).isEmpty()) continue;
        return Error(column, wasEmpty ? QStringLiteral("channel %1 is empty: give its RX Freq. "
                                                       "first")
                                            .arg(Channel())
                                      : QStringLiteral("a channel without RX Freq. is empty and "
                                                       "takes no other value"));
    }
    if (!wasEmpty) table_.SetRxFrequency(Channel(), QString());
    return std::nullopt;
}

MaybeError RowImport::SetTone(int column) {
    if (table_.SetCellAsUser(Channel(), column, Text(column))) return std::nullopt;
    return Error(column, QStringLiteral("\"%1\" is not in the tone list (standard tones and the "
                                        "customized tones of this image)")
                             .arg(row_.SourceText(column)));
}

// TX Power and Bandwidth are shown, never edited: a file that names them must agree.
MaybeError RowImport::CheckFixedColumns() {
    for (int column : {kColPower, kColBandwidth}) {
        if (!Has(column) || Text(column).isEmpty()) continue;
        const QString current = table_.Cell(Channel(), column);
        if (Text(column) != current) {
            return Error(column, QStringLiteral("the channel editor cannot change this column "
                                                "(the channel has %1)")
                                     .arg(current));
        }
    }
    return std::nullopt;
}

}  // namespace

MaybeError ApplyChannelRow(ChannelTable& table, const ChannelRow& row,
                           const QStringList& exported) {
    return RowImport(table, row, exported).Apply();
}

}  // namespace qv::csv
