// qv730: start the programming software. `qv730 PLAN.tw` opens PLAN.tw once the template is
// loaded. With --startup-probe it prints the time from the start of main() until the channel
// editor is shown, then quits.
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTimer>
#include <QUrl>
#include <cstdio>

#include "shell/main_window.h"

namespace {

// A file manager passes a path; some pass a file:// address instead.
QString LocalPath(const QString& argument) {
    if (argument.startsWith(QLatin1String("file:"))) return QUrl(argument).toLocalFile();
    return argument;
}

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    app.setApplicationName("QV-730");
    app.setOrganizationName("QV");
    app.setApplicationVersion(QV730_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription("QV-730 Programming Software");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("file", "A .tw data file to open.", "[FILE.tw]");
    QCommandLineOption probe("startup-probe", "Print the start-up time and quit.");
    probe.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(probe);
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "qv730: give one file to open\n");
        return 2;
    }

    qv::MainWindow window;
    window.show();
    if (!parser.positionalArguments().isEmpty()) {
        window.OpenPath(LocalPath(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(probe)) {
        QTimer::singleShot(0, &app, [&] {
            std::printf("channel editor shown after %.1f ms\n", sinceStart.nsecsElapsed() / 1e6);
            app.quit();
        });
    }
    return app.exec();
}
