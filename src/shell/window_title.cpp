#include "shell/window_title.h"

#include <QFileInfo>

#include "language/ui_language.h"

namespace qv {

QString MainWindowTitle(const QString& filePath) {
    if (filePath.isEmpty()) return AppTitle() + QStringLiteral("[*]");
    // A "[*]" inside the name itself would be taken for the placeholder; Qt shows "[[*]" as "[*]".
    QString name = QFileInfo(filePath).fileName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[[*]"));
    return AppTitle() + QStringLiteral(" - ") + name + QStringLiteral("[*]");
}

}  // namespace qv
