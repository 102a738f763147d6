// export-csv and import-csv: channel plans as spreadsheets.
#include <QFile>

#include "cli_command.h"
#include "data/data_file.h"
#include "editors/channel_csv/channel_csv.h"

namespace qv::cli {
namespace {

const QString kExportUsage = QStringLiteral("export-csv FILE.tw OUT.csv");
const QString kImportUsage = QStringLiteral("import-csv FILE.tw IN.csv -o OUT.tw");

int RunExport(const QStringList& args) {
    if (args.size() != 2) return UsageError(kExportUsage);
    RadioData data;
    if (!LoadImage(args[0], data)) return 1;
    return WriteOutput(args[1], ExportChannelsCsv(data)) ? 0 : 1;
}

int RunImport(const QStringList& args) {
    if (args.size() != 4 || args[2] != "-o") return UsageError(kImportUsage);
    RadioData data;
    if (!LoadImage(args[0], data)) return 1;
    QFile csv(args[1]);
    if (!csv.open(QIODevice::ReadOnly)) {
        return Fail(QStringLiteral("%1: %2").arg(args[1], csv.errorString()));
    }
    const CsvImportResult imported = ImportChannelsCsv(csv.readAll(), data);
    if (!imported.ok) return Fail(QStringLiteral("%1: %2").arg(args[1], imported.error));
    const SaveResult saved = SaveFile(args[3], data.image);
    if (!saved.ok) return Fail(QStringLiteral("%1: %2").arg(args[3], saved.error));
    return 0;
}

const CliRegistration kExport({"export-csv", kExportUsage,
                               "write the 16 channels as a CSV channel plan", RunExport});
const CliRegistration kImport({"import-csv", kImportUsage,
                               "apply a CSV channel plan to a .tw file, written as OUT.tw",
                               RunImport});

}  // namespace
}  // namespace qv::cli
