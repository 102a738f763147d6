// Makes the Chinese text of a PDF written by Qt extract as written. CJK fonts draw a radical
// (U+2E80-U+2FDF) and the ideograph it looks like with one glyph, and the PDF's text map names the
// lowest code point of a glyph, so "音" would copy and search as the radical "⾳". The map is
// mended in place: each radical the page never used becomes the page's character of the same
// glyph. Entries keep their length, so no offset in the file moves.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QString>

namespace qv {

void MendCjkTextMap(QByteArray& pdf, const QString& pageText, const QFont& font);

}  // namespace qv
