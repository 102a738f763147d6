#include "editors/setting/general_settings_model.h"

#include "language/ui_language.h"

namespace qv {

namespace {

constexpr int kRestoreDefaultsBit = 0;
constexpr int kBatterySaveBit = 1;
constexpr int kRadioCloningBit = 2;
constexpr int kReverseBurstBit = 3;
constexpr int kScanModeBit = 4;

constexpr int kTimeoutEntries = 4;
constexpr int kSquelchEntries = 10;
constexpr int kResumeEntries = 16;

constexpr int kSquelchFallback = 4;
constexpr int kResume1Fallback = 4;  // 5 s
constexpr int kResume2Fallback = 9;  // 10 s

}  // namespace

GeneralSettings GeneralSettingsModel::Load() const {
    const RadioImage& image = image_;
    GeneralSettings s;
    s.restoreDefaults = ReadBits(image, kFlagsAddress, kRestoreDefaultsBit, 1) == 1;
    s.batterySave = ReadBits(image, kFlagsAddress, kBatterySaveBit, 1) == 1;
    s.radioCloning = ReadBits(image, kFlagsAddress, kRadioCloningBit, 1) == 1;
    // Both phase and scan mode store their first list entry as bit value 1.
    s.reverseBurst = 1 - ReadBits(image, kFlagsAddress, kReverseBurstBit, 1);
    s.timeout = PositionOrFallback(image[kTimeoutAddress], kTimeoutEntries, 0);
    s.squelch = PositionOrFallback(image[kSquelchAddress], kSquelchEntries, kSquelchFallback);
    s.scanMode = 1 - ReadBits(image, kFlagsAddress, kScanModeBit, 1);
    const int priority = image[kPriorityChannelAddress];
    s.priorityChannel = priority >= kPriorityOff ? 0 : priority + 1;
    ApplyPriorityRule(s);
    s.resumeTime1 =
        PositionOrFallback(image[kResumeTime1Address], kResumeEntries, kResume1Fallback);
    s.resumeTime2 =
        PositionOrFallback(image[kResumeTime2Address], kResumeEntries, kResume2Fallback);
    return s;
}

void GeneralSettingsModel::Save(const GeneralSettings& s) {
    RadioImage& image = image_;
    WriteBits(image, kFlagsAddress, kRestoreDefaultsBit, 1, s.restoreDefaults ? 1 : 0);
    WriteBits(image, kFlagsAddress, kBatterySaveBit, 1, s.batterySave ? 1 : 0);
    WriteBits(image, kFlagsAddress, kRadioCloningBit, 1, s.radioCloning ? 1 : 0);
    if (s.reverseBurst >= 0)
        WriteBits(image, kFlagsAddress, kReverseBurstBit, 1, 1 - s.reverseBurst);
    if (s.scanMode >= 0) WriteBits(image, kFlagsAddress, kScanModeBit, 1, 1 - s.scanMode);
    if (s.timeout >= 0) image[kTimeoutAddress] = static_cast<std::uint8_t>(s.timeout);
    if (s.squelch >= 0) image[kSquelchAddress] = static_cast<std::uint8_t>(s.squelch);
    if (s.priorityChannel >= 0) {
        image[kPriorityChannelAddress] = static_cast<std::uint8_t>(
            s.priorityChannel == 0 ? kPriorityOff : s.priorityChannel - 1);
    }
    if (s.resumeTime1 >= 0) image[kResumeTime1Address] = static_cast<std::uint8_t>(s.resumeTime1);
    if (s.resumeTime2 >= 0) image[kResumeTime2Address] = static_cast<std::uint8_t>(s.resumeTime2);
}

void GeneralSettingsModel::ApplyPriorityRule(GeneralSettings& settings) {
    if (!ScanModeEnabled(settings)) settings.scanMode = 0;
}

QStringList GeneralSettingsModel::ReverseBurstEntries() {
    return {QStringLiteral("180°"), QStringLiteral("240°")};
}

QStringList GeneralSettingsModel::ScanModeEntries(const UiTexts& texts) {
    return {texts.UiText("GeneralSettings", "Normal"), texts.UiText("GeneralSettings", "Priority")};
}

QStringList GeneralSettingsModel::TimeoutEntries(const UiTexts& texts) {
    return QStringList{texts.Off()} + NumberEntries(60, kTimeoutEntries - 1, 60);
}

QStringList GeneralSettingsModel::SquelchEntries() {
    return NumberEntries(0, kSquelchEntries);
}

QStringList GeneralSettingsModel::PriorityChannelEntries(const UiTexts& texts) {
    return QStringList{texts.Off()} + ChannelEntries(16, texts);
}

QStringList GeneralSettingsModel::ResumeTimeEntries() {
    return NumberEntries(1, kResumeEntries);
}

QString GeneralSettingsModel::TitleText(const UiTexts& texts) {
    return texts.UiText("GeneralSettings", "General Settings");
}
QString GeneralSettingsModel::ScanGroupText(const UiTexts& texts) {
    return texts.UiText("GeneralSettings", "Scan Settings");
}
QString GeneralSettingsModel::ReverseBurstText(const UiTexts& texts) {
    return texts.UiText("GeneralSettings", "Reverse Burst");
}
QString GeneralSettingsModel::SquelchText(const UiTexts& texts) {
    return texts.UiText("GeneralSettings", "Squelch Level");
}
QString GeneralSettingsModel::TimeoutText(const UiTexts& texts) {
    return texts.UiText("GeneralSettings", "Transmit Timeout Timer") +
           texts.UiText("SettingsWords", "(Sec)");
}
QString GeneralSettingsModel::BatterySaveText(const UiTexts& texts) {
    return texts.UiText("GeneralSettings", "Battery Save");
}
QString GeneralSettingsModel::RadioCloningText(const UiTexts& texts) {
    return texts.UiText("GeneralSettings", "Enable Radio to Radio Cloning");
}
QString GeneralSettingsModel::RestoreDefaultsText(const UiTexts& texts) {
    return texts.UiText("GeneralSettings", "Enable Restore Factory Default Settings");
}
QString GeneralSettingsModel::ScanModeText(const UiTexts& texts) {
    return texts.UiText("GeneralSettings", "Scan Mode");
}
QString GeneralSettingsModel::PriorityChannelText(const UiTexts& texts) {
    return texts.UiText("GeneralSettings", "Priority Channel");
}
QString GeneralSettingsModel::ResumeTimeText(int which, const UiTexts& texts) {
    return texts.UiText("GeneralSettings", "Scan Resume Time") + QStringLiteral(" %1 ").arg(which) +
           texts.UiText("SettingsWords", "(Sec)");
}

SettingTexts GeneralSettingsModel::Describe(const UiTexts& texts) const {
    const GeneralSettings s = Load();
    const auto onOff = [&texts](bool on) { return on ? texts.On() : texts.Off(); };
    return {
        {RestoreDefaultsText(texts), onOff(s.restoreDefaults)},
        {BatterySaveText(texts), onOff(s.batterySave)},
        {RadioCloningText(texts), onOff(s.radioCloning)},
        {TimeoutText(texts), EntryAt(TimeoutEntries(texts), s.timeout)},
        {SquelchText(texts), EntryAt(SquelchEntries(), s.squelch)},
        {ScanModeText(texts), EntryAt(ScanModeEntries(texts), s.scanMode)},
        {PriorityChannelText(texts), EntryAt(PriorityChannelEntries(texts), s.priorityChannel)},
        {ResumeTimeText(1, texts), EntryAt(ResumeTimeEntries(), s.resumeTime1)},
        {ResumeTimeText(2, texts), EntryAt(ResumeTimeEntries(), s.resumeTime2)},
    };
}

}  // namespace qv
