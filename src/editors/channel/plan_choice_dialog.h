// The choice dialog for a channel plan of another program that does not fit the radio as it is:
// every row of the file in a table with a check box and the channel it will go to; rows the radio
// cannot hold are greyed with the reason. OK accepts the checked rows, Cancel changes nothing.
// The rules are the PlanChoice model's; this window only shows them.
#pragma once

#include <QDialog>

#include "language/ui_language.h"

class QLabel;
class QTableView;

namespace qv {

class PlanChoice;

class FrmPlanChoice : public QDialog {
    Q_OBJECT
public:
    // `plan` and `texts` stay the caller's and must outlive the dialog.
    FrmPlanChoice(PlanChoice& plan, const UiTexts& texts, QWidget* parent = nullptr);

    QTableView* Grid() const { return grid_; }

private:
    void UpdateSummary();

    PlanChoice& plan_;
    const UiTexts& texts_;
    QTableView* grid_ = nullptr;
    QLabel* summary_ = nullptr;
};

}  // namespace qv
