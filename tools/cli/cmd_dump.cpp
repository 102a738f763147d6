// dump FILE.tw: the whole image as 1024 rows of 16 hexadecimal bytes.
#include <cstdio>

#include "cli_command.h"

namespace qv::cli {
namespace {

const QString kUsage = QStringLiteral("dump FILE.tw");

int RunDump(const QStringList& args) {
    QCommandLineParser parser;
    if (const auto exit = ParseArguments(parser, args, {.usage = kUsage, .positionals = 1}))
        return *exit;
    RadioImage image;
    if (!ReadImageFile(parser.positionalArguments()[0], image)) return 1;
    for (int row = 0; row < kRowCount; ++row) {
        std::printf("%03X", row);
        for (int column = 0; column < kRowSize; ++column) {
            std::printf(" %02X", image.at(row, column));
        }
        std::printf("\n");
    }
    return 0;
}

const CliRegistration kDump({"dump", kUsage,
                             "print the 16,384 image bytes: row number, then 16 bytes", RunDump});

}  // namespace
}  // namespace qv::cli
