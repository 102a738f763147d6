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
                        QStringLiteral("\"%1\" is not a channel number from 1 to 16").arg(text)};
    }
    if (lineOf_.contains(channel)) {
        return CsvError{line, column,
                        QStringLiteral("channel %1 is already on line %2")
                            .arg(channel)
                            .arg(lineOf_.value(channel))};
    }
    lineOf_.insert(channel, line);
    return std::nullopt;
}

MaybeError ChannelNumbers::Next(int line, const QString& column, int& channel) {
    if (next_ > kLastChannel) {
        return CsvError{line, column,
                        QStringLiteral("the radio has 16 channels and this is the 17th")};
    }
    channel = next_++;
    lineOf_.insert(channel, line);
    return std::nullopt;
}

}  // namespace qv::csv
