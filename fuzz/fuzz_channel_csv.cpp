// Feeds arbitrary bytes to the channel-plan import, in either CSV format, over the start-up
// template, as a stranger's spreadsheet would be. A refused file must leave the image exactly
// as it was; an accepted one must survive its own export and import unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "editors/channel_csv/channel_csv.h"
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
        qv::RadioData data = Base();
        const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data, {renumber});
        if (!result.ok) {
            if (!(data.image == Base().image)) std::abort();  // no partial write
            continue;
        }
        CheckRoundTrip(data, qv::CsvFormat::Native);
        CheckRoundTrip(data, qv::CsvFormat::Common);
    }
    (void)qv::DetectCsvFormat(csv);
    return 0;
}
