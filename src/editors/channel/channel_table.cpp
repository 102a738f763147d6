#include "editors/channel/channel_table.h"

#include <iterator>

#include "codecs/channel_layout.h"
#include "codecs/frequency.h"
#include "codecs/number_text.h"
#include "codecs/tone.h"
#include "codecs/tone_table.h"
#include "editors/channel/band_texts.h"

namespace qv {

using namespace channel;

namespace {

constexpr int kFirstChannel = 1;
constexpr int kLastChannel = kChannelRows;

bool IsCell(int row, int column) {
    return row >= 0 && row < kTableRows && column >= 0 && column < kTableColumns;
}

// The image bytes creating any channel writes, channel by channel (the channel layout has them).
template <typename Visit>
void ForEachCreationByte(Visit visit) {
    for (int channel = kFirstChannel; channel <= kLastChannel; ++channel) {
        channel_layout::ForEachCreationAddress(channel, visit);
    }
}

QString ModeText(ChannelMode mode, const UiTexts& texts) {
    switch (mode) {
        case ChannelMode::Repeater:
            return RepeaterText(texts);
        case ChannelMode::RxOnly:
            return RxOnlyText(texts);
        case ChannelMode::Simplex:
            break;
    }
    return SimplexText(texts);
}

// The Busy Lock choices in list order and the value each stores.
constexpr BusyLock kBusyLockChoices[] = {BusyLock::Off, BusyLock::Carrier, BusyLock::CtcssDcs};

}  // namespace

// Gathers everything one user action changes into one edited() notice.
class ChannelTable::EditScope {
public:
    EditScope(ChannelTable& table, ChannelEdit what) : table_(table), what_(what) {
        table_.BeginEdit();
    }
    ~EditScope() { table_.EndEdit(what_); }
    EditScope(const EditScope&) = delete;
    EditScope& operator=(const EditScope&) = delete;

private:
    ChannelTable& table_;
    ChannelEdit what_;
};

namespace {

ChannelEdit CellEdit(int row, int column) {
    return {ChannelEdit::Kind::Cell, row, column};
}

}  // namespace

ChannelTable::ChannelTable(RadioData& data, const UiTexts& texts, QObject* parent)
    : QAbstractTableModel(parent), data_(data), texts_(texts) {
    for (ChannelRow& row : rows_) row.txEditable = true;
}

// ---- Loading and storing ----

void ChannelTable::RefreshAll() {
    Display();
    LoadData();
}

void ChannelTable::Display() {
    // The choices come typed; their texts are only what the list shows.
    toneList_.clear();
    toneChoices_.clear();
    for (const NumberedTone& choice : BuildToneChoices(data_.image)) {
        toneList_ << ToneChoiceText(choice, texts_);
        toneChoices_.push_back(choice.tone);
    }
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit dataChanged(IndexOf(kFirstChannel, 1), IndexOf(kLastChannel, kTableColumns - 1));
}

void ChannelTable::LoadData() {
    beginResetModel();
    ++bulkDepth_;
    for (int row = kFirstChannel; row <= kLastChannel; ++row) LoadRow(row, data_.image);
    --bulkDepth_;
    endResetModel();
    emit currentCellRequested(1, 1);
}

void ChannelTable::LoadRow(int row, const RadioImage& image) {
    ChannelRow& target = RowOf(row);
    ChannelRecord record = DecodeChannelRecord(image, row);
    if (record.IsEmpty()) {
        ClearRow(row);
        return;
    }
    // A tone in neither the standard table nor the customized slots shows, and stores, as None.
    record.rxTone = toneChoices_.empty() ? Tone{} : toneChoices_[ToneChoice(record.rxTone)];
    if (record.tx)
        record.txTone = toneChoices_.empty() ? Tone{} : toneChoices_[ToneChoice(record.txTone)];
    target.record = record;
    DeriveMode(row);
}

void ChannelTable::SaveData() {
    SaveInto(data_.image);
}

void ChannelTable::SaveInto(RadioImage& image) const {
    for (int row = kFirstChannel; row <= kLastChannel; ++row) {
        EncodeChannelRecord(image, row, Record(row));
    }
}

// ---- Reading ----

QString ChannelTable::Cell(int row, int column) const {
    if (!IsCell(row, column)) return QString();
    if (row == 0) return HeaderText(column, texts_);
    if (column == kColNumber) return QString::number(row);
    const ChannelRecord& record = Record(row);
    if (column == kColMode) return ModeText(record.mode, texts_);
    if (record.IsEmpty()) return QString();
    switch (column) {
        case kColName:
            return NameText(record.name);
        case kColRxFreq:
            return FrequencyText(*record.rx, texts_.locale());
        case kColRxTone:
            return ToneEntry(record.rxTone);
        case kColTxFreq:
            return record.tx ? FrequencyText(*record.tx, texts_.locale()) : QString();
        case kColTxTone:
            return record.tx ? ToneEntry(record.txTone) : QString();
        case kColPower:
            return record.highPower ? HighText(texts_) : LowText(texts_);
        case kColBandwidth:
            return record.wide ? WideText(texts_) : NarrowText(texts_);
        case kColScan:
            return record.scan ? YesText(texts_) : NoText(texts_);
        case kColBusyLock:
            // One name per value, the option list's, however the value got there: the list
            // then opens on it.
            for (int i = 0; i < int(std::size(kBusyLockChoices)); ++i) {
                if (kBusyLockChoices[i] == record.busyLock) return OptionList(column).value(i);
            }
            return texts_.Off();
        case kColReverseBurst:
            return record.reverseBurst ? texts_.On() : texts_.Off();
        case kColTalkAround:
            return record.talkAround ? YesText(texts_) : NoText(texts_);
        default:
            return QString();
    }
}

QStringList ChannelTable::RowTexts(int row) const {
    QStringList texts;
    for (int column = 0; column < kTableColumns; ++column) texts << Cell(row, column);
    return texts;
}

bool ChannelTable::IsDisplayOnly(int row, int column) const {
    if (!IsChannelRow(row) || !IsCell(row, column)) return false;
    if (column == kColMode || column == kColPower || column == kColBandwidth) return true;
    if (column == kColTxFreq || column == kColTxTone) return !RowOf(row).txEditable;
    return false;
}

QStringList ChannelTable::FrequencyChoices() const {
    // The eight PMR446 channels, 12.5 kHz apart from 446.00625 MHz, in 10 Hz units.
    QStringList choices{QString()};
    for (int k = 0; k < 8; ++k) choices << FrequencyText(44600625 + k * 1250, texts_.locale());
    return choices;
}

std::optional<QString> ChannelTable::AcceptedFrequencyText(const QString& text) const {
    const QString separator = texts_.locale().decimalPoint();
    QString accepted;
    bool separatorSeen = false;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            accepted.append(c);
        } else if ((c == u'.' || separator == c) && !separatorSeen) {
            // A keyboard's "." is the decimal separator whatever the user's locale writes.
            accepted.append(separator);
            separatorSeen = true;
        } else {
            return std::nullopt;
        }
    }
    return accepted;
}

