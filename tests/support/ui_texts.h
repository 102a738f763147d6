// The texts a test reads unless it says otherwise: English words and "." as decimal separator.
#pragma once

#include <QLocale>

#include "language/ui_language.h"

namespace qv::test {

inline const UiTexts kEnglish{};
inline const UiTexts kChinese{Language::Chinese};
inline const QLocale kDotLocale = QLocale::c();

}  // namespace qv::test
