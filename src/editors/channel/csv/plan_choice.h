// A channel plan in the common format that does not fit the radio as it is (more than 16 rows,
// or rows the radio cannot hold), offered row by row for the user to choose from: every row of
// the file with what it says, whether it can be used and why not, a check mark and the channel it
// will go to. At most 16 rows are checked; a checked row takes the lowest channel no other checked
// row has, so the channels follow the order of checking, and each can be changed. As a Qt table
// model it is what the choice dialog shows; it works without any window.
#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QMap>
#include <QString>
#include <vector>

#include "data/radio_image.h"
#include "language/ui_language.h"

namespace qv {

class PlanChoice : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        kColImport,
        kColChannel,
        kColLocation,
        kColName,
        kColFrequency,
        kColTx,
        kColRxTone,
        kColTxTone,
        kColReason,
        kColumnCount
    };
    static constexpr int kMaxChecked = 16;

    // One row of the file, as the table shows it.
    struct Row {
        int line = 0;           // the line of the file it starts on
        QString location;       // as the file writes it
        QString name;           // as the radio will store it (cut to six characters)
        QString nameAsWritten;  // as the file writes it
        QString frequency;      // RX, five decimals where the file gives a plain number
        QString tx;             // TX as Duplex and Offset give it; "" without transmit
        QString rxTone;         // "88.5", "D023N", "" for none
        QString txTone;
        QString reason;  // why the radio cannot hold it; "" when it can
        bool usable() const { return reason.isEmpty(); }
    };

    // Reads a common-format plan and judges each row against the channels of `data`, which is
    // not changed: a row is judged on the channel its Location names (so a cell that still says
    // what that channel holds is no change) or, without such a channel, as a new channel. Texts
    // are in the language of `texts`. Usable rows are checked in file order, up to 16.
    PlanChoice(const QByteArray& csv, const RadioData& data, const UiTexts& texts,
               QObject* parent = nullptr);

    // Whether the file could be read as a plan at all; error() says why not.
    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; }
    // Whether the user must choose: more than 16 rows, or a row the radio cannot hold.
    bool NeedsChoice() const;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const Row& RowAt(int i) const { return rows_[static_cast<std::size_t>(i)]; }
    bool IsChecked(int i) const { return Target(i) != 0; }
    // The channel a row goes to, 0 when it is not checked.
    int Target(int i) const { return targets_[static_cast<std::size_t>(i)]; }
    int CheckedCount() const;

    // Checks a row (it takes the lowest free channel) or unchecks it (its channel is free
    // again). False, and nothing changed, for a row the radio cannot hold or a 17th check.
    bool SetChecked(int i, bool checked);
    // Sends a checked row to channel 1-16; a checked row that had that channel takes this row's
    // old one. False, and nothing changed, for an unchecked row or another number.
    bool SetTarget(int i, int channel);

    // The checked rows for the import: line of the file -> channel.
    QMap<int, int> Choices() const;
    // "12 of 40 rows checked, at most 16; 5 rows cannot be used" in the language of the texts.
    QString Summary() const;

    // ---- Qt model ----
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Rows the radio cannot hold are shown disabled (greyed); while 16 rows are checked the
    // check boxes of the others are disabled too; the channel of a checked row is editable.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The check box (Qt::CheckStateRole) and the channel (an integer) through the rules above.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The checks or channels changed.
    void choiceChanged();

private:
    void Changed();

    UiTexts texts_;
    QString error_;
    std::vector<Row> rows_;
    std::vector<int> targets_;
};

}  // namespace qv