int ChannelTable::ToneEntryTyped(const QString& typed) const {
    QString wanted = typed.trimmed();
    const QString separator = texts_.locale().decimalPoint();
    wanted.replace(u'.', separator);
    wanted.replace(u',', separator);
    if (wanted.isEmpty()) return -1;
    for (qsizetype i = 0; i < toneList_.size(); ++i) {
        QStringView tone(toneList_[i]);
        const qsizetype label = tone.indexOf(u" - ");
        if (label >= 0) tone = tone.mid(label + 3);
        if (tone.startsWith(wanted, Qt::CaseInsensitive)) return static_cast<int>(i);
    }
    return -1;
}

int ChannelTable::ToneChoice(const Tone& tone) const {
    for (std::size_t i = 1; i < toneChoices_.size(); ++i) {
        if (toneChoices_[i] == tone) return static_cast<int>(i);
    }
    return 0;
}

QString ChannelTable::ToneEntry(const Tone& tone) const {
    if (toneList_.isEmpty()) return ToneText(Tone{}, texts_);
    return toneList_.value(ToneChoice(tone));
}

// ---- The rules of the table ----

double ChannelTable::TypedMegahertz(const QString& text) const {
    return ReadNumber(text, texts_.locale());
}

bool ChannelTable::InBand(double megahertz) const {
    return FrequencyInBand(megahertz, data_);
}

