// The main window's desktop side: files opened by name, by drop and from the recent files, the
// title with the file's name and the modified mark, and the channel list on paper.
#include <QDir>
#include <QFileInfo>
#include <QUndoStack>

#include "context/app_context.h"
#include "desktop/prompts.h"
#include "editors/common/editor_window.h"
#include "language/ui_language.h"
#include "shell/channel_list_commands.h"
#include "shell/file_drop.h"
#include "shell/last_folder.h"
#include "shell/main_bar.h"
#include "shell/main_window.h"
#include "shell/modified_mark.h"
#include "shell/recent_files_menu.h"
#include "shell/window_title.h"

namespace qv {

void MainWindow::SetUpDesktop() {
    recent_ = new RecentFilesMenu(bar_->Menu("miFile"), bar_->Tool("miFile", "miExit"),
                                  context_.settings(), this);
    connect(recent_, &RecentFilesMenu::OpenRequested, this, &MainWindow::OpenRecentFile);
    new FileDropFilter(this, [this](const QString& path) { OpenPath(path); });
    mark_ = new ModifiedMark(this, [this] { UpdateModifiedMark(); });
    // Every step taken, undone or redone changes what the title's mark says.
    connect(&history_->Stack(), &QUndoStack::indexChanged, mark_, &ModifiedMark::Schedule);
}

bool MainWindow::LoadTemplate() {
    // As any file: a missing or damaged template is named on the message's second line.
    return LoadFile(appPath_ + "default.tw");
}

bool MainWindow::OpenPath(const QString& path) {
    if (!ConfirmUnsavedChanges()) return false;
    return LoadOpenedFile(path);
}

bool MainWindow::LoadOpenedFile(const QString& path) {
    if (!LoadFile(path)) return false;
    RememberFile(path);
    return true;
}

void MainWindow::OpenRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        recent_->Remove(path);
        context_.prompts().Message(
            this,
            {context_.texts()
                 .UiText("FileCommands",
                         "The file %1 no longer exists. It has been removed from the recent files.")
                 .arg(QDir::toNativeSeparators(path)),
             AppTitle(), PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    OpenPath(path);
}

void MainWindow::RememberFile(const QString& path) {
    titleFile_ = QFileInfo(path).absoluteFilePath();
    RememberUsedFolder(context_.settings(),
                       titleFile_);  // however it was opened: dialog, drop, recent files
    recent_->Add(titleFile_);
    setWindowTitle(MainWindowTitle(titleFile_));
    UpdateModifiedMark();
}

void MainWindow::ForgetFile() {
    titleFile_.clear();
    setWindowModified(false);
    setWindowTitle(MainWindowTitle(titleFile_));
}

void MainWindow::UpdateModifiedMark() {
    // With or without a file in the title: after a Read or New the data is just as unsaved.
    setWindowModified(ImageWithEditsModified());
}

bool MainWindow::ImageWithEditsModified() {
    // The open editor is stored into the image only to compare it; the image is put back, so
    // what the commands see is unchanged.
    const RadioImage image = data_.image;
    for (int i = 0; i < kEditorCount; ++i) {
        if (EditorVisible(Editor(i))) editors_[i]->StoreFinishedEdits();
    }
    const bool modified = data_.ImageModified();
    data_.image = image;
    return modified;
}

QString MainWindow::PageFileName() const {
    return QFileInfo(titleFile_.isEmpty() ? currentFileName_ : titleFile_).fileName();
}

void MainWindow::PrintChannelList() {
    // The page shows what the editors hold; the baseline stays, so unsaved changes stay unsaved.
    SaveAll();
    PreviewChannelList(this, data_, PageFileName(), context_.texts());
}

void MainWindow::ExportChannelListPdf() {
    SaveAll();
    const QFileInfo named(PageFileName());
    const QString suggested =
        InLastUsedFolder(context_.settings(), named.completeBaseName() + QStringLiteral(".pdf"));
    const QString written =
        qv::ExportChannelListPdf(this, context_, data_, PageFileName(), suggested);
    if (!written.isEmpty()) {
        ShowFinished(context_.texts().UiText("ChannelList", "Channel list exported to %1"),
                     written);
    }
}

}  // namespace qv
