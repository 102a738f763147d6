#include "codecs/tone.h"

#include <cmath>
#include <iterator>

#include "codecs/bcd.h"
#include "codecs/number_text.h"

namespace qv {

namespace {

const QString kSeparator = QStringLiteral(" - ");

int HexDigit(QChar c) {
    const int value = QString(c).toInt(nullptr, 16);
    return value;  // 0 for anything that is not a hexadecimal digit
}

void StoreNone(RadioImage& image, int column, int row) {
    image.at(row, column) = 0xFF;
    image.at(row, column + 1) = 0xFF;
}

}  // namespace

QString NoneText(const UiTexts& texts) {
    return texts.UiText("Tone", "None");
}

QString DecodeTone(const RadioImage& image, int column, int row, const UiTexts& texts) {
    return ToneText(DecodeToneField(image, row * kRowSize + column), texts);
}

QString ToneListEntry(const QStringList& toneList, const RadioImage& image, int column, int row,
                      const UiTexts& texts) {
    const QString none = toneList.isEmpty() ? NoneText(texts) : toneList.first();
    QString tone = DecodeTone(image, column, row, texts);
    if (tone == none) return none;
    if (!tone.startsWith(u'D')) tone += QStringLiteral("Hz");
    for (qsizetype i = 1; i < toneList.size(); ++i) {
        const QString& entry = toneList[i];
        const qsizetype at = entry.indexOf(kSeparator);
        if (at >= 0 && entry.mid(at + kSeparator.size()) == tone) return entry;
    }
    return none;
}

void EncodeTone(RadioImage& image, int column, int row, const QString& text, const UiTexts& texts) {
    if (text.isEmpty() || text == NoneText(texts)) {
        StoreNone(image, column, row);
        return;
    }
    const qsizetype at = text.indexOf(kSeparator);
    QString part = at >= 0 ? text.mid(at + kSeparator.size()) : text;
    if (part.endsWith(u'z')) part.chop(2);

    if (!part.startsWith(u'D')) {
        const double tenths = RoundHalfEven(ReadNumber(part, texts.locale()) * 10.0);
        if (!std::isfinite(tenths) || tenths <= 0 || tenths > 9999) {
            StoreNone(image, column, row);
            return;
        }
        const int v = static_cast<int>(tenths);
        image.at(row, column + 1) = ToBcd(v / 100);
        image.at(row, column) = ToBcd(v % 100);
        return;
    }
    std::uint8_t hi = part.endsWith(u'I') ? 0xC0 : 0x80;
    if (part.size() > 1) hi |= static_cast<std::uint8_t>(HexDigit(part[1]) & 0x0F);
    const int high = part.size() > 2 ? HexDigit(part[2]) : 0;
    const int low = part.size() > 3 ? HexDigit(part[3]) : 0;
    image.at(row, column + 1) = hi;
    image.at(row, column) = static_cast<std::uint8_t>(high << 4 | low);
}

QString ToneText(const Tone& tone, const UiTexts& texts) {
    switch (tone.kind) {
        case ToneKind::Ctcss:
            return FormatFixed(tone.value / 10.0, 1, texts.locale());
        case ToneKind::Dcs:
            return DcsCodeText(tone);
        case ToneKind::None:
            break;
    }
    return NoneText(texts);
}

QString DcsCodeText(const Tone& tone) {
    const QChar polarity(tone.inverted ? u'I' : u'N');
    if (tone.value >= 0 && tone.value <= 0xFFF) {
        // The common case written out by hand: the tone list builds 166 of these per refresh.
        static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
        const QChar text[] = {QChar(u'D'), QChar(kDigits[(tone.value >> 8) & 0xF]),
                              QChar(kDigits[(tone.value >> 4) & 0xF]),
                              QChar(kDigits[tone.value & 0xF]), polarity};
        return QString(text, std::size(text));
    }
    return QStringLiteral("D%1%2")
        .arg(QString::number(tone.value, 16).toUpper().rightJustified(3, u'0'))
        .arg(polarity);
}

std::optional<Tone> ParseTone(const QString& text, const QLocale& locale) {
    QString part = text.trimmed();
    if (part.isEmpty() || part == UiTextIn(Language::English, "Tone", "None") ||
        part == UiTextIn(Language::Chinese, "Tone", "None")) {
        return Tone{};
    }
    const qsizetype separator = part.indexOf(QStringLiteral(" - "));
    if (separator >= 0) part = part.mid(separator + 3);
    if (part.endsWith(QStringLiteral("Hz"))) part.chop(2);
    if (part.startsWith(u'D')) {
        // "D" and three hexadecimal digits as the field holds them, then the polarity.
        if (part.size() != 5 || (part[4] != u'N' && part[4] != u'I')) return std::nullopt;
        bool ok = false;
        const int code = part.mid(1, 3).toInt(&ok, 16);
        if (!ok) return std::nullopt;
        return Tone::Dcs(code, part[4] == u'I');
    }
    // A CTCSS tone: a plain number of hertz with one decimal at most.
    QString number = part;
    number.replace(locale.decimalPoint(), QStringLiteral("."));
    number.replace(u',', u'.');
    bool ok = false;
    const double hertz = number.toDouble(&ok);
    if (!ok || !std::isfinite(hertz)) return std::nullopt;
    const double tenths = RoundHalfEven(hertz * 10.0);
    if (tenths <= 0 || tenths > 9999 || std::fabs(tenths - hertz * 10.0) > 1e-6) {
        return std::nullopt;
    }
    return Tone::Ctcss(static_cast<int>(tenths));
}

Tone DecodeToneField(const RadioImage& image, int address) {
    const std::uint8_t lo = image[address];
    const std::uint8_t hi = image[address + 1];
    switch (hi & 0xF0) {
        case 0x80:
        case 0xC0:
            return Tone::Dcs((hi & 0x0F) << 8 | lo, (hi & 0xF0) == 0xC0);
        case 0xF0:
            return Tone{};
        default:
            if (!IsDecimalByte(hi) || !IsDecimalByte(lo)) return Tone{};
            return Tone::Ctcss(FromBcd(hi) * 100 + FromBcd(lo));
    }
}

void EncodeToneField(RadioImage& image, int address, const Tone& tone) {
    std::uint8_t lo = 0xFF;
    std::uint8_t hi = 0xFF;
    if (tone.kind == ToneKind::Ctcss && tone.value > 0 && tone.value <= 9999) {
        hi = ToBcd(tone.value / 100);
        lo = ToBcd(tone.value % 100);
    } else if (tone.kind == ToneKind::Dcs) {
        hi = static_cast<std::uint8_t>((tone.inverted ? 0xC0 : 0x80) | ((tone.value >> 8) & 0x0F));
        lo = static_cast<std::uint8_t>(tone.value & 0xFF);
    }
    image[address] = lo;
    image[address + 1] = hi;
}

}  // namespace qv
