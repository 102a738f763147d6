// Dropping a .tw file anywhere on the main window opens it. The drop is caught before the widget
// under the mouse sees it, so a text box of an editor does not take the file's name as text.
#pragma once

#include <QObject>
#include <functional>

class QMimeData;
class QWidget;

namespace qv {

// The first local file with the extension .tw among dropped data, or "".
QString DroppedDataFile(const QMimeData* data);

class FileDropFilter : public QObject {
    Q_OBJECT
public:
    // `open` runs after the drop has finished, so its questions do not hold up the dragging
    // program.
    FileDropFilter(QWidget* window, std::function<void(const QString&)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<void(const QString&)> open_;
};

}  // namespace qv
