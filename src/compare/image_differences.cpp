#include "compare/image_differences.h"

#include <algorithm>
#include <functional>
#include <set>

#include "compare/printable_text.h"
#include "editors/audio/audio_settings_model.h"
#include "editors/channel/channel_table.h"
#include "editors/customized/customized_tone_model.h"
#include "editors/key/side_button_model.h"
#include "editors/setting/general_settings_model.h"

namespace qv {

namespace {

// Every field the editors read lies in rows 1 to 26 (0x010-0x1AF); a byte elsewhere is shown by
// no editor.
constexpr int kFirstEditedAddress = 0x010;
constexpr int kLastEditedAddress = 0x1AF;

struct Section {
    QString title;
    SettingTexts settings;
};

// Everything the editors show of an image: the 12 cells of each channel, then the settings
// windows in menu order.
struct ImageWords {
    std::vector<QStringList> channels;  // [0] is channel 1
    std::vector<Section> sections;

    QStringList Flat() const {
        QStringList flat;
        for (const QStringList& cells : channels) flat += cells;
        for (const Section& section : sections) {
            for (const SettingText& setting : section.settings) flat << setting.value;
        }
        return flat;
    }
};

ImageWords WordsOf(const RadioImage& image, const UiTexts& texts) {
    ImageWords words;
    RadioData data;
    data.image = image;
    data.LoadBandLimits();
    ChannelTable table(data, texts);
    table.RefreshAll();
    for (int row = 1; row <= channel::kChannelRows; ++row) {
        words.channels.push_back(table.RowTexts(row).mid(channel::kColName));
    }
    // The models read the image as it is, so the copy with repaired band limits serves them all.
    RadioImage& copy = data.image;
    words.sections = {
        {GeneralSettingsModel::TitleText(texts), GeneralSettingsModel(copy).Describe(texts)},
        {AudioSettingsModel::TitleText(texts), AudioSettingsModel(copy).Describe(texts)},
        {SideButtonModel::TitleText(texts), SideButtonModel(copy).Describe(texts)},
        {CustomizedToneModel::TitleText(texts), CustomizedToneModel(copy).Describe(texts)},
    };
    return words;
}

QString Shown(const QString& value, const UiTexts& texts) {
    return value.isEmpty() ? texts.UiText("Differences", "(empty)") : PrintableText(value);
}

QString Hex(int value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QChar(u'0')).toUpper();
}

// Whether flipping one bit of `image` changes any word the editors show.
bool BitShown(const RadioImage& image, const QStringList& words, int address, int bit,
              const UiTexts& texts) {
    RadioImage flipped = image;
    flipped[address] = static_cast<std::uint8_t>(flipped[address] ^ (1 << bit));
    return WordsOf(flipped, texts).Flat() != words;
}

// A differing byte no word tells of: outside the editors' rows, or with a bit that changes no
// word in either image (a hidden field).
bool ByteUnshown(const RadioImage& from, const RadioImage& to, const QStringList& fromWords,
                 const QStringList& toWords, int address, const UiTexts& texts) {
    if (address < kFirstEditedAddress || address > kLastEditedAddress) return true;
    const int changed = from[address] ^ to[address];
    for (int bit = 0; bit < 8; ++bit) {
        if (!(changed & (1 << bit))) continue;
        if (!BitShown(from, fromWords, address, bit, texts) &&
            !BitShown(to, toWords, address, bit, texts)) {
            return true;
        }
    }
    return false;
}

}  // namespace

int ImageDifferences::Channels() const {
    std::set<int> channels;
    for (const Difference& item : items) {
        if (item.kind == DifferenceKind::Channel) channels.insert(item.channel);
    }
    return int(channels.size());
}

int ImageDifferences::Settings() const {
    return int(std::count_if(items.begin(), items.end(), [](const Difference& item) {
        return item.kind != DifferenceKind::Channel;
    }));
}

QStringList ImageDifferences::Lines() const {
    QStringList lines;
    for (const Difference& item : items) lines << item.text;
    return lines;
}

ImageDifferences DescribeDifferences(const RadioImage& from, const RadioImage& to,
                                     const UiTexts& texts) {
    ImageDifferences differences;
    if (from == to) return differences;
    const ImageWords fromWords = WordsOf(from, texts);
    const ImageWords toWords = WordsOf(to, texts);

    for (int channel = 1; channel <= channel::kChannelRows; ++channel) {
        const QStringList& before = fromWords.channels[std::size_t(channel - 1)];
        const QStringList& after = toWords.channels[std::size_t(channel - 1)];
        for (int cell = 0; cell < before.size() && cell < after.size(); ++cell) {
            if (before[cell] == after[cell]) continue;
            const QString header = channel::HeaderText(channel::kColName + cell, texts);
            differences.items.push_back(
                {DifferenceKind::Channel, channel,
                 texts.UiText("Differences", "Channel %1 %2: %3 -> %4")
                     .arg(channel)
                     .arg(header, Shown(before[cell], texts), Shown(after[cell], texts))});
        }
    }

    for (std::size_t s = 0; s < fromWords.sections.size(); ++s) {
        const Section& before = fromWords.sections[s];
        const Section& after = toWords.sections[s];
        for (std::size_t i = 0; i < before.settings.size() && i < after.settings.size(); ++i) {
            if (before.settings[i].value == after.settings[i].value) continue;
            differences.items.push_back({DifferenceKind::Setting, 0,
                                         texts.UiText("Differences", "%1, %2: %3 -> %4")
                                             .arg(before.title, before.settings[i].caption,
                                                  Shown(before.settings[i].value, texts),
                                                  Shown(after.settings[i].value, texts))});
        }
    }

    // Bytes no word tells of, a line per row.
    const QStringList fromFlat = fromWords.Flat();
    const QStringList toFlat = toWords.Flat();
    for (int row = 0; row < kRowCount; ++row) {
        QStringList bytes;
        for (int column = 0; column < kRowSize; ++column) {
            const int address = row * kRowSize + column;
            if (from[address] == to[address]) continue;
            if (!ByteUnshown(from, to, fromFlat, toFlat, address, texts)) continue;
            bytes << QStringLiteral("%1 %2 -> %3")
                         .arg(Hex(address, 4), Hex(from[address], 2), Hex(to[address], 2));
        }
        if (bytes.isEmpty()) continue;
        differences.items.push_back({DifferenceKind::Bytes, 0,
                                     texts.UiText("Differences", "Row %1: %2")
                                         .arg(Hex(row, 3), bytes.join(QStringLiteral(", ")))});
    }
    return differences;
}

QString ChangeCountText(const ImageDifferences& differences, const UiTexts& texts) {
    const int channels = differences.Channels();
    const int settings = differences.Settings();
    const QString channelText = channels == 1
                                    ? texts.UiText("Differences", "1 channel")
                                    : texts.UiText("Differences", "%1 channels").arg(channels);
    const QString settingText = settings == 1
                                    ? texts.UiText("Differences", "1 setting")
                                    : texts.UiText("Differences", "%1 settings").arg(settings);
    return texts.UiText("Differences", "%1 and %2").arg(channelText, settingText);
}

}  // namespace qv
