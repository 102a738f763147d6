#include "shell/recent_files_menu.h"

#include <QAction>
#include <QMenu>

#include "platform/settings_store.h"
#include "shell/recent_file_list.h"

namespace qv {

namespace {

const char* const kRecentFilesValue = "RecentFiles";

}  // namespace

RecentFilesMenu::RecentFilesMenu(QMenu* fileMenu, QAction* exitAction, SettingsStore& store,
                                 QObject* parent)
    : QObject(parent), menu_(fileMenu), store_(store) {
    setObjectName("RecentFiles");
    // Exit has a separator of its own above it; the entries sit above that one, after their own.
    const QList<QAction*> actions = menu_->actions();
    const qsizetype exitAt = actions.indexOf(exitAction);
    QAction* before =
        exitAt > 0 && actions[exitAt - 1]->isSeparator() ? actions[exitAt - 1] : exitAction;
    separator_ = new QAction(menu_);
    separator_->setSeparator(true);
    menu_->insertAction(before, separator_);
    for (int i = 0; i < kRecentFileCount; ++i) {
        auto* entry = new QAction(menu_);
        entry->setObjectName(QStringLiteral("miRecent%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, i] {
            if (i >= files_.size()) return;
            // A copy: opening the file changes the list (a missing file leaves it, a save or an
            // open moves its entry), and the receivers still use the path after that.
            const QString path = files_[i];
            emit OpenRequested(path);
        });
        menu_->insertAction(before, entry);
        entries_.push_back(entry);
    }
    // What another program (or a hand) left in the store is cleaned up like any other list.
    QStringList stored;
    for (const QString& path : store_.GetUserList(kRecentFilesValue)) {
        if (stored.size() < kRecentFileCount && !path.isEmpty()) stored << path;
    }
    files_ = stored;
    Rebuild();
}

void RecentFilesMenu::Add(const QString& path) {
    SetFiles(WithRecentFile(files_, path));
}

void RecentFilesMenu::Remove(const QString& path) {
    SetFiles(WithoutRecentFile(files_, path));
}

void RecentFilesMenu::SetFiles(const QStringList& files) {
    files_ = files;
    store_.SetUserList(kRecentFilesValue, files_);  // a store that cannot be written keeps the menu
    Rebuild();
}

void RecentFilesMenu::Rebuild() {
    for (int i = 0; i < int(entries_.size()); ++i) {
        const bool used = i < files_.size();
        entries_[i]->setVisible(used);
        entries_[i]->setText(used ? RecentFileCaption(i, files_[i]) : QString());
        entries_[i]->setStatusTip(used ? files_[i] : QString());
    }
    separator_->setVisible(!files_.isEmpty());
}

}  // namespace qv
