// read --port PORT -o OUT.tw [--base FILE.tw] [--ini-dir FOLDER]: rows 1 to 26 from the radio
// over a base image (the start-up template unless given), saved as a .tw file only when the
// whole read succeeded.
#include "data/data_file.h"
#include "link/clone.h"
#include "link/clone_session.h"
#include "link_command.h"

namespace qv::cli {
namespace {

const QString kUsage =
    QStringLiteral("read --port PORT -o OUT.tw [--base FILE.tw] [--ini-dir FOLDER]");

int RunRead(const QStringList& args) {
    QMap<QString, QString> options;
    QStringList plain;
    if (!ParseOptions(args, {"--port", "-o", "--base", "--ini-dir"}, options, plain) ||
        !plain.isEmpty() || !options.contains("--port") || !options.contains("-o")) {
        return UsageError(kUsage);
    }
    const QString out = options["-o"];
    RadioData data;
    const bool loaded =
        options.contains("--base") ? LoadImage(options["--base"], data) : LoadTemplate(data);
    if (!loaded) return 1;
    const std::optional<CloneRequest> request = LinkRequest(options, kCloneRead);
    if (!request) return 1;

    const CloneResult result = RunClone(data.image, *request);
    if (!result.ok) {
        const QString port = PortLabelOf(options["--port"], request->device);
        return Fail(QStringLiteral("%1: %2").arg(port, result.error));
    }
    const SaveResult saved = SaveFile(out, data.image);
    if (!saved.ok) return Fail(QStringLiteral("%1: %2").arg(out, saved.error));
    std::fprintf(stderr, "Reading Complete!\n");
    return 0;
}

const CliRegistration kRead({"read", kUsage,
                             "read the radio on PORT (COMn or a device) into a .tw file", RunRead});

}  // namespace
}  // namespace qv::cli
