// The radio link end to end over a pseudo-terminal: qv730-cli and the real clone and port dialogs
// against the virtual radio, compared byte for byte with the radio's image, and the failure
// paths the radio can be told to cause.
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QtTest>

#include "context/desktop_context.h"
#include "data/data_file.h"
#include "e2e_files.h"
#include "link/clone.h"
#include "link_dialogs/frm_clone.h"
#include "link_dialogs/frm_com_port.h"
#include "link_driver/radio_backups.h"
#include "platform/ini_file.h"
#include "platform/serial_port_map.h"
#include "radio_sim_process.h"
#include "support/test_context.h"

using namespace qv;
using test::RowsEqual;

namespace {

QString BinPath(const QString& name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

RadioImage Template() {
    RadioData data;
    if (LoadFile(BinPath("default.tw"), data) != LoadStatus::Ok) qFatal("default.tw unusable");
    return data.image;
}

// The template with every byte of rows 1 to 63 changed, so a row that crossed the line can be
// told from one that did not.
RadioImage Pattern() {
    RadioImage image = Template();
    for (int a = 0x10; a < 0x400; ++a) image[a] = static_cast<std::uint8_t>(a * 37 + (a >> 4) + 1);
    return image;
}

RadioImage LoadRaw(const QString& path) {
    RadioData data;
    if (LoadFile(path, data) != LoadStatus::Ok) qFatal("%s unusable", qPrintable(path));
    return data.baseline;
}

QStringList FramesOf(const QStringList& log) {
    QStringList frames;
    for (const QString& line : log) {
        if (line.startsWith("frame ")) frames << line.section(": ", 1).section(" |", 0, 0).left(10);
    }
    return frames;
}

QStringList ExpectedReadFrames() {
    QStringList frames{"handshake"};
    for (int row = 1; row <= 26; ++row) {
        frames << "read " + QString("%1").arg(row * 16, 4, 16, QChar('0')).toUpper();
    }
    frames << "end";
    return frames;
}

struct CliRun {
    int exitCode = -1;
    QString errors;
    QString output;
};

CliRun RunCli(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess cli;
    cli.start(BinPath("qv730-cli"), arguments);
    cli.write(input);
    cli.closeWriteChannel();
    cli.waitForFinished(120000);
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            QString::fromLocal8Bit(cli.readAllStandardError()),
            QString::fromLocal8Bit(cli.readAllStandardOutput())};
}

// The backups in a folder, oldest first, as the images they hold.
std::vector<RadioImage> BackupsIn(const QString& folder) {
    std::vector<RadioImage> images;
    for (const QString& file : BackupFiles(folder)) images.push_back(LoadRaw(file));
    return images;
}

// A radio of its own: the template with rows 1 to 26 marked by `seed`.
RadioImage RadioNumbered(int seed) {
    RadioImage image = Template();
    for (int a = 0x10; a < 0x1B0; ++a) image[a] = static_cast<std::uint8_t>(a * seed + seed);
    return image;
}

// The clone dialog as the main window makes it, for a document holding `image`, over the virtual
// radio started with `radioSwitches` on COM1 of the Radio.INI in `folder`.
struct DialogRig {
    DialogRig(const QString& folder, const QStringList& radioSwitches,
              const RadioImage& image = RadioImage{})
        : radio(radioSwitches),
          iniWritten(
              test::WriteRadioIni(folder, radio.path(), 5, 200, "COM3=/nonexistent/ttyQV\n")),
          services(folder),
          data(DocumentHolding(image)),
          dialog(data, services.context) {}
    // The virtual radio started and its port written into Radio.INI.
    bool Ready() const { return !radio.path().isEmpty() && iniWritten; }

    RadioSimProcess radio;
    bool iniWritten;
    test::TestContext services;
    test::ScriptedPrompts& prompts = services.prompts;
    RadioData data;
    FrmClone dialog;

private:
    static RadioData DocumentHolding(const RadioImage& image) {
        RadioData document;
        document.image = image;
        return document;
    }
};

}  // namespace

class TestLinkE2e : public QObject {
    Q_OBJECT

