// The side-button window frmKey: for P1 and P2 a short-press and a long-press list, bound to
// SideButtonModel.
#pragma once

#include <array>

#include "data/radio_image.h"
#include "editors/common/settings_window.h"
#include "editors/key/side_button_model.h"

class QComboBox;
class QGroupBox;
class QLabel;

namespace qv {

class FrmKey : public SettingsWindow {
    Q_OBJECT
public:
    FrmKey(RadioData& data, const UiTexts& texts, QWidget* parent = nullptr);

    void RefreshAll() override;
    void SaveData() override;
    DocumentHistory::StepName StepName() const override { return &SideButtonModel::TitleText; }

    void Display();
    void LoadData();

private:
    RadioData& data_;
    std::array<QGroupBox*, 2> groups_{};                      // FraKey(0), FraKey(1)
    std::array<QLabel*, kSideButtonAssignments> labels_{};    // LblKey(0..3)
    std::array<QComboBox*, kSideButtonAssignments> lists_{};  // CboKey(0..3)
};

}  // namespace qv
