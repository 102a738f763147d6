// export-pdf FILE.tw OUT.pdf [--lang en|zh]: the channel list page the program prints, as a PDF.
#include <QDate>
#include <QFileInfo>

#include "cli_command.h"
#include "language/ui_language.h"
#include "print/channel_list_pdf.h"

namespace qv::cli {
namespace {

const QString kUsage = QStringLiteral("export-pdf FILE.tw OUT.pdf [--lang en|zh]");

int RunExportPdf(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption language("lang", "the language of the page: en or zh", "en|zh", "en");
    if (const auto exit = ParseArguments(
            parser, args, {.usage = kUsage, .options = {language}, .positionals = 2}))
        return *exit;
    const QStringList plain = parser.positionalArguments();
    const QString lang = parser.value(language);
    if (lang != "en" && lang != "zh") {
        return Fail(QStringLiteral("--lang %1: the language is en or zh").arg(lang));
    }
    RadioData data;
    if (!LoadImage(plain[0], data)) return 1;
    const UiTexts texts(lang == "zh" ? Language::Chinese : Language::English);
    const QByteArray pdf =
        ChannelListPdf(data, QFileInfo(plain[0]).fileName(), QDate::currentDate(), texts);
    if (pdf.isEmpty()) return Fail(QStringLiteral("%1: the PDF could not be made").arg(plain[1]));
    return WriteOutput(plain[1], pdf) ? 0 : 1;
}

const CliRegistration kExportPdf({"export-pdf", kUsage,
                                  "the channel list of a .tw file as a one-page A4 PDF",
                                  RunExportPdf, true});

}  // namespace
}  // namespace qv::cli
