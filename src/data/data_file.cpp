#include "data/data_file.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstring>

#include "language/ui_language.h"

namespace qv {

namespace {

constexpr int kMarkerLength = 6;
// A genuine file is at most a few bytes longer than its 16,400 plain bytes; anything far larger
// is not read into memory.
constexpr qint64 kMaxStoredFileSize = 4 * 1024 * 1024;

}  // namespace

ByteBuffer PlainContent(const RadioImage& image) {
    ByteBuffer plain(kPlainFileSize, 0xFF);
    std::memcpy(plain.data(), kFileMarker, kMarkerLength);
    std::copy(image.data(), image.data() + kImageSize, plain.begin() + kImageOffset);
    return plain;
}

ByteBuffer EncodeDataFile(const RadioImage& image) {
    ByteBuffer buffer = PlainContent(image);
    EncodeBuffer(buffer);
    return buffer;
}

LoadStatus DecodeDataFile(ByteBuffer stored, RadioImage& image) {
    if (stored.empty()) return LoadStatus::WrongType;
    try {
        DecodeBuffer(stored);
    } catch (const CompressionError&) {
        return LoadStatus::DecodeError;
    }
    if (stored.size() != kPlainFileSize ||
        std::memcmp(stored.data(), kFileMarker, kMarkerLength) != 0) {
        return LoadStatus::WrongType;
    }
    std::copy(stored.begin() + kImageOffset, stored.end(), image.data());
    return LoadStatus::Ok;
}

LoadStatus LoadFile(const QString& path, RadioData& data) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxStoredFileSize) {
        return LoadStatus::WrongType;
    }
    const QByteArray bytes = file.readAll();
    ByteBuffer stored(bytes.begin(), bytes.end());
    RadioImage loaded;
    const LoadStatus status = DecodeDataFile(std::move(stored), loaded);
    if (status != LoadStatus::Ok) return status;
    data.image = loaded;
    data.CopyToBaseline();
    data.LoadBandLimits();
    return LoadStatus::Ok;
}

SaveResult SaveFile(const QString& path, const RadioImage& image) {
    ByteBuffer encoded;
    try {
        encoded = EncodeDataFile(image);
    } catch (const CompressionError& error) {
        return {false, QString::fromUtf8(error.what())};
    }
    return WriteFileAtomically(path, encoded.data(), encoded.size());
}

QString LoadFailureText(const UiTexts& texts) {
    return texts.UiText("DataFile", "Incorrect File Type.");
}

QString SaveFailureText(const QString& path, const QString& systemError, const UiTexts& texts) {
    return texts.UiText("DataFile", "The file could not be saved.") + u'\n' +
           QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + systemError;
}

QString LoadFailureTitle(LoadStatus status) {
    return status == LoadStatus::DecodeError ? QStringLiteral("Error") : AppTitle();
}

}  // namespace qv
