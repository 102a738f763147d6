// The program's own services: real message boxes and file dialogs, the serial ports of the
// application folder, and the desktop's browser, gathered into the context the windows get.
#pragma once

#include "context/app_context.h"
#include "desktop/prompts.h"
#include "platform/port_probe.h"

namespace qv {

class DesktopContext {
public:
    explicit DesktopContext(const QString& appFolder);
    DesktopContext(const DesktopContext&) = delete;
    DesktopContext& operator=(const DesktopContext&) = delete;

    AppContext& context() { return context_; }

private:
    // English until the stored language is read; numbers in the system's locale.
    UiTexts texts_{Language::English, QLocale::system()};
    DialogPrompts prompts_{texts_};
    SerialPortProbe portProbe_;
    AppContext context_;
};

}  // namespace qv
