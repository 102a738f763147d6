// Where a channel's fields lie: the offsets inside its 16-byte record at row n, the bits of its
// flag byte, and the five-byte slot a new channel writes. Shared by the record codec and by the
// CSV import, which copies back only the fields a file changed.
#pragma once

#include <cstdint>

#include "data/radio_image.h"

namespace qv::channel_layout {

constexpr int kRxOffset = 0;
constexpr int kTxOffset = 4;
constexpr int kRxToneOffset = 8;
constexpr int kTxToneOffset = 10;
constexpr int kFlagOffset = 12;

constexpr std::uint8_t kBusyLockBits = 0x03;
constexpr std::uint8_t kWideBit = 0x04;
constexpr std::uint8_t kNoTalkAroundBit = 0x08;
constexpr std::uint8_t kHighPowerBit = 0x10;
constexpr std::uint8_t kReverseBurstBit = 0x20;
constexpr int kModeShift = 6;
constexpr std::uint8_t kModeBits = 0xC0;

// Five bytes a channel at 0x2000 + 5 x n, set to FF when the channel is created.
constexpr int kChannelSlotAddress = 0x2000;
constexpr int kChannelSlotSize = 5;

constexpr int RecordAddress(int channel) {
    return kRowSize * channel;
}
constexpr int ChannelSlotAddress(int channel) {
    return kChannelSlotAddress + kChannelSlotSize * channel;
}

// Creating a channel writes the flag byte and the two bytes after it in its record, and its slot.
constexpr int kCreatedRecordBytes = 3;

// Calls visit(address) for every image byte that creating the channel writes.
template <typename Visit>
void ForEachCreationAddress(int channel, Visit visit) {
    for (int i = 0; i < kCreatedRecordBytes; ++i) visit(RecordAddress(channel) + kFlagOffset + i);
    for (int i = 0; i < kChannelSlotSize; ++i) visit(ChannelSlotAddress(channel) + i);
}

}  // namespace qv::channel_layout
