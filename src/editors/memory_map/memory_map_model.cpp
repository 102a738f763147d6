#include "editors/memory_map/memory_map_model.h"

#include <algorithm>

namespace qv {

namespace {

bool IsHexText(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
    });
}

}  // namespace

MemoryMapModel::MemoryMapModel(const RadioImage& image, QObject* parent)
    : QAbstractTableModel(parent) {
    std::copy(image.data(), image.data() + kImageSize, bytes_.begin());
}

int MemoryMapModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRowCount;
}

int MemoryMapModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRowSize;
}

QVariant MemoryMapModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return CellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

QVariant MemoryMapModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole) return {};
    const int width = orientation == Qt::Vertical ? 3 : 1;
    return QStringLiteral("%1").arg(section, width, 16, QLatin1Char('0')).toUpper();
}

Qt::ItemFlags MemoryMapModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                           : Qt::NoItemFlags;
}

bool MemoryMapModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    return CommitCell(index.row(), index.column(), value.toString());
}

QString MemoryMapModel::CellText(int row, int column) const {
    return QStringLiteral("%1").arg(Byte(row, column), 2, 16, QLatin1Char('0')).toUpper();
}

std::uint8_t MemoryMapModel::Byte(int row, int column) const {
    return bytes_[static_cast<std::size_t>(row * kRowSize + column)];
}

bool MemoryMapModel::CommitCell(int row, int column, const QString& text) {
    if (row < 0 || row >= kRowCount || column < 0 || column >= kRowSize) return false;
    if (text.size() > 2 || !IsHexText(text)) return false;
    const QString digits = text.isEmpty() ? QStringLiteral("FF") : text.rightJustified(2, u'0');
    bytes_[static_cast<std::size_t>(row * kRowSize + column)] =
        static_cast<std::uint8_t>(digits.toUInt(nullptr, 16));
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
    return true;
}

void MemoryMapModel::Store(RadioImage& image) const {
    std::copy(bytes_.begin(), bytes_.end(), image.data());
}

QString MemoryMapModel::AddressText(int row, int column) {
    return QStringLiteral("%1").arg(row * kRowSize + column, 4, 16, QLatin1Char('0')).toUpper();
}

QString MemoryMapModel::NormalizeAddress(const QString& text) const {
    const QString padded = text.rightJustified(4, u'0').toUpper();
    bool ok = false;
    const uint address = padded.toUInt(&ok, 16);
    if (!ok) return AddressText(0, 0);
    if (address > static_cast<uint>(LastAddress())) {
        return AddressText(LastAddress() / kRowSize, LastAddress() % kRowSize);
    }
    return padded;
}

QPair<int, int> MemoryMapModel::CellAfterEnter(int row, int column) {
    if (column < kRowSize - 1) return {row, column + 1};
    if (row <= kLastWrappingRow) return {row + 1, 0};
    return {row, column};
}

}  // namespace qv
