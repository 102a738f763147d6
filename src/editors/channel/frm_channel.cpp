#include "editors/channel/frm_channel.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QVBoxLayout>

#include "editors/channel/channel_grid_model.h"

namespace qv {

using namespace channel;

namespace {

constexpr int kWindowWidthTwips = 12250;
constexpr int kWindowHeightTwips = 6000;
// The Mode column has no width of its own; this one holds "Repeater" and "禁止发射".
constexpr int kModeColumnTwips = 1100;

}  // namespace

FrmChannel::FrmChannel(RadioData& data, const AppContext& context, QWidget* parent)
    : EditorWindow(parent), data_(data), context_(context), table_(data) {
    setObjectName(QStringLiteral("frmChannel"));
    resize(TwipsToPixels(kWindowWidthTwips), TwipsToPixels(kWindowHeightTwips));

    lblTitle_ = new QLabel(this);
    lblTitle_->setObjectName(QStringLiteral("lblTitle_0"));
    QFont titleFont = lblTitle_->font();
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);

    BuildGrid();
    BuildEditors();
    BuildHiddenKeys();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(lblTitle_);
    layout->addWidget(grid_, 1);

    connect(&table_, &ChannelTable::currentCellRequested, this, &FrmChannel::SetCurrentCell);
    RefreshAll();
}

FrmChannel::~FrmChannel() {
    // The grid and its model read the table, a member that goes before the window's children:
    // they go first, with no notice or event reaching this window while they do.
    disconnect(focusConnection_);
    QTableView* grid = grid_;
    grid_ = nullptr;
    delete grid;
    delete model_;
}

void FrmChannel::BuildGrid() {
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("ChannelGrid"));
    model_ = new ChannelGridModel(table_, this);
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setWordWrap(false);
    grid_->setCornerButtonEnabled(false);

    // Rows as low as the text allows, so that all 16 channels fit the window's first size.
    const int rowHeight = grid_->fontMetrics().height() + 4;
    QHeaderView* rows = grid_->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(rowHeight);
    rows->setDefaultAlignment(Qt::AlignCenter);
    rows->setFixedWidth(TwipsToPixels(ColumnWidthTwips(kColNumber)));
    rows->setSectionsClickable(false);

    QHeaderView* columns = grid_->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setDefaultAlignment(Qt::AlignCenter);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setFixedHeight(rowHeight + 2);
    for (int column = 1; column < kTableColumns; ++column) {
        const int twips = ColumnWidthTwips(column);
        grid_->setColumnWidth(column - 1, TwipsToPixels(twips > 0 ? twips : kModeColumnTwips));
    }

    // The corner above the channel numbers carries the header "No.".
    if (auto* corner = grid_->findChild<QAbstractButton*>()) corner->installEventFilter(this);

    grid_->installEventFilter(this);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
    connect(grid_, &QTableView::clicked, this, &FrmChannel::OnCellClicked);
    // An editor sits over its cell; it follows the cell when the grid scrolls.
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &FrmChannel::PlaceOpenEditor);
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &FrmChannel::PlaceOpenEditor);
}

void FrmChannel::RefreshAll() {
    CloseOpenEditor();
    Display();
    LoadData();
}

void FrmChannel::Display() {
    setWindowTitle(WindowTitle());
    lblTitle_->setText(WindowTitle());
    table_.Display();
    cboChannel_[0]->clear();
    cboChannel_[0]->addItems(table_.ToneDisplayList());
    if (auto* corner = grid_->findChild<QAbstractButton*>()) corner->update();
}

void FrmChannel::LoadData() {
    table_.LoadData();
}

void FrmChannel::SaveData() {
    CommitOpenEditor();
    table_.SaveData();
}

void FrmChannel::closeEvent(QCloseEvent* event) {
    SaveData();
    event->accept();
}

void FrmChannel::SetCurrentCell(int row, int column) {
    grid_->setCurrentIndex(model_->IndexOf(row, column));
}

void FrmChannel::OnCurrentChanged(const QModelIndex& current) {
    if (!current.isValid()) return;
    curRow_ = ChannelGridModel::TableRow(current);
    curCol_ = ChannelGridModel::TableColumn(current);
}

bool FrmChannel::PaintCorner(QWidget* corner) {
    QPainter painter(corner);
    QStyleOptionHeader option;
    option.initFrom(corner);
    // Drawn as a live header, not as the disabled button it is.
    option.state |= QStyle::State_Enabled;
    option.palette.setCurrentColorGroup(QPalette::Active);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = table_.Cell(0, kColNumber);
    option.textAlignment = Qt::AlignCenter;
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    return true;
}

}  // namespace qv
