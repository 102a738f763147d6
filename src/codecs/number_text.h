// Reading numbers from what the user typed and writing them with the user's decimal separator.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace qv {

// The locale whose decimal separator the user interface shows: Qt's default locale, the
// system's unless set.
QLocale UiLocale();
void SetUiLocale(const QLocale& locale);

// Sets the UI locale for the life of a scope and puts back what was there before.
class ScopedUiLocale {
public:
    explicit ScopedUiLocale(const QLocale& locale);
    ~ScopedUiLocale();
    ScopedUiLocale(const ScopedUiLocale&) = delete;
    ScopedUiLocale& operator=(const ScopedUiLocale&) = delete;

private:
    QLocale previous_;
};

// The longest leading part of the text that forms a number, with "." as decimal separator;
// blanks, tabs and line feeds anywhere are ignored and an exponent (E2) belongs to the number.
// An empty text or one without a leading number reads 0; "446.1abc" reads 446.1.
double LeadingNumber(const QString& text);

// A number as the editors read it: a text holding "," goes through the user's locale (and, when
// the locale refuses it, is read with "," taken as the decimal separator); any other text is read
// with the leading-number rule.
double ReadNumber(const QString& text);

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

// The value with exactly `decimals` decimals and the UI locale's decimal separator.
QString FormatFixed(double value, int decimals);

}  // namespace qv
