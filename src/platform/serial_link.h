// The serial line to the radio over Qt Serial Port: open a device with a settings text such as
// "9600,N,8,1", raw bytes in and out, RTS raised, received bytes counted and taken, pending bytes
// discarded, and every failure reported with the platform's own description.
#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>
#include <optional>

#include "language/ui_language.h"
#include "platform/byte_channel.h"

namespace qv {

struct SerialSettings {
    qint32 baudRate = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

// "baud,parity,data bits,stop bits" with parity N, E, O, M or S and stop bits 1, 1.5 or 2.
std::optional<SerialSettings> ParseSerialSettings(const QString& text);

// The line the clone dialog uses, and the port test's.
inline QString CloneLineSettings() {
    return QStringLiteral("9600,N,8,1");
}
inline QString PortTestLineSettings() {
    return QStringLiteral("19200,N,8,1");
}
constexpr int kCloneReceiveBufferBytes = 1024;
constexpr int kCloneTransmitBufferBytes = 512;  // no frame comes near it

class SerialLink : public ByteChannel {
public:
    // Its own failures are described in the language of `texts`, kept by reference so that a
    // language switch reaches a link that lives as long as its window.
    explicit SerialLink(const UiTexts& texts);
    explicit SerialLink(UiTexts&& texts) = delete;
    ~SerialLink() override;
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Opens `device` with `settings`, discards whatever is pending and, for cloning, raises RTS.
    // A device without modem-control lines (a pseudo-terminal, some adapters) answers that RTS
    // is unsupported; that is no failure. On failure the port is closed and ErrorText() says why.
    bool Open(const QString& device, const QString& settings, int receiveBufferBytes = 0,
              bool raiseRequestToSend = true);
    void Close();
    bool IsOpen() const;

    // Hands the bytes to the device. False when the device refused them.
    bool Write(const QByteArray& bytes) override;
    // Waits until the bytes written have left for the device, at most `msecs`.
    bool WaitWritten(int msecs);
    // Every byte received and not yet taken (possibly none).
    QByteArray TakeAll() override;
    // Drops every received byte not yet taken.
    void DiscardInput() override;

    // True once the port reported an error since it was opened.
    bool HasFailed() const override;
    QString ErrorText() const { return errorText_; }

    QSerialPort& port() { return port_; }

private:
    bool Failed(const QString& text);

    QSerialPort port_;
    const UiTexts& texts_;
    QString errorText_;
};

}  // namespace qv
