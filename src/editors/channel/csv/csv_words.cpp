#include "editors/channel/csv/csv_words.h"

#include <array>
#include <vector>

#include "editors/channel/channel_texts.h"

namespace qv::csv {

using namespace channel;

namespace {

constexpr std::array<const char*, kTableColumns> kColumnNames = {
    "No.",      "CH Name",   "Mode", "RX Freq.",  "RX CTCSS/DCS",  "TX Freq.",   "TX CTCSS/DCS",
    "TX Power", "Bandwidth", "Scan", "Busy Lock", "Reverse Burst", "Talk Around"};

struct OptionEntry {
    const char* word;
    int value;
};

// Each option column's words in the channel editor's list order; Busy Lock's "Carrier" (what the
// export writes) comes after the list.
std::vector<OptionEntry> Entries(int column) {
    switch (column) {
        case kColPower:
            return {{"Low", 0}, {"High", 1}};
        case kColBandwidth:
            return {{"Narrow", 0}, {"Wide", 1}};
        case kColScan:
            return {{"No", 0}, {"Yes", 1}};
        case kColBusyLock:
            return {{"Off", 0}, {"Carrier Squelch", 2}, {"CTCSS/DCS", 1}, {"Carrier", 2}};
        case kColReverseBurst:
            return {{"Off", 0}, {"On", 1}};
        case kColTalkAround:
            return {{"Yes", 1}, {"No", 0}};
        default:
            return {};
    }
}

}  // namespace

QString ColumnName(int column) {
    if (column < 0 || column >= kTableColumns) return QString();
    return QString::fromLatin1(kColumnNames[static_cast<std::size_t>(column)]);
}

int ColumnOfName(const QString& name) {
    const QString trimmed = name.trimmed();
    for (int column = 0; column < kTableColumns; ++column) {
        if (trimmed.compare(ColumnName(column), Qt::CaseInsensitive) == 0) return column;
    }
    return -1;
}

QString ModeWord(ChannelMode mode) {
    switch (mode) {
        case ChannelMode::Repeater:
            return QStringLiteral("Repeater");
        case ChannelMode::RxOnly:
            return QStringLiteral("RX only");
        case ChannelMode::Simplex:
            break;
    }
    return QStringLiteral("Simplex");
}

int OptionValue(const ChannelRecord& record, int column) {
    switch (column) {
        case kColPower:
            return record.highPower ? 1 : 0;
        case kColBandwidth:
            return record.wide ? 1 : 0;
        case kColScan:
            return record.scan ? 1 : 0;
        case kColBusyLock:
            return static_cast<int>(record.busyLock);
        case kColReverseBurst:
            return record.reverseBurst ? 1 : 0;
        case kColTalkAround:
            return record.talkAround ? 1 : 0;
        default:
            return 0;
    }
}

QString OptionWord(int column, int value) {
    if (column == kColBusyLock && value == 2) return QStringLiteral("Carrier");
    for (const OptionEntry& entry : Entries(column)) {
        if (entry.value == value) return QString::fromLatin1(entry.word);
    }
    return QString();
}

std::optional<int> OptionOfWord(int column, const QString& word) {
    for (const OptionEntry& entry : Entries(column)) {
        if (word.compare(QLatin1String(entry.word), Qt::CaseInsensitive) == 0) return entry.value;
    }
    return std::nullopt;
}

QStringList OfferedWords(int column) {
    std::vector<OptionEntry> entries = Entries(column);
    if (column == kColBusyLock) entries.pop_back();  // "Carrier" is read, never offered
    QStringList words;
    for (const OptionEntry& entry : entries) words << QString::fromLatin1(entry.word);
    return words;
}

}  // namespace qv::csv
