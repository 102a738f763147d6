#include "shell/recent_file_list.h"

#include <QDir>
#include <QFileInfo>

namespace qv {

namespace {

constexpr int kCaptionPathLength = 64;

QString Normalized(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

bool SameFile(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity kCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity kCase = Qt::CaseSensitive;
#endif
    return Normalized(a).compare(Normalized(b), kCase) == 0;
}

QStringList WithRecentFile(const QStringList& list, const QString& path) {
    QStringList result = WithoutRecentFile(list, path);
    result.prepend(Normalized(path));
    while (result.size() > kRecentFileCount) result.removeLast();
    return result;
}

QStringList WithoutRecentFile(const QStringList& list, const QString& path) {
    QStringList result;
    for (const QString& entry : list) {
        if (!entry.isEmpty() && !SameFile(entry, path)) result << entry;
    }
    return result;
}

QString RecentFileCaption(int index, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    if (shown.size() > kCaptionPathLength) {
        const int tail = kCaptionPathLength * 2 / 3;
        shown =
            shown.left(kCaptionPathLength - tail - 3) + QStringLiteral("...") + shown.right(tail);
    }
    shown.replace('&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace qv