QString ChannelTable::FrequencyRefusal(const QString& text) const {
    if (text.isEmpty() || InBand(TypedMegahertz(text))) return QString();
    return TypedOutOfBandText(text, data_, texts_);
}

bool ChannelTable::SetRxFrequency(int row, const QString& text) {
    if (text.isEmpty()) return SetRxFrequencyUnits(row, std::nullopt);
    const double megahertz = TypedMegahertz(text);
    if (!InBand(megahertz)) return false;
    return SetRxFrequencyUnits(row, NormalizeFrequencyUnits(megahertz, data_));
}

bool ChannelTable::SetRxFrequencyUnits(int row, std::optional<int> units) {
    if (!IsChannelRow(row)) return false;
    if (units && !InBand(static_cast<double>(*units) / kUnitsPerMHz)) return false;
    EditScope edit(*this, CellEdit(row, kColRxFreq));
    if (!units) {
        ClearRow(row);
        return true;
    }
    const int rx = NormalizeFrequencyUnits(static_cast<double>(*units) / kUnitsPerMHz, data_);
    ChannelRecord& record = RowOf(row).record;
    if (record.IsEmpty()) {
        MakeNewChannel(row, rx);
    } else {
        record.rx = rx;
        if (record.mode == ChannelMode::Simplex) record.tx = rx;
    }
    RowChanged(row);
    return true;
}

void ChannelTable::ClearRow(int row) {
    // An empty row shows what it shows in a freshly opened editor, whatever channel it held:
    // a Mode left over from a deleted repeater would tell of a channel that is not there.
    ChannelRow& target = RowOf(row);
    target = ChannelRow{};
    target.txEditable = true;
    RowChanged(row);
}

void ChannelTable::MakeNewChannel(int row, int rxUnits) {
    ChannelRecord& record = RowOf(row).record;
    const ChannelMode mode = record.mode;
    record = ChannelRecord{};
    record.rx = rxUnits;
    record.tx = rxUnits;
    record.highPower = false;
    record.scan = true;
    record.wide = false;
    record.busyLock = BusyLock::Off;
    record.reverseBurst = true;
    record.talkAround = false;
    record.mode = mode;
    WriteNewChannelBytes(data_.image, row);
}

bool ChannelTable::SetTxFrequency(int row, const QString& text) {
    if (text.isEmpty()) return SetTxFrequencyUnits(row, std::nullopt);
    const double megahertz = TypedMegahertz(text);
    if (!InBand(megahertz)) return false;
    return SetTxFrequencyUnits(row, NormalizeFrequencyUnits(megahertz, data_));
}

bool ChannelTable::SetTxFrequencyUnits(int row, std::optional<int> units) {
    if (!IsChannelRow(row)) return false;
    if (units && !InBand(static_cast<double>(*units) / kUnitsPerMHz)) return false;
    EditScope edit(*this, CellEdit(row, kColTxFreq));
    ChannelRecord& record = RowOf(row).record;
    if (!units) {
        record.tx.reset();
        record.txTone = Tone{};
    } else {
        // Without a TX frequency the TX tone was empty; it becomes None.
        record.tx = NormalizeFrequencyUnits(static_cast<double>(*units) / kUnitsPerMHz, data_);
    }
    RowChanged(row);
    return true;
}

