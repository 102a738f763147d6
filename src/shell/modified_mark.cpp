#include "shell/modified_mark.h"

#include <QApplication>
#include <QEvent>

namespace qv {

ModifiedMark::ModifiedMark(QObject* parent, std::function<void()> update) : QObject(parent) {
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, std::move(update));
    qApp->installEventFilter(this);
}

bool ModifiedMark::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease:
        case QEvent::Wheel:
        case QEvent::InputMethod:
        case QEvent::Drop:
            if (!pending_.isActive()) pending_.start();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace qv
