// Sub-audible tones in a 2-byte field (low byte first): CTCSS as BCD tenths of a hertz, DCS with
// the marker nibble 8 (normal) or C (inverted) and three octal digits, F meaning none.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "data/radio_image.h"
#include "language/ui_language.h"

namespace qv {

enum class ToneKind : std::uint8_t { None, Ctcss, Dcs };

// A sub-audible tone as the radio stores it.
struct Tone {
    ToneKind kind = ToneKind::None;
    // CTCSS: tenths of a hertz (670 for 67.0 Hz). DCS: the three code digits as stored, one per
    // nibble (0x023 for D023).
    int value = 0;
    bool inverted = false;  // DCS polarity: "I" when set, "N" otherwise

    static Tone Ctcss(int tenths) { return {ToneKind::Ctcss, tenths, false}; }
    static Tone Dcs(int code, bool inverted) { return {ToneKind::Dcs, code, inverted}; }
    bool IsNone() const { return kind == ToneKind::None; }
    bool operator==(const Tone&) const = default;
};

// "67.0" (the locale's decimal separator), "D023N" / "D754I", or the None text of the language.
QString ToneText(const Tone& tone, const UiTexts& texts);
// A DCS tone as "D023N" / "D754I", the same in every language.
QString DcsCodeText(const Tone& tone);
// Reads a tone list entry ("1 - 67.0Hz"), a bare tone ("67.0Hz", "67.0", "D023N"), the None text
// of either language or "" (both None); "." and "," are read as the decimal separator, and so is
// the locale's. Nothing when the text is no tone.
std::optional<Tone> ParseTone(const QString& text, const QLocale& locale);

// The tone field at an address (low byte first). A CTCSS field whose nibbles are not decimal
// digits cannot be a tone and reads as None.
Tone DecodeToneField(const RadioImage& image, int address);
void EncodeToneField(RadioImage& image, int address, const Tone& tone);

// "None" / "无": the tone text of an empty tone field.
QString NoneText(const UiTexts& texts);

// "67.0" (CTCSS, no "Hz"), "D023N" / "D754I" (DCS) or the None text. A CTCSS field whose nibbles
// are not decimal digits cannot be a tone and reads as None.
QString DecodeTone(const RadioImage& image, int column, int row, const UiTexts& texts);

// The entry of the tone list that matches the stored tone, or the list's None entry when the tone
// is in neither the standard table nor the current customized slots.
QString ToneListEntry(const QStringList& toneList, const RadioImage& image, int column, int row,
                      const UiTexts& texts);

// Stores a tone list entry ("1 - 67.0Hz", "39 - D023N"), a bare tone text, the None text or ""
// (the last two store FF FF). A CTCSS text that is not a storable number stores FF FF as well.
void EncodeTone(RadioImage& image, int column, int row, const QString& text, const UiTexts& texts);

}  // namespace qv
