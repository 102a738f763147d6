#include "editors/channel/channel_delegates.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QToolTip>

#include "codecs/tone.h"
#include "editors/channel/channel_texts.h"
#include "editors/channel/frequency_validator.h"
#include "editors/channel/name_validator.h"
#include "editors/common/cell_editing.h"
#include "editors/common/editor_window.h"

namespace qv {

using namespace channel;

namespace {

constexpr int kFrequencyEditorExtraTwips = 150;
constexpr char kSavedTextProperty[] = "SavedText";

QComboBox* MakeList(QWidget* parent, const QString& name, bool editable) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(16);
    return combo;
}

constexpr char kRefusalNoteName[] = "lblFrequencyRefused";

// Says under an editable list why its text is refused, selects the text and gives the list the
// focus. The note lives beside the editor (an editor's child would be clipped by it), goes with
// it, and hides as soon as the text is edited.
void ShowRefusal(QComboBox* editor, const QString& reason) {
    QWidget* host = editor->parentWidget();
    auto* note = host->findChild<QLabel*>(kRefusalNoteName, Qt::FindDirectChildrenOnly);
    if (!note) {
        note = new QLabel(host);
        note->setObjectName(kRefusalNoteName);
        note->setAutoFillBackground(true);
        note->setPalette(QToolTip::palette());
        note->setFrameShape(QFrame::Box);
        note->setMargin(3);
        QObject::connect(editor, &QObject::destroyed, note, &QObject::deleteLater);
        QObject::connect(editor->lineEdit(), &QLineEdit::textEdited, note, &QWidget::hide);
    }
    note->setText(reason);
    note->adjustSize();
    const QRect under(editor->geometry().bottomLeft() + QPoint(0, 1), note->size());
    note->move(under.bottom() < host->height()
                   ? under.topLeft()
                   : editor->geometry().topLeft() - QPoint(0, note->height() + 1));
    note->show();
    note->raise();
    editor->setFocus(Qt::OtherFocusReason);
    editor->lineEdit()->selectAll();
}

// The tone list's keyboard search: what is typed in quick succession is matched against the
// tones themselves, not the entry numbers, so "67" goes to 67.0 Hz rather than to entry 67.
class ToneListView : public QListView {
public:
    ToneListView(const ChannelTable& table, QWidget* parent) : QListView(parent), table_(table) {}

    void keyboardSearch(const QString& search) override {
        if (search.isEmpty() || !typing_.isValid() ||
            typing_.elapsed() > QApplication::keyboardInputInterval()) {
            typed_.clear();
        }
        typing_.start();
        typed_ += search;
        int row = table_.ToneEntryTyped(typed_);
        if (row < 0 && typed_ != search) {
            // Nothing goes on with what came before: the key starts a new search.
            typed_ = search;
            row = table_.ToneEntryTyped(typed_);
        }
        if (row >= 0 && model()) setCurrentIndex(model()->index(row, modelColumn()));
    }

private:
    const ChannelTable& table_;
    QString typed_;
    QElapsedTimer typing_;
};

// The editor a watched widget belongs to: the line edit of an editable list is the list's.
QWidget* EditorOf(QWidget* widget) {
    auto* combo = qobject_cast<QComboBox*>(widget->parentWidget());
    if (combo && combo->lineEdit() == widget) return combo;
    return widget;
}

}  // namespace

// ---- Every cell ----

QString ChannelCellDelegate::SavedText(const QWidget* editor) {
    return editor->property(kSavedTextProperty).toString();
}

void ChannelCellDelegate::Prepare(QWidget* editor, const QModelIndex& index) const {
    editor->setProperty(kSavedTextProperty, index.data(Qt::EditRole).toString());
    editor->setProperty(kCellRowProperty, ChannelTable::TableRow(index));
    editor->setProperty(kCellColumnProperty, ChannelTable::TableColumn(index));
}

void ChannelCellDelegate::setEditorData(QWidget* /*editor*/, const QModelIndex& /*index*/) const {
    // Each editor is filled once, when it opens; what the user typed since stays.
}

void ChannelCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                               const QModelIndex& /*index*/) const {
    const QRect cell = option.rect;
    // A list box is taller than a grid row: it keeps its own height, centred on the row.
    const int height = qMax(cell.height(), editor->sizeHint().height());
    editor->setGeometry(cell.x(), cell.center().y() - height / 2 + 1, cell.width() + ExtraWidth(),
                        height);
}

void ChannelCellDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // Display-only cells in the grey of a button's shadow; the others keep the view's colour.
    if (index.data(ChannelTable::kDisplayOnlyRole).toBool()) {
        option->backgroundBrush = option->palette.brush(QPalette::Dark);
    }
}

