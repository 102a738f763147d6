// What the channel grid offers beyond cell editing: every change stored into the image as it is
// made and named as one step of the document's undo history, whole channels cut, copied and
// pasted as tab-separated rows, selected channels deleted, and the context menu with all of
// these, in the current language.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "context/app_context.h"
#include "desktop/prompts.h"
#include "editors/channel/channel_grid_view.h"
#include "editors/channel/channel_rows_text.h"
#include "editors/channel/channel_texts.h"
#include "editors/channel/frm_channel.h"
#include "language/ui_language.h"

namespace qv {

namespace {

QAction* MakeAction(QWidget* host, const QString& name, const QList<QKeySequence>& keys) {
    auto* action = new QAction(host);
    action->setObjectName(name);
    action->setShortcuts(keys);
    // Only while the grid itself has the focus: a cell editor keeps its own keys.
    action->setShortcutContext(Qt::WidgetShortcut);
    return action;
}

// The name of the undo step of an edit, in a language: "Type in Channel 3 RX Freq.".
DocumentHistory::StepName StepNameOf(const ChannelEdit& edit, bool cut) {
    switch (edit.kind) {
        case ChannelEdit::Kind::Paste:
            return [](const UiTexts& texts) { return texts.UiText("Undo", "Paste Channels"); };
        case ChannelEdit::Kind::Delete:
            if (cut)
                return [](const UiTexts& texts) { return texts.UiText("Undo", "Cut Channels"); };
            return [](const UiTexts& texts) { return texts.UiText("Undo", "Delete Channels"); };
        case ChannelEdit::Kind::Cell:
            break;
    }
    return [row = edit.row, column = edit.column](const UiTexts& texts) {
        return texts.UiText("Undo", "Type in Channel %1 %2")
            .arg(row)
            .arg(channel::HeaderText(column, texts));
    };
}

}  // namespace

void FrmChannel::BuildRowActions() {
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { emit RowSelectionChanged(HasSelectedRows()); });
}

void FrmChannel::BuildOwnActions() {
    own_.undo = MakeAction(grid_, QStringLiteral("actUndo"), {QKeySequence::Undo});
    own_.redo = MakeAction(
        grid_, QStringLiteral("actRedo"),
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    own_.cut = MakeAction(grid_, QStringLiteral("actCut"), {QKeySequence::Cut});
    own_.copy = MakeAction(grid_, QStringLiteral("actCopy"), {QKeySequence::Copy});
    own_.paste = MakeAction(grid_, QStringLiteral("actPaste"), {QKeySequence::Paste});
    own_.deleteChannels =
        MakeAction(grid_, QStringLiteral("actDelete"), {QKeySequence(Qt::Key_Delete)});
    History()->BindActions(own_.undo, own_.redo);
    connect(own_.undo, &QAction::triggered, History(), &DocumentHistory::Undo);
    connect(own_.redo, &QAction::triggered, History(), &DocumentHistory::Redo);
    connect(own_.cut, &QAction::triggered, this, &FrmChannel::CutRows);
    connect(own_.copy, &QAction::triggered, this, &FrmChannel::CopyRows);
    connect(own_.paste, &QAction::triggered, this, &FrmChannel::PasteRows);
    connect(own_.deleteChannels, &QAction::triggered, this, &FrmChannel::DeleteSelectedRows);
    // Cut and Delete work on whole channels: they offer themselves while rows are selected.
    for (QAction* rowsOnly : {own_.cut, own_.deleteChannels}) {
        rowsOnly->setEnabled(false);
        connect(this, &FrmChannel::RowSelectionChanged, rowsOnly, &QAction::setEnabled);
    }
    UseEditActions(own_);
    UpdateRowActionTexts();
}

void FrmChannel::UseEditActions(const ChannelEditActions& actions) {
    for (QAction* action : grid_->actions()) grid_->removeAction(action);
    if (!separator_) {
        separator_ = new QAction(grid_);
        separator_->setSeparator(true);
    }
    grid_->addActions({actions.undo, actions.redo, separator_, actions.cut, actions.copy,
                       actions.paste, actions.deleteChannels});
}

void FrmChannel::UpdateRowActionTexts() {
    // Undo and Redo are named by the history; the main window names its own actions.
    if (!own_.copy) return;
    own_.cut->setText(context_.texts().UiText("Channel", "Cut"));
    own_.copy->setText(context_.texts().UiText("Channel", "Copy"));
    own_.paste->setText(context_.texts().UiText("Channel", "Paste"));
    own_.deleteChannels->setText(context_.texts().UiText("Channel", "Delete Channels"));
    History()->Retranslate();
}

void FrmChannel::OnTableEdited(const ChannelEdit& what) {
    // Stored through at once: the image is the document, and each edit is one step of its
    // history. The bytes are those SaveData has always written.
    table_->SaveData();
    if (DocumentHistory* history = History()) history->Record(StepNameOf(what, cutting_));
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

void FrmChannel::CutRows() {
    CommitOpenEditor();
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty()) return;
    QGuiApplication::clipboard()->setText(SelectedRowsText());
    cutting_ = true;
    table_->DeleteChannels(rows);
    cutting_ = false;
}

}  // namespace qv
