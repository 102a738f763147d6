// The six user-defined CTCSS frequencies (tone fields at 0x190-0x19B) and six user-defined DCS
// codes (0x1A0-0x1AB) as the texts of their boxes, and the rules that keep what the user types in
// those boxes storable: which keys a box takes and what it shows when the user leaves it.
#pragma once

#include <QChar>
#include <array>
#include <optional>

#include "codecs/tone_table.h"
#include "editors/common/settings_fields.h"

namespace qv {

// The box texts: "100.5" (CTCSS in hertz, one decimal) and "D023N" (DCS), "" for an empty box.
struct CustomizedTones {
    std::array<QString, kCustomSlots> ctcss;  // TxtQT(0) ... TxtQT(5)
    std::array<QString, kCustomSlots> dcs;    // TxtDQT(0) ... TxtDQT(5)

    bool operator==(const CustomizedTones&) const = default;
};

class CustomizedToneModel {
public:
    static constexpr int kMaxTextLength = 5;
    static constexpr int kFirstCtcssNumber = 122;  // tone list numbers of the slots
    static constexpr int kFirstDcsNumber = 211;

    explicit CustomizedToneModel(RadioImage& image) : image_(image) {}

    // A CTCSS slot that holds no CTCSS value within 67.0-254.1 Hz shows an empty box, a DCS slot
    // without a DCS value likewise.
    CustomizedTones Load(const UiTexts& texts) const;
    // Stores every box that holds a storable tone; an empty box (or one that cannot be stored)
    // leaves its slot as it was.
    void Save(const CustomizedTones& tones, const UiTexts& texts);

    // The value of a CTCSS box when the whole text is a number ("," as decimal separator allowed),
    // whatever its range; nothing for an empty text or one that is not a number as a whole.
    static std::optional<double> CtcssValue(const QString& text, const QLocale& locale);
    // A number within 67.0-254.1.
    static bool IsStorableCtcss(const QString& text, const QLocale& locale);
    static bool IsStorableDcs(const QString& text);  // "D", three digits, "N" or "I"

    // Whether a CTCSS box holding `text` takes the typed character: digits always, "." once the
    // box holds two characters, nothing else. Backspace, Enter and Esc are handled by the window.
    static bool CtcssKeyAccepted(const QString& text, QChar typed);
    // The character a DCS box holding `text` takes for the typed one (letters in upper case):
    // "D" at any time; digits while the text starts with "D" and is shorter than 4; "I" and "N"
    // when it is "D" and three more characters. Nothing when the key is refused.
    static std::optional<QChar> DcsKeyAccepted(const QString& text, QChar typed);

    // What a box shows when the user leaves it, given its text then and the text it had when it
    // got focus: a valid entry in its tidy form, or the old text for an invalid one.
    static QString CtcssAfterEdit(const QString& text, const QString& savedText,
                                  const QLocale& locale);
    static QString DcsAfterEdit(const QString& text, const QString& savedText);

    // Texts in the language of `texts`.
    static QString TitleText(const UiTexts& texts);
    static QString CtcssLabel(int slot, const UiTexts& texts);  // "122 - Customized CTCSS 1 [Hz]"
    static QString DcsLabel(int slot, const UiTexts& texts);    // "211 - Customized DCS 1 [OCT]"

    // The twelve slots in words, in the language of `texts`; an empty slot reads as None.
    SettingTexts Describe(const UiTexts& texts) const;

private:
    RadioImage& image_;
};

}  // namespace qv
