#include "cli_command.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "data/data_file.h"

namespace qv::cli {

std::vector<CliCommand>& Commands() {
    static std::vector<CliCommand> commands;
    return commands;
}

int Fail(const QString& message) {
    std::fprintf(stderr, "qv730-cli: %s\n", message.toLocal8Bit().constData());
    return 1;
}

int UsageError(const QString& usage) {
    return Fail(QStringLiteral("usage: qv730-cli %1").arg(usage));
}

bool LoadImage(const QString& path, RadioData& data) {
    const LoadStatus status = LoadFile(path, data);
    if (status == LoadStatus::Ok) return true;
    Fail(QStringLiteral("%1: %2").arg(path, LoadFailureText()));
    return false;
}

bool ReadImageFile(const QString& path, RadioImage& image) {
    RadioData data;
    if (!LoadImage(path, data)) return false;
    image = data.baseline;  // the bytes before the band-limit check touched them
    return true;
}

bool WriteOutput(const QString& path, const QByteArray& bytes) {
    const SaveResult saved = WriteFileAtomically(
        path, reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size());
    if (!saved.ok) Fail(QStringLiteral("%1: %2").arg(path, saved.error));
    return saved.ok;
}

bool LoadTemplate(RadioData& data) {
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("default.tw");
    return LoadImage(path, data);
}

}  // namespace qv::cli
