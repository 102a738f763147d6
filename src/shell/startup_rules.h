// The rules start-up applies to what it reads: the stored language and the application folder.
#pragma once

#include <QString>
#include <optional>

#include "language/ui_language.h"

namespace qv {

// The stored "Language" text as a language: "" gives English; otherwise the text's leading number
// taken as a byte, where any value other than 0 means Chinese. A number that is not a byte (below
// 0 or above 255) cannot be converted: nothing is returned and the caller reports "Overflow".
std::optional<Language> LanguageFromStored(const QString& text);

// The folder with exactly one trailing separator (one is appended only when it has none).
QString AppPathFrom(const QString& folder);

}  // namespace qv
