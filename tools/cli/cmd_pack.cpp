// pack and unpack: between a raw 16,384-byte image and a .tw data file.
#include <QFile>

#include "cli_command.h"
#include "data/data_file.h"

namespace qv::cli {
namespace {

const QString kPackUsage = QStringLiteral("pack IMAGE.bin OUT.tw");
const QString kUnpackUsage = QStringLiteral("unpack FILE.tw OUT.bin");

int RunPack(const QStringList& arguments) {
    QCommandLineParser parser;
    if (const auto exit =
            ParseArguments(parser, arguments, {.usage = kPackUsage, .positionals = 2}))
        return *exit;
    const QStringList args = parser.positionalArguments();
    QFile in(args[0]);
    if (!in.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("%1: %2").arg(args[0], in.errorString()));
    if (in.size() != kImageSize) {
        return Fail(QStringLiteral("%1: an image is exactly %2 bytes, this file has %3")
                        .arg(args[0])
                        .arg(kImageSize)
                        .arg(in.size()));
    }
    const QByteArray raw = in.readAll();
    if (raw.size() != kImageSize)
        return Fail(QStringLiteral("%1: %2").arg(args[0], in.errorString()));
    RadioImage image;
    std::copy(raw.begin(), raw.end(), image.data());
    const SaveResult saved = SaveFile(args[1], image);
    if (!saved.ok) return Fail(QStringLiteral("%1: %2").arg(args[1], saved.error));
    return 0;
}

int RunUnpack(const QStringList& arguments) {
    QCommandLineParser parser;
    if (const auto exit =
            ParseArguments(parser, arguments, {.usage = kUnpackUsage, .positionals = 2}))
        return *exit;
    const QStringList args = parser.positionalArguments();
    RadioImage image;
    if (!ReadImageFile(args[0], image)) return 1;
    const QByteArray raw(reinterpret_cast<const char*>(image.data()), kImageSize);
    return WriteOutput(args[1], raw) ? 0 : 1;
}

const CliRegistration kPack({"pack", kPackUsage, "make a .tw file of a raw 16,384-byte image",
                             RunPack});
const CliRegistration kUnpack({"unpack", kUnpackUsage,
                               "write the raw 16,384 image bytes of a .tw file", RunUnpack});

}  // namespace
}  // namespace qv::cli
