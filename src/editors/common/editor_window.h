// What the main window needs of every editor window: load its fields from the image, store them
// back (as one step of the document's undo history when it has one), and close itself (also when
// it sits inside an MDI sub-window).
#pragma once

#include <QPointer>
#include <QWidget>

#include "editors/common/document_history.h"
#include "widgets/twips.h"

namespace qv {

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
    // Show the image again after an undo or redo changed it under the editor. An editor that
    // keeps the user's place (the channel grid's current cell) says so by overriding this.
    virtual void ShowRestoredData() { RefreshAll(); }

    // The document's undo history; without one (a window on its own) stores are plain stores.
    void SetHistory(DocumentHistory* history) { history_ = history; }
    DocumentHistory* History() const { return history_; }
    // SaveData as one undo step named after the window ("General Settings"); no step when no
    // byte changed.
    void StoreAsStep();
    // The window's title in a language: the name of the steps its stores make.
    virtual DocumentHistory::StepName StepName() const = 0;

    // Closes the editor: its MDI sub-window when it has one, else the widget itself.
    void CloseEditor();
    // The editor's frame: the sub-window when there is one, else the widget. Visible, hide and
    // show go through it.
    QWidget* Frame();

private:
    QPointer<DocumentHistory> history_;
};

}  // namespace qv
