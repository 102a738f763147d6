// The serial line to the radio over Qt Serial Port: open a device with a settings text such as
// "9600,N,8,1", raw bytes in and out, RTS raised, received bytes counted and taken, pending bytes
// discarded, and every failure reported with the platform's own description.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

#include "language/ui_language.h"
#include "platform/byte_channel.h"
#include "platform/port_error.h"
#include "platform/serial_adapter.h"

namespace qv {

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
    // language switch reaches a link that lives as long as its window. The port is the system's
    // unless `adapter` gives another.
    explicit SerialLink(const UiTexts& texts, std::unique_ptr<SerialAdapter> adapter = nullptr);
    SerialLink(UiTexts&& texts, std::unique_ptr<SerialAdapter> adapter = nullptr) = delete;
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
    // Why the last Open failed, or why the open port failed since: the case, the device and the
    // system's text. PortProblem::None while all is well.
    PortError LastError() const;
    // The device last opened or tried.
    const QString& Device() const { return device_; }

private:
    bool Failed(const QString& text);

    std::unique_ptr<SerialAdapter> port_;
    const UiTexts& texts_;
    QString device_;
    QString errorText_;
    PortError openError_;
};

}  // namespace qv
