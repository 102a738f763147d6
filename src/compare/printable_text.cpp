#include "compare/printable_text.h"

namespace qv {

QString PrintableText(const QString& text) {
    QString printable;
    for (QChar c : text) {
        const char16_t code = c.unicode();
        if (code == u'\\') {
            printable += QStringLiteral("\\\\");
        } else if (code < 0x20 || (code >= 0x7F && code <= 0xA0) || code == 0xAD) {
            printable += QStringLiteral("\\x%1").arg(int(code), 2, 16, QChar(u'0'));
        } else {
            printable += c;
        }
    }
    return printable;
}

}  // namespace qv
