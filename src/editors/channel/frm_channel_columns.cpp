// The widths of the channel grid's columns: each has its width in twips, and when the window is
// narrower than all of them together, they give up room in proportion down to what their header
// and their texts need, so that every column stays in view without scrolling sideways.
#include <QHeaderView>
#include <vector>

#include "editors/channel/channel_grid_view.h"
#include "editors/channel/frm_channel.h"

namespace qv {

using namespace channel;

namespace {

// The Mode column has no width of its own; this one holds "Repeater" and "禁止发射".
constexpr int kModeColumnTwips = 1100;
// Room around a text in a cell or header (margins and the header's frame).
constexpr int kTextPadding = 10;

}  // namespace

void FrmChannel::FitColumns() {
    if (!grid_) return;
    const QFontMetrics cells(grid_->font());
    const QFontMetrics headers(grid_->horizontalHeader()->font());
    std::vector<int> natural;
    std::vector<int> needed;
    int naturalSum = 0;
    int neededSum = 0;
    for (int column = 1; column < kTableColumns; ++column) {
        int need = headers.horizontalAdvance(table_->Cell(0, column)) + kTextPadding;
        for (int row = 1; row < kTableRows; ++row) {
            need =
                std::max(need, cells.horizontalAdvance(table_->Cell(row, column)) + kTextPadding);
        }
        const int twips = ColumnWidthTwips(column);
        const int wanted = std::max(TwipsToPixels(twips > 0 ? twips : kModeColumnTwips), need);
        natural.push_back(wanted);
        needed.push_back(need);
        naturalSum += wanted;
        neededSum += need;
    }
    const int available = grid_->viewport()->width();
    for (int i = 0; i < int(natural.size()); ++i) {
        int width = natural[i];
        if (naturalSum > available) {
            // Share what there is beyond the needed widths in proportion to what each gives up.
            const int spare = std::max(0, available - neededSum);
            const int givable = naturalSum - neededSum;
            width = needed[i] + (givable > 0 ? (natural[i] - needed[i]) * spare / givable : 0);
        }
        if (grid_->columnWidth(i) != width) grid_->setColumnWidth(i, width);
    }
}

}  // namespace qv
