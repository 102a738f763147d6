// The table view of the channel grid: a QTableView that can store its open cell editor on
// request (before the window saves) and tells which editor is open.
#pragma once

#include <QTableView>

namespace qv {

class ChannelGridView : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

    // The editor open on the current cell, or null.
    QWidget* OpenEditor() const;
    // Stores the open editor into its cell and closes it.
    void CommitOpenEditor();
};

}  // namespace qv
