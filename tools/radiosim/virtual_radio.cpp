#include "virtual_radio.h"

#include <algorithm>

namespace qv::sim {

namespace {

const QByteArray kHandshake("KVMD4QZ");
constexpr char kAck = 0x06;
constexpr char kNak = 0x15;
constexpr int kReadFrameLength = 4;
constexpr int kWriteFrameLength = 20;
constexpr int kSplitReadReplyAt = 12;  // a read reply splits as 12 bytes, then 8

int FrameLength(const QByteArray& pending) {
    switch (pending.at(0)) {
        case 'K':
            return int(kHandshake.size());
        case 'R':
            return kReadFrameLength;
        case 'W':
            return kWriteFrameLength;
        case 'E':
            return 1;
        default:
            return 0;
    }
}

bool StartsFrame(char byte) {
    return byte == 'K' || byte == 'R' || byte == 'W' || byte == 'E';
}

QString Hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString Address(int address) {
    return QStringLiteral("%1").arg(address, 4, 16, QChar('0')).toUpper();
}

}  // namespace

std::vector<FrameResult> VirtualRadio::Receive(const QByteArray& bytes) {
    pending_.append(bytes);
    std::vector<FrameResult> results;
    while (!pending_.isEmpty()) {
        const int length = FrameLength(pending_);
        const bool handshakeSoFar =
            pending_.at(0) == 'K' && kHandshake.startsWith(pending_.left(kHandshake.size()));
        if (length > 0 && (pending_.at(0) != 'K' || handshakeSoFar)) {
            if (pending_.size() < length) break;  // the rest of the frame is still on its way
            results.push_back(Answer(pending_.left(length)));
            pending_.remove(0, length);
            continue;
        }
        // Bytes that start no frame (the port dialog's "ATI1", line noise) are logged and dropped.
        qsizetype end = 1;
        while (end < pending_.size() && !StartsFrame(pending_.at(end))) ++end;
        results.push_back({0, QStringLiteral("bytes: %1").arg(Hex(pending_.left(end))), {}});
        pending_.remove(0, end);
    }
    return results;
}

std::vector<FrameResult> VirtualRadio::DropPartialFrame() {
    if (pending_.isEmpty()) return {};
    FrameResult dropped{0, QStringLiteral("incomplete frame dropped: %1").arg(Hex(pending_)), {}};
    pending_.clear();
    return {dropped};
}

FrameResult VirtualRadio::Answer(const QByteArray& frame) {
    FrameResult result;
    result.number = ++frames_;
    QByteArray reply;
    const auto byteAt = [&frame](int i) {
        return i < frame.size() ? static_cast<std::uint8_t>(frame.at(i)) : 0;
    };
    const int address = (byteAt(1) << 8) | byteAt(2);
    const int length = byteAt(3);
    // Rows past the end of the memory read as nothing and are not stored.
    const int inImage = std::clamp(kImageSize - address, 0, length);
    switch (frame.at(0)) {
        case 'K':
            inCloneMode_ = true;
            result.log = QStringLiteral("handshake");
            reply = QByteArray("\x06\x00\x00\x00\x00", 5);
            break;
        case 'R':
            result.log = QStringLiteral("read %1").arg(Address(address));
            reply = frame.left(kReadFrameLength);
            reply[0] = 'W';
            reply.append(reinterpret_cast<const char*>(image_.data() + address), inImage);
            break;
        case 'W': {
            result.log = QStringLiteral("write %1 %2").arg(Address(address), Hex(frame.mid(4)));
            if (!inCloneMode_) break;
            QByteArray row = frame.mid(4, std::min<int>(inImage, frame.size() - 4));
            if (++writeFrames_ == misbehaviour_.corruptWrite && !row.isEmpty()) {
                // The radio acknowledges the row but keeps one byte of it wrong.
                row[0] = static_cast<char>(static_cast<std::uint8_t>(row[0]) + 1);
                result.log += QStringLiteral(" | stored with one byte changed");
            }
            std::copy_n(row.constData(), row.size(), image_.data() + address);
            reply = QByteArray(1, kAck);
            break;
        }
        default:
            if (inCloneMode_) ++sessionsOnRadio_;
            inCloneMode_ = false;
            result.log = QStringLiteral("end");
            break;
    }
    if (frame.at(0) != 'K' && frame.at(0) != 'E' && !inCloneMode_) {
        result.log += QStringLiteral(" | ignored, no handshake yet");
        reply.clear();
    }
    result.log = QStringLiteral("frame %1: %2").arg(result.number).arg(result.log);
    result.reply = Shaped(result.number, reply);
    if (reply.isEmpty()) return result;
    if (result.reply.first.isEmpty()) {
        result.log += QStringLiteral(" | no answer");
    } else if (result.reply.first.at(0) != reply.at(0)) {
        result.log += QStringLiteral(" | wrong first byte");
    }
    if (!result.reply.second.isEmpty()) result.log += QStringLiteral(" | split reply");
    if (result.number == misbehaviour_.stopMidReply)
        result.log += QStringLiteral(" | stops mid-reply");
    return result;
}

bool VirtualRadio::SwapDue() const {
    return misbehaviour_.sessionsPerRadio > 0 && sessionsOnRadio_ >= misbehaviour_.sessionsPerRadio;
}

int VirtualRadio::ConnectNextRadio() {
    ++radio_;
    image_ = images_[std::size_t(radio_ - 1) % images_.size()];
    sessionsOnRadio_ = 0;
    inCloneMode_ = false;
    pending_.clear();
    return radio_;
}

Reply VirtualRadio::Shaped(int number, QByteArray reply) const {
    if (reply.isEmpty() || misbehaviour_.silent || number < misbehaviour_.answerFrom) return {};
    if (misbehaviour_.silentFrom > 0 && number >= misbehaviour_.silentFrom) return {};
    if (number == misbehaviour_.wrongFirstByte) reply[0] = kNak;
    const int splitAt =
        reply.size() > kSplitReadReplyAt ? kSplitReadReplyAt : int((reply.size() + 1) / 2);
    if (number == misbehaviour_.stopMidReply) return {reply.left(splitAt), 0, {}};
    if (number == misbehaviour_.splitReply) {
        return {reply.left(splitAt), misbehaviour_.splitPauseMs, reply.mid(splitAt)};
    }
    return {reply, 0, {}};
}

}  // namespace qv::sim
