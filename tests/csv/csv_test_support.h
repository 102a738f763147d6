// Images and helpers shared by the channel-plan tests: the template, images with every kind of
// channel, and a short description of a channel read straight from the image bytes.
#pragma once

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTest>

#include "codecs/channel_name.h"
#include "codecs/frequency.h"
#include "codecs/tone.h"
#include "codecs/tone_table.h"
#include "data/data_file.h"
#include "support/ui_texts.h"

namespace qv::test {

inline const QByteArray kHeader =
    "No.,CH Name,Mode,RX Freq.,RX CTCSS/DCS,TX Freq.,TX CTCSS/DCS,TX Power,Bandwidth,Scan,"
    "Busy Lock,Reverse Burst,Talk Around\r\n";

inline QByteArray Row(const char* text) {
    return QByteArray(text) + "\r\n";
}

inline qv::RadioData Template() {
    qv::RadioData data;
    if (qv::LoadFile(QCoreApplication::applicationDirPath() + "/default.tw", data) !=
        qv::LoadStatus::Ok) {
        qFatal("no template");
    }
    return data;
}

// An image with every kind of channel the editor makes: random valid records, flags, names,
// scan bits and customized tones, some channels empty, some receive-only.
inline qv::RadioData Varied(quint32 seed) {
    qv::RadioData data = Template();
    QRandomGenerator random(seed);
    qv::EncodeTone(data.image, 2 * (seed % 6), 25, "122 - 69.3Hz",
                   qv::test::kEnglish);  // a customized CTCSS slot
    qv::EncodeTone(data.image, 2 * (seed % 6), 26, "211 - D017N",
                   qv::test::kEnglish);  // a customized DCS slot
    const QStringList tones = qv::BuildToneList(data.image, qv::test::kEnglish);
    for (int n = 1; n <= 16; ++n) {
        const int kind = random.bounded(4);  // 0 empty, 1 simplex, 2 repeater, 3 RX only
        for (int c = 0; c < 16; ++c) data.image.at(n, c) = 0xFF;
        qv::EncodeChannelName(data.image, n, "");
        if (kind == 0) continue;
        const QString rx = qv::NormalizeFrequency(QString::number(400 + random.bounded(80.0)), data,
                                                  qv::test::kDotLocale);
        const QString tx = kind == 1
                               ? rx
                               : qv::NormalizeFrequency(QString::number(400 + random.bounded(80.0)),
                                                        data, qv::test::kDotLocale);
        qv::EncodeFrequency(data.image, qv::FrequencyField::Rx, n, rx, qv::test::kDotLocale);
        if (kind != 3)
            qv::EncodeFrequency(data.image, qv::FrequencyField::Tx, n, tx, qv::test::kDotLocale);
        const QString rxTone = tones[random.bounded(tones.size())];
        qv::EncodeTone(data.image, 8, n, rxTone, qv::test::kEnglish);
        if (kind != 3) {
            qv::EncodeTone(data.image, 10, n,
                           kind == 1 ? rxTone : tones[random.bounded(tones.size())],
                           qv::test::kEnglish);
        }
        data.image.at(n, 12) = static_cast<std::uint8_t>(random.bounded(256));
        data.image.at(n, 13) = static_cast<std::uint8_t>(random.bounded(256));
        QString name;
        for (int i = random.bounded(7); i > 0; --i)
            name += QChar(char16_t(32 + random.bounded(91)));
        qv::EncodeChannelName(data.image, n, name);
        qv::SetScanFlag(data.image, n, random.bounded(2));
    }
    data.CopyToBaseline();
    return data;
}

inline std::uint8_t Bcd(int value) {
    return static_cast<std::uint8_t>((value / 10) << 4 | value % 10);
}

// An image as another program or a radio may leave it: any decimal frequency (off the raster,
// outside the band), tones the list does not know, every flag and Mode bit, names with any byte,
// and band limits that do not fit the channels.
inline qv::RadioData Raw(quint32 seed) {
    qv::RadioData data = Template();
    QRandomGenerator random(seed);
    data.BandUpperMHz = seed % 2 ? 174.f : 480.f;
    data.BandLowerMHz = seed % 2 ? 136.f : 400.f;
    data.StoreBandLimits();
    for (int n = 1; n <= 16; ++n) {
        std::uint8_t* record = data.image.data() + 16 * n;
        const bool empty = random.bounded(5) == 0;
        for (int i = 0; i < 16; ++i) record[i] = static_cast<std::uint8_t>(random.bounded(256));
        for (int i = 0; i < 8; ++i) record[i] = Bcd(random.bounded(100));
        if (empty) record[random.bounded(4)] = 0xFF;
        if (random.bounded(4) == 0) record[4 + random.bounded(4)] = 0xFF;  // RX only
        for (int tone : {8, 10}) {
            switch (random.bounded(4)) {
                case 0:  // CTCSS, most likely not in the list
                    record[tone] = Bcd(random.bounded(100));
                    record[tone + 1] = Bcd(random.bounded(30));
                    break;
                case 1:  // DCS, any polarity, any digits
                    record[tone] = static_cast<std::uint8_t>(random.bounded(256));
                    record[tone + 1] = static_cast<std::uint8_t>(0x80 | 0x40 * random.bounded(2) |
                                                                 random.bounded(8));
                    break;
                case 2:
                    record[tone] = record[tone + 1] = 0xFF;
                    break;
                default:
                    break;  // random bytes
            }
        }
        for (int i = 0; i < qv::kNameLength; ++i) {
            data.image[qv::kNameAddress + qv::kNameLength * (n - 1) + i] =
                static_cast<std::uint8_t>(random.bounded(256));
        }
    }
    data.image[0x170] = static_cast<std::uint8_t>(random.bounded(256));
    data.image[0x171] = static_cast<std::uint8_t>(random.bounded(256));
    data.CopyToBaseline();
    return data;
}

// A channel as its bytes say it: "RX/tone -> TX/tone mode-bits name scan".
inline QString Channel(const qv::RadioImage& image, int n) {
    const QString rx = qv::DecodeFrequency(image, qv::FrequencyField::Rx, n, qv::test::kDotLocale);
    if (rx.isEmpty()) return QStringLiteral("empty");
    const QString tx = qv::DecodeFrequency(image, qv::FrequencyField::Tx, n, qv::test::kDotLocale);
    return QStringLiteral("%1/%2 -> %3/%4 mode %5 \"%6\" scan %7")
        .arg(rx, qv::DecodeTone(image, 8, n, qv::test::kEnglish),
             tx.isEmpty() ? QStringLiteral("-") : tx,
             tx.isEmpty() ? QStringLiteral("-") : qv::DecodeTone(image, 10, n, qv::test::kEnglish))
        .arg(image.at(n, 12) >> 6)
        .arg(qv::DecodeChannelName(image, n))
        .arg(qv::GetScanFlag(image, n));
}

// The first differing byte, for a readable failure.
inline QString FirstDifference(const qv::RadioImage& actual, const qv::RadioImage& expected) {
    for (int address = 0; address < qv::kImageSize; ++address) {
        if (actual[address] != expected[address]) {
            return QStringLiteral("byte 0x%1 is %2, expected %3")
                .arg(address, 4, 16, QChar('0'))
                .arg(actual[address], 2, 16, QChar('0'))
                .arg(expected[address], 2, 16, QChar('0'));
        }
    }
    return QString();
}

}  // namespace qv::test
