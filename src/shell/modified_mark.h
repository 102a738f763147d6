// Keeps the "*" of the main window's title current. Edits live in an editor's controls until it
// stores them, so the mark is worked out again after each thing the user does (a key, a click,
// a turn of the wheel, a finished input-method text, a drop), once the event loop is idle, and
// after every command. Working it out is cheap: it stores the open editor into the 16 KB image,
// compares with the baseline and puts the image back.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace qv {

class ModifiedMark : public QObject {
    Q_OBJECT
public:
    ModifiedMark(QObject* parent, std::function<void()> update);

    // Works the mark out again once the current event has been handled.
    void Schedule() { pending_.start(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer pending_;
};

}  // namespace qv
