// MDIForm1: the main window. It owns the radio data and its undo history, starts and ends the
// program, offers every command as an action (menus, tool bar and tree trigger the same one) and
// shows one editor window at a time.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <vector>

#include "data/data_file.h"
#include "data/radio_image.h"
#include "editors/channel/csv/channel_csv.h"
#include "editors/common/document_history.h"
#include "language/ui_language.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QTranslator;

namespace qv {

class AppContext;
class CommandActions;
class EditorWindow;
class FrmChannel;
class FrmClone;
class FrmTreeView;
class MainBar;
class ModifiedMark;
class PlanChoice;
class RecentFilesMenu;

// ViewFlags bits: what the view tools show.
constexpr int kViewTree = 1;
constexpr int kViewToolBar = 2;
constexpr int kViewStatusBar = 4;

// The editor windows, in the fixed order every group operation uses.
enum class Editor { Setting, Audio, Key, Channel, CustomizedSignal };
constexpr int kEditorCount = 5;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Runs the whole start-up: language, link timing, caption, the template, the clone dialog
    // and the channel editor. The program's folder and every service come from `context`.
    explicit MainWindow(AppContext& context);
    ~MainWindow() override;

    // A command and what it does; its action is the tool of the same name.
    struct Command {
        const char* name;
        void (*run)(MainWindow&);
    };
    // Every command, by its exact tool name. Those of commands this program does not offer
    // (miClose, the Window menu, miModelInfo, miInit, miPrint, the signalling editors) do
    // nothing.
    static const std::vector<Command>& CommandTable();

    // Triggers the command's action by its tool name, as a click does. False for a name that is
    // no command (nothing runs).
    bool OnToolClick(const QString& toolName);
    void OnBandClose(const QString& bandName);
    CommandActions& Commands() { return *commands_; }

    // Stores every open editor into the image, each as one undo step named after it when that
    // changed bytes. The baseline moves only when a file is loaded, the radio read or the image
    // saved, so what is stored here still counts as unsaved.
    void SaveAll();
    void RefreshAll();
    void HideAll();
    void UpdateView();
    void ShowSetting() { ShowEditor(Editor::Setting); }
    void ShowAudio() { ShowEditor(Editor::Audio); }
    void ShowKey() { ShowEditor(Editor::Key); }
    void ShowChannel() { ShowEditor(Editor::Channel); }
    void ShowCustomizedSignal() { ShowEditor(Editor::CustomizedSignal); }
    // File > Close: stores the open editor's fields into the image and closes its window.
    void CloseActiveEditor();
    // The channel editor's service key: the memory map, opened once and brought forward.
    void ShowMemoryMap();
    void SwitchLanguage(Language language);

    void NewFile();
    void OpenFile();
    // Asks for a name and writes the image there. True only when the whole file was written:
    // then the name becomes CurrentFileName and the image counts as saved. A cancelled dialog or
    // a failed write leaves both as they were.
    bool SaveFileAs();
    // Writes the image; a failure is shown with the system's own description.
    bool SaveFile(const QString& path);
    // Before anything replaces the image or the program ends: stores the open editors (the
    // baseline stays), and when the image differs from the baseline asks "File has been
    // modified, save it now?". Yes saves as the Save command does. True when the caller may go
    // on: nothing changed, No, or Yes with a successful save.
    bool ConfirmUnsavedChanges();
    // Loads a file into the image; a failure is shown and leaves the image as it was.
    bool LoadFile(const QString& path);

    // ---- The desktop way of working with files (main_window_desktop.cpp) ----
    // Opens a file by its path with the Open command's steps (the unsaved-changes question, then
    // LoadFile): the command line, a dropped file and the recent files use it.
    bool OpenPath(const QString& path);
    // The channel list page: the print preview with the platform's print dialog, or a PDF file.
    void PrintChannelList();
    void ExportChannelListPdf();
    // Works the title's modified mark out again: shown while the image, with what the open
    // editors hold, differs from the baseline.
    void UpdateModifiedMark();
    // The file the title names ("" before any file was opened or saved).
    QString TitleFile() const { return titleFile_; }
    RecentFilesMenu* RecentFiles() const { return recent_; }

    // The channel plan as CSV: the 16 channels out to a spreadsheet file (native or the common
    // channel CSV of other radio programs), or in from one of either format.
    void ExportChannels(CsvFormat format = CsvFormat::Native);
    // A common-format plan that does not fit the radio as it is (more than 16 rows, rows it
    // cannot hold) is chosen from in a dialog; any import reaches the channel editor as one
    // edit that Undo takes back.
    void ImportChannels();

