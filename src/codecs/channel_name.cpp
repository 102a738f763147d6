#include "codecs/channel_name.h"

namespace qv {

namespace {

int NameSlot(int channel) {
    return kNameAddress + kNameLength * (channel - 1);
}
int ScanByte(int channel) {
    return kScanBitmapAddress + (channel - 1) / 8;
}
std::uint8_t ScanMask(int channel) {
    return static_cast<std::uint8_t>(1 << ((channel - 1) % 8));
}

}  // namespace

void EncodeChannelName(RadioImage& image, int channel, const QString& name) {
    const int slot = NameSlot(channel);
    for (int i = 0; i < kNameLength; ++i) {
        std::uint8_t code = 0xFF;
        if (i < name.size()) {
            const char16_t c = name[i].unicode();
            code = c <= 0xFF ? static_cast<std::uint8_t>(c) : static_cast<std::uint8_t>('?');
        }
        image[slot + i] = code;
    }
}

QString DecodeChannelName(const RadioImage& image, int channel) {
    const int slot = NameSlot(channel);
    QString name;
    for (int i = 0; i < kNameLength && image[slot + i] != 0xFF; ++i) {
        name.append(QChar(static_cast<char16_t>(image[slot + i])));
    }
    return name;
}

int GetScanFlag(const RadioImage& image, int channel) {
    return (image[ScanByte(channel)] & ScanMask(channel)) ? 1 : 0;
}

void SetScanFlag(RadioImage& image, int channel, int value) {
    if (value == 1) image[ScanByte(channel)] |= ScanMask(channel);
    if (value == 0) image[ScanByte(channel)] &= static_cast<std::uint8_t>(~ScanMask(channel));
}

}  // namespace qv
