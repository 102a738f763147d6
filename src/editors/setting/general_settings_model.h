// The radio-wide settings in 0x180-0x185: squelch, transmit time-out, battery save, the cloning and
// factory-reset permissions, the scan settings and the (hidden) reverse-burst phase. The model
// turns the bytes into the list positions and box states the window shows, and back.
#pragma once

#include "editors/common/settings_fields.h"

namespace qv {

// What the general-settings window shows: box states and list positions. A negative position
// selects nothing and leaves its field unchanged on saving.
struct GeneralSettings {
    bool restoreDefaults = false;  // Check1(3): 0x180 bit 0
    bool batterySave = false;      // Check1(1): 0x180 bit 1
    bool radioCloning = false;     // Check1(2): 0x180 bit 2
    int reverseBurst = 0;          // Combo1(7): 0 = 180° (bit 3 = 1), 1 = 240° (bit 3 = 0)
    int scanMode = 0;              // cboScan(0): 0 = Normal (bit 4 = 1), 1 = Priority (bit 4 = 0)
    int timeout = 0;               // Combo1(16): 0x181, Off / 60 / 120 / 180 s
    int squelch = 4;               // Combo1(15): 0x182, level 0-9
    int priorityChannel = 0;       // cboScan(3): 0 = Off (stored 16), n = CH n (stored n - 1)
    int resumeTime1 = 4;           // cboScan(10): 0x184, position + 1 seconds
    int resumeTime2 = 9;           // cboScan(11): 0x185, position + 1 seconds

    bool operator==(const GeneralSettings&) const = default;
};

class GeneralSettingsModel {
public:
    static constexpr int kFlagsAddress = 0x180;
    static constexpr int kTimeoutAddress = 0x181;
    static constexpr int kSquelchAddress = 0x182;
    static constexpr int kPriorityChannelAddress = 0x183;
    static constexpr int kResumeTime1Address = 0x184;
    static constexpr int kResumeTime2Address = 0x185;
    static constexpr int kPriorityOff = 16;  // stored value of "Off"

    explicit GeneralSettingsModel(RadioImage& image) : image_(image) {}

    // Decodes the six bytes; out-of-range values give each field's fallback, and the
    // priority-channel rule is applied.
    GeneralSettings Load() const;
    // Encodes the fields; bits of 0x180 outside the fields keep their contents.
    void Save(const GeneralSettings& settings);

    // Priority scanning needs a priority channel: with the channel "Off" the scan mode becomes
    // "Normal" and cannot be changed.
    static void ApplyPriorityRule(GeneralSettings& settings);
    static bool ScanModeEnabled(const GeneralSettings& settings) {
        return settings.priorityChannel != 0;
    }

    // Option lists in the language of `texts`, by list position.
    static QStringList ReverseBurstEntries();
    static QStringList ScanModeEntries(const UiTexts& texts);
    static QStringList TimeoutEntries(const UiTexts& texts);
    static QStringList SquelchEntries();
    static QStringList PriorityChannelEntries(const UiTexts& texts);
    static QStringList ResumeTimeEntries();

    // Captions in the language of `texts`.
    static QString TitleText(const UiTexts& texts);
    static QString ScanGroupText(const UiTexts& texts);
    static QString ReverseBurstText(const UiTexts& texts);
    static QString SquelchText(const UiTexts& texts);
    static QString TimeoutText(const UiTexts& texts);
    static QString BatterySaveText(const UiTexts& texts);
    static QString RadioCloningText(const UiTexts& texts);
    static QString RestoreDefaultsText(const UiTexts& texts);
    static QString ScanModeText(const UiTexts& texts);
    static QString PriorityChannelText(const UiTexts& texts);
    static QString ResumeTimeText(int which, const UiTexts& texts);  // 1 or 2

    // The visible settings in words, in window order, in the language of `texts`.
    SettingTexts Describe(const UiTexts& texts) const;

private:
    RadioImage& image_;
};

}  // namespace qv
