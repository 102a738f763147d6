// Feeds arbitrary text to the channel grid's paste, as a clipboard from any program would. A
// refused paste must leave the channels and the image exactly as they were; an accepted one must
// store only frequencies within the band.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "editors/channel/channel_rows_text.h"
#include "editors/channel/channel_table.h"

namespace {

qv::RadioData BlankRadio() {
    qv::RadioData data;
    for (int address = 0; address < qv::kImageSize; ++address) data.image[address] = 0xFF;
    data.SetDefaultBandLimits();
    data.StoreBandLimits();
    return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) return 0;
    qv::RadioData data = BlankRadio();
    const qv::UiTexts texts;
    qv::ChannelTable table(data, texts);
    table.RefreshAll();
    table.SetRxFrequency(3, QStringLiteral("446.00625"));  // one channel a paste may replace
    const qv::ChannelTableState before = table.State();
    const qv::RadioImage image = data.image;

    const int firstRow = 1 + bytes[0] % 16;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes + 1),
                                           static_cast<qsizetype>(size - 1));
    const qv::ChannelPasteResult result = qv::PasteChannelRows(table, data, firstRow, text);
    if (!result.ok) {
        if (!(table.State() == before) || !(data.image == image)) std::abort();
        return 0;
    }
    for (int row = 1; row <= 16; ++row) {
        const qv::ChannelRecord& record = table.Record(row);
        for (const std::optional<int>& units : {record.rx, record.tx}) {
            if (units && (*units < 40000000 || *units > 48000000)) std::abort();
        }
    }
    return 0;
}
