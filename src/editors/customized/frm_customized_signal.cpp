#include "editors/customized/frm_customized_signal.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "editors/common/settings_layout.h"

namespace qv {

namespace {

constexpr int kBoxWidth = 70;

bool Contains(const std::array<QLineEdit*, kCustomSlots>& boxes, QObject* object) {
    return std::find(boxes.begin(), boxes.end(), object) != boxes.end();
}

// Focus that moves because a menu popped up or another window became active does not mean the
// user left the box.
bool UserMovedFocus(const QFocusEvent* event) {
    return event->reason() != Qt::PopupFocusReason &&
           event->reason() != Qt::ActiveWindowFocusReason;
}

}  // namespace

FrmCustomizedSignal::FrmCustomizedSignal(RadioData& data, const UiTexts& texts, QWidget* parent)
    : SettingsWindow(QStringLiteral("FrmCustomizedSignal"), Buttons::None, texts, parent),
      data_(data) {
    QWidget* frame = Frame1();
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->setColumnMinimumWidth(2, 24);  // gap between the CTCSS and the DCS column
    const auto makeBox = [&](const QString& name) {
        auto* box = NewControl<QLineEdit>(frame, name);
        box->setMaxLength(CustomizedToneModel::kMaxTextLength);
        box->setFixedWidth(kBoxWidth);
        box->installEventFilter(this);
        return box;
    };
    for (int k = 0; k < kCustomSlots; ++k) {
        ctcssLabels_[k] = NewControl<QLabel>(frame, QStringLiteral("LblQT_%1").arg(k));
        ctcss_[k] = makeBox(QStringLiteral("TxtQT_%1").arg(k));
        grid->addWidget(ctcssLabels_[k], k, 0);
        grid->addWidget(ctcss_[k], k, 1);
    }
    for (int k = 0; k < kCustomSlots; ++k) {
        dcsLabels_[k] = NewControl<QLabel>(frame, QStringLiteral("LblDQT_%1").arg(k));
        dcs_[k] = makeBox(QStringLiteral("TxtDQT_%1").arg(k));
        grid->addWidget(dcsLabels_[k], k, 3);
        grid->addWidget(dcs_[k], k, 4);
    }
    // Tab goes down the CTCSS boxes, then down the DCS boxes.
    for (int k = 0; k + 1 < kCustomSlots; ++k) setTabOrder(ctcss_[k], ctcss_[k + 1]);
    setTabOrder(ctcss_[kCustomSlots - 1], dcs_[0]);
    for (int k = 0; k + 1 < kCustomSlots; ++k) setTabOrder(dcs_[k], dcs_[k + 1]);
    Body()->addLayout(grid);

    RefreshAll();
}

void FrmCustomizedSignal::RefreshAll() {
    Display();
    LoadData();
}

void FrmCustomizedSignal::Display() {
    DisplayFrame(CustomizedToneModel::TitleText(texts()));
    for (int k = 0; k < kCustomSlots; ++k) {
        ctcssLabels_[k]->setText(CustomizedToneModel::CtcssLabel(k, texts()));
        dcsLabels_[k]->setText(CustomizedToneModel::DcsLabel(k, texts()));
    }
    FitToContents();
}

void FrmCustomizedSignal::LoadData() {
    const CustomizedTones tones = CustomizedToneModel(data_.image).Load(texts());
    for (int k = 0; k < kCustomSlots; ++k) {
        ctcss_[k]->setText(tones.ctcss[k]);
        dcs_[k]->setText(tones.dcs[k]);
    }
    // A reload replaces what the focused box had when it got focus.
    if (auto* box = qobject_cast<QLineEdit*>(focusWidget()); IsCtcssBox(box) || IsDcsBox(box)) {
        savedText_ = box->text();
    }
}

void FrmCustomizedSignal::SaveData() {
    // The main window may store while the user is still in a box (a tool button takes no focus).
    if (auto* box = qobject_cast<QLineEdit*>(focusWidget()); IsCtcssBox(box) || IsDcsBox(box)) {
        FinishEdit(box);
        savedText_ = box->text();
    }
    StoreFinishedEdits();
}

void FrmCustomizedSignal::StoreFinishedEdits() {
    // A box still being typed in counts with the text it had when the user entered it.
    const QWidget* typing = focusWidget();
    CustomizedTones tones;
    for (int k = 0; k < kCustomSlots; ++k) {
        tones.ctcss[k] = ctcss_[k] == typing ? savedText_ : ctcss_[k]->text();
        tones.dcs[k] = dcs_[k] == typing ? savedText_ : dcs_[k]->text();
    }
    CustomizedToneModel(data_.image).Save(tones, texts());
}

bool FrmCustomizedSignal::IsCtcssBox(QObject* box) const {
    return box && Contains(ctcss_, box);
}
bool FrmCustomizedSignal::IsDcsBox(QObject* box) const {
    return box && Contains(dcs_, box);
}

bool FrmCustomizedSignal::eventFilter(QObject* watched, QEvent* event) {
    if (!IsCtcssBox(watched) && !IsDcsBox(watched)) {
        return SettingsWindow::eventFilter(watched, event);
    }
    auto* box = static_cast<QLineEdit*>(watched);
    switch (event->type()) {
        case QEvent::FocusIn:
            if (UserMovedFocus(static_cast<QFocusEvent*>(event))) {
                savedText_ = box->text();
                // After the click that gave focus has placed the cursor.
                QTimer::singleShot(0, box, &QLineEdit::selectAll);
            }
            break;
        case QEvent::FocusOut:
            if (UserMovedFocus(static_cast<QFocusEvent*>(event))) FinishEdit(box);
            break;
        case QEvent::KeyPress:
            return FilterKey(box, static_cast<QKeyEvent*>(event));
        default:
            break;
    }
    return false;
}

bool FrmCustomizedSignal::FilterKey(QLineEdit* box, QKeyEvent* key) {
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            focusNextChild();
            return true;
        case Qt::Key_Escape:
            box->setText(savedText_);
            return true;
        case Qt::Key_Backspace:
            return false;
        default:
            break;
    }
    // Cursor keys, Delete and shortcuts (copy, select all) are not typed characters; pasted
    // text is checked when the user leaves the box.
    const QString typed = key->text();
    if (typed.size() != 1 || !typed[0].isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return false;
    }
    const QChar c = typed[0];
    if (IsCtcssBox(box)) return !CustomizedToneModel::CtcssKeyAccepted(box->text(), c);

    const std::optional<QChar> accepted = CustomizedToneModel::DcsKeyAccepted(box->text(), c);
    if (!accepted) return true;
    if (*accepted == c) return false;
    box->insert(QString(*accepted));  // letters go in upper case
    return true;
}

void FrmCustomizedSignal::FinishEdit(QLineEdit* box) {
    const QString text = box->text();
    const QString finished =
        IsCtcssBox(box) ? CustomizedToneModel::CtcssAfterEdit(text, savedText_, texts().locale())
                        : CustomizedToneModel::DcsAfterEdit(text, savedText_);
    if (finished != text) box->setText(finished);
}

}  // namespace qv
