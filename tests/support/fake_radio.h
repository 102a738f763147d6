// A radio that answers every clone frame correctly from its own image and stores the rows it is
// sent: the counterpart of the engine in tests with no port.
#pragma once

#include <QByteArray>
#include <algorithm>
#include <initializer_list>

#include "data/radio_image.h"
#include "link/clone.h"

namespace qv::test {

inline QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values) bytes.append(static_cast<char>(v));
    return bytes;
}

struct FakeRadio {
    RadioImage image;
    FakeRadio() {
        for (int a = 0; a < kImageSize; ++a) image[a] = static_cast<std::uint8_t>(a * 7 + a / 16);
    }
    QByteArray Answer(const QByteArray& frame) {
        if (frame == HandshakeFrame()) return Bytes({0x06, 0, 0, 0, 0});
        if (frame.size() < 4) return {};
        const int address = (std::uint8_t(frame[1]) << 8) | std::uint8_t(frame[2]);
        if (frame[0] == 'R') {
            QByteArray reply = frame.left(4);
            reply[0] = 'W';
            return reply + QByteArray(reinterpret_cast<const char*>(image.data() + address), 16);
        }
        if (frame[0] == 'W') {
            std::copy_n(frame.constData() + 4, 16, image.data() + address);
            return Bytes({0x06});
        }
        return {};
    }
};

}  // namespace qv::test
