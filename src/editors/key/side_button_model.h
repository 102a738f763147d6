// The functions of the two side buttons P1 and P2, short and long press: one 4-bit function code
// each in 0x18D (P1) and 0x18E (P2), short press in the low nibble, long press in the high one.
#pragma once

#include <array>

#include "editors/common/settings_fields.h"

namespace qv {

// The four assignments in the order P1 short, P1 long, P2 short, P2 long.
constexpr int kSideButtonAssignments = 4;
// List positions of CboKey(0) ... CboKey(3); a negative one leaves its nibble unchanged on saving.
using SideButtonPositions = std::array<int, kSideButtonAssignments>;

class SideButtonModel {
public:
    static constexpr int kP1Address = 0x18D;
    static constexpr int kP2Address = 0x18E;
    static constexpr int kNoOperation = 7;  // "No Operation" is stored as 7, not 0

    explicit SideButtonModel(RadioImage& image) : image_(image) {}

    // An unassignable code shows the assignment's fallback function.
    SideButtonPositions Load() const;
    // Writes each selected function into its nibble; the other nibble keeps its contents.
    void Save(const SideButtonPositions& positions);

    static bool IsLongPress(int assignment) { return assignment % 2 == 1; }
    static int Address(int assignment) { return assignment < 2 ? kP1Address : kP2Address; }
    static int Shift(int assignment) { return IsLongPress(assignment) ? 4 : 0; }

    // The function codes a list offers, by position: five for a short press, four for a long one.
    static std::vector<int> Codes(int assignment);
    // The list position of a code, or the assignment's fallback when the list has no such code.
    static int PositionOfCode(int assignment, int code);
    // The code at a list position, or -1 for a position outside the list.
    static int CodeAt(int assignment, int position);

    // The list texts of an assignment in the language of `texts`.
    static QStringList Entries(int assignment, const UiTexts& texts);

    // Captions in the language of `texts`.
    static QString TitleText(const UiTexts& texts);
    static QString ButtonGroupText(int button, const UiTexts& texts);  // 0 = P1, 1 = P2
    static QString PressText(int assignment, const UiTexts& texts);  // "Short Press" / "Long Press"

    // The four assignments in words, in the language of `texts`.
    SettingTexts Describe(const UiTexts& texts) const;

private:
    RadioImage& image_;
};

}  // namespace qv
