#include "editors/channel/channel_grid_view.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include "editors/channel/channel_delegates.h"
#include "editors/common/cell_editing.h"

namespace qv {

namespace {

QModelIndex EditedIndex(const QAbstractItemModel* model, const QWidget* editor) {
    return model->index(editor->property(kCellRowProperty).toInt() - 1,
                        editor->property(kCellColumnProperty).toInt() - 1);
}

}  // namespace

QWidget* ChannelGridView::OpenEditor() const {
    if (refused_) return refused_;
    if (state() != QAbstractItemView::EditingState) return nullptr;
    return indexWidget(currentIndex());
}

void ChannelGridView::CommitOpenEditor() {
    if (QWidget* editor = OpenEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void ChannelGridView::commitData(QWidget* editor) {
    const QModelIndex index = EditedIndex(model(), editor);
    auto* delegate = qobject_cast<ChannelCellDelegate*>(itemDelegateForIndex(index));
    if (delegate && delegate->Refuses(editor)) {
        refused_ = editor;
        return;
    }
    refused_ = nullptr;
    QTableView::commitData(editor);
}

void ChannelGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Esc closes a refused editor too: the cell keeps what it had.
    if (editor == refused_ && hint != QAbstractItemDelegate::RevertModelCache) {
        // The view may be moving to another cell right now; go back once it is done.
        QTimer::singleShot(0, this, &ChannelGridView::ReturnToRefusedEditor);
        return;
    }
    if (editor == refused_) refused_ = nullptr;
    QTableView::closeEditor(editor, hint);
}

void ChannelGridView::ReturnToRefusedEditor() {
    if (!refused_) return;
    const QModelIndex index = EditedIndex(model(), refused_);
    if (currentIndex() != index) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
    // Another program's window keeps the focus it was given.
    if (!refused_->window()->isActiveWindow()) return;
    refused_->setFocus(Qt::OtherFocusReason);
    if (auto* combo = qobject_cast<QComboBox*>(refused_.data()); combo && combo->lineEdit()) {
        combo->lineEdit()->selectAll();
    }
}

}  // namespace qv
