#include "link/clone.h"

#include <algorithm>

namespace qv {

namespace {

constexpr char kHandshake[] = "KVMD4QZ";
constexpr std::uint8_t kAck = 0x06;
constexpr char kReadCommand = 'R';
constexpr char kWriteCommand = 'W';  // also the first byte of the radio's answer to a read
constexpr char kEndCommand = 'E';
constexpr std::uint8_t kRowLength = 0x10;

constexpr int kHandshakeReplyLength = 5;
constexpr int kReadReplyLength = 20;
constexpr int kWriteReplyLength = 1;
constexpr int kReadReplyDataOffset = 4;

// Rows beyond this one would collide with the End marker.
constexpr std::int16_t kLastDataRow = kEndRow - 1;

constexpr int kWriteFlagAddress = 0x171A;

QByteArray RowHeader(char command, int row) {
    const int address = row * kRowSize;
    QByteArray frame;
    frame.append(command);
    frame.append(static_cast<char>((address >> 8) & 0xFF));
    frame.append(static_cast<char>(address & 0xFF));
    frame.append(static_cast<char>(kRowLength));
    return frame;
}

}  // namespace

void PrepareImageForWrite(RadioImage& image) {
    image[kWriteFlagAddress] = 0;
    const int rows = kSettingsLastRow - kSettingsFirstRow + 1;
    std::copy_n(image.data() + kSettingsFirstRow * kRowSize, rows * kRowSize,
                image.data() + kSettingsCopyFirstRow * kRowSize);
}

QByteArray HandshakeFrame() {
    return QByteArray(kHandshake);
}

QByteArray ReadRowFrame(int row) {
    return RowHeader(kReadCommand, row);
}

QByteArray WriteRowFrame(const RadioImage& image, int row) {
    QByteArray frame = RowHeader(kWriteCommand, row);
    frame.append(reinterpret_cast<const char*>(image.data() + row * kRowSize), kRowSize);
    return frame;
}

QByteArray EndFrame() {
    return QByteArray(1, kEndCommand);
}

std::int16_t CloneEngine::Bounded(std::int16_t row) const {
    return row >= 0 && row <= kLastDataRow ? row : kEndRow;
}

std::int16_t CloneEngine::NextRow(std::int16_t row) const {
    // The test for the last row comes before the jump over rows 27-37.
    if (row == LastRow) return kEndRow;
    if (row == kSettingsLastRow) return kSettingsCopyFirstRow;
    return Bounded(static_cast<std::int16_t>(row + 1));
}

CloneStep CloneEngine::Begin() {
    finished_ = false;
    currentRow_ = kHandshakeRow;
    progress_ = 0;
    receiveBuffer_.clear();
    pollCount_ = 0;
    stagedRows_.reset();  // a retried read fetches every row again
    CloneStep step;
    step.arm = CloneTimer::Send;
    step.periodMs = kSendPeriodMs;
    return step;
}

CloneStep CloneEngine::SendTick() {
    CloneStep step;
    if (currentRow_ == kHandshakeRow) {
        step.frame = HandshakeFrame();
        expectedLength_ = kHandshakeReplyLength;
    } else if (currentRow_ == kEndRow) {
        step.frame = EndFrame();
        expectedLength_ = 0;
    } else if (CloneMode == qv::CloneMode::Read) {
        step.frame = ReadRowFrame(currentRow_);
        expectedLength_ = kReadReplyLength;
    } else {
        step.frame = WriteRowFrame(*image_, currentRow_);
        expectedLength_ = kWriteReplyLength;
    }
    if (currentRow_ == kEndRow) {
        progress_ = 100;
    } else if (currentRow_ >= FirstRow) {
        const int span = LastRow - FirstRow;
        // A one-row transfer is complete once its only row goes out.
        const double share = span > 0 ? double(currentRow_ - FirstRow) / span * 100 : 100;
        progress_ = std::clamp(share, 0.0, 100.0);
    }

    // Whatever arrived before the frame went out is no part of its reply.
    step.discardInput = true;
    receiveBuffer_.clear();
    pollCount_ = 0;
    step.arm = CloneTimer::Receive;
    step.periodMs = ReceivePeriod();
    return step;
}

int CloneEngine::ReceivePeriod() const {
    // The receive timer needs a period of at least 1 ms to run as a timer at all.
    return std::max<int>(Timing.RecvInterval, 1);
}

bool CloneEngine::CheckReply(const QByteArray& reply) {
    const auto first = static_cast<std::uint8_t>(reply.at(0));
    if (currentRow_ == kHandshakeRow) return first == kAck;
    if (CloneMode == qv::CloneMode::Read) {
        if (first != static_cast<std::uint8_t>(kWriteCommand)) return false;
        // The address and length the radio repeats are not compared: the row asked for is the
        // row stored.
        std::copy_n(reply.constData() + kReadReplyDataOffset, kRowSize,
                    staged_.data() + currentRow_ * kRowSize);
        stagedRows_.set(static_cast<std::size_t>(currentRow_));
        return true;
    }
    return first == kAck;
}

CloneStep CloneEngine::ReceiveTick(const QByteArray& received) {
    // Nothing the radio sends after the End frame is looked at.
    if (currentRow_ == kEndRow) return Complete();
    if (received.isEmpty()) {
        // A reply that began must keep arriving at every poll until it is complete.
        if (!receiveBuffer_.isEmpty()) return Fail();
        return Poll();
    }
    receiveBuffer_.append(received);
    if (receiveBuffer_.size() < expectedLength_) return Poll();
    // Only the last ExpectedLength bytes count; anything before them is ignored.
    if (!CheckReply(receiveBuffer_.right(expectedLength_))) return Poll();

    currentRow_ = currentRow_ == kHandshakeRow ? Bounded(FirstRow) : NextRow(currentRow_);
    CloneStep step;
    step.arm = CloneTimer::Send;
    step.periodMs = kSendPeriodMs;
    return step;
}

CloneStep CloneEngine::Poll() {
    ++pollCount_;
    if (pollCount_ > Timing.RecvLimit) return Fail();
    CloneStep step;
    step.arm = CloneTimer::Receive;
    step.periodMs = ReceivePeriod();
    return step;
}

CloneStep CloneEngine::PortFailed() {
    return Fail();
}

CloneStep CloneEngine::Complete() {
    // Every row of the read has arrived: now, and only now, they replace the image's rows.
    for (int row = 0; row < kRowCount; ++row) {
        if (!stagedRows_.test(static_cast<std::size_t>(row))) continue;
        std::copy_n(staged_.data() + row * kRowSize, kRowSize, image_->data() + row * kRowSize);
    }
    stagedRows_.reset();
    finished_ = true;
    CloneStep step;
    step.outcome = CloneOutcome::Completed;
    return step;
}

CloneStep CloneEngine::Fail() {
    CloneStep step;
    step.outcome = CloneOutcome::Failed;
    return step;
}

}  // namespace qv
