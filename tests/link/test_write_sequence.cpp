// A write with backup and read-back over a scripted line: which sessions go out, what verdict
// each kind of radio earns, that a failed backup writes nothing, what Retry repeats, and the
// backups folder (names by date and time, nothing written over, the newest 100 kept).
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "data/data_file.h"
#include "link/clone.h"
#include "link_driver/clone_driver.h"
#include "link_driver/radio_backups.h"
#include "link_driver/write_sequence.h"
#include "support/scripted_line.h"

using namespace qv;

namespace {

// The plan: every byte of rows 1 to 63 unlike the fake radio's own.
RadioImage Plan() {
    RadioImage plan;
    for (int a = 0; a < kImageSize; ++a) plan[a] = static_cast<std::uint8_t>(a * 13 + 5);
    PrepareImageForWrite(plan);
    return plan;
}

struct Rig {
    test::ScriptedLine line;
    QTimer sendTimer;
    QTimer receiveTimer;
    RadioImage unused;
    CloneDriver driver{unused, line, sendTimer, receiveTimer};
    WriteSequence sequence{driver};
    QSignalSpy finished{&sequence, &WriteSequence::finished};
    QTemporaryDir backups;
    WriteOptions options;

    Rig() {
        driver.engine().Timing.RecvInterval = 1;
        driver.engine().Timing.RecvLimit = 3;
        options.sessionGapMs = 0;
        options.backupFolder = backups.path();
    }
    WriteVerdict Run(bool backupFirst, bool verify) {
        options.backupFirst = backupFirst;
        options.verify = verify;
        sequence.Start(Plan(), options);
        return Wait();
    }
    WriteVerdict Wait() {
        const qsizetype before = finished.size();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(finished.size() > before, 20000); }();
        return finished.last().at(0).value<WriteVerdict>();
    }
};

}  // namespace

class TestWriteSequence : public QObject {
    Q_OBJECT

private slots:
    void verdictsAndSessions_data() {
        QTest::addColumn<bool>("backup");
        QTest::addColumn<bool>("verify");
        QTest::addColumn<int>("silentFrom");    // 0: the radio always answers
        QTest::addColumn<int>("corruptWrite");  // 0: every row is stored as sent
        QTest::addColumn<int>("verdict");
        QTest::addColumn<int>("handshakes");
        QTest::addColumn<int>("rowsWritten");
        // A plain write: the same 54 frames as ever.
        QTest::newRow("plain write")
            << false << false << 0 << 0 << int(WriteVerdict::Written) << 1 << 52;
        QTest::newRow("backup, write, check")
            << true << true << 0 << 0 << int(WriteVerdict::Verified) << 3 << 52;
        QTest::newRow("check only")
            << false << true << 0 << 0 << int(WriteVerdict::Verified) << 2 << 52;
        // Row 1's copy (row 38) is the 27th row written: a copy garbled is caught as well.
        QTest::newRow("row 1 garbled")
            << true << true << 0 << 1 << int(WriteVerdict::Differs) << 3 << 52;
        QTest::newRow("row 38 garbled")
            << false << true << 0 << 27 << int(WriteVerdict::Differs) << 2 << 52;
        // 28 frames of backup and 54 of write: frame 83 is the read-back's handshake.
        QTest::newRow("silent read-back")
            << true << true << 83 << 0 << int(WriteVerdict::NotVerified) << 3 << 52;
        QTest::newRow("read-back stops midway")
            << true << true << 100 << 0 << int(WriteVerdict::NotVerified) << 3 << 52;
        QTest::newRow("silent radio: nothing written")
            << true << true << 1 << 0 << int(WriteVerdict::BackupFailed) << 1 << 0;
        QTest::newRow("backup stops midway: nothing written")
            << true << true << 10 << 0 << int(WriteVerdict::BackupFailed) << 1 << 0;
        QTest::newRow("write stops midway")
            << false << true << 20 << 0 << int(WriteVerdict::WriteFailed) << 1 << 19;
    }
    void verdictsAndSessions() {
        QFETCH(bool, backup);
        QFETCH(bool, verify);
        QFETCH(int, silentFrom);
        QFETCH(int, corruptWrite);
        Rig rig;
        rig.line.silentFrom = silentFrom;
        rig.line.corruptWrite = corruptWrite;
        const RadioImage held = rig.line.radio.image;
        QCOMPARE(int(rig.Run(backup, verify)), [] {
            QFETCH(int, verdict);
            return verdict;
        }());
        QTEST(rig.line.Count('K'), "handshakes");
        QTEST(rig.line.Count('W'), "rowsWritten");
        QVERIFY(!rig.sendTimer.isActive() && !rig.receiveTimer.isActive());
        // A backup is kept only when the whole backup read arrived, and it holds what the
        // radio held in rows 1-26 and the plan elsewhere.
        const QStringList files = BackupFiles(rig.backups.path());
        QCOMPARE(files.size(), rig.sequence.HasBackup() ? 1 : 0);
        if (rig.sequence.HasBackup()) {
            RadioData saved;
            QCOMPARE(LoadFile(files[0], saved), LoadStatus::Ok);
            QVERIFY(saved.baseline == rig.sequence.Backup());
            RadioImage expected = Plan();
            std::copy_n(held.data() + 16, 26 * 16, expected.data() + 16);
            QVERIFY(saved.baseline == expected);
        }
    }

