#include "shell/bar_layout.h"

#include <QtGlobal>
#include <cstring>

namespace qv {

#define BAR(text) QT_TRANSLATE_NOOP("MainBar", text)

const std::vector<BandSpec>& BuiltInBarLayout() {
    static const std::vector<BandSpec> layout = {
        {"Menu Bar",
         BAR("Menu Bar"),
         BandKind::MenuBar,
         {{"miFile", BAR("File")},
          {"miModel", BAR("&Model")},
          {"miEdit", BAR("Radio Settings")},
          {"miSet", BAR("Communication Port")},
          {"miProgram", BAR("Read/Write")},
          {"miView", BAR("&View")},
          {"miWindows", BAR("&Window")},
          {"miHelp", BAR("About")}}},
        {"miFile",
         BAR("&File"),
         BandKind::Menu,
         {{"miNew", BAR("&New")},
          {"miClose", BAR("&Close")},
          {"miOpen", BAR("&Open")},
          {"miSave", BAR("&Save")},
          {"miExportCsv", BAR("Export Channels (CSV)..."), true},
          {"miExportCsvCommon", BAR("Export Channels (Common CSV)...")},
          {"miImportCsv", BAR("Import Channels (CSV)...")},
          {"miPrintList", BAR("Print Channel List..."), true},
          {"miExportPdf", BAR("Export Channel List (PDF)...")},
          {"miPrint", BAR("&Print")},
          {"miExit", BAR("E&xit"), true}}},
        {"miProgram",
         BAR("&Program"),
         BandKind::Menu,
         {{"miRead", BAR("&Read Data From Radio")}, {"miWrite", BAR("&Write Data To Radio")}}},
        {"miEdit",
         BAR("&Edit"),
         BandKind::Menu,
         {{"miCommonSet", BAR("General Settings")},
          {"miAudio", BAR("Audio Settings")},
          {"miChannel", BAR("Channels")},
          {"miKeySet", BAR("Side Button Function Settings")},
          {"miScan", BAR("&Scan Information")},
          {"miEmergency", BAR("&Emergency")},
          {"miDTMF", BAR("&DTMF")},
          {"mi5Tone", BAR("5-&Tone")},
          {"miEmbed", BAR("E&mbedded Message")},
          {"miCustomizedSignal", BAR("Customized CTCSS/DCS")}}},
        {"miView",
         BAR("&View"),
         BandKind::Menu,
         {{"miTreeView", BAR("Tree View")},
          {"miToolBar", BAR("&Tool Bar")},
          {"miStatusBar", BAR("&Status Bar")}}},
        {"miWindow",
         BAR("&Window"),
         BandKind::Menu,
         {{"miCascade", BAR("&Cascade")},
          {"miTileH", BAR("Tile &Horizontally")},
          {"miTileV", BAR("Tile &Vertically")},
          {"miArrange", BAR("&Arrange Icons")},
          {"miCloseAll", BAR("Close All &Windows"), true}}},
        {"miHelp", BAR("&Help"), BandKind::Menu, {{"miAbout", BAR("&About...")}}},
        {"miSet",
         "",
         BandKind::Menu,
         {{"miComPort", BAR("Port Selection")},
          {"miInit", BAR("Initial Settings")},
          {"miLanguage", BAR("&Language")}}},
        {"miLanguage",
         BAR("&Language"),
         BandKind::Menu,
         {{"miChinese", BAR("&Chinese")}, {"miEnglish", BAR("&English")}}},
        {"miModel",
         BAR("&Model Information"),
         BandKind::Menu,
         {{"miModelInfo", BAR("&Model Information")}}},
        {"ToolBar",
         "",
         BandKind::ToolBar,
         {{"miNew", BAR("&New")},
          {"miOpen", BAR("&Open")},
          {"miSave", BAR("&Save")},
          {"miPrint", BAR("&Print")},
          {"miRead", BAR("&Read Data From Radio"), true},
          {"miWrite", BAR("&Write Data To Radio")},
          {"miAbout", BAR("&About..."), true}}},
        {"BandTree", "", BandKind::Dock, {{"frmTreeView", ""}}},
    };
    return layout;
}

#undef BAR

const char* DropDownBandOf(const char* toolName) {
    if (std::strcmp(toolName, "miWindows") == 0) return "miWindow";
    static const char* const kSameName[] = {"miFile",    "miModel", "miEdit", "miSet",
                                            "miProgram", "miView",  "miHelp", "miLanguage"};
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