    QTemporaryDir work_;
    QString patternFile_;

    // A Radio.INI of the test with short timing and COM1 on the virtual radio.
    void WriteRadioIni(const QString& device, int interval = 5, int limit = 200) {
        QVERIFY(test::WriteRadioIni(work_.path(), device, interval, limit,
                                    "COM3=/nonexistent/ttyQV\n"));
    }

    // The clone dialog as the main window runs it: properties set, shown with exec(), the write's
    // check boxes set as the user would, OK pressed. Backups go to `backups` of the test.
    int RunDialog(FrmClone& dialog, CloneMode mode, int interval = 5, int limit = 200,
                  bool backupFirst = false, bool verify = false) {
        const bool reading = mode == CloneMode::Read;
        dialog.setProperty("FirstRow", 1);
        dialog.setProperty("LastRow", reading ? 26 : 63);
        dialog.setProperty("CloneMode", int(mode));
        dialog.setProperty("RecvInterval", interval);
        dialog.setProperty("RecvLimit", limit);
        if (dialog.BackupFolder() == DefaultBackupFolder()) dialog.SetBackupFolder(NewFolder());
        QTimer::singleShot(0, &dialog, [&dialog, backupFirst, verify] {
            dialog.findChild<QCheckBox*>("ChkBackup")->setChecked(backupFirst);
            dialog.findChild<QCheckBox*>("ChkVerify")->setChecked(verify);
            dialog.findChild<QPushButton*>("Command1")->click();
        });
        return dialog.exec();
    }

    // An empty folder of this test for backups.
    QString NewFolder() {
        static int made = 0;
        const QString folder = work_.filePath(QString("backups-%1").arg(++made));
        QDir().mkpath(folder);
        return folder;
    }

private slots:
    void initTestCase() {
        QVERIFY(work_.isValid());
        patternFile_ = work_.filePath("pattern.tw");
        QVERIFY(SaveFile(patternFile_, Pattern()).ok);
    }

    void cliReadsRowsOneToTwentySixOverTheBaseImage() {
        RadioSimProcess radio({"--image", patternFile_});
        QVERIFY(!radio.path().isEmpty());
        WriteRadioIni(radio.path());
        const QString out = work_.filePath("read.tw");
        const QString backups = NewFolder();
        const CliRun run = RunCli({"read", "--port", "COM1", "-o", out, "--ini-dir", work_.path(),
                                   "--backup-dir", backups});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QVERIFY(run.errors.contains("Reading... 100%"));
        const RadioImage read = LoadRaw(out);
        // Every complete read is kept as a backup, whatever becomes of OUT.tw.
        const std::vector<RadioImage> kept = BackupsIn(backups);
        QCOMPARE(kept.size(), std::size_t(1));
        QVERIFY(kept[0] == read);
        QVERIFY(RowsEqual(read, Pattern(), 1, 26));
        QVERIFY(RowsEqual(read, Template(), 0, 0));
        QVERIFY(RowsEqual(read, Template(), 27, kRowCount - 1));
        QCOMPARE(FramesOf(radio.Stop()), ExpectedReadFrames());
    }

