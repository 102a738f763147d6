// Small helpers the settings windows use to build their controls: a named control, and a
// two-column grid of labels (left) and lists (right) whose lists line up.
#pragma once

#include <QGridLayout>
#include <QString>
#include <QWidget>

namespace qv {

// The width every settings list gets, so lists line up from group to group.
constexpr int kSettingsListWidth = 150;
// The space between a group box's frame and its rows.
constexpr int kGroupInset = 10;

template <typename Control>
Control* NewControl(QWidget* parent, const QString& objectName) {
    auto* control = new Control(parent);
    control->setObjectName(objectName);
    return control;
}

// A grid for label / list rows; given a widget, the grid becomes its layout.
QGridLayout* NewFormGrid(QWidget* owner = nullptr);
// Appends a row: the label on the left, the control on the right at the common list width.
void AddRow(QGridLayout* grid, QWidget* label, QWidget* control);

}  // namespace qv
