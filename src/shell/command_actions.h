// The main window's commands as actions: one QAction per command, created once, named by its
// tool name ("miSave"), with its caption in the current language, its shortcut, its check mark and
// its enabled state. The menus, the tool bar and the tree all show and trigger these same
// actions; what a command does is bound to it by name.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "language/ui_language.h"

class QAction;

namespace qv {

class CommandActions : public QObject {
    Q_OBJECT
public:
    // An action for every tool the built-in bar layout names (each name once), captioned in the
    // language of `texts`.
    CommandActions(QObject* parent, const UiTexts& texts);

    // The action of a command, nullptr for a name that is no command.
    QAction* Action(const QString& name) const { return actions_.value(name); }
    // Every command name, in the order of the layout.
    const QStringList& Names() const { return names_; }

    // What the command does: its action's trigger runs `run`. A name that is no command is
    // refused (false), so a misspelt name cannot go unnoticed.
    bool Define(const QString& name, std::function<void()> run);
    bool IsDefined(const QString& name) const { return defined_.contains(name); }
    // Triggers the command's action, as a click on it does (nothing while it is disabled).
    // False for a name that is no defined command.
    bool Trigger(const QString& name) const;

    // Every caption in the current language.
    void Retranslate();

private:
    const UiTexts& texts_;
    QHash<QString, QAction*> actions_;
    QHash<QString, const char*> captions_;  // English, the catalogue's source text
    QStringList names_;
    QHash<QString, bool> defined_;
};

}  // namespace qv
