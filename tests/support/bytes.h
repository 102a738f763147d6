// Bytes as the tests compare them: hex text of upper-case pairs between spaces ("25 06 60 44"), so
// a failed comparison shows which byte differs and by how much.
#pragma once

#include <QByteArray>
#include <QString>

#include "data/compression.h"
#include "data/radio_image.h"

namespace qv::test {

// `count` bytes of the image from `address` on.
inline QByteArray Bytes(const RadioImage& image, int address, int count) {
    return QByteArray(reinterpret_cast<const char*>(image.data() + address), count);
}

inline QString Hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

inline QString Hex(const RadioImage& image, int address, int count) {
    return Hex(Bytes(image, address, count));
}

inline QString Hex(const ByteBuffer& bytes) {
    return Hex(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qsizetype>(bytes.size())));
}

}  // namespace qv::test
