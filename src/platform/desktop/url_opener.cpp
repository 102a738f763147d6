#include "platform/desktop/url_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace qv {

namespace {

UrlOpener& Installed() {
    static UrlOpener opener;
    return opener;
}

}  // namespace

void OpenUrl(const QString& url) {
    if (Installed()) {
        Installed()(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}

void SetUrlOpener(UrlOpener opener) {
    Installed() = std::move(opener);
}

}  // namespace qv
