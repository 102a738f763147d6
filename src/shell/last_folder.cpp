#include "shell/last_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/settings_store.h"

namespace qv {

namespace {

const char* const kLastFolderValue = "LastFolder";

}  // namespace

QString LastUsedFolder(const SettingsStore& store) {
    const QString stored = store.GetUserText(kLastFolderValue);
    // A folder since removed, or a store edited by hand, falls back like a first start.
    if (!stored.isEmpty() && QFileInfo(stored).isDir()) return stored;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void RememberUsedFolder(SettingsStore& store, const QString& chosenPath) {
    if (chosenPath.isEmpty()) return;
    // A store that cannot be written only means the next dialog starts elsewhere.
    store.SetUserText(kLastFolderValue, QFileInfo(chosenPath).absolutePath());
}

QString InLastUsedFolder(const SettingsStore& store, const QString& fileName) {
    return QDir(LastUsedFolder(store)).filePath(fileName);
}

}  // namespace qv
