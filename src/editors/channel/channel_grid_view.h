// The table view of the channel grid: a QTableView that can store its open cell editor on
// request (before the window saves) and tells which editor is open. An editor whose text its
// cell refuses (a frequency outside the band) is neither stored nor closed, whether Enter, the
// focus leaving it or a click on another cell would end it: it stays open with its text
// selected until the user types a value the cell takes or presses Esc.
#pragma once

#include <QPointer>
#include <QTableView>

namespace qv {

class ChannelGridView : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

    // The editor open on the current cell (or kept open on its own cell), or null.
    QWidget* OpenEditor() const;
    // An editor kept open because its cell refuses its text, or null.
    QWidget* RefusedEditor() const { return refused_; }
    // Stores the open editor into its cell and closes it; a refused one stays open, unstored.
    void CommitOpenEditor();

protected slots:
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // Back to the refused editor's cell, the editor focused with its text selected.
    void ReturnToRefusedEditor();

    QPointer<QWidget> refused_;
};

}  // namespace qv
