// What differs between two images, said in the words of the editors that show it: "Channel 3 RX
// Freq.: 446.03125 -> 446.04375", "General Settings, Squelch Level: 3 -> 5". Bytes no editor
// shows (a hidden bit, the band limits, the rows a write never sends) are named by their row and
// address instead: "Row 1AB: 1AB0 48 -> 46".
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "data/radio_image.h"
#include "language/ui_language.h"

namespace qv {

enum class DifferenceKind { Channel, Setting, Bytes };

struct Difference {
    DifferenceKind kind = DifferenceKind::Bytes;
    int channel = 0;  // 1-16 for a channel's cell, else 0
    QString text;     // the whole line, in the language asked for
};

struct ImageDifferences {
    std::vector<Difference> items;  // channels in order, then settings, then rows of bytes

    bool Empty() const { return items.empty(); }
    // How many channels differ in any cell.
    int Channels() const;
    // How many settings differ, a row of bytes no editor shows counting as one.
    int Settings() const;
    QStringList Lines() const;
};

// Everything that differs from `from` to `to`, in the language of `texts`.
ImageDifferences DescribeDifferences(const RadioImage& from, const RadioImage& to,
                                     const UiTexts& texts);

// "3 channels and 1 setting" / "3 个信道和 1 项设置": how much a change touches.
QString ChangeCountText(const ImageDifferences& differences, const UiTexts& texts);

}  // namespace qv
