#include "editors/channel/band_texts.h"

#include "codecs/frequency.h"

namespace qv::channel {

namespace {

QString BandLimitText(float megahertz, const QLocale& locale) {
    return FrequencyText(BandLimitUnits(megahertz), locale);
}

}  // namespace

QString TypedOutOfBandText(const QString& typed, const RadioData& band, const UiTexts& texts) {
    return texts.UiText("Channel", "%1 MHz is outside this radio's band, %2 to %3 MHz")
        .arg(typed, BandLimitText(band.BandLowerMHz, texts.locale()),
             BandLimitText(band.BandUpperMHz, texts.locale()));
}

QString PlanOutOfBandText(const QString& value, bool transmit, const RadioData& band,
                          const UiTexts& texts) {
    const QString lower = BandLimitText(band.BandLowerMHz, QLocale::c());
    const QString upper = BandLimitText(band.BandUpperMHz, QLocale::c());
    if (transmit) {
        return texts.UiText("ChannelCsv", "TX %1 MHz is outside this radio's band (%2 to %3 MHz)")
            .arg(value, lower, upper);
    }
    return texts.UiText("ChannelCsv", "%1 MHz is outside this radio's band (%2 to %3 MHz)")
        .arg(value, lower, upper);
}

}  // namespace qv::channel
