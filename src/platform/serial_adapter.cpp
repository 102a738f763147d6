#include "platform/serial_adapter.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace qv {

namespace {

class QtSerialAdapter : public SerialAdapter {
public:
    bool Open(const QString& device, qint64 readBufferBytes) override {
        port_.setPortName(device);
        port_.setReadBufferSize(readBufferBytes);
        port_.clearError();
        return port_.open(QIODevice::ReadWrite);
    }
    bool Configure(const SerialSettings& settings) override {
        return port_.setBaudRate(settings.baudRate) && port_.setParity(settings.parity) &&
               port_.setDataBits(settings.dataBits) && port_.setStopBits(settings.stopBits) &&
               port_.setFlowControl(QSerialPort::NoFlowControl);
    }
    bool SetRequestToSend(bool set) override { return port_.setRequestToSend(set); }
    void Clear(QSerialPort::Directions directions) override {
        port_.clear(directions);
        if (directions & QSerialPort::Input) port_.readAll();
    }
    void Close() override {
        if (port_.isOpen()) port_.close();
    }
    bool IsOpen() const override { return port_.isOpen(); }

    qint64 Write(const QByteArray& bytes) override {
        const qint64 queued = port_.write(bytes);
        // Pass the bytes on now rather than at the next turn of the event loop.
        if (queued > 0) port_.flush();
        return queued;
    }
    qint64 BytesToWrite() const override { return port_.bytesToWrite(); }
    bool WaitForBytesWritten(int msecs) override { return port_.waitForBytesWritten(msecs); }
    QByteArray ReadAvailable() override {
        port_.waitForReadyRead(0);
        if (port_.error() == QSerialPort::TimeoutError) port_.clearError();
        return port_.readAll();
    }

    QSerialPort::SerialPortError Error() const override { return port_.error(); }
    QString ErrorString() const override { return port_.errorString(); }
    void ClearError() override { port_.clearError(); }

    DeviceState Inspect(const QString& device) const override { return InspectDevice(device); }

private:
    QSerialPort port_;
};

}  // namespace

std::unique_ptr<SerialAdapter> MakeSystemSerialAdapter() {
    return std::make_unique<QtSerialAdapter>();
}

DeviceState InspectDevice(const QString& device) {
    DeviceState state;
    if (device.isEmpty()) return state;
#ifdef Q_OS_UNIX
    const QFileInfo info(device);
    state.exists = info.exists();
    if (!state.exists) return state;
    state.accessible = ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
    state.owner = info.owner();
    state.group = info.group();
    state.groupMayReadWrite = info.permissions().testFlags(QFile::ReadGroup | QFile::WriteGroup);
#else
    // A Windows port name is no file; whether it opens says all there is to know.
    state.exists = true;
    state.accessible = true;
#endif
    return state;
}

}  // namespace qv
