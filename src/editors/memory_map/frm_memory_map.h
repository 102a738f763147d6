// The memory map: every byte of the image as two hex digits in msgMemory, edited in place by the
// grid's item delegate (txtMemory); an address box jumps to any address. OK writes the whole table
// into the image, Cancel (or closing the window) leaves the image as it was. Not modal; deleted
// when closed.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "data/radio_image.h"
#include "editors/common/document_history.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;

namespace qv {

class MemoryMapDelegate;
class MemoryMapModel;

class FrmMemoryMap : public QWidget {
    Q_OBJECT
public:
    // Fills the table from the image; the cell of address 0x0000 becomes current.
    explicit FrmMemoryMap(RadioData& data, QWidget* parent = nullptr);

    MemoryMapModel& Model() { return *model_; }
    // OK becomes one step of the document's undo history, "Memory Map".
    void SetHistory(DocumentHistory* history) { history_ = history; }

signals:
    // OK wrote the table into the image.
    void Stored();

public:
    // Makes the cell current and opens the cell editor over it with the cell's text.
    void EditCell(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildGrid();
    void BuildAddressBox();
    void OnCurrentChanged(const QModelIndex& current);
    bool HandleGridKey(QKeyEvent* event);
    bool HandleAddressKey(QKeyEvent* event);
    void MoveAfterEnter(int row, int column);
    void LeaveAddressBox();
    void StoreAndClose();

    RadioData& data_;
    QPointer<DocumentHistory> history_;
    MemoryMapModel* model_ = nullptr;
    QTableView* grid_ = nullptr;  // msgMemory
    MemoryMapDelegate* delegate_ = nullptr;
    QLineEdit* address_ = nullptr;   // TxtAddr
    QLabel* value_ = nullptr;        // LblValue
    QPushButton* ok_ = nullptr;      // cmdOK
    QPushButton* cancel_ = nullptr;  // cmdCancel

    QString savedAddress_;  // the address box's text when it got the focus
};

}  // namespace qv
