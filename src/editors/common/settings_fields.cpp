#include "editors/common/settings_fields.h"

#include "language/ui_language.h"

namespace qv {

int ReadBits(const RadioImage& image, int address, int shift, int width) {
    const int mask = (1 << width) - 1;
    return (image[address] >> shift) & mask;
}

void WriteBits(RadioImage& image, int address, int shift, int width, int value) {
    const int mask = ((1 << width) - 1) << shift;
    const int kept = image[address] & ~mask;
    image[address] = static_cast<std::uint8_t>(kept | ((value << shift) & mask));
}

int PositionOrFallback(int value, int entryCount, int fallback) {
    return value >= 0 && value < entryCount ? value : fallback;
}

QStringList NumberEntries(int first, int count, int step) {
    QStringList entries;
    for (int i = 0; i < count; ++i) entries << QString::number(first + i * step);
    return entries;
}

QStringList ChannelEntries(int count, const UiTexts& texts) {
    const QString prefix = texts.UiText("SettingsWords", "CH") + u' ';
    QStringList entries;
    for (int i = 1; i <= count; ++i) entries << prefix + QString::number(i);
    return entries;
}

QString EntryAt(const QStringList& entries, int position) {
    return position >= 0 && position < entries.size() ? entries[position] : QString();
}

}  // namespace qv
