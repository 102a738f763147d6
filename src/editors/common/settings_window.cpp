#include "editors/common/settings_window.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "language/ui_language.h"

namespace qv {

SettingsWindow::SettingsWindow(const QString& objectName, Buttons buttons, const UiTexts& texts,
                               QWidget* parent)
    : EditorWindow(parent), texts_(texts) {
    setObjectName(objectName);

    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::StyledPanel);
    frame1_->setFrameShadow(QFrame::Sunken);

    auto* outer = new QVBoxLayout(frame1_);
    outer->setContentsMargins(12, 8, 12, 10);
    outer->setSpacing(8);

    title_ = new QLabel(frame1_);
    title_->setObjectName(QStringLiteral("lblTitle_0"));
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title_->setFont(titleFont);
    outer->addWidget(title_);

    auto* rule = new QFrame(frame1_);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    outer->addWidget(rule);

    body_ = new QVBoxLayout;
    body_->setSpacing(8);
    outer->addLayout(body_);
    outer->addStretch(1);

    if (buttons == Buttons::OkCancel) {
        // Parented by PutButtonsLast once the window's own controls exist.
        ok_ = new QPushButton;
        ok_->setObjectName(QStringLiteral("Command1_0"));
        cancel_ = new QPushButton;
        cancel_->setObjectName(QStringLiteral("Command1_1"));
        buttonRow_ = new QHBoxLayout;
        buttonRow_->addStretch(1);
        outer->addLayout(buttonRow_);
        // OK is one step of the document's undo history, named after the window.
        connect(ok_, &QPushButton::clicked, this, [this] {
            StoreAsStep();
            CloseEditor();
        });
        connect(cancel_, &QPushButton::clicked, this, [this] { CloseEditor(); });
    }
}

void SettingsWindow::DisplayFrame(const QString& title) {
    setWindowTitle(title);
    title_->setText(title);
    if (ok_) ok_->setText(texts_.UiText("Common", "&OK"));
    if (cancel_) cancel_->setText(texts_.UiText("Common", "&Cancel"));
}

void SettingsWindow::FitToContents() {
    PutButtonsLast();
    frame1_->layout()->activate();
    const QSize needed = frame1_->sizeHint() + QSize(TwipsToPixels(kFrameWidthLessTwips),
                                                     TwipsToPixels(kFrameHeightLessTwips));
    setMinimumSize(needed);
    // A new window takes just the size it needs; later refreshes only grow it.
    resize(fitted_ ? size().expandedTo(needed) : needed);
    fitted_ = true;
    PlaceFrame();
}

void SettingsWindow::PutButtonsLast() {
    // The buttons join the window only now, after its own controls, so Tab reaches them last.
    if (!ok_ || ok_->parent()) return;
    buttonRow_->addWidget(ok_);
    buttonRow_->addWidget(cancel_);
}

void SettingsWindow::MoveFocusOnEnter(QWidget* control) {
    enterMovesFocus_.insert(control);
    control->installEventFilter(this);
}

void SettingsWindow::FillList(QComboBox* list, const QStringList& entries) {
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(-1);
}

void SettingsWindow::Select(QComboBox* list, int position) {
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && enterMovesFocus_.contains(watched)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return EditorWindow::eventFilter(watched, event);
}

void SettingsWindow::resizeEvent(QResizeEvent* event) {
    EditorWindow::resizeEvent(event);
    PlaceFrame();
}

void SettingsWindow::PlaceFrame() {
    // Frame1 takes the inner width less 200 twips and the inner height less 100 twips, centred.
    const int widthLess = TwipsToPixels(kFrameWidthLessTwips);
    const int heightLess = TwipsToPixels(kFrameHeightLessTwips);
    frame1_->setGeometry(widthLess / 2, heightLess / 2, qMax(0, width() - widthLess),
                         qMax(0, height() - heightLess));
}

}  // namespace qv
