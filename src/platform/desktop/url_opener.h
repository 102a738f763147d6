// Opens a web address with the desktop's browser; tests replace the opener to see the address.
#pragma once

#include <QString>
#include <functional>

namespace qv {

using UrlOpener = std::function<void(const QString& url)>;

void OpenUrl(const QString& url);
// Installs another opener; an empty one goes back to the desktop's browser.
void SetUrlOpener(UrlOpener opener);

}  // namespace qv
