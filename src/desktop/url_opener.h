// Opens a web address with the desktop's browser.
#pragma once

#include <QString>

namespace qv {

void OpenInBrowser(const QString& url);

}  // namespace qv
