// An application context for a test: scripted prompts, a scripted port probe and a browser that
// only records the addresses it was asked to open, over a folder of the test's choosing.
#pragma once

#include <QStringList>

#include "context/app_context.h"
#include "support/scripted_port_probe.h"
#include "support/scripted_prompts.h"

namespace qv::test {

class TestContext {
public:
    explicit TestContext(const QString& appFolder = QString())
        : context(appFolder, texts, prompts, portProbe,
                  [this](const QString& url) { openedUrls << url; }) {}
    TestContext(const TestContext&) = delete;
    TestContext& operator=(const TestContext&) = delete;

    UiTexts texts;  // English, "." as decimal separator, until a test says otherwise
    ScriptedPrompts prompts;
    ScriptedPortProbe portProbe;
    QStringList openedUrls;
    AppContext context;
};

}  // namespace qv::test
