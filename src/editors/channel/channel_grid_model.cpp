#include "editors/channel/channel_grid_model.h"

#include <QGuiApplication>
#include <QPalette>

namespace qv {

using namespace channel;

ChannelGridModel::ChannelGridModel(ChannelTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    connect(&table_, &ChannelTable::cellsChanged, this, [this](int firstRow, int lastRow) {
        if (firstRow == 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        const int first = qMax(firstRow, 1);
        if (lastRow >= first) {
            emit dataChanged(IndexOf(first, 1), IndexOf(lastRow, kTableColumns - 1));
        }
    });
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTableRows - 1;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kTableColumns - 1;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = TableRow(index);
    const int column = TableColumn(index);
    switch (role) {
        case Qt::DisplayRole:
            return table_.Cell(row, column);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        case Qt::BackgroundRole:
            // Display-only cells look different from the editable ones (the grey of a button's
            // shadow); the others keep the view's base colour.
            if (table_.IsDisplayOnly(row, column)) {
                return QGuiApplication::palette().brush(QPalette::Dark);
            }
            return {};
        default:
            return {};
    }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return table_.Cell(0, section + 1);
    return table_.Cell(section + 1, 0);
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    // Cells are edited through the window's own editors, never by the view.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace qv
