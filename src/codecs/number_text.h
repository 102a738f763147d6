// Reading numbers from what the user typed and writing them with the user's decimal separator.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace qv {

// The longest leading part of the text that forms a number, with "." as decimal separator;
// blanks, tabs and line feeds anywhere are ignored and an exponent (E2) belongs to the number.
// An empty text or one without a leading number reads 0; "446.1abc" reads 446.1.
double LeadingNumber(const QString& text);

// A number as the editors read it: a text holding "," goes through the user's locale (and, when
// the locale refuses it, is read with "," taken as the decimal separator); any other text is read
// with the leading-number rule.
double ReadNumber(const QString& text, const QLocale& locale);

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

// The value with exactly `decimals` decimals and the locale's decimal separator.
QString FormatFixed(double value, int decimals, const QLocale& locale);

}  // namespace qv
