// export-csv and import-csv: channel plans as spreadsheets, in the native format or the common
// channel CSV of other radio programs. "-" stands for standard output or standard input.
#include <QFile>
#include <cstdio>

#include "cli_command.h"
#include "data/data_file.h"
#include "editors/channel/csv/channel_csv.h"

namespace qv::cli {
namespace {

const QString kExportUsage =
    QStringLiteral("export-csv [--format native|common] FILE.tw OUT.csv|-");
const QString kImportUsage =
    QStringLiteral("import-csv [--renumber] [--skip-unusable] FILE.tw IN.csv|- -o OUT.tw");
const QString kStandardStream = QStringLiteral("-");

bool ReadInput(const QString& path, QByteArray& bytes) {
    QFile file;
    const bool opened = path == kStandardStream
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        Fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    bytes = file.readAll();
    return true;
}

int RunExport(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption format(
        "format", "native (this program's columns) or common (the channel CSV of other programs)",
        "native|common", "native");
    if (const auto exit = ParseArguments(
            parser, args, {.usage = kExportUsage, .options = {format}, .positionals = 2}))
        return *exit;
    const QString formatName = parser.value(format);
    if (formatName != "native" && formatName != "common") {
        return Fail(QStringLiteral("--format: \"%1\" is not native or common").arg(formatName));
    }
    const QStringList files = parser.positionalArguments();
    RadioData data;
    if (!LoadImage(files[0], data)) return 1;
    const QByteArray csv =
        ExportChannelsCsv(data, formatName == "common" ? CsvFormat::Common : CsvFormat::Native);
    if (files[1] == kStandardStream) {
        std::fwrite(csv.constData(), 1, static_cast<std::size_t>(csv.size()), stdout);
        return std::fflush(stdout) == 0 ? 0 : Fail("standard output: write failed");
    }
    return WriteOutput(files[1], csv) ? 0 : 1;
}

void Note(const char* kind, const QString& text) {
    std::fprintf(stderr, "qv730-cli: %s: %s\n", kind, text.toLocal8Bit().constData());
}

int RunImport(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption renumber(
        "renumber",
        "a common channel CSV fills channels 1, 2, ... in file order, whatever its "
        "Location says");
    const QCommandLineOption skipUnusable(
        "skip-unusable",
        "a common channel CSV: rows this radio cannot hold (outside its band, a tone it has no "
        "code for, a name it cannot store, no free channel) are left out, each named on "
        "standard error, instead of refusing the file; with --renumber the first 16 usable "
        "rows are imported");
    const QCommandLineOption output("o", "the .tw file to write", "OUT.tw");
    const CommandSyntax syntax{.usage = kImportUsage,
                               .options = {renumber, skipUnusable, output},
                               .positionals = 2,
                               .required = {"o"}};
    if (const auto exit = ParseArguments(parser, args, syntax)) return *exit;
    const QStringList files = parser.positionalArguments();
    RadioData data;
    if (!LoadImage(files[0], data)) return 1;
    QByteArray csv;
    if (!ReadInput(files[1], csv)) return 1;
    const QString source =
        files[1] == kStandardStream ? QStringLiteral("standard input") : files[1];
    if (DetectCsvFormat(csv) == CsvFormat::Native) {
        for (const QCommandLineOption& option : {renumber, skipUnusable}) {
            if (!parser.isSet(option)) continue;
            return Fail(QStringLiteral("%1: --%2 is for the common channel CSV; this program's "
                                       "own CSV numbers its channels in \"No.\" and is imported "
                                       "all or nothing")
                            .arg(source, option.names().constFirst()));
        }
    }
    CsvImportOptions options;
    options.renumber = parser.isSet(renumber);
    options.skipUnusable = parser.isSet(skipUnusable);
    const CsvImportResult imported = ImportChannelsCsv(csv, data, options);
    for (const QString& skipped : imported.skipped) {
        Note("skipped", QStringLiteral("%1: %2").arg(source, skipped));
    }
    if (!imported.ok) return Fail(QStringLiteral("%1: %2").arg(source, imported.error));
    const QString out = parser.value(output);
    const SaveResult saved = SaveFile(out, data.image);
    if (!saved.ok) return Fail(QStringLiteral("%1: %2").arg(out, saved.error));
    for (const QString& note : imported.Notes()) Note("note", note);
    return 0;
}

const CliRegistration kExport({"export-csv", kExportUsage,
                               "write the channel plan as CSV (- for standard output)", RunExport});
const CliRegistration kImport({"import-csv", kImportUsage,
                               "apply a CSV channel plan (either format; - for standard "
                               "input), written as OUT.tw",
                               RunImport});

}  // namespace
}  // namespace qv::cli