    void aBackupThatCannotBeSavedStopsTheWrite() {
        Rig rig;
        rig.options.backupFolder = rig.backups.filePath("file-in-the-way/backups");
        QFile blocker(rig.backups.filePath("file-in-the-way"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QCOMPARE(rig.Run(true, true), WriteVerdict::BackupNotSaved);
        QVERIFY(!rig.sequence.BackupError().isEmpty());
        QCOMPARE(rig.line.Count('W'), 0);
    }

    void retryRepeatsWhatFailed_data() {
        QTest::addColumn<int>("silentFrom");
        QTest::addColumn<int>("handshakesAfterRetry");  // sessions the retry ran
        QTest::addColumn<int>("rowsWrittenAfterRetry");
        // The read-back alone is repeated; the radio is not written again.
        QTest::newRow("not verified: read back again") << 83 << 1 << 0;
        // A failed write is written again and checked; the backup of that radio stands.
        QTest::newRow("write failed: write and check again") << 40 << 2 << 52;
    }
    void retryRepeatsWhatFailed() {
        QFETCH(int, silentFrom);
        Rig rig;
        rig.line.silentFrom = silentFrom;
        QVERIFY(!Succeeded(rig.Run(true, true)));
        const int handshakes = rig.line.Count('K');
        const int rows = rig.line.Count('W');
        rig.line.silentFrom = 0;
        rig.sequence.Retry();
        QCOMPARE(rig.Wait(), WriteVerdict::Verified);
        QTEST(rig.line.Count('K') - handshakes, "handshakesAfterRetry");
        QTEST(rig.line.Count('W') - rows, "rowsWrittenAfterRetry");
        QCOMPARE(BackupFiles(rig.backups.path()).size(), 1);
    }

    void backupsAreNamedByTimeNeverOverwrittenAndTheNewestHundredKept() {
        QTemporaryDir folder;
        const QString sub = folder.filePath("backups");  // made when missing
        const QDateTime when(QDate(2024, 5, 1), QTime(14, 3, 22));
        RadioImage image;
        image[0x10] = 1;
        const BackupResult first = SaveBackup(sub, image, when);
        image[0x10] = 2;
        const BackupResult second = SaveBackup(sub, image, when);
        QVERIFY(first.ok && second.ok);
        QCOMPARE(QFileInfo(first.path).fileName(), QString("2024-05-01_14-03-22.tw"));
        QCOMPARE(QFileInfo(second.path).fileName(), QString("2024-05-01_14-03-22_2.tw"));
        RadioData kept;
        QCOMPARE(LoadFile(first.path, kept), LoadStatus::Ok);
        QCOMPARE(int(kept.image[0x10]), 1);

        // A file of the user's in the folder is never removed.
        QFile mine(QDir(sub).filePath("my plan.tw"));
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.close();
        for (int i = 0; i < kBackupsKept + 5; ++i) {
            QVERIFY(SaveBackup(sub, image, when.addSecs(60 + i)).ok);
        }
        const QStringList files = BackupFiles(sub);
        QCOMPARE(files.size(), kBackupsKept);
        // The oldest went first: the two of 14:03:22 and the five seconds after them.
        QCOMPARE(QFileInfo(files.first()).fileName(), QString("2024-05-01_14-04-27.tw"));
        QVERIFY(QFile::exists(mine.fileName()));
    }
};

QTEST_GUILESS_MAIN(TestWriteSequence)
#include "test_write_sequence.moc"
