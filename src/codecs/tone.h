// Sub-audible tones in a 2-byte field (low byte first): CTCSS as BCD tenths of a hertz, DCS with
// the marker nibble 8 (normal) or C (inverted) and three octal digits, F meaning none.
#pragma once

#include <QString>
#include <QStringList>

#include "data/radio_image.h"
#include "language/ui_language.h"

namespace qv {

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
