// The clone dialog's receive timing: how often the port is polled for a reply and how many polls
// a reply may take. Radio.INI sets it; these are the values when it does not.
#pragma once

#include <cstdint>

namespace qv {

constexpr std::int16_t kDefaultRecvInterval = 50;  // ms between two receive polls
constexpr std::int16_t kDefaultRecvLimit = 40;     // polls allowed for one reply

struct LinkTiming {
    std::int16_t RecvInterval = kDefaultRecvInterval;
    std::int16_t RecvLimit = kDefaultRecvLimit;
};

}  // namespace qv
