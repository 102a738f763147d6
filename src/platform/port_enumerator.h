// The serial devices the system has now, as QSerialPortInfo reports them, behind an interface so
// a test can make devices appear and vanish without a cable.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace qv {

// One serial device and what the system says of it. The USB fields stay empty for a port that
// is not a USB adapter (or whose driver does not say).
struct SerialDeviceInfo {
    QString portName;        // "ttyUSB0", "COM3"
    QString systemLocation;  // "/dev/ttyUSB0", "\\.\COM3"
    QString description;     // the product as the system names it: "USB2.0-Serial"
    QString manufacturer;    // "QinHeng Electronics"
    QString serialNumber;
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;

    bool IsUsb() const { return vendorId.has_value() && productId.has_value(); }
    bool operator==(const SerialDeviceInfo&) const = default;
};

class PortEnumerator {
public:
    virtual ~PortEnumerator() = default;
    // Every serial device present at this moment, in no particular order.
    virtual QList<SerialDeviceInfo> AvailablePorts() const = 0;
};

// The system's own list (QSerialPortInfo::availablePorts()).
class SystemPortEnumerator : public PortEnumerator {
public:
    QList<SerialDeviceInfo> AvailablePorts() const override;
    // One shared instance: it holds no state.
    static const SystemPortEnumerator& Instance();
};

}  // namespace qv
