// frmClone: the modal dialog that reads the image from the radio or writes it to the radio. The
// caller sets the rows and the mode, shows it with exec() and the user starts with OK; the
// transfer runs as a chain of TmrSend / TmrReceive ticks, so Cancel works at any moment.
#pragma once

#include <QDialog>

#include "data/radio_image.h"
#include "link/driver/clone_driver.h"
#include "platform/serial_link.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace qv {

class AppContext;

class FrmClone : public QDialog {
    Q_OBJECT
    Q_PROPERTY(int FirstRow READ FirstRow WRITE SetFirstRow)
    Q_PROPERTY(int LastRow READ LastRow WRITE SetLastRow)
    Q_PROPERTY(int CloneMode READ CloneModeNumber WRITE SetCloneModeNumber)
    Q_PROPERTY(int RecvInterval READ RecvInterval WRITE SetRecvInterval)
    Q_PROPERTY(int RecvLimit READ RecvLimit WRITE SetRecvLimit)
    Q_PROPERTY(bool Finished READ Finished)

public:
    // The port, its device and the receive timing come from `context`.
    FrmClone(RadioData& data, AppContext& context, QWidget* parent = nullptr);

    int FirstRow() const { return driver_->engine().FirstRow; }
    void SetFirstRow(int row) { driver_->engine().FirstRow = static_cast<std::int16_t>(row); }
    int LastRow() const { return driver_->engine().LastRow; }
    void SetLastRow(int row) { driver_->engine().LastRow = static_cast<std::int16_t>(row); }
    qv::CloneMode CloneMode() const { return driver_->engine().CloneMode; }
    void SetCloneMode(qv::CloneMode mode) { driver_->engine().CloneMode = mode; }
    // The property's number: 1 reads, any other number writes.
    int CloneModeNumber() const { return int(CloneMode()); }
    void SetCloneModeNumber(int mode) {
        SetCloneMode(mode == int(qv::CloneMode::Read) ? qv::CloneMode::Read : qv::CloneMode::Write);
    }
    int RecvInterval() const { return driver_->engine().RecvInterval; }
    void SetRecvInterval(int ms) { driver_->engine().RecvInterval = static_cast<std::int16_t>(ms); }
    int RecvLimit() const { return driver_->engine().RecvLimit; }
    void SetRecvLimit(int polls) { driver_->engine().RecvLimit = static_cast<std::int16_t>(polls); }
    bool Finished() const { return driver_->engine().Finished(); }

    // The waiting state: title, captions and "Press [OK] to Begin" in the current language,
    // progress 0, OK enabled. Runs whenever the dialog is shown.
    void Display();
    // OK: opens port ComPort and begins the transfer.
    void Start();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Opens port ComPort; on failure tells the user why and what to do, and returns false.
    bool OpenPort();
    void OnCompleted();
    void OnFailed();
    void OnProgress(double percent);
    bool Reading() const { return CloneMode() == qv::CloneMode::Read; }

    AppContext& context_;
    QTimer* TmrSend;
    QTimer* TmrReceive;
    QLabel* Label1;
    QProgressBar* Prg1;
    QPushButton* Command1;
    QPushButton* Command2;
    SerialLink port_;  // opened by OK, closed when the dialog closes
    CloneDriver* driver_;
};

}  // namespace qv
