// The general-settings window frmSetting: three permission and battery boxes, the time-out and
// squelch lists and the scan group, bound to GeneralSettingsModel.
#pragma once

#include <array>

#include "data/radio_image.h"
#include "editors/common/settings_window.h"
#include "editors/setting/general_settings_model.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace qv {

class FrmSetting : public SettingsWindow {
    Q_OBJECT
public:
    FrmSetting(RadioData& data, const UiTexts& texts, QWidget* parent = nullptr);

    void RefreshAll() override;
    void SaveData() override;
    DocumentHistory::StepName StepName() const override { return &GeneralSettingsModel::TitleText; }

    // Captions and option lists in the current language.
    void Display();
    // The fields from the image.
    void LoadData();

private:
    GeneralSettings FromControls() const;
    void ApplyPriorityRule();

    RadioData& data_;
    QCheckBox* restoreDefaults_;             // Check1(3)
    QCheckBox* batterySave_;                 // Check1(1)
    QCheckBox* radioCloning_;                // Check1(2)
    QLabel* reverseBurstLabel_;              // Label1(7), hidden
    QComboBox* reverseBurst_;                // Combo1(7), hidden but loaded and saved
    QLabel* timeoutLabel_;                   // Label1(18)
    QComboBox* timeout_;                     // Combo1(16)
    QLabel* squelchLabel_;                   // Label1(17)
    QComboBox* squelch_;                     // Combo1(15)
    QGroupBox* scanGroup_;                   // Frame2
    QLabel* scanModeLabel_;                  // lblScan(0)
    QComboBox* scanMode_;                    // cboScan(0)
    QLabel* priorityLabel_;                  // lblScan(3)
    QComboBox* priorityChannel_;             // cboScan(3)
    std::array<QLabel*, 2> resumeLabels_;    // lblScan(10), lblScan(11)
    std::array<QComboBox*, 2> resumeTimes_;  // cboScan(10), cboScan(11)
};

}  // namespace qv
