// The two service keys of the channel window, both with Ctrl, Shift and Alt held: M asks for the
// memory map (the main window opens it), D stores the data as the start-up template "default.tw".
#include <QDir>
#include <QShortcut>

#include "context/app_context.h"
#include "data/data_file.h"
#include "desktop/prompts.h"
#include "editors/channel/frm_channel.h"
#include "language/ui_language.h"

namespace qv {

namespace {

constexpr auto kServiceModifiers = Qt::CTRL | Qt::SHIFT | Qt::ALT;

}  // namespace

void FrmChannel::BuildHiddenKeys() {
    auto* memoryMap = new QShortcut(QKeySequence(kServiceModifiers | Qt::Key_M), this);
    memoryMap->setContext(Qt::WidgetWithChildrenShortcut);
    connect(memoryMap, &QShortcut::activated, this, &FrmChannel::MemoryMapRequested);

    auto* saveTemplate = new QShortcut(QKeySequence(kServiceModifiers | Qt::Key_D), this);
    saveTemplate->setContext(Qt::WidgetWithChildrenShortcut);
    connect(saveTemplate, &QShortcut::activated, this, &FrmChannel::SaveAsTemplate);
}

void FrmChannel::SaveAsTemplate() {
    // The template holds what the grid shows, pending edits included.
    SaveData();
    const QString path = QDir(context_.AppFolder()).filePath(QStringLiteral("default.tw"));
    const SaveResult result = SaveFile(path, data_.image);
    if (!result.ok) {
        PromptRequest request;
        request.text = SaveFailureText(path, result.error, context_.texts());
        request.title = AppTitle();
        request.icon = PromptIcon::Exclamation;
        request.buttons = PromptButtons::Ok;
        context_.prompts().Message(this, request);
    }
}

}  // namespace qv
