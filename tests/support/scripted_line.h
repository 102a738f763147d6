// A line whose far end is a fake radio: every frame written is answered at once, unless the line
// is told to refuse writes, to fail, or to stay silent (from the start, or from the n-th frame
// on). It can also stand for a radio that acknowledges a row but keeps one byte of it wrong.
#pragma once

#include <QList>
#include <utility>

#include "platform/byte_channel.h"
#include "support/fake_radio.h"

namespace qv::test {

class ScriptedLine : public ByteChannel {
public:
    FakeRadio radio;
    QList<QByteArray> written;
    bool refuseWrites = false;
    bool failed = false;
    bool silent = false;
    int silentFrom = 0;    // frames from this one (counting from 1) get no answer
    int corruptWrite = 0;  // the n-th write frame's row is stored with its first byte changed
    int discards = 0;

    bool Write(const QByteArray& bytes) override {
        if (refuseWrites) return false;
        written << bytes;
        if (silent || (silentFrom > 0 && written.size() >= silentFrom)) return true;
        QByteArray frame = bytes;
        if (frame.startsWith('W') && ++writeFrames_ == corruptWrite) frame[4] = char(frame[4] + 1);
        pending_ += radio.Answer(frame);
        return true;
    }
    QByteArray TakeAll() override { return std::exchange(pending_, {}); }
    void DiscardInput() override {
        ++discards;
        pending_.clear();
    }
    bool HasFailed() const override { return failed; }

    // The frames written that begin with `command` ('R', 'W', 'K', 'E').
    int Count(char command) const {
        int count = 0;
        for (const QByteArray& frame : written) count += frame.startsWith(command) ? 1 : 0;
        return count;
    }

private:
    QByteArray pending_;
    int writeFrames_ = 0;
};

}  // namespace qv::test
