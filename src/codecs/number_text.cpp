#include "codecs/number_text.h"

#include <cfenv>
#include <cmath>

namespace qv {

double LeadingNumber(const QString& text) {
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') compact.append(c);
    }
    const auto isDigit = [&](qsizetype i) { return i < compact.size() && compact[i].isDigit(); };

    qsizetype i = 0;
    if (i < compact.size() && (compact[i] == u'+' || compact[i] == u'-')) ++i;
    const qsizetype mantissaStart = i;
    while (isDigit(i)) ++i;
    if (i < compact.size() && compact[i] == u'.') {
        ++i;
        while (isDigit(i)) ++i;
    }
    bool anyDigit = false;
    for (qsizetype j = mantissaStart; j < i; ++j) anyDigit = anyDigit || compact[j].isDigit();
    if (!anyDigit) return 0.0;
    qsizetype end = i;
    if (i < compact.size() && (compact[i] == u'E' || compact[i] == u'e')) {
        qsizetype j = i + 1;
        if (j < compact.size() && (compact[j] == u'+' || compact[j] == u'-')) ++j;
        if (isDigit(j)) {
            while (isDigit(j)) ++j;
            end = j;
        }
    }
    const double value = compact.left(end).toDouble();
    return std::isfinite(value) ? value : 0.0;
}

double ReadNumber(const QString& text, const QLocale& locale) {
    if (!text.contains(u',')) return LeadingNumber(text);
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(value)) return value;
    QString dotted = text;
    dotted.replace(u',', u'.');
    return LeadingNumber(dotted);
}

double RoundHalfEven(double value) {
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return rounded;
}

QString FormatFixed(double value, int decimals, const QLocale& locale) {
    QString text = QString::number(value, 'f', decimals);
    const QString separator = locale.decimalPoint();
    if (separator != QStringLiteral(".")) text.replace(u'.', separator);
    return text;
}

}  // namespace qv
