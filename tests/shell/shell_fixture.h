// A program folder of its own for each test: the template, a Radio.INI with short link timing
// whose COM1 leads nowhere, and a settings store in a temporary folder.
#pragma once

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "platform/desktop/prompts.h"
#include "shell/main_window.h"
#include "support/next_modal.h"

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

    ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> window;

private:
    QTemporaryDir dir;
    QTemporaryDir config;
    std::unique_ptr<ScopedPrompts> scoped;
};

}  // namespace qv::test
