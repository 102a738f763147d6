#include "context/app_context.h"

#include <algorithm>

#include "platform/port_enumerator.h"
#include "platform/serial_port_map.h"
#include "platform/settings_store.h"

namespace qv {

AppContext::AppContext(QString appFolder, UiTexts& texts, Prompts& prompts, PortProbe& portProbe,
                       UrlOpener openUrl)
    : appFolder_(std::move(appFolder)),
      iniFolder_(appFolder_),
      texts_(texts),
      prompts_(prompts),
      portProbe_(portProbe),
      openUrl_(std::move(openUrl)),
      portEnumerator_(&SystemPortEnumerator::Instance()),
      serialAdapters_(MakeSystemSerialAdapter),
      settings_(&NativeSettingsStore::Instance()) {}

void AppContext::OpenUrl(const QString& url) const {
    if (openUrl_) openUrl_(url);
}

std::unique_ptr<SerialAdapter> AppContext::MakeSerialAdapter() const {
    return serialAdapters_();
}

void AppContext::UseSerialPorts(const PortEnumerator& enumerator, SerialAdapterFactory adapters) {
    portEnumerator_ = &enumerator;
    serialAdapters_ =
        adapters ? std::move(adapters) : SerialAdapterFactory(MakeSystemSerialAdapter);
}

void AppContext::SetComPort(int port) {
    comPort_ = static_cast<std::uint8_t>(std::clamp(port, kFirstComPort, kLastComPort));
}

}  // namespace qv
