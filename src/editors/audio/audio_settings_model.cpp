#include "editors/audio/audio_settings_model.h"

#include "language/ui_language.h"

namespace qv {

namespace {

constexpr int kGainEntries = 3;
constexpr int kVoxLevelEntries = 4;
constexpr int kVoxDelayEntries = 5;
constexpr int kBurstToneEntries = 4;
constexpr int kEmergencyChannelEntries = 3;
constexpr int kSelectedChannelEntries = 16;
constexpr int kLoneWorkerTimerEntries = 20;

constexpr int kGainFallback = 1;             // Medium
constexpr int kVoxDelayFallback = 1;         // 1.0 s
constexpr int kBurstToneFallback = 2;        // 1750 Hz
constexpr int kLoneWorkerTimerFallback = 4;  // 5 min

// Annunciation codes by list position; position 2 is not offered by this radio's list.
constexpr int kAnnunciationCodes[] = {0, 1, AudioSettingsModel::kUnlistedAnnunciation};

int AnnunciationPosition(int code) {
    if (code == 1) return 1;
    if (code == AudioSettingsModel::kUnlistedAnnunciation) return -1;  // shown as no selection
    return 0;                                                          // 0, and 2 (unknown)
}

// The check boxes store "on" as bit value 0.
int InvertedBit(bool on) {
    return on ? 0 : 1;
}

}  // namespace

AudioSettings AudioSettingsModel::Load() const {
    const RadioImage& image = image_;
    AudioSettings s;
    s.micGain =
        PositionOrFallback(ReadBits(image, kAudioAddress, 0, 2), kGainEntries, kGainFallback);
    s.accessoryMicGain =
        PositionOrFallback(ReadBits(image, kAudioAddress, 2, 2), kGainEntries, kGainFallback);
    s.annunciation = AnnunciationPosition(ReadBits(image, kAudioAddress, 4, 2));
    s.voxDelay = PositionOrFallback(image[kVoxDelayAddress], kVoxDelayEntries, kVoxDelayFallback);
    s.loneWorker = ReadBits(image, kAudioAddress, 7, 1) == 0;
    s.voxLevel = PositionOrFallback(ReadBits(image, kVoxAddress, 0, 4), kVoxLevelEntries, 0);
    s.ivoxLevel = PositionOrFallback(ReadBits(image, kVoxAddress, 4, 4), kGainEntries, 0);
    s.callTone = ReadBits(image, kTonesAddress, 0, 1) == 0;
    s.rogerBeep = ReadBits(image, kTonesAddress, 1, 1) == 0;
    s.emergencyChannel =
        PositionOrFallback(ReadBits(image, kTonesAddress, 2, 2), kEmergencyChannelEntries, 0);
    s.repeaterBurstTone = PositionOrFallback(ReadBits(image, kTonesAddress, 4, 4),
                                             kBurstToneEntries, kBurstToneFallback);
    s.selectedEmergencyChannel =
        PositionOrFallback(image[kSelectedEmergencyAddress], kSelectedChannelEntries, 0);
    s.loneWorkerTimer = PositionOrFallback(image[kLoneWorkerTimerAddress], kLoneWorkerTimerEntries,
                                           kLoneWorkerTimerFallback);
    return s;
}

void AudioSettingsModel::Save(const AudioSettings& s) {
    RadioImage& image = image_;
    if (s.micGain >= 0) WriteBits(image, kAudioAddress, 0, 2, s.micGain);
    if (s.accessoryMicGain >= 0) WriteBits(image, kAudioAddress, 2, 2, s.accessoryMicGain);
    if (s.annunciation >= 0 && s.annunciation < 3) {
        WriteBits(image, kAudioAddress, 4, 2, kAnnunciationCodes[s.annunciation]);
    }
    if (s.voxDelay >= 0) image[kVoxDelayAddress] = static_cast<std::uint8_t>(s.voxDelay);
    WriteBits(image, kAudioAddress, 7, 1, InvertedBit(s.loneWorker));
    if (s.voxLevel >= 0) WriteBits(image, kVoxAddress, 0, 4, s.voxLevel);
    if (s.ivoxLevel >= 0) WriteBits(image, kVoxAddress, 4, 4, s.ivoxLevel);
    WriteBits(image, kTonesAddress, 0, 1, InvertedBit(s.callTone));
    WriteBits(image, kTonesAddress, 1, 1, InvertedBit(s.rogerBeep));
    if (s.emergencyChannel >= 0) WriteBits(image, kTonesAddress, 2, 2, s.emergencyChannel);
    if (s.repeaterBurstTone >= 0) WriteBits(image, kTonesAddress, 4, 4, s.repeaterBurstTone);
    if (s.selectedEmergencyChannel >= 0) {
        image[kSelectedEmergencyAddress] = static_cast<std::uint8_t>(s.selectedEmergencyChannel);
    }
    if (s.loneWorkerTimer >= 0) {
        image[kLoneWorkerTimerAddress] = static_cast<std::uint8_t>(s.loneWorkerTimer);
    }
}

QStringList AudioSettingsModel::GainEntries(const UiTexts& texts) {
    return {texts.UiText("SettingsWords", "High"), texts.UiText("SettingsWords", "Medium"),
            texts.UiText("SettingsWords", "Low")};
}

QStringList AudioSettingsModel::VoxLevelEntries(const UiTexts& texts) {
    return QStringList{texts.Off()} + GainEntries(texts);
}

QStringList AudioSettingsModel::VoxDelayEntries() {
    return {QStringLiteral("0.5"), QStringLiteral("1.0"), QStringLiteral("1.5"),
            QStringLiteral("2.0"), QStringLiteral("3.0")};
}

QStringList AudioSettingsModel::AnnunciationEntries(const UiTexts& texts) {
    return {texts.Off(), texts.UiText("AudioSettings", "English")};
}

QStringList AudioSettingsModel::RepeaterBurstToneEntries() {
    return {QStringLiteral("1000Hz"), QStringLiteral("1450Hz"), QStringLiteral("1750Hz"),
            QStringLiteral("2100Hz")};
}

QStringList AudioSettingsModel::EmergencyChannelEntries(const UiTexts& texts) {
    return {texts.UiText("AudioSettings", "Current CH"), texts.UiText("AudioSettings", "PRI CH"),
            texts.UiText("AudioSettings", "Select CH")};
}

QStringList AudioSettingsModel::SelectedChannelEntries(const UiTexts& texts) {
    return ChannelEntries(kSelectedChannelEntries, texts);
}

QStringList AudioSettingsModel::LoneWorkerTimerEntries() {
    return NumberEntries(1, kLoneWorkerTimerEntries);
}

QString AudioSettingsModel::TitleText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "Audio Settings");
}
QString AudioSettingsModel::MicGainText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "Microphone Gain");
}
QString AudioSettingsModel::AccessoryMicGainText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "Accessory Microphone Gain");
}
QString AudioSettingsModel::VoxLevelText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "VOX Level");
}
QString AudioSettingsModel::IvoxLevelText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "iVOX Level");
}
QString AudioSettingsModel::VoxDelayText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "VOX delay (Sec)");
}
QString AudioSettingsModel::AnnunciationText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "Channel Annunciation");
}
QString AudioSettingsModel::RepeaterBurstToneText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "Repeater Burst Tone");
}
QString AudioSettingsModel::CallToneText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "Call Tone");
}
QString AudioSettingsModel::RogerBeepText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "Roger Beep Tone");
}
QString AudioSettingsModel::EmergencyGroupText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "Emergency Settings");
}
QString AudioSettingsModel::EmergencyChannelText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "Emergency Channel");
}
QString AudioSettingsModel::SelectedChannelText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "Select Channel");
}
QString AudioSettingsModel::LoneWorkerText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "Lone Worker Mode");
}
QString AudioSettingsModel::LoneWorkerTimerText(const UiTexts& texts) {
    return texts.UiText("AudioSettings", "Lone Worker Timer") +
           texts.UiText("AudioSettings", "(min)");
}

