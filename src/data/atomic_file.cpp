#include "data/atomic_file.h"

#include <QSaveFile>

namespace qv {

SaveResult WriteFileAtomically(const QString& path, const std::uint8_t* bytes, std::size_t size) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString()};
    const auto length = static_cast<qint64>(size);
    const qint64 written = file.write(reinterpret_cast<const char*>(bytes), length);
    // The file device can report a short write (a full disk, a size limit) as complete, so the
    // size on disk is checked before the new file replaces the old one.
    if (written != length || !file.flush() || file.size() != length) {
        const bool described = file.error() != QFileDevice::NoError &&
                               file.errorString() != QStringLiteral("Unknown error");
        const QString error = described
                                  ? file.errorString()
                                  : QStringLiteral(
                                        "Not all of the file could be written (%1 of %2 bytes); "
                                        "the disk may be full.")
                                        .arg(file.size())
                                        .arg(length);
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit()) return {false, file.errorString()};
    return {};
}

}  // namespace qv
