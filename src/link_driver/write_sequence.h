// One radio written as the user asked for it: first a read of what it holds, kept as a backup,
// then the write, then a read of what it now holds, compared with what was sent. The protocol has
// no checksum, so reading back is the only way to know that the radio stored every byte. Between
// two sessions the radio is given SessionGap ms to leave its clone mode.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "data/radio_image.h"
#include "link_driver/clone_driver.h"

namespace qv {

enum class RadioStep { Backup, Write, Verify };

enum class WriteVerdict {
    Written,         // written; no read-back was asked for
    Verified,        // written, read back and the same
    Differs,         // written, but the radio holds other data than was sent
    NotVerified,     // written, but the read-back failed: nobody knows what the radio holds
    BackupFailed,    // the backup read failed: nothing was written
    BackupNotSaved,  // the backup could not be saved: nothing was written
    WriteFailed,     // the write failed part way: the radio may hold part of the data
};

// Whether the radio now holds what was sent, as far as anyone can tell.
inline bool Succeeded(WriteVerdict verdict) {
    return verdict == WriteVerdict::Written || verdict == WriteVerdict::Verified;
}

struct WriteOptions {
    bool backupFirst = true;
    bool verify = true;
    int sessionGapMs = 500;
    QString backupFolder;  // where the backup is saved
};

// The rows a write sends and a read-back compares: 1-26 and their copy in 38-63.
bool WrittenRowsEqual(const RadioImage& a, const RadioImage& b);

class WriteSequence : public QObject {
    Q_OBJECT
public:
    // Uses the driver's engine and timers for every session; the line stays open throughout.
    explicit WriteSequence(CloneDriver& driver, QObject* parent = nullptr);

    // Starts with the backup (when asked for) or the write. `plan` is the image prepared for
    // writing; it is copied.
    void Start(const RadioImage& plan, const WriteOptions& options);
    // After a failure: the backup again (BackupFailed, BackupNotSaved), the write and its check
    // again (WriteFailed, Differs), or only the read-back again (NotVerified).
    void Retry();
    // Stops every session and timer; nothing more is sent.
    void Stop();
    bool Running() const { return running_; }

    RadioStep Step() const { return step_; }
    WriteVerdict Verdict() const { return verdict_; }
    // What the radio held before the write (rows 1-26 from the radio, the rest from the plan).
    bool HasBackup() const { return hasBackup_; }
    const RadioImage& Backup() const { return backup_; }
    const QString& BackupPath() const { return backupPath_; }
    QString BackupError() const { return backupError_; }
    // The plan with the written rows as the read-back found them.
    const RadioImage& ReadBack() const { return readBack_; }
    const RadioImage& Plan() const { return plan_; }

signals:
    void stepStarted(qv::RadioStep step);
    void progressChanged(double percent);  // of the current step
    void finished(qv::WriteVerdict verdict);

private:
    void RunBackup();
    void RunWrite();
    void RunVerify();
    // The next step once the radio had SessionGap ms to leave its clone mode.
    void AfterGap(RadioStep next);
    void Begin(RadioStep step, RadioImage& image, CloneMode mode, std::int16_t lastRow);
    void OnCompleted();
    void OnFailed();
    void Finish(WriteVerdict verdict);

    CloneDriver& driver_;
    QTimer gap_;
    RadioStep afterGap_ = RadioStep::Write;
    WriteOptions options_;
    RadioImage plan_;
    RadioImage work_;  // what the write sends (the engine keeps a reference)
    RadioImage backup_;
    RadioImage readBack_;
    bool hasBackup_ = false;
    QString backupPath_;
    QString backupError_;
    RadioStep step_ = RadioStep::Write;
    WriteVerdict verdict_ = WriteVerdict::Written;
    bool running_ = false;
};

}  // namespace qv