    // ---- The document's undo history ----
    // Runs a change of the image as one undo step named `name` (what the open editors still hold
    // is stored first, as steps of their own) and shows the result in the open editors. False
    // when the change wrote no byte: no step. Every change of the whole document (the CSV
    // import) goes through here.
    bool PushDocumentEdit(const DocumentHistory::StepName& name,
                          const std::function<void()>& change);
    DocumentHistory& History() { return *history_; }

    void ReadCommand();
    void WriteCommand();

    // ---- Trusting a write (main_window_backups.cpp) ----
    // The Open command in the folder of the radio's backups.
    void OpenRadioBackup();
    // A window listing what differs from the data in the program (open editors included) to a
    // chosen file, such as a backup.
    void CompareWithFile();

    RadioData& Data() { return data_; }
    MainBar& Bar() { return *bar_; }
    FrmTreeView* TreeView() const { return tree_; }
    FrmClone* Clone() const { return clone_; }
    // The editor window when it exists (open, or hidden by HideAll), else nullptr.
    EditorWindow* EditorOf(Editor editor) const;
    bool EditorVisible(Editor editor) const;
    QMdiArea* MdiArea() const { return mdi_; }

    int ViewFlags() const { return viewFlags_; }
    // The name the last save used ("Untitled.tw" before any).
    QString CurrentFileName() const { return currentFileName_; }
    // What the save dialog starts on: the open file in its folder, else "Untitled.tw" in the
    // folder last used.
    QString OfferedSaveName() const;
    QString AppPath() const { return appPath_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }  // bands change only by the commands

private:
    void StartUp();
    // The channel plan's import: the choice dialog until an import succeeds or it is cancelled;
    // an import into the channel editor (false, and said, when it is refused); its failure.
    void ChooseAndImport(const QByteArray& csv, PlanChoice& plan);
    bool ImportInto(const QByteArray& csv, const CsvImportOptions& options);
    void ShowImportFailure(const QString& error);
    void BindCommands();
    // The open editors show the image again after an undo, a redo or the memory map's OK.
    void ShowRestoredData();
    FrmChannel* VisibleChannelEditor() const;
    // Cut, Copy, Paste and Delete Channels work on the channel grid while it is shown.
    void UpdateEditActions();
    // The Save command: the open editors stored, then SaveFileAs. True when the file was saved.
    bool SaveCommand();
    void ShowEditor(Editor editor);
    EditorWindow* CreateEditor(Editor editor);
    void FitFrame(EditorWindow* window);
    void FillWorkArea(QWidget* frame);
    void CheckLanguageTools();
    void ApplyQtTranslations();
    void BuildStatusBar();
    void UpdateClock();
    void ToggleView(int bit);
    // The status bar says a file was written ("... exported to %1", %1 the path).
    void ShowFinished(const QString& what, const QString& path);
    // main_window_desktop.cpp
    void SetUpDesktop();
    bool LoadTemplate();
    bool LoadOpenedFile(const QString& path);
    void OpenRecentFile(const QString& path);
    void RememberFile(const QString& path);
    void ForgetFile();
    bool ImageWithEditsModified();
    QString PageFileName() const;

    AppContext& context_;
    RadioData data_;
    DocumentHistory* history_ = nullptr;
    CommandActions* commands_ = nullptr;
    MainBar* bar_ = nullptr;
    QMdiArea* mdi_ = nullptr;
    FrmTreeView* tree_ = nullptr;
    FrmClone* clone_ = nullptr;
    std::array<QPointer<EditorWindow>, kEditorCount> editors_{};
    QLabel* datePanel_ = nullptr;
    QLabel* timePanel_ = nullptr;
    QTimer* clock_ = nullptr;
    QTranslator* qtTranslator_ = nullptr;  // Qt's own texts in Chinese, while Chinese is chosen

    int viewFlags_ = kViewTree | kViewToolBar | kViewStatusBar;
    // Two notions of a file on purpose: currentFileName_ is the name the last save used and
    // stays after New or a Read (the channel list page falls back to it), while titleFile_ is
    // the file the data now comes from and is cleared by New and a Read.
    QString currentFileName_ = QStringLiteral("Untitled.tw");
    QString titleFile_;
    QString appPath_;
    RecentFilesMenu* recent_ = nullptr;
    ModifiedMark* mark_ = nullptr;
    bool channelFills_ = false;  // the channel window fills the work area and follows its size
    bool filling_ = false;
};

}  // namespace qv
