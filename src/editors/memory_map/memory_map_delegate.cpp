#include "editors/memory_map/memory_map_delegate.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "editors/common/cell_editing.h"
#include "editors/memory_map/hex_validator.h"

namespace qv {

QWidget* MemoryMapDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                         const QModelIndex& index) const {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("txtMemory"));
    box->setMaxLength(2);
    box->setValidator(new HexValidator(box));
    box->setAlignment(Qt::AlignCenter);
    box->setText(index.data(Qt::DisplayRole).toString());
    box->selectAll();
    box->setProperty(kCellRowProperty, index.row());
    box->setProperty(kCellColumnProperty, index.column());
    editor_ = box;
    return box;
}

void MemoryMapDelegate::setEditorData(QWidget* /*editor*/, const QModelIndex& /*index*/) const {
    // Filled once when it opens; what the user typed since stays.
}

void MemoryMapDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
    model->setData(index, static_cast<QLineEdit*>(editor)->text());
}

void MemoryMapDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex& /*index*/) const {
    editor->setGeometry(option.rect);
}

void MemoryMapDelegate::CancelOpenEditor() {
    if (editor_) emit closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
}

void MemoryMapDelegate::CommitOpenEditor() {
    if (!editor_) return;
    QWidget* editor = editor_;
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool MemoryMapDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (!editor) return QStyledItemDelegate::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        if (FinishCellEdit(*this, editor, static_cast<QKeyEvent*>(event),
                           [this](int row, int column) { emit enterPressed(row, column); })) {
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        // Switching to another program or opening a pop-up is no leaving of the box.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    }
    return QStyledItemDelegate::eventFilter(editor, event);
}

}  // namespace qv
