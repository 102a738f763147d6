// The two service keys of the channel window, both with Ctrl, Shift and Alt held: M opens the
// memory map, D stores the data as the start-up template "default.tw".
#include <QDir>
#include <QShortcut>

#include "data/app_folder.h"
#include "data/data_file.h"
#include "data/ui_language.h"
#include "editors/channel/frm_channel.h"
#include "editors/memory_map/frm_memory_map.h"
#include "platform/prompts.h"

namespace qv {

namespace {

constexpr auto kServiceModifiers = Qt::CTRL | Qt::SHIFT | Qt::ALT;

}  // namespace

void FrmChannel::BuildHiddenKeys() {
    auto* memoryMap = new QShortcut(QKeySequence(kServiceModifiers | Qt::Key_M), this);
    memoryMap->setContext(Qt::WidgetWithChildrenShortcut);
    connect(memoryMap, &QShortcut::activated, this, &FrmChannel::OpenMemoryMap);

    auto* saveTemplate = new QShortcut(QKeySequence(kServiceModifiers | Qt::Key_D), this);
    saveTemplate->setContext(Qt::WidgetWithChildrenShortcut);
    connect(saveTemplate, &QShortcut::activated, this, &FrmChannel::SaveAsTemplate);
}

void FrmChannel::OpenMemoryMap() {
    // The memory map belongs to the main window (this window's own window when it stands
    // alone); there is never more than one.
    QWidget* owner = window();
    auto* map =
        owner->findChild<FrmMemoryMap*>(QStringLiteral("frmMemoryMap"), Qt::FindDirectChildrenOnly);
    if (!map) {
        map = new FrmMemoryMap(data_, owner);
        map->show();
    }
    map->raise();
    map->activateWindow();
}

void FrmChannel::SaveAsTemplate() {
    // The template holds what the grid shows, pending edits included.
    SaveData();
    const QString path = QDir(templateFolder_.isEmpty() ? AppFolder() : templateFolder_)
                             .filePath(QStringLiteral("default.tw"));
    const SaveResult result = SaveFile(path, data_.image);
    if (!result.ok) {
        PromptRequest request;
        request.text = SaveFailureText(path, result.error);
        request.title = AppTitle();
        request.icon = PromptIcon::Exclamation;
        request.buttons = PromptButtons::Ok;
        CurrentPrompts().Message(this, request);
    }
}

}  // namespace qv
