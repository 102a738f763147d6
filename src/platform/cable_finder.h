// Find My Cable: the user plugs the cable in while the finder watches the system's serial
// devices for a few seconds, and the device that appears is the cable.
#pragma once

#include <QObject>
#include <QSet>
#include <QTimer>

#include "platform/port_enumerator.h"

namespace qv {

class CableFinder : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 250;
    static constexpr int kWatchMs = 10000;

    explicit CableFinder(const PortEnumerator& enumerator, QObject* parent = nullptr);

    // Notes the devices present now and starts watching.
    void Start();
    void Stop();
    bool Watching() const { return timer_.isActive(); }
    // Milliseconds of watching left.
    int RemainingMs() const { return kWatchMs - polls_ * kPollMs; }

    // One look at the system, made by the timer every kPollMs. A device that was not there at
    // the previous look has appeared, so unplugging and plugging in again after Start counts too.
    void Poll();

signals:
    void appeared(const qv::SerialDeviceInfo& device);
    void nothingAppeared();
    void watching(int remainingMs);

private:
    const PortEnumerator& enumerator_;
    QTimer timer_;
    QSet<QString> known_;
    int polls_ = 0;
};

}  // namespace qv
