// diff A.tw B.tw [--lang en|zh]: what differs from A to B, in the words of the editors that show
// it, one line each; bytes no editor shows by row and address. Exit 0 when the images are equal,
// 1 when they differ, 2 when a file cannot be read (as diff does).
#include <QTextStream>

#include "cli_command.h"
#include "compare/image_differences.h"

namespace qv::cli {
namespace {

const QString kUsage = QStringLiteral("diff A.tw B.tw [--lang en|zh]");

constexpr int kEqual = 0;
constexpr int kDiffer = 1;
constexpr int kTrouble = 2;

int RunDiff(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption language("lang", "the language of the lines: en or zh", "en|zh", "en");
    if (const auto exit = ParseArguments(
            parser, args, {.usage = kUsage, .options = {language}, .positionals = 2})) {
        return *exit == 0 ? kEqual : kTrouble;
    }
    const QString lang = parser.value(language);
    if (lang != "en" && lang != "zh") {
        Fail(QStringLiteral("--lang %1: the language is en or zh").arg(lang));
        return kTrouble;
    }
    const QStringList files = parser.positionalArguments();
    RadioImage from;
    RadioImage to;
    // The bytes as stored: a band limit the program would repair on opening is a difference too.
    if (!ReadImageFile(files[0], from) || !ReadImageFile(files[1], to)) return kTrouble;
    const UiTexts texts(lang == "zh" ? Language::Chinese : Language::English);
    const ImageDifferences differences = DescribeDifferences(from, to, texts);
    QTextStream out(stdout);
    for (const QString& line : differences.Lines()) out << line << '\n';
    return differences.Empty() ? kEqual : kDiffer;
}

const CliRegistration kDiff({"diff", kUsage,
                             "what differs between two .tw files, in the editors' words (exit 0 "
                             "equal, 1 different, 2 trouble)",
                             RunDiff});

}  // namespace
}  // namespace qv::cli
