// The memory map's cell editor txtMemory as an item delegate: a box of at most two hex digits
// laid exactly over its cell. Enter commits and asks the window to move on, Esc puts the cell's
// text back, the focus leaving commits (switching to another program does not).
#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

namespace qv {

class MemoryMapDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // The editor open now, or null.
    QWidget* OpenEditor() const { return editor_; }
    // Closes the open editor as Esc does: the cell keeps its text.
    void CancelOpenEditor();
    // Stores the open editor into its cell and closes it.
    void CommitOpenEditor();

signals:
    // Enter committed the editor of this cell.
    void enterPressed(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    mutable QPointer<QWidget> editor_;
};

}  // namespace qv
