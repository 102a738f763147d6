#include "cli_command.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>

#include "data/data_file.h"

namespace qv::cli {

std::vector<CliCommand>& Commands() {
    static std::vector<CliCommand> commands;
    return commands;
}

QString WrappedLines(const QString& text, int indent) {
    const QString margin(indent, u' ');
    QString wrapped;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > kHelpColumns) {
            wrapped += margin + line + u'\n';
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty()) wrapped += margin + line + u'\n';
    return wrapped;
}

int Fail(const QString& message) {
    std::fprintf(stderr, "qv730-cli: %s\n", message.toLocal8Bit().constData());
    return 1;
}

int UsageError(const QString& usage) {
    return Fail(QStringLiteral("usage: qv730-cli %1").arg(usage));
}

namespace {

// "--port PORT" or "-o OUT.tw": how a command's help names an option.
QString OptionSynopsis(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString synopsis = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty()) synopsis += u' ' + option.valueName();
    return synopsis;
}

void PrintCommandHelp(const CommandSyntax& syntax, const QCommandLineOption& help) {
    QString text = QStringLiteral("usage: qv730-cli %1\n").arg(syntax.usage);
    const QList<QCommandLineOption> options = syntax.options + QList{help};
    int width = 0;
    for (const QCommandLineOption& option : options)
        width = std::max(width, int(OptionSynopsis(option).size()));
    // Each option with its description beside it, continued lines under the description.
    for (const QCommandLineOption& option : options) {
        const QString synopsis = QStringLiteral("  ") + OptionSynopsis(option).leftJustified(width);
        const int indent = int(synopsis.size()) + 2;
        text += synopsis + WrappedLines(option.description(), indent).mid(synopsis.size());
    }
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

}  // namespace

std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& args,
                                  const CommandSyntax& syntax) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"}, "show this text");
    parser.addOptions(syntax.options);
    parser.addOption(help);
    if (!parser.parse(QStringList{"qv730-cli"} + args)) return UsageError(syntax.usage);
    if (parser.isSet(help)) {
        PrintCommandHelp(syntax, help);
        return 0;
    }
    const bool allGiven = std::all_of(syntax.required.begin(), syntax.required.end(),
                                      [&](const QString& name) { return parser.isSet(name); });
    if (!allGiven || parser.positionalArguments().size() != syntax.positionals)
        return UsageError(syntax.usage);
    return std::nullopt;
}

bool LoadImage(const QString& path, RadioData& data) {
    const LoadStatus status = LoadFile(path, data);
    if (status == LoadStatus::Ok) return true;
    Fail(QStringLiteral("%1: %2").arg(path, LoadFailureText(UiTexts())));
    return false;
}

bool ReadImageFile(const QString& path, RadioImage& image) {
    RadioData data;
    if (!LoadImage(path, data)) return false;
    image = data.baseline;  // the bytes before the band-limit check touched them
    return true;
}

bool WriteOutput(const QString& path, const QByteArray& bytes) {
    const SaveResult saved = WriteFileAtomically(
        path, reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size());
    if (!saved.ok) Fail(QStringLiteral("%1: %2").arg(path, saved.error));
    return saved.ok;
}

bool LoadTemplate(RadioData& data) {
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("default.tw");
    return LoadImage(path, data);
}

}  // namespace qv::cli
