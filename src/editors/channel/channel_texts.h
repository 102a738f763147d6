// The words of the channel table: headers, modes and the option texts of the flag byte, in the
// language of the texts given.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "language/ui_language.h"

namespace qv::channel {

// Columns of the channel table; row 0 holds the headers, column 0 the channel numbers.
enum Column : int {
    kColNumber = 0,
    kColName = 1,
    kColMode = 2,
    kColRxFreq = 3,
    kColRxTone = 4,
    kColTxFreq = 5,
    kColTxTone = 6,
    kColPower = 7,
    kColBandwidth = 8,
    kColScan = 9,
    kColBusyLock = 10,
    kColReverseBurst = 11,
    kColTalkAround = 12,
};
constexpr int kTableRows = 17;  // header row + 16 channels
constexpr int kChannelRows = kTableRows - 1;
constexpr int kTableColumns = 13;

// Column widths in twips; 0 leaves the grid's default width (the Mode column).
int ColumnWidthTwips(int column);

QString HeaderText(int column, const UiTexts& texts);
// The header in a given language.
QString HeaderTextIn(Language language, int column);
QString WindowTitle(const UiTexts& texts);

QString SimplexText(const UiTexts& texts);
QString RepeaterText(const UiTexts& texts);
QString RxOnlyText(const UiTexts& texts);

QString YesText(const UiTexts& texts);
QString NoText(const UiTexts& texts);
QString LowText(const UiTexts& texts);
QString HighText(const UiTexts& texts);
QString NarrowText(const UiTexts& texts);
QString WideText(const UiTexts& texts);
// The cells show busy lock in the option list's words only; these other names of busy lock 2
// ("Carrier" / "载波", the CSV's word) and 1 ("CTCSS/DCS" in either language) are still taken
// when pasted or typed.
QString CarrierText(const UiTexts& texts);
inline QString LoadedCtcssDcsText() {
    return QStringLiteral("CTCSS/DCS");
}
// The busy-lock choice that stores 1 in either language: "CTCSS/DCS" and "亚音".
bool IsCtcssDcsBusyLock(const QString& text);

// The grid's accessible name: "Channel table" / "信道表".
QString GridAccessibleName(const UiTexts& texts);
// The name editor's tooltip: which characters the radio stores in a channel name.
QString NameCharactersHint(const UiTexts& texts);

// "Make channel 3 a repeater?", asked before a locked TX cell is opened for editing.
QString RepeaterQuestion(int channel, const UiTexts& texts);

// The entries of the option list of columns 9 to 12, in list order; empty for other columns.
QStringList OptionList(int column, const UiTexts& texts);

}  // namespace qv::channel
