#include "editors/channel/csv/changed_fields.h"

#include "codecs/channel_layout.h"
#include "codecs/channel_name.h"

namespace qv::csv {

namespace {

using namespace channel_layout;

void CopyBytes(RadioImage& to, const RadioImage& from, int address, int count) {
    for (int i = 0; i < count; ++i) to[address + i] = from[address + i];
}

void CopyScanBit(RadioImage& to, const RadioImage& from, int channel) {
    SetScanFlag(to, channel, GetScanFlag(from, channel));
}

void CopyName(RadioImage& to, const RadioImage& from, int channel) {
    CopyBytes(to, from, kNameAddress + kNameLength * (channel - 1), kNameLength);
}

}  // namespace

void TakeChangedFields(RadioImage& original, const RadioImage& saved, int channel,
                       const ChannelRecord& before, const ChannelRecord& after) {
    const int record = RecordAddress(channel);
    const bool wasEmpty = before.IsEmpty();
    const bool isEmpty = after.IsEmpty();
    if (wasEmpty != isEmpty) {
        // A channel created or deleted: the whole of it, as the channel editor stores it.
        CopyBytes(original, saved, record, kRowSize);
        CopyName(original, saved, channel);
        CopyScanBit(original, saved, channel);
        CopyBytes(original, saved, ChannelSlotAddress(channel), kChannelSlotSize);
        return;
    }
    if (isEmpty) return;

    const struct {
        bool changed;
        int offset;
        int size;
    } fields[] = {{before.rx != after.rx, kRxOffset, 4},
                  {before.tx != after.tx, kTxOffset, 4},
                  {before.rxTone != after.rxTone, kRxToneOffset, 2},
                  // A TX tone cell is blank without TX frequency, None or a tone with it.
                  {before.txTone != after.txTone || before.tx.has_value() != after.tx.has_value(),
                   kTxToneOffset, 2}};
    bool frequencyOrToneChanged = false;
    for (const auto& field : fields) {
        if (!field.changed) continue;
        CopyBytes(original, saved, record + field.offset, field.size);
        frequencyOrToneChanged = true;
    }

    std::uint8_t mask = 0;
    if (before.highPower != after.highPower) mask |= kHighPowerBit;
    if (before.wide != after.wide) mask |= kWideBit;
    if (before.busyLock != after.busyLock) mask |= kBusyLockBits;
    if (before.reverseBurst != after.reverseBurst) mask |= kReverseBurstBit;
    if (before.talkAround != after.talkAround) mask |= kNoTalkAroundBit;
    // The Mode bits describe the frequencies and tones: they follow any change of those.
    if (before.mode != after.mode || frequencyOrToneChanged) mask |= kModeBits;
    std::uint8_t& flags = original[record + kFlagOffset];
    flags = static_cast<std::uint8_t>((flags & ~mask) | (saved[record + kFlagOffset] & mask));

    if (before.scan != after.scan) CopyScanBit(original, saved, channel);
    if (before.name != after.name) CopyName(original, saved, channel);
}

}  // namespace qv::csv
