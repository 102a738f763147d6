#include "editors/customized/customized_tone_model.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

#include "codecs/number_text.h"
#include "codecs/tone.h"
#include "language/ui_language.h"

namespace qv {

namespace {

constexpr int kCtcssRow = kCustomCtcssAddress / kRowSize;
constexpr int kDcsRow = kCustomDcsAddress / kRowSize;
constexpr int kDcsDigitsMax = 777;  // highest three-digit octal code

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool InCtcssRange(double value) {
    return value >= kCustomCtcssMin && value <= kCustomCtcssMax;
}

}  // namespace

CustomizedTones CustomizedToneModel::Load(const UiTexts& texts) const {
    CustomizedTones tones;
    for (int k = 0; k < kCustomSlots; ++k) {
        const QString ctcss = DecodeTone(image_, 2 * k, kCtcssRow, texts);
        if (!ctcss.startsWith(u'D') && InCtcssRange(ReadNumber(ctcss, texts.locale())))
            tones.ctcss[k] = ctcss;
        const QString dcs = DecodeTone(image_, 2 * k, kDcsRow, texts);
        if (dcs.startsWith(u'D')) tones.dcs[k] = dcs;
    }
    return tones;
}

void CustomizedToneModel::Save(const CustomizedTones& tones, const UiTexts& texts) {
    for (int k = 0; k < kCustomSlots; ++k) {
        if (IsStorableCtcss(tones.ctcss[k], texts.locale())) {
            EncodeTone(image_, 2 * k, kCtcssRow,
                       QStringLiteral("%1 - %2Hz").arg(kFirstCtcssNumber + k).arg(tones.ctcss[k]),
                       texts);
        }
        if (IsStorableDcs(tones.dcs[k])) {
            EncodeTone(image_, 2 * k, kDcsRow,
                       QStringLiteral("%1 - %2").arg(kFirstDcsNumber + k).arg(tones.dcs[k]), texts);
        }
    }
}

std::optional<double> CustomizedToneModel::CtcssValue(const QString& text, const QLocale& locale) {
    QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    bool ok = false;
    double value = 0;
    if (trimmed.contains(u',')) {
        value = locale.toDouble(trimmed, &ok);
        if (!ok) trimmed.replace(u',', u'.');
    }
    if (!ok) value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool CustomizedToneModel::IsStorableCtcss(const QString& text, const QLocale& locale) {
    const std::optional<double> value = CtcssValue(text, locale);
    return value && InCtcssRange(*value);
}

bool CustomizedToneModel::IsStorableDcs(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^D[0-9]{3}[NI]$"));
    return pattern.match(text).hasMatch();
}

bool CustomizedToneModel::CtcssKeyAccepted(const QString& text, QChar typed) {
    if (IsAsciiDigit(typed)) return true;
    return typed == u'.' && text.size() >= 2;
}

std::optional<QChar> CustomizedToneModel::DcsKeyAccepted(const QString& text, QChar typed) {
    const bool startsWithD = text.startsWith(u'D');
    if (IsAsciiDigit(typed)) {
        if (startsWithD && text.size() < 4) return typed;
        return std::nullopt;
    }
    const QChar upper = typed.toUpper();
    if (upper == u'D') return upper;
    if ((upper == u'I' || upper == u'N') && startsWithD && text.size() == 4) return upper;
    return std::nullopt;
}

QString CustomizedToneModel::CtcssAfterEdit(const QString& text, const QString& savedText,
                                            const QLocale& locale) {
    if (text == savedText || text.isEmpty()) return text;
    // A text that is not a number as a whole ("67..5") cannot be stored: it reverts like an
    // out-of-range one.
    const std::optional<double> value = CtcssValue(text, locale);
    if (!value || !InCtcssRange(*value)) return savedText;
    return FormatFixed(*value, 1, locale);
}

QString CustomizedToneModel::DcsAfterEdit(const QString& text, const QString& savedText) {
    if (text == savedText || text.isEmpty()) return text;
    QString result = text;
    if (text.size() < 4) return savedText;
    if (text.size() == 4) {
        result += u'N';  // normal polarity unless the user typed one
    } else if (LeadingNumber(text.mid(1, 3)) > kDcsDigitsMax) {
        return savedText;
    }
    // "D" typed again inside the code ("D02D") would store a non-digit nibble: refuse it.
    return IsStorableDcs(result) ? result : savedText;
}

QString CustomizedToneModel::TitleText(const UiTexts& texts) {
    return texts.UiText("CustomizedTones", "Customized CTCSS/DCS");
}

QString CustomizedToneModel::CtcssLabel(int slot, const UiTexts& texts) {
    return QStringLiteral("%1 - %2 %3 [Hz]")
        .arg(kFirstCtcssNumber + slot)
        .arg(texts.UiText("CustomizedTones", "Customized CTCSS"))
        .arg(slot + 1);
}

QString CustomizedToneModel::DcsLabel(int slot, const UiTexts& texts) {
    return QStringLiteral("%1 - %2 %3 [OCT]")
        .arg(kFirstDcsNumber + slot)
        .arg(texts.UiText("CustomizedTones", "Customized DCS"))
        .arg(slot + 1);
}

SettingTexts CustomizedToneModel::Describe(const UiTexts& texts) const {
    const CustomizedTones tones = Load(texts);
    SettingTexts lines;
    for (int k = 0; k < kCustomSlots; ++k) {
        lines.push_back(
            {CtcssLabel(k, texts), tones.ctcss[k].isEmpty() ? NoneText(texts) : tones.ctcss[k]});
    }
    for (int k = 0; k < kCustomSlots; ++k) {
        lines.push_back(
            {DcsLabel(k, texts), tones.dcs[k].isEmpty() ? NoneText(texts) : tones.dcs[k]});
    }
    return lines;
}

}  // namespace qv
