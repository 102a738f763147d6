#include "platform/cable_finder.h"

#include <algorithm>

namespace qv {

namespace {

QSet<QString> LocationsOf(const QList<SerialDeviceInfo>& devices) {
    QSet<QString> locations;
    for (const SerialDeviceInfo& device : devices) locations.insert(device.systemLocation);
    return locations;
}

}  // namespace

CableFinder::CableFinder(const PortEnumerator& enumerator, QObject* parent)
    : QObject(parent), enumerator_(enumerator), timer_(this) {
    setObjectName("CableFinder");
    timer_.setObjectName("TmrFindCable");
    timer_.setInterval(kPollMs);
    connect(&timer_, &QTimer::timeout, this, &CableFinder::Poll);
}

void CableFinder::Start() {
    known_ = LocationsOf(enumerator_.AvailablePorts());
    polls_ = 0;
    timer_.start();
    emit watching(RemainingMs());
}

void CableFinder::Stop() {
    timer_.stop();
}

void CableFinder::Poll() {
    if (!Watching()) return;
    const QList<SerialDeviceInfo> present = enumerator_.AvailablePorts();
    QList<SerialDeviceInfo> fresh;
    for (const SerialDeviceInfo& device : present) {
        if (!known_.contains(device.systemLocation)) fresh << device;
    }
    known_ = LocationsOf(present);
    if (!fresh.isEmpty()) {
        // Should two appear at once, a USB adapter is the likelier cable.
        const auto cable = std::find_if(fresh.begin(), fresh.end(),
                                        [](const SerialDeviceInfo& d) { return d.IsUsb(); });
        Stop();
        emit appeared(cable != fresh.end() ? *cable : fresh.first());
        return;
    }
    ++polls_;
    if (RemainingMs() <= 0) {
        Stop();
        emit nothingAppeared();
        return;
    }
    emit watching(RemainingMs());
}

}  // namespace qv
