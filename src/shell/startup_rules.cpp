#include "shell/startup_rules.h"

#include <QDir>

#include "codecs/number_text.h"

namespace qv {

std::optional<std::uint8_t> LanguageFromStored(const QString& text) {
    if (text.isEmpty()) return std::uint8_t{0};
    const double value = RoundHalfEven(LeadingNumber(text));
    if (value < 0 || value > 255) return std::nullopt;
    return static_cast<std::uint8_t>(value == 0 ? 0 : 1);
}

QString AppPathFrom(const QString& folder) {
    if (folder.endsWith(u'/') || folder.endsWith(u'\\')) return folder;
    return folder + QDir::separator();
}

}  // namespace qv
