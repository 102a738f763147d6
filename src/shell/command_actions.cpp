#include "shell/command_actions.h"

#include <QAction>
#include <QApplication>
#include <QStyle>

#include "shell/bar_layout.h"

namespace qv {

namespace {

QIcon ToolIcon(const QString& tool) {
    QStyle* style = QApplication::style();
    if (tool == "miNew") return style->standardIcon(QStyle::SP_FileIcon);
    if (tool == "miOpen") return style->standardIcon(QStyle::SP_DialogOpenButton);
    if (tool == "miSave") return style->standardIcon(QStyle::SP_DialogSaveButton);
    if (tool == "miPrint") return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    if (tool == "miRead") return style->standardIcon(QStyle::SP_ArrowDown);
    if (tool == "miWrite") return style->standardIcon(QStyle::SP_ArrowUp);
    if (tool == "miAbout") return style->standardIcon(QStyle::SP_MessageBoxInformation);
    return {};
}

void AddKeys(QList<QKeySequence>& keys, const QList<QKeySequence>& more) {
    for (const QKeySequence& key : more) {
        if (!key.isEmpty() && !keys.contains(key)) keys << key;
    }
}

// The usual keys of a desktop program. Each action exists once, so a key has one owner wherever
// the action is shown.
QList<QKeySequence> ToolShortcuts(const QString& tool) {
    QList<QKeySequence> keys;
    if (tool == "miNew") AddKeys(keys, QKeySequence::keyBindings(QKeySequence::New));
    if (tool == "miOpen") AddKeys(keys, QKeySequence::keyBindings(QKeySequence::Open));
    if (tool == "miClose") AddKeys(keys, {QKeySequence(Qt::CTRL | Qt::Key_W)});
    if (tool == "miSave") AddKeys(keys, QKeySequence::keyBindings(QKeySequence::Save));
    if (tool == "miPrintList") AddKeys(keys, QKeySequence::keyBindings(QKeySequence::Print));
    if (tool == "miUndo") AddKeys(keys, QKeySequence::keyBindings(QKeySequence::Undo));
    if (tool == "miRedo") {
        // The platform's key first, then both keys users bring from other programs.
        AddKeys(keys, QKeySequence::keyBindings(QKeySequence::Redo));
        AddKeys(keys, {QKeySequence(Qt::CTRL | Qt::Key_Y),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    }
    if (tool == "miCut") AddKeys(keys, QKeySequence::keyBindings(QKeySequence::Cut));
    if (tool == "miCopy") AddKeys(keys, QKeySequence::keyBindings(QKeySequence::Copy));
    if (tool == "miPaste") AddKeys(keys, QKeySequence::keyBindings(QKeySequence::Paste));
    if (tool == "miDeleteChannels") {
        AddKeys(keys, QKeySequence::keyBindings(QKeySequence::Delete));
    }
    return keys;
}

bool IsCheckable(const QString& tool) {
    return tool == "miTreeView" || tool == "miToolBar" || tool == "miStatusBar" ||
           tool == "miChinese" || tool == "miEnglish";
}

}  // namespace

CommandActions::CommandActions(QObject* parent, const UiTexts& texts)
    : QObject(parent), texts_(texts) {
    setObjectName("CommandActions");
    for (const BandSpec& band : BuiltInBarLayout()) {
        if (band.kind == BandKind::Dock) continue;  // its one tool hosts a window
        for (const ToolSpec& entry : band.tools) {
            const QString name = entry.name;
            // The entries that drop a menu down are no commands of their own.
            if (DropDownBandOf(entry.name) || actions_.contains(name)) continue;
            auto* action = new QAction(this);
            action->setObjectName(name);
            action->setCheckable(IsCheckable(name));
            action->setIcon(ToolIcon(name));
            action->setIconVisibleInMenu(false);
            action->setShortcuts(ToolShortcuts(name));
            actions_.insert(name, action);
            captions_.insert(name, entry.caption);
            names_ << name;
        }
    }
    Retranslate();
}

bool CommandActions::Define(const QString& name, std::function<void()> run) {
    QAction* action = Action(name);
    if (!action) return false;
    defined_.insert(name, true);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return true;
}

bool CommandActions::Trigger(const QString& name) const {
    if (!IsDefined(name)) return false;
    Action(name)->trigger();
    return true;
}

void CommandActions::Retranslate() {
    for (const QString& name : names_) {
        actions_.value(name)->setText(texts_.UiText("MainBar", captions_.value(name)));
    }
}

}  // namespace qv
