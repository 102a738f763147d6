// The machine's serial ports as a test wants them: a list of devices it changes at will, and a
// port that fails the way the system fails (permission denied, busy, gone mid-transfer, missing).
#pragma once

#include <memory>

#include "platform/port_enumerator.h"
#include "platform/serial_adapter.h"

namespace qv::test {

class FakePortEnumerator : public PortEnumerator {
public:
    QList<SerialDeviceInfo> devices;
    QList<SerialDeviceInfo> AvailablePorts() const override { return devices; }
};

// A USB adapter as the system lists it.
inline SerialDeviceInfo UsbDevice(const QString& name, const QString& product, quint16 vendor,
                                  quint16 productId, const QString& maker = {},
                                  const QString& serial = {}) {
    return {name, "/dev/" + name, product, maker, serial, vendor, productId};
}

// How the injected port fails: when opened, or under a transfer at its first write.
struct PortFault {
    enum class When { Open, Transfer };
    When when = When::Open;
    QSerialPort::SerialPortError error = QSerialPort::NoError;
    QString systemText;
    DeviceState state;  // the device as the file system shows it after the failure
};

// The faults a user meets with a real cable on Linux, as Qt reports them.
inline PortFault PermissionFault() {
    return {PortFault::When::Open, QSerialPort::PermissionError, "Permission denied",
            DeviceState{true, false, "root", "dialout", true}};
}
inline PortFault BusyFault() {
    return {PortFault::When::Open, QSerialPort::PermissionError,
            "Permission error while locking the device",
            DeviceState{true, true, "root", "dialout", true}};
}
inline PortFault MissingFault() {
    return {PortFault::When::Open, QSerialPort::DeviceNotFoundError, "No such file or directory",
            DeviceState{}};
}
inline PortFault VanishedFault() {
    return {PortFault::When::Transfer, QSerialPort::ResourceError, "Input/output error",
            DeviceState{}};
}

class FaultySerialAdapter : public SerialAdapter {
public:
    explicit FaultySerialAdapter(PortFault fault) : fault_(std::move(fault)) {}

    // After a transfer fault the cable stays out: opening again finds no device.
    bool Open(const QString&, qint64) override {
        if (fault_.when == PortFault::When::Open || failed_) {
            error_ = failed_ ? QSerialPort::DeviceNotFoundError : fault_.error;
            text_ = failed_ ? QString("No such file or directory") : fault_.systemText;
            return false;
        }
        open_ = true;
        return true;
    }
    bool Configure(const SerialSettings&) override { return true; }
    bool SetRequestToSend(bool) override { return true; }
    void Clear(QSerialPort::Directions) override {}
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    qint64 Write(const QByteArray& bytes) override {
        failed_ = true;
        error_ = fault_.error;
        text_ = fault_.systemText;
        return bytes.size();
    }
    qint64 BytesToWrite() const override { return 0; }
    bool WaitForBytesWritten(int) override { return true; }
    QByteArray ReadAvailable() override { return {}; }
    QSerialPort::SerialPortError Error() const override { return error_; }
    QString ErrorString() const override { return text_; }
    void ClearError() override {
        error_ = QSerialPort::NoError;
        text_.clear();
    }
    DeviceState Inspect(const QString&) const override {
        return error_ == QSerialPort::NoError ? DeviceState{true, true, {}, {}, false}
                                              : fault_.state;
    }

private:
    PortFault fault_;
    bool open_ = false;
    bool failed_ = false;
    QSerialPort::SerialPortError error_ = QSerialPort::NoError;
    QString text_;
};

}  // namespace qv::test
