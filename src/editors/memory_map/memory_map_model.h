// The memory map's working copy of the image: 1024 rows of 16 bytes shown as two hex digits, the
// rules of its cell edits and address box, and OK's write-back of every byte.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <cstdint>

#include "data/radio_image.h"

namespace qv {

class MemoryMapModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Takes a copy of the image's bytes; the image itself changes only through Store.
    explicit MemoryMapModel(const RadioImage& image, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Rows 000-3FF, columns 0-F, upper-case hex.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The cell editor's committed text, as CommitCell takes it.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Two upper-case hex digits.
    QString CellText(int row, int column) const;
    std::uint8_t Byte(int row, int column) const;
    // A committed cell edit: "" becomes FF, one digit d becomes 0d, two digits stay. Returns
    // false and changes nothing for a text that is not one or two hex digits.
    bool CommitCell(int row, int column, const QString& text);
    // Writes all 16,384 bytes into the image.
    void Store(RadioImage& image) const;

    // The highest address of the table: 0x3FFF.
    int LastAddress() const { return rowCount() * kRowSize - 1; }
    // Four upper-case hex digits: the row header followed by the column header.
    static QString AddressText(int row, int column);
    // What the address box shows when left: the text padded with 0 to four digits, an address
    // beyond LastAddress capped to it (3FFF). Non-hex text reads as address 0.
    QString NormalizeAddress(const QString& text) const;
    // The cell Enter moves to from (row, column): one column right; from column F the first
    // column of the next row while the row is below 0x7F (up to address 0x07EF), else nowhere.
    static QPair<int, int> CellAfterEnter(int row, int column);

    static constexpr int kLastWrappingRow = 0x7E;

private:
    std::array<std::uint8_t, kImageSize> bytes_{};
};

}  // namespace qv
