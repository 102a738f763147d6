// The folder the file dialogs start in: the one a file was last opened, saved, imported or
// exported in, kept in the settings store for the next start. Before any, the user's documents.
#pragma once

#include <QString>

namespace qv {

class SettingsStore;

QString LastUsedFolder(const SettingsStore& store);
// Remembers the folder of a path the user chose in a file dialog.
void RememberUsedFolder(SettingsStore& store, const QString& chosenPath);
// A file name in the folder last used, for a dialog to offer.
QString InLastUsedFolder(const SettingsStore& store, const QString& fileName);

}  // namespace qv
