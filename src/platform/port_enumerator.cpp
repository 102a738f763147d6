#include "platform/port_enumerator.h"

#include <QSerialPortInfo>

namespace qv {

QList<SerialDeviceInfo> SystemPortEnumerator::AvailablePorts() const {
    QList<SerialDeviceInfo> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialDeviceInfo device{info.portName(),
                                info.systemLocation(),
                                info.description(),
                                info.manufacturer(),
                                info.serialNumber(),
                                {},
                                {}};
        if (info.hasVendorIdentifier()) device.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier()) device.productId = info.productIdentifier();
        devices << device;
    }
    return devices;
}

const SystemPortEnumerator& SystemPortEnumerator::Instance() {
    static const SystemPortEnumerator instance;
    return instance;
}

}  // namespace qv
