// Reading one key of one section of an INI file, the way the program reads Radio.INI.
#pragma once

#include <QString>

namespace qv {

// The value of `key` in `section` of `file`, or "" when the file, the section or the key is
// missing. Section and key names match without regard to case or surrounding blanks, so
// "ComRecvCount " (with its trailing blank) and "ComRecvCount" name the same key. Blanks around
// the value and one pair of enclosing quotes are dropped; NUL characters are removed and the
// value is cut at 9,999 characters.
QString GetIniValue(const QString& section, const QString& key, const QString& file);

// Radio.INI in `folder` (the application folder): the link timing and the ports' devices.
QString RadioIniPath(const QString& folder);

}  // namespace qv
