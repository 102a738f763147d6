#include "context/app_context.h"

#include <algorithm>

#include "platform/serial_port_map.h"

namespace qv {

AppContext::AppContext(QString appFolder, UiTexts& texts, Prompts& prompts, PortProbe& portProbe,
                       UrlOpener openUrl)
    : appFolder_(std::move(appFolder)),
      texts_(texts),
      prompts_(prompts),
      portProbe_(portProbe),
      openUrl_(std::move(openUrl)) {}

void AppContext::OpenUrl(const QString& url) const {
    if (openUrl_) openUrl_(url);
}

void AppContext::SetComPort(int port) {
    comPort_ = static_cast<std::uint8_t>(std::clamp(port, kFirstComPort, kLastComPort));
}

}  // namespace qv
