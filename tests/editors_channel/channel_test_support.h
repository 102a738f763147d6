// Images with hand-made channel records for the channel editor tests.
#pragma once

#include <QString>
#include <QStringList>

#include "data/radio_image.h"
#include "language/ui_language.h"
#include "support/bytes.h"

namespace qv::test {

// An image as a blank radio holds it (all FF) with the default band limits 480 / 400 MHz.
inline RadioData BlankRadio() {
    RadioData data;
    for (int address = 0; address < kImageSize; ++address) data.image[address] = 0xFF;
    data.SetDefaultBandLimits();
    data.StoreBandLimits();
    return data;
}

// Writes the bytes given as hex pairs ("25 06 60 44 ...") from an address on.
inline void PutBytes(RadioImage& image, int address, const QString& hexBytes) {
    for (const QString& pair : hexBytes.split(u' ', Qt::SkipEmptyParts)) {
        image[address++] = static_cast<std::uint8_t>(pair.toUInt(nullptr, 16));
    }
}

// The 16 bytes of channel n's record.
inline void PutRecord(RadioImage& image, int channel, const QString& hexBytes) {
    PutBytes(image, 16 * channel, hexBytes);
}

// 446.00625 MHz RX and TX, no tones, the given flag byte.
inline QString SimplexRecord(const QString& flag = QStringLiteral("28")) {
    return QStringLiteral("25 06 60 44 25 06 60 44 FF FF FF FF %1 40 FE FF").arg(flag);
}

}  // namespace qv::test