void ChannelTable::DeriveMode(int row) {
    if (!IsChannelRow(row)) return;
    EditScope edit(*this, CellEdit(row, kColMode));
    ChannelRecord& record = RowOf(row).record;
    record.mode = DeriveChannelMode(record);
    ApplyMode(record.mode, row, kColMode);
}

void ChannelTable::ApplyMode(ChannelMode mode, int row, int column) {
    if (!IsChannelRow(row)) return;
    EditScope edit(*this, CellEdit(row, kColMode));
    ChannelRow& target = RowOf(row);
    switch (mode) {
        case ChannelMode::Simplex:
            target.txEditable = false;
            target.record.tx = target.record.rx;
            target.record.txTone = target.record.rxTone;
            break;
        case ChannelMode::RxOnly:
            target.txEditable = false;
            target.record.tx.reset();
            target.record.txTone = Tone{};
            break;
        case ChannelMode::Repeater:
            target.txEditable = true;
            break;
    }
    RowChanged(row);
    if (bulkDepth_ == 0) emit currentCellRequested(row, column);
}

// ---- Editing ----

int ChannelTable::RedirectColumn(int row, int column) const {
    if (!IsChannelRow(row)) return column;
    const ChannelRecord& record = Record(row);
    if (record.IsEmpty()) return kColRxFreq;
    if (!record.tx && column == kColTxTone) return kColTxFreq;
    return column;
}

CellEditor ChannelTable::EditorFor(int row, int column) const {
    if (!IsChannelRow(row) || column < 1 || column >= kTableColumns) return CellEditor::None;
    if (IsDisplayOnly(row, column)) return CellEditor::None;
    switch (column) {
        case kColRxFreq:
        case kColTxFreq:
            return CellEditor::Frequency;
        case kColName:
            return CellEditor::Name;
        case kColRxTone:
        case kColTxTone: {
            // A tone cell of a row without a channel (or without TX) has nothing to choose for.
            const ChannelRecord& record = Record(row);
            const bool blank = record.IsEmpty() || (column == kColTxTone && !record.tx);
            return blank ? CellEditor::None : CellEditor::Tone;
        }
        default:
            return CellEditor::Option;
    }
}

bool ChannelTable::CommitFrequency(int row, int column, const QString& text) {
    if (column == kColRxFreq) return SetRxFrequency(row, text);
    if (column != kColTxFreq) return false;
    EditScope edit(*this, CellEdit(row, kColTxFreq));
    if (!SetTxFrequency(row, text)) return false;
    DeriveMode(row);
    return true;
}

void ChannelTable::CommitName(int row, const QString& text) {
    SetName(row, NameBytes(text.left(kNameMaxLength)));
}

void ChannelTable::CommitChoice(int row, int column, const QString& text,
                                const QString& savedText) {
    if (!IsChannelRow(row) || text.isEmpty() || text == savedText) return;
    if (column == kColRxTone || column == kColTxTone) {
        const int choice = FindToneEntry(text);
        if (choice < 0) return;
        EditScope edit(*this, CellEdit(row, column));
        SetChoice(row, column, choice);
        // The TX side was typed into, as with a TX frequency: the Mode says what the row now is.
        if (column == kColTxTone) DeriveMode(row);
        return;
    }
    const QStringList listed = OptionList(column);
    int choice = static_cast<int>(listed.indexOf(text));
    if (choice < 0 && column == kColBusyLock) {
        if (text == CarrierText(texts_)) choice = 1;
        if (IsCtcssDcsBusyLock(text)) choice = 2;
    }
    if (choice < 0) return;
    SetChoice(row, column, choice);
}

void ChannelTable::SetChoice(int row, int column, int choice) {
    switch (column) {
        case kColRxTone:
        case kColTxTone: {
            const Tone tone = toneChoices_[static_cast<std::size_t>(choice)];
            ChangeChannel(row, column, [&](ChannelRecord& record) {
                if (column == kColTxTone) {
                    record.txTone = tone;
                    return;
                }
                record.rxTone = tone;
                // On a Simplex row the TX tone follows the RX tone.
                if (record.mode == ChannelMode::Simplex) record.txTone = tone;
            });
            break;
        }
        case kColScan:
            SetScan(row, choice == 1);
            break;
        case kColBusyLock:
            SetBusyLock(row, kBusyLockChoices[choice]);
            break;
        case kColReverseBurst:
            SetReverseBurst(row, choice == 1);
            break;
        case kColTalkAround:
            SetTalkAround(row, choice == 0);
            break;
        default:
            break;
    }
}

