// MDIForm1's commands: what each tool's action does, the Edit menu on the document's undo history
// and the channel grid, and the one entry point every whole-document change goes through.
#include <QAction>
#include <QUndoStack>

#include "context/app_context.h"
#include "editors/channel/frm_channel.h"
#include "link_dialogs/frm_com_port.h"
#include "shell/command_actions.h"
#include "shell/frm_about.h"
#include "shell/main_window.h"
#include "shell/modified_mark.h"

namespace qv {

const std::vector<MainWindow::Command>& MainWindow::CommandTable() {
    static const std::vector<Command> commands = {
        {"miNew", [](MainWindow& w) { w.NewFile(); }},
        {"miOpen", [](MainWindow& w) { w.OpenFile(); }},
        {"miSave", [](MainWindow& w) { w.SaveCommand(); }},
        {"miExit",
         [](MainWindow& w) {
             w.SaveAll();
             w.close();
         }},
        {"miChannel", [](MainWindow& w) { w.ShowChannel(); }},
        {"miCommonSet", [](MainWindow& w) { w.ShowSetting(); }},
        {"miKeySet", [](MainWindow& w) { w.ShowKey(); }},
        {"miRead", [](MainWindow& w) { w.ReadCommand(); }},
        {"miWrite",
         [](MainWindow& w) {
             w.SaveAll();
             w.WriteCommand();
         }},
        {"miTreeView", [](MainWindow& w) { w.ToggleView(kViewTree); }},
        {"miToolBar", [](MainWindow& w) { w.ToggleView(kViewToolBar); }},
        {"miStatusBar", [](MainWindow& w) { w.ToggleView(kViewStatusBar); }},
        {"miAbout", [](MainWindow& w) { (new FrmAbout(w.context_, &w))->exec(); }},
        {"miComPort",
         [](MainWindow& w) {
             FrmComPort ports(w.context_, &w);
             ports.exec();
         }},
        {"miChinese", [](MainWindow& w) { w.SwitchLanguage(Language::Chinese); }},
        {"miEnglish", [](MainWindow& w) { w.SwitchLanguage(Language::English); }},
        {"miAudio", [](MainWindow& w) { w.ShowAudio(); }},
        {"miCustomizedSignal", [](MainWindow& w) { w.ShowCustomizedSignal(); }},
        // Beyond the radio's own commands: the channel plan as a spreadsheet file.
        {"miExportCsv", [](MainWindow& w) { w.ExportChannels(); }},
        {"miExportCsvCommon", [](MainWindow& w) { w.ExportChannels(CsvFormat::Common); }},
        {"miImportCsv", [](MainWindow& w) { w.ImportChannels(); }},
        // The radio's backups and what differs from a file.
        {"miOpenBackup", [](MainWindow& w) { w.OpenRadioBackup(); }},
        {"miCompare", [](MainWindow& w) { w.CompareWithFile(); }},
        // The channel list on paper.
        {"miPrintList", [](MainWindow& w) { w.PrintChannelList(); }},
        {"miExportPdf", [](MainWindow& w) { w.ExportChannelListPdf(); }},
        // The Edit menu: the document's history, and whole channels in the grid.
        {"miUndo", [](MainWindow& w) { w.history_->Undo(); }},
        {"miRedo", [](MainWindow& w) { w.history_->Redo(); }},
        {"miCut",
         [](MainWindow& w) {
             if (FrmChannel* channels = w.VisibleChannelEditor()) channels->CutRows();
         }},
        {"miCopy",
         [](MainWindow& w) {
             if (FrmChannel* channels = w.VisibleChannelEditor()) channels->CopyRows();
         }},
        {"miPaste",
         [](MainWindow& w) {
             if (FrmChannel* channels = w.VisibleChannelEditor()) channels->PasteRows();
         }},
        {"miDeleteChannels",
         [](MainWindow& w) {
             if (FrmChannel* channels = w.VisibleChannelEditor()) channels->DeleteSelectedRows();
         }},
        {"miClose", [](MainWindow& w) { w.CloseActiveEditor(); }},
        // Tools of the layout whose commands this program does not offer: they do nothing.
        {"miPrint", [](MainWindow&) {}},
        {"miModelInfo", [](MainWindow&) {}},
        {"miInit", [](MainWindow&) {}},
        {"miScan", [](MainWindow&) {}},
        {"miEmergency", [](MainWindow&) {}},
        {"miDTMF", [](MainWindow&) {}},
        {"mi5Tone", [](MainWindow&) {}},
        {"miEmbed", [](MainWindow&) {}},
        {"miCascade", [](MainWindow&) {}},
        {"miTileH", [](MainWindow&) {}},
        {"miTileV", [](MainWindow&) {}},
        {"miArrange", [](MainWindow&) {}},
        {"miCloseAll", [](MainWindow&) {}},
    };
    return commands;
}

void MainWindow::BindCommands() {
    for (const Command& command : CommandTable()) {
        // After every command the title's mark is worked out again.
        const bool known = commands_->Define(command.name, [this, run = command.run] {
            run(*this);
            UpdateModifiedMark();
        });
        if (!known) qWarning("The command %s is no tool of the bar layout", command.name);
    }
    history_->SetStorePending([this] { SaveAll(); });
    history_->BindActions(commands_->Action("miUndo"), commands_->Action("miRedo"));
    connect(history_, &DocumentHistory::Restored, this, &MainWindow::ShowRestoredData);
    UpdateEditActions();
}

bool MainWindow::OnToolClick(const QString& tool) {
    if (commands_->Trigger(tool)) return true;
    qWarning("No command is named %s", qPrintable(tool));
    return false;
}

bool MainWindow::PushDocumentEdit(const DocumentHistory::StepName& name,
                                  const std::function<void()>& change) {
    SaveAll();
    const bool changed = history_->Change(name, change);
    if (changed) ShowRestoredData();
    return changed;
}

void MainWindow::ShowRestoredData() {
    for (int i = 0; i < kEditorCount; ++i) {
        if (EditorVisible(Editor(i))) editors_[i]->ShowRestoredData();
    }
    UpdateEditActions();
    UpdateModifiedMark();
}

FrmChannel* MainWindow::VisibleChannelEditor() const {
    return EditorVisible(Editor::Channel) ? static_cast<FrmChannel*>(EditorOf(Editor::Channel))
                                          : nullptr;
}

void MainWindow::UpdateEditActions() {
    FrmChannel* channels = VisibleChannelEditor();
    const bool rows = channels && channels->HasSelectedRows();
    commands_->Action("miCut")->setEnabled(rows);
    commands_->Action("miCopy")->setEnabled(channels);
    commands_->Action("miPaste")->setEnabled(channels);
    commands_->Action("miDeleteChannels")->setEnabled(rows);
}

}  // namespace qv
