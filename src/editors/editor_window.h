// What the main window needs of every editor window: load its fields from the image, store them
// back, and close itself (also when it sits inside an MDI sub-window).
#pragma once

#include <QWidget>

namespace qv {

// Sizes in the editors are given in twips; at the usual 96 dpi a pixel is 15 twips.
constexpr int TwipsToPixels(int twips) {
    return twips / 15;
}

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Rebuild captions and option lists in the current language, then decode the fields.
    virtual void RefreshAll() = 0;
    // Encode the fields into the image.
    virtual void SaveData() = 0;
    // Encode what the user has finished editing, leaving a box or cell still being typed in as it
    // is (the title's modified mark looks while the user works). Editors whose SaveData also
    // finishes the typing say so by overriding this.
    virtual void StoreFinishedEdits() { SaveData(); }

    // Closes the editor: its MDI sub-window when it has one, else the widget itself.
    void CloseEditor();
    // The editor's frame: the sub-window when there is one, else the widget. Visible, hide and
    // show go through it.
    QWidget* Frame();
};

}  // namespace qv
