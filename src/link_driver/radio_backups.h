// The radio's backups: what every complete read brought and what the radio held before every
// write, kept as .tw files named by date and time in one folder of the user's data location. A
// backup never replaces another file and never waits for the user to save; the newest 100 stay.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "data/radio_image.h"

namespace qv {

constexpr int kBackupsKept = 100;

// <the user's application data>/backups of the QV-730 programming software, whichever program
// asks (the program and qv730-cli keep their backups together).
QString DefaultBackupFolder();

struct BackupResult {
    bool ok = false;
    QString path;   // the file written
    QString error;  // the system's own description when it failed
};

// Saves the image as "2024-05-01_14-03-22.tw" (a number is added when that name is taken) in
// `folder`, created when missing, then removes the oldest backups beyond kBackupsKept. Only files
// named like backups are ever removed.
BackupResult SaveBackup(const QString& folder, const RadioImage& image,
                        const QDateTime& when = QDateTime::currentDateTime());

// The backups in `folder`, oldest first, as full paths.
QStringList BackupFiles(const QString& folder);

}  // namespace qv