template <typename Change>
bool ChannelTable::ChangeChannel(int row, int column, Change change) {
    if (!IsChannelRow(row) || Record(row).IsEmpty()) return false;
    EditScope edit(*this, CellEdit(row, column));
    change(RowOf(row).record);
    RowChanged(row);
    return true;
}

bool ChannelTable::HasToneChoice(const Tone& tone) const {
    return tone.IsNone() || ToneChoice(tone) > 0;
}

bool ChannelTable::SetTone(int row, int column, const Tone& tone) {
    if (!IsChannelRow(row) || (column != kColRxTone && column != kColTxTone)) return false;
    if (EditorFor(row, column) != CellEditor::Tone || RedirectColumn(row, column) != column) {
        return false;
    }
    if (toneChoices_.empty() || !HasToneChoice(tone)) return false;
    const int choice = ToneChoice(tone);
    const ChannelRecord& record = Record(row);
    const Tone& current = column == kColRxTone ? record.rxTone : record.txTone;
    if (ToneChoice(current) != choice) SetChoice(row, column, choice);  // a changed choice only
    return true;
}

bool ChannelTable::SetScan(int row, bool scan) {
    return ChangeChannel(row, kColScan, [&](ChannelRecord& record) { record.scan = scan; });
}

bool ChannelTable::SetBusyLock(int row, BusyLock busyLock) {
    return ChangeChannel(row, kColBusyLock,
                         [&](ChannelRecord& record) { record.busyLock = busyLock; });
}

bool ChannelTable::SetReverseBurst(int row, bool on) {
    return ChangeChannel(row, kColReverseBurst,
                         [&](ChannelRecord& record) { record.reverseBurst = on; });
}

bool ChannelTable::SetTalkAround(int row, bool on) {
    return ChangeChannel(row, kColTalkAround,
                         [&](ChannelRecord& record) { record.talkAround = on; });
}

bool ChannelTable::SetName(int row, const QByteArray& name) {
    return ChangeChannel(row, kColName,
                         [&](ChannelRecord& record) { record.name = name.left(kNameMaxLength); });
}

int ChannelTable::NextColumnAfterChoice(int row, int column,
                                        const std::function<bool(int)>& hidden) const {
    int next = column;
    for (int step = 0; step < kTableColumns; ++step) {
        if (next == kColTalkAround) {
            next = kColName;
        } else if (next == kColRxTone) {
            next = Record(row).tx ? kColTxFreq : kColPower;
        } else {
            ++next;
        }
        if (!(hidden && hidden(next)) && !IsDisplayOnly(row, next)) return next;
    }
    return column;
}

int ChannelTable::FindToneEntry(const QString& text) const {
    if (toneList_.isEmpty()) return -1;
    const qsizetype listed = toneList_.indexOf(text);
    if (listed >= 0) return static_cast<int>(listed);
    const std::optional<Tone> tone = ParseTone(text, texts_.locale());
    if (!tone) return -1;
    if (tone->IsNone()) return 0;
    const int choice = ToneChoice(*tone);
    return choice > 0 ? choice : -1;
}