bool ChannelCellDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return QStyledItemDelegate::eventFilter(watched, event);
    QWidget* editor = EditorOf(widget);
    if (event->type() == QEvent::KeyPress) {
        // Enter on a text the cell cannot store keeps the editor open, saying why.
        if (IsEnterKey(static_cast<QKeyEvent*>(event)) && Refuses(editor)) return true;
        // Esc leaves the cell with SavedText: nothing is stored.
        if (FinishCellEdit(*this, editor, static_cast<QKeyEvent*>(event),
                           [this](int row, int column) { emit enterPressed(row, column); })) {
            return true;
        }
    }
    // Focus and other events of a list's line edit reach the list itself.
    if (editor != widget) return false;
    return QStyledItemDelegate::eventFilter(editor, event);
}

// ---- Frequencies ----

QWidget* FrequencyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                         const QModelIndex& index) const {
    QComboBox* combo = MakeList(parent, QStringLiteral("CboFreq"), true);
    combo->setCompleter(nullptr);  // what is typed stays as typed
    combo->addItems(table_.FrequencyChoices());
    // Digits and the decimal separator only, key by key; list entries are chosen as they are.
    combo->setValidator(new FrequencyValidator(table_, combo));
    const QString cur = index.data(Qt::EditRole).toString();
    const int at = combo->findText(cur, Qt::MatchExactly);
    combo->setCurrentIndex(at);
    if (at < 0) combo->setEditText(cur);
    combo->lineEdit()->selectAll();
    combo->lineEdit()->installEventFilter(const_cast<FrequencyDelegate*>(this));
    Prepare(combo, index);
    return combo;
}

void FrequencyDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
    const QString text = static_cast<QComboBox*>(editor)->currentText();
    // An unchanged frequency stays exactly as it was, even off the raster.
    if (text != SavedText(editor)) model->setData(index, text);
}

void FrequencyDelegate::StartWith(QWidget* editor, const QString& first) {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo || !combo->lineEdit()) return;
    combo->setCurrentIndex(-1);
    combo->setEditText(first);
    combo->lineEdit()->deselect();
    combo->lineEdit()->setCursorPosition(1);
}

bool FrequencyDelegate::Refuses(QWidget* editor) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo || !combo->lineEdit()) return false;
    const QString text = combo->currentText();
    if (text == SavedText(editor)) return false;  // an unchanged cell is stored as it was
    const QString reason = table_.FrequencyRefusal(text);
    if (reason.isEmpty()) return false;
    ShowRefusal(combo, reason);
    return true;
}

int FrequencyDelegate::ExtraWidth() const {
    return TwipsToPixels(kFrequencyEditorExtraTwips);
}

// ---- Names ----

QWidget* NameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                    const QModelIndex& index) const {
    auto* line = new QLineEdit(parent);
    line->setObjectName(QStringLiteral("TxtChannel"));
    line->setMaxLength(ChannelTable::kNameMaxLength);
    const QString cur = index.data(Qt::EditRole).toString();
    // Characters 32 to 122 only, whether typed or pasted.
    auto* validator = new NameValidator(line);
    validator->SetOriginal(cur);
    line->setValidator(validator);
    // A character the radio cannot store is refused; the tooltip says which ones it takes, and
    // shows at once when a key is refused.
    const QString hint = NameCharactersHint(table_.texts());
    line->setToolTip(hint);
    QObject::connect(validator, &NameValidator::Refused, line, [line, hint] {
        QToolTip::showText(line->mapToGlobal(QPoint(0, line->height())), hint, line);
    });
    line->setText(cur);
    line->selectAll();
    Prepare(line, index);
    return line;
}

void NameDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    const QString text = static_cast<QLineEdit*>(editor)->text();
    if (text != SavedText(editor)) model->setData(index, text);
}

void NameDelegate::StartWith(QWidget* editor, QChar typed) {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) return;
    line->setText(QString(typed.toUpper()));
    line->setCursorPosition(1);
}

// ---- Tones and options ----

QWidget* ChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                      const QModelIndex& index) const {
    const int column = ChannelTable::TableColumn(index);
    const bool tone = column == kColRxTone || column == kColTxTone;
    QComboBox* combo = MakeList(
        parent, tone ? QStringLiteral("CboChannel_0") : QStringLiteral("CboChannel_1"), false);
    if (tone) {
        combo->setView(new ToneListView(table_, combo));
        combo->addItems(table_.ToneDisplayList());
        if (combo->count() > 0) combo->setItemText(0, NoneText(table_.texts()));
    } else {
        combo->addItems(table_.OptionList(column));
    }
    // A text that is none of the entries leaves the choice empty.
    combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString(), Qt::MatchExactly));
    Prepare(combo, index);
    return combo;
}

void ChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    auto* combo = static_cast<QComboBox*>(editor);
    if (combo->currentIndex() < 0 || combo->currentText() == SavedText(editor)) return;
    model->setData(index, combo->currentText());
}

}  // namespace qv
