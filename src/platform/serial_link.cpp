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

SerialLink::SerialLink(const UiTexts& texts, std::unique_ptr<SerialAdapter> adapter)
    : port_(adapter ? std::move(adapter) : MakeSystemSerialAdapter()), texts_(texts) {}

SerialLink::~SerialLink() {
    Close();
}

bool SerialLink::Failed(const QString& text) {
    errorText_ = text;
    const QSerialPort::SerialPortError error = port_->Error();
    port_->Close();
    const DeviceState state = port_->Inspect(device_);
    openError_ = {ClassifyOpenFailure(device_, error, state), device_, text, state};
    return false;
}

bool SerialLink::Open(const QString& device, const QString& settingsText, int receiveBufferBytes,
                      bool raiseRequestToSend) {
    Close();
    errorText_.clear();
    openError_ = {};
    device_ = device;
    if (device.isEmpty()) {
        return Failed(texts_.UiText("SerialLink", "There is no serial device for this port."));
    }
    const auto settings = ParseSerialSettings(settingsText);
    if (!settings) {
        const QString text =
            texts_.UiText("SerialLink", "Invalid port settings: %1").arg(settingsText);
        Failed(text);
        openError_.problem = PortProblem::Other;
        return false;
    }
    if (!port_->Open(device, receiveBufferBytes)) return Failed(port_->ErrorString());
    if (!port_->Configure(*settings)) return Failed(port_->ErrorString());
    port_->Clear(QSerialPort::AllDirections);
    if (raiseRequestToSend && !port_->SetRequestToSend(true)) {
        if (port_->Error() != QSerialPort::UnsupportedOperationError) {
            return Failed(port_->ErrorString());
        }
    }
    port_->ClearError();
    return true;
}

void SerialLink::Close() {
    port_->Close();
}

bool SerialLink::IsOpen() const {
    return port_->IsOpen();
}

bool SerialLink::Write(const QByteArray& bytes) {
    // A failed write leaves the port open: the transfer may be retried on it.
    const bool written = port_->IsOpen() && port_->Write(bytes) == bytes.size() && !HasFailed();
    if (!written) errorText_ = port_->ErrorString();
    return written;
}

bool SerialLink::WaitWritten(int msecs) {
    if (port_->BytesToWrite() == 0) return true;
    return port_->WaitForBytesWritten(msecs);
}

QByteArray SerialLink::TakeAll() {
    if (!port_->IsOpen()) return {};
    return port_->ReadAvailable();
}

void SerialLink::DiscardInput() {
    if (!port_->IsOpen()) return;
    port_->Clear(QSerialPort::Input);
}

bool SerialLink::HasFailed() const {
    const auto error = port_->Error();
    return error != QSerialPort::NoError && error != QSerialPort::TimeoutError &&
           error != QSerialPort::UnsupportedOperationError;
}

PortError SerialLink::LastError() const {
    if (openError_.Failed()) return openError_;
    if (!HasFailed()) return {};
    const DeviceState state = port_->Inspect(device_);
    return {ClassifyTransferFailure(port_->Error(), state), device_, port_->ErrorString(), state};
}

}  // namespace qv
