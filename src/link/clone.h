// The clone transfer between the program and the radio, as a pure state machine: it is given
// timer ticks and the bytes the port received, and answers with the frame to send and the timer
// to arm next. The clone dialog drives it with two timers and a serial port; tests drive it with
// plain byte strings and no clock.
#pragma once

#include <QByteArray>
#include <bitset>
#include <cstdint>

#include "data/radio_image.h"
#include "link/link_timing.h"

namespace qv {

// What a transfer does, with the numbers the clone dialog's CloneMode property takes.
enum class CloneMode : std::uint8_t {
    Read = 1,   // read the radio into the image
    Write = 2,  // write the image to the radio
};

constexpr std::int16_t kHandshakeRow = -2;  // CurrentRow while the handshake is under way
constexpr std::int16_t kEndRow = 800;       // CurrentRow while the End frame goes out

// Rows 1-26 hold the settings; the radio keeps a second copy of them in rows 38-63. Rows 27 to
// 37 are never transferred.
constexpr std::int16_t kSettingsFirstRow = 1;
constexpr std::int16_t kSettingsLastRow = 26;
constexpr std::int16_t kSettingsCopyFirstRow = 38;

// The rows of the two commands.
constexpr std::int16_t kReadFirstRow = kSettingsFirstRow;
constexpr std::int16_t kReadLastRow = kSettingsLastRow;
constexpr std::int16_t kWriteFirstRow = kSettingsFirstRow;
constexpr std::int16_t kWriteLastRow = 63;

constexpr int kSendPeriodMs = 1;  // the next frame follows a processed reply at once

// The Write command's preparation: byte 0x171A set to 0 and rows 1-26 copied onto rows 38-63,
// the second copy the radio keeps of its settings.
void PrepareImageForWrite(RadioImage& image);

// The frames the program sends.
QByteArray HandshakeFrame();                                 // "KVMD4QZ"
QByteArray ReadRowFrame(int row);                            // 'R', A_hi, A_lo, 0x10
QByteArray WriteRowFrame(const RadioImage& image, int row);  // 'W', A_hi, A_lo, 0x10, 16 bytes
QByteArray EndFrame();                                       // 'E'

enum class CloneTimer { None, Send, Receive };
enum class CloneOutcome {
    Running,    // keep going: arm the timer named
    Completed,  // the End frame has gone out (a read has now reached the image): show the end
                // message and close
    Failed,     // no or bad reply: "Connection Fail!" with Retry and Cancel
};

// What the driver does after a step, in this order: discard every received byte the port holds
// (when `discardInput`), write `frame` (when not empty), arm `arm` with `periodMs`.
struct CloneStep {
    QByteArray frame;
    bool discardInput = false;
    CloneTimer arm = CloneTimer::None;
    int periodMs = 0;
    CloneOutcome outcome = CloneOutcome::Running;
};

// A read is all or nothing: the rows the radio sends are staged and reach the image together,
// once the transfer has completed. A read that fails or is cancelled leaves the image as it was.
class CloneEngine {
public:
    explicit CloneEngine(RadioImage& image) : image_(&image) {}

    // The image the next transfer writes from or reads into (kept by reference, as the one given
    // to the constructor). A backup or a read-back goes into an image of its own this way.
    void SetImage(RadioImage& image) { image_ = &image; }
    RadioImage& Image() const { return *image_; }

    // Set by the caller before every transfer.
    std::int16_t FirstRow = kReadFirstRow;
    std::int16_t LastRow = kReadLastRow;
    qv::CloneMode CloneMode = qv::CloneMode::Read;
    // From Radio.INI at start-up; kept from one transfer to the next. The engine polls by its
    // RecvInterval and RecvLimit; the pause between sessions belongs to whoever runs several.
    LinkTiming Timing;

    // Starts (or, after a failure, restarts) a transfer from the handshake: progress 0, send
    // timer armed, nothing staged.
    CloneStep Begin();
    // The send timer fired: the frame for CurrentRow, then the receive timer.
    CloneStep SendTick();
    // The receive timer fired; `received` is every byte the port held (possibly none).
    CloneStep ReceiveTick(const QByteArray& received);
    // The port failed while the transfer ran: the failure path, as for a missing reply.
    CloneStep PortFailed();

    bool Finished() const { return finished_; }
    std::int16_t CurrentRow() const { return currentRow_; }
    std::uint8_t ExpectedLength() const { return expectedLength_; }
    const QByteArray& ReceiveBuffer() const { return receiveBuffer_; }
    int PollCount() const { return pollCount_; }
    // 0 to 100; the row being transferred as a share of the rows FirstRow to LastRow.
    double Progress() const { return progress_; }

    // The row after `row`: the End marker after LastRow, 38 after 26, else the next one.
    std::int16_t NextRow(std::int16_t row) const;

private:
    bool CheckReply(const QByteArray& reply);
    CloneStep Poll();  // one more poll spent on the current reply
    CloneStep Fail();
    CloneStep Complete();
    int ReceivePeriod() const;
    // A data row the image holds; anything else ends the transfer with the End frame.
    std::int16_t Bounded(std::int16_t row) const;

    RadioImage* image_;
    RadioImage staged_;  // the rows a read received so far, by their place in the image
    std::bitset<kRowCount> stagedRows_;
    bool finished_ = false;
    std::int16_t currentRow_ = kHandshakeRow;
    std::uint8_t expectedLength_ = 0;
    QByteArray receiveBuffer_;
    int pollCount_ = 0;  // wide enough to pass any RecvLimit
    double progress_ = 0;
};

}  // namespace qv
