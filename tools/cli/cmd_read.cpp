// read --port PORT -o OUT.tw [--base FILE.tw] [--backup-dir DIR] [--ini-dir FOLDER]: rows 1 to 26
// from the radio over a base image (the start-up template unless given), saved as a .tw file only
// when the whole read succeeded, and kept as a backup as the program keeps every complete read.
#include "data/data_file.h"
#include "link/clone.h"
#include "link_command.h"
#include "link_driver/clone_session.h"

namespace qv::cli {
namespace {

const QString kUsage = QStringLiteral(
    "read --port PORT -o OUT.tw [--base FILE.tw] [--backup-dir DIR] [--ini-dir FOLDER]");

int RunRead(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption output("o", "the .tw file to write once the whole read succeeded",
                                    "OUT.tw");
    const QCommandLineOption base(
        "base", "the image the rows read from the radio go into (default: the start-up template)",
        "FILE.tw");
    const CommandSyntax syntax{
        kUsage, {PortOption(), output, base, BackupDirOption(), IniDirOption()}, 0, {"port", "o"}};
    if (const auto exit = ParseArguments(parser, args, syntax)) return *exit;
    const QString out = parser.value(output);
    RadioData data;
    const bool loaded =
        parser.isSet(base) ? LoadImage(parser.value(base), data) : LoadTemplate(data);
    if (!loaded) return 1;
    const std::optional<CloneRequest> request = LinkRequest(parser, CloneMode::Read);
    if (!request) return 1;

    const CloneResult result = RunClone(data.image, *request);
    if (!result.ok) return FailTransfer(parser.value("port"), *request, result);
    // The backup first: it must not depend on OUT.tw being writable.
    const BackupResult backup = SaveBackup(BackupFolder(parser), data.image);
    const SaveResult saved = SaveFile(out, data.image);
    if (!saved.ok) return Fail(QStringLiteral("%1: %2").arg(out, saved.error));
    std::fprintf(stderr, "Reading Complete!\n");
    if (backup.ok) {
        std::fprintf(stderr, "Backup: %s\n", qPrintable(backup.path));
    } else {
        std::fprintf(stderr, "qv730-cli: the backup could not be saved: %s\n",
                     qPrintable(backup.error));
    }
    return 0;
}

const CliRegistration kRead({"read", kUsage,
                             "read the radio on PORT (COMn or a device) into a .tw file", RunRead});

}  // namespace
}  // namespace qv::cli
