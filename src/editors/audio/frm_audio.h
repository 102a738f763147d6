// The audio and emergency settings window FrmAudio: six labelled lists, the call-tone and
// roger-beep boxes and the emergency group, bound to AudioSettingsModel.
#pragma once

#include <array>

#include "data/radio_image.h"
#include "editors/audio/audio_settings_model.h"
#include "editors/common/settings_window.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace qv {

class FrmAudio : public SettingsWindow {
    Q_OBJECT
public:
    FrmAudio(RadioData& data, const UiTexts& texts, QWidget* parent = nullptr);

    void RefreshAll() override;
    void SaveData() override;
    DocumentHistory::StepName StepName() const override { return &AudioSettingsModel::TitleText; }

    void Display();
    void LoadData();

private:
    // Combo1 / Label1 index of each audio list, in window order; 7 is the hidden burst tone.
    static constexpr std::array<int, 7> kListIndexes = {0, 1, 2, 3, 4, 5, 7};

    QComboBox* List(int index) const;
    QLabel* Label(int index) const;

    RadioData& data_;
    std::array<QLabel*, 8> labels_{};    // Label1(0..5), Label1(7)
    std::array<QComboBox*, 8> lists_{};  // Combo1(0..5), Combo1(7)
    QCheckBox* callTone_;                // Check1(0)
    QCheckBox* rogerBeep_;               // Check1(1)
    QGroupBox* emergencyGroup_;          // FraEmergency
    QLabel* emergencyChannelLabel_;      // lblEmergency(0)
    QComboBox* emergencyChannel_;        // cboEmergency(0)
    QLabel* selectedChannelLabel_;       // lblEmergency(1)
    QComboBox* selectedChannel_;         // cboEmergency(1)
    QCheckBox* loneWorker_;              // ChkEmergency(0)
    QLabel* loneWorkerTimerLabel_;       // lblEmergency(3)
    QComboBox* loneWorkerTimer_;         // cboEmergency(3)
};

}  // namespace qv
