// The main window's caption: "QV-730" until a file has been opened or saved, then "QV-730 -
// plan.tw". Both carry Qt's "[*]" placeholder, which shows "*" while there are unsaved changes:
// data read from the radio or started anew is unsaved as soon as it is edited.
#pragma once

#include <QString>

namespace qv {

QString MainWindowTitle(const QString& filePath);

}  // namespace qv
