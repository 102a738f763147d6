#include "editors/channel/channel_grid_view.h"

namespace qv {

QWidget* ChannelGridView::OpenEditor() const {
    if (state() != QAbstractItemView::EditingState) return nullptr;
    return indexWidget(currentIndex());
}

void ChannelGridView::CommitOpenEditor() {
    if (QWidget* editor = OpenEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

}  // namespace qv
