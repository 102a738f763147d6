// A channel as typed values: the 16-byte record of channel n at row n of the image, its name
// slot and its scan bit, decoded into one ChannelRecord and encoded back byte for byte.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "codecs/frequency.h"
#include "codecs/tone.h"
#include "data/radio_image.h"
#include "language/ui_language.h"

namespace qv {

// Bits 0-1 of the flag byte: 0 Off, 1 CTCSS/DCS, 2 Carrier; 3 reads as Off.
enum class BusyLock : std::uint8_t { Off = 0, CtcssDcs = 1, Carrier = 2 };
// Bits 6-7 of the flag byte: 00 Simplex, 01 Repeater, 10 RX only. Written, never read back.
enum class ChannelMode : std::uint8_t { Simplex = 0, Repeater = 1, RxOnly = 2 };

struct ChannelRecord {
    std::optional<int> rx;  // 10 Hz units; none makes the channel empty
    std::optional<int> tx;  // none: receive only
    Tone rxTone;
    Tone txTone;
    bool highPower = false;  // bit 4
    bool wide = false;       // bit 2
    BusyLock busyLock = BusyLock::Off;
    bool reverseBurst = false;  // bit 5
    bool talkAround = true;     // bit 3 clear
    bool scan = false;          // the channel's bit of the scan bitmap
    QByteArray name;            // the stored bytes up to the first FF, at most six
    ChannelMode mode = ChannelMode::Simplex;

    bool IsEmpty() const { return !rx.has_value(); }
    bool operator==(const ChannelRecord&) const = default;
};

// RX only without TX frequency; Simplex when TX equals RX in frequency and tone; else Repeater.
ChannelMode DeriveChannelMode(const ChannelRecord& record);

// Channel n (1-16): its record, name and scan bit, with the mode derived from them. A frequency
// field with an FF byte or a nibble that is no decimal digit reads as none.
ChannelRecord DecodeChannelRecord(const RadioImage& image, int channel);
// Stores record, name and scan bit. An empty channel stores 16 x FF, a cleared scan bit and a
// blank name; bytes 13-15 of a channel that is not empty keep what they hold.
void EncodeChannelRecord(RadioImage& image, int channel, const ChannelRecord& record);
// What creating channel n writes at once: flag byte 0x34, bytes 13-14 = 0x40 0xFE, and five FF
// at 0x2000 + 5 x n.
void WriteNewChannelBytes(RadioImage& image, int channel);

// The name as text (one character per stored byte) and back (six characters at most; a
// character without a single-byte code is stored as "?").
QString NameText(const QByteArray& name);
QByteArray NameBytes(const QString& text);

}  // namespace qv
