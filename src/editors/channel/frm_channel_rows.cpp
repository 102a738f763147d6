// What the channel grid offers beyond cell editing: undo and redo of every change, whole
// channels copied and pasted as tab-separated rows, selected channels deleted, and the context
// menu with all of these, in the current language.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QUndoCommand>
#include <QUndoStack>

#include "context/app_context.h"
#include "editors/channel/channel_grid_view.h"
#include "editors/channel/channel_rows_text.h"
#include "editors/channel/frm_channel.h"
#include "language/ui_language.h"
#include "platform/desktop/prompts.h"

namespace qv {

namespace {

// One change of the table: the state before it and after it. The change is already made when
// the command is pushed, so its first redo does nothing.
class TableEdit : public QUndoCommand {
public:
    TableEdit(ChannelTable& table, ChannelTableState before, const QString& text)
        : QUndoCommand(text), table_(table), before_(std::move(before)), after_(table.State()) {}
    void undo() override { table_.RestoreState(before_); }
    void redo() override {
        if (pushed_) {
            pushed_ = false;
            return;
        }
        table_.RestoreState(after_);
    }

private:
    ChannelTable& table_;
    ChannelTableState before_;
    ChannelTableState after_;
    bool pushed_ = true;
};

QAction* MakeAction(QWidget* host, const QString& name, const QList<QKeySequence>& keys) {
    auto* action = new QAction(host);
    action->setObjectName(name);
    action->setShortcuts(keys);
    // Only while the grid itself has the focus: a cell editor keeps its own keys.
    action->setShortcutContext(Qt::WidgetShortcut);
    host->addAction(action);
    return action;
}

}  // namespace

void FrmChannel::BuildRowActions() {
    undoAction_ = MakeAction(grid_, QStringLiteral("actUndo"), {QKeySequence::Undo});
    redoAction_ = MakeAction(
        grid_, QStringLiteral("actRedo"),
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    auto* separator = new QAction(grid_);
    separator->setSeparator(true);
    grid_->addAction(separator);
    copyAction_ = MakeAction(grid_, QStringLiteral("actCopy"), {QKeySequence::Copy});
    pasteAction_ = MakeAction(grid_, QStringLiteral("actPaste"), {QKeySequence::Paste});
    deleteAction_ = MakeAction(grid_, QStringLiteral("actDelete"), {QKeySequence(Qt::Key_Delete)});
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);

    undoAction_->setEnabled(false);
    redoAction_->setEnabled(false);
    connect(undoStack_, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    connect(undoStack_, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
    connect(undoAction_, &QAction::triggered, this, [this] {
        CommitOpenEditor();
        undoStack_->undo();
    });
    connect(redoAction_, &QAction::triggered, this, [this] {
        CommitOpenEditor();
        undoStack_->redo();
    });
    // Delete empties whole channels: it offers itself while whole rows are selected.
    deleteAction_->setEnabled(false);
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { deleteAction_->setEnabled(!SelectedRows().isEmpty()); });
    connect(copyAction_, &QAction::triggered, this, &FrmChannel::CopyRows);
    connect(pasteAction_, &QAction::triggered, this, &FrmChannel::PasteRows);
    connect(deleteAction_, &QAction::triggered, this, &FrmChannel::DeleteSelectedRows);
}

void FrmChannel::UpdateRowActionTexts() {
    undoAction_->setText(context_.texts().UiText("Channel", "Undo"));
    redoAction_->setText(context_.texts().UiText("Channel", "Redo"));
    copyAction_->setText(context_.texts().UiText("Channel", "Copy"));
    pasteAction_->setText(context_.texts().UiText("Channel", "Paste"));
    deleteAction_->setText(context_.texts().UiText("Channel", "Delete channels"));
}

void FrmChannel::OnTableEdited(const ChannelTableState& before, const QString& what) {
    undoStack_->push(new TableEdit(*table_, before, what));
}

QList<int> FrmChannel::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows()) {
        rows << ChannelTable::TableRow(index);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

QString FrmChannel::SelectedRowsText() const {
    QList<int> rows = SelectedRows();
    if (rows.isEmpty()) rows << curRow_;
    return ChannelRowsText(*table_, data_, rows);
}

void FrmChannel::CopyRows() {
    CommitOpenEditor();
    QGuiApplication::clipboard()->setText(SelectedRowsText());
}

void FrmChannel::PasteRows() {
    PasteRowsText(QGuiApplication::clipboard()->text());
}

bool FrmChannel::PasteRowsText(const QString& text) {
    CommitOpenEditor();
    const ChannelPasteResult result = PasteChannelRows(*table_, data_, curRow_, text);
    if (!result.ok) {
        PromptRequest request;
        request.text = context_.texts()
                           .UiText("Channel", "The channels cannot be pasted: %1")
                           .arg(result.error);
        request.title = AppTitle();
        request.icon = PromptIcon::Exclamation;
        request.buttons = PromptButtons::Ok;
        context_.prompts().Message(this, request);
        return false;
    }
    // The pasted channels stay selected, as a spreadsheet leaves them.
    grid_->clearSelection();
    for (int row : result.rows) {
        grid_->selectionModel()->select(table_->IndexOf(row, 1),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    return true;
}

void FrmChannel::DeleteSelectedRows() {
    CommitOpenEditor();
    const QList<int> rows = SelectedRows();
    if (!rows.isEmpty()) table_->DeleteChannels(rows);
}

}  // namespace qv
