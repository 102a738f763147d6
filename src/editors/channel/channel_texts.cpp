#include "editors/channel/channel_texts.h"

#include <QtGlobal>
#include <array>

#include "data/ui_language.h"

namespace qv::channel {

namespace {

constexpr char kContext[] = "Channel";

// A text this file marked with QT_TRANSLATE_NOOP("Channel", ...), in the current language.
QString T(const char* english) {
    return UiText(kContext, english);
}

struct ColumnInfo {
    const char* header;
    int widthTwips;
};

const std::array<ColumnInfo, kTableColumns> kColumns = {{
    {QT_TRANSLATE_NOOP("Channel", "No."), 750},
    {QT_TRANSLATE_NOOP("Channel", "CH Name"), 1500},
    {QT_TRANSLATE_NOOP("Channel", "Mode"), 0},
    {QT_TRANSLATE_NOOP("Channel", "RX Freq."), 1500},
    {QT_TRANSLATE_NOOP("Channel", "RX CTCSS/DCS"), 1600},
    {QT_TRANSLATE_NOOP("Channel", "TX Freq."), 1500},
    {QT_TRANSLATE_NOOP("Channel", "TX CTCSS/DCS"), 1600},
    {QT_TRANSLATE_NOOP("Channel", "TX Power"), 1000},
    {QT_TRANSLATE_NOOP("Channel", "Bandwidth"), 1200},
    {QT_TRANSLATE_NOOP("Channel", "Scan"), 1000},
    {QT_TRANSLATE_NOOP("Channel", "Busy Lock"), 1500},
    {QT_TRANSLATE_NOOP("Channel", "Reverse Burst"), 1500},
    {QT_TRANSLATE_NOOP("Channel", "Talk Around"), 1500},
}};

const char* const kSimplex = QT_TRANSLATE_NOOP("Channel", "Simplex");
const char* const kRepeater = QT_TRANSLATE_NOOP("Channel", "Repeater");
const char* const kRxOnly = QT_TRANSLATE_NOOP("Channel", "RX only");
// The busy-lock choice "CTCSS/DCS" reads "亚音" in the Chinese list, while a loaded cell shows
// "CTCSS/DCS" in both languages.
const char* const kCtcssDcsChoice = QT_TRANSLATE_NOOP("Channel", "CTCSS/DCS");

}  // namespace

int ColumnWidthTwips(int column) {
    return column >= 0 && column < kTableColumns ? kColumns[column].widthTwips : 0;
}

QString HeaderText(int column) {
    return column >= 0 && column < kTableColumns ? T(kColumns[column].header) : QString();
}

QString HeaderTextIn(std::uint8_t language, int column) {
    if (column < 0 || column >= kTableColumns) return QString();
    return UiTextIn(language, kContext, kColumns[column].header);
}

QString WindowTitle() {
    return UiText("Channel", "Channels");
}

QString SimplexText() {
    return T(kSimplex);
}
QString RepeaterText() {
    return T(kRepeater);
}
QString RxOnlyText() {
    return T(kRxOnly);
}

QString ModeTextInCurrentLanguage(const QString& modeText) {
    for (const char* mode : {kSimplex, kRepeater, kRxOnly}) {
        for (std::uint8_t language : {kEnglish, kChinese}) {
            if (modeText == UiTextIn(language, kContext, mode)) return T(mode);
        }
    }
    return QString();
}

QString YesText() {
    return UiText("Channel", "Yes");
}
QString NoText() {
    return UiText("Channel", "No");
}
QString LowText() {
    return UiText("Channel", "Low");
}
QString HighText() {
    return UiText("Channel", "High");
}
QString NarrowText() {
    return UiText("Channel", "Narrow");
}
QString WideText() {
    return UiText("Channel", "Wide");
}
QString CarrierText() {
    return UiText("Channel", "Carrier");
}

bool IsCtcssDcsBusyLock(const QString& text) {
    return text == LoadedCtcssDcsText() || text == UiTextIn(kChinese, kContext, kCtcssDcsChoice);
}

QStringList OptionList(int column) {
    switch (column) {
        case kColScan:
            return {NoText(), YesText()};
        case kColBusyLock:
            return {OffText(), UiText("Channel", "Carrier Squelch"), T(kCtcssDcsChoice)};
        case kColReverseBurst:
            return {OffText(), OnText()};
        case kColTalkAround:
            return {YesText(), NoText()};
        default:
            return {};
    }
}

}  // namespace qv::channel
