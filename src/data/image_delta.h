// What one change did to the radio image, kept small: only the runs of bytes that differ, each
// with its bytes before and after. An undo step holds one of these instead of two 16 KB copies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "data/radio_image.h"

namespace qv {

class ImageDelta {
public:
    // The bytes where `after` differs from `before`. Runs closer than a few equal bytes are
    // joined, so a record rewritten field by field is one run, not five.
    static ImageDelta Between(const RadioImage& before, const RadioImage& after);

    bool IsEmpty() const { return runs_.empty(); }
    // The number of runs and of changed bytes (joined gaps count as changed).
    std::size_t RunCount() const { return runs_.size(); }
    std::size_t ByteCount() const { return before_.size(); }
    // Heap bytes the delta holds, for measuring what a long history costs.
    std::size_t HeldBytes() const;

    // Writes the bytes as they were before the change, or after it.
    void WriteBefore(RadioImage& image) const { Write(image, before_); }
    void WriteAfter(RadioImage& image) const { Write(image, after_); }

private:
    struct Run {
        std::uint16_t address;
        std::uint16_t length;
        std::uint32_t offset;  // into before_ and after_
    };
    void Write(RadioImage& image, const std::vector<std::uint8_t>& bytes) const;

    std::vector<Run> runs_;
    std::vector<std::uint8_t> before_;
    std::vector<std::uint8_t> after_;
};

}  // namespace qv
