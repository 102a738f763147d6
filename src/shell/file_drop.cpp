#include "shell/file_drop.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace qv {

QString DroppedDataFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).suffix().compare(QLatin1String("tw"), Qt::CaseInsensitive) == 0) {
            return path;
        }
    }
    return {};
}

FileDropFilter::FileDropFilter(QWidget* window, std::function<void(const QString&)> open)
    : QObject(window), window_(window), open_(std::move(open)) {
    window_->setAcceptDrops(true);  // a drop over any part of the window has a taker
    qApp->installEventFilter(this);
}

bool FileDropFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedDataFile(drop->mimeData());
    if (path.isEmpty()) return false;  // not ours: text dropped on a text box stays text
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        QTimer::singleShot(0, window_, [this, path] { open_(path); });
    }
    return true;
}

}  // namespace qv
