#include "editors/channel/channel_texts.h"

#include <QtGlobal>
#include <array>

namespace qv::channel {

namespace {

constexpr char kContext[] = "Channel";

// A text this file marked with QT_TRANSLATE_NOOP("Channel", ...), in the language of `texts`.
QString T(const UiTexts& texts, const char* english) {
    return texts.UiText(kContext, english);
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

QString HeaderText(int column, const UiTexts& texts) {
    return column >= 0 && column < kTableColumns ? T(texts, kColumns[column].header) : QString();
}

QString HeaderTextIn(Language language, int column) {
    if (column < 0 || column >= kTableColumns) return QString();
    return UiTextIn(language, kContext, kColumns[column].header);
}

QString WindowTitle(const UiTexts& texts) {
    return texts.UiText("Channel", "Channels");
}

QString SimplexText(const UiTexts& texts) {
    return T(texts, kSimplex);
}
QString RepeaterText(const UiTexts& texts) {
    return T(texts, kRepeater);
}
QString RxOnlyText(const UiTexts& texts) {
    return T(texts, kRxOnly);
}

QString YesText(const UiTexts& texts) {
    return texts.UiText("Channel", "Yes");
}
QString NoText(const UiTexts& texts) {
    return texts.UiText("Channel", "No");
}
QString LowText(const UiTexts& texts) {
    return texts.UiText("Channel", "Low");
}
QString HighText(const UiTexts& texts) {
    return texts.UiText("Channel", "High");
}
QString NarrowText(const UiTexts& texts) {
    return texts.UiText("Channel", "Narrow");
}
QString WideText(const UiTexts& texts) {
    return texts.UiText("Channel", "Wide");
}
QString CarrierText(const UiTexts& texts) {
    return texts.UiText("Channel", "Carrier");
}

QString GridAccessibleName(const UiTexts& texts) {
    return texts.UiText("Channel", "Channel table");
}

QString NameCharactersHint(const UiTexts& texts) {
    return texts.UiText("Channel",
                        "The radio stores up to 6 characters: A-Z, a-z, 0-9, space and "
                        "! \" # $ % & ' ( ) * + , - . / : ; < = > ? @ [ \\ ] ^ _ `");
}

QString RepeaterQuestion(int channel, const UiTexts& texts) {
    return texts.UiText("Channel", "Make channel %1 a repeater?").arg(channel);
}

bool IsCtcssDcsBusyLock(const QString& text) {
    return text == LoadedCtcssDcsText() ||
           text == UiTextIn(Language::Chinese, kContext, kCtcssDcsChoice);
}

QStringList OptionList(int column, const UiTexts& texts) {
    switch (column) {
        case kColScan:
            return {NoText(texts), YesText(texts)};
        case kColBusyLock:
            return {texts.Off(), texts.UiText("Channel", "Carrier Squelch"),
                    T(texts, kCtcssDcsChoice)};
        case kColReverseBurst:
            return {texts.Off(), texts.On()};
        case kColTalkAround:
            return {YesText(texts), NoText(texts)};
        default:
            return {};
    }
}

}  // namespace qv::channel
