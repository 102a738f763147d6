// What every grid's cell editor shares: the cell it was opened on (kept on the editor, since a
// commit goes to that cell whatever the grid's current cell is by then) and the keys that end an
// edit.
#pragma once

#include <QAbstractItemDelegate>
#include <QKeyEvent>
#include <QWidget>
#include <functional>

namespace qv {

constexpr char kCellRowProperty[] = "CellRow";
constexpr char kCellColumnProperty[] = "CellColumn";

inline bool IsEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Enter stores the edit, closes the editor and then reports the cell it was opened on; Esc
// closes it without storing, so the cell keeps the text it had. True when the key was one of
// the two and has been dealt with.
inline bool FinishCellEdit(QAbstractItemDelegate& delegate, QWidget* editor, const QKeyEvent* key,
                           const std::function<void(int row, int column)>& enterPressed) {
    if (IsEnterKey(key)) {
        const int row = editor->property(kCellRowProperty).toInt();
        const int column = editor->property(kCellColumnProperty).toInt();
        emit delegate.commitData(editor);
        emit delegate.closeEditor(editor, QAbstractItemDelegate::NoHint);
        enterPressed(row, column);
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        emit delegate.closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        return true;
    }
    return false;
}

}  // namespace qv
