// The recent files in the File menu, above Exit, kept in the user's settings store between runs.
#pragma once

#include <QObject>
#include <QStringList>
#include <vector>

class QAction;
class QMenu;

namespace qv {

class SettingsStore;

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // The entries go into `fileMenu` just before the separator above `exitAction`; the list is
    // read from and kept in `store`.
    RecentFilesMenu(QMenu* fileMenu, QAction* exitAction, SettingsStore& store,
                    QObject* parent = nullptr);

    QStringList Files() const { return files_; }
    // Puts a file opened or saved in front and stores the list.
    void Add(const QString& path);
    // Takes a file off the list (it no longer exists) and stores the list.
    void Remove(const QString& path);

signals:
    void OpenRequested(const QString& path);

private:
    void SetFiles(const QStringList& files);
    void Rebuild();

    QMenu* menu_;
    SettingsStore& store_;
    QAction* separator_;
    std::vector<QAction*> entries_;
    QStringList files_;
};

}  // namespace qv
