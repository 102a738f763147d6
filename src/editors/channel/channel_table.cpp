#include "editors/channel/channel_table.h"

#include "codecs/channel_name.h"
#include "codecs/frequency.h"
#include "codecs/number_text.h"
#include "codecs/tone.h"
#include "codecs/tone_table.h"

namespace qv {

using namespace channel;

namespace {

constexpr int kFirstChannel = 1;
constexpr int kLastChannel = 16;

// The record of channel n is row n of the image; its fields by column.
constexpr int kRxToneColumn = 8;
constexpr int kTxToneColumn = 10;
constexpr int kFlagColumn = 12;

// Bits of the flag byte.
constexpr std::uint8_t kBusyLockBits = 0x03;
constexpr std::uint8_t kWideBit = 0x04;
constexpr std::uint8_t kNoTalkAroundBit = 0x08;
constexpr std::uint8_t kHighPowerBit = 0x10;
constexpr std::uint8_t kReverseBurstBit = 0x20;
constexpr std::uint8_t kModeBits = 0xC0;
constexpr std::uint8_t kModeRepeater = 0x40;
constexpr std::uint8_t kModeRxOnly = 0x80;

// What a newly created channel gets in the image: bytes 12-14 of its record and a blank
// five-byte slot at 0x2000 + 5 x channel.
constexpr std::uint8_t kNewFlagByte = 0x34;
constexpr std::uint8_t kNewByte13 = 0x40;
constexpr std::uint8_t kNewByte14 = 0xFE;
constexpr int kChannelSlotAddress = 0x2000;
constexpr int kChannelSlotSize = 5;

bool IsChannelRow(int row) {
    return row >= kFirstChannel && row <= kLastChannel;
}
bool IsCell(int row, int column) {
    return row >= 0 && row < kTableRows && column >= 0 && column < kTableColumns;
}

std::uint8_t WithBits(std::uint8_t byte, std::uint8_t mask, std::uint8_t value) {
    return static_cast<std::uint8_t>((byte & ~mask) | (value & mask));
}

QString BusyLockText(std::uint8_t flags) {
    switch (flags & kBusyLockBits) {
        case 1:
            return LoadedCtcssDcsText();
        case 2:
            return CarrierText();
        default:
            return OffText();
    }
}

}  // namespace

ChannelTable::ChannelTable(RadioData& data, QObject* parent) : QObject(parent), data_(data) {
    for (int row = kFirstChannel; row <= kLastChannel; ++row) {
        cells_[row][kColNumber] = QString::number(row);
        cells_[row][kColMode] = SimplexText();
        for (int column : {kColMode, kColPower, kColBandwidth}) displayOnly_[row][column] = true;
    }
    for (int column = 0; column < kTableColumns; ++column) cells_[0][column] = HeaderText(column);
}

// ---- Loading and storing ----

void ChannelTable::RefreshAll() {
    Display();
    LoadData();
}

void ChannelTable::Display() {
    ++bulkDepth_;
    for (int column = 0; column < kTableColumns; ++column) cells_[0][column] = HeaderText(column);
    toneList_ = BuildToneList(data_.image);
    // A Mode cell keeps its text while its row is empty; it must follow the language too, or a
    // channel created there later would be stored with the wrong mode.
    for (int row = kFirstChannel; row <= kLastChannel; ++row) {
        const QString mode = ModeTextInCurrentLanguage(cells_[row][kColMode]);
        if (!mode.isEmpty()) cells_[row][kColMode] = mode;
    }
    --bulkDepth_;
    Changed(0, kLastChannel);
}

void ChannelTable::LoadData() {
    ++bulkDepth_;
    for (int row = kFirstChannel; row <= kLastChannel; ++row) LoadRow(row);
    --bulkDepth_;
    Changed(kFirstChannel, kLastChannel);
    emit currentCellRequested(1, 1);
}

void ChannelTable::LoadRow(int row) {
    const QString rx = DecodeFrequency(data_.image, FrequencyField::Rx, row);
    if (rx.isEmpty()) {
        SetRxFrequency(row, QString());
        return;
    }
    SetCell(row, kColRxFreq, rx);
    SetCell(row, kColRxTone, ToneListEntry(toneList_, data_.image, kRxToneColumn, row));

    const std::uint8_t flags = data_.image.at(row, kFlagColumn);
    SetCell(row, kColPower, flags & kHighPowerBit ? HighText() : LowText());
    SetCell(row, kColScan, GetScanFlag(data_.image, row) ? YesText() : NoText());
    SetCell(row, kColBandwidth, flags & kWideBit ? WideText() : NarrowText());
    SetCell(row, kColBusyLock, BusyLockText(flags));
    SetCell(row, kColReverseBurst, flags & kReverseBurstBit ? OnText() : OffText());
    SetCell(row, kColTalkAround, flags & kNoTalkAroundBit ? NoText() : YesText());

    SetCell(row, kColName, DecodeChannelName(data_.image, row));
    SetCell(row, kColTxFreq, DecodeFrequency(data_.image, FrequencyField::Tx, row));
    SetCell(row, kColTxTone, ToneListEntry(toneList_, data_.image, kTxToneColumn, row));
    DeriveMode(row);
}

void ChannelTable::SaveData() {
    for (int row = kFirstChannel; row <= kLastChannel; ++row) SaveRow(row);
}

void ChannelTable::SaveRow(int row) {
    RadioImage& image = data_.image;
    const auto& cells = cells_[row];
    if (cells[kColRxFreq].isEmpty()) {
        for (int column = 0; column < kRowSize; ++column) image.at(row, column) = 0xFF;
        SetScanFlag(image, row, 0);
        EncodeChannelName(image, row, QString());
        return;
    }
    EncodeFrequency(image, FrequencyField::Rx, row, cells[kColRxFreq]);
    EncodeFrequency(image, FrequencyField::Tx, row, cells[kColTxFreq]);
    EncodeTone(image, kRxToneColumn, row, cells[kColRxTone]);
    EncodeTone(image, kTxToneColumn, row, cells[kColTxTone]);

    std::uint8_t flags = image.at(row, kFlagColumn);
    flags = WithBits(flags, kHighPowerBit, cells[kColPower] == LowText() ? 0 : kHighPowerBit);
    SetScanFlag(image, row, cells[kColScan] == NoText() ? 0 : 1);
    flags = WithBits(flags, kWideBit, cells[kColBandwidth] == NarrowText() ? 0 : kWideBit);
    const QString& busyLock = cells[kColBusyLock];
    flags = WithBits(flags, kBusyLockBits,
                     busyLock == OffText()          ? 0
                     : IsCtcssDcsBusyLock(busyLock) ? 1
                                                    : 2);
    flags = WithBits(flags, kReverseBurstBit,
                     cells[kColReverseBurst] == OffText() ? 0 : kReverseBurstBit);
    flags = WithBits(flags, kNoTalkAroundBit,
                     cells[kColTalkAround] == YesText() ? 0 : kNoTalkAroundBit);
    const QString& mode = cells[kColMode];
    flags = WithBits(flags, kModeBits,
                     mode == SimplexText()    ? 0
                     : mode == RepeaterText() ? kModeRepeater
                                              : kModeRxOnly);
    image.at(row, kFlagColumn) = flags;

    EncodeChannelName(image, row, cells[kColName]);
}

// ---- Reading ----

QString ChannelTable::Cell(int row, int column) const {
    return IsCell(row, column) ? cells_[row][column] : QString();
}

QStringList ChannelTable::RowTexts(int row) const {
    QStringList texts;
    for (int column = 0; column < kTableColumns; ++column) texts << Cell(row, column);
    return texts;
}

bool ChannelTable::IsDisplayOnly(int row, int column) const {
    return IsCell(row, column) && displayOnly_[row][column];
}

QStringList ChannelTable::FrequencyChoices() {
    // The eight PMR446 channels, 12.5 kHz apart from 446.00625 MHz, in 10 Hz units.
    QStringList choices{QString()};
    for (int k = 0; k < 8; ++k) choices << FormatFixed((44600625 + k * 1250) / 100000.0, 5);
    return choices;
}

std::optional<QString> ChannelTable::AcceptedFrequencyText(const QString& text) {
    const QString separator = UiLocale().decimalPoint();
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

// ---- The rules of the table ----

void ChannelTable::SetRxFrequency(int row, const QString& text) {
    if (!IsChannelRow(row)) return;
    if (text.isEmpty()) {
        ClearRow(row);
        return;
    }
    const QString frequency = NormalizeFrequency(text, data_);
    SetCell(row, kColRxFreq, frequency);
    if (cells_[row][kColRxTone].isEmpty()) {
        MakeNewChannel(row, frequency);
    } else if (cells_[row][kColMode] == SimplexText()) {
        SetCell(row, kColTxFreq, frequency);
    }
}

void ChannelTable::ClearRow(int row) {
    SetDisplayOnly(row, kColTxFreq, false);
    SetDisplayOnly(row, kColTxTone, false);
    for (int column = kColName; column < kTableColumns; ++column) {
        if (column != kColMode) SetCell(row, column, QString());
    }
}

void ChannelTable::MakeNewChannel(int row, const QString& rxFrequency) {
    const QString none = NoneText();
    SetCell(row, kColTxFreq, rxFrequency);
    SetCell(row, kColTxTone, none);
    SetCell(row, kColRxTone, none);
    SetCell(row, kColPower, LowText());
    SetCell(row, kColScan, YesText());
    SetCell(row, kColBandwidth, NarrowText());
    SetCell(row, kColBusyLock, OffText());
    SetCell(row, kColName, QString());
    SetCell(row, kColReverseBurst, OnText());
    SetCell(row, kColTalkAround, NoText());

    RadioImage& image = data_.image;
    image.at(row, kFlagColumn) = kNewFlagByte;
    image.at(row, kFlagColumn + 1) = kNewByte13;
    image.at(row, kFlagColumn + 2) = kNewByte14;
    const int slot = kChannelSlotAddress + kChannelSlotSize * row;
    for (int i = 0; i < kChannelSlotSize; ++i) image[slot + i] = 0xFF;
}

void ChannelTable::SetTxFrequency(int row, const QString& text) {
    if (!IsChannelRow(row)) return;
    if (text.isEmpty()) {
        SetCell(row, kColTxFreq, QString());
        SetCell(row, kColTxTone, QString());
        return;
    }
    SetCell(row, kColTxFreq, NormalizeFrequency(text, data_));
    if (cells_[row][kColTxTone].isEmpty()) SetCell(row, kColTxTone, NoneText());
}

void ChannelTable::DeriveMode(int row) {
    if (!IsChannelRow(row)) return;
    const auto& cells = cells_[row];
    QString mode;
    if (cells[kColTxFreq].isEmpty()) {
        mode = RxOnlyText();
    } else if (cells[kColRxTone] == cells[kColTxTone] && cells[kColRxFreq] == cells[kColTxFreq]) {
        mode = SimplexText();
    } else {
        mode = RepeaterText();
    }
    SetCell(row, kColMode, mode);
    ApplyMode(mode, row, kColMode);
}

void ChannelTable::ApplyMode(const QString& mode, int row, int column) {
    if (!IsChannelRow(row)) return;
    if (mode == SimplexText()) {
        SetDisplayOnly(row, kColTxFreq, true);
        SetDisplayOnly(row, kColTxTone, true);
        SetCell(row, kColTxFreq, cells_[row][kColRxFreq]);
        SetCell(row, kColTxTone, cells_[row][kColRxTone]);
    } else if (mode == RxOnlyText()) {
        SetDisplayOnly(row, kColTxFreq, true);
        SetDisplayOnly(row, kColTxTone, true);
        SetCell(row, kColTxFreq, QString());
        SetCell(row, kColTxTone, QString());
    } else {
        SetDisplayOnly(row, kColTxFreq, false);
        SetDisplayOnly(row, kColTxTone, false);
    }
    if (bulkDepth_ == 0) emit currentCellRequested(row, column);
}

// ---- Editing ----

int ChannelTable::RedirectColumn(int row, int column) const {
    if (!IsChannelRow(row)) return column;
    if (cells_[row][kColRxFreq].isEmpty()) return kColRxFreq;
    if (cells_[row][kColTxFreq].isEmpty() && column == kColTxTone) return kColTxFreq;
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
        case kColTxTone:
            // A tone cell of a row without a channel has nothing to choose for.
            return cells_[row][column].isEmpty() ? CellEditor::None : CellEditor::Tone;
        default:
            return CellEditor::Option;
    }
}

void ChannelTable::CommitFrequency(int row, int column, const QString& text) {
    if (column == kColRxFreq) {
        SetRxFrequency(row, text);
    } else if (column == kColTxFreq) {
        SetTxFrequency(row, text);
        DeriveMode(row);
    }
}

void ChannelTable::CommitName(int row, const QString& text) {
    if (IsChannelRow(row)) SetCell(row, kColName, text);
}

void ChannelTable::CommitChoice(int row, int column, const QString& text,
                                const QString& savedText) {
    if (!IsChannelRow(row) || text.isEmpty() || text == savedText) return;
    SetCell(row, column, text);
    if (column == kColRxTone && cells_[row][kColMode] == SimplexText()) {
        SetCell(row, kColTxTone, text);
    }
}

int ChannelTable::NextColumnAfterChoice(int row, int column,
                                        const std::function<bool(int)>& hidden) const {
    int next = column;
    for (int step = 0; step < kTableColumns; ++step) {
        if (next == kColTalkAround) {
            next = kColName;
        } else if (next == kColRxTone) {
            next = Cell(row, kColTxFreq).isEmpty() ? kColPower : kColTxFreq;
        } else {
            ++next;
        }
        if (!(hidden && hidden(next)) && !IsDisplayOnly(row, next)) return next;
    }
    return column;
}

QString ChannelTable::FindToneEntry(const QString& text) const {
    if (toneList_.isEmpty()) return QString();
    if (text.isEmpty() || text == toneList_.first() || text == NoneText()) {
        return toneList_.first();
    }
    if (toneList_.contains(text)) return text;
    const QString separator = QStringLiteral(" - ");
    for (const QString& entry : toneList_) {
        const qsizetype at = entry.indexOf(separator);
        if (at < 0) continue;
        const QString tone = entry.mid(at + separator.size());
        if (tone == text || tone == text + QStringLiteral("Hz")) return entry;
    }
    return QString();
}

bool ChannelTable::SetCellAsUser(int row, int column, const QString& text) {
    if (!IsChannelRow(row) || RedirectColumn(row, column) != column) return false;
    switch (EditorFor(row, column)) {
        case CellEditor::None:
            return false;
        case CellEditor::Frequency:
            CommitFrequency(row, column, text);
            return true;
        case CellEditor::Name: {
            QString name;
            for (QChar c : text) {
                if (IsNameCharacter(c) && name.size() < kNameMaxLength) name.append(c);
            }
            CommitName(row, name);
            return true;
        }
        case CellEditor::Tone: {
            const QString entry = FindToneEntry(text);
            if (entry.isEmpty()) return false;
            CommitChoice(row, column, entry, cells_[row][column]);
            return true;
        }
        case CellEditor::Option: {
            QStringList accepted = OptionList(column);
            if (column == kColBusyLock) accepted << CarrierText() << LoadedCtcssDcsText();
            if (!accepted.contains(text)) return false;
            CommitChoice(row, column, text, cells_[row][column]);
            return true;
        }
    }
    return false;
}

// ---- Cells ----

void ChannelTable::SetCell(int row, int column, const QString& text) {
    if (cells_[row][column] == text) return;
    cells_[row][column] = text;
    Changed(row, row);
}

void ChannelTable::SetDisplayOnly(int row, int column, bool displayOnly) {
    if (displayOnly_[row][column] == displayOnly) return;
    displayOnly_[row][column] = displayOnly;
    Changed(row, row);
}

void ChannelTable::Changed(int firstRow, int lastRow) {
    if (bulkDepth_ == 0) emit cellsChanged(firstRow, lastRow);
}

}  // namespace qv
