// The undo history of the document: every change of the radio image is one named step, kept
// across saves and editor switches, started afresh only when the image is replaced (New, Open, a
// completed Read). A step holds only the bytes it changed (ImageDelta); undo and redo write them
// back into the image and announce it, so the open editors can show the data again.
//
// The history keeps one copy of the image as its steps say it is. A change is whatever the image
// holds beyond that copy when Record is called, so a change that writes bytes as it goes (a
// channel created in the grid) is one step however it reaches the image.
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "data/radio_image.h"
#include "language/ui_language.h"

class QUndoStack;

namespace qv {

class DocumentHistory : public QObject {
    Q_OBJECT
public:
    // A step's name in a language: names are made again when the language changes.
    using StepName = std::function<QString(const UiTexts&)>;

    // `texts` is kept by reference: a language switch shows at the next Retranslate.
    DocumentHistory(RadioData& data, const UiTexts& texts, QObject* parent = nullptr);
    ~DocumentHistory() override;

    QUndoStack& Stack() const { return *stack_; }

    // Makes what the image holds beyond the last step one step named `name`. False, and no step,
    // when no byte changed, and while an undo or redo is writing the image.
    bool Record(StepName name);
    // Runs the change, then records it.
    template <typename Function>
    bool Change(StepName name, Function&& change) {
        change();
        return Record(std::move(name));
    }

    // The image as it is now starts an empty history, which counts as saved.
    void Reset();
    // The image as it is now is what the file holds: undoing back to here is "unmodified".
    void MarkSaved();
    // Takes bytes written outside any step (the preparation of a write) as where the next step
    // starts, so undoing that step does not take them back.
    void Adopt();

    // Before undo or redo: store what an editor still holds (it becomes a step of its own), so
    // the undo takes back the user's latest change and loses nothing typed.
    void SetStorePending(std::function<void()> storePending) {
        storePending_ = std::move(storePending);
    }
    void StorePending();
    void Undo();
    void Redo();
    bool Restoring() const { return restoring_; }

    // Undo and Redo as actions: their texts name the step ("Undo Type in Channel 3 RX Freq.") and
    // they are enabled while there is a step to take. Their owner makes them run Undo and Redo.
    void BindActions(QAction* undo, QAction* redo);
    // Step names and action texts in the current language.
    void Retranslate();

    // Heap bytes the steps hold (their changed bytes and names), for measuring the history.
    std::size_t HeldBytes() const;

signals:
    // An undo or redo wrote bytes into the image.
    void Restored();

private:
    class Step;
    friend class Step;
    void Apply(const Step& step, bool forward);
    void UpdateActionTexts();

    RadioData& data_;
    const UiTexts& texts_;
    QUndoStack* stack_ = nullptr;
    RadioImage recorded_;  // the image as the steps up to the current one make it
    std::function<void()> storePending_;
    bool restoring_ = false;
    bool storingPending_ = false;
    QPointer<QAction> undoAction_;  // a window's own actions may go before the history
    QPointer<QAction> redoAction_;
};

}  // namespace qv
