#include "desktop/url_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace qv {

void OpenInBrowser(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

}  // namespace qv
