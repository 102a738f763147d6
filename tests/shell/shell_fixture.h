// A program folder of its own for each test: the template, a Radio.INI with short link timing
// whose COM1 leads nowhere, and a settings store of its own.
#pragma once

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "editors/channel/frm_channel.h"
#include "shell/main_window.h"
#include "support/next_modal.h"
#include "support/test_context.h"

namespace qv::test {

class ShellFixture {
public:
    // storedLanguage: the "Language" value in the store, or a null string for none.
    explicit ShellFixture(const QString& storedLanguage = QString(),
                          const QString& iniSetup = "ComInterval[ms]=5\nComRecvCount =3\n");
    ~ShellFixture();

    MainWindow& Window() { return *window; }
    QString Folder() const { return dir.path(); }
    QString StoredLanguage() const;

private:
    QTemporaryDir dir;

public:
    TestContext services{dir.path()};
    ScriptedPrompts& prompts = services.prompts;
    std::unique_ptr<MainWindow> window;
};

// The channel editor's table; the channel window must have been shown.
inline ChannelTable& Channels(MainWindow& window) {
    return static_cast<FrmChannel*>(window.EditorOf(Editor::Channel))->Table();
}

}  // namespace qv::test
