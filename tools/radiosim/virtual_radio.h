// The radio's side of the clone protocol: it takes the bytes the program sends, cuts them into
// frames and answers from its own 16,384-byte image, storing the rows it is sent. It can be told
// to misbehave so the program's failure paths can be tried.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "data/radio_image.h"

namespace qv::sim {

// Frame numbers count every whole frame received since the start, from 1.
struct Misbehaviour {
    bool silent = false;     // never answer
    int wrongFirstByte = 0;  // the reply to this frame starts with 0x15 instead
    int splitReply = 0;      // the reply to this frame comes in two parts with a pause
    int splitPauseMs = 30;
    int stopMidReply = 0;      // the reply to this frame stops after its first part
    int answerFrom = 0;        // frames before this one get no answer
    int silentFrom = 0;        // this frame and every later one get no answer
    int corruptWrite = 0;      // the row of this write frame (counting write frames only) is stored
                               // with one byte changed, though it is acknowledged
    int sessionsPerRadio = 0;  // after every this many sessions another radio is connected
};

// What the radio sends back for one frame: `first`, then after `pauseMs` the `second` part.
struct Reply {
    QByteArray first;
    int pauseMs = 0;
    QByteArray second;
};

struct FrameResult {
    int number = 0;  // 0 for bytes that formed no frame
    QString log;     // one line describing what came in and what went out
    Reply reply;
};

class VirtualRadio {
public:
    // Radio n (from 1) holds images[(n - 1) mod count] as it was at the start.
    explicit VirtualRadio(std::vector<RadioImage> images, Misbehaviour misbehaviour = {})
        : images_(std::move(images)), image_(images_.at(0)), misbehaviour_(misbehaviour) {}
    explicit VirtualRadio(const RadioImage& image, Misbehaviour misbehaviour = {})
        : VirtualRadio(std::vector<RadioImage>{image}, misbehaviour) {}

    // Adds received bytes; answers every frame they complete.
    std::vector<FrameResult> Receive(const QByteArray& bytes);
    // Drops a frame that stopped arriving part way (the line went quiet).
    std::vector<FrameResult> DropPartialFrame();
    bool HasPartialFrame() const { return !pending_.isEmpty(); }

    const RadioImage& image() const { return image_; }

    // A session ends with the End frame. Once sessionsPerRadio sessions have ended on this
    // radio, the next one is due: the caller may keep this radio's image, then connects it.
    bool SwapDue() const;
    // Connects the next radio; its number, from 1.
    int ConnectNextRadio();
    int RadioNumber() const { return radio_; }

private:
    FrameResult Answer(const QByteArray& frame);
    Reply Shaped(int number, QByteArray reply) const;

    std::vector<RadioImage> images_;
    RadioImage image_;
    Misbehaviour misbehaviour_;
    QByteArray pending_;
    int frames_ = 0;
    int writeFrames_ = 0;
    int sessionsOnRadio_ = 0;
    int radio_ = 1;
    bool inCloneMode_ = false;
};

}  // namespace qv::sim
