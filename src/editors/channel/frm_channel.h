// The channel window: the 16 channels in ChannelGrid, edited cell by cell through the grid's
// item delegates. Every change of the grid is stored into the image as it is made and becomes
// one named step of the document's undo history; whole channels are cut, copied, pasted and
// deleted as rows.
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

// The actions the grid's context menu offers, in this order: the main window's Edit menu
// entries, or the window's own when it stands alone.
struct ChannelEditActions {
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* deleteChannels = nullptr;
};

class FrmChannel : public EditorWindow {
    Q_OBJECT
public:
    // The template key stores into the context's application folder and reports through its
    // prompts. The edits become steps of `history`, the document's; without one the window keeps
    // a history of its own, with its own undo, redo and row actions on the grid's keys.
    FrmChannel(RadioData& data, const AppContext& context, DocumentHistory* history = nullptr,
               QWidget* parent = nullptr);
    ~FrmChannel() override;

    // Captions, headers and the tone list in the current language, then the 16 channels from the
    // image. An editor still open is closed without storing: the data it edited is replaced.
    void RefreshAll() override;
    // The same, keeping the current cell: an undo or redo changed the image.
    void ShowRestoredData() override;
    // Commits the open editor, then stores every row into the image.
    void SaveData() override;
    DocumentHistory::StepName StepName() const override;
    // The committed cells only: a cell editor stays open with what is typed in it.
    void StoreFinishedEdits() override { table_->SaveData(); }
    void Display();
    void LoadData();

    ChannelTable& Table() { return *table_; }
    QUndoStack& UndoStack() { return History()->Stack(); }
    // The grid's context menu shows these actions from now on (the main window's Edit menu);
    // the window's own are dropped. The caller runs them.
    void UseEditActions(const ChannelEditActions& actions);
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
    // Copies the selected channels, then deletes them, as one step.
    void CutRows();
    // Whether whole channels are selected (Cut and Delete Channels work on them).
    bool HasSelectedRows() const { return !SelectedRows().isEmpty(); }

signals:
    // Whole channels became selected, or no longer are.
    void RowSelectionChanged(bool rowsSelected);
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
    void BuildOwnActions();
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
    void OnTableEdited(const ChannelEdit& what);

    void SetCurrentCell(int row, int column);
    void RedirectCurrentCell();
    QList<int> SelectedRows() const;

    void SaveAsTemplate();

    RadioData& data_;
    const AppContext& context_;
    ChannelTable* table_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    ChannelGridView* grid_ = nullptr;
    ChannelEditActions own_;  // the window's own actions while it stands alone
    QAction* separator_ = nullptr;
    bool cutting_ = false;  // the delete of a cut names its step "Cut Channels"
    QTimer* fitColumns_ = nullptr;

    int curRow_ = 1;
    int curCol_ = 1;
};

}  // namespace qv
