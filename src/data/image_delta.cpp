#include "data/image_delta.h"

#include <algorithm>
#include <cstring>

namespace qv {

namespace {

// Equal bytes between two changed ones that are cheaper to keep than a new run (a run costs
// eight bytes of bookkeeping, a byte kept costs two).
constexpr int kJoinGap = 4;

}  // namespace

ImageDelta ImageDelta::Between(const RadioImage& before, const RadioImage& after) {
    ImageDelta delta;
    const std::uint8_t* old = before.data();
    const std::uint8_t* now = after.data();
    int address = 0;
    while (address < kImageSize) {
        if (old[address] == now[address]) {
            ++address;
            continue;
        }
        // A run starts here and ends after the last changed byte that is followed by more than
        // kJoinGap equal bytes.
        const int start = address;
        int end = address + 1;  // one past the last changed byte
        for (int next = end; next < kImageSize && next - end <= kJoinGap; ++next) {
            if (old[next] != now[next]) end = next + 1;
        }
        const auto length = static_cast<std::size_t>(end - start);
        delta.runs_.push_back({static_cast<std::uint16_t>(start),
                               static_cast<std::uint16_t>(length),
                               static_cast<std::uint32_t>(delta.before_.size())});
        delta.before_.insert(delta.before_.end(), old + start, old + end);
        delta.after_.insert(delta.after_.end(), now + start, now + end);
        address = end;
    }
    delta.runs_.shrink_to_fit();
    delta.before_.shrink_to_fit();
    delta.after_.shrink_to_fit();
    return delta;
}

std::size_t ImageDelta::HeldBytes() const {
    return runs_.capacity() * sizeof(Run) + before_.capacity() + after_.capacity();
}

void ImageDelta::Write(RadioImage& image, const std::vector<std::uint8_t>& bytes) const {
    for (const Run& run : runs_) {
        std::memcpy(image.data() + run.address, bytes.data() + run.offset, run.length);
    }
}

}  // namespace qv
