// Feeds arbitrary bytes to the .tw decoder and its file checks, as a stranger's file would be.
// A file that loads must also survive a save and load unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "data/data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::RadioImage image;
    const qv::LoadStatus status = qv::DecodeDataFile(qv::ByteBuffer(data, data + size), image);
    if (status == qv::LoadStatus::Ok) {
        qv::RadioImage again;
        if (qv::DecodeDataFile(qv::EncodeDataFile(image), again) != qv::LoadStatus::Ok ||
            !(again == image)) {
            std::abort();
        }
    }
    // The raw compression on its own, without the length and marker checks.
    qv::ByteBuffer buffer(data, data + size);
    try {
        qv::DecodeBuffer(buffer);
    } catch (const qv::CompressionError&) {
    }
    return 0;
}
