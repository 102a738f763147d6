#include "editors/audio/frm_audio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "editors/common/settings_layout.h"

namespace qv {

FrmAudio::FrmAudio(RadioData& data, const UiTexts& texts, QWidget* parent)
    : SettingsWindow(QStringLiteral("FrmAudio"), Buttons::OkCancel, texts, parent), data_(data) {
    QWidget* frame = Frame1();
    auto* lists = NewFormGrid();
    for (int index : kListIndexes) {
        labels_[index] = NewControl<QLabel>(frame, QStringLiteral("Label1_%1").arg(index));
        lists_[index] = NewControl<QComboBox>(frame, QStringLiteral("Combo1_%1").arg(index));
        if (index == 7) {
            // The repeater burst tone is not offered on this radio; its bits are carried.
            labels_[index]->hide();
            lists_[index]->hide();
        } else {
            AddRow(lists, labels_[index], lists_[index]);
        }
    }
    Body()->addLayout(lists);

    callTone_ = NewControl<QCheckBox>(frame, QStringLiteral("Check1_0"));
    rogerBeep_ = NewControl<QCheckBox>(frame, QStringLiteral("Check1_1"));
    Body()->addWidget(callTone_);
    Body()->addWidget(rogerBeep_);

    emergencyGroup_ = NewControl<QGroupBox>(frame, QStringLiteral("FraEmergency"));
    auto* emergency = NewFormGrid(emergencyGroup_);
    emergencyChannelLabel_ = NewControl<QLabel>(emergencyGroup_, QStringLiteral("lblEmergency_0"));
    emergencyChannel_ = NewControl<QComboBox>(emergencyGroup_, QStringLiteral("cboEmergency_0"));
    selectedChannelLabel_ = NewControl<QLabel>(emergencyGroup_, QStringLiteral("lblEmergency_1"));
    selectedChannel_ = NewControl<QComboBox>(emergencyGroup_, QStringLiteral("cboEmergency_1"));
    loneWorker_ = NewControl<QCheckBox>(emergencyGroup_, QStringLiteral("ChkEmergency_0"));
    loneWorkerTimerLabel_ = NewControl<QLabel>(emergencyGroup_, QStringLiteral("lblEmergency_3"));
    loneWorkerTimer_ = NewControl<QComboBox>(emergencyGroup_, QStringLiteral("cboEmergency_3"));
    AddRow(emergency, emergencyChannelLabel_, emergencyChannel_);
    AddRow(emergency, selectedChannelLabel_, selectedChannel_);
    emergency->addWidget(loneWorker_, emergency->rowCount(), 0, 1, 2);
    AddRow(emergency, loneWorkerTimerLabel_, loneWorkerTimer_);
    Body()->addWidget(emergencyGroup_);

    RefreshAll();
}

QComboBox* FrmAudio::List(int index) const {
    return lists_[static_cast<std::size_t>(index)];
}
QLabel* FrmAudio::Label(int index) const {
    return labels_[static_cast<std::size_t>(index)];
}

void FrmAudio::RefreshAll() {
    Display();
    LoadData();
}

void FrmAudio::Display() {
    using M = AudioSettingsModel;
    DisplayFrame(M::TitleText(texts()));
    Label(0)->setText(M::MicGainText(texts()));
    Label(1)->setText(M::AccessoryMicGainText(texts()));
    Label(2)->setText(M::VoxLevelText(texts()));
    Label(3)->setText(M::IvoxLevelText(texts()));
    Label(4)->setText(M::VoxDelayText(texts()));
    Label(5)->setText(M::AnnunciationText(texts()));
    Label(7)->setText(M::RepeaterBurstToneText(texts()));
    callTone_->setText(M::CallToneText(texts()));
    rogerBeep_->setText(M::RogerBeepText(texts()));
    emergencyGroup_->setTitle(M::EmergencyGroupText(texts()));
    emergencyChannelLabel_->setText(M::EmergencyChannelText(texts()));
    selectedChannelLabel_->setText(M::SelectedChannelText(texts()));
    loneWorker_->setText(M::LoneWorkerText(texts()));
    loneWorkerTimerLabel_->setText(M::LoneWorkerTimerText(texts()));

    FillList(List(0), M::GainEntries(texts()));
    FillList(List(1), M::GainEntries(texts()));
    FillList(List(2), M::VoxLevelEntries(texts()));
    FillList(List(3), M::GainEntries(texts()));
    FillList(List(4), M::VoxDelayEntries());
    FillList(List(5), M::AnnunciationEntries(texts()));
    FillList(List(7), M::RepeaterBurstToneEntries());
    FillList(emergencyChannel_, M::EmergencyChannelEntries(texts()));
    FillList(selectedChannel_, M::SelectedChannelEntries(texts()));
    FillList(loneWorkerTimer_, M::LoneWorkerTimerEntries());
    FitToContents();
}

void FrmAudio::LoadData() {
    const AudioSettings s = AudioSettingsModel(data_.image).Load();
    Select(List(0), s.micGain);
    Select(List(1), s.accessoryMicGain);
    // A stored annunciation code this list does not offer shows no entry and is kept.
    Select(List(5), s.annunciation);
    Select(List(4), s.voxDelay);
    loneWorker_->setChecked(s.loneWorker);
    Select(List(2), s.voxLevel);
    Select(List(3), s.ivoxLevel);
    callTone_->setChecked(s.callTone);
    rogerBeep_->setChecked(s.rogerBeep);
    Select(emergencyChannel_, s.emergencyChannel);
    Select(List(7), s.repeaterBurstTone);
    Select(selectedChannel_, s.selectedEmergencyChannel);
    Select(loneWorkerTimer_, s.loneWorkerTimer);
}

void FrmAudio::SaveData() {
    AudioSettings s;
    s.micGain = List(0)->currentIndex();
    s.accessoryMicGain = List(1)->currentIndex();
    s.annunciation = List(5)->currentIndex();
    s.voxDelay = List(4)->currentIndex();
    s.loneWorker = loneWorker_->isChecked();
    s.voxLevel = List(2)->currentIndex();
    s.ivoxLevel = List(3)->currentIndex();
    s.callTone = callTone_->isChecked();
    s.rogerBeep = rogerBeep_->isChecked();
    s.emergencyChannel = emergencyChannel_->currentIndex();
    s.repeaterBurstTone = List(7)->currentIndex();
    s.selectedEmergencyChannel = selectedChannel_->currentIndex();
    s.loneWorkerTimer = loneWorkerTimer_->currentIndex();
    AudioSettingsModel(data_.image).Save(s);
}

}  // namespace qv
