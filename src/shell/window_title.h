// The main window's caption: "QV-730" until a file has been opened or saved, then "QV-730 -
// plan.tw" with Qt's "[*]" placeholder, which shows "*" while there are unsaved changes.
#pragma once

#include <QString>

namespace qv {

QString MainWindowTitle(const QString& filePath);

}  // namespace qv
