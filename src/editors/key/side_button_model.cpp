#include "editors/key/side_button_model.h"

#include <QtGlobal>
#include <algorithm>

#include "language/ui_language.h"

namespace qv {

namespace {

struct Function {
    int code;
    const char* english;
    bool longPress;  // offered for a long press too
};

// In list order. Scanning is a short-press function only.
constexpr Function kFunctions[] = {
    {SideButtonModel::kNoOperation, QT_TRANSLATE_NOOP("SideButtons", "No Operation"), true},
    {1, QT_TRANSLATE_NOOP("SideButtons", "Scan + Temporary Delete"), false},
    {2, QT_TRANSLATE_NOOP("SideButtons", "Emergency Calling"), true},
    {4, QT_TRANSLATE_NOOP("SideButtons", "Monitor"), true},
    {6, QT_TRANSLATE_NOOP("SideButtons", "Repeater / Talkaround"), true},
};

// What an unassignable code shows, per assignment (P1 short, P1 long, P2 short, P2 long).
constexpr int kFallbackCodes[kSideButtonAssignments] = {SideButtonModel::kNoOperation,
                                                        SideButtonModel::kNoOperation, 2, 6};

std::vector<const Function*> Offered(int assignment) {
    std::vector<const Function*> offered;
    for (const Function& f : kFunctions) {
        if (!SideButtonModel::IsLongPress(assignment) || f.longPress) offered.push_back(&f);
    }
    return offered;
}

}  // namespace

std::vector<int> SideButtonModel::Codes(int assignment) {
    std::vector<int> codes;
    for (const Function* f : Offered(assignment)) codes.push_back(f->code);
    return codes;
}

int SideButtonModel::PositionOfCode(int assignment, int code) {
    const std::vector<int> codes = Codes(assignment);
    auto found = std::find(codes.begin(), codes.end(), code);
    if (found == codes.end()) {
        found = std::find(codes.begin(), codes.end(), kFallbackCodes[assignment]);
    }
    return static_cast<int>(found - codes.begin());
}

int SideButtonModel::CodeAt(int assignment, int position) {
    const std::vector<int> codes = Codes(assignment);
    return position >= 0 && position < static_cast<int>(codes.size()) ? codes[position] : -1;
}

SideButtonPositions SideButtonModel::Load() const {
    SideButtonPositions positions{};
    for (int a = 0; a < kSideButtonAssignments; ++a) {
        positions[a] = PositionOfCode(a, ReadBits(image_, Address(a), Shift(a), 4));
    }
    return positions;
}

void SideButtonModel::Save(const SideButtonPositions& positions) {
    for (int a = 0; a < kSideButtonAssignments; ++a) {
        const int code = CodeAt(a, positions[a]);
        if (code >= 0) WriteBits(image_, Address(a), Shift(a), 4, code);
    }
}

QStringList SideButtonModel::Entries(int assignment, const UiTexts& texts) {
    QStringList entries;
    for (const Function* f : Offered(assignment))
        entries << texts.UiText("SideButtons", f->english);
    return entries;
}

QString SideButtonModel::TitleText(const UiTexts& texts) {
    return texts.UiText("SideButtons", "Side Button Function Settings");
}

QString SideButtonModel::ButtonGroupText(int button, const UiTexts& texts) {
    return texts.UiText("SideButtons", "Side Button") +
           (button == 0 ? QStringLiteral(" P1") : QStringLiteral(" P2"));
}

QString SideButtonModel::PressText(int assignment, const UiTexts& texts) {
    return IsLongPress(assignment) ? texts.UiText("SideButtons", "Long Press")
                                   : texts.UiText("SideButtons", "Short Press");
}

SettingTexts SideButtonModel::Describe(const UiTexts& texts) const {
    const SideButtonPositions positions = Load();
    SettingTexts lines;
    for (int a = 0; a < kSideButtonAssignments; ++a) {
        lines.push_back({ButtonGroupText(a / 2, texts) + u' ' + PressText(a, texts),
                         EntryAt(Entries(a, texts), positions[a])});
    }
    return lines;
}

}  // namespace qv
