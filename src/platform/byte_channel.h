// The bytes of an open line to the radio, as the clone driver sees them: written, taken as they
// arrive, dropped when stale. The serial port implements it; a test may put a scripted line
// in its place. Opening and closing belong to whoever owns the line.
#pragma once

#include <QByteArray>

namespace qv {

class ByteChannel {
public:
    virtual ~ByteChannel() = default;

    // Hands the bytes to the line. False when the line refused them.
    virtual bool Write(const QByteArray& bytes) = 0;
    // Every byte received and not yet taken (possibly none).
    virtual QByteArray TakeAll() = 0;
    // Drops every received byte not yet taken.
    virtual void DiscardInput() = 0;
    // True once the line reported an error since it was opened.
    virtual bool HasFailed() const = 0;
};

}  // namespace qv
