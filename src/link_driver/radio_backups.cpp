#include "link_driver/radio_backups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <tuple>

#include "data/data_file.h"

namespace qv {

namespace {

const QString kBackupsFolderName = QStringLiteral("backups");
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");

const QRegularExpression& BackupName() {
    static const QRegularExpression name(
        QStringLiteral(R"(^(\d{4}-\d{2}-\d{2}_\d{2}-\d{2}-\d{2})(?:_(\d+))?\.tw$)"));
    return name;
}

// Orders backups by their time, then by the number added within one second.
struct BackupKey {
    QString time;
    int number = 0;
    QString path;
};

}  // namespace

QString DefaultBackupFolder() {
    // The data location is named after the application; qv730-cli asks under the program's names
    // so both find the same folder.
    const QString organization = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(QStringLiteral("QV"));
    QCoreApplication::setApplicationName(QStringLiteral("QV-730"));
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);
    return QDir(base).filePath(kBackupsFolderName);
}

QStringList BackupFiles(const QString& folder) {
    std::vector<BackupKey> keys;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.tw")}, QDir::Files)) {
        const QRegularExpressionMatch match = BackupName().match(name);
        if (!match.hasMatch()) continue;
        keys.push_back({match.captured(1), match.captured(2).toInt(), dir.filePath(name)});
    }
    std::sort(keys.begin(), keys.end(), [](const BackupKey& a, const BackupKey& b) {
        return std::tie(a.time, a.number) < std::tie(b.time, b.number);
    });
    QStringList files;
    for (const BackupKey& key : keys) files << key.path;
    return files;
}

BackupResult SaveBackup(const QString& folder, const RadioImage& image, const QDateTime& when) {
    BackupResult result;
    if (!QDir().mkpath(folder)) {
        result.error = QStringLiteral("%1: the folder cannot be made").arg(folder);
        return result;
    }
    const QDir dir(folder);
    const QString stem = when.toString(kTimeFormat);
    // The name is taken before the file is written, so no other backup, of this program or of
    // another one running beside it, is ever written over.
    QFile reserved;
    for (int number = 1;; ++number) {
        const QString name = number == 1 ? stem + QStringLiteral(".tw")
                                         : QStringLiteral("%1_%2.tw").arg(stem).arg(number);
        reserved.setFileName(dir.filePath(name));
        if (reserved.open(QIODevice::WriteOnly | QIODevice::NewOnly)) break;
        if (!reserved.exists()) {
            result.error = reserved.errorString();
            return result;
        }
    }
    reserved.close();
    result.path = reserved.fileName();
    const SaveResult saved = SaveFile(result.path, image);
    if (!saved.ok) {
        QFile::remove(result.path);
        result.error = saved.error;
        return result;
    }
    result.ok = true;
    const QStringList backups = BackupFiles(folder);
    for (qsizetype i = 0; i + kBackupsKept < backups.size(); ++i) {
        // A clock set back could sort the new backup among the oldest; it stays all the same.
        if (backups[i] != result.path) QFile::remove(backups[i]);
    }
    return result;
}

}  // namespace qv
