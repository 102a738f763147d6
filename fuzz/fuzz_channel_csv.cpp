// Feeds arbitrary bytes to the channel-plan import, in either CSV format, over the start-up
// template, as a stranger's spreadsheet would be: all or nothing, renumbered, and leaving out the
// rows the radio cannot hold. A refused file must leave the image exactly as it was; an accepted
// one must store no frequency outside the band and survive its own export and import unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "codecs/frequency.h"
#include "editors/channel/csv/channel_csv.h"
#include "startup_template.h"

namespace {

const qv::RadioData& Base() {
    static const qv::RadioData base = [] {
        qv::RadioData data;
        data.image = qv::BuildStartupTemplate();
        data.LoadBandLimits();
        data.CopyToBaseline();
        return data;
    }();
    return base;
}

qv::CsvImportOptions Options(bool renumber, bool skipUnusable) {
    qv::CsvImportOptions options;
    options.renumber = renumber;
    options.skipUnusable = skipUnusable;
    return options;
}

// The template's channels all lie in its band, so every frequency after an import must too.
void CheckInBand(const qv::RadioData& imported) {
    const int lowest = qv::BandLimitUnits(imported.BandLowerMHz);
    const int highest = qv::BandLimitUnits(imported.BandUpperMHz);
    for (int channel = 1; channel <= 16; ++channel) {
        for (int field : {0, 4}) {
            const std::optional<int> units =
                qv::DecodeFrequencyUnits(imported.image, qv::kRowSize * channel + field);
            if (units && (*units < lowest || *units > highest)) std::abort();
        }
    }
}

void CheckRoundTrip(const qv::RadioData& imported, qv::CsvFormat format) {
    qv::RadioData again = imported;
    const qv::CsvImportResult result =
        qv::ImportChannelsCsv(qv::ExportChannelsCsv(imported, format), again);
    if (!result.ok || !(again.image == imported.image)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArray csv(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    for (const bool renumber : {false, true}) {
        for (const bool skipUnusable : {false, true}) {
            qv::RadioData data = Base();
            const qv::CsvImportResult result =
                qv::ImportChannelsCsv(csv, data, Options(renumber, skipUnusable));
            if (!result.ok) {
                if (!(data.image == Base().image)) std::abort();  // no partial write
                continue;
            }
            CheckInBand(data);
            CheckRoundTrip(data, qv::CsvFormat::Native);
            CheckRoundTrip(data, qv::CsvFormat::Common);
        }
    }
    (void)qv::DetectCsvFormat(csv);
    return 0;
}
