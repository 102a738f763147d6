#include "link_driver/write_sequence.h"

#include <algorithm>

#include "link/clone.h"
#include "link_driver/radio_backups.h"

namespace qv {

namespace {

bool RowsEqual(const RadioImage& a, const RadioImage& b, int first, int last) {
    return std::equal(a.data() + first * kRowSize, a.data() + (last + 1) * kRowSize,
                      b.data() + first * kRowSize);
}

}  // namespace

bool WrittenRowsEqual(const RadioImage& a, const RadioImage& b) {
    return RowsEqual(a, b, kSettingsFirstRow, kSettingsLastRow) &&
           RowsEqual(a, b, kSettingsCopyFirstRow, kWriteLastRow);
}

WriteSequence::WriteSequence(CloneDriver& driver, QObject* parent)
    : QObject(parent), driver_(driver) {
    gap_.setSingleShot(true);
    gap_.setTimerType(Qt::PreciseTimer);
    connect(&gap_, &QTimer::timeout, this, [this] {
        if (!running_) return;
        if (afterGap_ == RadioStep::Write) {
            RunWrite();
        } else {
            RunVerify();
        }
    });
    connect(&driver_, &CloneDriver::completed, this, &WriteSequence::OnCompleted);
    connect(&driver_, &CloneDriver::failed, this, &WriteSequence::OnFailed);
    connect(&driver_, &CloneDriver::progressChanged, this, [this](double percent) {
        if (running_) emit progressChanged(percent);
    });
}

void WriteSequence::Start(const RadioImage& plan, const WriteOptions& options) {
    plan_ = plan;
    options_ = options;
    hasBackup_ = false;
    backupPath_.clear();
    backupError_.clear();
    if (options_.backupFirst) {
        RunBackup();
    } else {
        RunWrite();
    }
}

void WriteSequence::Retry() {
    switch (verdict_) {
        case WriteVerdict::BackupFailed:
        case WriteVerdict::BackupNotSaved:
            RunBackup();
            break;
        case WriteVerdict::NotVerified:
            RunVerify();
            break;
        default:
            RunWrite();
            break;
    }
}

void WriteSequence::Stop() {
    running_ = false;
    gap_.stop();
    driver_.Stop();
}

void WriteSequence::Begin(RadioStep step, RadioImage& image, CloneMode mode, std::int16_t lastRow) {
    running_ = true;
    step_ = step;
    CloneEngine& engine = driver_.engine();
    engine.SetImage(image);
    engine.CloneMode = mode;
    engine.FirstRow = kSettingsFirstRow;
    engine.LastRow = lastRow;
    emit stepStarted(step);
    driver_.Begin();
}

void WriteSequence::RunBackup() {
    // Rows 1-26 as a Read fetches them; the rest of the backup is the plan's, so the backup
    // differs from the plan only where the radio does.
    backup_ = plan_;
    Begin(RadioStep::Backup, backup_, CloneMode::Read, kReadLastRow);
}

void WriteSequence::RunWrite() {
    work_ = plan_;
    Begin(RadioStep::Write, work_, CloneMode::Write, kWriteLastRow);
}

void WriteSequence::RunVerify() {
    // Every row written is read back, the copy in rows 38-63 included: a row garbled there is
    // as much a failed write as one in rows 1-26.
    readBack_ = plan_;
    Begin(RadioStep::Verify, readBack_, CloneMode::Read, kWriteLastRow);
}

void WriteSequence::AfterGap(RadioStep next) {
    afterGap_ = next;
    gap_.start(std::max(options_.sessionGapMs, 0));
}

void WriteSequence::OnCompleted() {
    if (!running_) return;
    switch (step_) {
        case RadioStep::Backup: {
            const BackupResult saved = SaveBackup(options_.backupFolder, backup_);
            if (!saved.ok) {
                backupError_ = saved.error;
                Finish(WriteVerdict::BackupNotSaved);
                return;
            }
            hasBackup_ = true;
            backupPath_ = saved.path;
            AfterGap(RadioStep::Write);
            return;
        }
        case RadioStep::Write:
            if (options_.verify) {
                AfterGap(RadioStep::Verify);
            } else {
                Finish(WriteVerdict::Written);
            }
            return;
        case RadioStep::Verify:
            Finish(WrittenRowsEqual(readBack_, plan_) ? WriteVerdict::Verified
                                                      : WriteVerdict::Differs);
            return;
    }
}

void WriteSequence::OnFailed() {
    if (!running_) return;
    switch (step_) {
        case RadioStep::Backup:
            Finish(WriteVerdict::BackupFailed);
            return;
        case RadioStep::Write:
            Finish(WriteVerdict::WriteFailed);
            return;
        case RadioStep::Verify:
            Finish(WriteVerdict::NotVerified);
            return;
    }
}

void WriteSequence::Finish(WriteVerdict verdict) {
    Stop();
    verdict_ = verdict;
    emit finished(verdict);
}

}  // namespace qv
