// The customized-tone window FrmCustomizedSignal: six CTCSS boxes and six DCS boxes, bound to
// CustomizedToneModel. It has no OK or Cancel: the main window stores it through SaveData.
#pragma once

#include <array>

#include "data/radio_image.h"
#include "editors/common/settings_window.h"
#include "editors/customized/customized_tone_model.h"

class QLabel;
class QLineEdit;
class QKeyEvent;

namespace qv {

class FrmCustomizedSignal : public SettingsWindow {
    Q_OBJECT
public:
    FrmCustomizedSignal(RadioData& data, const UiTexts& texts, QWidget* parent = nullptr);

    void RefreshAll() override;
    // Stores the boxes; a box still being edited is checked as if the user had left it.
    void SaveData() override;
    DocumentHistory::StepName StepName() const override { return &CustomizedToneModel::TitleText; }
    void StoreFinishedEdits() override;

    void Display();
    void LoadData();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsCtcssBox(QObject* box) const;
    bool IsDcsBox(QObject* box) const;
    // True when the key was dealt with here (refused, or typed in upper case).
    bool FilterKey(QLineEdit* box, QKeyEvent* key);
    // The check a box gets when the user leaves it.
    void FinishEdit(QLineEdit* box);

    RadioData& data_;
    std::array<QLabel*, kCustomSlots> ctcssLabels_{};  // LblQT(0..5)
    std::array<QLineEdit*, kCustomSlots> ctcss_{};     // TxtQT(0..5)
    std::array<QLabel*, kCustomSlots> dcsLabels_{};    // LblDQT(0..5)
    std::array<QLineEdit*, kCustomSlots> dcs_{};       // TxtDQT(0..5)
    // SavedText: the focused box's text as it was when the box got focus.
    QString savedText_;
};

}  // namespace qv
