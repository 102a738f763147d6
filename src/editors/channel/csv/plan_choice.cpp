#include "editors/channel/csv/plan_choice.h"

#include <algorithm>

#include "codecs/frequency.h"
#include "editors/channel/channel_table.h"
#include "editors/channel/csv/common_csv.h"
#include "editors/channel/csv/csv_cells.h"
#include "editors/channel/csv/csv_text.h"
#include "editors/channel/csv/row_import.h"

namespace qv {

namespace {

constexpr int kFirstChannel = 1;
constexpr int kLastChannel = channel::kChannelRows;

// The table rows are judged through reads records only; its own texts never show.
const UiTexts kTableTexts;

// A frequency cell with five decimals where it names a frequency exactly, else as written.
QString FrequencyShown(const QString& cell) {
    const csv::CellRead read = csv::ReadCell(channel::kColRxFreq, cell.trimmed());
    if (read.ok() && read.value.exactUnits)
        return FrequencyText(*read.value.exactUnits, QLocale::c());
    return cell.trimmed();
}

// The channel a Location names, 0 when it names none.
int LocationChannel(const QString& location) {
    bool number = false;
    const int channel = location.toInt(&number);
    return number && channel >= kFirstChannel && channel <= kLastChannel ? channel : 0;
}

}  // namespace

PlanChoice::PlanChoice(const QByteArray& csv, const RadioData& data, const UiTexts& texts,
                       QObject* parent)
    : QAbstractTableModel(parent), texts_(texts) {
    QString readError;
    const std::vector<csv::Record> records = csv::ReadRecords(csv, readError, texts_);
    if (!readError.isEmpty() || records.empty() || !csv::IsCommonHeader(records.front().fields)) {
        error_ = readError.isEmpty()
                     ? texts_.UiText("ChannelCsv", "the file is no channel list of the common CSV")
                     : readError;
        return;
    }
    std::vector<csv::CommonRow> plan;
    if (csv::MaybeError bad = csv::ReadCommonRows(records, texts_, plan)) {
        error_ = bad->Text(texts_);
        return;
    }

    // Each row is tried on a copy, and the copy put back after it.
    RadioData scratch = data;
    ChannelTable table(scratch, kTableTexts);
    table.RefreshAll();
    const ChannelTableState untouched = table.State();
    QMap<int, bool> locationTaken;
    for (const csv::CommonRow& common : plan) {
        const csv::ChannelRow& cells = common.row;
        Row row;
        row.line = cells.line;
        row.location = common.location;
        row.nameAsWritten = cells.nameAsWritten.isEmpty() ? cells.cells.value(channel::kColName)
                                                          : cells.nameAsWritten;
        row.name = cells.cells.value(channel::kColName);
        row.frequency = FrequencyShown(cells.cells.value(channel::kColRxFreq));
        row.tx = cells.Has(channel::kColTxFreq)
                     ? FrequencyShown(cells.cells.value(channel::kColTxFreq))
                     : row.frequency;
        row.rxTone = cells.cells.value(channel::kColRxTone);
        row.txTone = cells.cells.value(channel::kColTxTone);

        csv::MaybeError problem = common.problem;
        if (!problem) {
            // On the channel its Location names, once; otherwise as a new channel.
            int channel = LocationChannel(common.location);
            if (channel != 0 && locationTaken.value(channel)) channel = 0;
            if (channel != 0) locationTaken.insert(channel, true);
            csv::ChannelRow tried = cells;
            tried.channel = channel != 0 ? channel : kFirstChannel;
            if (channel == 0) table.SetRxFrequencyUnits(tried.channel, std::nullopt);
            problem = csv::ApplyChannelRow(table, scratch, tried, texts_);
            table.RestoreState(untouched);
        }
        if (problem) {
            row.reason = problem->column.isEmpty()
                             ? problem->reason
                             : texts_.UiText("ChannelCsv", "column \"%1\": %2")
                                   .arg(problem->column, problem->reason);
        }
        rows_.push_back(row);
    }

    targets_.assign(rows_.size(), 0);
    int next = kFirstChannel;
    for (std::size_t i = 0; i < rows_.size() && next <= kLastChannel; ++i) {
        if (rows_[i].usable()) targets_[i] = next++;
    }
}

bool PlanChoice::NeedsChoice() const {
    if (rows_.size() > static_cast<std::size_t>(kMaxChecked)) return true;
    return std::any_of(rows_.begin(), rows_.end(), [](const Row& row) { return !row.usable(); });
}

int PlanChoice::CheckedCount() const {
    return static_cast<int>(
        std::count_if(targets_.begin(), targets_.end(), [](int target) { return target != 0; }));
}

bool PlanChoice::SetChecked(int i, bool checked) {
    if (i < 0 || i >= RowCount()) return false;
    int& target = targets_[static_cast<std::size_t>(i)];
    if (!checked) {
        if (target == 0) return true;
        target = 0;
        Changed();
        return true;
    }
    if (target != 0) return true;
    if (!RowAt(i).usable() || CheckedCount() >= kMaxChecked) return false;
    for (int channel = kFirstChannel; channel <= kLastChannel; ++channel) {
        if (std::find(targets_.begin(), targets_.end(), channel) != targets_.end()) continue;
        target = channel;
        Changed();
        return true;
    }
    return false;
}

bool PlanChoice::SetTarget(int i, int channel) {
    if (i < 0 || i >= RowCount() || !IsChecked(i)) return false;
    if (channel < kFirstChannel || channel > kLastChannel) return false;
    int& target = targets_[static_cast<std::size_t>(i)];
    const auto holder = std::find(targets_.begin(), targets_.end(), channel);
    if (holder != targets_.end()) *holder = target;  // the two rows swap their channels
    target = channel;
    Changed();
    return true;
}

QMap<int, int> PlanChoice::Choices() const {
    QMap<int, int> choices;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsChecked(i)) choices.insert(RowAt(i).line, Target(i));
    }
    return choices;
}

