#include "codecs/tone.h"

#include <cmath>

#include "codecs/number_text.h"

namespace qv {

namespace {

const QString kSeparator = QStringLiteral(" - ");

bool IsDecimalByte(std::uint8_t b) {
    return (b >> 4) <= 9 && (b & 0x0F) <= 9;
}

int HexDigit(QChar c) {
    const int value = QString(c).toInt(nullptr, 16);
    return value;  // 0 for anything that is not a hexadecimal digit
}

std::uint8_t ToBcd(int twoDigits) {
    return static_cast<std::uint8_t>((twoDigits / 10) << 4 | (twoDigits % 10));
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
    const std::uint8_t lo = image.at(row, column);
    const std::uint8_t hi = image.at(row, column + 1);
    switch (hi & 0xF0) {
        case 0x80:
        case 0xC0: {
            const int code = (hi & 0x0F) * 256 + lo;
            const QChar polarity = (hi & 0xF0) == 0x80 ? u'N' : u'I';
            return QStringLiteral("D%1%2")
                .arg(QString::number(code, 16).toUpper().rightJustified(3, u'0'))
                .arg(polarity);
        }
        case 0xF0:
            return NoneText(texts);
        default:
            if (!IsDecimalByte(hi) || !IsDecimalByte(lo)) return NoneText(texts);
            const int tenths = ((hi >> 4) * 10 + (hi & 0x0F)) * 100 + (lo >> 4) * 10 + (lo & 0x0F);
            return FormatFixed(tenths / 10.0, 1, texts.locale());
    }
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

}  // namespace qv
