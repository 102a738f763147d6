#include "editors/common/editor_window.h"

#include <QMdiSubWindow>

namespace qv {

QWidget* EditorWindow::Frame() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) return sub;
    return this;
}

void EditorWindow::CloseEditor() {
    Frame()->close();
}

void EditorWindow::StoreAsStep() {
    if (!history_) {
        SaveData();
        return;
    }
    history_->Change(StepName(), [this] { SaveData(); });
}

}  // namespace qv
