// The built-in layout of the main window's bar: named bands holding named tools. A tool is a
// command by its name (CommandActions), so the same name in two bands is the same action.
#pragma once

#include <vector>

namespace qv {

enum class BandKind { MenuBar, Menu, ToolBar, Dock };

struct ToolSpec {
    const char* name;
    const char* caption;  // English; the Chinese comes from the catalogue (context "MainBar")
    bool separatorBefore = false;
};

struct BandSpec {
    const char* name;
    const char* caption;  // "" for bands without a caption of their own
    BandKind kind;
    std::vector<ToolSpec> tools;
};

const std::vector<BandSpec>& BuiltInBarLayout();

// The band each entry of "Menu Bar" (and the "miLanguage" entry of "miSet") drops down.
const char* DropDownBandOf(const char* toolName);

// Tools hidden by UpdateView, as (band, tool): their commands are not offered in this program.
struct BandTool {
    const char* band;
    const char* tool;
};
const std::vector<BandTool>& HiddenTools();

}  // namespace qv
