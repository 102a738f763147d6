// The settings store: the one value "Language" kept between runs, under the organisation "QV" and
// the application "QV-730" (the registry on Windows, ~/.config/QV/QV-730.conf elsewhere).
#pragma once

#include <QString>

namespace qv {

// The text of a stored value, or "" when it is missing or unreadable.
QString GetRegValue(const QString& valueName);
// Writes a text value; false when the store could not be written.
bool SetRegValue(const QString& valueName, const QString& text);

}  // namespace qv
