#include "editors/memory_map/memory_map_delegate.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "editors/memory_map/hex_validator.h"

namespace qv {

namespace {

constexpr char kRowProperty[] = "CellRow";
constexpr char kColumnProperty[] = "CellColumn";

bool IsEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

QWidget* MemoryMapDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                         const QModelIndex& index) const {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("txtMemory"));
    box->setMaxLength(2);
    box->setValidator(new HexValidator(box));
    box->setAlignment(Qt::AlignCenter);
    box->setText(index.data(Qt::DisplayRole).toString());
    box->selectAll();
    box->setProperty(kRowProperty, index.row());
    box->setProperty(kColumnProperty, index.column());
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
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(key)) {
            const int row = editor->property(kRowProperty).toInt();
            const int column = editor->property(kColumnProperty).toInt();
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit enterPressed(row, column);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
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
