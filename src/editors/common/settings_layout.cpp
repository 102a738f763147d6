#include "editors/common/settings_layout.h"

#include <QComboBox>

namespace qv {

QGridLayout* NewFormGrid(QWidget* owner) {
    auto* grid = owner ? new QGridLayout(owner) : new QGridLayout;
    // Lists end at the same right edge inside and outside a group box (its inset and frame).
    if (owner) {
        grid->setContentsMargins(kGroupInset, kGroupInset, kGroupInset, kGroupInset);
    } else {
        grid->setContentsMargins(0, 0, kGroupInset + 3, 0);
    }
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(6);
    grid->setColumnMinimumWidth(1, kSettingsListWidth);
    return grid;
}

void AddRow(QGridLayout* grid, QWidget* label, QWidget* control) {
    const int row = grid->rowCount() == 1 && !grid->itemAtPosition(0, 0) ? 0 : grid->rowCount();
    if (qobject_cast<QComboBox*>(control)) control->setMinimumWidth(kSettingsListWidth);
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
}

}  // namespace qv
