// The set-up most channel table tests start from: a blank radio holding the records a test gives,
// and a channel table that has loaded it.
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>

#include "channel_test_support.h"
#include "editors/channel/channel_table.h"

namespace qv::test {

// Channel number and its 16 record bytes as hex pairs.
using ChannelRecords = std::initializer_list<std::pair<int, QString>>;

struct LoadedTable {
    // `prepare` changes the image further (names, scan bits, tone slots) before the table loads.
    explicit LoadedTable(const UiTexts& texts, ChannelRecords records = {},
                         const std::function<void(RadioData&)>& prepare = {})
        : data(RadioWith(records, prepare)), table(data, texts) {
        table.RefreshAll();
    }

    RadioData data;
    ChannelTable table;

private:
    static RadioData RadioWith(ChannelRecords records,
                               const std::function<void(RadioData&)>& prepare) {
        RadioData radio = BlankRadio();
        for (const auto& [channel, record] : records) PutRecord(radio.image, channel, record);
        if (prepare) prepare(radio);
        return radio;
    }
};

}  // namespace qv::test
