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
        return CsvError{line, column,
                        CsvMessage(QT_TRANSLATE_NOOP("ChannelCsv",
                                                     "\"%1\" is not a channel number from 1 to 16"))
                            .Arg(text)};
    }
    if (lineOf_.contains(channel)) {
        return CsvError{
            line, column,
            CsvMessage(QT_TRANSLATE_NOOP("ChannelCsv", "channel %1 is already on line %2"))
                .Arg(channel)
                .Arg(lineOf_.value(channel))};
    }
    lineOf_.insert(channel, line);
    return std::nullopt;
}

MaybeError ChannelNumbers::Next(int line, const QString& column, int& channel) {
    if (next_ > kLastChannel) {
        return CsvError{line, column,
                        CsvMessage(QT_TRANSLATE_NOOP(
                            "ChannelCsv", "the radio has 16 channels and this is the 17th"))};
    }
    channel = next_++;
    lineOf_.insert(channel, line);
    return std::nullopt;
}

}  // namespace qv::csv
