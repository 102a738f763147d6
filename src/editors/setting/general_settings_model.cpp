#include "editors/setting/general_settings_model.h"

#include "data/ui_language.h"

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

QStringList GeneralSettingsModel::ScanModeEntries() {
    return {UiText("GeneralSettings", "Normal"), UiText("GeneralSettings", "Priority")};
}

QStringList GeneralSettingsModel::TimeoutEntries() {
    return QStringList{OffText()} + NumberEntries(60, kTimeoutEntries - 1, 60);
}

QStringList GeneralSettingsModel::SquelchEntries() {
    return NumberEntries(0, kSquelchEntries);
}

QStringList GeneralSettingsModel::PriorityChannelEntries() {
    return QStringList{OffText()} + ChannelEntries(16);
}

QStringList GeneralSettingsModel::ResumeTimeEntries() {
    return NumberEntries(1, kResumeEntries);
}

QString GeneralSettingsModel::TitleText() {
    return UiText("GeneralSettings", "General Settings");
}
QString GeneralSettingsModel::ScanGroupText() {
    return UiText("GeneralSettings", "Scan Settings");
}
QString GeneralSettingsModel::ReverseBurstText() {
    return UiText("GeneralSettings", "Reverse Burst");
}
QString GeneralSettingsModel::SquelchText() {
    return UiText("GeneralSettings", "Squelch Level");
}
QString GeneralSettingsModel::TimeoutText() {
    return UiText("GeneralSettings", "Transmit Timeout Timer") + UiText("SettingsWords", "(Sec)");
}
QString GeneralSettingsModel::BatterySaveText() {
    return UiText("GeneralSettings", "Battery Save");
}
QString GeneralSettingsModel::RadioCloningText() {
    return UiText("GeneralSettings", "Enable Radio to Radio Cloning");
}
QString GeneralSettingsModel::RestoreDefaultsText() {
    return UiText("GeneralSettings", "Enable Restore Factory Default Settings");
}
QString GeneralSettingsModel::ScanModeText() {
    return UiText("GeneralSettings", "Scan Mode");
}
QString GeneralSettingsModel::PriorityChannelText() {
    return UiText("GeneralSettings", "Priority Channel");
}
QString GeneralSettingsModel::ResumeTimeText(int which) {
    return UiText("GeneralSettings", "Scan Resume Time") + QStringLiteral(" %1 ").arg(which) +
           UiText("SettingsWords", "(Sec)");
}

SettingTexts GeneralSettingsModel::Describe() const {
    const GeneralSettings s = Load();
    const auto onOff = [](bool on) { return on ? OnText() : OffText(); };
    return {
        {RestoreDefaultsText(), onOff(s.restoreDefaults)},
        {BatterySaveText(), onOff(s.batterySave)},
        {RadioCloningText(), onOff(s.radioCloning)},
        {TimeoutText(), EntryAt(TimeoutEntries(), s.timeout)},
        {SquelchText(), EntryAt(SquelchEntries(), s.squelch)},
        {ScanModeText(), EntryAt(ScanModeEntries(), s.scanMode)},
        {PriorityChannelText(), EntryAt(PriorityChannelEntries(), s.priorityChannel)},
        {ResumeTimeText(1), EntryAt(ResumeTimeEntries(), s.resumeTime1)},
        {ResumeTimeText(2), EntryAt(ResumeTimeEntries(), s.resumeTime2)},
    };
}

}  // namespace qv
