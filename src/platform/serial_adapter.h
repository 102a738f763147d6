// The serial port as the link uses it, behind an interface: the program opens real devices with
// Qt Serial Port; a test puts in an adapter that fails the way the system would (permission
// denied, port busy, device gone) without any such device.
#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>
#include <functional>
#include <memory>

namespace qv {

struct SerialSettings {
    qint32 baudRate = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

// What the file system says of a device: whether it is there, whether this user may open it,
// and who owns it (the group a user joins to get at it).
struct DeviceState {
    bool exists = false;
    bool accessible = false;  // this user may read and write it
    QString owner;
    QString group;
    bool groupMayReadWrite = false;
};

class SerialAdapter {
public:
    virtual ~SerialAdapter() = default;

    // Opens `device` for reading and writing, with a receive buffer of `readBufferBytes` (0 for
    // no limit). On failure Error() and ErrorString() say why.
    virtual bool Open(const QString& device, qint64 readBufferBytes) = 0;
    virtual bool Configure(const SerialSettings& settings) = 0;  // no flow control
    virtual bool SetRequestToSend(bool set) = 0;
    virtual void Clear(QSerialPort::Directions directions) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Queues the bytes and passes them on to the device at once; the number queued, or -1.
    virtual qint64 Write(const QByteArray& bytes) = 0;
    virtual qint64 BytesToWrite() const = 0;
    virtual bool WaitForBytesWritten(int msecs) = 0;
    // Every byte the device holds now, taken in even when the event loop has not looked yet.
    virtual QByteArray ReadAvailable() = 0;

    virtual QSerialPort::SerialPortError Error() const = 0;
    virtual QString ErrorString() const = 0;
    virtual void ClearError() = 0;

    // The device as the file system sees it now.
    virtual DeviceState Inspect(const QString& device) const = 0;
};

using SerialAdapterFactory = std::function<std::unique_ptr<SerialAdapter>()>;

// The real port: Qt Serial Port over the system's device.
std::unique_ptr<SerialAdapter> MakeSystemSerialAdapter();

// The device's state as the file system sees it (also for a device no adapter has opened).
DeviceState InspectDevice(const QString& device);

}  // namespace qv
