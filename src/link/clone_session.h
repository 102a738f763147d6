// One whole clone transfer run to its end without a window, for qv730-cli and the benchmarks:
// the same engine and serial link as the clone dialog, with a failure ending the transfer
// instead of asking whether to retry.
#pragma once

#include <QString>
#include <functional>

#include "data/radio_image.h"
#include "link/clone.h"
#include "platform/link_settings.h"

namespace qv {

struct CloneRequest {
    QString device;
    std::uint8_t CloneMode = kCloneRead;
    std::int16_t FirstRow = kReadFirstRow;
    std::int16_t LastRow = kReadLastRow;
    LinkTiming timing;
    std::function<void(double percent)> progress;  // optional
};

struct CloneResult {
    bool ok = false;
    QString error;  // the port's own description, or "Connection Fail!" in the UI language
};

// Runs the transfer on the calling thread's event loop. A read changes the image only when it
// completed; a failed one leaves it as it was.
CloneResult RunClone(RadioImage& image, const CloneRequest& request);

}  // namespace qv
