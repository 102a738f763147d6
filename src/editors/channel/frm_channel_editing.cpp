// Editing the channel grid: which editor opens on which cell, the keys that open, commit and
// cancel an edit, and where the current cell goes afterwards.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

#include "editors/channel/channel_grid_model.h"
#include "editors/channel/frequency_validator.h"
#include "editors/channel/frm_channel.h"
#include "editors/channel/name_validator.h"

namespace qv {

using namespace channel;

namespace {

constexpr int kFrequencyEditorExtraTwips = 150;

bool IsEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool IsAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// True when the widget is the editor, lies inside it or in its drop-down list.
bool BelongsToEditor(const QWidget* widget, QWidget* editor) {
    QWidget* popup = nullptr;
    if (auto* combo = qobject_cast<QComboBox*>(editor)) popup = combo->view()->window();
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w == editor || w == popup) return true;
    }
    return false;
}

QComboBox* MakeCombo(QWidget* parent, const QString& name, bool editable) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(16);
    combo->hide();
    return combo;
}

}  // namespace

void FrmChannel::BuildEditors() {
    QWidget* host = grid_->viewport();
    cboFreq_ = MakeCombo(host, QStringLiteral("CboFreq"), true);
    cboFreq_->setCompleter(nullptr);  // what is typed stays as typed
    // Digits and the decimal separator only, key by key; list entries are chosen as they are.
    cboFreq_->setValidator(new FrequencyValidator(cboFreq_));
    cboFreq_->installEventFilter(this);
    cboFreq_->lineEdit()->installEventFilter(this);

    txtChannel_ = new QLineEdit(host);
    txtChannel_->setObjectName(QStringLiteral("TxtChannel"));
    txtChannel_->setMaxLength(ChannelTable::kNameMaxLength);
    // Characters 32 to 122 only, whether typed or pasted.
    nameValidator_ = new NameValidator(txtChannel_);
    txtChannel_->setValidator(nameValidator_);
    txtChannel_->installEventFilter(this);
    txtChannel_->hide();

    for (int i = 0; i < 2; ++i) {
        cboChannel_[i] = MakeCombo(host, QStringLiteral("CboChannel_%1").arg(i), false);
        cboChannel_[i]->installEventFilter(this);
    }
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

// ---- Opening an editor ----

void FrmChannel::EditCell() {
    const CellEditor editor = table_.EditorFor(curRow_, curCol_);
    if (editor == CellEditor::None) return;
    const QString cur = table_.Cell(curRow_, curCol_);
    CloseOpenEditor();
    editRow_ = curRow_;
    editCol_ = curCol_;
    savedText_ = cur;

    switch (editor) {
        case CellEditor::Frequency: {
            cboFreq_->clear();
            cboFreq_->addItems(ChannelTable::FrequencyChoices());
            const int at = cboFreq_->findText(cur, Qt::MatchExactly);
            cboFreq_->setCurrentIndex(at);
            if (at < 0) cboFreq_->setEditText(cur);
            ShowEditor(cboFreq_, TwipsToPixels(kFrequencyEditorExtraTwips));
            cboFreq_->lineEdit()->selectAll();
            break;
        }
        case CellEditor::Name:
            nameValidator_->SetOriginal(cur);
            txtChannel_->setText(cur);
            ShowEditor(txtChannel_, 0);
            txtChannel_->selectAll();
            break;
        case CellEditor::Tone:
            cboChannel_[0]->setItemText(0, table_.ToneDisplayList().value(0));
            cboChannel_[0]->setCurrentIndex(cboChannel_[0]->findText(cur, Qt::MatchExactly));
            ShowEditor(cboChannel_[0], 0);
            break;
        case CellEditor::Option:
            cboChannel_[1]->clear();
            cboChannel_[1]->addItems(ChannelTable::OptionList(curCol_));
            ShowEditor(cboChannel_[1], 0);
            // A text that is none of the entries leaves the choice empty.
            cboChannel_[1]->setCurrentIndex(cboChannel_[1]->findText(cur, Qt::MatchExactly));
            break;
        case CellEditor::None:
            break;
    }
}

void FrmChannel::ShowEditor(QWidget* editor, int extraWidth) {
    openEditor_ = editor;
    editorExtraWidth_ = extraWidth;
    PlaceOpenEditor();
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

void FrmChannel::PlaceOpenEditor() {
    if (!openEditor_) return;
    const QRect cell = grid_->visualRect(model_->IndexOf(editRow_, editCol_));
    // A list box is taller than a grid row: it keeps its own height, centred on the row.
    const int height = qMax(cell.height(), openEditor_->sizeHint().height());
    openEditor_->setGeometry(cell.x(), cell.center().y() - height / 2 + 1,
                             cell.width() + editorExtraWidth_, height);
}

// ---- Closing an editor ----

void FrmChannel::CommitOpenEditor() {
    QWidget* editor = openEditor_;
    if (!editor) return;
    openEditor_ = nullptr;  // first, so the focus moves caused by hiding it commit nothing
    if (editor == cboFreq_) {
        const QString text = cboFreq_->currentText();
        HideEditor(cboFreq_);
        cboFreq_->setCurrentIndex(0);
        table_.CommitFrequency(editRow_, editCol_, text);
    } else if (editor == txtChannel_) {
        HideEditor(txtChannel_);
        table_.CommitName(editRow_, txtChannel_->text());
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const QString text = combo->currentText();
        HideEditor(combo);
        table_.CommitChoice(editRow_, editCol_, text, savedText_);
    }
}

void FrmChannel::CloseOpenEditor() {
    QWidget* editor = openEditor_;
    openEditor_ = nullptr;
    if (editor) HideEditor(editor);
}

void FrmChannel::HideEditor(QWidget* editor) {
    // Hiding the focused editor would pass the focus on like Tab, which moves the grid's
    // current cell: the grid takes the focus first.
    if (editor->isAncestorOf(QApplication::focusWidget()) || editor->hasFocus()) {
        grid_->setFocus(Qt::OtherFocusReason);
    }
    editor->hide();
}

void FrmChannel::CancelOpenEditor() {
    // Nothing was committed, so the cell still holds SavedText, the text it had when the editor
    // opened; the editor goes without storing what it shows.
    const bool frequency = openEditor_ == cboFreq_;
    CloseOpenEditor();
    if (frequency) cboFreq_->setCurrentIndex(0);
    grid_->setFocus(Qt::OtherFocusReason);
}

void FrmChannel::FinishWithEnter(int nextColumn) {
    const int row = editRow_;
    CommitOpenEditor();
    grid_->setFocus(Qt::OtherFocusReason);
    if (nextColumn >= 1 && nextColumn < kTableColumns) SetCurrentCell(row, nextColumn);
}

void FrmChannel::OnFocusChanged(QWidget* now) {
    // Leaving the program (now is null) is no leaving of the editor; anything else is.
    if (openEditor_ && now && !BelongsToEditor(now, openEditor_)) CommitOpenEditor();
}

// ---- Mouse and keys ----

void FrmChannel::RedirectCurrentCell() {
    const int column = table_.RedirectColumn(curRow_, curCol_);
    if (column != curCol_) SetCurrentCell(curRow_, column);
}

void FrmChannel::OnCellClicked(const QModelIndex& index) {
    if (!index.isValid()) return;
    if (ChannelGridModel::TableColumn(index) != kColMode) RedirectCurrentCell();
    EditCell();
}

bool FrmChannel::HandleGridKey(QKeyEvent* event) {
    // Combinations with Ctrl or Alt belong to the window (and the hidden keys).
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const QString text = event->text();
    const bool enter = IsEnterKey(event);
    if (!enter && (text.isEmpty() || !text.at(0).isPrint())) return false;

    RedirectCurrentCell();
    if (enter) {
        EditCell();
        return true;
    }
    const QChar typed = text.at(0);
    if (curCol_ == kColRxFreq || curCol_ == kColTxFreq) {
        // The key opens the editor and is its first character, as in the name column.
        const std::optional<QString> first = ChannelTable::AcceptedFrequencyText(typed);
        if (first && !first->isEmpty()) {
            EditCell();
            if (openEditor_ == cboFreq_) {
                cboFreq_->setCurrentIndex(-1);
                cboFreq_->setEditText(*first);
                cboFreq_->lineEdit()->setCursorPosition(1);
            }
        }
    } else if (curCol_ == kColName) {
        if (IsAsciiDigit(typed) || IsAsciiLetter(typed)) {
            EditCell();
            if (openEditor_ == txtChannel_) {
                txtChannel_->setText(typed.toUpper());
                txtChannel_->setCursorPosition(1);
            }
        }
    }
    return true;  // no other typed character does anything on the grid
}

bool FrmChannel::HandleEditorKey(QWidget* editor, QKeyEvent* event) {
    // Esc in any editor puts back the cell's text and closes the editor.
    if (event->key() == Qt::Key_Escape) {
        CancelOpenEditor();
        return true;
    }
    if (editor == txtChannel_) {
        if (IsEnterKey(event)) {
            FinishWithEnter(editCol_ + 1);
            return true;
        }
        return false;
    }
    if (editor == cboFreq_) {
        if (IsEnterKey(event)) {
            FinishWithEnter(editCol_ + 1);
            return true;
        }
        return false;
    }
    // The tone and option lists.
    if (IsEnterKey(event)) {
        // The next column depends on the row as the commit leaves it.
        CommitOpenEditor();
        const int next = table_.NextColumnAfterChoice(editRow_, editCol_, [this](int c) {
            return grid_->isColumnHidden(c - 1) || grid_->columnWidth(c - 1) == 0;
        });
        FinishWithEnter(next);
        return true;
    }
    return false;
}

bool FrmChannel::eventFilter(QObject* watched, QEvent* event) {
    if (!grid_) return false;  // the window is being taken down
    if (event->type() == QEvent::Paint && watched == grid_->findChild<QAbstractButton*>()) {
        return PaintCorner(static_cast<QWidget*>(watched));
    }
    if (event->type() != QEvent::KeyPress) return EditorWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == grid_) return HandleGridKey(key);
    QWidget* editor = nullptr;
    if (watched == cboFreq_ || watched == cboFreq_->lineEdit()) editor = cboFreq_;
    if (watched == txtChannel_) editor = txtChannel_;
    if (watched == cboChannel_[0] || watched == cboChannel_[1])
        editor = qobject_cast<QWidget*>(watched);
    if (editor && editor == openEditor_) return HandleEditorKey(editor, key);
    return EditorWindow::eventFilter(watched, event);
}

}  // namespace qv
