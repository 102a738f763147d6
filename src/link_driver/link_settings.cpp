#include "link_driver/link_settings.h"

#include <QDir>
#include <QLocale>
#include <cmath>
#include <limits>

#include "codecs/number_text.h"
#include "platform/ini_file.h"

namespace qv {

namespace {

const QString kSetupSection = QStringLiteral("Setup");
const QString kIntervalKey = QStringLiteral("ComInterval[ms]");
const QString kRecvCountKey = QStringLiteral("ComRecvCount ");
const QString kSessionGapKey = QStringLiteral("SessionGap[ms]");

}  // namespace

std::optional<std::int16_t> TimingNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(trimmed, &ok);
    // A value written with the decimal comma of the user's locale reads the same.
    if (!ok) value = QLocale::c().toDouble(QString(trimmed).replace(',', '.'), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    // Halves go to the even neighbour, as Radio.INI's numbers were always read.
    const double rounded = RoundHalfEven(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

LinkTiming ReadLinkTiming(const QString& folder) {
    const QString file = RadioIniPath(folder);
    LinkTiming timing;
    const auto interval = TimingNumber(GetIniValue(kSetupSection, kIntervalKey, file));
    if (interval && *interval >= 1) timing.RecvInterval = *interval;
    const auto limit = TimingNumber(GetIniValue(kSetupSection, kRecvCountKey, file));
    if (limit && *limit >= 0) timing.RecvLimit = *limit;
    const auto gap = TimingNumber(GetIniValue(kSetupSection, kSessionGapKey, file));
    if (gap && *gap >= 0) timing.SessionGapMs = *gap;
    return timing;
}

}  // namespace qv
