// Runs an action on the next modal dialog that opens (pressing OK on the clone dialog, say), so a
// test can drive a command that shows a dialog with exec().
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace qv::test {

inline void OnNextModal(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start();
}

}  // namespace qv::test