bool ChannelTable::SetCellAsUser(int row, int column, const QString& text) {
    if (!IsChannelRow(row) || RedirectColumn(row, column) != column) return false;
    switch (EditorFor(row, column)) {
        case CellEditor::None:
            return false;
        case CellEditor::Frequency:
            return CommitFrequency(row, column, text);
        case CellEditor::Name: {
            QString name;
            for (QChar c : text) {
                if (IsNameCharacter(c) && name.size() < kNameMaxLength) name.append(c);
            }
            CommitName(row, name);
            return true;
        }
        case CellEditor::Tone: {
            const int choice = FindToneEntry(text);
            if (choice < 0) return false;
            CommitChoice(row, column, toneList_.at(choice), Cell(row, column));
            return true;
        }
        case CellEditor::Option: {
            QStringList accepted = OptionList(column);
            if (column == kColBusyLock) accepted << CarrierText(texts_) << LoadedCtcssDcsText();
            if (!accepted.contains(text)) return false;
            CommitChoice(row, column, text, Cell(row, column));
            return true;
        }
    }
    return false;
}

void ChannelTable::DeleteChannels(const QList<int>& rows) {
    EditScope edit(*this, {ChannelEdit::Kind::Delete, 0, 0});
    for (int row : rows) {
        if (IsChannelRow(row) && !Record(row).IsEmpty()) ClearRow(row);
    }
}

void ChannelTable::TakeChannels(const RadioImage& from, const QList<int>& rows) {
    EditScope edit(*this, {ChannelEdit::Kind::Paste, 0, 0});
    for (int row : rows) {
        if (!IsChannelRow(row)) continue;
        channel_layout::ForEachCreationAddress(
            row, [&](int address) { data_.image[address] = from[address]; });
        LoadRow(row, from);
    }
}

// ---- Edits ----

ChannelTableState ChannelTable::State() const {
    ChannelTableState state;
    state.rows = rows_;
    ForEachCreationByte(
        [&](int address) { state.creationBytes.append(char(data_.image[address])); });
    return state;
}

void ChannelTable::RestoreState(const ChannelTableState& state) {
    rows_ = state.rows;
    int i = 0;
    ForEachCreationByte([&](int address) {
        if (i < state.creationBytes.size()) {
            data_.image[address] = static_cast<std::uint8_t>(state.creationBytes[i]);
        }
        ++i;
    });
    emit dataChanged(IndexOf(kFirstChannel, 1), IndexOf(kLastChannel, kTableColumns - 1));
}

void ChannelTable::BeginEdit() {
    if (editDepth_++ == 0 && bulkDepth_ == 0) editBefore_ = State();
}

void ChannelTable::EndEdit(const ChannelEdit& what) {
    if (--editDepth_ != 0 || bulkDepth_ != 0) return;
    if (!(editBefore_ == State())) emit edited(editBefore_, what);
}

// ---- Qt model ----

int ChannelTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelRows;
}

int ChannelTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTableColumns - 1;
}

QVariant ChannelTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = TableRow(index);
    const int column = TableColumn(index);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return Cell(row, column);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        case kDisplayOnlyRole:
            return IsDisplayOnly(row, column);
        default:
            return {};
    }
}

QVariant ChannelTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return HeaderText(section + 1, texts_);
    return QString::number(section + 1);
}

Qt::ItemFlags ChannelTable::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // A cell that sends its keys and clicks elsewhere (the RX frequency of an empty row) is
    // never edited itself.
    const int row = TableRow(index);
    const int column = TableColumn(index);
    if (EditorFor(row, column) != CellEditor::None && RedirectColumn(row, column) == column) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool ChannelTable::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const int row = TableRow(index);
    const int column = TableColumn(index);
    const QString text = value.toString();
    const ChannelTableState before = State();
    switch (EditorFor(row, column)) {
        case CellEditor::None:
            return false;
        case CellEditor::Frequency:
            CommitFrequency(row, column, text);
            break;
        case CellEditor::Name:
            CommitName(row, text);
            break;
        case CellEditor::Tone:
        case CellEditor::Option:
            CommitChoice(row, column, text, Cell(row, column));
            break;
    }
    return !(before == State());
}

void ChannelTable::RowChanged(int row) {
    if (bulkDepth_ == 0) emit dataChanged(IndexOf(row, 1), IndexOf(row, kTableColumns - 1));
}

}  // namespace qv
