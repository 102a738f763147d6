#include "editors/key/frm_key.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "editors/common/settings_layout.h"

namespace qv {

namespace {
// Wide enough for "Scan + Temporary Delete".
constexpr int kFunctionListWidth = 200;
}  // namespace

FrmKey::FrmKey(RadioData& data, const UiTexts& texts, QWidget* parent)
    : SettingsWindow(QStringLiteral("frmKey"), Buttons::OkCancel, texts, parent), data_(data) {
    for (int button = 0; button < 2; ++button) {
        auto* group = NewControl<QGroupBox>(Frame1(), QStringLiteral("FraKey_%1").arg(button));
        auto* grid = NewFormGrid(group);
        grid->setColumnMinimumWidth(1, kFunctionListWidth);
        for (int a = 2 * button; a < 2 * button + 2; ++a) {
            labels_[a] = NewControl<QLabel>(group, QStringLiteral("LblKey_%1").arg(a));
            lists_[a] = NewControl<QComboBox>(group, QStringLiteral("CboKey_%1").arg(a));
            AddRow(grid, labels_[a], lists_[a]);
        }
        groups_[button] = group;
        Body()->addWidget(group);
    }
    RefreshAll();
}

void FrmKey::RefreshAll() {
    Display();
    LoadData();
}

void FrmKey::Display() {
    DisplayFrame(SideButtonModel::TitleText(texts()));
    for (int button = 0; button < 2; ++button) {
        groups_[button]->setTitle(SideButtonModel::ButtonGroupText(button, texts()));
    }
    for (int a = 0; a < kSideButtonAssignments; ++a) {
        labels_[a]->setText(SideButtonModel::PressText(a, texts()));
        FillList(lists_[a], SideButtonModel::Entries(a, texts()));
    }
    FitToContents();
}

void FrmKey::LoadData() {
    const SideButtonPositions positions = SideButtonModel(data_.image).Load();
    for (int a = 0; a < kSideButtonAssignments; ++a) Select(lists_[a], positions[a]);
}

void FrmKey::SaveData() {
    SideButtonPositions positions{};
    for (int a = 0; a < kSideButtonAssignments; ++a) positions[a] = lists_[a]->currentIndex();
    SideButtonModel(data_.image).Save(positions);
}

}  // namespace qv
