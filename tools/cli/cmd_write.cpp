// write --port PORT FILE.tw [--ini-dir FOLDER]: the image of a .tw file to the radio, prepared as
// the Write command prepares it (0x171A cleared, rows 1-26 copied onto rows 38-63). The file
// itself is not changed.
#include "link/clone.h"
#include "link/driver/clone_session.h"
#include "link_command.h"

namespace qv::cli {
namespace {

const QString kUsage = QStringLiteral("write --port PORT FILE.tw [--ini-dir FOLDER]");

int RunWrite(const QStringList& args) {
    QCommandLineParser parser;
    const CommandSyntax syntax{.usage = kUsage,
                               .options = {PortOption(), IniDirOption()},
                               .positionals = 1,
                               .required = {"port"}};
    if (const auto exit = ParseArguments(parser, args, syntax)) return *exit;
    RadioData data;
    if (!LoadImage(parser.positionalArguments()[0], data)) return 1;
    PrepareImageForWrite(data.image);
    const std::optional<CloneRequest> request = LinkRequest(parser, CloneMode::Write);
    if (!request) return 1;

    const CloneResult result = RunClone(data.image, *request);
    if (!result.ok) return FailTransfer(parser.value("port"), *request, result);
    std::fprintf(stderr, "Writing Complete!\n");
    return 0;
}

const CliRegistration kWrite({"write", kUsage,
                              "write a .tw file to the radio on PORT (COMn or a device)",
                              RunWrite});

}  // namespace
}  // namespace qv::cli
