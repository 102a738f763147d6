// qv730-cli: the command-line companion of the QV-730 programming software.
#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "cli_command.h"

namespace {

void PrintHelp() {
    std::printf("qv730-cli %s - QV-730 programming software, command-line companion\n\n",
                QV730_VERSION);
    std::printf("usage: qv730-cli COMMAND [ARGUMENTS]\n\ncommands:\n");
    auto commands = qv::cli::Commands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    int width = 0;
    for (const auto& command : commands) width = std::max(width, int(command.usage.size()));
    for (const auto& command : commands) {
        std::printf("  %-*s  %s\n", width, command.usage.toLocal8Bit().constData(),
                    command.summary.toLocal8Bit().constData());
    }
    std::printf("  %-*s  %s\n  %-*s  %s\n", width, "--help", "show this text", width, "--version",
                "show the program version");
}

// Commands that lay out pages need fonts, which only a GUI application has; it runs on the
// offscreen platform, so no display is needed. Every other command stays a plain console program.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[]) {
    const bool drawsPages =
        argc > 1 && std::any_of(qv::cli::Commands().begin(), qv::cli::Commands().end(),
                                [&](const auto& command) {
                                    return command.drawsPages && command.name == argv[1];
                                });
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
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty()) {
        PrintHelp();
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp();
        return 0;
    }
    if (name == "--version") {
        std::printf("qv730-cli %s\n", QV730_VERSION);
        return 0;
    }
    for (const auto& command : qv::cli::Commands()) {
        if (command.name == name) return command.run(args);
    }
    return qv::cli::Fail(QStringLiteral("unknown command '%1' (try --help)").arg(name));
}
