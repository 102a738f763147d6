// Shows a ChannelTable in a table view: channel rows 1-16 and columns 1-12 as items, the header
// row and the channel-number column as the view's headers, display-only cells in the
// button-shadow colour.
#pragma once

#include <QAbstractTableModel>

#include "editors/channel/channel_table.h"

namespace qv {

class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ChannelGridModel(ChannelTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Table cell (row 1-16, column 1-12) <-> view index.
    QModelIndex IndexOf(int row, int column) const { return index(row - 1, column - 1); }
    static int TableRow(const QModelIndex& index) { return index.row() + 1; }
    static int TableColumn(const QModelIndex& index) { return index.column() + 1; }

private:
    ChannelTable& table_;
};

}  // namespace qv
