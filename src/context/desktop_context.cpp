#include "context/desktop_context.h"

#include "desktop/url_opener.h"

namespace qv {

DesktopContext::DesktopContext(const QString& appFolder)
    : context_(appFolder, texts_, prompts_, portProbe_, OpenInBrowser) {}

}  // namespace qv
