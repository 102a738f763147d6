// A text read from a radio may hold any byte; shown as it is, control bytes would break a table
// or a line. They are shown as \x12 (and a backslash as \\, so the text reads back one way only).
#pragma once

#include <QString>

namespace qv {

QString PrintableText(const QString& text);

}  // namespace qv
