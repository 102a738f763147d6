#include "link_driver/clone_driver.h"

namespace qv {

CloneDriver::CloneDriver(RadioImage& image, ByteChannel& line, QTimer& sendTimer,
                         QTimer& receiveTimer, QObject* parent)
    : QObject(parent),
      engine_(image),
      line_(line),
      sendTimer_(sendTimer),
      receiveTimer_(receiveTimer) {
    for (QTimer* timer : {&sendTimer_, &receiveTimer_}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&sendTimer_, &QTimer::timeout, this, &CloneDriver::OnSendTick);
    connect(&receiveTimer_, &QTimer::timeout, this, &CloneDriver::OnReceiveTick);
}

void CloneDriver::Begin() {
    Stop();
    Apply(engine_.Begin());
    emit progressChanged(engine_.Progress());
}

void CloneDriver::Stop() {
    sendTimer_.stop();
    receiveTimer_.stop();
}

void CloneDriver::OnSendTick() {
    sendTimer_.stop();
    const CloneStep step = engine_.SendTick();
    emit progressChanged(engine_.Progress());
    // Stale bytes are dropped before the frame goes out, not after: a fast radio may already be
    // answering by the time the write returns, and its reply must not be thrown away.
    if (step.discardInput) line_.DiscardInput();
    if (!step.frame.isEmpty() && !line_.Write(step.frame)) {
        Apply(engine_.PortFailed());
        return;
    }
    Apply(step);
}

void CloneDriver::OnReceiveTick() {
    receiveTimer_.stop();
    const QByteArray received = line_.TakeAll();
    if (line_.HasFailed() && engine_.CurrentRow() != kEndRow) {
        Apply(engine_.PortFailed());
        return;
    }
    Apply(engine_.ReceiveTick(received));
}

void CloneDriver::Apply(const CloneStep& step) {
    switch (step.arm) {
        case CloneTimer::Send:
            sendTimer_.start(step.periodMs);
            break;
        case CloneTimer::Receive:
            receiveTimer_.start(step.periodMs);
            break;
        case CloneTimer::None:
            break;
    }
    if (step.outcome == CloneOutcome::Completed) emit completed();
    if (step.outcome == CloneOutcome::Failed) emit failed();
}

}  // namespace qv
