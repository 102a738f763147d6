// The start-up template, written as what it holds rather than as bytes.
//
// Channels 1 to 8: the eight PMR446 frequencies 446.00625 + k x 0.0125 MHz, Simplex (TX = RX),
// no tones, with the defaults the channel editor gives a new channel: Low power, Narrow, Busy
// Lock Off, Reverse Burst On, Talk Around No (flag byte 0x28 as saved), in the scan list, no name;
// record bytes 13/14 = 0x40/0xFE and the five bytes at 0x2000 + 5n = FF as at creation.
// Channels 9 to 16: empty (all FF, no name, not in the scan list).
// Settings 0x180-0x18E: values every settings editor shows as they are (no fallback).
// Band limits: 480 / 400 MHz. Every other byte: 0xFF, as in a blank memory.
#include "startup_template.h"

#include <algorithm>

#include "codecs/channel_name.h"
#include "codecs/frequency.h"

namespace qv {

namespace {

constexpr int kPmrChannels = 8;
constexpr double kFirstPmrMHz = 446.00625;
constexpr double kPmrSpacingMHz = 0.0125;

constexpr std::uint8_t kNewChannelFlags = 0x28;  // Reverse Burst On, Talk Around No
constexpr std::uint8_t kNewChannelByte13 = 0x40;
constexpr std::uint8_t kNewChannelByte14 = 0xFE;

struct SettingByte {
    int address;
    std::uint8_t value;
    const char* meaning;
};

const SettingByte kSettings[] = {
    {0x180, 0x1F,
     "factory reset allowed, battery save on, cloning allowed, burst phase 180, "
     "scan mode Normal"},
    {0x181, 0x01, "transmit time-out 60 s"},
    {0x182, 0x03, "squelch level 3"},
    {0x183, 0x10, "priority channel Off"},
    {0x184, 0x04, "scan resume time 1: 5 s"},
    {0x185, 0x09, "scan resume time 2: 10 s"},
    {0x186, 0x01, "VOX delay 1.0 s"},
    {0x188, 0x95,
     "mic gain Medium, accessory mic gain Medium, annunciation English, "
     "lone worker off"},
    {0x189, 0x10, "VOX Off, iVOX Medium"},
    {0x18A, 0x20, "call tone on, roger beep on, emergency on current channel, burst 1750 Hz"},
    {0x18B, 0x00, "selected emergency channel CH 1"},
    {0x18C, 0x04, "lone-worker timer 5 min"},
    {0x18D, 0x74, "P1: short Monitor, long No Operation"},
    {0x18E, 0x62, "P2: short Emergency Calling, long Repeater / Talkaround"},
};

void AddPmrChannel(RadioImage& image, int channel) {
    // Frequencies are written with "." whatever the user's locale is.
    const QString mhz = QString::number(kFirstPmrMHz + (channel - 1) * kPmrSpacingMHz, 'f', 5);
    EncodeFrequency(image, FrequencyField::Rx, channel, mhz, QLocale::c());
    EncodeFrequency(image, FrequencyField::Tx, channel, mhz, QLocale::c());
    image.at(channel, 8) = image.at(channel, 9) = 0xFF;    // RX tone: none
    image.at(channel, 10) = image.at(channel, 11) = 0xFF;  // TX tone: none
    image.at(channel, 12) = kNewChannelFlags;
    image.at(channel, 13) = kNewChannelByte13;
    image.at(channel, 14) = kNewChannelByte14;
    EncodeChannelName(image, channel, QString());
    SetScanFlag(image, channel, 1);
}

}  // namespace

RadioImage BuildStartupTemplate() {
    RadioImage image;
    std::fill(image.data(), image.data() + kImageSize, 0xFF);
    // The scan bitmap 0x170-0x171 starts clear; the PMR channels join the scan list.
    for (int channel = 1; channel <= kChannelCount; ++channel) SetScanFlag(image, channel, 0);
    for (int channel = 1; channel <= kPmrChannels; ++channel) AddPmrChannel(image, channel);
    for (const SettingByte& setting : kSettings) image[setting.address] = setting.value;

    RadioData data;
    data.image = image;
    data.SetDefaultBandLimits();
    data.StoreBandLimits();
    return data.image;
}

}  // namespace qv
