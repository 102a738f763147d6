// frmClone: the modal dialog that reads the image from the radio or writes it to the radio. The
// caller sets the rows and the mode, shows it with exec() and the user starts with OK; the
// transfer runs as a chain of TmrSend / TmrReceive ticks, so Cancel works at any moment.
// Every complete read is kept as a backup. A write first reads the radio and keeps that as a
// backup, then writes, then reads the radio back and compares (each step can be turned off with
// its check box, remembered in the settings store); after a good write the same data can go onto
// the next radio on the open port.
#pragma once

#include <QDialog>

#include "data/radio_image.h"
#include "link/link_timing.h"
#include "link_driver/clone_driver.h"
#include "link_driver/write_sequence.h"
#include "link_driver/write_texts.h"
#include "platform/serial_link.h"

class QCheckBox;
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
    // The receive timing and the pause between sessions come from `timing` (Radio.INI's, read
    // by the main window; the defaults for a test that gives none).
    FrmClone(RadioData& data, AppContext& context, const LinkTiming& timing = {},
             QWidget* parent = nullptr);

    int FirstRow() const { return firstRow_; }
    void SetFirstRow(int row) { firstRow_ = static_cast<std::int16_t>(row); }
    int LastRow() const { return lastRow_; }
    void SetLastRow(int row) { lastRow_ = static_cast<std::int16_t>(row); }
    qv::CloneMode CloneMode() const { return mode_; }
    void SetCloneMode(qv::CloneMode mode) { mode_ = mode; }
    // The property's number: 1 reads, any other number writes.
    int CloneModeNumber() const { return int(CloneMode()); }
    void SetCloneModeNumber(int mode) {
        SetCloneMode(mode == int(qv::CloneMode::Read) ? qv::CloneMode::Read : qv::CloneMode::Write);
    }
    int RecvInterval() const { return driver_->engine().Timing.RecvInterval; }
    void SetRecvInterval(int ms) {
        driver_->engine().Timing.RecvInterval = static_cast<std::int16_t>(ms);
    }
    int RecvLimit() const { return driver_->engine().Timing.RecvLimit; }
    void SetRecvLimit(int polls) {
        driver_->engine().Timing.RecvLimit = static_cast<std::int16_t>(polls);
    }
    bool Finished() const { return driver_->engine().Finished(); }

    // The waiting state: title, captions and "Press [OK] to Begin" in the current language,
    // progress 0, OK enabled. Runs whenever the dialog is shown.
    void Display();
    // OK: opens port ComPort and begins the transfer.
    void Start();

    // Where backups go: the user's backups folder unless a test says otherwise.
    void SetBackupFolder(const QString& folder) { backupFolder_ = folder; }
    const QString& BackupFolder() const { return backupFolder_; }
    // The backup of the last complete read, or of the last radio before its write ("" if none).
    const QString& LastBackupPath() const { return lastBackupPath_; }
    // The radios of the write that ran last, by their order.
    const RadioTally& Tally() const { return tally_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Opens port ComPort; on failure tells the user why and what to do, and returns false.
    bool OpenPort();
    void OnCompleted();
    void OnFailed();
    // When the port itself failed: closes it and gives the lines that name it and say what to do
    // (beginning with a line break), else "".
    QString PortFailureText(const PortError& portError);
    void OnProgress(double percent);
    void StartRadio();
    void OnStepStarted(RadioStep step);
    void OnWriteFinished(WriteVerdict verdict);
    // After the user gave up on a radio: the tally when several radios were written, then close.
    void EndRun();
    void RememberChoices();
    bool Reading() const { return CloneMode() == qv::CloneMode::Read; }

    RadioData& data_;
    AppContext& context_;
    // Set by the caller before every transfer. A write runs its own sessions (backup, write,
    // read-back) through the same engine, so the dialog keeps them rather than the engine.
    std::int16_t firstRow_ = kReadFirstRow;
    std::int16_t lastRow_ = kReadLastRow;
    qv::CloneMode mode_ = qv::CloneMode::Read;
    QTimer* sendTimer_;       // TmrSend
    QTimer* receiveTimer_;    // TmrReceive
    QLabel* status_;          // Label1
    QProgressBar* progress_;  // Prg1
    QCheckBox* backupFirst_;  // ChkBackup, "Back up the radio first"
    QCheckBox* verifyAfter_;  // ChkVerify, "Verify after writing"
    QPushButton* ok_;         // Command1
    QPushButton* cancel_;     // Command2
    SerialLink port_;         // opened by OK, closed when the dialog closes
    CloneDriver* driver_;
    WriteSequence* sequence_;
    RadioTally tally_;
    QString backupFolder_;
    QString lastBackupPath_;
};

}  // namespace qv
