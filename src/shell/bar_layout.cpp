#include "shell/bar_layout.h"

#include <QtGlobal>
#include <cstring>

namespace qv {

const std::vector<BandSpec>& BuiltInBarLayout() {
    static const std::vector<BandSpec> layout = {
        {"Menu Bar",
         QT_TRANSLATE_NOOP("MainBar", "Menu Bar"),
         BandKind::MenuBar,
         {{"miFile", QT_TRANSLATE_NOOP("MainBar", "File")},
          {"miEditMenu", QT_TRANSLATE_NOOP("MainBar", "Edit")},
          {"miModel", QT_TRANSLATE_NOOP("MainBar", "&Model")},
          {"miEdit", QT_TRANSLATE_NOOP("MainBar", "Radio Settings")},
          {"miSet", QT_TRANSLATE_NOOP("MainBar", "Communication Port")},
          {"miProgram", QT_TRANSLATE_NOOP("MainBar", "Read/Write")},
          {"miView", QT_TRANSLATE_NOOP("MainBar", "&View")},
          {"miWindows", QT_TRANSLATE_NOOP("MainBar", "&Window")},
          {"miHelp", QT_TRANSLATE_NOOP("MainBar", "About")}}},
        {"miFile",
         QT_TRANSLATE_NOOP("MainBar", "&File"),
         BandKind::Menu,
         {{"miNew", QT_TRANSLATE_NOOP("MainBar", "&New")},
          {"miClose", QT_TRANSLATE_NOOP("MainBar", "&Close")},
          {"miOpen", QT_TRANSLATE_NOOP("MainBar", "&Open")},
          {"miSave", QT_TRANSLATE_NOOP("MainBar", "&Save")},
          {"miOpenBackup", QT_TRANSLATE_NOOP("MainBar", "Open Radio Backup..."), true},
          {"miCompare", QT_TRANSLATE_NOOP("MainBar", "Compare With File...")},
          {"miExportCsv", QT_TRANSLATE_NOOP("MainBar", "Export Channels (CSV)..."), true},
          {"miExportCsvCommon", QT_TRANSLATE_NOOP("MainBar", "Export Channels (Common CSV)...")},
          {"miImportCsv", QT_TRANSLATE_NOOP("MainBar", "Import Channels (CSV)...")},
          {"miPrintList", QT_TRANSLATE_NOOP("MainBar", "Print Channel List..."), true},
          {"miExportPdf", QT_TRANSLATE_NOOP("MainBar", "Export Channel List (PDF)...")},
          {"miPrint", QT_TRANSLATE_NOOP("MainBar", "&Print")},
          {"miExit", QT_TRANSLATE_NOOP("MainBar", "E&xit"), true}}},
        // The document's own editing, apart from "miEdit" (the radio settings editors): the undo
        // history and the channel grid's whole-channel commands.
        {"miEditMenu",
         QT_TRANSLATE_NOOP("MainBar", "Edit"),
         BandKind::Menu,
         {{"miUndo", QT_TRANSLATE_NOOP("MainBar", "Undo")},
          {"miRedo", QT_TRANSLATE_NOOP("MainBar", "Redo")},
          {"miCut", QT_TRANSLATE_NOOP("MainBar", "Cu&t"), true},
          {"miCopy", QT_TRANSLATE_NOOP("MainBar", "&Copy")},
          {"miPaste", QT_TRANSLATE_NOOP("MainBar", "&Paste")},
          {"miDeleteChannels", QT_TRANSLATE_NOOP("MainBar", "&Delete Channels")}}},
        {"miProgram",
         QT_TRANSLATE_NOOP("MainBar", "&Program"),
         BandKind::Menu,
         {{"miRead", QT_TRANSLATE_NOOP("MainBar", "&Read Data From Radio")},
          {"miWrite", QT_TRANSLATE_NOOP("MainBar", "&Write Data To Radio")}}},
        {"miEdit",
         QT_TRANSLATE_NOOP("MainBar", "&Edit"),
         BandKind::Menu,
         {{"miCommonSet", QT_TRANSLATE_NOOP("MainBar", "General Settings")},
          {"miAudio", QT_TRANSLATE_NOOP("MainBar", "Audio Settings")},
          {"miChannel", QT_TRANSLATE_NOOP("MainBar", "Channels")},
          {"miKeySet", QT_TRANSLATE_NOOP("MainBar", "Side Button Function Settings")},
          {"miScan", QT_TRANSLATE_NOOP("MainBar", "&Scan Information")},
          {"miEmergency", QT_TRANSLATE_NOOP("MainBar", "&Emergency")},
          {"miDTMF", QT_TRANSLATE_NOOP("MainBar", "&DTMF")},
          {"mi5Tone", QT_TRANSLATE_NOOP("MainBar", "5-&Tone")},
          {"miEmbed", QT_TRANSLATE_NOOP("MainBar", "E&mbedded Message")},
          {"miCustomizedSignal", QT_TRANSLATE_NOOP("MainBar", "Customized CTCSS/DCS")}}},
        {"miView",
         QT_TRANSLATE_NOOP("MainBar", "&View"),
         BandKind::Menu,
         {{"miTreeView", QT_TRANSLATE_NOOP("MainBar", "Tree View")},
          {"miToolBar", QT_TRANSLATE_NOOP("MainBar", "&Tool Bar")},
          {"miStatusBar", QT_TRANSLATE_NOOP("MainBar", "&Status Bar")}}},
        {"miWindow",
         QT_TRANSLATE_NOOP("MainBar", "&Window"),
         BandKind::Menu,
         {{"miCascade", QT_TRANSLATE_NOOP("MainBar", "&Cascade")},
          {"miTileH", QT_TRANSLATE_NOOP("MainBar", "Tile &Horizontally")},
          {"miTileV", QT_TRANSLATE_NOOP("MainBar", "Tile &Vertically")},
          {"miArrange", QT_TRANSLATE_NOOP("MainBar", "&Arrange Icons")},
          {"miCloseAll", QT_TRANSLATE_NOOP("MainBar", "Close All &Windows"), true}}},
        {"miHelp",
         QT_TRANSLATE_NOOP("MainBar", "&Help"),
         BandKind::Menu,
         {{"miAbout", QT_TRANSLATE_NOOP("MainBar", "&About...")}}},
        {"miSet",
         "",
         BandKind::Menu,
         {{"miComPort", QT_TRANSLATE_NOOP("MainBar", "Port Selection")},
          {"miInit", QT_TRANSLATE_NOOP("MainBar", "Initial Settings")},
          {"miLanguage", QT_TRANSLATE_NOOP("MainBar", "&Language")}}},
        {"miLanguage",
         QT_TRANSLATE_NOOP("MainBar", "&Language"),
         BandKind::Menu,
         {{"miChinese", QT_TRANSLATE_NOOP("MainBar", "&Chinese")},
          {"miEnglish", QT_TRANSLATE_NOOP("MainBar", "&English")}}},
        {"miModel",
         QT_TRANSLATE_NOOP("MainBar", "&Model Information"),
         BandKind::Menu,
         {{"miModelInfo", QT_TRANSLATE_NOOP("MainBar", "&Model Information")}}},
        {"ToolBar",
         "",
         BandKind::ToolBar,
         {{"miNew", QT_TRANSLATE_NOOP("MainBar", "&New")},
          {"miOpen", QT_TRANSLATE_NOOP("MainBar", "&Open")},
          {"miSave", QT_TRANSLATE_NOOP("MainBar", "&Save")},
          {"miPrint", QT_TRANSLATE_NOOP("MainBar", "&Print")},
          {"miRead", QT_TRANSLATE_NOOP("MainBar", "&Read Data From Radio"), true},
          {"miWrite", QT_TRANSLATE_NOOP("MainBar", "&Write Data To Radio")},
          {"miAbout", QT_TRANSLATE_NOOP("MainBar", "&About..."), true}}},
        {"BandTree", "", BandKind::Dock, {{"frmTreeView", ""}}},
    };
    return layout;
}

const char* DropDownBandOf(const char* toolName) {
    if (std::strcmp(toolName, "miWindows") == 0) return "miWindow";
    static const char* const kSameName[] = {"miFile", "miEditMenu", "miModel",
                                            "miEdit", "miSet",      "miProgram",
                                            "miView", "miHelp",     "miLanguage"};
    for (const char* name : kSameName) {
        if (std::strcmp(toolName, name) == 0) return name;
    }
    return nullptr;
}

const std::vector<BandTool>& HiddenTools() {
    static const std::vector<BandTool> hidden = {
        {"miFile", "miPrint"},
        {"ToolBar", "miPrint"},
        {"Menu Bar", "miModel"},
        {"Menu Bar", "miWindows"},
        {"miSet", "miInit"},
        {"miEdit", "miScan"},
        {"miEdit", "miEmergency"},
        {"miEdit", "miDTMF"},
        {"miEdit", "mi5Tone"},
        {"miEdit", "miEmbed"},
        {"miEdit", "miCustomizedSignal"},
    };
    return hidden;
}

}  // namespace qv
