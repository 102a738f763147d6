// The recent files of the File menu: the last five files opened or saved, most recent first.
// Plain list rules, kept apart from the menu so they are tested without a window.
#pragma once

#include <QString>
#include <QStringList>

namespace qv {

constexpr int kRecentFileCount = 5;

// True when both paths name the same file (compared as clean absolute paths; without regard to
// case where the file system ignores it).
bool SameFile(const QString& a, const QString& b);

// The list with `path` (made absolute) in front; an earlier entry of the same file goes, and
// only the five most recent stay.
QStringList WithRecentFile(const QStringList& list, const QString& path);
QStringList WithoutRecentFile(const QStringList& list, const QString& path);

// The menu caption of entry `index` (0 for the most recent): "&1 /home/u/plan.tw". A long path
// is shortened in the middle; an "&" in it shows as itself, not as an Alt letter.
QString RecentFileCaption(int index, const QString& path);

}  // namespace qv
