#include "editors/common/document_history.h"

#include <QAction>
#include <QUndoCommand>
#include <QUndoStack>

#include "data/image_delta.h"

namespace qv {

// One change of the image: the bytes it changed and its name. It is made after the change, so
// its first redo (QUndoStack::push runs one) has nothing to do.
class DocumentHistory::Step : public QUndoCommand {
public:
    Step(DocumentHistory& history, ImageDelta delta, StepName name)
        : history_(history), delta_(std::move(delta)), name_(std::move(name)) {
        setText(name_(history_.texts_));
    }
    void undo() override { history_.Apply(*this, false); }
    void redo() override {
        if (pushed_) {
            pushed_ = false;
            return;
        }
        history_.Apply(*this, true);
    }
    void Retranslate() { setText(name_(history_.texts_)); }
    const ImageDelta& Delta() const { return delta_; }
    std::size_t HeldBytes() const {
        return sizeof(*this) + delta_.HeldBytes() + std::size_t(text().capacity()) * 2;
    }

private:
    DocumentHistory& history_;
    ImageDelta delta_;
    StepName name_;
    bool pushed_ = true;
};

DocumentHistory::DocumentHistory(RadioData& data, const UiTexts& texts, QObject* parent)
    : QObject(parent), data_(data), texts_(texts), stack_(new QUndoStack(this)) {
    recorded_ = data_.image;
    connect(stack_, &QUndoStack::indexChanged, this, &DocumentHistory::UpdateActionTexts);
}

DocumentHistory::~DocumentHistory() {
    // The steps go while the history they point at still exists, with no notice left to give.
    stack_->disconnect(this);
    stack_->clear();
}

bool DocumentHistory::Record(StepName name) {
    if (restoring_) return false;
    ImageDelta delta = ImageDelta::Between(recorded_, data_.image);
    if (delta.IsEmpty()) return false;
    recorded_ = data_.image;
    stack_->push(new Step(*this, std::move(delta), std::move(name)));
    return true;
}

void DocumentHistory::Reset() {
    recorded_ = data_.image;
    stack_->clear();
    UpdateActionTexts();
}

void DocumentHistory::MarkSaved() {
    stack_->setClean();
}

void DocumentHistory::Adopt() {
    recorded_ = data_.image;
}

void DocumentHistory::StorePending() {
    if (!storePending_ || storingPending_ || restoring_) return;
    storingPending_ = true;
    storePending_();
    storingPending_ = false;
}

void DocumentHistory::Undo() {
    StorePending();
    stack_->undo();
}

void DocumentHistory::Redo() {
    StorePending();
    stack_->redo();
}

void DocumentHistory::Apply(const Step& step, bool forward) {
    // Bytes written outside any step since the last one stay as they are: only the step's own
    // runs are written.
    restoring_ = true;
    if (forward) {
        step.Delta().WriteAfter(data_.image);
        step.Delta().WriteAfter(recorded_);
    } else {
        step.Delta().WriteBefore(data_.image);
        step.Delta().WriteBefore(recorded_);
    }
    emit Restored();
    restoring_ = false;
}

void DocumentHistory::BindActions(QAction* undo, QAction* redo) {
    undoAction_ = undo;
    redoAction_ = redo;
    connect(stack_, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(stack_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    UpdateActionTexts();
}

void DocumentHistory::Retranslate() {
    for (int i = 0; i < stack_->count(); ++i) {
        // The stack hands its steps out read-only; every one of them is a Step of this history.
        const_cast<Step*>(static_cast<const Step*>(stack_->command(i)))->Retranslate();
    }
    UpdateActionTexts();
}

void DocumentHistory::UpdateActionTexts() {
    // As QUndoStack's own actions name them, but with the prefix in the current language at
    // every change, not the one of the moment the action was made.
    if (undoAction_) {
        const QString step = stack_->undoText();
        undoAction_->setText(step.isEmpty() ? texts_.UiText("Undo", "Undo")
                                            : texts_.UiText("Undo", "Undo %1").arg(step));
        undoAction_->setEnabled(stack_->canUndo());
    }
    if (redoAction_) {
        const QString step = stack_->redoText();
        redoAction_->setText(step.isEmpty() ? texts_.UiText("Undo", "Redo")
                                            : texts_.UiText("Undo", "Redo %1").arg(step));
        redoAction_->setEnabled(stack_->canRedo());
    }
}

std::size_t DocumentHistory::HeldBytes() const {
    std::size_t bytes = 0;
    for (int i = 0; i < stack_->count(); ++i) {
        bytes += static_cast<const Step*>(stack_->command(i))->HeldBytes();
    }
    return bytes;
}

}  // namespace qv
