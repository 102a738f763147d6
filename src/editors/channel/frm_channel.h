// The channel window: the 16 channels in ChannelGrid, edited cell by cell through editors laid
// over the current cell, stored into the image by SaveData (also when the window closes).
#pragma once

#include <QPointer>
#include <QString>

#include "data/radio_image.h"
#include "editors/channel/channel_table.h"
#include "editors/editor_window.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QModelIndex;
class QTableView;

namespace qv {

class ChannelGridModel;
class NameValidator;

class FrmChannel : public EditorWindow {
    Q_OBJECT
public:
    explicit FrmChannel(RadioData& data, QWidget* parent = nullptr);
    ~FrmChannel() override;

    // Captions, headers and the tone list in the current language, then the 16 channels from the
    // image. An editor still open is closed without storing: the data it edited is replaced.
    void RefreshAll() override;
    // Commits the open editor, then stores every row into the image.
    void SaveData() override;
    // The committed cells only: a cell editor stays open with what is typed in it.
    void StoreFinishedEdits() override { table_.SaveData(); }
    void Display();
    void LoadData();

    ChannelTable& Table() { return table_; }
    // The current cell of the grid, in table coordinates (row 1-16, column 1-12).
    int CurRow() const { return curRow_; }
    int CurCol() const { return curCol_; }

    // Opens the editor of the current cell, if it has one.
    void EditCell();
    // Stores whichever editor is shown into its cell and hides it.
    void CommitOpenEditor();
    // Where Ctrl+Shift+Alt+D stores "default.tw": the application folder unless another is set
    // (tests keep the program's own template untouched this way).
    void SetTemplateFolder(const QString& folder) { templateFolder_ = folder; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildGrid();
    void BuildEditors();
    void BuildHiddenKeys();

    void OnCurrentChanged(const QModelIndex& current);
    void OnCellClicked(const QModelIndex& index);
    void OnFocusChanged(QWidget* now);
    bool HandleGridKey(QKeyEvent* event);
    bool HandleEditorKey(QWidget* editor, QKeyEvent* event);
    bool PaintCorner(QWidget* corner);

    void SetCurrentCell(int row, int column);
    void RedirectCurrentCell();
    void ShowEditor(QWidget* editor, int extraWidth);
    void PlaceOpenEditor();
    void CloseOpenEditor();
    void HideEditor(QWidget* editor);
    void CancelOpenEditor();
    void FinishWithEnter(int nextColumn);

    void OpenMemoryMap();
    void SaveAsTemplate();

    RadioData& data_;
    ChannelTable table_;
    ChannelGridModel* model_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QTableView* grid_ = nullptr;
    QComboBox* cboFreq_ = nullptr;
    QLineEdit* txtChannel_ = nullptr;
    NameValidator* nameValidator_ = nullptr;
    QComboBox* cboChannel_[2] = {nullptr, nullptr};

    int curRow_ = 1;
    int curCol_ = 1;
    QString savedText_;
    // The editor shown and the cell it edits (the cell it opened on, whatever becomes current
    // before it commits).
    QPointer<QWidget> openEditor_;
    int editRow_ = 0;
    int editCol_ = 0;
    int editorExtraWidth_ = 0;
    QString templateFolder_;
    // The application-wide focus notice; cut first when the window goes, before its children.
    QMetaObject::Connection focusConnection_;
};

}  // namespace qv
