// The frame every settings window shares: the outer frame Frame1 that follows the window size,
// the title label lblTitle(0), the OK and Cancel buttons (Command1(0), Command1(1)) and small
// helpers to fill and read option lists.
#pragma once

#include <QSet>

#include "editors/common/editor_window.h"
#include "language/ui_language.h"

class QComboBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace qv {

class SettingsWindow : public EditorWindow {
    Q_OBJECT
public:
    // The margins Frame1 leaves inside the window: 200 twips of width, 100 twips of height.
    static constexpr int kFrameWidthLessTwips = 200;
    static constexpr int kFrameHeightLessTwips = 100;

protected:
    enum class Buttons { OkCancel, None };

    // `texts` is kept by reference: a language switch shows at the next Display.
    SettingsWindow(const QString& objectName, Buttons buttons, const UiTexts& texts,
                   QWidget* parent);

    // The language and locale the window speaks in.
    const UiTexts& texts() const { return texts_; }

    // Where a window puts its controls: inside Frame1, below the title, above the buttons.
    QVBoxLayout* Body() const { return body_; }
    QFrame* Frame1() const { return frame1_; }

    // Window caption, title label and button captions in the window's language.
    void DisplayFrame(const QString& title);
    // Grows the window to what its controls need (Chinese captions are wider than English ones).
    void FitToContents();

    // Enter in this control moves the focus on, as Tab does.
    void MoveFocusOnEnter(QWidget* control);

    // A list that holds exactly these entries, with nothing selected.
    static void FillList(QComboBox* list, const QStringList& entries);
    static void Select(QComboBox* list, int position);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const UiTexts& texts_;

    void PlaceFrame();
    void PutButtonsLast();

    QFrame* frame1_ = nullptr;
    QLabel* title_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QHBoxLayout* buttonRow_ = nullptr;
    bool fitted_ = false;
    QSet<QObject*> enterMovesFocus_;
};

}  // namespace qv
