#include "platform/serial_link.h"

#include "language/ui_language.h"

namespace qv {

namespace {

std::optional<QSerialPort::Parity> ParityOf(const QString& letter) {
    const QString upper = letter.trimmed().toUpper();
    if (upper == "N") return QSerialPort::NoParity;
    if (upper == "E") return QSerialPort::EvenParity;
    if (upper == "O") return QSerialPort::OddParity;
    if (upper == "M") return QSerialPort::MarkParity;
    if (upper == "S") return QSerialPort::SpaceParity;
    return std::nullopt;
}

}  // namespace

std::optional<SerialSettings> ParseSerialSettings(const QString& text) {
    const QStringList parts = text.split(',');
    if (parts.size() != 4) return std::nullopt;
    SerialSettings settings;
    bool ok = false;
    settings.baudRate = parts[0].trimmed().toInt(&ok);
    if (!ok || settings.baudRate <= 0) return std::nullopt;
    const auto parity = ParityOf(parts[1]);
    if (!parity) return std::nullopt;
    settings.parity = *parity;
    const int dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || dataBits < 5 || dataBits > 8) return std::nullopt;
    settings.dataBits = static_cast<QSerialPort::DataBits>(dataBits);
    const QString stop = parts[3].trimmed();
    if (stop == "1") {
        settings.stopBits = QSerialPort::OneStop;
    } else if (stop == "1.5") {
        settings.stopBits = QSerialPort::OneAndHalfStop;
    } else if (stop == "2") {
        settings.stopBits = QSerialPort::TwoStop;
    } else {
        return std::nullopt;
    }
    return settings;
}

SerialLink::SerialLink(const UiTexts& texts) : texts_(texts) {}

SerialLink::~SerialLink() {
    Close();
}

bool SerialLink::Failed(const QString& text) {
    errorText_ = text;
    if (port_.isOpen()) port_.close();
    return false;
}

bool SerialLink::Open(const QString& device, const QString& settingsText, int receiveBufferBytes,
                      bool raiseRequestToSend) {
    Close();
    errorText_.clear();
    if (device.isEmpty()) {
        return Failed(texts_.UiText("SerialLink", "There is no serial device for this port."));
    }
    const auto settings = ParseSerialSettings(settingsText);
    if (!settings) {
        return Failed(texts_.UiText("SerialLink", "Invalid port settings: %1").arg(settingsText));
    }
    port_.setPortName(device);
    port_.setReadBufferSize(receiveBufferBytes);
    port_.clearError();
    if (!port_.open(QIODevice::ReadWrite)) return Failed(port_.errorString());
    if (!port_.setBaudRate(settings->baudRate) || !port_.setParity(settings->parity) ||
        !port_.setDataBits(settings->dataBits) || !port_.setStopBits(settings->stopBits) ||
        !port_.setFlowControl(QSerialPort::NoFlowControl)) {
        return Failed(port_.errorString());
    }
    port_.clear(QSerialPort::AllDirections);
    if (raiseRequestToSend && !port_.setRequestToSend(true)) {
        if (port_.error() != QSerialPort::UnsupportedOperationError) {
            return Failed(port_.errorString());
        }
    }
    port_.clearError();
    return true;
}

void SerialLink::Close() {
    if (port_.isOpen()) port_.close();
}

bool SerialLink::IsOpen() const {
    return port_.isOpen();
}

bool SerialLink::Write(const QByteArray& bytes) {
    // A failed write leaves the port open: the transfer may be retried on it.
    bool written = port_.isOpen() && port_.write(bytes) == bytes.size();
    // Pass the bytes on now rather than at the next turn of the event loop.
    if (written) port_.flush();
    written = written && !HasFailed();
    if (!written) errorText_ = port_.errorString();
    return written;
}

bool SerialLink::WaitWritten(int msecs) {
    if (port_.bytesToWrite() == 0) return true;
    return port_.waitForBytesWritten(msecs);
}

QByteArray SerialLink::TakeAll() {
    if (!port_.isOpen()) return {};
    // Take in what the device holds even when the event loop has not yet looked.
    port_.waitForReadyRead(0);
    if (port_.error() == QSerialPort::TimeoutError) port_.clearError();
    return port_.readAll();
}

void SerialLink::DiscardInput() {
    if (!port_.isOpen()) return;
    port_.clear(QSerialPort::Input);
    port_.readAll();
}

bool SerialLink::HasFailed() const {
    const auto error = port_.error();
    return error != QSerialPort::NoError && error != QSerialPort::TimeoutError &&
           error != QSerialPort::UnsupportedOperationError;
}

}  // namespace qv
