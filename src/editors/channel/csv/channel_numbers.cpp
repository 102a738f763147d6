#include "editors/channel/csv/channel_numbers.h"

namespace qv::csv {

namespace {
constexpr int kFirstChannel = 1;
constexpr int kLastChannel = 16;
}  // namespace

MaybeError ChannelNumbers::Take(const QString& text, int line, const QString& column,
                                int& channel) {
    bool isNumber = false;
    channel = text.trimmed().toInt(&isNumber);
    if (!isNumber || channel < kFirstChannel || channel > kLastChannel) {
        return CsvError{
            line, column,
            texts_.UiText("ChannelCsv", "\"%1\" is not a channel number from 1 to 16").arg(text)};
    }
    if (lineOf_.contains(channel)) {
        return CsvError{
            line, column,
            texts_.UiText("ChannelCsv", "channel %1 is already on line %2")
                .arg(QString::number(channel), QString::number(lineOf_.value(channel)))};
    }
    lineOf_.insert(channel, line);
    return std::nullopt;
}

MaybeError ChannelNumbers::Next(int line, const QString& column, int& channel) {
    for (channel = kFirstChannel; channel <= kLastChannel; ++channel) {
        if (lineOf_.contains(channel)) continue;
        lineOf_.insert(channel, line);
        return std::nullopt;
    }
    return CsvError{
        line, column,
        texts_.UiText("ChannelCsv", "the radio has 16 channels and the rows before took them all")};
}

}  // namespace qv::csv
