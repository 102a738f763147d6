// Pieces every settings model shares: reading and writing bit fields of the image in place,
// choosing a list position with a fallback, and the (caption, value) lines that describe a setting
// in words for the command-line companion.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "data/radio_image.h"
#include "language/ui_language.h"

namespace qv {

// One setting in words, in the language asked for: "Squelch Level", "4".
struct SettingText {
    QString caption;
    QString value;
};
using SettingTexts = std::vector<SettingText>;

// The `width` bits starting at bit `shift` of the byte at `address`.
int ReadBits(const RadioImage& image, int address, int shift, int width);
// Replaces only those bits; the other bits of the byte keep their contents.
void WriteBits(RadioImage& image, int address, int shift, int width, int value);

// The stored value as a list position, or the fallback when the list has no such entry.
int PositionOrFallback(int value, int entryCount, int fallback);

// The decimal numbers first, first + step, ... (count entries), the same in every language.
QStringList NumberEntries(int first, int count, int step = 1);
// "CH 1" ... "CH 16" / "信道 1" ...: a channel list in the language of `texts`.
QStringList ChannelEntries(int count, const UiTexts& texts);

// The entry at a position, or "" when the position selects nothing.
QString EntryAt(const QStringList& entries, int position);

}  // namespace qv
