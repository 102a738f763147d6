#include "shell/startup_rules.h"

#include <QDir>

#include "codecs/number_text.h"

namespace qv {

std::optional<Language> LanguageFromStored(const QString& text) {
    if (text.isEmpty()) return Language::English;
    const double value = RoundHalfEven(LeadingNumber(text));
    if (value < 0 || value > 255) return std::nullopt;
    return value == 0 ? Language::English : Language::Chinese;
}

QString AppPathFrom(const QString& folder) {
    if (folder.endsWith(u'/') || folder.endsWith(u'\\')) return folder;
    return folder + QDir::separator();
}

}  // namespace qv
