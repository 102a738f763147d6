#include "platform/app_folder.h"

#include <QCoreApplication>

namespace qv {

namespace {
QString g_folder;
}

QString AppFolder() {
    return g_folder.isEmpty() ? QCoreApplication::applicationDirPath() : g_folder;
}

void SetAppFolder(const QString& folder) {
    g_folder = folder;
}

}  // namespace qv
