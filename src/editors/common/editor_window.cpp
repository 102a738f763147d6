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

}  // namespace qv
