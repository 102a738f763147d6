// An application context for a test: scripted prompts, a scripted port probe, a browser that
// only records the addresses it was asked to open, and the test's own list of serial devices
// (none until it adds some) and a settings store of its own in a temporary folder, over a folder
// of the test's choosing. Ports open the system's devices unless `portFault` makes them fail.
#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <optional>

#include "context/app_context.h"
#include "platform/settings_store.h"
#include "support/fake_serial.h"
#include "support/scripted_port_probe.h"
#include "support/scripted_prompts.h"

namespace qv::test {

class TestContext {
public:
    explicit TestContext(const QString& appFolder = QString())
        : context(appFolder, texts, prompts, portProbe,
                  [this](const QString& url) { openedUrls << url; }) {
        context.UseSerialPorts(ports, [this]() -> std::unique_ptr<SerialAdapter> {
            if (portFault) return std::make_unique<FaultySerialAdapter>(*portFault);
            return MakeSystemSerialAdapter();
        });
        context.UseSettingsStore(settings);
    }
    TestContext(const TestContext&) = delete;
    TestContext& operator=(const TestContext&) = delete;

    UiTexts texts;  // English, "." as decimal separator, until a test says otherwise
    ScriptedPrompts prompts;
    ScriptedPortProbe portProbe;
    QStringList openedUrls;
    FakePortEnumerator ports;
    std::optional<PortFault> portFault;
    QTemporaryDir settingsFolder;
    IniSettingsStore settings{settingsFolder.filePath("QV-730.conf")};
    AppContext context;
};

}  // namespace qv::test
