// Editing the channel grid: which cell a click or key really addresses, which keys open an
// editor (and which typed character it starts with), and where the current cell goes after
// Enter.
#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>

#include "context/app_context.h"
#include "desktop/prompts.h"
#include "editors/channel/channel_delegates.h"
#include "editors/channel/channel_grid_view.h"
#include "editors/channel/frm_channel.h"
#include "editors/common/cell_editing.h"

namespace qv {

using namespace channel;

namespace {

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool IsAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

}  // namespace

void FrmChannel::EditCell() {
    // An editor kept open for a refused frequency is finished first (retyped, or Esc).
    if (grid_->RefusedEditor()) return;
    if (table_->EditorFor(curRow_, curCol_) == CellEditor::None) return;
    grid_->edit(table_->IndexOf(curRow_, curCol_));
}

void FrmChannel::RedirectCurrentCell() {
    const int column = table_->RedirectColumn(curRow_, curCol_);
    if (column != curCol_) SetCurrentCell(curRow_, column);
}

void FrmChannel::OnCellClicked(const QModelIndex& index) {
    if (!index.isValid()) return;
    // Shift and Ctrl clicks extend the selection, as in a spreadsheet; they edit nothing.
    if (QGuiApplication::keyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) return;
    SetCurrentCell(ChannelTable::TableRow(index), ChannelTable::TableColumn(index));
    if (ChannelTable::TableColumn(index) != kColMode) RedirectCurrentCell();
    EditCell();
}

bool FrmChannel::OnLockedTxCell() const {
    // The TX cells of an existing Simplex or RX-only channel, which a load locks.
    return (curCol_ == kColTxFreq || curCol_ == kColTxTone) && !table_->IsEmptyChannel(curRow_) &&
           table_->IsDisplayOnly(curRow_, curCol_);
}

bool FrmChannel::AskToMakeRepeater() {
    PromptRequest request;
    request.text = RepeaterQuestion(curRow_, context_.texts());
    request.title = AppTitle();
    request.icon = PromptIcon::Question;
    request.buttons = PromptButtons::YesNo;
    request.defaultButton = PromptAnswer::Yes;
    if (context_.prompts().Message(this, request) != PromptAnswer::Yes) return false;
    // Unlocked as on a repeater row; the Mode follows from what is typed into them.
    table_->ApplyMode(ChannelMode::Repeater, curRow_, curCol_);
    return true;
}

void FrmChannel::OnCellDoubleClicked(const QModelIndex& index) {
    if (!index.isValid()) return;
    if (QGuiApplication::keyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) return;
    SetCurrentCell(ChannelTable::TableRow(index), ChannelTable::TableColumn(index));
    RedirectCurrentCell();
    // The click before it opened whatever the cell offers; a locked TX cell offers nothing yet.
    if (OnLockedTxCell() && AskToMakeRepeater()) EditCell();
}

void FrmChannel::OnEnterInEditor(int row, int column) {
    int next = column + 1;  // frequencies and names: the next column, no skipping
    if (column != kColRxFreq && column != kColTxFreq && column != kColName) {
        // The tone and option lists go to the next editable column, as the row is now.
        next = table_->NextColumnAfterChoice(row, column, [this](int c) {
            return grid_->isColumnHidden(c - 1) || grid_->columnWidth(c - 1) == 0;
        });
    }
    grid_->setFocus(Qt::OtherFocusReason);
    if (next >= 1 && next < kTableColumns) SetCurrentCell(row, next);
}

bool FrmChannel::HandleGridKey(QKeyEvent* event) {
    // Combinations with Ctrl or Alt belong to the window (copy, paste, undo, the hidden keys).
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    if (event->key() == Qt::Key_Delete) {
        DeleteSelectedRows();
        return true;
    }
    const QString text = event->text();
    const bool enter = IsEnterKey(event);
    if (!enter && (text.isEmpty() || !text.at(0).isPrint())) return false;

    RedirectCurrentCell();
    // A key on a locked TX cell asks first; No leaves the cell as it was, Yes goes on to edit.
    bool unlocked = false;
    if (OnLockedTxCell()) {
        if (!AskToMakeRepeater()) return true;
        unlocked = true;
    }
    if (enter || (unlocked && curCol_ == kColTxTone)) {
        EditCell();
        return true;
    }
    const QChar typed = text.at(0);
    if (curCol_ == kColRxFreq || curCol_ == kColTxFreq) {
        // The key opens the editor and is its first character, as in the name column.
        const std::optional<QString> first = table_->AcceptedFrequencyText(typed);
        if (first && !first->isEmpty()) {
            EditCell();
            FrequencyDelegate::StartWith(grid_->OpenEditor(), *first);
        }
    } else if (curCol_ == kColName) {
        if (IsAsciiDigit(typed) || IsAsciiLetter(typed)) {
            EditCell();
            NameDelegate::StartWith(grid_->OpenEditor(), typed);
        }
    }
    return true;  // no other typed character does anything on the grid
}

bool FrmChannel::eventFilter(QObject* watched, QEvent* event) {
    if (!grid_) return false;  // the window is being taken down
    if (event->type() == QEvent::Paint && watched == grid_->findChild<QAbstractButton*>()) {
        return PaintCorner(static_cast<QWidget*>(watched));
    }
    if (event->type() == QEvent::Resize && watched == grid_->viewport()) FitColumns();
    if (event->type() == QEvent::KeyPress && watched == grid_) {
        return HandleGridKey(static_cast<QKeyEvent*>(event));
    }
    return EditorWindow::eventFilter(watched, event);
}

}  // namespace qv
