// What varies between the real program and a test, handed to every window through its
// constructor instead of reached through globals: the language and locale the texts are shown
// in, the program's folder (default.tw and Radio.INI live there), the prompts, the port probe,
// the browser, the serial ports and the settings store.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

#include "language/ui_language.h"
#include "platform/serial_adapter.h"

namespace qv {

class Prompts;
class PortEnumerator;
class PortProbe;
class SettingsStore;

using UrlOpener = std::function<void(const QString& url)>;

constexpr std::uint8_t kStartComPort = 1;

class AppContext {
public:
    AppContext(QString appFolder, UiTexts& texts, Prompts& prompts, PortProbe& portProbe,
               UrlOpener openUrl);

    // The language and locale every window, model and message speaks in. Windows keep a
    // reference, so a language switch reaches each of them at its next refresh.
    const UiTexts& texts() const { return texts_; }
    void SetLanguage(Language language) { texts_.SetLanguage(language); }

    // The application folder: default.tw, and Radio.INI unless another folder is set for it.
    const QString& AppFolder() const { return appFolder_; }
    // The folder of Radio.INI (the link timing and the ports named there): the application
    // folder unless the program was started with another one.
    const QString& IniFolder() const { return iniFolder_; }
    void SetIniFolder(QString folder) { iniFolder_ = std::move(folder); }
    Prompts& prompts() const { return prompts_; }
    PortProbe& portProbe() const { return portProbe_; }
    void OpenUrl(const QString& url) const;

    // The machine's serial ports: which devices are present and how one is opened. The
    // system's own unless a test puts in others.
    const PortEnumerator& portEnumerator() const { return *portEnumerator_; }
    std::unique_ptr<SerialAdapter> MakeSerialAdapter() const;
    void UseSerialPorts(const PortEnumerator& enumerator, SerialAdapterFactory adapters);

    // Where the values kept between runs live: the system's store unless a test puts in its own.
    SettingsStore& settings() const { return *settings_; }
    void UseSettingsStore(SettingsStore& store) { settings_ = &store; }

    // The serial port used for cloning, 1 to 16: at start-up the last port a transfer completed
    // on (1 before the first), changed by the port dialog.
    std::uint8_t ComPort() const { return comPort_; }
    void SetComPort(int port);

private:
    QString appFolder_;
    QString iniFolder_;
    UiTexts& texts_;
    Prompts& prompts_;
    PortProbe& portProbe_;
    UrlOpener openUrl_;
    const PortEnumerator* portEnumerator_;
    SerialAdapterFactory serialAdapters_;
    SettingsStore* settings_;
    std::uint8_t comPort_ = kStartComPort;
};

}  // namespace qv
