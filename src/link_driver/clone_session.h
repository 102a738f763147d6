// One whole clone transfer run to its end without a window, for qv730-cli and the benchmarks:
// the same engine and serial link as the clone dialog, with a failure ending the transfer
// instead of asking whether to retry.
#pragma once

#include <QString>
#include <functional>

#include "data/radio_image.h"
#include "language/ui_language.h"
#include "link/clone.h"
#include "link/link_timing.h"
#include "link_driver/write_sequence.h"
#include "platform/byte_channel.h"
#include "platform/port_error.h"

namespace qv {

struct CloneRequest {
    QString device;
    qv::CloneMode CloneMode = qv::CloneMode::Read;
    std::int16_t FirstRow = kReadFirstRow;
    std::int16_t LastRow = kReadLastRow;
    LinkTiming timing;
    std::function<void(double percent)> progress;  // optional
    UiTexts texts;                                 // the language of the failure text
};

struct CloneResult {
    bool ok = false;
    QString error;  // the port's own description, or "Connection Fail!" in the language of `texts`
    PortError portError;  // why the port failed, when it did (not opened, or gone mid-transfer)
};

// Runs the transfer on the calling thread's event loop. A read changes the image only when it
// completed; a failed one leaves it as it was.
CloneResult RunClone(RadioImage& image, const CloneRequest& request);

// One radio's write as the user asked for it (backup, write, read-back), on a line its owner
// keeps open, so that several radios can be written in a row on one port.
struct WriteRun {
    WriteVerdict verdict = WriteVerdict::WriteFailed;
    bool hasBackup = false;
    RadioImage backup;    // what the radio held, when a backup was made
    QString backupPath;   // where it was saved
    QString backupError;  // why it could not be saved
    RadioImage readBack;  // the plan with the written rows as the read-back found them
};
WriteRun RunWriteSequence(ByteChannel& line, const RadioImage& plan, const WriteOptions& options,
                          const LinkTiming& timing,
                          const std::function<void(RadioStep, double)>& progress = {});

}  // namespace qv
