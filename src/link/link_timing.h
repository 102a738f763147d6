// The clone dialog's receive timing: how often the port is polled for a reply and how many polls
// a reply may take, and the pause between two sessions in a row. Radio.INI sets it; these are
// the values when it does not.
#pragma once

#include <cstdint>

namespace qv {

constexpr std::int16_t kDefaultRecvInterval = 50;  // ms between two receive polls
constexpr std::int16_t kDefaultRecvLimit = 40;     // polls allowed for one reply
// Between two sessions in a row (the backup read, the write, the read-back) the radio needs a
// moment to leave its clone mode after the End frame.
constexpr int kDefaultSessionGapMs = 500;

struct LinkTiming {
    std::int16_t RecvInterval = kDefaultRecvInterval;
    std::int16_t RecvLimit = kDefaultRecvLimit;
    int SessionGapMs = kDefaultSessionGapMs;
};

}  // namespace qv
