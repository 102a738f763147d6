#include "editors/channel/plan_choice_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "editors/channel/csv/plan_choice.h"

namespace qv {

namespace {

constexpr int kDialogWidth = 1100;
constexpr int kDialogHeight = 560;
constexpr int kFrameAllowance = 60;  // the dialog's margins, frame and scroll bar

// The channel of a checked row: a number from 1 to 16, typed or stepped.
class ChannelNumberDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                          const QModelIndex& /*index*/) const override {
        auto* box = new QSpinBox(parent);
        box->setObjectName(QStringLiteral("spnChannel"));
        box->setRange(1, PlanChoice::kMaxChecked);
        box->setFrame(false);
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QSpinBox*>(editor)->setValue(index.data(Qt::EditRole).toInt());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        model->setData(index, static_cast<QSpinBox*>(editor)->value());
    }
};

}  // namespace

FrmPlanChoice::FrmPlanChoice(PlanChoice& plan, const UiTexts& texts, QWidget* parent)
    : QDialog(parent), plan_(plan), texts_(texts) {
    setObjectName(QStringLiteral("frmPlanChoice"));
    setWindowTitle(texts_.UiText("PlanChoice", "Choose the Channels to Import"));
    resize(kDialogWidth, kDialogHeight);

    auto* intro = new QLabel(
        texts_.UiText("PlanChoice",
                      "This channel list does not fit the radio as it is. Check the rows to "
                      "import, at most 16; greyed rows cannot be used, for the reason shown. "
                      "Each checked row goes to the channel beside it (double-click to change "
                      "it)."),
        this);
    intro->setObjectName(QStringLiteral("lblIntro"));
    intro->setWordWrap(true);

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("PlanGrid"));
    grid_->setModel(&plan_);
    grid_->setItemDelegateForColumn(PlanChoice::kColChannel, new ChannelNumberDelegate(grid_));
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->setWordWrap(false);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    // Every column as wide as its texts, the reasons included; a window too narrow scrolls.
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->resizeColumnsToContents();
    if (const QScreen* screen = parent ? parent->screen() : nullptr) {
        const int wanted = grid_->horizontalHeader()->length() + grid_->verticalHeader()->width() +
                           kFrameAllowance;
        const int available = screen->availableGeometry().width() - kFrameAllowance;
        resize(qMin(qMax(kDialogWidth, wanted), qMax(available, 0)), kDialogHeight);
    }
    grid_->setColumnWidth(PlanChoice::kColChannel,
                          qMax(grid_->columnWidth(PlanChoice::kColChannel),
                               grid_->fontMetrics().horizontalAdvance(QStringLiteral("0000000"))));

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblPlanSummary"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(texts_.UiText("Common", "&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Command1_0"));
    QPushButton* cancel =
        buttons->addButton(texts_.UiText("Common", "&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Command1_1"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(grid_, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons);

    connect(&plan_, &PlanChoice::choiceChanged, this, [this, ok] {
        UpdateSummary();
        ok->setEnabled(plan_.CheckedCount() > 0);
    });
    UpdateSummary();
    ok->setEnabled(plan_.CheckedCount() > 0);
    grid_->setFocus();
}

void FrmPlanChoice::UpdateSummary() {
    summary_->setText(plan_.Summary());
}

}  // namespace qv
