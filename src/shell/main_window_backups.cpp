// MDIForm1's commands around a trusted write: opening one of the radio's backups and comparing the
// data in the program with a file.
#include <QDir>

#include "context/app_context.h"
#include "data/data_file.h"
#include "desktop/prompts.h"
#include "language/ui_language.h"
#include "link_dialogs/frm_clone.h"
#include "shell/frm_compare.h"
#include "shell/main_window.h"

namespace qv {

namespace {

const char* const kFileFilter = "tw Files (*.tw)";

}  // namespace

void MainWindow::OpenRadioBackup() {
    if (!ConfirmUnsavedChanges()) return;
    const QString folder = clone_->BackupFolder();
    QDir().mkpath(folder);  // the dialog opens there even before the first backup
    const QString path = context_.prompts().OpenFileName(
        this, {context_.texts().UiText("Backups", "Open Radio Backup"),
               QDir(folder).absolutePath() + QDir::separator(), kFileFilter});
    if (path.isEmpty()) return;
    LoadOpenedFile(path);
}

void MainWindow::CompareWithFile() {
    SaveAll();  // what the open editors hold counts
    const QString path = context_.prompts().OpenFileName(
        this, {context_.texts().UiText("Backups", "Compare With File"),
               QDir(clone_->BackupFolder()).absolutePath() + QDir::separator(), kFileFilter});
    if (path.isEmpty()) return;
    RadioData file;
    const LoadStatus status = qv::LoadFile(path, file);
    if (status != LoadStatus::Ok) {
        context_.prompts().Message(this,
                                   {LoadFailureText(context_.texts()), LoadFailureTitle(status),
                                    PromptIcon::Critical, PromptButtons::Ok});
        return;
    }
    // The file's bytes as stored, before the band-limit check repaired any.
    FrmCompare window(data_.image, file.baseline, path, context_.texts(), this);
    window.exec();
}

}  // namespace qv
