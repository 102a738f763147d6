// qv730-cli: the command-line companion of the QV-730 programming software.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "cli_command.h"

namespace {

// Each command's usage line with its summary under it, wrapped at kHelpColumns.
void PrintHelp() {
    QString help = QStringLiteral(
                       "qv730-cli %1 - QV-730 programming software, command-line "
                       "companion\n\n")
                       .arg(QV730_VERSION);
    help += QStringLiteral(
        "usage: qv730-cli COMMAND [ARGUMENTS]\n"
        "       qv730-cli COMMAND --help   (the options of one command)\n\n"
        "commands:\n");
    auto commands = qv::cli::Commands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& command : commands) {
        help += qv::cli::WrappedLines(command.usage, 2);
        help += qv::cli::WrappedLines(command.summary, 6);
    }
    help += QStringLiteral(
        "\noptions:\n  --help     show this text\n"
        "  --version  show the program version\n");
    std::fputs(help.toLocal8Bit().constData(), stdout);
}

// The program's own options and the command's name; everything after the name belongs to the
// command, its options included.
struct TopLevelArguments {
    QCommandLineParser parser;
    const QCommandLineOption help{QStringList{"h", "help"}};
    const QCommandLineOption version{"version"};

    TopLevelArguments() {
        parser.setOptionsAfterPositionalArgumentsMode(
            QCommandLineParser::ParseAsPositionalArguments);
        parser.addOptions({help, version});
    }
};

// Commands that lay out pages need fonts, which only a GUI application has; it runs on the
// offscreen platform, so no display is needed. Every other command stays a plain console program.
// The command line is read here before any application exists, as the application will read it.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    TopLevelArguments topLevel;
    const QString name = topLevel.parser.parse(arguments)
                             ? topLevel.parser.positionalArguments().value(0)
                             : QString();
    const bool drawsPages = std::any_of(
        qv::cli::Commands().begin(), qv::cli::Commands().end(),
        [&](const auto& command) { return command.drawsPages && command.name == name; });
    if (!drawsPages) return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // stderr carries this program's one error line; the platform's notes (a missing runtime
    // folder, say) would only get in its way.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "qv730-cli: %s\n", text.toLocal8Bit().constData());
        }
    });
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto app = MakeApplication(argc, argv);
    TopLevelArguments topLevel;
    QCommandLineParser& parser = topLevel.parser;
    if (!parser.parse(app->arguments())) {
        return qv::cli::Fail(QStringLiteral("%1 (try --help)").arg(parser.errorText()));
    }
    QStringList args = parser.positionalArguments();
    if (parser.isSet(topLevel.help) || args.value(0) == "help") {
        PrintHelp();
        return 0;
    }
    if (parser.isSet(topLevel.version)) {
        std::printf("qv730-cli %s\n", QV730_VERSION);
        return 0;
    }
    if (args.isEmpty()) {
        PrintHelp();
        return 2;
    }
    const QString name = args.takeFirst();
    for (const auto& command : qv::cli::Commands()) {
        if (command.name == name) return command.run(args);
    }
    return qv::cli::Fail(QStringLiteral("unknown command '%1' (try --help)").arg(name));
}
