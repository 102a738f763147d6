// MDIForm1's file commands: New, Open, Save and the channel plan's CSV export and import. New and
// Open first offer to save the user's unsaved changes. A loaded file starts the undo history
// afresh; a save keeps it and marks where the file stands in it.
#include <QDir>
#include <QFile>
#include <QStatusBar>

#include "context/app_context.h"
#include "data/atomic_file.h"
#include "data/data_file.h"
#include "desktop/prompts.h"
#include "editors/channel/csv/channel_csv.h"
#include "editors/channel/csv/plan_choice.h"
#include "editors/channel/plan_choice_dialog.h"
#include "language/ui_language.h"
#include "shell/last_folder.h"
#include "shell/main_window.h"

namespace qv {

namespace {

const char* const kFileFilter = "tw Files (*.tw)";
const char* const kCsvFilter = "CSV Files (*.csv)";
// How long the status bar says that an export is done.
constexpr int kFinishedMessageMs = 10000;

}  // namespace

bool MainWindow::LoadFile(const QString& path) {
    const LoadStatus status = qv::LoadFile(path, data_);
    if (status != LoadStatus::Ok) {
        // The second line says which file was refused, as for the start-up template.
        context_.prompts().Message(
            this, {LoadFailureText(context_.texts()) + '\n' + QDir::toNativeSeparators(path),
                   LoadFailureTitle(status), PromptIcon::Critical, PromptButtons::Ok});
        return false;
    }
    history_->Reset();  // another document: nothing of the last one to undo
    RefreshAll();
    return true;
}

bool MainWindow::SaveFile(const QString& path) {
    const SaveResult saved = qv::SaveFile(path, data_.image);
    if (!saved.ok) {
        context_.prompts().Message(this, {SaveFailureText(path, saved.error, context_.texts()),
                                          AppTitle(), PromptIcon::Exclamation, PromptButtons::Ok});
    }
    return saved.ok;
}

void MainWindow::NewFile() {
    // The same question as Open, Read and Exit: unsaved changes are saved, dropped or keep
    // what is there. Without unsaved changes nothing is lost, so nothing is asked, as for Open.
    if (!ConfirmUnsavedChanges()) return;
    if (!LoadTemplate()) return;
    RefreshAll();
    ForgetFile();  // the template is no file of the user's
}

void MainWindow::OpenFile() {
    if (!ConfirmUnsavedChanges()) return;
    const QString path = context_.prompts().OpenFileName(
        this, {QString(), LastUsedFolder(context_.settings()), kFileFilter});
    if (path.isEmpty()) return;
    RememberUsedFolder(context_.settings(), path);
    LoadOpenedFile(path);
}

bool MainWindow::SaveCommand() {
    SaveAll();
    return SaveFileAs();
}

QString MainWindow::OfferedSaveName() const {
    // The file that is open, where it is; data that is no file's yet starts a new one in the
    // folder last used, rather than offering to overwrite the last file saved.
    return titleFile_.isEmpty()
               ? InLastUsedFolder(context_.settings(), QStringLiteral("Untitled.tw"))
               : titleFile_;
}

bool MainWindow::SaveFileAs() {
    const QString path =
        context_.prompts().SaveFileName(this, {QString(), OfferedSaveName(), kFileFilter});
    if (path.isEmpty()) return false;
    RememberUsedFolder(context_.settings(), path);
    if (!SaveFile(path)) return false;
    // Only a file written to its last byte holds the user's data: now the image counts as saved.
    currentFileName_ = path;
    data_.CopyToBaseline();
    history_->MarkSaved();  // undoing back to here is the file again; the history stays
    RememberFile(currentFileName_);
    return true;
}

bool MainWindow::ConfirmUnsavedChanges() {
    // Edits still in an editor count as much as those already stored.
    SaveAll();
    if (!data_.ImageModified()) return true;
    const PromptAnswer answer = context_.prompts().Message(
        this, {context_.texts().UiText("FileCommands", "File has been modified, save it now?"),
               AppTitle(), PromptIcon::Exclamation, PromptButtons::YesNoCancel, PromptAnswer::Yes});
    if (answer == PromptAnswer::No) return true;
    if (answer == PromptAnswer::Yes) return SaveCommand();
    return false;
}

void MainWindow::ExportChannels(CsvFormat format) {
    SaveAll();
    const QString offered = format == CsvFormat::Common ? QStringLiteral("channels-common.csv")
                                                        : QStringLiteral("channels.csv");
    const QString path = context_.prompts().SaveFileName(
        this, {QString(), InLastUsedFolder(context_.settings(), offered), kCsvFilter});
    if (path.isEmpty()) return;
    RememberUsedFolder(context_.settings(), path);
    const QByteArray csv = ExportChannelsCsv(data_, format);
    const SaveResult saved =
        WriteFileAtomically(path, reinterpret_cast<const std::uint8_t*>(csv.constData()),
                            static_cast<std::size_t>(csv.size()));
    if (!saved.ok) {
        context_.prompts().Message(this, {SaveFailureText(path, saved.error, context_.texts()),
                                          AppTitle(), PromptIcon::Exclamation, PromptButtons::Ok});
        return;
    }
    ShowFinished(context_.texts().UiText("FileCommands", "Channels exported to %1"), path);
}

void MainWindow::ShowFinished(const QString& what, const QString& path) {
    statusBar()->showMessage(what.arg(QDir::toNativeSeparators(path)), kFinishedMessageMs);
}

void MainWindow::ImportChannels() {
    SaveAll();
    const QString path = context_.prompts().OpenFileName(
        this, {QString(), LastUsedFolder(context_.settings()), kCsvFilter});
    if (path.isEmpty()) return;
    RememberUsedFolder(context_.settings(), path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowImportFailure(file.errorString());
        return;
    }
    const QByteArray csv = file.readAll();
    CsvImportOptions options;
    options.texts = context_.texts();
    if (DetectCsvFormat(csv) == CsvFormat::Common) {
        // A plan that does not fit the radio as it is: the user chooses its rows.
        PlanChoice plan(csv, data_, context_.texts());
        if (plan.ok() && plan.NeedsChoice()) {
            ChooseAndImport(csv, plan);
            return;
        }
        // A plan from another radio: its Location may mean nothing on a 16-channel radio.
        const PromptAnswer answer = context_.prompts().Message(
            this,
            {context_.texts().UiText(
                 "FileCommands",
                 "This file is a channel list in the common CSV of other radio "
                 "programs.\nPut its channels into channels 1, 2, 3, ... in file "
                 "order?\n(No: each goes to the channel its Location names.)"),
             AppTitle(), PromptIcon::Question, PromptButtons::YesNoCancel, PromptAnswer::Yes});
        if (answer == PromptAnswer::Cancel) return;
        options.renumber = answer == PromptAnswer::Yes;
    }
    ImportInto(csv, options);
}

void MainWindow::ChooseAndImport(const QByteArray& csv, PlanChoice& plan) {
    FrmPlanChoice dialog(plan, context_.texts(), this);
    // A choice the import still refuses (a row judged on another channel) is said, and the
    // dialog comes back with the choice as it was.
    while (dialog.exec() == QDialog::Accepted) {
        CsvImportOptions options;
        options.texts = context_.texts();
        options.chosen = plan.Choices();
        if (ImportInto(csv, options)) return;
    }
}

bool MainWindow::ImportInto(const QByteArray& csv, const CsvImportOptions& options) {
    // The whole import is one undo step; a refused one changes nothing and makes none.
    CsvImportResult result;
    PushDocumentEdit([](const UiTexts& texts) { return texts.UiText("Undo", "Import Channels"); },
                     [&] { result = ImportChannelsCsv(csv, data_, options); });
    if (!result.ok) {
        ShowImportFailure(result.error);
        return false;
    }
    // The imported channels are shown; they count as unsaved changes.
    ShowChannel();
    QStringList notes;
    if (result.powerOrModeNotApplied) {
        notes << context_.texts().UiText("FileCommands",
                                         "Power and Mode are not applied: this radio's power and "
                                         "bandwidth are fixed.") +
                     "\n\n" + result.noteWhere;
    }
    if (!result.shortenedNames.isEmpty()) {
        // One name a line: a plan from another program may have many.
        notes << context_.texts().UiText("FileCommands",
                                         "Names longer than six characters are cut to six:") +
                     "\n" + result.shortenedNames.join("\n");
    }
    if (!notes.isEmpty()) {
        context_.prompts().Message(
            this, {notes.join("\n\n"), AppTitle(), PromptIcon::Information, PromptButtons::Ok});
    }
    return true;
}

void MainWindow::ShowImportFailure(const QString& error) {
    context_.prompts().Message(
        this, {context_.texts().UiText("FileCommands", "The channel plan was not imported.") +
                   "\n\n" + error,
               AppTitle(), PromptIcon::Critical, PromptButtons::Ok});
}

}  // namespace qv