QString PlanChoice::Summary() const {
    const int unusable = static_cast<int>(
        std::count_if(rows_.begin(), rows_.end(), [](const Row& row) { return !row.usable(); }));
    return texts_
        .UiText("ChannelCsv",
                "%1 of %2 rows checked (at most 16, one per channel); %3 rows cannot be used")
        .arg(QString::number(CheckedCount()), QString::number(RowCount()),
             QString::number(unusable));
}

void PlanChoice::Changed() {
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(RowCount() - 1, kColumnCount - 1));
    emit choiceChanged();
}

// ---- Qt model ----

int PlanChoice::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int PlanChoice::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant PlanChoice::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int i = index.row();
    const Row& row = RowAt(i);
    if (role == Qt::CheckStateRole && index.column() == kColImport) {
        return IsChecked(i) ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::ToolTipRole) {
        if (!row.usable()) return row.reason;
        if (index.column() == kColName && row.name != row.nameAsWritten) {
            return texts_.UiText("ChannelCsv", "\"%1\" stored as \"%2\"")
                .arg(row.nameAsWritten, row.name);
        }
        return {};
    }
    if (role == Qt::EditRole && index.column() == kColChannel) return Target(i);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case kColChannel:
            return IsChecked(i) ? QString::number(Target(i)) : QString();
        case kColLocation:
            return row.location;
        case kColName:
            return row.name;
        case kColFrequency:
            return row.frequency;
        case kColTx:
            return row.tx;
        case kColRxTone:
            return row.rxTone;
        case kColTxTone:
            return row.txTone;
        case kColReason:
            return row.reason;
        default:
            return {};
    }
}

QVariant PlanChoice::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return QString::number(RowAt(section).line);
    switch (section) {
        case kColImport:
            return texts_.UiText("PlanChoice", "Import");
        case kColChannel:
            return texts_.UiText("PlanChoice", "Channel");
        case kColLocation:
            return texts_.UiText("PlanChoice", "Location");
        case kColName:
            return texts_.UiText("PlanChoice", "Name");
        case kColFrequency:
            return texts_.UiText("PlanChoice", "Frequency");
        case kColTx:
            return texts_.UiText("PlanChoice", "TX");
        case kColRxTone:
            return texts_.UiText("PlanChoice", "RX tone");
        case kColTxTone:
            return texts_.UiText("PlanChoice", "TX tone");
        case kColReason:
            return texts_.UiText("PlanChoice", "Why it cannot be used");
        default:
            return {};
    }
}

Qt::ItemFlags PlanChoice::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const int i = index.row();
    if (!RowAt(i).usable()) return Qt::ItemIsSelectable;  // greyed: the radio cannot hold it
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == kColImport) {
        flags |= Qt::ItemIsUserCheckable;
        if (!IsChecked(i) && CheckedCount() >= kMaxChecked) flags &= ~Qt::ItemIsEnabled;
    }
    if (index.column() == kColChannel && IsChecked(i)) flags |= Qt::ItemIsEditable;
    return flags;
}

bool PlanChoice::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid()) return false;
    if (index.column() == kColImport && role == Qt::CheckStateRole) {
        return SetChecked(index.row(), value.toInt() == Qt::Checked);
    }
    if (index.column() == kColChannel && role == Qt::EditRole) {
        bool number = false;
        const int channel = value.toInt(&number);
        return number && SetTarget(index.row(), channel);
    }
    return false;
}

}  // namespace qv
