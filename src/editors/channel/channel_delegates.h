// The cell editors of the channel grid as item delegates: the frequency list (CboFreq), the name
// box (TxtChannel), the tone list (CboChannel_0) and the option lists (CboChannel_1). Each opens
// over its cell with the cell's text (kept as SavedText), commits when Enter is pressed or the
// focus leaves it, and closes without storing on Esc.
#pragma once

#include <QStyledItemDelegate>

#include "editors/channel/channel_table.h"

namespace qv {

// Common to every cell of the grid: display-only cells are painted in the button-shadow
// colour, and the editors' Enter and Esc keys.
class ChannelCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ChannelCellDelegate(ChannelTable& table, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), table_(table) {}

    // The editor's text when it opened.
    static QString SavedText(const QWidget* editor);
    // Whether the editor holds a text its cell cannot store; if so the editor has been told why
    // (a note beside it) and its text is selected, so that the user types it again or presses
    // Esc. Such an editor must stay open, its text unstored.
    virtual bool Refuses(QWidget* /*editor*/) const { return false; }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

signals:
    // Enter committed the editor of this cell (table coordinates); the grid moves on.
    void enterPressed(int row, int column);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Marks a new editor with its cell and SavedText.
    void Prepare(QWidget* editor, const QModelIndex& index) const;
    // Extra width beyond the cell.
    virtual int ExtraWidth() const { return 0; }

    ChannelTable& table_;
};

// RX Freq. and TX Freq.: an editable list of the PMR446 frequencies. Keys other than digits and
// the decimal separator are refused; a typed "." is taken as the separator.
class FrequencyDelegate : public ChannelCellDelegate {
    Q_OBJECT
public:
    using ChannelCellDelegate::ChannelCellDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    // Starts the editor of a cell with a typed character, as if it were its first key; `first`
    // is that character as the editor lets it in (AcceptedFrequencyText).
    static void StartWith(QWidget* editor, const QString& first);
    // A changed frequency outside the band: the note "4461 MHz is outside this radio's band,
    // 400.00000 to 480.00000 MHz" shows under the editor until the text is edited.
    bool Refuses(QWidget* editor) const override;

protected:
    int ExtraWidth() const override;
};

// CH Name: six characters 32-122 at most.
class NameDelegate : public ChannelCellDelegate {
    Q_OBJECT
public:
    using ChannelCellDelegate::ChannelCellDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    // The typed character becomes the name (a lower-case letter in upper case), caret after it.
    static void StartWith(QWidget* editor, QChar typed);
};

// The tone columns (the numbered tone list) and the option columns (their option list).
class ChoiceDelegate : public ChannelCellDelegate {
    Q_OBJECT
public:
    using ChannelCellDelegate::ChannelCellDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

}  // namespace qv
