#include "print/pdf_text_map.h"

#include <QFontDatabase>
#include <QHash>
#include <QRawFont>
#include <QRegularExpression>

namespace qv {

namespace {

constexpr char16_t kFirstRadical = 0x2E80;
constexpr char16_t kLastRadical = 0x2FDF;

bool IsRadical(char16_t c) {
    return c >= kFirstRadical && c <= kLastRadical;
}

quint32 GlyphOf(const QRawFont& font, QChar c) {
    const QList<quint32> glyphs = font.glyphIndexesForString(QString(c));
    return glyphs.size() == 1 ? glyphs[0] : 0;
}

// Radical -> the character of the page drawn with the same glyph.
QHash<char16_t, char16_t> RadicalReplacements(const QString& pageText, const QFont& font) {
    QHash<char16_t, char16_t> replacements;
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese);
    if (!raw.isValid()) return replacements;
    QHash<quint32, char16_t> pageGlyphs;
    for (QChar c : pageText) {
        if (c.unicode() < kFirstRadical || IsRadical(c.unicode()) || c.isSurrogate()) continue;
        if (const quint32 glyph = GlyphOf(raw, c)) pageGlyphs.insert(glyph, c.unicode());
    }
    for (char16_t r = kFirstRadical; r <= kLastRadical; ++r) {
        if (pageText.contains(QChar(r)) || !raw.supportsCharacter(QChar(r))) continue;
        const quint32 glyph = GlyphOf(raw, QChar(r));
        if (glyph && pageGlyphs.contains(glyph)) replacements.insert(r, pageGlyphs.value(glyph));
    }
    return replacements;
}

}  // namespace

void MendCjkTextMap(QByteArray& pdf, const QString& pageText, const QFont& font) {
    const QHash<char16_t, char16_t> replacements = RadicalReplacements(pageText, font);
    if (replacements.isEmpty()) return;
    // The text maps are plain CMap streams; their targets are four hex digits in <>.
    static const QRegularExpression target(QStringLiteral("<(2[EF][0-9A-F]{2})>"));
    const QByteArray begin("beginbfrange");
    const QByteArray end("endbfrange");
    for (qsizetype from = pdf.indexOf(begin); from >= 0; from = pdf.indexOf(begin, from)) {
        const qsizetype to = pdf.indexOf(end, from);
        if (to < 0) break;
        // Only the targets inside [ ] arrays; the glyph numbers before them are left alone.
        for (qsizetype open = pdf.indexOf('[', from); open >= 0 && open < to;
             open = pdf.indexOf('[', open + 1)) {
            const qsizetype close = pdf.indexOf(']', open);
            if (close < 0 || close > to) break;
            const QString entries = QString::fromLatin1(pdf.mid(open, close - open));
            for (auto match = target.globalMatch(entries); match.hasNext();) {
                const auto found = match.next();
                const char16_t radical = char16_t(found.captured(1).toUInt(nullptr, 16));
                if (!replacements.contains(radical)) continue;
                const QByteArray hex = QByteArray::number(replacements.value(radical), 16)
                                           .toUpper()
                                           .rightJustified(4, '0');
                pdf.replace(open + found.capturedStart(1), 4, hex);
            }
            open = close;
        }
        from = to;
    }
}

}  // namespace qv