    void cliWritesThePreparedImage() {
        RadioSimProcess radio({"--save", work_.filePath("radio-after-write.tw")});
        QVERIFY(!radio.path().isEmpty());
        WriteRadioIni(radio.path());
        // A device path works as well as COMn.
        // Without backup and check, the same 54 frames as ever.
        const CliRun run = RunCli({"write", "--port", radio.path(), patternFile_, "--ini-dir",
                                   work_.path(), "--no-backup"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        const QStringList log = radio.Stop();
        QCOMPARE(FramesOf(log).size(), 54);
        RadioImage sent = Pattern();
        PrepareImageForWrite(sent);
        const RadioImage radioImage = LoadRaw(work_.filePath("radio-after-write.tw"));
        QVERIFY(RowsEqual(radioImage, sent, 1, 26));
        QVERIFY(RowsEqual(radioImage, sent, 38, 63));
        QVERIFY(RowsEqual(radioImage, Pattern(), 1, 26));
        QVERIFY(RowsEqual(radioImage, Template(), 27, 37));
        QVERIFY(RowsEqual(radioImage, Template(), 64, kRowCount - 1));
        // The file given is not changed by the preparation.
        QVERIFY(LoadRaw(patternFile_) == Pattern());
    }

    void cliFailuresSayWhyAndWriteNothing_data() {
        QTest::addColumn<QStringList>("radioSwitches");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("message");
        QTest::newRow("silent radio") << QStringList{"--silent"} << "COM1"
                                      << "Connection Fail!";
        QTest::newRow("reply stops midway") << QStringList{"--stop-mid-reply", "4"} << "COM1"
                                            << "Connection Fail!";
        QTest::newRow("missing device") << QStringList{} << "COM3"
                                        << "COM3 (/nonexistent/ttyQV): No such file or directory";
        QTest::newRow("port with no device") << QStringList{} << "COM16"
                                             << "no serial device";
        // A port error adds what to do about it.
        const QString noCable =
            "\nqv730-cli: No cable is plugged in, or it is on another port: \"qv730-cli ports\" "
            "lists the ports and their devices.\n";
        QTest::newRow("missing device, advice") << QStringList{} << "COM3"
                                                << "No such file or directory" + noCable;
        QTest::newRow("port with no device, advice") << QStringList{} << "COM16"
                                                     << "no serial device for this port" + noCable;
        QTest::newRow("no such port") << QStringList{} << "com17"
                                      << "qv730-cli: COM17 is not a port (COM1 to COM16)\n";
    }
    void cliFailuresSayWhyAndWriteNothing() {
        QFETCH(QStringList, radioSwitches);
        QFETCH(QString, port);
        QFETCH(QString, message);
        RadioSimProcess radio(radioSwitches);
        WriteRadioIni(radio.path(), 5, 3);
        const QString out = work_.filePath("never.tw");
        const CliRun run = RunCli({"read", "--port", port, "-o", out, "--ini-dir", work_.path()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        QVERIFY(!QFile::exists(out));
    }

    void dialogReadsTheRadio() {
        DialogRig rig(work_.path(), {"--image", patternFile_}, Template());
        QVERIFY(rig.Ready());
        QVERIFY(rig.services.settings.SetLastComPort(7));
        QCOMPARE(RunDialog(rig.dialog, CloneMode::Read), int(QDialog::Accepted));
        QVERIFY(rig.dialog.property("Finished").toBool());
        // The port that worked is the one the next start preselects.
        QCOMPARE(rig.services.settings.GetLastComPort(), 1);
        QCOMPARE(rig.dialog.findChild<QProgressBar*>("Prg1")->value(), 100);
        QCOMPARE(rig.prompts.messages.size(), size_t(1));
        QCOMPARE(rig.prompts.messages[0].text, QString("Reading Complete!"));
        QCOMPARE(rig.prompts.messages[0].title, QString("QV-730"));
        QCOMPARE(rig.prompts.messages[0].icon, PromptIcon::Information);
        QVERIFY(RowsEqual(rig.data.image, Pattern(), 1, 26));
        QVERIFY(RowsEqual(rig.data.image, Template(), 27, kRowCount - 1));
        QCOMPARE(FramesOf(rig.radio.Stop()), ExpectedReadFrames());
        const std::vector<RadioImage> kept = BackupsIn(rig.dialog.BackupFolder());
        QCOMPARE(kept.size(), std::size_t(1));
        QVERIFY(kept[0] == rig.data.image);
        QCOMPARE(rig.dialog.LastBackupPath(), BackupFiles(rig.dialog.BackupFolder()).first());
    }

    void dialogWritesTheRadio() {
        RadioImage sent = Pattern();
        PrepareImageForWrite(sent);
        DialogRig rig(work_.path(), {"--save", work_.filePath("radio-after-dialog.tw")}, sent);
        QVERIFY(rig.Ready());
        QCOMPARE(RunDialog(rig.dialog, CloneMode::Write), int(QDialog::Accepted));
        QCOMPARE(rig.prompts.messages.size(), size_t(1));
        QCOMPARE(rig.prompts.messages[0].text, QString("Writing Complete!"));
        QVERIFY(rig.data.image == sent);
        rig.radio.Stop();
        const RadioImage radioImage = LoadRaw(work_.filePath("radio-after-dialog.tw"));
        QVERIFY(RowsEqual(radioImage, sent, 1, 26));
        QVERIFY(RowsEqual(radioImage, sent, 38, 63));
        QVERIFY(RowsEqual(radioImage, Template(), 27, 37));
    }

    void splitReply_data() {
        QTest::addColumn<int>("pauseMs");
        QTest::addColumn<bool>("accepted");
        // Polls every 50 ms: a pause much shorter than that is never seen by a poll; a much
        // longer one leaves a poll that finds nothing after the reply began.
        QTest::newRow("short pause") << 5 << true;
        QTest::newRow("pause over a poll") << 300 << false;
    }
    void splitReply() {
        QFETCH(int, pauseMs);
        QFETCH(bool, accepted);
        DialogRig rig(work_.path(), {"--image", patternFile_, "--split-reply", "5", "--split-pause",
                                     QString::number(pauseMs)});
        QVERIFY(rig.Ready());
        const int result = RunDialog(rig.dialog, CloneMode::Read, 50, 40);
        QCOMPARE(result == QDialog::Accepted, accepted);
        QCOMPARE(rig.prompts.messages.size(), size_t(1));
        QCOMPARE(rig.prompts.messages[0].icon,
                 accepted ? PromptIcon::Information : PromptIcon::Critical);
        // Row 4 is frame 5. A read is all or nothing: the rows before it stay out when it fails.
        if (accepted) {
            QVERIFY(RowsEqual(rig.data.image, Pattern(), 1, 26));
        } else {
            QVERIFY(rig.data.image == RadioImage{});
        }
        QVERIFY(rig.radio.Stop().filter("split reply").size() == 1);
    }

    void silentRadioFailsWithRetryAndCancel() {
        DialogRig rig(work_.path(), {"--silent"});
        QVERIFY(rig.Ready());
        rig.prompts.answers = {PromptAnswer::Cancel};
        const RadioImage before = rig.data.image;
        QCOMPARE(RunDialog(rig.dialog, CloneMode::Read, 10, 3), int(QDialog::Rejected));
        QCOMPARE(rig.prompts.messages.size(), size_t(1));
        QCOMPARE(rig.prompts.messages[0].text, QString("Connection Fail!"));
        QCOMPARE(rig.prompts.messages[0].title, QString("QV-730"));
        QCOMPARE(rig.prompts.messages[0].icon, PromptIcon::Critical);
        QCOMPARE(rig.prompts.messages[0].buttons, PromptButtons::RetryCancel);
        QVERIFY(!rig.dialog.property("Finished").toBool());
        QVERIFY(rig.data.image == before);
        QCOMPARE(FramesOf(rig.radio.Stop()), QStringList{"handshake"});
    }

    void badFirstAnswerThenRetrySucceeds_data() {
        QTest::addColumn<QStringList>("radioSwitches");
        QTest::newRow("wrong acknowledgement") << QStringList{"--wrong-first-byte", "1"};
        QTest::newRow("no answer to the first handshake") << QStringList{"--answer-from", "2"};
    }
    void badFirstAnswerThenRetrySucceeds() {
        QFETCH(QStringList, radioSwitches);
        DialogRig rig(work_.path(), QStringList{"--image", patternFile_} + radioSwitches);
        QVERIFY(rig.Ready());
        rig.prompts.answers = {PromptAnswer::Retry, PromptAnswer::Ok};
        QCOMPARE(RunDialog(rig.dialog, CloneMode::Read, 10, 20), int(QDialog::Accepted));
        QCOMPARE(rig.prompts.messages.size(), size_t(2));
        QCOMPARE(rig.prompts.messages[0].icon, PromptIcon::Critical);
        QCOMPARE(rig.prompts.messages[1].text, QString("Reading Complete!"));
        QVERIFY(RowsEqual(rig.data.image, Pattern(), 1, 26));
        // Retry starts over from the handshake on the port that stayed open.
        QCOMPARE(FramesOf(rig.radio.Stop()), QStringList{"handshake"} + ExpectedReadFrames());
    }

    void aReadThatStopsMidwayChangesNothing() {
        // The reply for row 9 (frame 10) stops midway; Cancel ends the transfer.
        DialogRig rig(work_.path(), {"--image", patternFile_, "--stop-mid-reply", "10"},
                      Template());
        QVERIFY(rig.Ready());
        QCOMPARE(RunDialog(rig.dialog, CloneMode::Read, 10, 20), int(QDialog::Rejected));
        QCOMPARE(rig.prompts.messages.size(), size_t(1));
        QCOMPARE(rig.prompts.messages[0].text, QString("Connection Fail!"));
        // Rows 1 to 8 had arrived; none of them reached the image.
        QVERIFY(rig.data.image == Template());
        QCOMPARE(FramesOf(rig.radio.Stop()).filter("read ").size(), 9);
    }

    void cancelDuringAReadChangesNothing() {
        DialogRig rig(work_.path(), {"--image", patternFile_, "--pace"}, Template());
        QVERIFY(rig.Ready());
        auto* progress = rig.dialog.findChild<QProgressBar*>("Prg1");
        QTimer watch;
        connect(&watch, &QTimer::timeout, &rig.dialog, [&] {
            if (progress->value() >= 25) rig.dialog.findChild<QPushButton*>("Command2")->click();
        });
        watch.start(1);
        QCOMPARE(RunDialog(rig.dialog, CloneMode::Read, 50, 40), int(QDialog::Rejected));
        watch.stop();
        QVERIFY(rig.prompts.messages.empty());
        QVERIFY(!rig.dialog.property("Finished").toBool());
        QVERIFY(rig.data.image == Template());
        const int rowsAsked = FramesOf(rig.radio.Log()).filter("read ").size();
        QVERIFY2(rowsAsked >= 6 && rowsAsked < 26, qPrintable(QString::number(rowsAsked)));
        // No frame goes out once the dialog has closed.
        const int framesAtClose = FramesOf(rig.radio.Log()).size();
        QTest::qWait(100);
        QCOMPARE(FramesOf(rig.radio.Stop()).size(), framesAtClose);
    }

    // Another program holds the radio's port: the command line says so and what to do.
    void cliSaysAnotherProgramHoldsThePort() {
        RadioSimProcess radio({});
        WriteRadioIni(radio.path());
        QSerialPort other(radio.path());
        QVERIFY(other.open(QIODevice::ReadWrite));
        const CliRun run = RunCli({"read", "--port", "COM1", "-o", work_.filePath("never.tw"),
                                   "--ini-dir", work_.path()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.startsWith("qv730-cli: COM1 (" + radio.path() + "): "),
                 qPrintable(run.errors));
        QVERIFY2(run.errors.contains("\nqv730-cli: Another program holds " + radio.path() +
                                     ": close it. A modem manager (ModemManager)"),
                 qPrintable(run.errors));
    }

    // The cable pulled out under a transfer (the virtual radio stopped): the command line and
    // the dialog name the port, the system's text and what to do.
    void cablePulledMidTransfer() {
        {
            // Polls of 50 ms, as shipped: a paced reply is whole by the next poll even on a
            // busy machine.
            RadioSimProcess radio({"--pace"});
            WriteRadioIni(radio.path(), 50, 40);
            QProcess cli;
            cli.start(BinPath("qv730-cli"),
                      {"read", "--port", "COM1", "-o", work_.filePath("never.tw"), "--ini-dir",
                       work_.path()});
            QTRY_VERIFY_WITH_TIMEOUT(FramesOf(radio.Log()).size() >= 2, 20000);
            radio.Stop();
            QVERIFY(cli.waitForFinished(60000));
            const QString errors = QString::fromLocal8Bit(cli.readAllStandardError());
            QCOMPARE(cli.exitCode(), 1);
            QVERIFY2(errors.contains("qv730-cli: COM1 (" + radio.path() + "): Connection Fail!\n"),
                     qPrintable(errors));
            QVERIFY2(errors.endsWith("\nqv730-cli: The cable was unplugged or the adapter reset: "
                                     "check the plug and run the command again.\n"),
                     qPrintable(errors));
            QVERIFY(!QFile::exists(work_.filePath("never.tw")));
        }
        DialogRig rig(work_.path(), {"--pace"}, Template());
        QVERIFY(rig.Ready());
        QTimer watch;
        connect(&watch, &QTimer::timeout, &rig.dialog, [&] {
            if (FramesOf(rig.radio.Log()).size() >= 2) {
                watch.stop();
                rig.radio.Stop();
            }
        });
        watch.start(5);
        QCOMPARE(RunDialog(rig.dialog, CloneMode::Read, 50, 40), int(QDialog::Rejected));
        QCOMPARE(rig.services.prompts.messages.size(), size_t(1));
        const QString text = rig.services.prompts.messages[0].text;
        QVERIFY2(text.startsWith("Connection Fail!\nCOM1 (" + rig.radio.path() + "): "),
                 qPrintable(text));
        QVERIFY2(text.endsWith("\nThe cable was unplugged or the adapter reset: check the plug "
                               "and press Retry."),
                 qPrintable(text));
    }

    // A write read back: a radio that keeps a row wrong, or does not answer the read-back, is
    // never reported as written and verified, on the command line or in the dialog.
    void aWriteIsReadBackAndCompared_data() {
        QTest::addColumn<QStringList>("radioSwitches");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<int>("icon");
        QTest::newRow("good radio")
            << QStringList{} << 0
            << "Writing Complete! The radio was read back and holds what was written."
            << int(PromptIcon::Information);
        // Write frame 5 is row 5, channel 5's record.
        QTest::newRow("a row stored wrong")
            << QStringList{"--corrupt-write", "5"} << 2
            << "Not verified: the radio holds other data than was written."
            << int(PromptIcon::Critical);
        // The row copy the radio keeps (row 38 is the 27th row written) counts as much.
        QTest::newRow("a copied row stored wrong")
            << QStringList{"--corrupt-write", "27"} << 2
            << "Not verified: the radio holds other data than was written."
            << int(PromptIcon::Critical);
        // Backup 28 frames, write 54: frame 83 is the read-back's handshake.
        QTest::newRow("silent read-back")
            << QStringList{"--silent-from", "83"} << 3
            << "Written, but not verified: the radio did not answer the read-back."
            << int(PromptIcon::Exclamation);
        QTest::newRow("read-back stops midway")
            << QStringList{"--stop-mid-reply", "90"} << 3
            << "Written, but not verified: the radio did not answer the read-back."
            << int(PromptIcon::Exclamation);
    }
    void aWriteIsReadBackAndCompared() {
        QFETCH(QStringList, radioSwitches);
        QFETCH(QString, verdict);
        for (const bool inDialog : {false, true}) {
            RadioSimProcess radio(radioSwitches);
            WriteRadioIni(radio.path(), 5, 20);
            RadioImage sent = Pattern();
            PrepareImageForWrite(sent);
            QString backups;
            if (!inDialog) {
                backups = NewFolder();
                const CliRun run = RunCli({"write", "--port", "COM1", patternFile_, "--verify",
                                           "--backup-dir", backups, "--ini-dir", work_.path()});
                QTEST(run.exitCode, "exitCode");
                QVERIFY2(run.errors.contains(verdict), qPrintable(run.errors));
                QVERIFY2(run.errors.contains("Changes on this radio: "), qPrintable(run.errors));
                // The pattern's row 5 is no channel the editor can show: its byte is named.
                if (radioSwitches.contains("--corrupt-write") && radioSwitches.last() == "5") {
                    QVERIFY2(run.errors.contains("Row 005: 0050 "), qPrintable(run.errors));
                }
            } else {
                test::TestContext services(work_.path());
                RadioData data;
                data.image = sent;
                FrmClone dialog(data, services.context);
                backups = NewFolder();
                dialog.SetBackupFolder(backups);
                services.prompts.answers = {PromptAnswer::Ok};
                const int result = RunDialog(dialog, CloneMode::Write, 5, 20, true, true);
                QFETCH(int, exitCode);
                QCOMPARE(result, exitCode == 0 ? int(QDialog::Accepted) : int(QDialog::Rejected));
                QCOMPARE(services.prompts.messages.size(), size_t(1));
                const PromptRequest& message = services.prompts.messages[0];
                QVERIFY2(message.text.startsWith(verdict), qPrintable(message.text));
                QTEST(int(message.icon), "icon");
                QCOMPARE(message.buttons, exitCode == 0 ? PromptButtons::OkAnotherRadio
                                                        : PromptButtons::RetryCancel);
                QVERIFY(data.image == sent);
            }
            // What the radio held before is kept, whatever the write did to it.
            const std::vector<RadioImage> kept = BackupsIn(backups);
            QCOMPARE(kept.size(), std::size_t(1));
            QVERIFY(RowsEqual(kept[0], Template(), 1, 26));
            // Backup, write and read-back: three sessions.
            QCOMPARE(FramesOf(radio.Stop()).filter("handshake").size(), 3);
        }
    }

    void cliWritesThreeRadiosInARow() {
        QStringList images;
        for (int seed : {3, 5, 7}) {
            images << "--image" << work_.filePath(QString("radio%1.tw").arg(seed));
            QVERIFY(SaveFile(images.last(), RadioNumbered(seed)).ok);
        }
        const QString saved = work_.filePath("three.tw");
        RadioSimProcess radio(images + QStringList{"--swap-after-sessions", "3", "--save", saved});
        WriteRadioIni(radio.path(), 5, 20);
        const QString backups = NewFolder();
        // Enter twice, then the end of the input: three radios.
        const CliRun run = RunCli({"write", "--port", "COM1", patternFile_, "--verify", "--repeat",
                                   "--backup-dir", backups, "--ini-dir", work_.path()},
                                  "\n\n");
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QVERIFY2(run.errors.contains("3 radios written and verified"), qPrintable(run.errors));
        radio.Stop();
        RadioImage sent = Pattern();
        PrepareImageForWrite(sent);
        const std::vector<RadioImage> kept = BackupsIn(backups);
        QCOMPARE(kept.size(), std::size_t(3));
        int n = 0;
        for (int seed : {3, 5, 7}) {
            // Each radio's own backup, and each radio holding the plan.
            QVERIFY(RowsEqual(kept[std::size_t(n)], RadioNumbered(seed), 1, 26));
            const RadioImage held = LoadRaw(work_.filePath(QString("three-%1.tw").arg(++n)));
            QVERIFY(RowsEqual(held, sent, 1, 26) && RowsEqual(held, sent, 38, 63));
        }
    }

    void cliRepeatNamesTheRadioThatFailed() {
        // Radio 2's first row (write frame 53) is stored wrong.
        RadioSimProcess radio({"--swap-after-sessions", "3", "--corrupt-write", "53"});
        WriteRadioIni(radio.path(), 5, 20);
        const CliRun run = RunCli({"write", "--port", "COM1", patternFile_, "--verify", "--repeat",
                                   "--backup-dir", NewFolder(), "--ini-dir", work_.path()},
                                  "\n\n");
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains("2 radios written and verified\nFailed: radio 2"),
                 qPrintable(run.errors));
    }

    void dialogWritesThreeRadiosInARow() {
        QStringList images;
        for (int seed : {3, 5, 7}) {
            images << "--image" << work_.filePath(QString("radio%1.tw").arg(seed));
            QVERIFY(SaveFile(images.last(), RadioNumbered(seed)).ok);
        }
        // Radio 2's first row (write frame 53) is stored wrong; the user puts it aside.
        RadioImage sent = Pattern();
        PrepareImageForWrite(sent);
        DialogRig rig(work_.path(),
                      images + QStringList{"--swap-after-sessions", "3", "--corrupt-write", "53"},
                      sent);
        QVERIFY(rig.Ready());
        rig.prompts.answers = {PromptAnswer::AnotherRadio,
                               PromptAnswer::Ok,  // radio 1 verified
                               PromptAnswer::AnotherRadio,
                               PromptAnswer::Ok,  // radio 2 differs
                               PromptAnswer::AnotherRadio,
                               PromptAnswer::Ok,   // radio 3 verified
                               PromptAnswer::Ok};  // radio 4 verified
        const QString backups = NewFolder();
        rig.dialog.SetBackupFolder(backups);
        QCOMPARE(RunDialog(rig.dialog, CloneMode::Write, 5, 20, true, true),
                 int(QDialog::Accepted));
        QCOMPARE(rig.prompts.messages.size(), size_t(7));
        QCOMPARE(rig.prompts.messages[1].text, QString("Connect the next radio, then press OK."));
        QCOMPARE(rig.prompts.messages[2].buttons, PromptButtons::RetryAnotherRadioCancel);
        QVERIFY(rig.prompts.messages[2].text.startsWith("Not verified"));
        QVERIFY2(
            rig.prompts.messages[6].text.endsWith("3 radios written and verified\nFailed: radio 2"),
            qPrintable(rig.prompts.messages[6].text));
        QCOMPARE(rig.dialog.Tally().verdicts.size(), std::size_t(4));
        // Each radio's backup, the fourth being radio 1's image again.
        const std::vector<RadioImage> kept = BackupsIn(backups);
        QCOMPARE(kept.size(), std::size_t(4));
        QVERIFY(RowsEqual(kept[0], RadioNumbered(3), 1, 26));
        QVERIFY(RowsEqual(kept[1], RadioNumbered(5), 1, 26));
        QVERIFY(RowsEqual(kept[2], RadioNumbered(7), 1, 26));
    }

    void cliDiffSaysWhatDiffers() {
        const QString templateFile = work_.filePath("template.tw");
        QVERIFY(SaveFile(templateFile, Template()).ok);
        RadioImage squelch = Template();
        squelch[0x182] = squelch[0x182] == 5 ? 3 : 5;
        const QString squelchFile = work_.filePath("squelch.tw");
        QVERIFY(SaveFile(squelchFile, squelch).ok);

        const CliRun same = RunCli({"diff", templateFile, templateFile});
        QCOMPARE(same.exitCode, 0);
        QCOMPARE(same.output, QString());
        const CliRun differ = RunCli({"diff", templateFile, squelchFile});
        QCOMPARE(differ.exitCode, 1);
        QCOMPARE(differ.output, QString("General Settings, Squelch Level: %1 -> %2\n")
                                    .arg(Template()[0x182])
                                    .arg(squelch[0x182]));
        const CliRun chinese = RunCli({"diff", "--lang", "zh", templateFile, squelchFile});
        QCOMPARE(chinese.exitCode, 1);
        QVERIFY(!chinese.output.contains("General Settings"));
        const CliRun missing = RunCli({"diff", templateFile, work_.filePath("none.tw")});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(missing.errors.contains("Incorrect File Type."));
        QCOMPARE(RunCli({"diff", templateFile}).exitCode, 2);
    }

    void portTestSendsAti1AndGreysOutMissingPorts() {
        RadioSimProcess radio({});
        WriteRadioIni(radio.path());
        SerialPortProbe probe;
        QVERIFY(probe.PortUsable(1, PortDeviceName(1, work_.path())));
        QVERIFY(!probe.PortUsable(3, PortDeviceName(3, work_.path())));
        QTRY_VERIFY(radio.Log().contains("bytes: 41 54 49 31 0D"));

        // The program's own context: the real probe over the ports of this Radio.INI.
        DesktopContext desktop(work_.path());
        FrmComPort dialog(desktop.context());
        dialog.show();
        QVERIFY(dialog.findChild<QRadioButton*>("Option1_0")->isEnabled());
        QCOMPARE(dialog.findChild<QRadioButton*>("Option1_0")->toolTip(), radio.path());
        QVERIFY(!dialog.findChild<QRadioButton*>("Option1_2")->isEnabled());
        QTRY_COMPARE(radio.Log().filter("bytes: 41 54 49 31 0D").size(), 2);
    }
};

QTEST_MAIN(TestLinkE2e)
#include "test_link_e2e.moc"
