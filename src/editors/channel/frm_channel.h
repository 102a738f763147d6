// The channel window: the 16 channels in ChannelGrid, edited cell by cell through the grid's
// item delegates, stored into the image by SaveData (also when the window closes). Every change
// in the grid can be undone; whole channels are copied, pasted and deleted as rows.
#pragma once

#include <QString>

#include "data/radio_image.h"
#include "editors/channel/channel_table.h"
#include "editors/common/editor_window.h"

class QAction;
class QKeyEvent;
class QLabel;
class QModelIndex;
class QTimer;
class QUndoStack;

namespace qv {

class AppContext;
class ChannelGridView;

class FrmChannel : public EditorWindow {
    Q_OBJECT
public:
    // The template key stores into the context's application folder and reports through its
    // prompts.
    FrmChannel(RadioData& data, const AppContext& context, QWidget* parent = nullptr);
    ~FrmChannel() override;

    // Captions, headers and the tone list in the current language, then the 16 channels from the
    // image. An editor still open is closed without storing: the data it edited is replaced.
    // The undo history starts afresh.
    void RefreshAll() override;
    // Commits the open editor, then stores every row into the image.
    void SaveData() override;
    // The committed cells only: a cell editor stays open with what is typed in it.
    void StoreFinishedEdits() override { table_->SaveData(); }
    void Display();
    void LoadData();

    ChannelTable& Table() { return *table_; }
    QUndoStack& UndoStack() { return *undoStack_; }
    // The current cell of the grid, in table coordinates (row 1-16, column 1-12).
    int CurRow() const { return curRow_; }
    int CurCol() const { return curCol_; }

    // Opens the editor of the current cell, if it has one.
    void EditCell();
    // Stores whichever editor is shown into its cell and closes it.
    void CommitOpenEditor();

    // ---- Rows ----
    // The channels of the selected rows (or the current row) as tab-separated text with the
    // header line of the channel CSV; also put on the clipboard by Copy.
    QString SelectedRowsText() const;
    void CopyRows();
    // Pastes tab-separated channels from the clipboard at the current row; all or nothing, a
    // message names the first bad cell.
    void PasteRows();
    // The same with the text given; false (and a message) when it was refused.
    bool PasteRowsText(const QString& text);
    // Deletes the channels of the selected rows.
    void DeleteSelectedRows();

signals:
    // Ctrl+Shift+Alt+M: the service key of the memory map, which belongs to the main window.
    void MemoryMapRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildGrid();
    // Column widths for the grid's width now (frm_channel_columns.cpp).
    void FitColumns();
    void BuildDelegates();
    void BuildHiddenKeys();
    void BuildRowActions();
    void UpdateRowActionTexts();

    void OnCurrentChanged(const QModelIndex& current);
    void OnCellClicked(const QModelIndex& index);
    void OnCellDoubleClicked(const QModelIndex& index);
    // The current cell is a TX cell a load locked on an existing channel.
    bool OnLockedTxCell() const;
    // "Make channel N a repeater?": on Yes the current row's TX cells are unlocked.
    bool AskToMakeRepeater();
    void OnEnterInEditor(int row, int column);
    bool HandleGridKey(QKeyEvent* event);
    bool PaintCorner(QWidget* corner);
    void OnTableEdited(const ChannelTableState& before, const QString& what);

    void SetCurrentCell(int row, int column);
    void RedirectCurrentCell();
    QList<int> SelectedRows() const;

    void SaveAsTemplate();

    RadioData& data_;
    const AppContext& context_;
    ChannelTable* table_ = nullptr;
    QUndoStack* undoStack_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    ChannelGridView* grid_ = nullptr;
    QTimer* fitColumns_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* pasteAction_ = nullptr;
    QAction* deleteAction_ = nullptr;

    int curRow_ = 1;
    int curCol_ = 1;
};

}  // namespace qv
