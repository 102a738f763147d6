// The audio and emergency settings in 0x186 and 0x188-0x18C: microphone gains, VOX and iVOX,
// VOX delay, channel annunciation, call tone and roger beep, the emergency channel, lone-worker
// mode and its timer, and the (hidden) repeater burst tone.
#pragma once

#include "editors/common/settings_fields.h"

namespace qv {

// What the audio window shows: box states and list positions. A negative position selects
// nothing and leaves its field unchanged on saving.
struct AudioSettings {
    int micGain = 1;                   // Combo1(0): 0x188 bits 0-1
    int accessoryMicGain = 1;          // Combo1(1): 0x188 bits 2-3
    int annunciation = 0;              // Combo1(5): 0x188 bits 4-5 (-1 for the unlisted code 3)
    int voxDelay = 1;                  // Combo1(4): 0x186
    bool loneWorker = false;           // ChkEmergency(0): 0x188 bit 7, 0 = on
    int voxLevel = 0;                  // Combo1(2): 0x189 bits 0-3
    int ivoxLevel = 0;                 // Combo1(3): 0x189 bits 4-7
    bool callTone = false;             // Check1(0): 0x18A bit 0, 0 = on
    bool rogerBeep = false;            // Check1(1): 0x18A bit 1, 0 = on
    int emergencyChannel = 0;          // cboEmergency(0): 0x18A bits 2-3
    int repeaterBurstTone = 2;         // Combo1(7): 0x18A bits 4-7
    int selectedEmergencyChannel = 0;  // cboEmergency(1): 0x18B
    int loneWorkerTimer = 4;           // cboEmergency(3): 0x18C, position + 1 minutes

    bool operator==(const AudioSettings&) const = default;
};

class AudioSettingsModel {
public:
    static constexpr int kVoxDelayAddress = 0x186;
    static constexpr int kAudioAddress = 0x188;
    static constexpr int kVoxAddress = 0x189;
    static constexpr int kTonesAddress = 0x18A;
    static constexpr int kSelectedEmergencyAddress = 0x18B;
    static constexpr int kLoneWorkerTimerAddress = 0x18C;
    // The annunciation code kept on the radio for a third kind this editor does not list.
    static constexpr int kUnlistedAnnunciation = 3;

    explicit AudioSettingsModel(RadioImage& image) : image_(image) {}

    // Decodes the fields; out-of-range values give each field's fallback.
    AudioSettings Load() const;
    // Encodes the fields; bits outside them (0x188 bit 6) and 0x187 keep their contents.
    void Save(const AudioSettings& settings);

    // Option lists in the language of `texts`, by list position.
    static QStringList GainEntries(const UiTexts& texts);  // microphone gains and iVOX level
    static QStringList VoxLevelEntries(const UiTexts& texts);
    static QStringList VoxDelayEntries();
    static QStringList AnnunciationEntries(const UiTexts& texts);
    static QStringList RepeaterBurstToneEntries();
    static QStringList EmergencyChannelEntries(const UiTexts& texts);
    static QStringList SelectedChannelEntries(const UiTexts& texts);
    static QStringList LoneWorkerTimerEntries();

    // Captions in the language of `texts`.
    static QString TitleText(const UiTexts& texts);
    static QString MicGainText(const UiTexts& texts);
    static QString AccessoryMicGainText(const UiTexts& texts);
    static QString VoxLevelText(const UiTexts& texts);
    static QString IvoxLevelText(const UiTexts& texts);
    static QString VoxDelayText(const UiTexts& texts);
    static QString AnnunciationText(const UiTexts& texts);
    static QString RepeaterBurstToneText(const UiTexts& texts);
    static QString CallToneText(const UiTexts& texts);
    static QString RogerBeepText(const UiTexts& texts);
    static QString EmergencyGroupText(const UiTexts& texts);
    static QString EmergencyChannelText(const UiTexts& texts);
    static QString SelectedChannelText(const UiTexts& texts);
    static QString LoneWorkerText(const UiTexts& texts);
    static QString LoneWorkerTimerText(const UiTexts& texts);

    // The visible settings in words, in window order, in the language of `texts`.
    SettingTexts Describe(const UiTexts& texts) const;

private:
    RadioImage& image_;
};

}  // namespace qv
