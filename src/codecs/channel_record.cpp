#include "codecs/channel_record.h"

#include "codecs/channel_layout.h"
#include "codecs/channel_name.h"
#include "codecs/frequency.h"
#include "codecs/tone.h"

namespace qv {

namespace {

using namespace channel_layout;

// What a newly created channel gets: flag byte and bytes 13-14, and a blank five-byte slot.
constexpr std::uint8_t kNewFlagByte = 0x34;
constexpr std::uint8_t kNewByte13 = 0x40;
constexpr std::uint8_t kNewByte14 = 0xFE;
static_assert(kCreatedRecordBytes == 3, "the flag byte and bytes 13-14");

}  // namespace

// ---- Records ----

ChannelMode DeriveChannelMode(const ChannelRecord& record) {
    if (!record.tx) return ChannelMode::RxOnly;
    if (record.rxTone == record.txTone && record.rx == record.tx) return ChannelMode::Simplex;
    return ChannelMode::Repeater;
}

ChannelRecord DecodeChannelRecord(const RadioImage& image, int channel) {
    const int address = RecordAddress(channel);
    ChannelRecord record;
    record.rx = DecodeFrequencyUnits(image, address + kRxOffset);
    if (!record.rx) return record;
    record.tx = DecodeFrequencyUnits(image, address + kTxOffset);
    record.rxTone = DecodeToneField(image, address + kRxToneOffset);
    record.txTone = record.tx ? DecodeToneField(image, address + kTxToneOffset) : Tone{};

    const std::uint8_t flags = image[address + kFlagOffset];
    record.highPower = flags & kHighPowerBit;
    record.wide = flags & kWideBit;
    const int busyLock = flags & kBusyLockBits;
    record.busyLock = busyLock == 3 ? BusyLock::Off : static_cast<BusyLock>(busyLock);
    record.reverseBurst = flags & kReverseBurstBit;
    record.talkAround = !(flags & kNoTalkAroundBit);
    record.scan = GetScanFlag(image, channel) == 1;
    record.name = NameBytes(DecodeChannelName(image, channel));
    record.mode = DeriveChannelMode(record);
    return record;
}

void EncodeChannelRecord(RadioImage& image, int channel, const ChannelRecord& record) {
    const int address = RecordAddress(channel);
    if (record.IsEmpty()) {
        for (int i = 0; i < kRowSize; ++i) image[address + i] = 0xFF;
        SetScanFlag(image, channel, 0);
        EncodeChannelName(image, channel, QString());
        return;
    }
    EncodeFrequencyUnits(image, address + kRxOffset, record.rx);
    EncodeFrequencyUnits(image, address + kTxOffset, record.tx);
    EncodeToneField(image, address + kRxToneOffset, record.rxTone);
    EncodeToneField(image, address + kTxToneOffset, record.tx ? record.txTone : Tone{});

    std::uint8_t flags = static_cast<std::uint8_t>(record.busyLock) & kBusyLockBits;
    if (record.wide) flags |= kWideBit;
    if (!record.talkAround) flags |= kNoTalkAroundBit;
    if (record.highPower) flags |= kHighPowerBit;
    if (record.reverseBurst) flags |= kReverseBurstBit;
    flags |= static_cast<std::uint8_t>(static_cast<int>(record.mode) << kModeShift);
    image[address + kFlagOffset] = flags;
    SetScanFlag(image, channel, record.scan ? 1 : 0);
    EncodeChannelName(image, channel, NameText(record.name));
}

void WriteNewChannelBytes(RadioImage& image, int channel) {
    const int address = RecordAddress(channel);
    image[address + kFlagOffset] = kNewFlagByte;
    image[address + kFlagOffset + 1] = kNewByte13;
    image[address + kFlagOffset + 2] = kNewByte14;
    const int slot = ChannelSlotAddress(channel);
    for (int i = 0; i < kChannelSlotSize; ++i) image[slot + i] = 0xFF;
}

// ---- Names ----

QString NameText(const QByteArray& name) {
    return QString::fromLatin1(name);
}

QByteArray NameBytes(const QString& text) {
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size() && i < kNameLength; ++i) {
        const char16_t c = text[i].unicode();
        bytes.append(c <= 0xFF ? static_cast<char>(c) : '?');
    }
    return bytes;
}

}  // namespace qv
