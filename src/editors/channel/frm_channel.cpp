#include "editors/channel/frm_channel.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTimer>
#include <QVBoxLayout>

#include "context/app_context.h"
#include "editors/channel/channel_delegates.h"
#include "editors/channel/channel_grid_view.h"

namespace qv {

using namespace channel;

namespace {

constexpr int kWindowWidthTwips = 12250;
constexpr int kWindowHeightTwips = 6000;

}  // namespace

FrmChannel::FrmChannel(RadioData& data, const AppContext& context, DocumentHistory* history,
                       QWidget* parent)
    : EditorWindow(parent), data_(data), context_(context) {
    setObjectName(QStringLiteral("frmChannel"));
    resize(TwipsToPixels(kWindowWidthTwips), TwipsToPixels(kWindowHeightTwips));

    table_ = new ChannelTable(data_, context_.texts(), this);
    if (!history) {
        // On its own the window is the document: its history, undone in its own grid.
        history = new DocumentHistory(data_, context_.texts(), this);
        history->SetStorePending([this] { CommitOpenEditor(); });
        connect(history, &DocumentHistory::Restored, this, &FrmChannel::ShowRestoredData);
    }
    SetHistory(history);

    lblTitle_ = new QLabel(this);
    lblTitle_->setObjectName(QStringLiteral("lblTitle_0"));
    QFont titleFont = lblTitle_->font();
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);

    BuildGrid();
    BuildDelegates();
    BuildHiddenKeys();
    BuildRowActions();
    if (history->parent() == this) BuildOwnActions();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(lblTitle_);
    layout->addWidget(grid_, 1);

    connect(table_, &ChannelTable::edited, this,
            [this](const ChannelTableState&, const ChannelEdit& what) { OnTableEdited(what); });
    RefreshAll();
}

FrmChannel::~FrmChannel() {
    // The grid goes before the table it shows, with no notice reaching this window meanwhile.
    grid_->removeEventFilter(this);
    grid_->viewport()->removeEventFilter(this);
    delete grid_;
    grid_ = nullptr;
}

void FrmChannel::BuildGrid() {
    grid_ = new ChannelGridView(this);
    grid_->setObjectName(QStringLiteral("ChannelGrid"));
    grid_->setModel(table_);
    // Editors open only as the channel editor's keys and clicks say (EditCell).
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
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
    // Clicking a channel number selects the channel's row; Shift and Ctrl extend the selection.
    rows->setSectionsClickable(true);

    QHeaderView* columns = grid_->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setDefaultAlignment(Qt::AlignCenter);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setFixedHeight(rowHeight + 2);
    // Widths follow the window and the texts shown (FitColumns): once per change of the texts,
    // however many cells it touched, when the event loop is next idle.
    fitColumns_ = new QTimer(this);
    fitColumns_->setSingleShot(true);
    fitColumns_->setInterval(0);
    connect(fitColumns_, &QTimer::timeout, this, &FrmChannel::FitColumns);
    const auto fitLater = [this] { fitColumns_->start(); };
    connect(table_, &QAbstractItemModel::dataChanged, this, fitLater);
    connect(table_, &QAbstractItemModel::modelReset, this, fitLater);
    connect(table_, &QAbstractItemModel::headerDataChanged, this, fitLater);
    grid_->viewport()->installEventFilter(this);

    // The corner above the channel numbers carries the header "No.".
    if (auto* corner = grid_->findChild<QAbstractButton*>()) corner->installEventFilter(this);

    grid_->installEventFilter(this);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnCurrentChanged(current); });
    connect(grid_, &QTableView::clicked, this, &FrmChannel::OnCellClicked);
    connect(grid_, &QTableView::doubleClicked, this, &FrmChannel::OnCellDoubleClicked);
}

void FrmChannel::BuildDelegates() {
    auto* cells = new ChannelCellDelegate(*table_, grid_);
    auto* frequencies = new FrequencyDelegate(*table_, grid_);
    auto* names = new NameDelegate(*table_, grid_);
    auto* choices = new ChoiceDelegate(*table_, grid_);
    grid_->setItemDelegate(cells);
    for (int column : {kColRxFreq, kColTxFreq}) {
        grid_->setItemDelegateForColumn(column - 1, frequencies);
    }
    grid_->setItemDelegateForColumn(kColName - 1, names);
    for (int column :
         {kColRxTone, kColTxTone, kColScan, kColBusyLock, kColReverseBurst, kColTalkAround}) {
        grid_->setItemDelegateForColumn(column - 1, choices);
    }
    const QList<ChannelCellDelegate*> editing{frequencies, names, choices};
    for (ChannelCellDelegate* delegate : editing) {
        connect(delegate, &ChannelCellDelegate::enterPressed, this, &FrmChannel::OnEnterInEditor);
    }
}

void FrmChannel::RefreshAll() {
    // An open editor is dropped unstored by the table's reset: the data it edited is replaced.
    Display();
    LoadData();
    // The document's history stays (the main window starts it afresh when it replaces the
    // data); a window on its own is its document, and a load starts its history afresh.
    if (History() && History()->parent() == this) History()->Reset();
}

void FrmChannel::ShowRestoredData() {
    const int row = curRow_;
    const int column = curCol_;
    Display();
    LoadData();
    SetCurrentCell(row, column);
}

DocumentHistory::StepName FrmChannel::StepName() const {
    return &WindowTitle;
}

void FrmChannel::Display() {
    setWindowTitle(WindowTitle(context_.texts()));
    lblTitle_->setText(WindowTitle(context_.texts()));
    // What a screen reader calls the grid, in the user's language.
    grid_->setAccessibleName(GridAccessibleName(context_.texts()));
    table_->Display();
    UpdateRowActionTexts();
    if (auto* corner = grid_->findChild<QAbstractButton*>()) corner->update();
}

void FrmChannel::LoadData() {
    table_->LoadData();
    SetCurrentCell(1, 1);
    emit RowSelectionChanged(false);  // the reset dropped any row selection
}

void FrmChannel::SaveData() {
    CommitOpenEditor();
    table_->SaveData();
}

void FrmChannel::CommitOpenEditor() {
    grid_->CommitOpenEditor();
}

void FrmChannel::closeEvent(QCloseEvent* event) {
    SaveData();
    event->accept();
}

void FrmChannel::SetCurrentCell(int row, int column) {
    grid_->setCurrentIndex(table_->IndexOf(row, column));
}

void FrmChannel::OnCurrentChanged(const QModelIndex& current) {
    if (!current.isValid()) return;
    curRow_ = ChannelTable::TableRow(current);
    curCol_ = ChannelTable::TableColumn(current);
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
    option.text = table_->Cell(0, kColNumber);
    option.textAlignment = Qt::AlignCenter;
    corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    return true;
}

}  // namespace qv
