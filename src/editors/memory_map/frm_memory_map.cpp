#include "editors/memory_map/frm_memory_map.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "editors/common/cell_editing.h"
#include "editors/memory_map/hex_validator.h"
#include "editors/memory_map/memory_map_delegate.h"
#include "editors/memory_map/memory_map_model.h"

namespace qv {

namespace {

constexpr int kVisibleDataRows = 16;

// The keypad's separator key opens the editor like Enter.
bool IsKeypadSeparator(const QKeyEvent* event) {
    return (event->modifiers() & Qt::KeypadModifier) && event->key() == Qt::Key_Comma;
}

// The hex digit of a key, on the main keyboard or the keypad, letters whatever the shift state;
// a null character for any other key.
QChar HexDigitOfKey(const QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return QChar(u'0' + (key - Qt::Key_0));
    if (key >= Qt::Key_A && key <= Qt::Key_F) return QChar(u'A' + (key - Qt::Key_A));
    return QChar();
}

bool LeavesWithoutLosingEdit(const QFocusEvent* event) {
    // Switching to another program or opening a pop-up is no leaving of the box.
    return event->reason() == Qt::ActiveWindowFocusReason ||
           event->reason() == Qt::PopupFocusReason;
}

}  // namespace

FrmMemoryMap::FrmMemoryMap(RadioData& data, QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data) {
    setObjectName(QStringLiteral("frmMemoryMap"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Memory Map"));

    model_ = new MemoryMapModel(data_.image, this);
    BuildGrid();
    BuildAddressBox();

    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    connect(ok_, &QPushButton::clicked, this, &FrmMemoryMap::StoreAndClose);
    connect(cancel_, &QPushButton::clicked, this, &QWidget::close);

    auto* label1 = new QLabel(QStringLiteral("="), this);
    label1->setObjectName(QStringLiteral("Label1"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(address_);
    bottom->addWidget(label1);
    bottom->addWidget(value_);
    bottom->addStretch(1);
    bottom->addWidget(ok_);
    bottom->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(bottom);

    grid_->setCurrentIndex(model_->index(0, 0));
    grid_->setFocus();
    adjustSize();
}

void FrmMemoryMap::BuildGrid() {
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("msgMemory"));
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setCornerButtonEnabled(false);
    grid_->setWordWrap(false);

    const QFontMetrics metrics = grid_->fontMetrics();
    const int rowHeight = metrics.height() + 6;
    const int columnWidth = metrics.horizontalAdvance(QStringLiteral("WW")) + 12;
    QHeaderView* rows = grid_->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(rowHeight);
    rows->setDefaultAlignment(Qt::AlignCenter);
    rows->setFixedWidth(2 * columnWidth);
    rows->setSectionsClickable(false);
    QHeaderView* columns = grid_->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setDefaultSectionSize(columnWidth);
    columns->setMinimumSectionSize(columnWidth);
    columns->setDefaultAlignment(Qt::AlignCenter);
    columns->setFixedHeight(rowHeight);
    columns->setSectionsClickable(false);

    // The header row and 16 data rows at a time.
    const int frame = 2 * grid_->frameWidth();
    const int scrollBar = grid_->verticalScrollBar()->sizeHint().width();
    grid_->setMinimumSize(2 * columnWidth + kRowSize * columnWidth + scrollBar + frame,
                          rowHeight + kVisibleDataRows * rowHeight + frame);

    delegate_ = new MemoryMapDelegate(grid_);
    grid_->setItemDelegate(delegate_);
    connect(delegate_, &MemoryMapDelegate::enterPressed, this, &FrmMemoryMap::MoveAfterEnter);
    // The value label follows a committed byte.
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [this] { OnCurrentChanged(grid_->currentIndex()); });

    grid_->installEventFilter(this);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
    connect(grid_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { EditCell(index.row(), index.column()); });
    // The editor belongs to its cell; scrolling the cell away cancels the edit.
    for (QScrollBar* bar : {grid_->verticalScrollBar(), grid_->horizontalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, delegate_, &MemoryMapDelegate::CancelOpenEditor);
    }
}

void FrmMemoryMap::BuildAddressBox() {
    address_ = new QLineEdit(this);
    address_->setObjectName(QStringLiteral("TxtAddr"));
    address_->setMaxLength(4);
    address_->setValidator(new HexValidator(address_));
    address_->setFixedWidth(address_->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 16);
    address_->installEventFilter(this);
    value_ = new QLabel(this);
    value_->setObjectName(QStringLiteral("LblValue"));
    value_->setMinimumWidth(value_->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
}

void FrmMemoryMap::OnCurrentChanged(const QModelIndex& current) {
    if (!current.isValid()) return;
    address_->setText(MemoryMapModel::AddressText(current.row(), current.column()));
    value_->setText(QString::number(model_->Byte(current.row(), current.column())));
}

// ---- The cell editor ----

void FrmMemoryMap::EditCell(int row, int column) {
    delegate_->CommitOpenEditor();
    const QModelIndex cell = model_->index(row, column);
    if (!cell.isValid()) return;
    grid_->setCurrentIndex(cell);
    grid_->edit(cell);
}

void FrmMemoryMap::MoveAfterEnter(int row, int column) {
    const auto [nextRow, nextColumn] = MemoryMapModel::CellAfterEnter(row, column);
    grid_->setFocus(Qt::OtherFocusReason);
    grid_->setCurrentIndex(model_->index(nextRow, nextColumn));
}

// ---- Keys ----

bool FrmMemoryMap::HandleGridKey(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid()) return false;
    if (IsEnterKey(event) || IsKeypadSeparator(event)) {
        EditCell(current.row(), current.column());
        return true;
    }
    const QChar digit = HexDigitOfKey(event);
    if (digit.isNull()) return false;  // arrows and the rest keep their grid meaning
    EditCell(current.row(), current.column());
    if (auto* box = qobject_cast<QLineEdit*>(delegate_->OpenEditor())) {
        box->setText(digit);
        box->setCursorPosition(1);
    }
    return true;
}

bool FrmMemoryMap::HandleAddressKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        address_->setText(savedAddress_);
        address_->selectAll();
        return true;
    }
    if (IsEnterKey(event)) {
        LeaveAddressBox();
        return true;
    }
    return false;
}

// ---- The address box ----

void FrmMemoryMap::LeaveAddressBox() {
    const QString address = model_->NormalizeAddress(address_->text());
    address_->setText(address);
    if (address == savedAddress_) return;
    savedAddress_ = address;  // Enter, then the focus leaving, go there once
    const int value = address.toInt(nullptr, 16);
    const int row = value / kRowSize;
    const int column = value % kRowSize;
    grid_->setCurrentIndex(model_->index(row, column));
    grid_->scrollTo(model_->index(row, column), QAbstractItemView::PositionAtTop);
    EditCell(row, column);
}

void FrmMemoryMap::StoreAndClose() {
    delegate_->CommitOpenEditor();
    if (history_) {
        // What an editor still holds is a step of its own, before the map's.
        history_->StorePending();
        history_->Change([](const UiTexts& texts) { return texts.UiText("Undo", "Memory Map"); },
                         [this] { model_->Store(data_.image); });
    } else {
        model_->Store(data_.image);
    }
    emit Stored();
    close();
}

bool FrmMemoryMap::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (watched == grid_) return HandleGridKey(key);
            if (watched == address_) return HandleAddressKey(key);
            break;
        }
        case QEvent::FocusIn:
            if (watched == address_) {
                savedAddress_ = address_->text();
                QTimer::singleShot(0, address_, [box = address_] { box->selectAll(); });
            }
            break;
        case QEvent::FocusOut: {
            const auto* focus = static_cast<QFocusEvent*>(event);
            if (LeavesWithoutLosingEdit(focus)) break;
            if (watched == address_) LeaveAddressBox();
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace qv
