#include "editors/setting/frm_setting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "editors/common/settings_layout.h"

namespace qv {

FrmSetting::FrmSetting(RadioData& data, const UiTexts& texts, QWidget* parent)
    : SettingsWindow(QStringLiteral("frmSetting"), Buttons::OkCancel, texts, parent), data_(data) {
    QWidget* frame = Frame1();
    restoreDefaults_ = NewControl<QCheckBox>(frame, "Check1_3");
    batterySave_ = NewControl<QCheckBox>(frame, "Check1_1");
    radioCloning_ = NewControl<QCheckBox>(frame, "Check1_2");
    for (QCheckBox* box : {restoreDefaults_, batterySave_, radioCloning_}) Body()->addWidget(box);

    auto* lists = NewFormGrid();
    timeoutLabel_ = NewControl<QLabel>(frame, "Label1_18");
    timeout_ = NewControl<QComboBox>(frame, "Combo1_16");
    squelchLabel_ = NewControl<QLabel>(frame, "Label1_17");
    squelch_ = NewControl<QComboBox>(frame, "Combo1_15");
    reverseBurstLabel_ = NewControl<QLabel>(frame, "Label1_7");
    reverseBurst_ = NewControl<QComboBox>(frame, "Combo1_7");
    AddRow(lists, timeoutLabel_, timeout_);
    AddRow(lists, squelchLabel_, squelch_);
    // The reverse-burst phase is not offered on this radio but its bit is carried unchanged.
    reverseBurstLabel_->hide();
    reverseBurst_->hide();
    Body()->addLayout(lists);

    scanGroup_ = NewControl<QGroupBox>(frame, "Frame2");
    auto* scan = NewFormGrid(scanGroup_);
    scanModeLabel_ = NewControl<QLabel>(scanGroup_, "lblScan_0");
    scanMode_ = NewControl<QComboBox>(scanGroup_, "cboScan_0");
    priorityLabel_ = NewControl<QLabel>(scanGroup_, "lblScan_3");
    priorityChannel_ = NewControl<QComboBox>(scanGroup_, "cboScan_3");
    AddRow(scan, scanModeLabel_, scanMode_);
    AddRow(scan, priorityLabel_, priorityChannel_);
    for (int i = 0; i < 2; ++i) {
        const int index = 10 + i;
        resumeLabels_[i] = NewControl<QLabel>(scanGroup_, QStringLiteral("lblScan_%1").arg(index));
        resumeTimes_[i] =
            NewControl<QComboBox>(scanGroup_, QStringLiteral("cboScan_%1").arg(index));
        AddRow(scan, resumeLabels_[i], resumeTimes_[i]);
    }
    Body()->addWidget(scanGroup_);

    for (QWidget* control : std::initializer_list<QWidget*>{
             restoreDefaults_, batterySave_, radioCloning_, timeout_, squelch_, reverseBurst_,
             scanMode_, priorityChannel_, resumeTimes_[0], resumeTimes_[1]}) {
        MoveFocusOnEnter(control);
    }
    connect(priorityChannel_, &QComboBox::currentIndexChanged, this,
            [this] { ApplyPriorityRule(); });

    RefreshAll();
}

void FrmSetting::RefreshAll() {
    Display();
    LoadData();
}

void FrmSetting::Display() {
    using M = GeneralSettingsModel;
    DisplayFrame(M::TitleText(texts()));
    scanGroup_->setTitle(M::ScanGroupText(texts()));
    reverseBurstLabel_->setText(M::ReverseBurstText(texts()));
    squelchLabel_->setText(M::SquelchText(texts()));
    timeoutLabel_->setText(M::TimeoutText(texts()));
    batterySave_->setText(M::BatterySaveText(texts()));
    radioCloning_->setText(M::RadioCloningText(texts()));
    restoreDefaults_->setText(M::RestoreDefaultsText(texts()));
    scanModeLabel_->setText(M::ScanModeText(texts()));
    priorityLabel_->setText(M::PriorityChannelText(texts()));
    for (int i = 0; i < 2; ++i) resumeLabels_[i]->setText(M::ResumeTimeText(i + 1, texts()));

    FillList(reverseBurst_, M::ReverseBurstEntries());
    FillList(scanMode_, M::ScanModeEntries(texts()));
    FillList(timeout_, M::TimeoutEntries(texts()));
    FillList(squelch_, M::SquelchEntries());
    FillList(priorityChannel_, M::PriorityChannelEntries(texts()));
    for (QComboBox* list : resumeTimes_) FillList(list, M::ResumeTimeEntries());
    FitToContents();
}

void FrmSetting::LoadData() {
    const GeneralSettings s = GeneralSettingsModel(data_.image).Load();
    restoreDefaults_->setChecked(s.restoreDefaults);
    batterySave_->setChecked(s.batterySave);
    radioCloning_->setChecked(s.radioCloning);
    Select(reverseBurst_, s.reverseBurst);
    Select(timeout_, s.timeout);
    Select(squelch_, s.squelch);
    Select(scanMode_, s.scanMode);
    Select(priorityChannel_, s.priorityChannel);
    ApplyPriorityRule();
    Select(resumeTimes_[0], s.resumeTime1);
    Select(resumeTimes_[1], s.resumeTime2);
}

void FrmSetting::SaveData() {
    GeneralSettingsModel(data_.image).Save(FromControls());
}

GeneralSettings FrmSetting::FromControls() const {
    GeneralSettings s;
    s.restoreDefaults = restoreDefaults_->isChecked();
    s.batterySave = batterySave_->isChecked();
    s.radioCloning = radioCloning_->isChecked();
    s.reverseBurst = reverseBurst_->currentIndex();
    s.scanMode = scanMode_->currentIndex();
    s.timeout = timeout_->currentIndex();
    s.squelch = squelch_->currentIndex();
    s.priorityChannel = priorityChannel_->currentIndex();
    s.resumeTime1 = resumeTimes_[0]->currentIndex();
    s.resumeTime2 = resumeTimes_[1]->currentIndex();
    return s;
}

void FrmSetting::ApplyPriorityRule() {
    GeneralSettings s;
    s.priorityChannel = priorityChannel_->currentIndex();
    s.scanMode = scanMode_->currentIndex();
    GeneralSettingsModel::ApplyPriorityRule(s);
    Select(scanMode_, s.scanMode);
    scanMode_->setEnabled(GeneralSettingsModel::ScanModeEnabled(s));
}

}  // namespace qv
