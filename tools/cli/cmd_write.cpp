// write --port PORT FILE.tw [--verify] [--no-backup] [--backup-dir DIR] [--repeat]
// [--ini-dir FOLDER]: the image of a .tw file to the radio, prepared as the Write command
// prepares it (0x171A cleared, rows 1-26 copied onto rows 38-63). The file itself is not changed.
// As in the program, the radio is first read and kept as a backup; --verify reads it back after
// the write and compares; --repeat writes one radio after another on the open port.
#include <cstdio>
#include <cstring>

#include "compare/image_differences.h"
#include "link/clone.h"
#include "link_command.h"
#include "link_driver/clone_session.h"
#include "link_driver/write_texts.h"
#include "platform/serial_link.h"

namespace qv::cli {
namespace {

const QString kUsage = QStringLiteral(
    "write --port PORT FILE.tw [--verify] [--no-backup] [--backup-dir DIR] [--repeat] "
    "[--ini-dir FOLDER]");

// Exit codes: 0 written (and verified when asked), 1 nothing or not all written, 2 written but
// the radio holds other data, 3 written but the read-back went unanswered.
constexpr int kWriteFailed = 1;
constexpr int kDiffers = 2;
constexpr int kNotVerified = 3;

int ExitCodeOf(WriteVerdict verdict) {
    switch (verdict) {
        case WriteVerdict::Written:
        case WriteVerdict::Verified:
            return 0;
        case WriteVerdict::Differs:
            return kDiffers;
        case WriteVerdict::NotVerified:
            return kNotVerified;
        default:
            return kWriteFailed;
    }
}

// Progress on stderr by step: "Backing up... 50%", "Writing... 50%", "Verifying... 50%".
std::function<void(RadioStep, double)> StepProgress() {
    auto backup = ProgressPrinter("Backing up...");
    auto write = ProgressPrinter("Writing...");
    auto verify = ProgressPrinter("Verifying...");
    return [=](RadioStep step, double percent) mutable {
        switch (step) {
            case RadioStep::Backup:
                backup(percent);
                break;
            case RadioStep::Write:
                write(percent);
                break;
            case RadioStep::Verify:
                verify(percent);
                break;
        }
    };
}

// One radio: its backup, what the write changes on it, the verdict. Returns the verdict.
WriteVerdict WriteOneRadio(SerialLink& line, const RadioImage& plan, const WriteOptions& options,
                           const LinkTiming& timing, const QString& portLabel) {
    const UiTexts texts;  // English, "." as decimal separator
    const WriteRun run = RunWriteSequence(line, plan, options, timing, StepProgress());
    if (run.hasBackup) {
        std::fprintf(stderr, "Backup: %s\n", qPrintable(run.backupPath));
        const QString changes =
            ChangeCountText(DescribeDifferences(run.backup, plan, texts), texts);
        std::fprintf(stderr, "Changes on this radio: %s\n", qPrintable(changes));
    }
    QStringList differences;
    if (run.verdict == WriteVerdict::Differs)
        differences = DescribeDifferences(plan, run.readBack, texts).Lines();
    const QString verdict = VerdictText(run.verdict, texts, differences, run.backupError);
    if (Succeeded(run.verdict)) {
        std::fprintf(stderr, "%s\n", qPrintable(verdict));
    } else if (run.verdict == WriteVerdict::BackupFailed ||
               run.verdict == WriteVerdict::WriteFailed) {
        Fail(QStringLiteral("%1: %2").arg(portLabel, verdict));
        PrintPortAdvice(portLabel, line.LastError(), verdict, texts);
    } else {
        Fail(verdict);
    }
    return run.verdict;
}

// Waits for Enter; false at the end of the input.
bool NextRadioWanted() {
    std::fprintf(stderr, "Connect the next radio and press Enter (end of input stops).\n");
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, stdin)) {
        if (std::strchr(buffer, '\n')) return true;
    }
    return false;
}

int RunWrite(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption verify("verify",
                                    "read the radio back after the write and compare; exit 2 when "
                                    "it holds other data, 3 when it does not answer");
    const QCommandLineOption noBackup("no-backup", "write without reading the radio first");
    const QCommandLineOption repeat(
        "repeat",
        "after each radio wait for Enter and write the next one (end of input stops); exit 0 "
        "only when every radio was written (and verified)");
    const CommandSyntax syntax{
        .usage = kUsage,
        .options = {PortOption(), verify, noBackup, BackupDirOption(), repeat, IniDirOption()},
        .positionals = 1,
        .required = {"port"}};
    if (const auto exit = ParseArguments(parser, args, syntax)) return *exit;
    RadioData data;
    if (!LoadImage(parser.positionalArguments()[0], data)) return 1;
    PrepareImageForWrite(data.image);
    const std::optional<CloneRequest> request = LinkRequest(parser, CloneMode::Write);
    if (!request) return 1;
    const QString portLabel = PortLabelOf(parser.value("port"), request->device);

    const UiTexts english;
    SerialLink port(english);
    if (!port.Open(request->device, CloneLineSettings(), kCloneReceiveBufferBytes)) {
        Fail(QStringLiteral("%1: %2").arg(portLabel, port.ErrorText()));
        PrintPortAdvice(portLabel, port.LastError(), port.ErrorText(), english);
        return 1;
    }
    WriteOptions options;
    options.backupFirst = !parser.isSet(noBackup);
    options.verify = parser.isSet(verify);
    options.sessionGapMs = request->timing.SessionGapMs;
    options.backupFolder = BackupFolder(parser);

    if (!parser.isSet(repeat)) {
        return ExitCodeOf(WriteOneRadio(port, data.image, options, request->timing, portLabel));
    }
    RadioTally tally;
    tally.verify = options.verify;
    do {
        std::fprintf(stderr, "Radio %d\n", int(tally.verdicts.size()) + 1);
        tally.verdicts.push_back(
            WriteOneRadio(port, data.image, options, request->timing, portLabel));
    } while (NextRadioWanted());
    std::fprintf(stderr, "%s\n", qPrintable(TallyText(tally, english)));
    return tally.AllSucceeded() ? 0 : kWriteFailed;
}

const CliRegistration kWrite({"write", kUsage,
                              "write a .tw file to the radio on PORT (COMn or a device), after "
                              "a backup of what it held; --verify reads it back and compares",
                              RunWrite});

}  // namespace
}  // namespace qv::cli