SettingTexts AudioSettingsModel::Describe(const UiTexts& texts) const {
    const AudioSettings s = Load();
    const auto onOff = [&texts](bool on) { return on ? texts.On() : texts.Off(); };
    // The unlisted annunciation code has no entry; its stored number is shown instead.
    const QString annunciation = s.annunciation >= 0
                                     ? EntryAt(AnnunciationEntries(texts), s.annunciation)
                                     : QString::number(kUnlistedAnnunciation);
    return {
        {MicGainText(texts), EntryAt(GainEntries(texts), s.micGain)},
        {AccessoryMicGainText(texts), EntryAt(GainEntries(texts), s.accessoryMicGain)},
        {VoxLevelText(texts), EntryAt(VoxLevelEntries(texts), s.voxLevel)},
        {IvoxLevelText(texts), EntryAt(GainEntries(texts), s.ivoxLevel)},
        {VoxDelayText(texts), EntryAt(VoxDelayEntries(), s.voxDelay)},
        {AnnunciationText(texts), annunciation},
        {CallToneText(texts), onOff(s.callTone)},
        {RogerBeepText(texts), onOff(s.rogerBeep)},
        {EmergencyChannelText(texts), EntryAt(EmergencyChannelEntries(texts), s.emergencyChannel)},
        {SelectedChannelText(texts),
         EntryAt(SelectedChannelEntries(texts), s.selectedEmergencyChannel)},
        {LoneWorkerText(texts), onOff(s.loneWorker)},
        {LoneWorkerTimerText(texts), EntryAt(LoneWorkerTimerEntries(), s.loneWorkerTimer)},
    };
}

}  // namespace qv
