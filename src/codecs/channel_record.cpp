#include "codecs/channel_record.h"

#include <cmath>

#include "codecs/channel_layout.h"
#include "codecs/channel_name.h"
#include "codecs/frequency.h"
#include "codecs/number_text.h"
#include "codecs/tone.h"
#include "language/ui_language.h"

namespace qv {

namespace {

using namespace channel_layout;

// What a newly created channel gets: flag byte and bytes 13-14, and a blank five-byte slot.
constexpr std::uint8_t kNewFlagByte = 0x34;
constexpr std::uint8_t kNewByte13 = 0x40;
constexpr std::uint8_t kNewByte14 = 0xFE;

bool IsDecimalByte(std::uint8_t b) {
    return (b >> 4) <= 9 && (b & 0x0F) <= 9;
}
int FromBcd(std::uint8_t b) {
    return (b >> 4) * 10 + (b & 0x0F);
}
std::uint8_t ToBcd(int twoDigits) {
    return static_cast<std::uint8_t>((twoDigits / 10) << 4 | (twoDigits % 10));
}

std::optional<int> DecodeFrequencyField(const RadioImage& image, int address) {
    int units = 0;
    for (int i = 3; i >= 0; --i) {
        const std::uint8_t b = image[address + i];
        if (b == 0xFF || !IsDecimalByte(b)) return std::nullopt;
        units = units * 100 + FromBcd(b);
    }
    return units;
}

void EncodeFrequencyField(RadioImage& image, int address, std::optional<int> units) {
    if (!units || *units < 0 || *units > kMaxFrequencyUnits) {
        for (int i = 0; i < 4; ++i) image[address + i] = 0xFF;
        return;
    }
    int rest = *units;
    for (int i = 0; i < 4; ++i) {  // least significant pair first
        image[address + i] = ToBcd(rest % 100);
        rest /= 100;
    }
}

int RecordAddress(int channel) {
    return kRowSize * channel;
}

}  // namespace

// ---- Tones ----

QString ToneText(const Tone& tone, const UiTexts& texts) {
    switch (tone.kind) {
        case ToneKind::Ctcss:
            return FormatFixed(tone.value / 10.0, 1, texts.locale());
        case ToneKind::Dcs:
            return DcsCodeText(tone);
        case ToneKind::None:
            break;
    }
    return NoneText(texts);
}

QString DcsCodeText(const Tone& tone) {
    return QStringLiteral("D%1%2")
        .arg(QString::number(tone.value, 16).toUpper().rightJustified(3, u'0'))
        .arg(QChar(tone.inverted ? u'I' : u'N'));
}

std::optional<Tone> ParseTone(const QString& text, const QLocale& locale) {
    QString part = text.trimmed();
    if (part.isEmpty() || part == UiTextIn(Language::English, "Tone", "None") ||
        part == UiTextIn(Language::Chinese, "Tone", "None")) {
        return Tone{};
    }
    const qsizetype separator = part.indexOf(QStringLiteral(" - "));
    if (separator >= 0) part = part.mid(separator + 3);
    if (part.endsWith(QStringLiteral("Hz"))) part.chop(2);
    if (part.startsWith(u'D')) {
        // "D" and three hexadecimal digits as the field holds them, then the polarity.
        if (part.size() != 5 || (part[4] != u'N' && part[4] != u'I')) return std::nullopt;
        bool ok = false;
        const int code = part.mid(1, 3).toInt(&ok, 16);
        if (!ok) return std::nullopt;
        return Tone::Dcs(code, part[4] == u'I');
    }
    // A CTCSS tone: a plain number of hertz with one decimal at most.
    QString number = part;
    number.replace(locale.decimalPoint(), QStringLiteral("."));
    number.replace(u',', u'.');
    bool ok = false;
    const double hertz = number.toDouble(&ok);
    if (!ok || !std::isfinite(hertz)) return std::nullopt;
    const double tenths = RoundHalfEven(hertz * 10.0);
    if (tenths <= 0 || tenths > 9999 || std::fabs(tenths - hertz * 10.0) > 1e-6) {
        return std::nullopt;
    }
    return Tone::Ctcss(static_cast<int>(tenths));
}

Tone DecodeToneField(const RadioImage& image, int address) {
    const std::uint8_t lo = image[address];
    const std::uint8_t hi = image[address + 1];
    switch (hi & 0xF0) {
        case 0x80:
        case 0xC0:
            return Tone::Dcs((hi & 0x0F) << 8 | lo, (hi & 0xF0) == 0xC0);
        case 0xF0:
            return Tone{};
        default:
            if (!IsDecimalByte(hi) || !IsDecimalByte(lo)) return Tone{};
            return Tone::Ctcss(FromBcd(hi) * 100 + FromBcd(lo));
    }
}

void EncodeToneField(RadioImage& image, int address, const Tone& tone) {
    std::uint8_t lo = 0xFF;
    std::uint8_t hi = 0xFF;
    if (tone.kind == ToneKind::Ctcss && tone.value > 0 && tone.value <= 9999) {
        hi = ToBcd(tone.value / 100);
        lo = ToBcd(tone.value % 100);
    } else if (tone.kind == ToneKind::Dcs) {
        hi = static_cast<std::uint8_t>((tone.inverted ? 0xC0 : 0x80) | ((tone.value >> 8) & 0x0F));
        lo = static_cast<std::uint8_t>(tone.value & 0xFF);
    }
    image[address] = lo;
    image[address + 1] = hi;
}

// ---- Records ----

ChannelMode DeriveChannelMode(const ChannelRecord& record) {
    if (!record.tx) return ChannelMode::RxOnly;
    if (record.rxTone == record.txTone && record.rx == record.tx) return ChannelMode::Simplex;
    return ChannelMode::Repeater;
}

ChannelRecord DecodeChannelRecord(const RadioImage& image, int channel) {
    const int address = RecordAddress(channel);
    ChannelRecord record;
    record.rx = DecodeFrequencyField(image, address + kRxOffset);
    if (!record.rx) return record;
    record.tx = DecodeFrequencyField(image, address + kTxOffset);
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
    EncodeFrequencyField(image, address + kRxOffset, record.rx);
    EncodeFrequencyField(image, address + kTxOffset, record.tx);
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
    const int slot = kChannelSlotAddress + kChannelSlotSize * channel;
    for (int i = 0; i < kChannelSlotSize; ++i) image[slot + i] = 0xFF;
}

// ---- Frequencies and names ----

QString FrequencyText(int units, const QLocale& locale) {
    return FormatFixed(static_cast<double>(units) / kUnitsPerMHz, 5, locale);
}

std::optional<int> FrequencyUnits(const QString& text, const QLocale& locale) {
    if (text.isEmpty()) return std::nullopt;
    const double units = RoundHalfEven(ReadNumber(text, locale) * kUnitsPerMHz);
    if (!std::isfinite(units) || units < 0 || units > kMaxFrequencyUnits) return std::nullopt;
    return static_cast<int>(units);
}

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
